#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/kit/Button.h"
#include "platform/kit/ScrollView.h"
#include "platform/kit/ViewController.h"
#include "platform/kit/VisualEffectView.h"

namespace kelvora {

// The getting-started sheet of a first launch: the app's name and image, three bulleted
// items (title, symbol, description) and a "Done" button in a blurred tray at the bottom.
// It is a page sheet that cannot be swiped away, so "Done" is the only way out; what "Done"
// does belongs to the screen that shows it.
class TutorialViewController final : public kit::ViewController {
  public:
    TutorialViewController(std::string title, std::string detailText, std::string iconName);

    void addBulletedListItem(const std::string& title, const std::string& description,
                             const std::string& symbolName);
    void setDoneHandler(std::function<void()> handler) { doneHandler_ = std::move(handler); }

    const std::shared_ptr<kit::Button>& doneButton() const { return doneButton_; }
    const std::shared_ptr<kit::VisualEffectView>& buttonTray() const { return tray_; }
    const std::shared_ptr<kit::VisualEffectView>& backgroundBlur() const { return blur_; }
    const std::shared_ptr<kit::ScrollView>& scrollView() const { return scrollView_; }
    std::string className() const override { return "TutorialViewController"; }

  protected:
    void viewDidLoad() override;

  private:
    struct Item {
        std::string title;
        std::string description;
        std::string symbolName;
    };
    void layoutScrollView();
    void layoutHeader();
    void layoutItems();
    void layoutTray();

    std::string title_;
    std::string detailText_;
    std::string iconName_;
    std::vector<Item> items_;
    std::function<void()> doneHandler_;
    std::shared_ptr<kit::ScrollView> scrollView_;
    std::shared_ptr<kit::View> lastHeaderView_;
    std::shared_ptr<kit::Button> doneButton_;
    std::shared_ptr<kit::VisualEffectView> tray_;
    std::shared_ptr<kit::VisualEffectView> blur_;
};

}  // namespace kelvora
