#include "tests/support/Golden.h"

#include <cxxabi.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

#include "platform/kit/ViewFinder.h"
#include "tests/support/DeviceRoot.h"

namespace testsupport {

namespace {

std::string className(const kit::View& view) {
    int status = 0;
    char* demangled = abi::__cxa_demangle(typeid(view).name(), nullptr, nullptr, &status);
    std::string name = status == 0 && demangled ? demangled : typeid(view).name();
    std::free(demangled);
    auto colons = name.rfind("::");
    return colons == std::string::npos ? name : name.substr(colons + 2);
}

// Two decimals: layout works in fractions of a point, and the last bits of a sum are noise.
std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", std::abs(value) < 0.005 ? 0.0 : value);
    std::string shown = text;
    shown.erase(shown.find_last_not_of('0') + 1);
    if (shown.back() == '.') {
        shown.pop_back();
    }
    return shown;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        result.push_back(line);
    }
    return result;
}

// The lines of `expected` and `actual` that differ, as "-" and "+" lines in order.
std::string diff(const std::string& expected, const std::string& actual) {
    auto before = lines(expected);
    auto after = lines(actual);
    std::vector<std::vector<int>> common(before.size() + 1, std::vector<int>(after.size() + 1));
    for (std::size_t i = before.size(); i-- > 0;) {
        for (std::size_t j = after.size(); j-- > 0;) {
            common[i][j] = before[i] == after[j] ? common[i + 1][j + 1] + 1
                                                 : std::max(common[i + 1][j], common[i][j + 1]);
        }
    }
    std::ostringstream out;
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < before.size() || j < after.size()) {
        if (i < before.size() && j < after.size() && before[i] == after[j]) {
            ++i;
            ++j;
        } else if (j < after.size() &&
                   (i == before.size() || common[i][j + 1] >= common[i + 1][j])) {
            out << "+ " << after[j++] << "\n";
        } else {
            out << "- " << before[i++] << "\n";
        }
    }
    return out.str();
}

}  // namespace

std::string describeScreen(const std::shared_ptr<kit::Window>& window) {
    std::ostringstream out;
    for (const auto& view : kit::ViewFinder(window).visibleViews()) {
        int depth = 0;
        for (auto parent = view->superview(); parent; parent = parent->superview()) {
            ++depth;
        }
        kit::Point origin = view->convertToWindow({0, 0});
        kit::Size size = view->bounds().size;
        out << std::string(2 * static_cast<std::size_t>(depth), ' ') << className(*view) << " ("
            << number(origin.x) << ", " << number(origin.y) << ", " << number(size.width) << ", "
            << number(size.height) << ")";
        for (const std::string& text : kit::ViewFinder::textsOf(*view)) {
            out << " \"" << text << "\"";
        }
        out << "\n";
    }
    return out.str();
}

void expectScreenMatchesGolden(const std::shared_ptr<kit::Window>& window, std::string_view name) {
    auto path = sourceDir() / "tests" / "golden" / (std::string(name) + ".txt");
    std::string actual = describeScreen(window);
    const char* regenerate = std::getenv("KELVORA_REGENERATE");
    if (regenerate && std::string_view(regenerate) == "1") {
        std::ofstream(path) << actual;
        return;
    }
    std::ifstream in(path);
    std::ostringstream expected;
    expected << in.rdbuf();
    EXPECT_TRUE(in.is_open()) << path << " is missing; KELVORA_REGENERATE=1 writes it";
    EXPECT_EQ(expected.str(), actual) << "the screen differs from " << path << ":\n"
                                      << diff(expected.str(), actual)
                                      << "(KELVORA_REGENERATE=1 rewrites it when the change is "
                                         "meant)";
}

}  // namespace testsupport
