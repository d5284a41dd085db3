#pragma once

#include "platform/kit/TextField.h"
#include "platform/render/Canvas.h"

namespace render {

// A text field's one line: its text, or its placeholder in the placeholder gray when the
// text is empty, centred vertically; while editing, a caret in the tint colour after the
// text, whose end stays in view when the text is wider than the field. The clear button,
// when shown, is a gray circled cross at the trailing end.
class TextFieldDrawer final {
  public:
    static void draw(const Canvas& canvas, const kit::TextField& field);
};

}  // namespace render
