#pragma once

#include <memory>
#include <string>

#include "files/PlistFileRecord.h"
#include "platform/kit/ImageView.h"
#include "platform/kit/Label.h"
#include "platform/kit/TableView.h"
#include "platform/kit/TableViewCell.h"

namespace kelvora {

// A row of a file list: a rounded card with a document tile, the file name over its date
// and size, and a check mark at the trailing end. The picker and the Setup explorer share it.
// The row reads to assistive technologies (and to the automation driver) as its file name.
class PlistFileCell final : public kit::TableViewCell {
    struct Token {
        explicit Token() = default;
    };

  public:
    static constexpr const char* reuseIdentifier = "Cell";
    static constexpr double rowHeight = 70;

    // A clear, separator-less table of these rows, as both file screens show them.
    static std::shared_ptr<kit::TableView> makeTable(kit::EdgeInsets contentInset);

    explicit PlistFileCell(Token) : TableViewCell(reuseIdentifier) {}
    static std::shared_ptr<PlistFileCell> make();

    const std::shared_ptr<kit::View>& baseView() const { return baseView_; }
    const std::shared_ptr<kit::View>& iconView() const { return iconView_; }
    const std::shared_ptr<kit::ImageView>& icon() const { return icon_; }
    const std::shared_ptr<kit::Label>& titleLabel() const { return titleLabel_; }
    const std::shared_ptr<kit::Label>& subtitleLabel() const { return subtitleLabel_; }
    const std::shared_ptr<kit::ImageView>& checkedIcon() const { return checkedIcon_; }

    // Fills the card for `record`; `checked` picks the filled check mark over the circle.
    void configure(const PlistFileRecord& record, bool checked);

    void prepareForReuse() override;

  private:
    void buildBase();
    void buildIcon();
    void buildLabels();

    std::shared_ptr<kit::View> baseView_;
    std::shared_ptr<kit::View> iconView_;
    std::shared_ptr<kit::ImageView> icon_;
    std::shared_ptr<kit::Label> titleLabel_;
    std::shared_ptr<kit::Label> subtitleLabel_;
    std::shared_ptr<kit::ImageView> checkedIcon_;
};

}  // namespace kelvora
