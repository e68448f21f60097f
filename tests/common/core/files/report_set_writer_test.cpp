#include "common/core/files/report_set_writer.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>

#include "testing/support/child_process.h"
#include "testing/support/temp_folder.h"
#include "tests/common/core/files/writer_temporaries.h"

namespace undertext {
namespace {

using testing::TempFolder;

constexpr std::array<const char*, 3> kSetFiles = {"a_Len.txt", "a_Alf.txt", "a_Friq.txt"};
constexpr std::uint64_t kLargeBytes = 3 * ReportSetWriter::kStopCheckBytes;

// Writes a new set over an old one: the first two files small, the last one large
// and in a single piece. Returns whether the commit succeeded.
bool writeNewSet(const TempFolder& folder, std::function<bool()> stopRequested,
                 bool dropUncommitted = false) {
    ReportSetWriter set(std::move(stopRequested));
    set.write(folder / kSetFiles[0], "new");
    auto& second = set.add(folder / kSetFiles[1]);
    set.append(second, "ne");
    set.append(second, "w");
    set.write(folder / kSetFiles[2], std::string(kLargeBytes, 'n'));
    if (dropUncommitted) {
        return false;
    }
    return static_cast<bool>(set.commit());
}

// The old set stays whole whenever the new one cannot be completed: a file over
// the size limit (the last one, so that a set placing files early would show it),
// a stop while writing, a set dropped uncommitted. No temporary file remains.
TEST(ReportSets, AreReplacedWholeOrNotAtAll) {
    struct Case {
        const char* name;
        testing::ChildLimits limits;
        bool stop;
        bool drop;
        bool replaced;
    };
    const Case cases[] = {
        {"fits", {}, false, false, true},
        {"last file over the size limit", {.fileSize = kLargeBytes / 2}, false, false, false},
        {"stopped while writing", {}, true, false, false},
        {"dropped uncommitted", {}, false, true, false},
    };
    for (const auto& [name, limits, stop, drop, replaced] : cases) {
        TempFolder folder;
        for (const auto* file : kSetFiles) {
            folder.write(file, "old");
        }
        const int committed = testing::inChildProcess(limits, [&] {
            ::signal(SIGXFSZ, SIG_IGN);
            return writeNewSet(
                       folder, [stop] { return stop; }, drop)
                       ? 0
                       : 1;
        });
        EXPECT_EQ(committed == 0, replaced) << name;
        EXPECT_EQ(folder.read(kSetFiles[0]), replaced ? "new" : "old") << name;
        EXPECT_EQ(folder.read(kSetFiles[1]), replaced ? "new" : "old") << name;
        EXPECT_EQ(folder.read(kSetFiles[2]).size(), replaced ? kLargeBytes : 3) << name;
        EXPECT_EQ(testing::writerTemporaryCount(folder.path()), 0) << name;
    }
}

// A stop is asked after every few megabytes, also within one large piece, and
// not at all for a small set; the stopped set says so and names no file.
TEST(ReportSets, AskForAStopEveryFewMegabytes) {
    TempFolder folder;
    int asked = 0;
    EXPECT_TRUE(writeNewSet(folder, [&asked] {
        ++asked;
        return false;
    }));
    EXPECT_EQ(asked, 3);

    ReportSetWriter small([&asked] {
        ++asked;
        return true;
    });
    small.write(folder / kSetFiles[0], "tiny");
    EXPECT_TRUE(small.commit());
    EXPECT_EQ(asked, 3);

    ReportSetWriter stopped([] { return true; });
    stopped.write(folder / kSetFiles[0], std::string(kLargeBytes, 's'));
    EXPECT_TRUE(stopped.stopped());
    const auto status = stopped.commit();
    ASSERT_FALSE(status);
    EXPECT_EQ(status.error(), "Запись остановлена.");
    EXPECT_EQ(folder.read(kSetFiles[0]), "tiny");
}

// A file of the set that cannot be written (a folder in its place) is named, and
// the files before it are not replaced.
TEST(ReportSets, NameTheFileThatFailed) {
    TempFolder folder;
    folder.write(kSetFiles[0], "old");
    std::filesystem::create_directory(folder / kSetFiles[1]);
    ReportSetWriter set;
    set.write(folder / kSetFiles[0], "new");
    set.write(folder / kSetFiles[1], "new");
    const auto status = set.commit();
    ASSERT_FALSE(status);
    EXPECT_EQ(status.error(),
              "Не удалось записать файл \"" + (folder / kSetFiles[1]).string() + "\". Это папка.");
    EXPECT_EQ(folder.read(kSetFiles[0]), "old");
    EXPECT_EQ(testing::writerTemporaryCount(folder.path()), 0);
}

}  // namespace
}  // namespace undertext
