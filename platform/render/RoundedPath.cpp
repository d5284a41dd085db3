#include "platform/render/RoundedPath.h"

#include <cairo.h>

#include <algorithm>
#include <array>
#include <numbers>

#include "platform/kit/View.h"

namespace render {

namespace {

// A corner seen from its own point: `origin` is the corner, `along` the unit direction of
// the edge the path arrives on (pointing away from the corner) and `next` that of the edge
// it leaves on. Points are given as (distance back along the arriving edge, distance along
// the leaving edge) in radii.
struct Corner {
    kit::Point origin;
    kit::Point along;
    kit::Point next;

    kit::Point at(double back, double forward, double radius) const {
        return {origin.x + (along.x * back + next.x * forward) * radius,
                origin.y + (along.y * back + next.y * forward) * radius};
    }
};

// Three cubic segments per corner, the published approximation of the phone's curve.
void addContinuousCorner(cairo_t* cairo, const Corner& corner, double radius) {
    kit::Point start = corner.at(1.528665, 0, radius);
    cairo_line_to(cairo, start.x, start.y);
    const std::array<std::array<double, 6>, 3> segments{{
        {1.088493, 0, 0.868407, 0, 0.631494, 0.074911},
        {0.372824, 0.169059, 0.169059, 0.372824, 0.074911, 0.631494},
        {0, 0.868407, 0, 1.088493, 0, 1.528665},
    }};
    for (const auto& segment : segments) {
        kit::Point first = corner.at(segment[0], segment[1], radius);
        kit::Point second = corner.at(segment[2], segment[3], radius);
        kit::Point end = corner.at(segment[4], segment[5], radius);
        cairo_curve_to(cairo, first.x, first.y, second.x, second.y, end.x, end.y);
    }
}

void addCircularCorner(cairo_t* cairo, const Corner& corner, double radius, double startAngle) {
    kit::Point centre = corner.at(1, 1, radius);
    cairo_arc(cairo, centre.x, centre.y, radius, startAngle, startAngle + std::numbers::pi / 2);
}

}  // namespace

bool RoundedPath::isSquare(const kit::Rect& rect, double radius, std::uint8_t corners) {
    return radius <= 0 || (corners & kit::allCorners) == 0 || rect.isEmpty();
}

void RoundedPath::add(cairo_t* cairo, const kit::Rect& rect, double radius, std::uint8_t corners,
                      bool continuous) {
    if (rect.isEmpty()) {
        return;
    }
    double shorter = std::min(rect.width(), rect.height());
    radius = std::min(std::max(radius, 0.0), shorter / 2);
    if (isSquare(rect, radius, corners)) {
        cairo_rectangle(cairo, rect.minX(), rect.minY(), rect.width(), rect.height());
        return;
    }
    bool smooth = continuous && radius * continuousExtent <= shorter / 2;
    const double quarter = std::numbers::pi / 2;
    // Clockwise from the top-left corner, each with its arriving and leaving edges.
    const std::array<std::pair<Corner, std::uint8_t>, 4> all{{
        {{{rect.minX(), rect.minY()}, {0, 1}, {1, 0}}, kit::minXMinYCorner},
        {{{rect.maxX(), rect.minY()}, {-1, 0}, {0, 1}}, kit::maxXMinYCorner},
        {{{rect.maxX(), rect.maxY()}, {0, -1}, {-1, 0}}, kit::maxXMaxYCorner},
        {{{rect.minX(), rect.maxY()}, {1, 0}, {0, -1}}, kit::minXMaxYCorner},
    }};
    cairo_new_sub_path(cairo);
    for (std::size_t index = 0; index < all.size(); ++index) {
        const auto& [corner, bit] = all[index];
        if ((corners & bit) == 0) {
            cairo_line_to(cairo, corner.origin.x, corner.origin.y);
        } else if (smooth) {
            addContinuousCorner(cairo, corner, radius);
        } else {
            addCircularCorner(cairo, corner, radius, quarter * (double(index) + 2));
        }
    }
    cairo_close_path(cairo);
}

}  // namespace render
