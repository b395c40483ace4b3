// A pool of threads that replay uploads, behind a queue of bounded length.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

class AppBoardWorkers {
public:
    AppBoardWorkers(std::size_t threads, std::size_t queueLimit);
    // Lets the running jobs end, drops the waiting ones and joins the threads.
    ~AppBoardWorkers();
    AppBoardWorkers(const AppBoardWorkers&) = delete;
    AppBoardWorkers& operator=(const AppBoardWorkers&) = delete;

    // Queues the job; false, and the job dropped, when the queue is full.
    bool TryPost(std::function<void()> job);
    std::size_t Depth();

private:
    static constexpr int niceness = 5;

    void Run();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::function<void()>> queue_;
    std::size_t queueLimit_;
    bool stopping_ = false;
    std::vector<std::thread> threads_;
};
