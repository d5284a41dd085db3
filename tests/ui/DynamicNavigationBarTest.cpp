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
const std::string kLongTitle = "A title far too long for any phone screen to show on one line";

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
    void touch(TouchPhase phase, const kit::View& view) const {
        ui.window->sendTouch(phase, view.convertToWindow(view.bounds().center()));
    }

    testsupport::ScreenHarness ui;
    std::shared_ptr<Performer> controller;
};

TEST_F(DynamicNavigationBarTest, EveryVariantLaysOutItsButtonsAndTitle) {
    show(DynamicNavigationBar::initWithTitleAccentLeftTitle("New Setup", kAccent, "Cancel",
                                                            "dismissVC", "Done", "saveChanges"));
    testsupport::expectScreenMatchesGolden(ui.window, "ui-navbar-titles-notched-light");
    show(DynamicNavigationBar::initWithTitleAccentBackIcon("Files", kAccent, "chevron.left",
                                                           "goBack"));
    testsupport::expectScreenMatchesGolden(ui.window, "ui-navbar-back-notched-light");
    // The title keeps 25 points clear of each icon, and an unknown symbol leaves an icon empty.
    show(DynamicNavigationBar::initWithTitleAccentLeftIcon(kLongTitle, kAccent, "xmark",
                                                           "dismissVC", "not a symbol", "save"));
    testsupport::expectScreenMatchesGolden(ui.window, "ui-navbar-icons-notched-light");
    EXPECT_TRUE(ui.log.lines().empty()) << "no constraint was dropped as a conflict";

    // The right-title variant cuts a long title short of its button.
    show(DynamicNavigationBar::initWithTitleAccentRightTitle(kLongTitle, kAccent, "Add",
                                                             "addFiles"));
    testsupport::expectScreenMatchesGolden(ui.window, "ui-navbar-right-notched-light");
}

// Each button sends its own action up the chain, on release over it only.
TEST_F(DynamicNavigationBarTest, ButtonsDimWhileHeldAndActOnlyWhenReleasedOnThem) {
    auto titles = DynamicNavigationBar::initWithTitleAccentLeftTitle(
        "New Setup", kAccent, "Cancel", "dismissVC", "Done", "saveChanges");
    show(titles);
    controller->define("dismissVC");
    controller->define("saveChanges");
    auto cancel = titles->leftTitleButton();
    touch(TouchPhase::began, *cancel);
    EXPECT_EQ(cancel->currentTitleColor(), kAccent.withAlpha(0.5)) << "half opacity while held";
    ui.window->sendTouch(TouchPhase::ended, {200, 500});
    ui.tap("Cancel");
    ui.tap("Done");
    EXPECT_EQ(controller->performed, (std::vector<std::string>{"dismissVC", "saveChanges"}));

    auto bar = DynamicNavigationBar::initWithTitleAccentBackIcon("Files", kAccent, "chevron.left",
                                                                 "goBack");
    show(bar);
    controller->define("goBack");
    auto back = bar->leftIconButton();
    EXPECT_EQ(back->icon()->tintColor(), kAccent);
    for (auto release : {TouchPhase::ended, TouchPhase::cancelled}) {
        touch(TouchPhase::began, *back);
        ui.window->sendTouch(TouchPhase::moved, {300, 600});
        EXPECT_EQ(back->alpha(), 0.5) << "still held, even off the button";
        ui.window->sendTouch(release, {300, 600});
        EXPECT_EQ(back->alpha(), 1);
    }
    EXPECT_TRUE(controller->performed.empty());
    ui.tap("chevron.left");
    EXPECT_EQ(controller->performed, std::vector<std::string>{"goBack"});
}

}  // namespace

}  // namespace kelvora
