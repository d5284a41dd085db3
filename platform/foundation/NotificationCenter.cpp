#include "platform/foundation/NotificationCenter.h"

#include <algorithm>
#include <utility>

namespace foundation {

NotificationCenter& NotificationCenter::defaultCenter() {
    static NotificationCenter center;
    return center;
}

void NotificationCenter::addObserver(std::weak_ptr<const void> observer, std::string name,
                                     Handler handler) {
    entries_.push_back({std::move(observer), std::move(name), std::move(handler)});
}

void NotificationCenter::removeObserver(const void* observer) {
    std::erase_if(entries_, [observer](const Entry& entry) {
        auto strong = entry.observer.lock();
        return !strong || strong.get() == observer;
    });
}

void NotificationCenter::post(std::string name, const void* object) {
    std::erase_if(entries_, [](const Entry& entry) { return entry.observer.expired(); });
    Notification notification{std::move(name), object};
    // Handlers may add or remove observers, so they run from a copy of the list.
    auto entries = entries_;
    for (const auto& entry : entries) {
        auto observer = entry.observer.lock();
        if (observer && entry.name == notification.name) {
            entry.handler(notification);
        }
    }
}

void NotificationCenter::removeAllObservers() {
    entries_.clear();
}

}  // namespace foundation
