#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/kit/Control.h"
#include "platform/kit/Font.h"
#include "platform/kit/TextFieldDelegate.h"
#include "platform/kit/TextLayout.h"

namespace kit {

enum class TextFieldViewMode { never, whileEditing, unlessEditing, always };
enum class KeyboardType { standard, asciiCapable, numberPad, emailAddress, url };
enum class TextAutocorrectionType { standard, no, yes };

// One line of editable text. A tap makes it the first responder (if its delegate agrees);
// while it is, the host's keyboard types into it through insertText and deleteBackward.
// Typing goes at the end of the text: there is no caret to move. Each change made by typing
// sends editing-changed; a text set from code sends nothing. Return is never inserted: it
// asks the delegate whether to return, and line breaks and tabs in pasted text become spaces.
class TextField final : public Control {
  public:
    TextField() = default;

    const std::string& text() const { return text_; }
    void setText(std::string text);
    const std::string& placeholder() const { return placeholder_; }
    void setPlaceholder(std::string placeholder);
    const Font& font() const { return font_; }
    void setFont(Font font);
    Color textColor() const { return textColor_; }
    void setTextColor(Color color);
    TextAlignment textAlignment() const { return alignment_; }
    void setTextAlignment(TextAlignment alignment);

    TextFieldViewMode clearButtonMode() const { return clearButtonMode_; }
    void setClearButtonMode(TextFieldViewMode mode);
    // Whether the clear button shows now, by its mode, the editing state and the text.
    bool isClearButtonShown() const;
    KeyboardType keyboardType() const { return keyboardType_; }
    void setKeyboardType(KeyboardType type) { keyboardType_ = type; }
    TextAutocorrectionType autocorrectionType() const { return autocorrection_; }
    void setAutocorrectionType(TextAutocorrectionType type) { autocorrection_ = type; }

    std::shared_ptr<TextFieldDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(std::weak_ptr<TextFieldDelegate> delegate) { delegate_ = std::move(delegate); }
    // Shown above the keyboard while the field is the first responder.
    const std::shared_ptr<View>& inputAccessoryView() const { return inputAccessoryView_; }
    void setInputAccessoryView(std::shared_ptr<View> view) {
        inputAccessoryView_ = std::move(view);
    }

    bool isEditing() const { return editing_; }
    bool canBecomeFirstResponder() const override { return isEnabled(); }
    bool becomeFirstResponder() override;
    bool resignFirstResponder() override;

    // The keyboard's input; ignored unless the field is editing.
    void insertText(std::string_view typed);
    void deleteBackward();
    // What a tap on the clear button does.
    void clearText();
    // Where the clear button is, at the trailing end, in the field's coordinates.
    Rect clearButtonRect() const;

    // One line of the text, or of the placeholder when that is wider.
    Size intrinsicContentSize() const override;

  protected:
    void touchEndedInside(const Touch& touch) override;

  private:
    // Asks the delegate, then replaces `range`; true when the text changed.
    bool replace(TextRange range, const std::string& replacement);

    std::string text_;
    std::string placeholder_;
    Font font_ = Font::systemFontOfSize(17);
    Color textColor_ = Color::labelColor();
    TextAlignment alignment_ = TextAlignment::natural;
    TextFieldViewMode clearButtonMode_ = TextFieldViewMode::never;
    KeyboardType keyboardType_ = KeyboardType::standard;
    TextAutocorrectionType autocorrection_ = TextAutocorrectionType::standard;
    std::weak_ptr<TextFieldDelegate> delegate_;
    std::shared_ptr<View> inputAccessoryView_;
    bool editing_ = false;
};

}  // namespace kit
