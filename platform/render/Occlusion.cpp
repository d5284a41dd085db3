#include "platform/render/Occlusion.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "platform/kit/VisualEffectView.h"
#include "platform/render/Presentation.h"

namespace render {

namespace {

// Below this a view draws nothing, as the renderer has it.
constexpr double invisibleAlpha = 1.0 / 512;

// A rectangle of whole device pixels, edges included from left/top up to right/bottom.
struct Pixels {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;

    bool isEmpty() const { return right <= left || bottom <= top; }
    bool contains(const Pixels& other) const {
        return other.left >= left && other.top >= top && other.right <= right &&
               other.bottom <= bottom;
    }
    bool intersects(const Pixels& other) const {
        return other.left < right && left < other.right && other.top < bottom && top < other.bottom;
    }
};

// One drawn view, in the order views are drawn.
struct Entry {
    const kit::View* view = nullptr;
    int parent = -1;
    int last = 0;         // the last entry of its subtree
    bool bounded = true;  // false when a transform lets the subtree draw anywhere
    Pixels extent;        // all the subtree may touch
    std::optional<Pixels> cover;
    std::optional<Pixels> blur;  // what a blur reads
};

class Pass final {
  public:
    explicit Pass(double scale) : scale_(scale) {}

    // Every pixel the rectangle touches.
    Pixels touched(const kit::Rect& rect) const {
        return {std::floor(rect.minX() * scale_), std::floor(rect.minY() * scale_),
                std::ceil(rect.maxX() * scale_), std::ceil(rect.maxY() * scale_)};
    }
    // The pixels an opaque fill of the rectangle surely paints whole: square-cornered
    // backgrounds snap their edges to the nearest pixel, so those are rounded alike.
    Pixels filled(const kit::Rect& rect, bool snapped) const {
        auto low = [&](double value) {
            return snapped ? std::floor(value * scale_ + 0.5) : std::ceil(value * scale_);
        };
        auto high = [&](double value) {
            return snapped ? std::floor(value * scale_ + 0.5) : std::floor(value * scale_);
        };
        return {low(rect.minX()), low(rect.minY()), high(rect.maxX()), high(rect.maxY())};
    }

    struct Context {
        kit::Point origin;    // where the parent's content coordinates start, in the root's
        kit::Rect clip;       // the clips above, in the root's coordinates
        kit::Rect coverClip;  // the same, less the bands of rounded corners
        bool whole = true;    // nothing above fades, dissolves or transforms
        int parent = -1;
    };

    void visit(const kit::View& view, const Context& context, bool isRoot);
    std::vector<Entry> entries;

