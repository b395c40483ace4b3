// Uploads allowed per address: a bucket per address refilled over a minute, kept in memory only.
#pragma once

#include <chrono>
#include <mutex>
#include <string>
#include <unordered_map>

class AppRateLimit {
public:
    // `perMinute` uploads a minute from one address, as many at once; 0 allows any number.
    explicit AppRateLimit(int perMinute) : perMinute_(perMinute) {}

    // Takes one upload from the address's bucket; false when it is empty.
    bool Take(const std::string& address, std::chrono::steady_clock::time_point now);

private:
    struct Bucket {
        double tokens = 0;
        std::chrono::steady_clock::time_point filled;
    };
    // Beyond this many addresses, those whose bucket has filled again are forgotten.
    static constexpr std::size_t pruneAbove_ = 100'000;

    int perMinute_;
    std::mutex mutex_;
    std::unordered_map<std::string, Bucket> buckets_;
};
