#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "app/dispatcher.h"
#include "app/queue_dispatcher.h"

using namespace tarvo;

TEST(QueueDispatcher, RunsPostedTasksInOrderOnThePumpingThread) {
    QueueDispatcher d;
    std::vector<int> order;
    auto ui = std::this_thread::get_id();
    std::thread worker([&] {
        for (int i = 0; i < 100; ++i)
            d.post([&, i] {
                EXPECT_EQ(std::this_thread::get_id(), ui);
                order.push_back(i);
            });
    });
    worker.join();
    EXPECT_EQ(d.pump(), 100);
    ASSERT_EQ(order.size(), 100u);
    for (int i = 0; i < 100; ++i) EXPECT_EQ(order[i], i);
}

TEST(QueueDispatcher, WaitKeepsProcessingAndPumpUntilStopsEarly) {
    QueueDispatcher d;
    std::atomic<bool> flag{false};
    std::thread worker([&] { d.post([&] { flag = true; }); });
    EXPECT_TRUE(d.pumpUntil([&] { return flag.load(); }, 5000));
    worker.join();
    int ran = 0;
    d.post([&] { ++ran; });
    d.wait(10);
    EXPECT_EQ(ran, 1);
    EXPECT_FALSE(d.pumpUntil([] { return false; }, 20));
}

TEST(Liveness, ClosurePostedForAGoneWindowWritesNothing) {
    QueueDispatcher d;
    std::string label = "old";
    {
        Liveness window;
        auto token = window.token();
        d.post([token, &label] {
            if (Liveness::alive(token)) label = "new";
        });
    }  // window destroyed before the UI thread runs the closure
    d.pump();
    EXPECT_EQ(label, "old");
}
