#pragma once

#include <memory>
#include <string>

#include "platform/kit/View.h"

namespace kit {

// What table and collection cells share: a reuse identifier, a content view that always
// fills the cell and stays in front of whatever else is added to the cell itself (so a
// card added to the cell lies under the content view's controls), and the highlighted and
// selected states that the list sets as the cell is touched and chosen.
//
// A list keeps cells only for what is on screen; a cell that scrolls away is queued under
// its identifier and handed out again, after prepareForReuse, for another row.
class ReusableCell : public View {
  public:
    const std::string& reuseIdentifier() const { return reuseIdentifier_; }

    // Subviews of the cell's content belong here.
    const std::shared_ptr<View>& contentView();

    // Called when the cell is taken from the reuse queue, before it is configured again.
    virtual void prepareForReuse();

    bool isHighlighted() const { return highlighted_; }
    virtual void setHighlighted(bool highlighted);
    bool isSelected() const { return selected_; }
    virtual void setSelected(bool selected);

    void setFrame(Rect frame) override;
    void layoutSubviews() override;
    // A cell put aside while a finger is still on it passes the touch on to its list, so
    // that a drag that began on it goes on (and ends) even after it scrolled out of view.
    std::shared_ptr<Responder> nextResponder() const override;

  protected:
    explicit ReusableCell(std::string reuseIdentifier);

  private:
    friend class CellReuseQueue;
    friend class ListView;

    // The content view is created with the cell but can only join it once the cell is
    // owned by a shared_ptr, so it joins at the first use.
    void attachContentView();

    std::string reuseIdentifier_;
    std::weak_ptr<Responder> list_;
    std::shared_ptr<View> contentView_ = std::make_shared<View>();
    bool highlighted_ = false;
    bool selected_ = false;
};

}  // namespace kit
