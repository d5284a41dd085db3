#pragma once

namespace kit {

class ScrollView;

// Told of scrolling; every operation is optional.
class ScrollViewDelegate {
  public:
    virtual ~ScrollViewDelegate() = default;
    // After every change of the content offset, whatever caused it.
    virtual void scrollViewDidScroll([[maybe_unused]] ScrollView& scrollView) {}
    virtual void scrollViewWillBeginDragging([[maybe_unused]] ScrollView& scrollView) {}
    virtual void scrollViewDidEndDragging([[maybe_unused]] ScrollView& scrollView) {}
};

}  // namespace kit
