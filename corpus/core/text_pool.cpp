#include "corpus/core/text_pool.h"

#include <malloc.h>

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <new>
#include <semaphore>
#include <thread>

#include "common/core/files/file_io.h"

namespace undertext::corpus {
namespace {

// The places of the texts being worked on: `workers` of them, one taken by each
// text from its start to its end except while it waits for the disk.
using Places = std::counting_semaphore<>;

// A text's job control: its stop points read the pool's stop request, and its
// wait for the disk lends its place to another text.
class PoolControl final : public JobControl {
  public:
    PoolControl(const std::function<bool()>& stopRequested, Places& places)
        : stopRequested_(stopRequested), places_(places) {}
    bool stopPoint() override { return stopRequested_ && stopRequested_(); }
    void waitForDisk(const std::function<void()>& wait) override {
        // The place is taken back however the wait ends, for the worker gives it up.
        struct Lent {
            Places& places;
            explicit Lent(Places& lent) : places(lent) { places.release(); }
            ~Lent() { places.acquire(); }
            Lent(const Lent&) = delete;
            Lent& operator=(const Lent&) = delete;
        } lent(places_);
        wait();
    }

  private:
    const std::function<bool()>& stopRequested_;
    Places& places_;
};

TextEnd runOne(const TextWork& work, std::size_t index, const CorpusText& text,
               JobControl& control) {
    try {
        return work(index, control);
    } catch (const std::bad_alloc&) {
        return TextEnd::failed(outOfMemoryMessage(text.path));
    } catch (const std::exception& error) {
        return TextEnd::failed(error.what());
    }
}

}  // namespace

unsigned defaultWorkers() {
    return std::max(1U, std::thread::hardware_concurrency());
}

PoolRun runTextPool(const std::vector<CorpusText>& texts, const TextWork& work,
                    const PoolOptions& options) {
    const std::size_t total = texts.size();
    std::uint64_t bytesTotal = 0;
    for (const auto& text : texts) {
        bytesTotal += text.bytes;
    }
    PoolRun run;
    std::size_t textsFinished = 0;
    std::uint64_t bytesFinished = 0;
    std::mutex finishing;  // guards run, the counts above and the calls of finished
    std::atomic<std::size_t> next{0};
    const unsigned workers = static_cast<unsigned>(
        std::min<std::size_t>(options.workers > 0 ? options.workers : defaultWorkers(), total));
    Places places(std::max(workers, 1U));

    const auto worker = [&] {
        PoolControl control(options.stopRequested, places);
        for (;;) {
            places.acquire();
            if (control.stopPoint()) {
                places.release();
                const std::lock_guard lock(finishing);
                run.stopped = true;
                return;
            }
            const std::size_t index = next.fetch_add(1);
            if (index >= total) {
                places.release();
                return;
            }
            const auto end = runOne(work, index, texts[index], control);
            places.release();
            const std::lock_guard lock(finishing);
            ++textsFinished;
            bytesFinished += texts[index].bytes;
            switch (end.kind) {
                case TextEnd::Kind::Done:
                    ++run.textsDone;
                    break;
                case TextEnd::Kind::Failed:
                    run.failures.push_back({index, texts[index].path, end.message});
                    break;
                case TextEnd::Kind::Stopped:
                    run.stopped = true;
                    break;
            }
            if (options.finished) {
                options.finished({index, end, textsFinished, total, bytesFinished, bytesTotal});
            }
        }
    };

#if defined(__GLIBC__)
    // As many malloc arenas as places: a thread that waits for the disk allocates
    // little, and an arena of its own would go on holding the memory of the
    // texts it worked on before.
    mallopt(M_ARENA_MAX, static_cast<int>(std::max(workers, 1U)));
#endif
    {
        // Twice the threads of the places, so that a text waiting for the disk
        // leaves its place to another.
        std::vector<std::jthread> threads;
        for (unsigned w = 1; w < 2 * workers; ++w) {
            threads.emplace_back(worker);
        }
        worker();  // the calling thread is a worker too
    }
    std::sort(run.failures.begin(), run.failures.end(),
              [](const TextFailure& a, const TextFailure& b) { return a.index < b.index; });
    return run;
}

}  // namespace undertext::corpus
