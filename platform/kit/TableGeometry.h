#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/kit/IndexPath.h"

namespace kit {

// Where a table's section headers and rows lie down its content: the table header, then
// each section's header followed by its rows. A height that is not a finite number of
// zero or more counts as zero, so bad answers from a delegate cannot tear the layout.
class TableGeometry final {
  public:
    struct Span {
        double top = 0;
        double height = 0;
        double bottom() const { return top + height; }
    };

    // Starts over with the content beginning `top` points down (below the table header).
    void reset(double top);
    void addSection(double headerHeight, const std::vector<double>& rowHeights);

    double contentHeight() const { return bottom_; }
    std::int64_t numberOfSections() const { return static_cast<std::int64_t>(sections_.size()); }
    std::int64_t numberOfRows(std::int64_t section) const;

    std::optional<Span> row(IndexPath indexPath) const;
    std::optional<Span> header(std::int64_t section) const;
    // The header and rows of a section together.
    std::optional<Span> section(std::int64_t section) const;

    // Rows and headers of some height that overlap the band from `top` to `bottom`.
    std::vector<IndexPath> rowsBetween(double top, double bottom) const;
    std::vector<std::int64_t> headersBetween(double top, double bottom) const;
    std::optional<IndexPath> rowAt(double y) const;

  private:
    struct Section {
        double top = 0;
        double headerHeight = 0;
        std::vector<double> rowTops;  // one more than rows: the last is the section's bottom
    };

    const Section* find(std::int64_t section) const;

    std::vector<Section> sections_;
    double bottom_ = 0;
};

}  // namespace kit
