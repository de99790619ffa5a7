// Times a piece of work beside its floor, a memset of as many 32-bit pixels
// as the work draws, in the same loop and alternating, so the ratio sees the
// same clock speed and caches.
//
// Columns: Time is the mean time of one run of the work; work_ns and floor_ns
// are the median times of one run and of one memset of the same size;
// floor_ratio is work_ns / floor_ns.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <vector>

namespace pw::bench {

inline double median(std::vector<double>& v) {
    if (v.empty()) return 0;
    const auto mid = v.begin() + static_cast<std::ptrdiff_t>(v.size() / 2);
    std::nth_element(v.begin(), mid, v.end());
    return *mid;
}

template <typename Work>
void measureBesideFloor(benchmark::State& state, std::size_t pixels, Work work) {
    using Clock = std::chrono::steady_clock;
    const std::size_t bytes = pixels * sizeof(std::uint32_t);
    std::vector<std::uint32_t> floorBuffer(pixels);
    int fillByte = 0x55;
    benchmark::DoNotOptimize(fillByte);

    // Small pieces of work are timed in batches so the clock reads stay negligible.
    const int batch = std::max<int>(1, static_cast<int>(200000 / std::max<std::size_t>(pixels, 1)));
    std::vector<double> workTimes;
    std::vector<double> floorTimes;

    for (auto _ : state) {
        const auto t0 = Clock::now();
        for (int i = 0; i < batch; ++i) {
            work();
            benchmark::ClobberMemory();
        }
        const auto t1 = Clock::now();
        for (int i = 0; i < batch; ++i) {
            benchmark::DoNotOptimize(floorBuffer.data());
            std::memset(floorBuffer.data(), fillByte, bytes);
            benchmark::ClobberMemory();
        }
        const auto t2 = Clock::now();
        const double w = std::chrono::duration<double>(t1 - t0).count() / batch;
        const double f = std::chrono::duration<double>(t2 - t1).count() / batch;
        workTimes.push_back(w);
        floorTimes.push_back(f);
        state.SetIterationTime(w);
    }

    // Medians, so that a batch interrupted by another process does not count.
    const double workMedian = median(workTimes);
    const double floorMedian = median(floorTimes);
    state.counters["work_ns"] = benchmark::Counter(workMedian * 1e9);
    state.counters["floor_ns"] = benchmark::Counter(floorMedian * 1e9);
    state.counters["floor_ratio"] = benchmark::Counter(floorMedian > 0 ? workMedian / floorMedian : 0);
}

}  // namespace pw::bench
