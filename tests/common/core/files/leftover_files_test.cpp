#include "common/core/files/leftover_files.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "common/core/files/file_io.h"
#include "common/core/files/owner_marks.h"
#include "testing/support/temp_folder.h"
#include "tests/common/core/files/writer_temporaries.h"

namespace undertext {
namespace {

using testing::TempFolder;

// Runs body in a child process that then waits to be killed; the parent gets its
// id once body has run.
pid_t runAndWait(const std::function<void()>& body) {
    int ready[2];
    if (::pipe(ready) != 0) {
        return -1;
    }
    const pid_t child = ::fork();
    if (child == 0) {
        body();
        [[maybe_unused]] const auto told = ::write(ready[1], "r", 1);
        ::pause();
        ::_exit(0);
    }
    char byte = 0;
    [[maybe_unused]] const auto heard = ::read(ready[0], &byte, 1);
    ::close(ready[0]);
    ::close(ready[1]);
    return child;
}

// Runs body in a child process that then ends, and waits for its end.
void runToItsEnd(const std::function<void()>& body) {
    const pid_t child = ::fork();
    if (child == 0) {
        body();
        ::_exit(0);
    }
    ::waitpid(child, nullptr, 0);
}

class Leftovers : public ::testing::TestWithParam<OwnerMarkStore> {};

TEST_P(Leftovers, OnlyFilesMarkedByAGoneOwnerAndUnheldAreSwept) {
    const auto store = GetParam();
    TempFolder folder;
    const auto mark = [&](const char* name, std::string_view bytes, const FileOwner& owner) {
        ASSERT_TRUE(markOwner(folder.write(name, bytes), owner, store)) << name;
    };
    // The same process id started at another time is another process.
    const FileOwner gone{::getpid(), currentOwner().startTime + 1};
    for (const auto* text : {"notes.txt", "заметки.txt", "t.txt", "u.txt", "held.txt"}) {
        folder.write(text, "text");
    }
    folder.write("~$notes.txt", "hello");  // a user's own files of those names
    folder.write("~$заметки.txt", "привет");
    folder.write(".ut-User01", "a user's file");
    mark("~$t.txt", "kotel", gone);
    mark("~$u.txt", "\xD0\xBA\xD0\xBE\xD1\x82", gone);  // a letter file in UTF-8
    mark("~$orphan.txt", "kot", gone);                  // its text is gone too
    runToItsEnd([&] { markOwner(folder.write(".ut-Stale1", "part"), currentOwner(), store); });
    mark("~$live.txt", "kot", currentOwner());
    mark(".ut-longer-name", "not a temporary name", gone);
    mark("~$held.txt", "kot", gone);
    const FileHold hold(folder / "~$held.txt");

    removeLeftovers(folder.path());
    for (const auto* swept : {"~$t.txt", "~$u.txt", "~$orphan.txt", ".ut-Stale1"}) {
        EXPECT_FALSE(folder.exists(swept)) << swept;
    }
    for (const auto* kept : {"~$notes.txt", "~$заметки.txt", ".ut-User01", "~$live.txt",
                             ".ut-longer-name", "~$held.txt", "notes.txt", "t.txt"}) {
        EXPECT_TRUE(folder.exists(kept)) << kept;
    }
    EXPECT_EQ(folder.read("~$notes.txt"), "hello");
    // The journal keeps the entries of the files still there, and goes with the last.
    EXPECT_EQ(folder.exists(std::string(kOwnerJournalName)), store == OwnerMarkStore::Journal);
    for (const auto* name : {"~$live.txt", ".ut-longer-name", "~$held.txt"}) {
        std::filesystem::remove(folder / name);
    }
    removeLeftovers(folder.path());
    EXPECT_FALSE(folder.exists(std::string(kOwnerJournalName)));
}

TEST(LeftoverSweep, AKilledWritersTemporaryIsSweptAndALiveOnesIsNot) {
    TempFolder folder;
    const pid_t writer = runAndWait([&] {
        static WholeFileWriter report(folder / "report.txt");
        report.append("half");
    });
    ASSERT_GT(writer, 0);
    removeLeftovers(folder.path());
    EXPECT_EQ(testing::writerTemporaryCount(folder.path()), 1);
    ::kill(writer, SIGKILL);
    ::waitpid(writer, nullptr, 0);
    removeLeftovers(folder.path());
    EXPECT_EQ(testing::writerTemporaryCount(folder.path()), 0);
    EXPECT_FALSE(folder.exists("report.txt"));
}

INSTANTIATE_TEST_SUITE_P(Stores, Leftovers,
                         ::testing::Values(OwnerMarkStore::Attribute, OwnerMarkStore::Journal));

}  // namespace
}  // namespace undertext
