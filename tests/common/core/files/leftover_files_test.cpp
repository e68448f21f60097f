#include "common/core/files/leftover_files.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

#include "common/core/files/file_io.h"
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

TEST(Leftovers, RemovesOnlyUnheldFilesOfTheirOwnKinds) {
    TempFolder folder;
    folder.write("t.txt", "Кот ел.");
    folder.write("held.txt", "text");
    folder.write("~$held.txt", "letters");
    const FileHold hold(folder / "~$held.txt");
    folder.write(".ut-Stale1", "part of a report");
    folder.write("~$t.txt", "kotel");
    folder.write("~$doc.docx", "an office owner file");  // no text beside it
    folder.write("doc2.txt", "text");
    folder.write("~$doc2.txt", std::string("\x05user\0\0", 7));  // not letters
    folder.write(".ut-longer-name", "a user's file");
    // A run that is writing when the folder is cleaned, then is killed.
    const pid_t writer = runAndWait([&] {
        static WholeFileWriter report(folder / "report.txt");
        report.append("half");
    });
    ASSERT_GT(writer, 0);
    ASSERT_EQ(testing::writerTemporaryCount(folder.path()), 3);

    removeLeftovers(folder.path());
    EXPECT_EQ(testing::writerTemporaryCount(folder.path()), 2);  // the live writer's and the user's
    EXPECT_FALSE(folder.exists(".ut-Stale1"));
    EXPECT_FALSE(folder.exists("~$t.txt"));
    for (const auto* kept : {"~$held.txt", "~$doc.docx", "~$doc2.txt", ".ut-longer-name", "t.txt",
                             "held.txt", "doc2.txt"}) {
        EXPECT_TRUE(folder.exists(kept)) << kept;
    }

    ::kill(writer, SIGKILL);
    ::waitpid(writer, nullptr, 0);
    removeLeftovers(folder.path());
    EXPECT_EQ(testing::writerTemporaryCount(folder.path()), 1);
    EXPECT_FALSE(folder.exists("report.txt"));
}

}  // namespace
}  // namespace undertext
