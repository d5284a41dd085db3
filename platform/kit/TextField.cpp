#include "platform/kit/TextField.h"

#include <pango/pango.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace kit {

namespace {

// Keeps typed or pasted text on one line and valid: bad bytes become U+FFFD, line breaks
// and tabs become spaces, other control characters go.
std::string singleLine(std::string_view typed) {
    gchar* valid = g_utf8_make_valid(typed.data(), static_cast<gssize>(typed.size()));
    std::string line;
    for (const char* at = valid; *at != '\0'; ++at) {
        auto byte = static_cast<unsigned char>(*at);
        if (byte == '\n' || byte == '\r' || byte == '\t') {
            line += ' ';
        } else if (byte >= 0x20 && byte != 0x7F) {
            line += *at;
        }
    }
    g_free(valid);
    return line;
}

// Where the last character begins, counting an emoji sequence or a letter with its accents
// as one character, as a keyboard's delete key does.
std::size_t startOfLastCharacter(const std::string& text) {
    if (!g_utf8_validate(text.data(), static_cast<gssize>(text.size()), nullptr)) {
        return text.size() - 1;
    }
    auto characters = static_cast<std::size_t>(g_utf8_strlen(text.data(), -1));
    std::vector<PangoLogAttr> attributes(characters + 1);
    pango_get_log_attrs(text.data(), static_cast<int>(text.size()), -1,
                        pango_language_get_default(), attributes.data(),
                        static_cast<int>(attributes.size()));
    std::size_t last = characters - 1;
    while (last > 0 && !attributes[last].is_cursor_position) {
        --last;
    }
    return static_cast<std::size_t>(g_utf8_offset_to_pointer(text.data(), long(last)) -
                                    text.data());
}

}  // namespace

void TextField::setText(std::string text) {
    text_ = std::move(text);
    invalidateIntrinsicContentSize();
    setNeedsDisplay();
}

void TextField::setPlaceholder(std::string placeholder) {
    placeholder_ = std::move(placeholder);
    invalidateIntrinsicContentSize();
    setNeedsDisplay();
}

void TextField::setFont(Font font) {
    font_ = font;
    invalidateIntrinsicContentSize();
    setNeedsDisplay();
}

void TextField::setTextColor(Color color) {
    textColor_ = color;
    setNeedsDisplay();
}

void TextField::setTextAlignment(TextAlignment alignment) {
    alignment_ = alignment;
    setNeedsDisplay();
}

void TextField::setClearButtonMode(TextFieldViewMode mode) {
    clearButtonMode_ = mode;
    setNeedsDisplay();
}

bool TextField::isClearButtonShown() const {
    if (text_.empty()) {
        return false;
    }
    switch (clearButtonMode_) {
        case TextFieldViewMode::whileEditing:
            return editing_;
        case TextFieldViewMode::unlessEditing:
            return !editing_;
        case TextFieldViewMode::always:
            return true;
        case TextFieldViewMode::never:
            break;
    }
    return false;
}

bool TextField::becomeFirstResponder() {
    if (editing_) {
        return true;
    }
    auto keep = sharedSelf(this);
    auto delegate = delegate_.lock();
    if (delegate && !delegate->textFieldShouldBeginEditing(keep)) {
        return false;
    }
    if (!View::becomeFirstResponder()) {
        return false;
    }
    editing_ = true;
    setNeedsDisplay();
    if (auto current = delegate_.lock()) {
        current->textFieldDidBeginEditing(keep);
    }
    return true;
}

// The window calls back here when it hands first responder to another view, by which time
// editing has already ended, so that call only has the base class to run.
bool TextField::resignFirstResponder() {
    if (!editing_) {
        return View::resignFirstResponder();
    }
    auto keep = sharedSelf(this);
    editing_ = false;
    View::resignFirstResponder();
    setNeedsDisplay();
    if (auto delegate = delegate_.lock()) {
        delegate->textFieldDidEndEditing(keep);
    }
    return true;
}

void TextField::insertText(std::string_view typed) {
    if (!editing_ || typed.empty()) {
        return;
    }
    if (typed == "\n" || typed == "\r") {
        if (auto delegate = delegate_.lock()) {
            delegate->textFieldShouldReturn(sharedSelf(this));
        }
        return;
    }
    if (replace(TextRange{text_.size(), 0}, singleLine(typed))) {
        sendActionsForControlEvents(ControlEvents::editingChanged);
    }
}

void TextField::deleteBackward() {
    if (!editing_ || text_.empty()) {
        return;
    }
    std::size_t start = startOfLastCharacter(text_);
    if (replace(TextRange{start, text_.size() - start}, std::string())) {
        sendActionsForControlEvents(ControlEvents::editingChanged);
    }
}

void TextField::clearText() {
    if (text_.empty()) {
        return;
    }
    if (replace(TextRange{0, text_.size()}, std::string())) {
        sendActionsForControlEvents(ControlEvents::editingChanged);
    }
}

bool TextField::replace(TextRange range, const std::string& replacement) {
    if (range.length == 0 && replacement.empty()) {
        return false;
    }
    if (auto delegate = delegate_.lock();
        delegate && !delegate->textField(sharedSelf(this), range, replacement)) {
        return false;
    }
    // A delegate may have set another text while it was asked; the range no longer applies.
    if (range.location + range.length > text_.size()) {
        return false;
    }
    text_.replace(range.location, range.length, replacement);
    invalidateIntrinsicContentSize();
    setNeedsDisplay();
    return true;
}

// The 19-point circle sits 6 points in from the trailing edge; the area that takes its tap
// has 6 points around it and the field's full height, so that it is easy to hit.
Rect TextField::clearButtonRect() const {
    Rect area = bounds();
    return {area.maxX() - 31, area.minY(), 31, area.height()};
}

Size TextField::intrinsicContentSize() const {
    double width = std::max(font_.sizeOfText(text_).width, font_.sizeOfText(placeholder_).width);
    return {std::ceil(width), std::ceil(font_.lineHeight())};
}

// A tap on a shown clear button clears; any other tap starts editing.
void TextField::touchEndedInside(const Touch& touch) {
    if (isClearButtonShown() && clearButtonRect().contains(touch.locationIn(*this))) {
        clearText();
        return;
    }
    becomeFirstResponder();
}

}  // namespace kit
