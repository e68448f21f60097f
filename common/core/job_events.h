#pragma once

#include <optional>
#include <string>

namespace undertext {

// The files the result list shows: those of the run's folder whose names are a
// source name followed by suffix (letter case ignored).
struct ResultFiles {
    std::string suffix;  // empty: the list keeps its pattern and only reads its folder again
    // The source name; nullopt stands for the name the window shows at that moment.
    std::optional<std::string> sourceName;
};

// What a long job tells whoever watches it while it runs, in the order it
// happens: progress and the files it has written. The job never knows which
// controls show them; how it ended, with its message, is its outcome. A watcher
// overrides what it shows; the rest is ignored.
class JobEvents {
  public:
    virtual ~JobEvents() = default;

    // The progress bar and its label show percent (0 to 100).
    virtual void progress(int /*percent*/) {}
    // The result list reads its folder again, for the files given.
    virtual void showResultFiles(const ResultFiles& /*files*/) {}
    // The progress label shows why the job waits (UTF-8), until the next progress.
    virtual void showWaiting(const std::string& /*reason*/) {}
};

}  // namespace undertext
