#pragma once

#include <memory>
#include <string>

#include "platform/kit/ReusableCell.h"

namespace kit {

enum class TableViewCellSelectionStyle { none, defaultStyle };

// A row of a table. While highlighted or selected it shows its selected-background view
// behind everything else (a plain grey one unless another is set), except with the
// selection style none, which shows nothing. The table shows a hairline separator at the
// bottom of each cell unless its separator style is none.
class TableViewCell : public ReusableCell {
  public:
    explicit TableViewCell(std::string reuseIdentifier = {});
    static std::shared_ptr<TableViewCell> make(std::string reuseIdentifier);

    TableViewCellSelectionStyle selectionStyle() const { return selectionStyle_; }
    void setSelectionStyle(TableViewCellSelectionStyle style);
    std::shared_ptr<View> selectedBackgroundView() const { return selectedBackgroundView_; }
    void setSelectedBackgroundView(std::shared_ptr<View> view);

    // Set by the table.
    void setSeparatorShown(bool shown);
    bool isSeparatorShown() const { return separatorShown_; }

    void setHighlighted(bool highlighted) override;
    void setSelected(bool selected) override;
    void layoutSubviews() override;

  private:
    void updateSelectedBackground();
    void updateSeparator();

    std::shared_ptr<View> selectedBackgroundView_;
    std::shared_ptr<View> separator_;
    TableViewCellSelectionStyle selectionStyle_ = TableViewCellSelectionStyle::defaultStyle;
    bool separatorShown_ = false;
};

}  // namespace kit
