#include "platform/host/ScriptRunner.h"

#include <algorithm>

#include "platform/kit/ViewFinder.h"

namespace host {

namespace {

using Kind = ScriptStep::Kind;

bool matches(const std::string& shown, const std::string& wanted, bool partial) {
    return partial ? shown.find(wanted) != std::string::npos : shown == wanted;
}

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

}  // namespace

ScriptRunner::ScriptRunner(std::shared_ptr<kit::Window> window, Screenshot screenshot)
    : driver_(std::move(window)), screenshot_(std::move(screenshot)) {}

std::optional<std::string> ScriptRunner::play(const Script& script) {
    for (const auto& step : script.steps()) {
        auto result = run(step);
        driver_.settle();
        if (observer_) {
            observer_();
        }
        if (!result) {
            return report(step, result.error());
        }
    }
    return std::nullopt;
}

foundation::Result<void> ScriptRunner::run(const ScriptStep& step) {
    switch (step.kind) {
        case Kind::tap:
        case Kind::longPress:
            return tap(step);
        case Kind::type:
            return driver_.type(step.text);
        case Kind::key:
            return driver_.press(step.key);
        case Kind::wait:
            driver_.wait(step.seconds);
            return {};
        case Kind::expect:
            return expect(step, true);
        case Kind::expectNo:
            return expect(step, false);
        case Kind::expectOrder:
            return expectOrder(step);
        case Kind::screenshot:
            return screenshot_(step.text);
    }
    return {};
}

// The driver takes an exact match before a partial one, so an exact step is refused only
// when what is on screen shows the text merely as a part of a longer one.
foundation::Result<void> ScriptRunner::tap(const ScriptStep& step) {
    if (!step.partial && !shows(step.text, false) && shows(step.text, true)) {
        return foundation::Error{"No visible view shows " + quoted(step.text) +
                                 " exactly (add ~ to match a part)"};
    }
    return step.kind == Kind::tap ? driver_.tap(step.text) : driver_.longPress(step.text);
}

bool ScriptRunner::shows(const std::string& text, bool partial) const {
    auto visible = kit::ViewFinder(driver_.window()).visibleTexts(kit::ViewFinder::Reach::onScreen);
    return std::any_of(visible.begin(), visible.end(), [&](const kit::ViewFinder::Found& found) {
        return std::any_of(found.texts.begin(), found.texts.end(),
                           [&](const std::string& shown) { return matches(shown, text, partial); });
    });
}

foundation::Result<void> ScriptRunner::expect(const ScriptStep& step, bool shown) const {
    if (shows(step.text, step.partial) == shown) {
        return {};
    }
    std::string what = (step.partial ? "a text containing " : "") + quoted(step.text);
    return foundation::Error{shown ? "Nothing on screen shows " + what
                                   : "The screen still shows " + what};
}

foundation::Result<void> ScriptRunner::expectOrder(const ScriptStep& step) const {
    auto texts = driver_.textsOnScreen();
    auto from = texts.begin();
    for (const auto& wanted : step.order) {
        if (std::find(texts.begin(), texts.end(), wanted) == texts.end()) {
            return foundation::Error{"Nothing on screen shows " + quoted(wanted)};
        }
        auto at = std::find(from, texts.end(), wanted);
        if (at == texts.end()) {
            return foundation::Error{quoted(wanted) + " comes before the text it should follow"};
        }
        from = at + 1;
    }
    return {};
}

std::string ScriptRunner::report(const ScriptStep& step, const foundation::Error& error) const {
    std::string text = "line " + std::to_string(step.line) + ": " + step.source + "\n  " +
                       error.description + "\n  on screen:";
    for (const auto& shown : driver_.textsOnScreen()) {
        text += "\n    " + shown;
    }
    return text + "\n";
}

}  // namespace host
