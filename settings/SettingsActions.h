#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "platform/foundation/PropertyList.h"

namespace kelvora {

// What the rows that leave the table do: the named actions of button rows and the addresses
// that link and social rows open.
namespace SettingsActions {

inline constexpr std::string_view kPresentRestoreOriginalFilesConfirmation =
    "presentRestoreOriginalFilesConfirmation";
inline constexpr std::string_view kPresentChangelogVC = "presentChangelogVC";
inline constexpr std::string_view kPresentTutorialVC = "presentTutorialVC";
inline constexpr std::string_view kPresentRestorePointsVC = "presentRestorePointsVC";

// Every action the settings screen answers to; a button row may name no other. The shipped
// resource is checked against this list, so keep it the one place that names them.
inline constexpr std::array<std::string_view, 4> kActions{kPresentRestoreOriginalFilesConfirmation,
                                                          kPresentChangelogVC, kPresentTutorialVC,
                                                          kPresentRestorePointsVC};

inline constexpr std::string_view kTelegramWord = "telegram";
inline constexpr std::string_view kTelegramLink = "tg://msg?text=Text&to=zerovin";

bool isAction(std::string_view name);
// The action a button row names, when the screen has it; a row with no action or an unknown
// one does nothing when tapped.
std::optional<std::string_view> actionOfRow(const foundation::PlistDictionary& row);
// The address a link or social row opens, handed over unchanged; a social row whose "URL" is
// the word "telegram" opens the messaging link instead. Other rows, and rows without "URL",
// open nothing.
std::optional<std::string> urlOfRow(const foundation::PlistDictionary& row);

}  // namespace SettingsActions

}  // namespace kelvora
