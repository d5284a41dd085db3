#include "platform/foundation/PlistPrecheck.h"

#include <algorithm>

namespace foundation {

namespace {

constexpr std::string_view binaryMagic = "bplist00";
constexpr std::size_t notFound = std::string_view::npos;

std::size_t after(std::size_t found, std::size_t length) {
    return found == notFound ? notFound : found + length;
}

// Where `wanted` first starts at or after `from`, or one of its characters when `anyOf`,
// reading double-quoted text as opaque, as the parser does inside a tag, a processing
// instruction and a document type. Single quotes mean nothing to it, and a quote left open
// runs to the end.
std::size_t outsideQuotes(std::string_view text, std::size_t from, std::string_view wanted,
                          bool anyOf) {
    for (std::size_t at = from; at < text.size(); ++at) {
        bool found =
            anyOf ? wanted.find(text[at]) != notFound : text.substr(at).starts_with(wanted);
        if (found) {
            return at;
        }
        if (text[at] == '"') {
            at = text.find('"', at + 1);
            if (at == notFound) {
                return notFound;
            }
        }
    }
    return notFound;
}

// Follows the tags of an XML property list the way the parser underneath reads them,
// counting how deep its arrays and dictionaries go. Wherever that parser would give up on
// the text the scan carries on regardless: what follows never reaches the parser, so
// counting it can only make the check stricter, never blind it.
class XmlNesting final {
  public:
    XmlNesting(std::string_view text, int maxDepth) : text_(text), maxDepth_(maxDepth) {}

    bool within();

  private:
    // Each returns where the scan resumes, or notFound at the end of the text.
    std::size_t afterMarkup(std::size_t at) const;
    std::size_t afterDocumentType(std::size_t from) const;
    std::size_t afterTag(std::size_t at);

    std::string_view text_;
    int maxDepth_;
    int depth_ = 0;
};

bool XmlNesting::within() {
    std::size_t at = text_.find('<');
    while (at != notFound && depth_ <= maxDepth_) {
        bool markup = at + 1 < text_.size() && (text_[at + 1] == '!' || text_[at + 1] == '?');
        std::size_t resume = markup ? afterMarkup(at) : afterTag(at);
        at = resume == notFound ? notFound : text_.find('<', resume);
    }
    return depth_ <= maxDepth_;
}

// A comment's end is looked for only after its opening "<!--", so "<!-->" does not end it.
std::size_t XmlNesting::afterMarkup(std::size_t at) const {
    std::string_view rest = text_.substr(at);
    if (rest.starts_with("<!--")) {
        return after(text_.find("-->", at + 4), 3);
    }
    if (rest.starts_with("<![CDATA[")) {
        return after(text_.find("]]>", at + 9), 3);
    }
    if (rest.starts_with("<!DOCTYPE")) {
        return afterDocumentType(at + 9);
    }
    if (rest.starts_with("<?")) {
        return after(outsideQuotes(text_, at + 1, "?>", false), 2);
    }
    return at + 2;
}

// A document type ends at its first ">" or, with an internal subset, at "]>".
std::size_t XmlNesting::afterDocumentType(std::size_t from) const {
    std::size_t stop = outsideQuotes(text_, from, "[>", true);
    if (stop == notFound || text_[stop] == '>') {
        return after(stop, 1);
    }
    return after(outsideQuotes(text_, stop, "]>", false), 2);
}

// The name runs to the first space or angle bracket; the tag to the first angle bracket
// outside quotes, and it is empty when a "/" comes just before its ">".
std::size_t XmlNesting::afterTag(std::size_t at) {
    std::size_t nameEnd = text_.find_first_of(" \r\n\t<>", at + 1);
    if (nameEnd == notFound) {
        return notFound;
    }
    std::size_t close = text_[nameEnd] == '>' ? nameEnd : outsideQuotes(text_, nameEnd, "<>", true);
    if (close == notFound || text_[close] == '<') {
        return close;
    }
    bool empty = text_[close - 1] == '/';
    std::string_view name =
        text_.substr(at + 1, std::min(nameEnd, empty ? close - 1 : close) - at - 1);
    // The parser takes its first container as the parent of what follows even when the
    // tag is empty, so an empty one with nothing around it opens a level too.
    if ((name == "array" || name == "dict") && (!empty || depth_ == 0)) {
        ++depth_;
    } else if (name == "/array" || name == "/dict") {
        depth_ = std::max(depth_ - 1, 0);
    }
    return close + 1;
}

}  // namespace

bool PlistPrecheck::acceptable(std::string_view bytes, int maxDepth) {
    if (bytes.starts_with(binaryMagic)) {
        return binaryWithin(bytes, maxDepth);
    }
    return bytes.find('\0') == std::string_view::npos && xmlWithin(bytes, maxDepth);
}

bool PlistPrecheck::xmlWithin(std::string_view bytes, int maxDepth) {
    return XmlNesting(bytes, maxDepth).within();
}

}  // namespace foundation
