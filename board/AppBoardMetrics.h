// The board's counters, written out as Prometheus text for /metrics.
#pragma once

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <string>

class AppBoardMetrics {
public:
    // One upload answered with `status`.
    void Answered(int status);
    // One replay played, whatever it came to.
    void Replayed(std::chrono::nanoseconds took);
    // The metrics text, with the queue's depth and the open connections as they stand.
    std::string Text(std::size_t queueDepth, std::size_t connections) const;

private:
    static constexpr std::array<int, 9> statuses_ = {200, 201, 400, 409, 413, 422, 429, 503, 500};
    static constexpr std::array<double, 8> bucketsSeconds_ = {0.0005, 0.001, 0.002, 0.005,
                                                              0.01,   0.02,  0.05,  0.1};

    std::array<std::atomic<std::uint64_t>, statuses_.size()> uploads_ = {};
    std::array<std::atomic<std::uint64_t>, bucketsSeconds_.size()> replayBuckets_ = {};
    std::atomic<std::uint64_t> replays_ = 0;
    std::atomic<std::uint64_t> replayNanoseconds_ = 0;
};
