#include "platform/foundation/NotificationCenter.h"

#include <gtest/gtest.h>

#include <memory>

using foundation::Notification;
using foundation::NotificationCenter;

namespace {

TEST(NotificationCenterTest, OnlyLiveObserversOfTheNameAreCalled) {
    NotificationCenter center;
    auto kept = std::make_shared<int>(0);
    auto released = std::make_shared<int>(0);
    int keptCalls = 0;
    int releasedCalls = 0;
    const void* sender = nullptr;
    center.addObserver(kept, "RefreshSetupDataNotification", [&](const Notification& note) {
        ++keptCalls;
        sender = note.object;
    });
    center.addObserver(released, "RefreshSetupDataNotification",
                       [&](const Notification&) { ++releasedCalls; });
    center.addObserver(kept, "Other", [&](const Notification&) { ++keptCalls; });
    released.reset();

    int me = 0;
    center.post("RefreshSetupDataNotification", &me);
    EXPECT_EQ(keptCalls, 1);
    EXPECT_EQ(releasedCalls, 0);
    EXPECT_EQ(sender, &me);

    center.removeObserver(kept.get());
    center.post("RefreshSetupDataNotification");
    EXPECT_EQ(keptCalls, 1);
}

}  // namespace
