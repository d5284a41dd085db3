#include "platform/kit/ReusableCell.h"

#include <utility>

namespace kit {

ReusableCell::ReusableCell(std::string reuseIdentifier)
    : reuseIdentifier_(std::move(reuseIdentifier)) {}

const std::shared_ptr<View>& ReusableCell::contentView() {
    attachContentView();
    return contentView_;
}

void ReusableCell::attachContentView() {
    if (contentView_->superview() || weak_from_this().expired()) {
        return;
    }
    contentView_->setFrame(bounds());
    addSubview(contentView_);
}

void ReusableCell::prepareForReuse() {}

std::shared_ptr<Responder> ReusableCell::nextResponder() const {
    if (auto next = View::nextResponder()) {
        return next;
    }
    return list_.lock();
}

void ReusableCell::setHighlighted(bool highlighted) {
    highlighted_ = highlighted;
}

void ReusableCell::setSelected(bool selected) {
    selected_ = selected;
}

// The content view follows at once as well as at layout, so constraints inside it are
// solved against the right size in the same pass.
void ReusableCell::setFrame(Rect frame) {
    View::setFrame(frame);
    attachContentView();
    contentView_->setFrame(bounds());
}

void ReusableCell::layoutSubviews() {
    attachContentView();
    contentView_->setFrame(bounds());
    if (!subviews().empty() && subviews().back() != contentView_) {
        bringSubviewToFront(contentView_);
    }
}

}  // namespace kit
