#pragma once

#include <memory>
#include <string>
#include <utility>

#include "settings/ZerovinPrefsCell.h"

namespace kelvora {

// A row that runs a named action of the settings screen; laid out as a link row.
class ZerovinPrefsButtonCell final : public ZerovinPrefsCell {
    struct Token {
        explicit Token() = default;
    };

  public:
    ZerovinPrefsButtonCell(Token, std::string reuseIdentifier)
        : ZerovinPrefsCell(std::move(reuseIdentifier)) {}
    static std::shared_ptr<ZerovinPrefsButtonCell> make(std::string reuseIdentifier);
};

}  // namespace kelvora
