#pragma once

#include <memory>
#include <vector>

#include "platform/kit/Button.h"
#include "platform/kit/ColorPickerViewControllerDelegate.h"
#include "platform/kit/ColorSpectrumControl.h"
#include "platform/kit/Label.h"
#include "platform/kit/ViewController.h"

namespace kit {

// The system's colour picker, as a sheet: a title with a close button, a grid of swatches
// (a row of greys over rows of hues from dark to light), a hue and brightness area, and a
// preview of the selected colour. Every pick tells the delegate; closing the picker by its
// button or by a swipe tells it once that the picker finished. Setting the selected colour
// from code tells it nothing.
class ColorPickerViewController final : public ViewController {
  public:
    static constexpr int gridColumns = 12;
    static constexpr int gridRows = 10;

    static std::shared_ptr<ColorPickerViewController> make();

    const Color& selectedColor() const { return selected_; }
    void setSelectedColor(Color color);
    std::shared_ptr<ColorPickerViewControllerDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(std::weak_ptr<ColorPickerViewControllerDelegate> delegate) {
        delegate_ = std::move(delegate);
    }

    // The colour of the swatch at `row` and `column` of the grid.
    static Color swatchColor(int row, int column);
    const std::vector<std::shared_ptr<Control>>& swatches() const { return swatches_; }
    const std::shared_ptr<ColorSpectrumControl>& spectrum() const { return spectrum_; }

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewDidDisappear(bool animated) override;

  protected:
    void loadView() override;

  private:
    class PickerView;

    ColorPickerViewController() = default;
    void makeHeader();
    void makeGrid();
    void pick(Color color);
    void layoutPicker(Rect bounds);
    void updateSelection();

    Color selected_ = Color::whiteColor();
    std::weak_ptr<ColorPickerViewControllerDelegate> delegate_;
    std::shared_ptr<Label> titleLabel_;
    std::shared_ptr<Button> closeButton_;
    std::vector<std::shared_ptr<Control>> swatches_;
    std::shared_ptr<View> ring_;
    std::shared_ptr<ColorSpectrumControl> spectrum_;
    std::shared_ptr<View> preview_;
    bool finished_ = false;
};

}  // namespace kit
