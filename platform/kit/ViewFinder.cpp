#include "platform/kit/ViewFinder.h"

#include <algorithm>
#include <cmath>

#include "platform/kit/Button.h"
#include "platform/kit/ContextMenuView.h"
#include "platform/kit/ImageView.h"
#include "platform/kit/Label.h"
#include "platform/kit/PresentationView.h"
#include "platform/kit/ScrollView.h"
#include "platform/kit/TextField.h"
#include "platform/kit/VisualEffectView.h"
#include "platform/kit/Window.h"

namespace kit {

namespace {

constexpr double invisibleAlpha = 0.01;

Rect intersection(Rect a, Rect b) {
    double x0 = std::max(a.minX(), b.minX());
    double y0 = std::max(a.minY(), b.minY());
    double x1 = std::min(a.maxX(), b.maxX());
    double y1 = std::min(a.maxY(), b.maxY());
    return {x0, y0, std::max(0.0, x1 - x0), std::max(0.0, y1 - y0)};
}

Rect rectInWindow(const View& view) {
    Rect bounds = view.bounds();
    Point a = view.convertToWindow(bounds.origin);
    Point b = view.convertToWindow({bounds.maxX(), bounds.maxY()});
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::abs(b.x - a.x), std::abs(b.y - a.y)};
}

std::optional<std::string> symbolShownIn(const View& view) {
    if (auto image = dynamic_cast<const ImageView*>(&view); image && image->image()) {
        if (image->image()->kind() == Image::Kind::symbol && !image->isHidden()) {
            return image->image()->name();
        }
    }
    if (auto button = dynamic_cast<const Button*>(&view); button && button->currentImage()) {
        if (button->currentImage()->kind() == Image::Kind::symbol) {
            return button->currentImage()->name();
        }
    }
    for (const auto& subview : view.subviews()) {
        if (auto name = symbolShownIn(*subview)) {
            return name;
        }
    }
    return std::nullopt;
}

// The text a label, button or text field draws itself.
std::string drawnText(const View& view) {
    if (auto label = dynamic_cast<const Label*>(&view)) {
        return label->text();
    }
    if (auto button = dynamic_cast<const Button*>(&view)) {
        return button->currentTitle().value_or("");
    }
    if (auto field = dynamic_cast<const TextField*>(&view)) {
        return field->text().empty() ? field->placeholder() : field->text();
    }
    return {};
}

bool showsAnyText(const View& view) {
    if (!drawnText(view).empty()) {
        return true;
    }
    return std::any_of(view.subviews().begin(), view.subviews().end(),
                       [](const auto& subview) { return showsAnyText(*subview); });
}

bool coversWhatIsBehind(const View& view) {
    if (auto effect = dynamic_cast<const VisualEffectView*>(&view)) {
        return effect->effect().has_value();
    }
    return view.backgroundColor().components().alpha >= 0.99 && view.alpha() >= 0.99;
}

}  // namespace

std::vector<std::string> ViewFinder::textsOf(const View& view) {
    std::vector<std::string> texts;
    auto add = [&texts](const std::string& text) {
        if (!text.empty() && std::find(texts.begin(), texts.end(), text) == texts.end()) {
            texts.push_back(text);
        }
    };
    add(drawnText(view));
    add(view.accessibilityLabel());
    if (texts.empty() && dynamic_cast<const Control*>(&view) && !showsAnyText(view)) {
        add(symbolShownIn(view).value_or(""));
    }
    return texts;
}

void ViewFinder::collect(const std::shared_ptr<View>& view, Rect clip,
                         const std::shared_ptr<ScrollView>& scrollView, Reach reach,
                         std::vector<Painted>& out) const {
    if (view->isHidden() || view->alpha() < invisibleAlpha) {
        return;
    }
    Rect visible = intersection(rectInWindow(*view), clip);
    out.push_back({view, visible, scrollView});
    Rect childClip = view->clipsToBounds() ? visible : clip;
    auto childScroll = scrollView;
    if (auto scroll = std::dynamic_pointer_cast<ScrollView>(view)) {
        childScroll = scroll;
        if (reach == Reach::byScrolling) {
            constexpr double far = 1e9;
            childClip = {-far, -far, 2 * far, 2 * far};
        }
    }
    for (const auto& subview : view->subviews()) {
        collect(subview, childClip, childScroll, reach, out);
    }
}

