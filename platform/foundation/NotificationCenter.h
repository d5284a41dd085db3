#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace foundation {

struct Notification {
    std::string name;
    const void* object = nullptr;  // the sender, compared by identity only
};

// Named broadcasts between screens. Observers are held weakly: one that has been released
// is never called and is forgotten, so screens need not unregister on the way out.
class NotificationCenter final {
  public:
    using Handler = std::function<void(const Notification&)>;

    static NotificationCenter& defaultCenter();

    void addObserver(std::weak_ptr<const void> observer, std::string name, Handler handler);
    void removeObserver(const void* observer);
    // Calls, in the order they were added, the live observers of `name`.
    void post(std::string name, const void* object = nullptr);

    void removeAllObservers();

  private:
    struct Entry {
        std::weak_ptr<const void> observer;
        std::string name;
        Handler handler;
    };
    std::vector<Entry> entries_;
};

}  // namespace foundation
