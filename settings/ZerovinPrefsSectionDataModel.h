#pragma once

#include <optional>
#include <string>

namespace kelvora {

// One section of the settings table, made from a header entry of the resource.
class ZerovinPrefsSectionDataModel final {
  public:
    ZerovinPrefsSectionDataModel(std::string title, std::optional<std::string> accent,
                                 bool showIcon, std::optional<std::string> icon)
        : title(std::move(title)),
          accent(std::move(accent)),
          showIcon(showIcon),
          icon(std::move(icon)) {}

    std::string title;
    std::optional<std::string> accent;  // colour text; without it the header is tertiary
    bool showIcon;
    std::optional<std::string> icon;  // system symbol name
};

}  // namespace kelvora
