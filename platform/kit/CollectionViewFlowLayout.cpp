#include "platform/kit/CollectionViewFlowLayout.h"

#include <algorithm>
#include <cmath>

namespace kit {

namespace {

// Widths that add up to the space exactly (six cells of a sixth each) must still fit.
constexpr double tolerance = 1e-6;

double finite(double value) {
    return std::isfinite(value) ? value : 0;
}

double nonNegative(double value) {
    return std::max(0.0, finite(value));
}

Size sane(Size size) {
    return {nonNegative(size.width), nonNegative(size.height)};
}

}  // namespace

CollectionViewFlowLayout::Result CollectionViewFlowLayout::layout(
    const std::vector<Section>& sections, double width) {
    Result result;
    for (const Section& section : sections) {
        result.frames.emplace_back();
        result.contentHeight =
            layoutSection(section, finite(width), result.contentHeight, result.frames.back());
    }
    return result;
}

// Answers where the section ends.
double CollectionViewFlowLayout::layoutSection(const Section& section, double width, double top,
                                               std::vector<Rect>& frames) {
    EdgeInsets insets{finite(section.insets.top), finite(section.insets.left),
                      finite(section.insets.bottom), finite(section.insets.right)};
    double interitem = nonNegative(section.minimumInteritemSpacing);
    double lineSpacing = nonNegative(section.minimumLineSpacing);
    double space = width - insets.left - insets.right;
    const auto& sizes = section.itemSizes;
    double y = top + insets.top;
    for (std::size_t first = 0; first < sizes.size();) {
        double used = sane(sizes[first]).width;
        double lineHeight = sane(sizes[first]).height;
        std::size_t end = first + 1;
        for (; end < sizes.size(); ++end) {
            Size next = sane(sizes[end]);
            if (used + interitem + next.width > space + tolerance) {
                break;
            }
            used += interitem + next.width;
            lineHeight = std::max(lineHeight, next.height);
        }
        std::size_t count = end - first;
        double itemsWidth = used - interitem * static_cast<double>(count - 1);
        double gap = count > 1 ? (space - itemsWidth) / static_cast<double>(count - 1) : 0;
        double x = insets.left;
        for (std::size_t i = first; i < end; ++i) {
            Size size = sane(sizes[i]);
            frames.push_back({x, y + (lineHeight - size.height) / 2, size.width, size.height});
            x += size.width + gap;
        }
        y += lineHeight + (end < sizes.size() ? lineSpacing : 0);
        first = end;
    }
    return y + insets.bottom;
}

}  // namespace kit
