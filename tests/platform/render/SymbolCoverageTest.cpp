#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "platform/foundation/PropertyList.h"
#include "platform/render/SymbolMap.h"
#include "tests/support/DeviceRoot.h"

namespace fs = std::filesystem;

namespace {

// Every symbol name the app can ask for, with where it was found, so that a name added to
// the code or to the settings table without a glyph in the map fails here rather than
// drawing an empty square.
//
// In code, a name is a lower-case dotted literal in a statement that mentions a symbol
// image, an icon, a menu action or a bar or tab item before it. In the resources, it is
// the "Icon" of every settings entry except social rows, whose "Icon" names a picture.
using Found = std::map<std::string, std::string>;

std::string contents(const fs::path& file) {
    std::ifstream stream(file, std::ios::binary);
    std::stringstream text;
    text << stream.rdbuf();
    return text.str();
}

// The code with its comments blanked out, so that prose naming a picture near the word
// "icon" is not taken for a symbol; string and character literals are kept whole.
std::string withoutComments(const std::string& code) {
    std::string kept = code;
    char quote = 0;
    for (std::size_t at = 0; at < kept.size(); ++at) {
        char c = kept[at];
        if (quote != 0) {
            at += c == '\\' ? 1 : 0;
            quote = c == quote ? 0 : quote;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (kept.compare(at, 2, "//") == 0) {
            std::size_t end = std::min(kept.find('\n', at), kept.size());
            std::fill(kept.begin() + std::ptrdiff_t(at), kept.begin() + std::ptrdiff_t(end), ' ');
            at = end;
        } else if (kept.compare(at, 2, "/*") == 0) {
            std::size_t end = std::min(kept.find("*/", at + 2), kept.size() - 2) + 2;
            std::fill(kept.begin() + std::ptrdiff_t(at), kept.begin() + std::ptrdiff_t(end), ' ');
            at = end - 1;
        }
    }
    return kept;
}

void scanCode(const std::string& code, const std::string& where, Found& found) {
    // Asset pictures are named like symbols but drawn from resources/assets, not the map.
    static const std::regex assetName("\\bimageNamed\\(\\s*\"[^\"]*\"\\s*\\)");
    std::string text = std::regex_replace(withoutComments(code), assetName, "");
    static const std::regex marker(
        "systemImageNamed|[sS]ymbol|[iI]con|MenuAction|BarButtonItem|TabBarItem");
    static const std::regex literal("\"([a-z0-9]+(?:\\.[a-z0-9]+)*)\"");
    for (std::sregex_iterator it(text.begin(), text.end(), marker), end; it != end; ++it) {
        std::size_t from = static_cast<std::size_t>(it->position() + it->length());
        std::size_t to = text.find(';', from);
        std::string statement = text.substr(from, to == std::string::npos ? to : to - from);
        for (std::sregex_iterator name(statement.begin(), statement.end(), literal);
             name != std::sregex_iterator(); ++name) {
            found.emplace((*name)[1], where);
        }
    }
}

void scanSettings(const foundation::PlistValue& value, const std::string& where, Found& found) {
    if (const auto* array = value.get<foundation::PlistArray>()) {
        for (const auto& element : *array) {
            scanSettings(element, where, found);
        }
    }
    const auto* dictionary = value.get<foundation::PlistDictionary>();
    if (dictionary == nullptr) {
        return;
    }
    auto icon = dictionary->find("Icon");
    auto type = dictionary->find("CellType");
    bool picture = type != dictionary->end() && type->second.get<std::string>() &&
                   *type->second.get<std::string>() == "ZerovinPrefsSocialCell";
    if (icon != dictionary->end() && icon->second.get<std::string>() && !picture) {
        found.emplace(*icon->second.get<std::string>(), where);
    }
    for (const auto& [key, element] : *dictionary) {
        scanSettings(element, where, found);
    }
}

bool skipped(const fs::path& relative) {
    static const std::set<std::string> notTheApp{"build",   "tests", "bench", "fuzz",
                                                 "scripts", "cmake", ".git",  ".ci"};
    return !relative.empty() && notTheApp.count(relative.begin()->string()) > 0;
}

Found symbolNamesUsed(const fs::path& root) {
    Found found;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator();
         ++it) {
        fs::path relative = fs::relative(it->path(), root);
        if (it->is_directory() && skipped(relative)) {
            it.disable_recursion_pending();
            continue;
        }
        std::string extension = it->path().extension().string();
        if (extension == ".cpp" || extension == ".h") {
            scanCode(contents(it->path()), relative.string(), found);
        } else if (extension == ".plist") {
            if (auto settings = foundation::parsePropertyList(contents(it->path()))) {
                scanSettings(*settings, relative.string(), found);
            }
        }
    }
    return found;
}

TEST(SymbolCoverageTest, ScanFindsNamesInCallsMenusBarItemsAndSettingsButNotPictureNames) {
    testsupport::DeviceRoot folder;
    folder.write("/home/Grid.cpp",
                 "auto image = kit::Image::systemImageNamed(\n    \"folder.fill.badge.plus\");\n"
                 "menu.children.push_back(MenuAction{\"Delete\", \"trash.fill\", true, {}});\n"
                 "label->setText(\"plain.text\");\n"
                 "auto icon = make_shared<ImageView>(Image::imageNamed(\"kelvora\"));\n");
    folder.write("/ui/Bar.h",
                 "// The icon \"kelvora\" is a picture; /* a symbol \"not.this\" */\n"
                 "static constexpr const char* backIcon = \"chevron.left\"; // \"no.comment\"\n"
                 "const char* url = \"tg://msg\"; auto i = systemImageNamed(\"link\");\n");
    folder.write("/tests/home/GridTest.cpp", "Image::systemImageNamed(\"not.in.the.app\");\n");
    folder.write("/resources/Settings.plist",
                 "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>"
                 "<key>Items</key><array>"
                 "<dict><key>CellType</key><string>ZerovinPrefsSwitchCell</string>"
                 "<key>Icon</key><string>switch.2</string></dict>"
                 "<dict><key>CellType</key><string>ZerovinPrefsSocialCell</string>"
                 "<key>Icon</key><string>social-picture</string></dict>"
                 "</array></dict></plist>\n");

    Found found = symbolNamesUsed(folder.hostRoot());

    Found expected{{"folder.fill.badge.plus", "home/Grid.cpp"},
                   {"trash.fill", "home/Grid.cpp"},
                   {"chevron.left", "ui/Bar.h"},
                   {"link", "ui/Bar.h"},
                   {"switch.2", "resources/Settings.plist"}};
    EXPECT_EQ(found, expected);
}

TEST(SymbolCoverageTest, EverySymbolNameTheAppUsesHasAGlyph) {
    fs::path source = testsupport::sourceDir();
    auto map = render::SymbolMap::load(source / "resources" / "symbols.tsv");
    ASSERT_TRUE(map.ok()) << map.error().description;

    Found used = symbolNamesUsed(source);
    ASSERT_FALSE(used.empty());
    for (const auto& [name, where] : used) {
        EXPECT_NE(map.value().find(name), nullptr)
            << "\"" << name << "\" (" << where << ") is not in resources/symbols.tsv";
    }
}

}  // namespace
