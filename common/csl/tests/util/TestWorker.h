#pragma once
#include <windows.h>
#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <mutex>
#include <thread>

// One thread that runs the calls given to it in order, so that the holds it takes belong
// to one thread for the whole test.
class TestWorker {
public:
    TestWorker() : m_Thread([this] { Serve(); }) {}
    ~TestWorker()
    {
        Post([this] { m_Stop = true; });
        m_Thread.join();
    }

    template <class F>
    auto Post(F iCall) -> std::future<decltype(iCall())>
    {
        auto task = std::make_shared<std::packaged_task<decltype(iCall())()>>(iCall);
        {
            std::lock_guard<std::mutex> guard(m_Mutex);
            m_Calls.push_back([task] { (*task)(); });
        }
        m_Ready.notify_one();
        return task->get_future();
    }

    template <class F>
    auto Run(F iCall) -> decltype(iCall())
    {
        return Post(iCall).get();
    }

private:
    void Serve()
    {
        while (!m_Stop) {
            std::function<void()> call;
            {
                std::unique_lock<std::mutex> guard(m_Mutex);
                m_Ready.wait(guard, [this] { return !m_Calls.empty(); });
                call = m_Calls.front();
                m_Calls.pop_front();
            }
            call();
        }
    }

    bool m_Stop = false;
    std::mutex m_Mutex;
    std::condition_variable m_Ready;
    std::deque<std::function<void()>> m_Calls;
    std::thread m_Thread;
};
