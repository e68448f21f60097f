#include "common/core/files/file_io.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <thread>

#include "common/core/files/disk_space.h"
#include "common/core/files/leftover_files.h"
#include "testing/support/child_process.h"
#include "testing/support/temp_folder.h"

namespace undertext {
namespace {

using testing::TempFolder;

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// The temporary files of the writer in folder.
int temporaryCount(const std::filesystem::path& folder) {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        count += entry.path().filename().string().starts_with(".ut-");
    }
    return count;
}

mode_t modeOf(const std::filesystem::path& path) {
    struct stat info {};
    ::lstat(path.c_str(), &info);
    return info.st_mode;
}

TEST(WholeFileWriting, ReplacesRegularFilesOnlyAndKeepsLinksAndPermissions) {
    TempFolder folder;
    std::filesystem::create_directories(folder / "data");
    std::filesystem::create_directories(folder / "links");
    ::mkfifo((folder / "fifo").c_str(), 0644);
    folder.write("data/linked.txt", "old");
    std::filesystem::create_symlink("../data/linked.txt", folder / "links/link.txt");
    std::filesystem::create_symlink("../data/new.txt", folder / "links/dangling.txt");
    folder.write("readonly.txt", "old");
    ::chmod((folder / "readonly.txt").c_str(), 0444);
    folder.write("private.txt", "old");
    ::chmod((folder / "private.txt").c_str(), 0640);
    // A null device of our own: only a privileged user may make one.
    const bool device = ::mknod((folder / "null").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;

    struct Case {
        std::string target;
        const char* refusal;  // part of the message, or null when the write succeeds
        std::string written;  // the file that then holds the content
    };
    const Case cases[] = {
        {"fifo", "Это не обычный файл.", ""},
        {"data", "Это папка.", ""},
        {"readonly.txt", "Файл защищён от записи.", ""},
        {"links/link.txt", nullptr, "data/linked.txt"},
        {"links/dangling.txt", nullptr, "data/new.txt"},
        {"private.txt", nullptr, "private.txt"},
        {std::string(250, 'n'), nullptr, std::string(250, 'n')},
        {"null", device ? "Это не обычный файл." : nullptr, device ? "" : "null"},
    };
    for (const auto& [target, refusal, written] : cases) {
        const auto status = writeWholeFile(folder / target, "new");
        if (refusal) {
            ASSERT_FALSE(status) << target;
            EXPECT_TRUE(contains(status.error(), "Не удалось записать файл \"" +
                                                     (folder / target).string() + "\". " + refusal))
                << status.error();
        } else {
            ASSERT_TRUE(status) << target << ": " << status.error();
            EXPECT_EQ(folder.read(written), "new") << target;
        }
        EXPECT_EQ(temporaryCount(folder.path()), 0) << target;
        EXPECT_EQ(temporaryCount(folder / "data"), 0) << target;
    }
    EXPECT_TRUE(S_ISFIFO(modeOf(folder / "fifo")));
    EXPECT_TRUE(!device || S_ISCHR(modeOf(folder / "null")));
    EXPECT_EQ(folder.read("readonly.txt"), "old");
    EXPECT_TRUE(S_ISLNK(modeOf(folder / "links/link.txt")));
    EXPECT_EQ(modeOf(folder / "private.txt") & 07777, 0640u);
}

TEST(WholeFileWriting, EncodesPiecesOfAnySizeWhole) {
    TempFolder folder;
    // Pieces around the size the writer encodes at a time, cut inside characters
    // whose encoded form is longer than one byte.
    std::string text;
    for (int i = 0; text.size() < 300'000; ++i) {
        text += i % 3 == 0 ? "\xEF\xF0\xE8\xEC\xE5\xF0 " : "\xB9\x88\x98 \r\n";
    }
    for (const SourceEncoding encoding :
         {SourceEncoding{TextEncoding::Utf8, true}, SourceEncoding{TextEncoding::Utf16Be, true},
          SourceEncoding{TextEncoding::Koi8R, false}}) {
        const TextEncoder encoder(encoding);
        for (const std::size_t pieceSize : {std::size_t{1000}, std::size_t{65'537}, text.size()}) {
            WholeFileWriter writer(folder / "out.txt", encoder);
            for (std::size_t pos = 0; pos < text.size(); pos += pieceSize) {
                writer.append(std::string_view(text).substr(pos, pieceSize));
            }
            ASSERT_TRUE(writer.commit());
            EXPECT_EQ(folder.read("out.txt"), encoder.encodeFile(text)) << pieceSize;
        }
    }
}

TEST(WholeFileWriting, AFailedWriteLeavesTheTargetAndNoTemporaryFile) {
    TempFolder folder;
    const auto target = folder.write("report.txt", "old");
    // A file size limit: the write fails as an error instead of ending the program.
    const auto overTheLimit = [&] {
        ::signal(SIGXFSZ, SIG_IGN);
        const auto status = writeWholeFile(target, std::string(5000, 'x'));
        return !status && contains(status.error(), "Превышен допустимый размер файла.") ? 0 : 1;
    };
    EXPECT_EQ(testing::inChildProcess({1000}, overTheLimit), 0);
    EXPECT_EQ(folder.read("report.txt"), "old");
    EXPECT_EQ(temporaryCount(folder.path()), 0);
    // Under a regular file nothing can be written.
    const auto under = writeWholeFile(target / "x.txt", "data");
    ASSERT_FALSE(under);
    EXPECT_TRUE(contains(under.error(), "x.txt"));
}

TEST(InputReading, ReadsOnceWithinTheLimitAndRefusesDevices) {
    TempFolder folder;
    folder.write("text.txt", "some text");
    ::mkfifo((folder / "pipe").c_str(), 0644);
    // A sparse file over the limit is refused by its size, without reading it.
    {
        const int fd = ::open((folder / "huge.txt").c_str(), O_WRONLY | O_CREAT, 0644);
        ASSERT_EQ(::ftruncate(fd, off_t{2200} * 1024 * 1024), 0);
        ::close(fd);
    }
    struct Case {
        std::string file;
        std::string fed;  // what a writer feeds into the pipe
        std::uint64_t limit;
        const char* expected;  // the content, or part of the refusal
        bool read;
    };
    const Case cases[] = {
        {"text.txt", "", kMaxInputBytes, "some text", true},
        {"pipe", "fed through a pipe", kMaxInputBytes, "fed through a pipe", true},
        {"pipe", std::string(300000, 'p'), 200000, "слишком велик", false},
        {"text.txt", "", 4, "слишком велик", false},
        {"huge.txt", "", kMaxInputBytes, "слишком велик", false},
        {"/dev/zero", "", kMaxInputBytes, "Это устройство, а не файл.", false},
        {"", "", kMaxInputBytes, "Это папка.", false},
        {"absent.txt", "", kMaxInputBytes, "Не удалось прочитать файл", false},
    };
    for (const auto& [file, fed, limit, expected, read] : cases) {
        const auto path = file.starts_with('/') ? std::filesystem::path(file) : folder / file;
        std::thread writer;
        if (!fed.empty()) {
            writer = std::thread([&path, &fed] {
                const int fd = ::open(path.c_str(), O_WRONLY);
                ::signal(SIGPIPE, SIG_IGN);  // the reader may stop reading early
                [[maybe_unused]] const auto written = ::write(fd, fed.data(), fed.size());
                ::close(fd);
            });
        }
        const auto content = readWholeFile(path, limit);
        if (writer.joinable()) {
            writer.join();
        }
        ASSERT_EQ(content.ok(), read) << file << ": " << content.error();
        EXPECT_TRUE(read ? content.value() == expected : contains(content.error(), expected))
            << file << ": " << content.error();
    }
}

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
    ASSERT_EQ(temporaryCount(folder.path()), 3);

    removeLeftovers(folder.path());
    EXPECT_EQ(temporaryCount(folder.path()), 2);  // the live writer's and the user's
    EXPECT_FALSE(folder.exists(".ut-Stale1"));
    EXPECT_FALSE(folder.exists("~$t.txt"));
    for (const auto* kept : {"~$held.txt", "~$doc.docx", "~$doc2.txt", ".ut-longer-name", "t.txt",
                             "held.txt", "doc2.txt"}) {
        EXPECT_TRUE(folder.exists(kept)) << kept;
    }

    ::kill(writer, SIGKILL);
    ::waitpid(writer, nullptr, 0);
    removeLeftovers(folder.path());
    EXPECT_EQ(temporaryCount(folder.path()), 1);
    EXPECT_FALSE(folder.exists("report.txt"));
}

TEST(DiskSpace, RefusesWhatWouldNotFitAndNamesTheSize) {
    const std::pair<std::uint64_t, const char*> sizes[] = {
        {1000, "1000 байт"},
        {1024, "1,0 КБ"},
        {1025, "1,1 КБ"},
        {5 * 1024 * 1024, "5,0 МБ"},
        {7409285, "7,1 МБ"},
        {std::uint64_t{6900} << 20, "6,8 ГБ"},
        {std::uint64_t{3} << 50, "3145728,0 ГБ"}};
    for (const auto& [bytes, text] : sizes) {
        EXPECT_EQ(sizeText(bytes), text);
    }
    TempFolder folder;
    EXPECT_TRUE(ensureRoomFor(folder / "r.txt", 1000));
    const auto refused = ensureRoomFor(folder / "r.txt", std::uint64_t{3} << 50);
    ASSERT_FALSE(refused);
    EXPECT_TRUE(contains(refused.error(), "Для него нужно 3145728,0 ГБ, а на диске свободно "))
        << refused.error();
}

}  // namespace
}  // namespace undertext
