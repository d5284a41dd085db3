#pragma once

#include <memory>
#include <string>
#include <utility>

#include "settings/ZerovinPrefsCell.h"

namespace kelvora {

// A row that opens a messaging link, showing the row's own picture where others show a tile.
class ZerovinPrefsSocialCell final : public ZerovinPrefsCell {
    struct Token {
        explicit Token() = default;
    };

  public:
    ZerovinPrefsSocialCell(Token, std::string reuseIdentifier)
        : ZerovinPrefsCell(std::move(reuseIdentifier)) {}
    static std::shared_ptr<ZerovinPrefsSocialCell> make(std::string reuseIdentifier);
};

}  // namespace kelvora
