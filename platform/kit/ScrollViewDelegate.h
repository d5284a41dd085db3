#pragma once

namespace kit {

class ScrollView;

// Told of scrolling; every operation is optional.
class ScrollViewDelegate {
  public:
    virtual ~ScrollViewDelegate() = default;
    // After every change of the content offset, whatever caused it.
    virtual void scrollViewDidScroll(ScrollView& scrollView) { (void)scrollView; }
    virtual void scrollViewWillBeginDragging(ScrollView& scrollView) { (void)scrollView; }
    virtual void scrollViewDidEndDragging(ScrollView& scrollView) { (void)scrollView; }
};

}  // namespace kit
