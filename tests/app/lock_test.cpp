#include <gtest/gtest.h>

#include <thread>

#include "support/critical_section_lock.h"

using tarvo::CriticalSectionLock;

TEST(CriticalSectionLock, CreatedOnRequestRecursiveAndSharedByCopies) {
    CriticalSectionLock a;
    EXPECT_FALSE(a.IsCreated());
    a.Enter();  // never created: nothing happens
    a.Leave();
    a.Create();
    EXPECT_TRUE(a.IsCreated());
    a.Enter();
    a.Enter();  // recursive
    CriticalSectionLock b = a;
    EXPECT_TRUE(b.IsCreated());
    bool got = true;
    std::thread t([&] {
        // The copy shares the section, so another thread cannot take it while `a` holds it.
        std::unique_lock<CriticalSectionLock> l(b, std::try_to_lock);
        got = l.owns_lock();
    });
    t.join();
    EXPECT_FALSE(got);
    a.Leave();
    a.Leave();
    { CriticalSectionLock c = a; }  // destroying a copy leaves the section
    EXPECT_TRUE(a.IsCreated());
    a.Enter();
    a.Leave();
    a.Delete();
    EXPECT_FALSE(a.IsCreated());
}
