// Runs file writes one after another on a thread of their own, so that no lock wait holds the
// caller.
#include "AppWriteQueue.h"

#include <algorithm>

AppWriteQueue::AppWriteQueue(int lockWaitMs) : lockWaitMs_(lockWaitMs) {}

AppWriteQueue::~AppWriteQueue() {
    Finish();
}

int AppWriteQueue::LockWaitMs() const {
    if (!finishing_)
        return lockWaitMs_;
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(finishBy_ - Clock::now()).count();
    return int(std::clamp<long long>(left, 0, lockWaitMs_));
}

void AppWriteQueue::Post(Job job, std::string kind) {
    std::unique_lock<std::mutex> lock(mutex_);
    if (finishing_ && !running_) {
        const int wait = LockWaitMs();
        lock.unlock();
        job(wait);
        return;
    }
    if (!kind.empty())
        std::erase_if(jobs_, [&](const Waiting& waiting) { return waiting.kind == kind; });
    jobs_.push_back({std::move(job), std::move(kind)});
    // The thread starts with the first write, not with the program.
    if (!running_) {
        running_ = true;
        thread_ = std::thread(&AppWriteQueue::Run, this);
    }
    posted_.notify_one();
}

void AppWriteQueue::Run() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        posted_.wait(lock, [this] { return finishing_ || !jobs_.empty(); });
        if (jobs_.empty()) {
            running_ = false;
            return;
        }
        Job job = std::move(jobs_.front().job);
        jobs_.pop_front();
        const int wait = LockWaitMs();
        lock.unlock();
        job(wait);
        lock.lock();
    }
}

void AppWriteQueue::Withdraw(const std::string& kind) {
    const std::lock_guard<std::mutex> guard(mutex_);
    std::erase_if(jobs_, [&](const Waiting& waiting) { return waiting.kind == kind; });
}

void AppWriteQueue::Finish() {
    {
        const std::lock_guard<std::mutex> guard(mutex_);
        if (!finishing_) {
            finishing_ = true;
            finishBy_ = Clock::now() + std::chrono::milliseconds(lockWaitMs_);
        }
        posted_.notify_one();
    }
    if (thread_.joinable() && thread_.get_id() != std::this_thread::get_id())
        thread_.join();
}
