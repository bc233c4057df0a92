// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <future>
#include <mutex>
#include <thread>

namespace quillora {

// Runs calls one after the other on a thread of its own, while the caller
// keeps its own thread alive: a slow answer from the spreadsheet application
// never freezes the window.
class CallThread
{
public:
    CallThread();
    ~CallThread();
    CallThread(const CallThread &) = delete;
    CallThread &operator=(const CallThread &) = delete;

    // Queues f for the call thread; the future gives its result or what it threw.
    template <class F>
    auto start(F &&f) -> std::future<std::invoke_result_t<F>>
    {
        // Shared, so the task outlives the job even while the job unwinds.
        auto task = std::make_shared<std::packaged_task<std::invoke_result_t<F>()>>(std::forward<F>(f));
        auto result = task->get_future();
        post([task] { (*task)(); });
        return result;
    }

private:
    void post(std::function<void()> job);
    void work();

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<std::function<void()>> m_jobs;
    bool m_stopping = false;
    std::thread m_thread;
};

} // namespace quillora