std::vector<ViewFinder::Painted> ViewFinder::paintedViews(Reach reach) const {
    std::vector<Painted> painted;
    if (!window_ || window_->isHidden()) {
        return painted;
    }
    const auto& layers = window_->subviews();
    std::size_t first = 0;
    for (std::size_t index = 0; index < layers.size(); ++index) {
        const auto& layer = layers[index];
        bool covering = dynamic_cast<const PresentationView*>(layer.get()) ||
                        dynamic_cast<const ContextMenuView*>(layer.get());
        if (covering && !layer->isHidden() && layer->alpha() >= invisibleAlpha) {
            first = index;
        }
    }
    for (std::size_t index = first; index < layers.size(); ++index) {
        collect(layers[index], window_->bounds(), nullptr, reach, painted);
    }
    return painted;
}

bool ViewFinder::isCovered(const std::vector<Painted>& painted, std::size_t index) {
    const auto& candidate = painted[index];
    Point centre = candidate.visibleRect.center();
    for (std::size_t later = index + 1; later < painted.size(); ++later) {
        const auto& other = painted[later];
        // The geometry first: walking up the tree for every pair made each tap on a screen
        // of a few hundred views slow.
        if (!other.visibleRect.contains(centre) || !coversWhatIsBehind(*other.view)) {
            continue;
        }
        if (!other.view->isDescendantOf(*candidate.view) &&
            !candidate.view->isDescendantOf(*other.view)) {
            return true;
        }
    }
    return false;
}

std::vector<ViewFinder::Found> ViewFinder::visibleTexts(Reach reach) const {
    auto painted = paintedViews(reach);
    std::vector<Found> found;
    for (std::size_t index = 0; index < painted.size(); ++index) {
        const auto& entry = painted[index];
        if (entry.visibleRect.isEmpty()) {
            continue;
        }
        auto texts = textsOf(*entry.view);
        if (texts.empty() || isCovered(painted, index)) {
            continue;
        }
        found.push_back({entry.view, entry.visibleRect, std::move(texts), entry.scrollView});
    }
    return found;
}

std::optional<ViewFinder::Found> ViewFinder::find(std::string_view text, Reach reach) const {
    auto found = visibleTexts(reach);
    auto search = [&](bool exact) -> std::optional<Found> {
        for (auto it = found.rbegin(); it != found.rend(); ++it) {
            for (const auto& shown : it->texts) {
                if (exact ? shown == text : shown.find(text) != std::string::npos) {
                    return *it;
                }
            }
        }
        return std::nullopt;
    };
    if (auto exact = search(true)) {
        return exact;
    }
    return search(false);
}

std::vector<std::shared_ptr<View>> ViewFinder::visibleViews() const {
    auto painted = paintedViews(Reach::onScreen);
    std::vector<std::shared_ptr<View>> views;
    for (std::size_t index = 0; index < painted.size(); ++index) {
        if (!painted[index].visibleRect.isEmpty() && !isCovered(painted, index)) {
            views.push_back(painted[index].view);
        }
    }
    return views;
}

std::vector<std::string> ViewFinder::textsOnScreen() const {
    auto found = visibleTexts(Reach::onScreen);
    std::stable_sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
        // Tops are compared to the point, so texts a fraction apart read as one line.
        double topA = std::round(a.visibleRect.minY());
        double topB = std::round(b.visibleRect.minY());
        if (topA != topB) {
            return topA < topB;
        }
        return a.visibleRect.minX() < b.visibleRect.minX();
    });
    std::vector<std::string> texts;
    for (const auto& entry : found) {
        texts.push_back(entry.texts.front());
    }
    return texts;
}

}  // namespace kit
