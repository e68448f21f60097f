#include "viewer/core/source_preparation.h"

#include <new>
#include <system_error>

#include "common/core/files/file_io.h"
#include "common/core/files/file_names.h"
#include "common/core/text/suffix_index.h"

namespace undertext {

ReportSource locateReportSource(const std::filesystem::path& report, std::string_view suffix) {
    const std::string name = report.filename().string();
    const std::string sourceName = name.substr(0, name.size() - suffix.size());
    const auto found = findNameIgnoringCase(report.parent_path(), sourceName);
    std::error_code error;
    if (!found || !std::filesystem::is_regular_file(*found, error)) {
        return {report.parent_path() / sourceName, sourceName, SourceProblem::Missing};
    }
    const auto textTime = std::filesystem::last_write_time(*found, error);
    const auto reportTime = std::filesystem::last_write_time(report, error);
    if (!error && textTime > reportTime) {
        return {*found, sourceName, SourceProblem::ChangedSinceReport};
    }
    return {*found, sourceName, SourceProblem::None};
}

PreparedSource prepareSource(const std::filesystem::path& path, TextEncoding encoding,
                             Language language, const OccurrenceFinderMaker& makeFinder) {
    PreparedSource prepared;
    try {
        {
            auto bytes = readWholeFile(path);
            if (!bytes) {
                prepared.problem = SourceProblem::Unreadable;
                return prepared;
            }
            prepared.text = decodeText(std::move(bytes).value(), encoding);
        }
        if (prepared.text.cp1251.size() > SuffixIndex::kMaxTextLength) {
            prepared.problem = SourceProblem::TooLarge;
        } else {
            prepared.finder = makeFinder(prepared.text.cp1251, language);
        }
    } catch (const std::bad_alloc&) {
        prepared = PreparedSource{};
        prepared.problem = SourceProblem::OutOfMemory;
    } catch (const std::exception& error) {
        prepared = PreparedSource{};
        prepared.problem = SourceProblem::Failed;
        prepared.detail = error.what();
    }
    return prepared;
}

}  // namespace undertext
