#pragma once
// The one way from a worker thread to the user-interface thread. Workers never touch a control:
// they post a closure, and the closures run on the UI thread in the order they were posted.
#include <functional>
#include <memory>

namespace tarvo {

class Dispatcher {
public:
    virtual ~Dispatcher() = default;
    // Thread-safe. Queues `task` to run on the UI thread.
    virtual void post(std::function<void()> task) = 0;
    // UI thread only. Waits `ms` milliseconds while posted tasks and window events keep running.
    virtual void wait(int ms) = 0;
};

// A token a window hands to its posted closures: once the window is gone, `alive()` is false
// and the closure writes nothing. Created, checked and revoked on the UI thread only.
class Liveness {
public:
    Liveness() : flag_(std::make_shared<bool>(true)) {}
    ~Liveness() { *flag_ = false; }
    Liveness(const Liveness&) = delete;
    Liveness& operator=(const Liveness&) = delete;

    std::weak_ptr<bool> token() const { return flag_; }
    static bool alive(const std::weak_ptr<bool>& token) {
        auto p = token.lock();
        return p && *p;
    }

private:
    std::shared_ptr<bool> flag_;
};

}  // namespace tarvo
