#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/kit/Button.h"
#include "platform/kit/Driver.h"
#include "platform/kit/Label.h"
#include "platform/kit/ScrollView.h"
#include "platform/kit/TableView.h"
#include "platform/kit/TextField.h"
#include "platform/kit/Toolbar.h"
#include "tests/platform/kit/KitScreen.h"

using kit::Button;
using kit::ControlEvents;
using kit::ControlState;
using kit::Key;
using kit::Label;
using kit::Rect;

namespace {

// Thirty files, each row read out by its name, recording which are chosen.
class Files final : public kit::TableViewDataSource, public kit::TableViewDelegate {
  public:
    std::int64_t numberOfRows(kit::TableView&, std::int64_t) override { return 30; }
    std::shared_ptr<kit::TableViewCell> cellForRow(kit::TableView& table,
                                                   kit::IndexPath path) override {
        auto cell = table.dequeueReusableCell("Cell", path);
        cell->setAccessibilityLabel("File " + std::to_string(path.row));
        return cell;
    }
    std::optional<double> heightForRow(kit::TableView&, kit::IndexPath) override { return 70; }
    void didSelectRow(kit::TableView&, kit::IndexPath path) override {
        selectedRows.push_back(path.row);
    }

    std::vector<std::int64_t> selectedRows;
};

// A text field at the top, twenty rows of buttons in a scroll view and a symbol-only button.
class DriverTest : public kittest::DrivenTest {
  protected:
    void SetUp() override {
        field->setPlaceholder("Setup name...");
        field->setFrame({10, 60, 370, 40});
        view->addSubview(field);
        scroll->setClipsToBounds(true);
        scroll->setContentSize({390, 20 * 50});
        view->addSubview(scroll);
        for (int row = 0; row < 20; ++row) {
            addButton("Row " + std::to_string(row), {0, row * 50.0, 390, 50}, scroll);
        }
        addButton("", {300, 700, 44, 44}, view)
            ->setImage(kit::Image::systemImageNamed("goforward"), ControlState::normal);
        show(screen);
    }

    std::shared_ptr<Button> addButton(const std::string& title, Rect frame,
                                      const std::shared_ptr<kit::View>& parent) {
        auto button = Button::buttonWithType(kit::ButtonType::system);
        button->setTitle(title, ControlState::normal);
        button->setFrame(frame);
        button->addAction([this, title](const auto&) { tapped.push_back(title); },
                          ControlEvents::touchUpInside);
        parent->addSubview(button);
        return button;
    }

    std::shared_ptr<Label> addLabel(const std::string& text, Rect frame,
                                    const std::shared_ptr<kit::View>& parent = nullptr) {
        auto label = std::make_shared<Label>();
        label->setText(text);
        label->setFrame(frame);
        (parent ? parent : view)->addSubview(label);
        return label;
    }

    std::shared_ptr<kit::ViewController> screen = std::make_shared<kit::ViewController>();
    std::shared_ptr<kit::View> view = screen->view();
    std::shared_ptr<kit::TextField> field = std::make_shared<kit::TextField>();
    std::shared_ptr<kit::ScrollView> scroll =
        std::make_shared<kit::ScrollView>(Rect{0, 110, 390, 400});
    std::vector<std::string> tapped;
};

TEST_F(DriverTest, TapsScrollingJustFarEnoughThroughEveryScrollViewThatCanMove) {
    // A grid laid out at its full height inside the scrolling list, as the form's icons are.
    auto inner = std::make_shared<kit::ScrollView>(Rect{0, 1000, 390, 300});
    inner->setContentSize({390, 300});
    inner->setScrollEnabled(false);
    addButton("Deep", {0, 250, 390, 50}, inner);
    scroll->addSubview(inner);
    driver->settle();

    ASSERT_TRUE(driver->tap("Row 2").ok());
    EXPECT_EQ(scroll->contentOffset().y, 0) << "a row on screen needs no scrolling";
    ASSERT_TRUE(driver->tap("Row 15").ok());
    // Scrolled just far enough for the row's bottom to reach the view's bottom.
    EXPECT_DOUBLE_EQ(scroll->contentOffset().y, 16 * 50 - 400);
    scroll->setContentSize({390, 1300});
    ASSERT_TRUE(driver->tap("Deep").ok());
    EXPECT_EQ(inner->contentOffset().y, 0);
    EXPECT_DOUBLE_EQ(scroll->contentOffset().y, 1300 - 400);
    ASSERT_TRUE(driver->tap("goforward").ok()) << "a symbol-only control by its symbol";
    EXPECT_EQ(tapped, (std::vector<std::string>{"Row 2", "Row 15", "Deep", ""}));

    auto missing = driver->tap("Row 99");
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error().description, "No visible view shows \"Row 99\"");
}

