#pragma once
// A dispatcher whose queue the owner pumps by hand: the UI thread of tests and of the core's
// own tools. `wait` pumps while it waits, like the UI thread's message processing.
#include <condition_variable>
#include <deque>
#include <mutex>

#include "app/dispatcher.h"

namespace tarvo {

class QueueDispatcher final : public Dispatcher {
public:
    void post(std::function<void()> task) override;
    void wait(int ms) override;

    // Runs every task queued so far (and those they queue). Returns how many ran.
    int pump();
    // Runs tasks until `done()` holds or `timeoutMs` passes; true when `done()` held.
    bool pumpUntil(const std::function<bool()>& done, int timeoutMs);
    size_t pending() const;

private:
    bool runOne(std::unique_lock<std::mutex>& lock);

    mutable std::mutex mutex_;
    std::condition_variable cv_;
    std::deque<std::function<void()>> queue_;
};

}  // namespace tarvo
