#include "platform/foundation/MainQueue.h"

#include <cmath>

namespace foundation {

namespace {

std::int64_t nanoseconds(double seconds) {
    return seconds > 0 ? std::llround(seconds * 1e9) : 0;
}

}  // namespace

MainQueue& MainQueue::main() {
    static MainQueue queue;
    return queue;
}

void MainQueue::async(Work work) {
    after(0, std::move(work));
}

void MainQueue::after(double seconds, Work work) {
    pending_.emplace(Key{now_ + nanoseconds(seconds), sequence_++}, std::move(work));
}

std::optional<double> MainQueue::nextDueTime() const {
    if (pending_.empty()) {
        return std::nullopt;
    }
    return static_cast<double>(pending_.begin()->first.first) / 1e9;
}

bool MainQueue::hasDueWork() const {
    return !pending_.empty() && pending_.begin()->first.first <= now_;
}

bool MainQueue::runNextDueBy(std::int64_t time) {
    if (pending_.empty() || pending_.begin()->first.first > time) {
        return false;
    }
    auto node = pending_.extract(pending_.begin());
    if (node.key().first > now_) {
        now_ = node.key().first;
    }
    // The work may schedule more work, so it runs only after it has left the queue.
    node.mapped()();
    return true;
}

void MainQueue::runDue() {
    while (runNextDueBy(now_)) {
    }
}

void MainQueue::advance(double seconds) {
    std::int64_t target = now_ + nanoseconds(seconds);
    while (runNextDueBy(target)) {
    }
    now_ = target;
}

void MainQueue::reset() {
    pending_.clear();
    sequence_ = 0;
    now_ = 0;
}

}  // namespace foundation
