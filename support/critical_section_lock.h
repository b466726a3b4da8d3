#pragma once
// A lock object that owns one recursive section, created on request. A copy shares the section;
// destroying an object leaves the section alone (only Delete frees it), so copies held elsewhere
// stay valid. Enter and Leave on a lock that was never created do nothing.
#include <mutex>

namespace tarvo {

class CriticalSectionLock {
public:
    CriticalSectionLock() = default;
    CriticalSectionLock(const CriticalSectionLock&) = default;
    CriticalSectionLock& operator=(const CriticalSectionLock&) = default;
    ~CriticalSectionLock() = default;

    bool IsCreated() const { return section_ != nullptr; }
    void Create() {
        Delete();
        section_ = new std::recursive_mutex;
    }
    void Delete() {
        delete section_;
        section_ = nullptr;
    }
    void Enter() const {
        if (section_) section_->lock();
    }
    void Leave() const {
        if (section_) section_->unlock();
    }

    // Standard Lockable names, so std::lock_guard / std::unique_lock work on it.
    void lock() const { Enter(); }
    void unlock() const { Leave(); }
    bool try_lock() const { return section_ ? section_->try_lock() : true; }

private:
    std::recursive_mutex* section_ = nullptr;
};

}  // namespace tarvo
