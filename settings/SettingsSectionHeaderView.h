#pragma once

#include <memory>

#include "platform/kit/ImageView.h"
#include "platform/kit/Label.h"
#include "platform/kit/View.h"
#include "settings/ZerovinPrefsSectionDataModel.h"

namespace kelvora {

// The header above a section of the settings table: the section's title, after its symbol
// when the section asks for one, both in the section's accent colour (tertiary without one).
class SettingsSectionHeaderView final : public kit::View {
    struct Token {
        explicit Token() = default;
    };

  public:
    explicit SettingsSectionHeaderView(Token) {}
    static std::shared_ptr<SettingsSectionHeaderView> make(
        const ZerovinPrefsSectionDataModel& section);

    // Empty when the section shows no symbol.
    const std::shared_ptr<kit::ImageView>& symbolView() const { return symbolView_; }
    const std::shared_ptr<kit::Label>& titleLabel() const { return titleLabel_; }

  private:
    std::shared_ptr<kit::ImageView> symbolView_;
    std::shared_ptr<kit::Label> titleLabel_;
};

}  // namespace kelvora
