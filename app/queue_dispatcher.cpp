#include "app/queue_dispatcher.h"

#include <chrono>

namespace tarvo {

void QueueDispatcher::post(std::function<void()> task) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        queue_.push_back(std::move(task));
    }
    cv_.notify_all();
}

bool QueueDispatcher::runOne(std::unique_lock<std::mutex>& lock) {
    if (queue_.empty()) return false;
    auto task = std::move(queue_.front());
    queue_.pop_front();
    lock.unlock();
    if (task) task();
    lock.lock();
    return true;
}

int QueueDispatcher::pump() {
    std::unique_lock<std::mutex> lock(mutex_);
    int n = 0;
    while (runOne(lock)) ++n;
    return n;
}

bool QueueDispatcher::pumpUntil(const std::function<bool()>& done, int timeoutMs) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        while (runOne(lock)) {
        }
        lock.unlock();
        bool ok = done();
        lock.lock();
        if (ok) return true;
        if (cv_.wait_until(lock, deadline, [this] { return !queue_.empty(); })) continue;
        lock.unlock();
        ok = done();
        lock.lock();
        return ok;
    }
}

void QueueDispatcher::wait(int ms) {
    pumpUntil([] { return false; }, ms < 0 ? 0 : ms);
}

size_t QueueDispatcher::pending() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return queue_.size();
}

}  // namespace tarvo
