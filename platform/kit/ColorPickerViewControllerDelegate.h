#pragma once

#include <memory>

namespace kit {

class ColorPickerViewController;

// Told of each colour the person picks, and once when the picker closes.
class ColorPickerViewControllerDelegate {
  public:
    virtual ~ColorPickerViewControllerDelegate() = default;
    virtual void colorPickerViewControllerDidSelectColor(
        const std::shared_ptr<ColorPickerViewController>& picker) = 0;
    virtual void colorPickerViewControllerDidFinish(
        const std::shared_ptr<ColorPickerViewController>& picker) = 0;
};

}  // namespace kit
