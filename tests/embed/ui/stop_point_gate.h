#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>

#include "common/core/job_control.h"
#include "embed/core/embed_search_job.h"
#include "embed/ui/form1.h"

namespace undertext::embed::testing {

// Holds a run at its first stop point until the test releases it, so that a test
// acts while the run is surely under way, whatever the machine's speed. The
// search itself is the real one.
class StopPointGate {
  public:
    SearchJob searchJob() {
        return [this](const EmbedJobInputs& inputs, JobControl& control,
                      const std::function<void()>& resultsChanged) {
            GatedControl gated(*this, control);
            return embedSearchJob(inputs, gated, resultsChanged);
        };
    }

    // True once the job waits at the gate (or has passed it).
    bool reached() const {
        std::lock_guard lock(mutex_);
        return reached_;
    }

    void release() {
        {
            std::lock_guard lock(mutex_);
            released_ = true;
        }
        wake_.notify_all();
    }

  private:
    class GatedControl final : public JobControl {
      public:
        GatedControl(StopPointGate& gate, JobControl& inner) : gate_(gate), inner_(inner) {}
        void progress(int percent) override { inner_.progress(percent); }
        bool stopPoint() override {
            gate_.pass();
            return inner_.stopPoint();
        }

      private:
        StopPointGate& gate_;
        JobControl& inner_;
    };

    void pass() {
        std::unique_lock lock(mutex_);
        reached_ = true;
        wake_.wait(lock, [this] { return released_; });
    }

    mutable std::mutex mutex_;
    std::condition_variable wake_;
    bool reached_ = false;
    bool released_ = false;
};

}  // namespace undertext::embed::testing