  private:
    std::optional<Pixels> coverOf(const kit::View& view, const kit::Rect& rect,
                                  const Context& context, bool whole) const;
    double scale_;
};

kit::Rect intersection(const kit::Rect& a, const kit::Rect& b) {
    double left = std::max(a.minX(), b.minX());
    double top = std::max(a.minY(), b.minY());
    double right = std::min(a.maxX(), b.maxX());
    double bottom = std::min(a.maxY(), b.maxY());
    return {left, top, std::max(0.0, right - left), std::max(0.0, bottom - top)};
}

kit::Rect unionOf(const kit::Rect& a, const kit::Rect& b) {
    double left = std::min(a.minX(), b.minX());
    double top = std::min(a.minY(), b.minY());
    return {left, top, std::max(a.maxX(), b.maxX()) - left, std::max(a.maxY(), b.maxY()) - top};
}

// The view's rectangle less the bands its rounded corners take at the top and bottom.
kit::Rect band(const kit::View& view, const kit::Rect& rect) {
    double inset = std::clamp(view.cornerRadius(), 0.0, rect.height() / 2);
    auto corners = view.maskedCorners();
    double top = corners & (kit::minXMinYCorner | kit::maxXMinYCorner) ? inset : 0;
    double bottom = corners & (kit::minXMaxYCorner | kit::maxXMaxYCorner) ? inset : 0;
    return {rect.minX(), rect.minY() + top, rect.width(), rect.height() - top - bottom};
}

std::optional<Pixels> Pass::coverOf(const kit::View& view, const kit::Rect& rect,
                                    const Context& context, bool whole) const {
    // Opaque in both appearances, so the window's style need not be looked up.
    kit::Color background = Presentation::backgroundColor(view);
    if (!whole || background.resolved(kit::InterfaceStyle::light).alpha < 1 ||
        background.resolved(kit::InterfaceStyle::dark).alpha < 1) {
        return std::nullopt;
    }
    kit::Rect inside = intersection(band(view, rect), context.coverClip);
    Pixels pixels = filled(inside, view.cornerRadius() <= 0);
    if (pixels.isEmpty()) {
        return std::nullopt;
    }
    return pixels;
}

void Pass::visit(const kit::View& view, const Context& context, bool isRoot) {
    kit::Rect frame = view.presentationFrame();
    double alpha = view.presentationAlpha();
    if (view.isHidden() || !(alpha >= invisibleAlpha) || !frame.isFinite()) {
        return;
    }
    kit::Rect rect{isRoot ? kit::Point{} : context.origin + frame.origin, frame.size};
    bool upright = view.presentationTransform().isIdentity();
    bool whole = context.whole && upright && alpha >= 1 && !Presentation::dissolve(view);
    int index = static_cast<int>(entries.size());
    entries.push_back({&view, context.parent, index, upright, {}, {}, {}});
    entries[index].cover = coverOf(view, rect, context, whole);
    const auto* effect = dynamic_cast<const kit::VisualEffectView*>(&view);
    if (effect != nullptr && effect->effect()) {
        entries[index].blur = touched(intersection(rect, context.clip));
    }
    Context inner = context;
    inner.origin = rect.origin - Presentation::boundsOrigin(view);
    inner.whole = whole;
    inner.parent = index;
    if (view.clipsToBounds()) {
        inner.clip = intersection(context.clip, rect);
        inner.coverClip = intersection(context.coverClip, band(view, rect));
    }
    kit::Rect reach = rect;
    bool bounded = upright;
    for (const auto& subview : view.subviews()) {
        int first = static_cast<int>(entries.size());
        visit(*subview, inner, false);
        if (first < static_cast<int>(entries.size())) {
            const Entry& child = entries[first];
            bounded = bounded && child.bounded;
            kit::Rect childReach{child.extent.left / scale_, child.extent.top / scale_,
                                 (child.extent.right - child.extent.left) / scale_,
                                 (child.extent.bottom - child.extent.top) / scale_};
            reach = unionOf(reach, childReach);
        }
    }
    Entry& entry = entries[index];
    entry.last = static_cast<int>(entries.size()) - 1;
    entry.bounded = bounded;
    entry.extent = touched(intersection(view.clipsToBounds() ? rect : reach, context.clip));
}

}  // namespace

Occlusion Occlusion::of(const kit::View& root, double scale) {
    Pass pass(scale);
    kit::Rect everything{-1e7, -1e7, 2e7, 2e7};
    pass.visit(root, {{}, everything, everything, true, -1}, true);
    auto& entries = pass.entries;
    std::vector<bool> hidden(entries.size(), false);
    // Whether `entry`, or a view above it drawn after `after`, is left out.
    auto leftOut = [&](int entry, int after) {
        for (int at = entry; at > after; at = entries[static_cast<std::size_t>(at)].parent) {
            if (hidden[static_cast<std::size_t>(at)]) {
                return true;
            }
        }
        return false;
    };
    // Only covers and blurs matter after a view, in the order they are drawn.
    std::vector<int> marks;
    for (int index = 0; index < static_cast<int>(entries.size()); ++index) {
        const Entry& entry = entries[static_cast<std::size_t>(index)];
        if (entry.cover || entry.blur) {
            marks.push_back(index);
        }
    }
    // Later views first, so that a blur or cover that is itself left out is known to be.
    Occlusion occlusion;
    for (int index = static_cast<int>(entries.size()) - 1; index >= 0; --index) {
        const Entry& entry = entries[static_cast<std::size_t>(index)];
        if (!entry.bounded || entry.extent.isEmpty()) {
            continue;
        }
        auto mark = std::upper_bound(marks.begin(), marks.end(), entry.last);
        for (; mark != marks.end(); ++mark) {
            const Entry& other = entries[static_cast<std::size_t>(*mark)];
            bool reads = other.blur && other.blur->intersects(entry.extent);
            bool covers = other.cover && other.cover->contains(entry.extent);
            if ((!reads && !covers) || leftOut(*mark, entry.last)) {
                continue;
            }
            if (covers && !reads) {
                hidden[static_cast<std::size_t>(index)] = true;
                occlusion.hidden_.insert(entry.view);
            }
            break;
        }
    }
    return occlusion;
}

}  // namespace render