TEST_F(DriverTest, TapsAListRowThatHasNoCellUntilTheListIsScrolled) {
    auto files = std::make_shared<Files>();
    auto table = std::make_shared<kit::TableView>(window->bounds());
    table->registerCell("Cell", [] { return kit::TableViewCell::make("Cell"); });
    table->setDataSource(files);
    table->setDelegate(files);
    view->addSubview(table);
    driver->settle();
    EXPECT_FALSE(driver->isShowing("File 20")) << "rows off screen have no cells";

    ASSERT_TRUE(driver->tap("File 3").ok());
    ASSERT_TRUE(driver->tap("File 20").ok());
    EXPECT_EQ(files->selectedRows, (std::vector<std::int64_t>{3, 20}));
    EXPECT_GT(table->contentOffset().y, 0);
    double offset = table->contentOffset().y;
    EXPECT_FALSE(driver->tap("File 99").ok());
    EXPECT_DOUBLE_EQ(table->contentOffset().y, offset) << "a failed search scrolls back";
}

TEST_F(DriverTest, FindsOnlyWhatAPersonSeesAndExactTextsFirst) {
    EXPECT_EQ(driver->find("Row 1"), scroll->subviews()[1]) << "not Row 10 to 19";
    EXPECT_NE(driver->find("ow 1"), nullptr);
    // Reading order is the alert sheet's and tab bar's; here, rows 0 to 7 show in the
    // 400-point scroll view, and row 8, starting at its bottom edge, does not.
    auto texts = driver->textsOnScreen();
    EXPECT_EQ(texts, (std::vector<std::string>{"Setup name...", "Row 0", "Row 1", "Row 2", "Row 3",
                                               "Row 4", "Row 5", "Row 6", "Row 7", "goforward"}));

    addLabel("Hidden", {10, 600, 100, 20})->setHidden(true);
    addLabel("Faded", {10, 620, 100, 20})->setAlpha(0);
    addLabel("Off screen", {500, 620, 100, 20});
    addLabel("Covered", {10, 640, 100, 20});
    auto lid = std::make_shared<kit::View>(Rect{0, 630, 390, 40});
    lid->setBackgroundColor(kit::Color::whiteColor());
    view->addSubview(lid);
    auto parent = std::make_shared<kit::View>(Rect{0, 670, 10, 10});
    parent->setClipsToBounds(true);
    view->addSubview(parent);
    addLabel("Clipped", {50, 0, 100, 20}, parent);
    driver->settle();
    for (const char* text : {"Hidden", "Faded", "Off screen", "Covered", "Clipped"}) {
        EXPECT_FALSE(driver->isShowing(text)) << text;
        EXPECT_FALSE(driver->tap(text).ok()) << text;
    }
    lid->setAlpha(0.5);
    driver->settle();
    EXPECT_TRUE(driver->isShowing("Covered")) << "a see-through view does not hide it";
}

// Typing, deleting, leaving a field and waiting to the hundredth of a second are the
// create-Setup road's; here, what fails when nothing is edited and where the keyboard's bar
// stands.
TEST_F(DriverTest, KeysNeedAFieldBeingEditedWhoseKeyboardBarShowsOnlyMeanwhile) {
    auto bar = kit::Toolbar::make();
    bar->setItems({kit::BarButtonItem::withSystemItem(kit::BarButtonSystemItem::done, {}, "")});
    field->setInputAccessoryView(bar);
    EXPECT_FALSE(driver->isShowing("Done"));
    EXPECT_FALSE(driver->type("x").ok()) << "nothing is being edited yet";

    ASSERT_TRUE(driver->tap("Setup name...").ok());
    ASSERT_TRUE(driver->type("Work").ok());
    EXPECT_TRUE(driver->isShowing("Work"));
    EXPECT_FALSE(driver->isShowing("Setup name..."));
    ASSERT_TRUE(driver->isShowing("Done"));
    EXPECT_DOUBLE_EQ(bar->frame().maxY(), 844 - 34);
    ASSERT_TRUE(driver->press(Key::escape).ok());
    EXPECT_FALSE(field->isFirstResponder());
    EXPECT_FALSE(driver->isShowing("Done")) << "the bar leaves with the keyboard";
    EXPECT_FALSE(driver->press(Key::returnKey).ok());
}

}  // namespace
