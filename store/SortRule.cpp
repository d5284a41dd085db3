#include "store/SortRule.h"

#include <algorithm>
#include <numeric>

#include "store/SortKeyParser.h"
#include "store/StoreConstants.h"
#include "store/UTF16Order.h"

namespace kelvora {

namespace {

std::vector<std::size_t> listOrder(std::size_t count) {
    std::vector<std::size_t> indexes(count);
    std::iota(indexes.begin(), indexes.end(), std::size_t{0});
    return indexes;
}

}  // namespace

std::optional<SortRule::Order> SortRule::dateOrder(std::string_view sortType) {
    if (sortType == kSortDateNewest) {
        return Order::newestFirst;
    }
    if (sortType == kSortDateOldest) {
        return Order::oldestFirst;
    }
    return std::nullopt;
}

std::optional<SortRule> SortRule::forSetups(std::string_view sortType) {
    if (sortType == kSortSetupAToZ) {
        return SortRule(Order::nameAscending, Ties::keepListOrder);
    }
    if (sortType == kSortSetupZToA) {
        return SortRule(Order::nameDescending, Ties::keepListOrder);
    }
    auto order = dateOrder(sortType);
    return order ? std::optional(SortRule(*order, Ties::keepListOrder)) : std::nullopt;
}

std::optional<SortRule> SortRule::forFiles(std::string_view sortType) {
    if (sortType == kSortFileAToZ) {
        return SortRule(Order::nameAscending, Ties::byName);
    }
    if (sortType == kSortFileZToA) {
        return SortRule(Order::nameDescending, Ties::byName);
    }
    auto order = dateOrder(sortType);
    return order ? std::optional(SortRule(*order, Ties::byName)) : std::nullopt;
}

std::vector<std::size_t> SortRule::order(const std::vector<Keys>& keys) const {
    return order_ == Order::nameAscending || order_ == Order::nameDescending ? orderByName(keys)
                                                                             : orderByDate(keys);
}

std::vector<std::size_t> SortRule::orderByName(const std::vector<Keys>& keys) const {
    std::vector<std::size_t> indexes = listOrder(keys.size());
    const bool ascending = order_ == Order::nameAscending;
    std::stable_sort(indexes.begin(), indexes.end(), [&](std::size_t a, std::size_t b) {
        int order = UTF16Order::compare(keys[a].name, keys[b].name);
        return ascending ? order < 0 : order > 0;
    });
    return indexes;
}

std::vector<std::size_t> SortRule::orderByDate(const std::vector<Keys>& keys) const {
    SortKeyParser parser;
    std::vector<std::optional<SortKeyParser::TimePoint>> dates;
    dates.reserve(keys.size());
    for (const Keys& record : keys) {
        dates.push_back(parser.parse(record.creationDate));
    }
    std::vector<std::size_t> indexes = listOrder(keys.size());
    const bool newestFirst = order_ == Order::newestFirst;
    std::stable_sort(indexes.begin(), indexes.end(), [&](std::size_t a, std::size_t b) {
        const auto& first = dates[a];
        const auto& second = dates[b];
        if (first.has_value() != second.has_value()) {
            return first.has_value();
        }
        if (first != second) {
            return newestFirst ? *first > *second : *first < *second;
        }
        return ties_ == Ties::byName && UTF16Order::compare(keys[a].name, keys[b].name) < 0;
    });
    return indexes;
}

}  // namespace kelvora
