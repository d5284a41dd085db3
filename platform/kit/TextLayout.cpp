#include "platform/kit/TextLayout.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "platform/kit/FontConfiguration.h"

namespace kit {

namespace {

constexpr std::string_view ellipsis = "\u2026";

// One Pango context for all measuring, made from an image surface so that no display is
// needed. Hinting is off so that widths do not snap to device pixels.
PangoContext* measuringContext() {
    static PangoContext* context = [] {
        TextLayout::fontMap();
        cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1);
        cairo_t* cairo = cairo_create(surface);
        PangoContext* made = pango_cairo_create_context(cairo);
        cairo_font_options_t* fontOptions = cairo_font_options_create();
        cairo_font_options_set_hint_metrics(fontOptions, CAIRO_HINT_METRICS_OFF);
        cairo_font_options_set_hint_style(fontOptions, CAIRO_HINT_STYLE_NONE);
        pango_cairo_context_set_font_options(made, fontOptions);
        pango_context_set_round_glyph_positions(made, FALSE);
        cairo_font_options_destroy(fontOptions);
        cairo_destroy(cairo);
        cairo_surface_destroy(surface);
        return made;
    }();
    return context;
}

PangoWeight pangoWeight(FontWeight weight) {
    switch (weight) {
        case FontWeight::medium:
            return PANGO_WEIGHT_MEDIUM;
        case FontWeight::semibold:
            return PANGO_WEIGHT_SEMIBOLD;
        case FontWeight::bold:
            return PANGO_WEIGHT_BOLD;
        case FontWeight::regular:
            break;
    }
    return PANGO_WEIGHT_NORMAL;
}

PangoLayout* newPlainLayout(const Font& font) {
    PangoLayout* layout = pango_layout_new(measuringContext());
    PangoFontDescription* description = pango_font_description_new();
    pango_font_description_set_family(description, font.familyName().c_str());
    pango_font_description_set_weight(description, pangoWeight(font.weight()));
    pango_font_description_set_absolute_size(description, font.pointSize() * PANGO_SCALE);
    pango_layout_set_font_description(layout, description);
    pango_font_description_free(description);
    return layout;
}

// The height of one line in the font itself, in Pango units, measured once per font.
int ownLineHeight(const Font& font) {
    static std::map<std::tuple<std::string, FontWeight, double>, int> measured;
    auto key = std::make_tuple(font.familyName(), font.weight(), font.pointSize());
    auto found = measured.find(key);
    if (found != measured.end()) {
        return found->second;
    }
    PangoLayout* probe = newPlainLayout(font);
    pango_layout_set_text(probe, "X", 1);
    PangoRectangle logical;
    pango_layout_get_extents(probe, nullptr, &logical);
    g_object_unref(probe);
    measured.emplace(key, logical.height);
    return logical.height;
}

// Every line is as tall as a line of the font itself: a character drawn from a fallback font
// (another script, an emoji, a replacement mark) must not make its line taller than its
// neighbours, or one name would shift a whole list.
PangoLayout* newLayout(const Font& font) {
    PangoLayout* layout = newPlainLayout(font);
    PangoAttrList* attributes = pango_attr_list_new();
    pango_attr_list_insert(attributes, pango_attr_line_height_new_absolute(ownLineHeight(font)));
    pango_layout_set_attributes(layout, attributes);
    pango_attr_list_unref(attributes);
    return layout;
}

PangoAlignment pangoAlignment(TextAlignment alignment) {
    switch (alignment) {
        case TextAlignment::center:
            return PANGO_ALIGN_CENTER;
        case TextAlignment::right:
            return PANGO_ALIGN_RIGHT;
        case TextAlignment::natural:
        case TextAlignment::left:
            break;
    }
    return PANGO_ALIGN_LEFT;
}

std::string validUtf8(std::string_view text) {
    gchar* valid = g_utf8_make_valid(text.data(), static_cast<gssize>(text.size()));
    std::string result(valid);
    g_free(valid);
    return result;
}

std::optional<int> pangoWidth(const std::optional<double>& width) {
    if (!width || std::isnan(*width)) {
        return std::nullopt;
    }
    double clamped = std::clamp(*width, 0.0, 1e6);
    return static_cast<int>(std::floor(clamped * PANGO_SCALE));
}

int unwrappedWidth(PangoLayout* scratch, const std::string& text) {
    pango_layout_set_text(scratch, text.data(), static_cast<int>(text.size()));
    PangoRectangle logical;
    pango_layout_get_extents(scratch, nullptr, &logical);
    return logical.width;
}

void trimTrailingSpaces(std::string& text) {
    while (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
}

// Far more than the labels of a screen and those it slides to; few enough to keep small.
constexpr std::size_t sharedLayoutLimit = 1024;

// What a layout depends on, as one string: the text last, so no field can run into another.
std::string sharedLayoutKey(std::string_view text, const Font& font,
                            const TextLayout::Options& options) {
    std::string key;
    key.reserve(text.size() + 64);
    key += std::to_string(static_cast<int>(font.weight())) + ' ' +
           std::to_string(font.pointSize()) + ' ' +
           (options.width ? std::to_string(*options.width) : "-") + ' ' +
           std::to_string(options.maximumNumberOfLines) + ' ' +
           std::to_string(static_cast<int>(options.lineBreakMode)) + ' ' +
           std::to_string(static_cast<int>(options.alignment)) + ' ';
    key += text;
    return key;
}

}  // namespace

PangoFontMap* TextLayout::fontMap() {
    static PangoFontMap* map = [] {
        FontConfiguration::install();
        return pango_cairo_font_map_get_default();
    }();
    return map;
}

std::shared_ptr<const TextLayout> TextLayout::shared(std::string_view text, const Font& font,
                                                     const Options& options) {
    static std::unordered_map<std::string, std::shared_ptr<const TextLayout>> layouts;
    std::string key = sharedLayoutKey(text, font, options);
    if (auto found = layouts.find(key); found != layouts.end()) {
        return found->second;
    }
    if (layouts.size() >= sharedLayoutLimit) {
        layouts.clear();
    }
    auto made = std::make_shared<const TextLayout>(text, font, options);
    layouts.emplace(std::move(key), made);
    return made;
}

TextLayout::TextLayout(std::string_view text, const Font& font, Options options)
    : layout_(newLayout(font)), lineHeight_(ownLineHeight(font)) {
    pango_layout_set_alignment(layout_, pangoAlignment(options.alignment));
    std::optional<int> width = pangoWidth(options.width);
    bool wraps = width && options.maximumNumberOfLines != 1;
    pango_layout_set_width(layout_, wraps ? *width : -1);
    pango_layout_set_wrap(layout_, PANGO_WRAP_WORD_CHAR);
    std::string valid = validUtf8(text);
    setText(valid);
    limitLines(valid, options);
    measure(options);
}

TextLayout::~TextLayout() {
    g_object_unref(layout_);
}

int TextLayout::numberOfLines() const {
    return shownText_.empty() ? 0 : pango_layout_get_line_count(layout_);
}

std::string TextLayout::describeUsedFont() const {
    PangoLayoutIter* iterator = pango_layout_get_iter(layout_);
    PangoLayoutRun* run = pango_layout_iter_get_run_readonly(iterator);
    std::string described;
    if (run != nullptr) {
        PangoFontDescription* used = pango_font_describe(run->item->analysis.font);
        char* text = pango_font_description_to_string(used);
        described = text;
        g_free(text);
        pango_font_description_free(used);
    }
    pango_layout_iter_free(iterator);
    return described;
}

double TextLayout::lineHeight(const Font& font) {
    return static_cast<double>(ownLineHeight(font)) / PANGO_SCALE;
}

void TextLayout::setText(const std::string& text) {
    shownText_ = text;
    pango_layout_set_text(layout_, text.data(), static_cast<int>(text.size()));
}

// Cuts the text after the last line allowed. The lines before it end where they ended in
// the full layout: a line break goes where the cut was, so a shorter last line cannot move
// up onto them. The last line holds the rest of the text with its line breaks as spaces,
// shortened with an ellipsis only when it does not fit.
void TextLayout::limitLines(const std::string& text, const Options& options) {
    int limit = options.maximumNumberOfLines;
    std::optional<int> width = pangoWidth(options.width);
    bool tooManyLines = limit > 0 && pango_layout_get_line_count(layout_) > limit;
    PangoRectangle logical;
    pango_layout_get_extents(layout_, nullptr, &logical);
    bool tooWide = limit == 1 && width && logical.width > *width;
    bool truncatesTail = options.lineBreakMode == LineBreakMode::byTruncatingTail;
    if (!tooManyLines && !(tooWide && truncatesTail)) {
        return;
    }
    PangoLayoutLine* last = pango_layout_get_line_readonly(layout_, std::max(limit, 1) - 1);
    std::string prefix = text.substr(0, static_cast<std::size_t>(last->start_index));
    if (!prefix.empty() && prefix.back() != '\n') {
        // A space left before the break would count towards the line's width and wrap it.
        trimTrailingSpaces(prefix);
        prefix += '\n';
    }
    std::string rest = text.substr(static_cast<std::size_t>(last->start_index));
    if (truncatesTail) {
        std::replace_if(
            rest.begin(), rest.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
        std::string fitted = fitLastLine(rest, options);
        truncated_ = fitted != rest;
        rest = fitted;
    } else {
        rest.resize(static_cast<std::size_t>(last->length));
        truncated_ = true;
    }
    setText(prefix + rest);
}

// The longest start of `rest` that fits the width on one line with an ellipsis after it,
// cut only where a cursor may stand so that no character or emoji is split; `rest` itself
// when it fits whole.
std::string TextLayout::fitLastLine(const std::string& rest, const Options& options) const {
    std::optional<int> width = pangoWidth(options.width);
    PangoLayout* scratch = pango_layout_copy(layout_);
    pango_layout_set_width(scratch, -1);
    if (!width || unwrappedWidth(scratch, rest) <= *width) {
        g_object_unref(scratch);
        return rest;
    }
    pango_layout_set_text(scratch, rest.data(), static_cast<int>(rest.size()));
    int attributeCount = 0;
    const PangoLogAttr* attributes = pango_layout_get_log_attrs_readonly(scratch, &attributeCount);
    std::vector<std::size_t> cuts;
    const char* start = rest.c_str();
    const char* position = start;
    for (int index = 0; index < attributeCount; ++index) {
        if (attributes[index].is_cursor_position) {
            cuts.push_back(static_cast<std::size_t>(position - start));
        }
        position = g_utf8_next_char(position);
    }
    auto fits = [&](std::size_t cut) {
        std::string candidate = rest.substr(0, cut);
        trimTrailingSpaces(candidate);
        return unwrappedWidth(scratch, candidate + std::string(ellipsis)) <= *width;
    };
    auto best = std::partition_point(cuts.begin(), cuts.end(), fits);
    std::string fitted = rest.substr(0, best == cuts.begin() ? 0 : *(best - 1));
    g_object_unref(scratch);
    trimTrailingSpaces(fitted);
    return fitted + std::string(ellipsis);
}

void TextLayout::measure(const Options& options) {
    if (shownText_.empty()) {
        size_ = Size{0, 0};
        return;
    }
    PangoRectangle logical;
    pango_layout_get_extents(layout_, nullptr, &logical);
    double width = static_cast<double>(logical.width) / PANGO_SCALE;
    if (options.width && !std::isnan(*options.width)) {
        width = std::min(width, std::max(*options.width, 0.0));
    }
    // Runs of a fallback font sit on the baseline with their own ascent, so the union of a
    // line's runs may poke out a fraction past the fixed line height; the line still counts
    // as one line.
    const int lines = pango_layout_get_line_count(layout_);
    size_ = Size{width, static_cast<double>(lines * lineHeight_) / PANGO_SCALE};
}

}  // namespace kit

// Fontconfig keeps the font patterns it loads until the process ends and never frees them,
// so the leak checker of a sanitized build would fail every program that lays out text.
// Only that library is excused, and only in such builds.
#if defined(__SANITIZE_ADDRESS__)
#define KELVORA_LEAK_CHECKED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KELVORA_LEAK_CHECKED 1
#endif
#endif

#ifdef KELVORA_LEAK_CHECKED
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
extern "C" const char* __lsan_default_options() {
    return "print_suppressions=0";
}
#endif
