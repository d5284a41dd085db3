#include "platform/host/Script.h"

#include <cmath>
#include <fstream>
#include <sstream>

namespace host {

namespace {

using Kind = ScriptStep::Kind;

constexpr std::uintmax_t kMaximumScriptBytes = 1 << 20;

std::string trimmed(std::string_view text) {
    auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    auto last = text.find_last_not_of(" \t\r");
    return std::string(text.substr(first, last - first + 1));
}

foundation::Error lineError(int line, const std::string& message) {
    return {"line " + std::to_string(line) + ": " + message};
}

// A target "~TEXT" matches a part of a text.
foundation::Result<void> readTarget(ScriptStep& step, const std::string& argument) {
    step.partial = !argument.empty() && argument.front() == '~';
    step.text = step.partial ? trimmed(argument.substr(1)) : argument;
    if (step.text.empty()) {
        return lineError(step.line, "\"" + step.source + "\" needs a text");
    }
    return {};
}

foundation::Result<void> readSeconds(ScriptStep& step, const std::string& argument) {
    std::istringstream stream(argument);
    double seconds = -1;
    stream >> seconds;
    if (stream.fail() || !stream.eof() || !std::isfinite(seconds) || seconds < 0) {
        return lineError(step.line, "wait takes a number of seconds, not \"" + argument + "\"");
    }
    step.seconds = seconds;
    return {};
}

foundation::Result<void> readKey(ScriptStep& step, const std::string& argument) {
    if (argument == "Return") {
        step.key = kit::Key::returnKey;
    } else if (argument == "Backspace") {
        step.key = kit::Key::backspace;
    } else if (argument == "Escape") {
        step.key = kit::Key::escape;
    } else {
        return lineError(step.line,
                         "key takes Return, Backspace or Escape, not \"" + argument + "\"");
    }
    return {};
}

foundation::Result<void> readOrder(ScriptStep& step, const std::string& argument) {
    std::size_t start = 0;
    while (start <= argument.size()) {
        auto bar = argument.find('|', start);
        auto end = bar == std::string::npos ? argument.size() : bar;
        std::string text = trimmed(std::string_view(argument).substr(start, end - start));
        if (text.empty()) {
            return lineError(step.line, "expect-order has an empty text");
        }
        step.order.push_back(text);
        start = end + 1;
    }
    return {};
}

foundation::Result<void> readArgument(ScriptStep& step, const std::string& argument) {
    switch (step.kind) {
        case Kind::tap:
        case Kind::longPress:
        case Kind::expect:
        case Kind::expectNo:
            return readTarget(step, argument);
        case Kind::wait:
            return readSeconds(step, argument);
        case Kind::key:
            return readKey(step, argument);
        case Kind::expectOrder:
            return readOrder(step, argument);
        case Kind::type:
            step.text = argument;
            return {};
        case Kind::screenshot:
            step.text = argument;
            return argument.empty() ? lineError(step.line, "screenshot needs a path")
                                    : foundation::Result<void>();
    }
    return {};
}

bool kindNamed(const std::string& word, Kind& kind) {
    static const std::pair<const char*, Kind> names[] = {
        {"tap", Kind::tap},
        {"long-press", Kind::longPress},
        {"type", Kind::type},
        {"key", Kind::key},
        {"wait", Kind::wait},
        {"expect", Kind::expect},
        {"expect-no", Kind::expectNo},
        {"expect-order", Kind::expectOrder},
        {"screenshot", Kind::screenshot},
    };
    for (const auto& [name, value] : names) {
        if (word == name) {
            kind = value;
            return true;
        }
    }
    return false;
}

}  // namespace

foundation::Result<Script> Script::parse(std::string_view text) {
    Script script;
    std::istringstream lines{std::string(text)};
    std::string raw;
    for (int number = 1; std::getline(lines, raw); ++number) {
        std::string line = trimmed(raw);
        if (line.empty() || line.front() == '#') {
            continue;
        }
        ScriptStep step;
        step.line = number;
        step.source = line;
        auto space = line.find_first_of(" \t");
        std::string word = line.substr(0, space);
        if (!kindNamed(word, step.kind)) {
            return lineError(number, "unknown step \"" + word + "\"");
        }
        // Typed text keeps its inner spaces; only the one separator goes.
        std::string argument = space == std::string::npos ? "" : line.substr(space + 1);
        if (step.kind != Kind::type) {
            argument = trimmed(argument);
        }
        if (auto read = readArgument(step, argument); !read) {
            return read.error();
        }
        script.steps_.push_back(std::move(step));
    }
    return script;
}

foundation::Result<Script> Script::load(const std::filesystem::path& file) {
    std::error_code error;
    auto size = std::filesystem::file_size(file, error);
    if (error || size > kMaximumScriptBytes) {
        return foundation::Error{"Cannot read the script " + file.string() +
                                 (error ? ": " + error.message() : ": it is larger than 1 MB")};
    }
    std::ifstream stream(file, std::ios::binary);
    std::ostringstream contents;
    contents << stream.rdbuf();
    if (!stream) {
        return foundation::Error{"Cannot read the script " + file.string()};
    }
    return parse(contents.str());
}

}  // namespace host
