#pragma once

#include <memory>
#include <string>
#include <utility>

#include "settings/ZerovinPrefsCell.h"

namespace kelvora {

// A row that opens a link: a tinted symbol on its tile, a title and a subtitle.
class ZerovinPrefsHyperlinkCell final : public ZerovinPrefsCell {
    struct Token {
        explicit Token() = default;
    };

  public:
    ZerovinPrefsHyperlinkCell(Token, std::string reuseIdentifier)
        : ZerovinPrefsCell(std::move(reuseIdentifier)) {}
    static std::shared_ptr<ZerovinPrefsHyperlinkCell> make(std::string reuseIdentifier);
};

}  // namespace kelvora
