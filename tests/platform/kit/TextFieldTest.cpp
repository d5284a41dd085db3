#include "platform/kit/TextField.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/platform/kit/KitScreen.h"

namespace {

using kit::ControlEvents;
using kit::TextField;
using kit::TextRange;

// Answers as the test sets it up; Return ends editing, as the app's fields do.
class Delegate final : public kit::TextFieldDelegate {
  public:
    bool textFieldShouldBeginEditing(const std::shared_ptr<TextField>&) override {
        return allowBegin;
    }
    void textFieldDidEndEditing(const std::shared_ptr<TextField>&) override { ++ended; }
    bool textFieldShouldReturn(const std::shared_ptr<TextField>& field) override {
        return field->resignFirstResponder();
    }
    bool textField(const std::shared_ptr<TextField>& field, TextRange range,
                   std::string_view replacement) override {
        lastRange = range;
        if (replaceWholeTextWhenAsked) {
            field->setText("x");
        }
        return replacement.find('!') == std::string_view::npos;
    }

    TextRange lastRange{};
    int ended = 0;
    bool allowBegin = true;
    bool replaceWholeTextWhenAsked = false;
};

struct Form {
    kittest::KitScreen screen;
    std::shared_ptr<TextField> field = std::make_shared<TextField>();
    std::shared_ptr<Delegate> delegate = std::make_shared<Delegate>();
    int editingChanges = 0;

    Form() {
        field->setFrame(kit::Rect(10, 100, 300, 45));
        screen.root->addSubview(field);
        field->setDelegate(delegate);
        field->addAction([this](const auto&) { ++editingChanges; }, ControlEvents::editingChanged);
    }
};

TEST(TextField, TypingWhileEditingReportsEachChangeTheDelegateAllows) {
    Form form;
    form.delegate->allowBegin = false;
    form.screen.tap({50, 120});
    EXPECT_FALSE(form.field->isEditing());
    form.field->insertText("ignored");
    EXPECT_EQ(form.field->text(), "") << "nothing is typed before editing begins";

    form.delegate->allowBegin = true;
    form.screen.tap({50, 120});
    ASSERT_TRUE(form.field->isEditing());
    form.field->insertText("Da");
    form.field->insertText("rk!");
    form.field->insertText("rk");
    form.field->deleteBackward();
    EXPECT_EQ(form.field->text(), "Dar");
    EXPECT_EQ(form.editingChanges, 3);
    EXPECT_EQ(form.delegate->lastRange, (TextRange{3, 1}));
    form.field->setText("From code");
    EXPECT_EQ(form.editingChanges, 3) << "a text set from code is not an edit";

    form.delegate->replaceWholeTextWhenAsked = true;
    form.field->deleteBackward();
    EXPECT_EQ(form.field->text(), "x") << "a range made stale by the delegate is not applied";
}

TEST(TextField, ReturnAsksTheDelegateIfThereIsOneAndInsertsNothing) {
    Form form;
    form.screen.tap({50, 120});
    form.field->insertText("Work");
    form.field->insertText("\n");
    EXPECT_EQ(form.field->text(), "Work");
    EXPECT_EQ(form.editingChanges, 1);
    EXPECT_EQ(form.delegate->ended, 1);
    EXPECT_EQ(form.screen.window->firstResponder(), nullptr);

    // Without its delegate, Return neither inserts nor ends editing.
    form.screen.tap({50, 120});
    form.delegate.reset();
    form.field->insertText("s");
    form.field->insertText("\n");
    EXPECT_EQ(form.field->text(), "Works");
    EXPECT_TRUE(form.field->isEditing());
}

TEST(TextField, DeletingRemovesWholeCharactersAndPastedTextStaysOnOneLine) {
    Form form;
    form.screen.tap({50, 120});
    const std::string family = "\U0001F468\u200D\U0001F469\u200D\U0001F467";
    form.field->insertText("a" + family + "e\u0301");
    form.field->deleteBackward();
    EXPECT_EQ(form.field->text(), "a" + family) << "e with its accent goes at once";
    form.field->deleteBackward();
    EXPECT_EQ(form.field->text(), "a");
    form.field->deleteBackward();
    form.field->deleteBackward();
    EXPECT_EQ(form.field->text(), "");
    EXPECT_EQ(form.editingChanges, 4) << "deleting from an empty field changes nothing";

    form.field->insertText(std::string("one\ntwo\tthree\x01\xff", 16));
    EXPECT_EQ(form.field->text(), "one two three\uFFFD\uFFFD") << "bad bytes and NUL replaced";
}

TEST(TextField, ClearButtonWorksOnlyWhileEditingNonEmptyText) {
    Form form;
    form.field->setClearButtonMode(kit::TextFieldViewMode::whileEditing);
    form.field->setText("Search");
    const kit::Point clearButton{300, 120};
    EXPECT_FALSE(form.field->isClearButtonShown());
    form.screen.tap(clearButton);
    EXPECT_EQ(form.field->text(), "Search") << "the first tap starts editing";
    EXPECT_TRUE(form.field->isClearButtonShown());
    form.screen.tap({50, 120});
    EXPECT_EQ(form.field->text(), "Search");
    form.screen.tap(clearButton);
    EXPECT_EQ(form.field->text(), "");
    EXPECT_FALSE(form.field->isClearButtonShown());
    EXPECT_EQ(form.editingChanges, 1);
}

}  // namespace
