// Work shared among threads: every part done once, by a worker within the count asked for.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <new>
#include <thread>

#include "editor/render/SharedWork.h"

namespace zelt::test {
namespace {

TEST(SharedWork, EveryPartIsDoneOnceByAWorkerAskedFor) {
    for (int workers : {-1, 0, 1, 2, 3, 7}) {
        for (size_t parts : {0, 1, 2, 5, 40}) {
            std::unique_ptr<std::atomic<int>[]> done(new std::atomic<int>[parts + 1]);
            for (size_t k = 0; k <= parts; ++k) done[k] = 0;
            std::atomic<int> outside{0};
            ShareOut(parts, workers, [&](size_t part, int worker) {
                if (part >= parts || worker < 0 || worker >= std::max(workers, 1)) {
                    ++outside;
                    return;
                }
                ++done[part];
                // Long enough that every worker started gets parts.
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            });
            EXPECT_EQ(outside, 0) << workers << " workers, " << parts << " parts";
            for (size_t k = 0; k < parts; ++k) EXPECT_EQ(done[k], 1) << "part " << k << " of " << parts;
        }
    }
    EXPECT_GE(WorkersAvailable(), 1);
    EXPECT_LE(WorkersAvailable(), 4);
}

TEST(SharedWork, AFailingPartStopsTheWorkAndItsExceptionReachesTheCaller) {
    for (int workers : {1, 3}) {
        std::atomic<int> started{0};
        EXPECT_THROW(ShareOut(1000, workers,
                              [&](size_t part, int) {
                                  ++started;
                                  if (part == 5) throw std::bad_alloc();
                                  std::this_thread::sleep_for(std::chrono::milliseconds(1));
                              }),
                     std::bad_alloc);
        EXPECT_LT(started, 100) << workers << " workers went on after the failure";
    }
}

}  // namespace
}  // namespace zelt::test
