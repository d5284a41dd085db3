#include "platform/kit/CellReuseQueue.h"

#include <utility>

namespace kit {

void CellReuseQueue::registerFactory(const std::string& identifier, Factory factory) {
    factories_[identifier] = std::move(factory);
}

std::shared_ptr<ReusableCell> CellReuseQueue::dequeue(const std::string& identifier) {
    auto queued = queued_.find(identifier);
    if (queued != queued_.end() && !queued->second.empty()) {
        auto cell = std::move(queued->second.back());
        queued->second.pop_back();
        cell->prepareForReuse();
        return cell;
    }
    auto factory = factories_.find(identifier);
    if (factory == factories_.end() || !factory->second) {
        return nullptr;
    }
    auto cell = factory->second();
    if (cell) {
        cell->reuseIdentifier_ = identifier;
    }
    return cell;
}

void CellReuseQueue::enqueue(std::shared_ptr<ReusableCell> cell) {
    if (cell && !cell->reuseIdentifier().empty()) {
        queued_[cell->reuseIdentifier()].push_back(std::move(cell));
    }
}

}  // namespace kit
