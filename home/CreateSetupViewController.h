#pragma once

#include <memory>
#include <string>

#include "home/CreateNewSetupProtocol.h"
#include "platform/foundation/PropertyList.h"
#include "platform/kit/ScrollView.h"
#include "platform/kit/TextField.h"
#include "platform/kit/View.h"
#include "platform/kit/ViewController.h"
#include "ui/ColourCollectionView.h"
#include "ui/DynamicNavigationBar.h"
#include "ui/IconCollectionView.h"

namespace kelvora {

// The full-screen form that names a new Setup and picks its colour and icon. "Done" shows
// once all three are given; it makes the Setup's folder, appends its record to the setup
// list and hands the Setup to the delegate. A name already in the list, or one whose folder
// cannot be made, gets an alert and leaves the form open with nothing written.
//
// The name is read from the field when the keyboard's "Done" is pressed, when a colour or an
// icon is chosen, and when the form's "Done" is pressed, so what is saved is what is shown.
class CreateSetupViewController final : public kit::ViewController,
                                        public ColourCollectionViewProtocol,
                                        public IconCollectionViewProtocol {
  public:
    CreateSetupViewController();

    void viewDidLoad() override;

    void dismissKeyboard();
    void didSelectedColourWithHex(const std::string& hex) override;
    void didSelectedIconWithImageName(const std::string& imageName) override;
    void checkAllValues();
    static bool isStringEmpty(const std::string* text);
    void dismissVC();
    void saveChanges();
    void showAlertWithTitle(const std::string& title, const std::string& sub);
    std::string className() const override { return "CreateSetupViewController"; }

    std::string nameString;
    std::string colourString;
    std::string iconString;
    std::weak_ptr<CreateNewSetupProtocol> delegate;
    foundation::PlistArray array;

    std::shared_ptr<DynamicNavigationBar> navbarView;
    std::shared_ptr<kit::ScrollView> scrollView;
    std::shared_ptr<kit::View> nameView;
    std::shared_ptr<kit::TextField> textField;
    std::shared_ptr<ColourCollectionView> colourView;
    std::shared_ptr<IconCollectionView> iconView;

  private:
    void layoutScrollView();
    void layoutViews();
    void layoutNameView(const std::shared_ptr<kit::View>& title);
    std::shared_ptr<kit::View> keyboardToolbar();
    void layoutFooterView();
    void layoutNavbarView();
    // Pins `item` centred, `spacing` below `above`, as wide as the screen's view plus
    // `widthOffset`.
    void stack(const std::shared_ptr<kit::View>& item, const kit::View& above, double spacing,
               double height, double widthOffset = 0);
    void captureName();
    bool createSetupFolder(const std::string& folderName);
    SetupData appendRecord(const std::string& folderName);

    std::shared_ptr<kit::View> iconTitle_;
    std::shared_ptr<kit::View> footer_;
};

}  // namespace kelvora
