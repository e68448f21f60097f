#pragma once

#include <string>
#include <vector>

#include "common/core/codepage.h"
#include "create/core/analysis_run.h"

namespace undertext::create::testing {

// Records the window effects of a run as readable lines (texts in UTF-8).
class RecordingEffects final : public AnalysisEffects {
  public:
    void setActionButtonsEnabled(bool enabled) override {
        log.push_back(enabled ? "buttons on" : "buttons off");
    }
    void focusPhraseBox() override { log.push_back("focus"); }
    void rewritePhraseBox(std::string_view text) override {
        log.push_back("phrase [" + cp1251ToUtf8(text) + "]");
    }
    void showMessage(std::string_view message) override {
        log.push_back("message " + std::string(message));
    }
    void showProgress(int percent) override {
        log.push_back("progress " + std::to_string(percent));
    }

    std::vector<std::string> log;
};

}  // namespace undertext::create::testing
