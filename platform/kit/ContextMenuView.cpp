#include "platform/kit/ContextMenuView.h"

#include <algorithm>

#include "platform/kit/ImageView.h"
#include "platform/kit/Label.h"
#include "platform/kit/SnapshotView.h"
#include "platform/kit/Window.h"

namespace kit {

namespace {

constexpr double titleHeight = 34;
constexpr double gap = 8;
constexpr double edgeMargin = 16;

Color panelColor() {
    return Color::dynamic({0.97, 0.97, 0.97, 0.98}, {0.17, 0.17, 0.18, 0.98});
}

}  // namespace

std::shared_ptr<ContextMenuView> ContextMenuView::presentAt(const std::shared_ptr<Window>& window,
                                                            Point point) {
    if (!window || showing(*window)) {
        return nullptr;
    }
    auto hit = window->hitTest(window->convertFromSuperview(point));
    for (auto view = hit; view; view = view->superview()) {
        if (auto source = dynamic_cast<ContextMenuSource*>(view.get())) {
            auto request = source->contextMenuRequestAt(point);
            return request ? present(window, *request) : nullptr;
        }
    }
    return nullptr;
}

std::shared_ptr<ContextMenuView> ContextMenuView::present(const std::shared_ptr<Window>& window,
                                                          const ContextMenuRequest& request) {
    if (!window || showing(*window)) {
        return nullptr;
    }
    auto menuView = std::make_shared<ContextMenuView>();
    menuView->setFrame(window->bounds());
    window->addSubview(menuView);
    menuView->build(request);
    View::performWithoutAnimation([&] { menuView->setAlpha(0); });
    View::animate(fadeDuration, [&] { menuView->setAlpha(1); });
    return menuView;
}

std::shared_ptr<ContextMenuView> ContextMenuView::showing(const Window& window) {
    for (const auto& layer : window.subviews()) {
        auto menu = std::dynamic_pointer_cast<ContextMenuView>(layer);
        if (menu && !menu->dismissing_) {
            return menu;
        }
    }
    return nullptr;
}

void ContextMenuView::build(const ContextMenuRequest& request) {
    menu_ = request.configuration.actionProvider ? request.configuration.actionProvider() : Menu{};
    source_ = request.sourceRect;
    // The whole screen dims; the item, lifted as a picture of itself, stays bright with its
    // own rounded corners.
    dimming_ = std::make_shared<View>();
    dimming_->setBackgroundColor(Color::blackColor().withAlpha(0.3));
    dimming_->setUserInteractionEnabled(false);
    addSubview(dimming_);
    if (request.configuration.previewProvider) {
        preview_ = request.configuration.previewProvider();
    } else if (request.sourcePicture) {
        preview_ = std::make_shared<SnapshotView>(request.sourcePicture);
    }
    if (preview_) {
        preview_->setUserInteractionEnabled(false);
        preview_->setFrame(source_);
        addSubview(preview_);
    }
    panel_ = std::make_shared<View>();
    panel_->setBackgroundColor(panelColor());
    panel_->setCornerRadius(13);
    panel_->setContinuousCorners(true);
    panel_->setClipsToBounds(true);
    addSubview(panel_);
    if (!menu_.title.empty()) {
        auto title = std::make_shared<Label>();
        title->setText(menu_.title);
        title->setFont(Font::systemFontOfSize(13));
        title->setTextColor(Color::secondaryLabelColor());
        title->setTextAlignment(TextAlignment::center);
        titleLabel_ = title;
        panel_->addSubview(title);
    }
    for (std::size_t index = 0; index < menu_.children.size(); ++index) {
        addRow(index);
    }
}

void ContextMenuView::addRow(std::size_t index) {
    const auto& action = menu_.children[index];
    Color color = action.destructive ? Color::systemRedColor() : Color::labelColor();
    auto row = Button::buttonWithType(ButtonType::custom);
    row->setTitle(action.title, ControlState::normal);
    row->setTitleColor(color, ControlState::normal);
    row->setTitleFont(Font::systemFontOfSize(17));
    row->setTitleAlignment(TextAlignment::left);
    row->setContentEdgeInsets({0, 16, 0, 48});
    if (!action.symbolName.empty()) {
        auto symbol = std::make_shared<ImageView>(Image::systemImageNamed(action.symbolName));
        symbol->setTintColor(color);
        symbol->setContentMode(ContentMode::scaleAspectFit);
        row->addSubview(symbol);
    }
    std::weak_ptr<ContextMenuView> weakSelf =
        std::static_pointer_cast<ContextMenuView>(shared_from_this());
    row->addAction(
        [weakSelf, index](const std::shared_ptr<Control>&) {
            auto self = weakSelf.lock();
            if (!self || self->dismissing_) {
                return;
            }
            auto handler = self->menu_.children[index].handler;
            self->dismiss(std::move(handler));
        },
        ControlEvents::touchUpInside);
    panel_->addSubview(row);
    buttons_.push_back(row);
}

void ContextMenuView::layoutSubviews() {
    Rect all = bounds();
    Rect item = source_;
    dimming_->setFrame(all);
    double y = 0;
    if (titleLabel_) {
        titleLabel_->setFrame({0, 0, menuWidth, titleHeight});
        y = titleHeight;
    }
    for (const auto& row : buttons_) {
        row->setFrame({0, y, menuWidth, rowHeight});
        for (const auto& symbol : row->subviews()) {
            if (dynamic_cast<ImageView*>(symbol.get())) {
                symbol->setFrame({menuWidth - 16 - 22, (rowHeight - 22) / 2, 22, 22});
            }
        }
        y += rowHeight;
    }
    EdgeInsets safe = safeAreaInsets();
    double x = std::clamp(item.minX(), edgeMargin, all.width() - edgeMargin - menuWidth);
    double top = item.maxY() + gap;
    if (top + y > all.height() - safe.bottom) {
        top = std::max(safe.top, item.minY() - gap - y);
    }
    panel_->setFrame({x, top, menuWidth, y});
}

void ContextMenuView::touchesEnded(const Touch& touch) {
    if (!panel_->frame().contains(touch.locationIn(*this))) {
        dismiss();
    }
}

void ContextMenuView::dismiss(std::function<void()> then) {
    if (dismissing_) {
        return;
    }
    dismissing_ = true;
    std::weak_ptr<View> weakSelf = std::static_pointer_cast<View>(shared_from_this());
    animate(
        fadeDuration, [this] { setAlpha(0); },
        [weakSelf](bool) {
            if (auto self = weakSelf.lock()) {
                self->removeFromSuperview();
            }
        });
    if (then) {
        then();
    }
}

}  // namespace kit
