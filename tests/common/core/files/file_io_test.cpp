#include "common/core/files/file_io.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "testing/support/child_process.h"
#include "testing/support/temp_folder.h"
#include "tests/common/core/files/writer_temporaries.h"

// A link seam at the C library: this program's fsync and rename stand in for the
// library's, note in a log (while one is set) the file each was called on, then
// do what the library's would. The log shows whether each file was synced before
// it was renamed into place.
namespace {
std::vector<std::string>* durabilityLog = nullptr;

// Sets the log for its lifetime.
struct DurabilityWatch {
    std::vector<std::string> log;
    DurabilityWatch() { durabilityLog = &log; }
    ~DurabilityWatch() { durabilityLog = nullptr; }
    DurabilityWatch(const DurabilityWatch&) = delete;
    DurabilityWatch& operator=(const DurabilityWatch&) = delete;
};

std::string nameOfOpenFile(int fd) {
    std::error_code error;
    const auto path = std::filesystem::read_symlink("/proc/self/fd/" + std::to_string(fd), error);
    return path.filename().string();
}
}  // namespace

extern "C" int fsync(int fd) {
    if (durabilityLog != nullptr) {
        durabilityLog->push_back("sync " + nameOfOpenFile(fd));
    }
    return static_cast<int>(::syscall(SYS_fsync, fd));
}

extern "C" int rename(const char* from, const char* to) noexcept {
    if (durabilityLog != nullptr) {
        durabilityLog->push_back("rename " + std::filesystem::path(from).filename().string() + " " +
                                 std::filesystem::path(to).filename().string());
    }
    return ::renameat(AT_FDCWD, from, AT_FDCWD, to);
}

namespace undertext {
namespace {

using testing::TempFolder;

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
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
        EXPECT_EQ(testing::writerTemporaryCount(folder.path()), 0) << target;
        EXPECT_EQ(testing::writerTemporaryCount(folder / "data"), 0) << target;
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

TEST(WholeFileWriting, EachFileIsSyncedJustBeforeItIsRenamedIntoPlace) {
    TempFolder folder;
    DurabilityWatch watch;
    ASSERT_TRUE(writeWholeFile(folder / "a.txt", "text"));
    WholeFileWriter pieces(folder / "b.txt", TextEncoder({TextEncoding::Utf8, true}));
    pieces.append("first piece ");
    pieces.append("second piece");
    ASSERT_TRUE(pieces.commit());
    const auto& log = watch.log;
    ASSERT_EQ(log.size(), 4u) << ::testing::PrintToString(log);
    for (const std::size_t at : {1, 3}) {
        const auto temporary = log[at - 1].substr(std::string("sync ").size());
        EXPECT_TRUE(temporary.starts_with(kTemporaryPrefix)) << log[at - 1];
        EXPECT_EQ(log[at], "rename " + temporary + (at == 1 ? " a.txt" : " b.txt"));
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
    EXPECT_EQ(testing::writerTemporaryCount(folder.path()), 0);
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

}  // namespace
}  // namespace undertext
