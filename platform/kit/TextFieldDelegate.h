#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

namespace kit {

class TextField;

// A span of a text field's text, in bytes of its UTF-8, always on character boundaries.
struct TextRange {
    std::size_t location = 0;
    std::size_t length = 0;
    bool operator==(const TextRange&) const = default;
};

// What a text field asks and tells its delegate. Every operation is optional: the defaults
// allow everything and ignore the news.
class TextFieldDelegate {
  public:
    virtual ~TextFieldDelegate() = default;

    virtual bool textFieldShouldBeginEditing(const std::shared_ptr<TextField>&) { return true; }
    virtual void textFieldDidBeginEditing(const std::shared_ptr<TextField>&) {}
    virtual void textFieldDidEndEditing(const std::shared_ptr<TextField>&) {}
    // Asked when Return is typed; the text field never inserts a line break itself.
    virtual bool textFieldShouldReturn(const std::shared_ptr<TextField>&) { return true; }
    // Asked before typing, deleting or clearing replaces `range` with `replacement`.
    virtual bool textField(const std::shared_ptr<TextField>&, TextRange /*range*/,
                           std::string_view /*replacement*/) {
        return true;
    }
};

}  // namespace kit
