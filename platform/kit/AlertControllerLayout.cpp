// Where the panels, texts and buttons of an alert or action sheet go.
#include <algorithm>

#include "platform/kit/AlertController.h"

namespace kit {

namespace {

constexpr double alertWidth = 270;
constexpr double alertButtonHeight = 44;
constexpr double sheetButtonHeight = 57;
constexpr double sheetMargin = 8;
constexpr double sheetMaximumWidth = 414;
constexpr double hairline = 1.0 / 3;
constexpr double textInset = 16;

Color separatorColor() {
    return Color::dynamic({0.24, 0.24, 0.26, 0.29}, {0.33, 0.33, 0.35, 0.6});
}

void placeCheckMark(Button& button) {
    for (const auto& subview : button.subviews()) {
        if (subview->accessibilityLabel() == "checkmark") {
            Rect frame = button.bounds();
            subview->setFrame({frame.width() - 20 - 18, (frame.height() - 18) / 2, 18, 18});
        }
    }
}

}  // namespace

double AlertController::layoutHeader(double width, double top) {
    double y = top;
    double textWidth = width - 2 * textInset;
    for (const auto& label : {titleLabel_, messageLabel_}) {
        label->setHidden(label->text().empty());
        if (label->text().empty()) {
            label->setFrame({});
            continue;
        }
        double height = label->heightForWidth(textWidth).value_or(label->font().lineHeight());
        if (y > top) {
            y += 2;
        }
        label->setFrame({textInset, y, textWidth, height});
        y += height;
    }
    return y;
}

void AlertController::placeSeparator(std::size_t index, Rect frame) {
    // Made once and then moved, so that laying out does not change the hierarchy.
    while (separators_.size() <= index) {
        auto line = std::make_shared<View>();
        line->setBackgroundColor(separatorColor());
        line->setUserInteractionEnabled(false);
        panel_->addSubview(line);
        separators_.push_back(line);
    }
    separators_[index]->setFrame(frame);
}

bool AlertController::titlesFitSideBySide() const {
    return std::all_of(buttons_.begin(), buttons_.end(), [](const std::shared_ptr<Button>& button) {
        return button->intrinsicContentSize().width <= alertWidth / 2;
    });
}

void AlertController::layoutAlert(Rect bounds) {
    dimming_->setFrame(bounds);
    std::size_t lines = 0;
    auto separator = [this, &lines](Rect frame) { placeSeparator(lines++, frame); };
    double headerBottom = layoutHeader(alertWidth, 19);
    double y = headerBottom > 19 ? headerBottom + 19 : 0;
    std::vector<std::size_t> order(actions_.size());
    for (std::size_t index = 0; index < order.size(); ++index) {
        order[index] = index;
    }
    // Two actions sit side by side with cancel on the left when both titles fit whole;
    // otherwise the actions stack in their order, cancel last.
    auto isCancel = [this](std::size_t index) {
        return actions_[index].style == AlertActionStyle::cancel;
    };
    bool sideBySide = actions_.size() == 2 && titlesFitSideBySide();
    std::stable_partition(order.begin(), order.end(),
                          [&](std::size_t index) { return sideBySide == isCancel(index); });
    if (sideBySide) {
        separator({0, y, alertWidth, hairline});
        separator({alertWidth / 2, y, hairline, alertButtonHeight});
        buttons_[order[0]]->setFrame({0, y, alertWidth / 2, alertButtonHeight});
        buttons_[order[1]]->setFrame({alertWidth / 2, y, alertWidth / 2, alertButtonHeight});
        y += alertButtonHeight;
    } else {
        for (std::size_t index : order) {
            separator({0, y, alertWidth, hairline});
            buttons_[index]->setFrame({0, y, alertWidth, alertButtonHeight});
            placeCheckMark(*buttons_[index]);
            y += alertButtonHeight;
        }
    }
    panel_->setFrame({(bounds.width() - alertWidth) / 2, (bounds.height() - y) / 2, alertWidth, y});
}

void AlertController::layoutActionSheet(Rect bounds, double bottomInset) {
    dimming_->setFrame(bounds);
    std::size_t lines = 0;
    double width = std::min(bounds.width() - 2 * sheetMargin, sheetMaximumWidth);
    double x = (bounds.width() - width) / 2;
    double bottom = bounds.height() - std::max(bottomInset, sheetMargin);
    if (cancelPanel_) {
        bottom -= sheetButtonHeight;
        cancelPanel_->setFrame({x, bottom, width, sheetButtonHeight});
        bottom -= sheetMargin;
    }
    double headerBottom = layoutHeader(width, 14);
    double y = headerBottom > 14 ? headerBottom + 14 : 0;
    for (std::size_t index = 0; index < actions_.size(); ++index) {
        if (cancelPanel_ && actions_[index].style == AlertActionStyle::cancel) {
            buttons_[index]->setFrame({0, 0, width, sheetButtonHeight});
            continue;
        }
        if (y > 0) {
            placeSeparator(lines++, {0, y, width, hairline});
        }
        buttons_[index]->setFrame({0, y, width, sheetButtonHeight});
        placeCheckMark(*buttons_[index]);
        y += sheetButtonHeight;
    }
    panel_->setFrame({x, bottom - y, width, y});
}

}  // namespace kit
