#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "testing/support/child_process.h"
#include "testing/support/temp_folder.h"

namespace undertext::testing {

inline bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

struct ToolRun {
    int status = -1;
    std::string out, err;  // standard output and standard error
};

// Where the tool's standard output goes: a file the test reads, or /dev/full,
// where every write fails.
enum class Stdout { Captured, Full };

// In a child process: becomes the batch tool with args (each one argument, no
// shell between) in folder, under limits, its standard output and error going to
// the files named; 127 when it cannot. The files are opened before the limits
// apply, so the limits hold for the tool alone.
inline int execTool(const TempFolder& folder, const std::vector<std::string>& args,
                    const std::string& outFile, const std::string& errFile,
                    const ChildLimits& limits = {}) {
    std::vector<std::string> words{UNDERTEXT_BINARY};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    const int outFd = ::open(outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int errFd = ::open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (outFd < 0 || errFd < 0 || ::chdir(folder.path().c_str()) != 0 ||
        ::dup2(outFd, STDOUT_FILENO) < 0 || ::dup2(errFd, STDERR_FILENO) < 0) {
        return 127;
    }
    applyChildLimits(limits);
    ::execv(argv[0], argv.data());
    return 127;
}

// Runs the batch tool with args in folder, under limits.
inline ToolRun runTool(const TempFolder& folder, const std::vector<std::string>& args,
                       const ChildLimits& limits = {}, Stdout out = Stdout::Captured) {
    const auto outFile = (folder / ".stdout").string();
    const auto errFile = (folder / ".stderr").string();
    const auto outTarget = out == Stdout::Full ? std::string("/dev/full") : outFile;
    const int status =
        inChildProcess({}, [&] { return execTool(folder, args, outTarget, errFile, limits); });
    ToolRun run{status, out == Stdout::Full ? "" : folder.read(".stdout"), folder.read(".stderr")};
    std::filesystem::remove(outFile);
    std::filesystem::remove(errFile);
    return run;
}

}  // namespace undertext::testing
