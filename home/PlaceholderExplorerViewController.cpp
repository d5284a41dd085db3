#include "home/PlaceholderExplorerViewController.h"

#include "appearance/SetupAppearance.h"
#include "ui/extension.h"

std::shared_ptr<PlaceholderExplorerViewController> PlaceholderExplorerViewController::initWithData(
    const SetupData& data) {
    auto controller = std::make_shared<PlaceholderExplorerViewController>(data);
    controller->setTitle(data.setupName);
    return controller;
}

void PlaceholderExplorerViewController::viewDidLoad() {
    view()->setBackgroundColor(SetupAppearance::primaryColour());
    nameLabel_ = std::make_shared<kit::Label>();
    nameLabel_->setText(data_.setupName);
    nameLabel_->setTextAlignment(kit::TextAlignment::center);
    view()->addSubview(nameLabel_);
    extension::x(*nameLabel_, view()->centerXAnchor(), view()->centerYAnchor());
}
