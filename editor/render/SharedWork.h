// Work shared among threads, for the passes over a large picture whose parts (bands of rows) touch
// no common pixel.
#pragma once
#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace zelt {

// From this many pixels on, a pass is shared; below, starting a thread costs more than it saves.
inline constexpr int64_t kWorkersFrom = int64_t{1} << 20;

// As many workers as the processor runs at once, up to four: past that the memory, not the
// processor, sets the pace.
int WorkersAvailable();

// Calls work(part, worker) once for every part in [0, parts), on at most `workers` threads, the
// calling one being worker 0 and the others 1 and up. Each takes the next part when done with its
// last, so parts of uneven cost even out. Parts may share only what they read. The first exception
// thrown by work stops the handing out of parts and is thrown again here once every worker has
// stopped. A thread that cannot be started leaves its parts to the others.
template <class Work>
void ShareOut(size_t parts, int workers, const Work& work) {
    std::atomic<size_t> next{0};
    std::mutex failing;
    std::exception_ptr failure;
    const auto run = [&](int worker) {
        for (size_t part = next++; part < parts; part = next++) {
            try {
                work(part, worker);
            } catch (...) {
                const std::lock_guard<std::mutex> lock(failing);
                if (!failure) failure = std::current_exception();
                next = parts;
            }
        }
    };
    const size_t helpers =
        std::min<size_t>(static_cast<size_t>(std::max(workers, 1)), std::max<size_t>(parts, 1)) - 1;
    std::vector<std::thread> threads;
    try {
        threads.reserve(helpers);
        for (size_t k = 1; k <= helpers; ++k) threads.emplace_back(run, static_cast<int>(k));
    } catch (...) {
        // No more threads: the ones started share every part.
    }
    run(0);
    for (std::thread& thread : threads) thread.join();
    if (failure) std::rethrow_exception(failure);
}

}  // namespace zelt
