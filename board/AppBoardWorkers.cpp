// A pool of threads that replay uploads, behind a queue of bounded length.
#include "AppBoardWorkers.h"

#include <sys/resource.h>

AppBoardWorkers::AppBoardWorkers(std::size_t threads, std::size_t queueLimit)
    : queueLimit_(queueLimit) {
    for (std::size_t i = 0; i < threads; ++i)
        threads_.emplace_back([this] { Run(); });
}

AppBoardWorkers::~AppBoardWorkers() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
        queue_.clear();
    }
    wake_.notify_all();
    for (std::thread& thread : threads_)
        thread.join();
}

bool AppBoardWorkers::TryPost(std::function<void()> job) {
    {
        const std::lock_guard lock(mutex_);
        if (queue_.size() >= queueLimit_)
            return false;
        queue_.push_back(std::move(job));
    }
    wake_.notify_one();
    return true;
}

std::size_t AppBoardWorkers::Depth() {
    const std::lock_guard lock(mutex_);
    return queue_.size();
}

void AppBoardWorkers::Run() {
    // A replay takes milliseconds and its upload may wait; the I/O threads, which answer the
    // readers, go first. This thread's alone: the call acts on the calling thread.
    setpriority(PRIO_PROCESS, 0, niceness);
    for (;;) {
        std::function<void()> job;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
            if (stopping_)
                return;
            job = std::move(queue_.front());
            queue_.pop_front();
        }
        job();
    }
}
