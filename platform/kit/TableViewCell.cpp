#include "platform/kit/TableViewCell.h"

#include <algorithm>
#include <utility>

namespace kit {

namespace {

// The phone's system background, grey for selection and separator colours.
Color cellBackgroundColor() {
    return Color::dynamic({1, 1, 1, 1}, {0, 0, 0, 1});
}
Color selectionColor() {
    return Color::dynamic({209 / 255.0, 209 / 255.0, 214 / 255.0, 1},
                          {58 / 255.0, 58 / 255.0, 60 / 255.0, 1});
}
Color separatorColor() {
    return Color::dynamic({60 / 255.0, 60 / 255.0, 67 / 255.0, 0.29},
                          {84 / 255.0, 84 / 255.0, 88 / 255.0, 0.6});
}

constexpr double separatorInset = 16;
constexpr double separatorThickness = 0.5;

}  // namespace

TableViewCell::TableViewCell(std::string reuseIdentifier)
    : ReusableCell(std::move(reuseIdentifier)) {
    setBackgroundColor(cellBackgroundColor());
}

std::shared_ptr<TableViewCell> TableViewCell::make(std::string reuseIdentifier) {
    auto cell = std::make_shared<TableViewCell>(std::move(reuseIdentifier));
    cell->contentView();
    return cell;
}

void TableViewCell::setSelectionStyle(TableViewCellSelectionStyle style) {
    selectionStyle_ = style;
    updateSelectedBackground();
}

void TableViewCell::setSelectedBackgroundView(std::shared_ptr<View> view) {
    if (selectedBackgroundView_ && selectedBackgroundView_->superview().get() == this) {
        selectedBackgroundView_->removeFromSuperview();
    }
    selectedBackgroundView_ = std::move(view);
    updateSelectedBackground();
}

void TableViewCell::setSeparatorShown(bool shown) {
    separatorShown_ = shown;
    updateSeparator();
}

void TableViewCell::setHighlighted(bool highlighted) {
    ReusableCell::setHighlighted(highlighted);
    updateSelectedBackground();
}

void TableViewCell::setSelected(bool selected) {
    ReusableCell::setSelected(selected);
    updateSelectedBackground();
}

void TableViewCell::updateSelectedBackground() {
    bool shown =
        (isHighlighted() || isSelected()) && selectionStyle_ != TableViewCellSelectionStyle::none;
    if (shown && !selectedBackgroundView_) {
        selectedBackgroundView_ = std::make_shared<View>();
        selectedBackgroundView_->setBackgroundColor(selectionColor());
    }
    if (!selectedBackgroundView_ || weak_from_this().expired()) {
        return;
    }
    bool onCell = selectedBackgroundView_->superview().get() == this;
    if (shown && !onCell) {
        selectedBackgroundView_->setFrame(bounds());
        insertSubview(selectedBackgroundView_, 0);
    } else if (!shown && onCell) {
        selectedBackgroundView_->removeFromSuperview();
    }
}

void TableViewCell::updateSeparator() {
    if (!separatorShown_) {
        if (separator_) {
            separator_->removeFromSuperview();
        }
        return;
    }
    if (!separator_) {
        separator_ = std::make_shared<View>();
        separator_->setBackgroundColor(separatorColor());
        separator_->setUserInteractionEnabled(false);
    }
    Rect own = bounds();
    separator_->setFrame({separatorInset, own.maxY() - separatorThickness,
                          std::max(0.0, own.width() - separatorInset), separatorThickness});
    if (separator_->superview().get() != this && !weak_from_this().expired()) {
        insertSubview(separator_, 0);
    }
}

void TableViewCell::layoutSubviews() {
    ReusableCell::layoutSubviews();
    if (selectedBackgroundView_ && selectedBackgroundView_->superview().get() == this) {
        selectedBackgroundView_->setFrame(bounds());
    }
    updateSeparator();
}

}  // namespace kit
