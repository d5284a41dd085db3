#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace kelvora {

// The one rule every stored list is ordered by: the Setups grid by its "setupSortType", the
// file lists by their own sort keys.
//   by name, A-Z or Z-A      UTF-16 code unit by code unit (case-sensitive, not locale-aware:
//                            digits, then upper case, then lower case), as the phone compares
//   "Date Newest" / "Oldest" by the instant the "creationDate" key parses back to
// A key that does not parse goes after every key that does, in both date orders. Each key is
// parsed once per sort, never inside the comparison: a parse costs tens of microseconds.
// Setups with equal keys keep their list order; files with equal keys (the 12-hour key gives
// 01:05 and 13:05 of one day the same key) go by name, A to Z, so a file list never depends
// on the folder's listing order.
class SortRule final {
  public:
    // What one record is sorted by.
    struct Keys {
        std::string_view name;
        std::string_view creationDate;
    };

    // The rule a stored sort value names, or nothing for a value no list knows (the list
    // keeps its order).
    static std::optional<SortRule> forSetups(std::string_view sortType);
    static std::optional<SortRule> forFiles(std::string_view sortType);

    // The records' indexes in this order.
    std::vector<std::size_t> order(const std::vector<Keys>& keys) const;

  private:
    enum class Order { nameAscending, nameDescending, newestFirst, oldestFirst };
    enum class Ties { keepListOrder, byName };

    SortRule(Order order, Ties ties) : order_(order), ties_(ties) {}
    static std::optional<Order> dateOrder(std::string_view sortType);
    std::vector<std::size_t> orderByName(const std::vector<Keys>& keys) const;
    std::vector<std::size_t> orderByDate(const std::vector<Keys>& keys) const;

    Order order_;
    Ties ties_;
};

// Moves `items` into the order `indexes` gives.
template <class Item>
void applyOrder(std::vector<Item>& items, const std::vector<std::size_t>& indexes) {
    std::vector<Item> ordered;
    ordered.reserve(items.size());
    for (std::size_t index : indexes) {
        ordered.push_back(std::move(items[index]));
    }
    items = std::move(ordered);
}

}  // namespace kelvora
