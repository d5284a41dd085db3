#pragma once

#include <memory>

#include "platform/kit/Label.h"
#include "platform/kit/ViewController.h"
#include "store/SetupData.h"

// FIXME: stands in for the Setup explorer, which is built on another branch; it only shows
// which Setup was opened. Replace it with SetupExplorerViewController once that lands.
class PlaceholderExplorerViewController final : public kit::ViewController {
  public:
    explicit PlaceholderExplorerViewController(SetupData data) : data_(std::move(data)) {}
    static std::shared_ptr<PlaceholderExplorerViewController> initWithData(const SetupData& data);

    const SetupData& setupData() const { return data_; }
    std::string className() const override { return "PlaceholderExplorerViewController"; }

  protected:
    void viewDidLoad() override;

  private:
    SetupData data_;
    std::shared_ptr<kit::Label> nameLabel_;
};
