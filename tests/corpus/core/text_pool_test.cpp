#include "corpus/core/text_pool.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <new>
#include <stdexcept>
#include <thread>

#include "common/core/files/file_io.h"

namespace undertext::corpus {
namespace {

using namespace std::chrono_literals;

// Texts t0.txt, t1.txt, ... of 10, 11, ... bytes.
std::vector<CorpusText> texts(std::size_t count) {
    std::vector<CorpusText> made;
    for (std::size_t i = 0; i < count; ++i) {
        made.push_back({"t" + std::to_string(i) + ".txt", 10 + i});
    }
    return made;
}

TEST(TextPool, ResultsByIndexWithProgressFromOneThreadAtATime) {
    const auto corpus = texts(12);
    std::vector<std::size_t> results(corpus.size());
    std::atomic<int> reporting{0};
    bool overlapped = false;
    std::vector<std::size_t> textsDone;
    std::uint64_t lastBytes = 0;
    PoolOptions options;
    options.workers = 3;
    options.finished = [&](const TextFinished& finished) {
        overlapped |= reporting.fetch_add(1) != 0;
        std::this_thread::sleep_for(1ms);
        textsDone.push_back(finished.textsDone);
        EXPECT_EQ(finished.textsTotal, corpus.size());
        EXPECT_EQ(finished.bytesTotal, 12U * 10 + 66);
        EXPECT_GT(finished.bytesDone, lastBytes);
        lastBytes = finished.bytesDone;
        reporting.fetch_sub(1);
    };
    const auto run = runTextPool(
        corpus,
        [&](std::size_t index, JobControl&) {
            std::this_thread::sleep_for(std::chrono::milliseconds((index * 7) % 5));
            results[index] = index * index;
            return TextEnd::done();
        },
        options);
    EXPECT_FALSE(run.stopped);
    EXPECT_EQ(run.textsDone, corpus.size());
    EXPECT_TRUE(run.failures.empty());
    for (std::size_t i = 0; i < results.size(); ++i) {
        EXPECT_EQ(results[i], i * i);
    }
    EXPECT_FALSE(overlapped);
    EXPECT_EQ(textsDone, (std::vector<std::size_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    EXPECT_EQ(lastBytes, 12U * 10 + 66);
}

// The first two texts wait for each other, so a pool that ran one text at a time
// would time out; no more than two ever run at once.
TEST(TextPool, AtMostTheWorkersTextsInFlight) {
    std::mutex mutex;
    std::condition_variable changed;
    int inFlight = 0;
    int most = 0;
    bool bothFirstMet = false;
    PoolOptions options;
    options.workers = 2;
    const auto run = runTextPool(
        texts(8),
        [&](std::size_t index, JobControl&) {
            std::unique_lock lock(mutex);
            most = std::max(most, ++inFlight);
            changed.notify_all();
            if (index < 2) {
                bothFirstMet |= changed.wait_for(lock, 10s, [&] { return inFlight == 2; });
            }
            lock.unlock();
            std::this_thread::sleep_for(2ms);
            lock.lock();
            --inFlight;
            return TextEnd::done();
        },
        options);
    EXPECT_EQ(run.textsDone, 8U);
    EXPECT_TRUE(bothFirstMet);
    EXPECT_EQ(most, 2);
}

// With one place, the first text waits for the disk until the second has run; a
// pool that kept the place meanwhile would time out. Outside their waits, no two
// texts ever run at once, also after a wait that ended in an exception.
TEST(TextPool, ATextWaitingForTheDiskLendsItsPlace) {
    std::mutex mutex;
    std::condition_variable changed;
    int working = 0;
    int most = 0;
    bool secondRan = false;
    bool secondMet = false;
    const auto enter = [&](int step) {
        const std::lock_guard lock(mutex);
        working += step;
        most = std::max(most, working);
    };
    PoolOptions options;
    options.workers = 1;
    const auto run = runTextPool(
        texts(8),
        [&](std::size_t index, JobControl& control) {
            enter(1);
            if (index == 0) {
                enter(-1);
                control.waitForDisk([&] {
                    std::unique_lock lock(mutex);
                    secondMet = changed.wait_for(lock, 10s, [&] { return secondRan; });
                });
                enter(1);
            } else if (index == 1) {
                const std::lock_guard lock(mutex);
                secondRan = true;
                changed.notify_all();
            } else if (index == 2) {
                enter(-1);
                control.waitForDisk([] { throw std::runtime_error("disk"); });
            }
            std::this_thread::sleep_for(2ms);
            enter(-1);
            return TextEnd::done();
        },
        options);
    EXPECT_EQ(run.textsDone, 7U);
    EXPECT_EQ(run.failures.size(), 1U);
    EXPECT_TRUE(secondMet);
    EXPECT_EQ(most, 1);
}

TEST(TextPool, AFailingTextIsNamedAndTheOthersGoOn) {
    const auto corpus = texts(6);
    PoolOptions options;
    options.workers = 2;
    const auto run = runTextPool(
        corpus,
        [&](std::size_t index, JobControl&) {
            if (index == 4) {
                throw std::runtime_error("thrown");
            }
            if (index == 1) {
                throw std::bad_alloc();
            }
            return index == 3 ? TextEnd::failed("refused") : TextEnd::done();
        },
        options);
    EXPECT_EQ(run.textsDone, 3U);
    EXPECT_FALSE(run.stopped);
    ASSERT_EQ(run.failures.size(), 3U);
    EXPECT_EQ(run.failures[0], (TextFailure{1, "t1.txt", outOfMemoryMessage("t1.txt")}));
    EXPECT_EQ(run.failures[1], (TextFailure{3, "t3.txt", "refused"}));
    EXPECT_EQ(run.failures[2], (TextFailure{4, "t4.txt", "thrown"}));
}

// A stop asked for during the third text: its job sees it at its next stop point,
// and no later text starts.
TEST(TextPool, AStopEndsTheTextInFlightAndStartsNoOther) {
    std::atomic<bool> stop{false};
    std::vector<std::size_t> finished;
    PoolOptions options;
    options.workers = 1;
    options.stopRequested = [&] { return stop.load(); };
    options.finished = [&](const TextFinished& text) { finished.push_back(text.index); };
    const auto run = runTextPool(
        texts(6),
        [&](std::size_t index, JobControl& control) {
            if (index == 2) {
                stop = true;
            }
            return control.stopPoint() ? TextEnd::stopped() : TextEnd::done();
        },
        options);
    EXPECT_TRUE(run.stopped);
    EXPECT_EQ(run.textsDone, 2U);
    EXPECT_EQ(finished, (std::vector<std::size_t>{0, 1, 2}));
}

TEST(TextPool, NoTextsAndDefaultWorkers) {
    EXPECT_GE(defaultWorkers(), 1U);
    const auto run = runTextPool({}, [](std::size_t, JobControl&) { return TextEnd::done(); });
    EXPECT_EQ(run.textsDone, 0U);
    EXPECT_FALSE(run.stopped);
}

}  // namespace
}  // namespace undertext::corpus
