#include "platform/kit/TableGeometry.h"

#include <algorithm>
#include <cmath>

namespace kit {

namespace {

double sane(double height) {
    return std::isfinite(height) && height > 0 ? height : 0;
}

}  // namespace

void TableGeometry::reset(double top) {
    sections_.clear();
    bottom_ = sane(top);
}

void TableGeometry::addSection(double headerHeight, const std::vector<double>& rowHeights) {
    Section section;
    section.top = bottom_;
    section.headerHeight = sane(headerHeight);
    section.rowTops.reserve(rowHeights.size() + 1);
    double y = section.top + section.headerHeight;
    section.rowTops.push_back(y);
    for (double height : rowHeights) {
        y += sane(height);
        section.rowTops.push_back(y);
    }
    bottom_ = y;
    sections_.push_back(std::move(section));
}

const TableGeometry::Section* TableGeometry::find(std::int64_t section) const {
    if (section < 0 || section >= numberOfSections()) {
        return nullptr;
    }
    return &sections_[static_cast<std::size_t>(section)];
}

std::int64_t TableGeometry::numberOfRows(std::int64_t section) const {
    const Section* found = find(section);
    return found ? static_cast<std::int64_t>(found->rowTops.size()) - 1 : 0;
}

std::optional<TableGeometry::Span> TableGeometry::row(IndexPath indexPath) const {
    const Section* found = find(indexPath.section);
    if (!found || indexPath.row < 0 || indexPath.row >= numberOfRows(indexPath.section)) {
        return std::nullopt;
    }
    auto index = static_cast<std::size_t>(indexPath.row);
    return Span{found->rowTops[index], found->rowTops[index + 1] - found->rowTops[index]};
}

std::optional<TableGeometry::Span> TableGeometry::header(std::int64_t section) const {
    const Section* found = find(section);
    if (!found) {
        return std::nullopt;
    }
    return Span{found->top, found->headerHeight};
}

std::optional<TableGeometry::Span> TableGeometry::section(std::int64_t section) const {
    const Section* found = find(section);
    if (!found) {
        return std::nullopt;
    }
    return Span{found->top, found->rowTops.back() - found->top};
}

std::vector<IndexPath> TableGeometry::rowsBetween(double top, double bottom) const {
    std::vector<IndexPath> rows;
    for (std::size_t s = 0; s < sections_.size(); ++s) {
        const auto& tops = sections_[s].rowTops;
        if (tops.back() <= top || tops.front() >= bottom) {
            continue;
        }
        // The first row that ends below `top`, then on while rows start above `bottom`.
        auto first = std::upper_bound(tops.begin() + 1, tops.end(), top) - 1;
        for (auto it = first; it + 1 != tops.end() && *it < bottom; ++it) {
            if (*(it + 1) > *it) {
                rows.push_back({static_cast<std::int64_t>(s), it - tops.begin()});
            }
        }
    }
    return rows;
}

std::vector<std::int64_t> TableGeometry::headersBetween(double top, double bottom) const {
    std::vector<std::int64_t> headers;
    for (std::size_t s = 0; s < sections_.size(); ++s) {
        const Section& section = sections_[s];
        if (section.headerHeight > 0 && section.top < bottom &&
            section.top + section.headerHeight > top) {
            headers.push_back(static_cast<std::int64_t>(s));
        }
    }
    return headers;
}

std::optional<IndexPath> TableGeometry::rowAt(double y) const {
    auto rows = rowsBetween(y, std::nextafter(y, INFINITY));
    if (rows.empty()) {
        return std::nullopt;
    }
    return rows.front();
}

}  // namespace kit
