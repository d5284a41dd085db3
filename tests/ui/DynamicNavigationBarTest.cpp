#include "ui/DynamicNavigationBar.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/foundation/MainQueue.h"
#include "platform/kit/Responder.h"
#include "tests/support/Golden.h"
#include "tests/support/ScreenHarness.h"
#include "ui/extension.h"

namespace kelvora {

using kit::Color;
using kit::TouchPhase;

namespace {

const Color kAccent = Color::rgba(4 / 255.0, 199 / 255.0, 190 / 255.0);

// Stands in for the screen's view controller: records the actions that reach it.
class Performer final : public kit::Responder {
  public:
    void define(const std::string& name) {
        defineAction(name, [this, name](const auto&) { performed.push_back(name); });
    }
    std::vector<std::string> performed;
};

// The bar placed as the new-setup form places it on a notched screen: full width, 92 high, in
// a root view owned by a controller.
class DynamicNavigationBarTest : public testing::Test {
  protected:
    void show(const std::shared_ptr<DynamicNavigationBar>& bar) {
        foundation::MainQueue::main().reset();
        auto root = std::make_shared<kit::View>();
        root->addSubview(bar);
        extension::top(*bar, root->topAnchor(), root->leadingAnchor(), std::nullopt,
                       root->trailingAnchor(), {});
        extension::height(*bar, 92);
        ui.showView(root);
        controller = std::make_shared<Performer>();
        root->setOwningController(controller);
    }

    testsupport::ScreenHarness ui;
    std::shared_ptr<Performer> controller;
};

// Only the two-title bar is on a screen (the new-Setup form): its layout, and each button
// sending its own action up the chain on release over it only.
TEST_F(DynamicNavigationBarTest, TitleButtonsDimWhileHeldAndActOnlyWhenReleasedOnThem) {
    auto titles = DynamicNavigationBar::initWithTitleAccentLeftTitle(
        "New Setup", kAccent, "Cancel", "dismissVC", "Done", "saveChanges");
    show(titles);
    testsupport::expectScreenMatchesGolden(ui.window, "ui-navbar-titles-notched-light");
    controller->define("dismissVC");
    controller->define("saveChanges");
    auto cancel = titles->leftTitleButton();
    ui.window->sendTouch(TouchPhase::began, cancel->convertToWindow(cancel->bounds().center()));
    EXPECT_EQ(cancel->currentTitleColor(), kAccent.withAlpha(0.5)) << "half opacity while held";
    ui.window->sendTouch(TouchPhase::ended, {200, 500});
    EXPECT_TRUE(controller->performed.empty());
    ui.tap("Cancel");
    ui.tap("Done");
    EXPECT_EQ(controller->performed, (std::vector<std::string>{"dismissVC", "saveChanges"}));
}

}  // namespace

}  // namespace kelvora
