#include "platform/foundation/MainQueue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using foundation::MainQueue;

namespace {

class MainQueueTest : public testing::Test {
  protected:
    void SetUp() override { queue.reset(); }
    void TearDown() override { queue.reset(); }
    MainQueue& queue = MainQueue::main();
    std::vector<std::string> ran;
};

TEST_F(MainQueueTest, DelayedWorkRunsExactlyWhenItsTimeHasComeSeenFromItsOwnMoment) {
    queue.after(0.2, [&] { ran.push_back("b"); });
    queue.after(0.1, [&] { ran.push_back("a"); });
    // Start-up chains a 0.3 s step into a 0.2 s step; the second must fall at 0.5 s.
    queue.after(0.3, [&] {
        queue.after(0.2, [&] { ran.push_back("at " + std::to_string(queue.now())); });
    });
    queue.advance(0.1999);
    EXPECT_EQ(ran, std::vector<std::string>{"a"});
    queue.advance(0.0001);
    EXPECT_EQ(ran, (std::vector<std::string>{"a", "b"}));
    queue.advance(0.29);
    EXPECT_EQ(ran.size(), 2u);
    queue.advance(0.02);
    EXPECT_EQ(ran.back(), "at 0.500000") << "the clock reads the work's own moment";
}

TEST_F(MainQueueTest, AsyncWorkWaitsForTheNextTurnAndKeepsOrder) {
    queue.async([&] {
        ran.push_back("first");
        queue.async([&] { ran.push_back("third"); });
    });
    queue.async([&] { ran.push_back("second"); });
    EXPECT_TRUE(ran.empty());
    queue.runDue();
    EXPECT_EQ(ran, (std::vector<std::string>{"first", "second", "third"}));
    EXPECT_FALSE(queue.nextDueTime().has_value());
}

}  // namespace
