#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "echoscan/core/fragment_text.h"
#include "echoscan/core/recurring_fragments.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_input.h"
#include "tests/support/literal/fragment_search.h"
#include "tests/support/recording_job.h"

namespace undertext::fuzz {
namespace {

// What the caller of a search sees: the fragments (none when stopped), the
// progress values and the number of stop points passed.
struct Seen {
    std::optional<std::vector<testing::LiteralFragment>> found;
    std::vector<int> progress;
    long stopPoints = 0;
    friend bool operator==(const Seen&, const Seen&) = default;
};

Seen fastSearch(const std::string& text, int minLength, int maxLength, long stopAt) {
    testing::RecordingJob job(stopAt);
    std::optional<std::vector<testing::LiteralFragment>> fragments;
    if (const auto found = echoscan::findRecurringFragments(text, minLength, maxLength, job)) {
        fragments.emplace();
        for (const auto& f : *found) {
            fragments->push_back({std::string(f.text(text)), static_cast<long>(f.count),
                                  static_cast<int>(f.length)});
        }
    }
    return {std::move(fragments), job.progressValues, job.stopPoints};
}

Seen literalSearch(const std::string& text, int minLength, int maxLength, long stopAt) {
    testing::RecordingJob job(stopAt);
    auto found = testing::literalRecurringFragments(text, minLength, maxLength, job);
    return {std::move(found), job.progressValues, job.stopPoints};
}

}  // namespace
}  // namespace undertext::fuzz

// Runs the fast recurring-fragment search of Echoscan and the literal procedure on
// the same small text (raw, or prepared as a fragment text) over a drawn range of
// lengths, perhaps stopped at a drawn stop point; any difference in the fragments,
// the progress values or the stop points passed ends the run.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace undertext;
    fuzz::FuzzInput input(data, size);
    const auto language = input.language();
    const bool prepare = input.flag();
    const int minLength = input.number(1, 50);
    const int maxLength = input.number(minLength, 72);
    const long stopAt = input.flag() ? input.number<long>(1, 400) : 0;
    auto text = input.text(48, language);
    if (prepare) {
        text = echoscan::prepareFragmentText(text, language);
    }
    fuzz::check(fuzz::fastSearch(text, minLength, maxLength, stopAt) ==
                    fuzz::literalSearch(text, minLength, maxLength, stopAt),
                "the recurring fragments, progress values and stop points");
    return 0;
}
