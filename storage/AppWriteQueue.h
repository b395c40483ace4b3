// Runs file writes one after another on a thread of their own, so that no lock wait holds the
// caller.
#pragma once

#include "AppSharedFile.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

// Jobs run in the order posted. Each is told how long its lock wait may last:
// lockWaitMs while the queue runs; once Finish has been called, what is left
// of lockWaitMs from that call, so that finishing never takes much longer than
// one lock wait. A job then leaves its change beside the file rather than
// losing it (see AppSharedFile). The owner finishes its queues at the program's end.
class AppWriteQueue {
public:
    using Job = std::function<void(int lockWaitMs)>;

    explicit AppWriteQueue(int lockWaitMs = AppSharedFile::defaultLockWaitMs);
    AppWriteQueue(const AppWriteQueue&) = delete;
    AppWriteQueue& operator=(const AppWriteQueue&) = delete;
    virtual ~AppWriteQueue();

    // Queues `job`; after Finish, runs it at once on the caller's thread. A job of a `kind`
    // (not empty) takes the place of a waiting one of that kind: each writes a whole file
    // anew, so only the newest of them is worth the time a slow disk takes. It goes after
    // the jobs posted since, as it was posted after them.
    void Post(Job job, std::string kind = {});

    // Drops the waiting jobs of `kind`: what they would write is written otherwise.
    void Withdraw(const std::string& kind);

    // Runs every job posted and waits for them. Called once, on the thread
    // that owns the queue.
    void Finish();

private:
    using Clock = std::chrono::steady_clock;

    void Run();
    int LockWaitMs() const;

    const int lockWaitMs_;
    mutable std::mutex mutex_;
    std::condition_variable posted_;
    struct Waiting {
        Job job;
        std::string kind;
    };
    std::deque<Waiting> jobs_;
    bool finishing_ = false;
    bool running_ = false;
    Clock::time_point finishBy_;
    std::thread thread_;
};
