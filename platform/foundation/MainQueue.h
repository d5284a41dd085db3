#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <utility>

namespace foundation {

// The one queue everything runs on, with its own clock. Work never runs while it is
// being scheduled; it runs when the owner of the clock lets time pass: the desktop host
// advances the clock in real time, tests advance it explicitly, so "0.2 s later" is
// exact and no test sleeps. Work due at the same moment runs in the order it was added.
class MainQueue final {
  public:
    using Work = std::function<void()>;

    static MainQueue& main();

    // Runs `work` on the next turn of the queue, after the work already due now.
    void async(Work work);
    // Runs `work` once the clock has reached now + `seconds`.
    void after(double seconds, Work work);

    // Seconds since the clock started.
    double now() const { return static_cast<double>(now_) / 1e9; }
    std::optional<double> nextDueTime() const;
    bool hasDueWork() const;

    // Runs everything due at the current time, including work that such work adds for now.
    void runDue();
    // Moves the clock forward, running each piece of work at the moment it falls due.
    void advance(double seconds);

    // Drops all pending work and restarts the clock at zero; for tests and a new host run.
    void reset();

  private:
    MainQueue() = default;
    bool runNextDueBy(std::int64_t time);

    // Nanoseconds, as the phone's dispatch times are, so that steps of 0.3 s and 0.2 s add
    // up to exactly 0.5 s.
    using Key = std::pair<std::int64_t, std::uint64_t>;
    std::map<Key, Work> pending_;
    std::uint64_t sequence_ = 0;
    std::int64_t now_ = 0;
};

}  // namespace foundation
