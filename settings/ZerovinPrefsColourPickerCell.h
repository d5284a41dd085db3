#pragma once

#include <memory>
#include <string>
#include <utility>

#include "platform/kit/ImageView.h"
#include "settings/ZerovinPrefsCell.h"

namespace kelvora {

// A colour setting: the shared card with a colour wheel on its right and, centred on it, a
// round swatch of the current colour small enough to leave a ring of the wheel around it.
class ZerovinPrefsColourPickerCell final : public ZerovinPrefsCell {
    struct Token {
        explicit Token() = default;
    };

  public:
    ZerovinPrefsColourPickerCell(Token, std::string reuseIdentifier)
        : ZerovinPrefsCell(std::move(reuseIdentifier)) {}
    static std::shared_ptr<ZerovinPrefsColourPickerCell> make(std::string reuseIdentifier);

    const std::shared_ptr<kit::ImageView>& wheel() const { return wheel_; }
    const std::shared_ptr<kit::View>& colourView() const { return colourView_; }

  private:
    void buildWheel();

    std::shared_ptr<kit::ImageView> wheel_;
    std::shared_ptr<kit::View> colourView_;
};

}  // namespace kelvora
