#include "platform/kit/ColorPickerViewController.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "platform/kit/Screen.h"

namespace kit {

// The picker's root view; it places everything whenever its size changes.
class ColorPickerViewController::PickerView final : public View {
  public:
    explicit PickerView(std::weak_ptr<ColorPickerViewController> owner)
        : owner_(std::move(owner)) {}
    void layoutSubviews() override {
        if (auto owner = owner_.lock()) {
            owner->layoutPicker(bounds());
        }
    }

  private:
    std::weak_ptr<ColorPickerViewController> owner_;
};

namespace {

constexpr double margin = 16;
constexpr double headerHeight = 56;
constexpr double spectrumHeight = 120;
constexpr double previewSize = 48;

}  // namespace

std::shared_ptr<ColorPickerViewController> ColorPickerViewController::make() {
    std::shared_ptr<ColorPickerViewController> picker(new ColorPickerViewController());
    picker->setModalPresentationStyle(ModalPresentationStyle::pageSheet);
    return picker;
}

void ColorPickerViewController::loadView() {
    auto root = std::make_shared<PickerView>(sharedSelf(this));
    root->setFrame(Screen::main().bounds());
    root->setBackgroundColor(Color::dynamic({0.95, 0.95, 0.97, 1}, {0.11, 0.11, 0.12, 1}));
    setView(root);
}

void ColorPickerViewController::viewWillAppear(bool) {
    // The title and the tint are usually set after the view was made.
    updateSelection();
}

namespace {

// A swatch reads as the six hex digits people type for a colour ("FF0000").
std::string hexLabel(const Color& color) {
    Rgba value = color.components();
    auto byte = [](double component) {
        return static_cast<unsigned>(std::lround(std::clamp(component, 0.0, 1.0) * 255));
    };
    char text[7];
    std::snprintf(text, sizeof text, "%02X%02X%02X", byte(value.red), byte(value.green),
                  byte(value.blue));
    return text;
}

}  // namespace

Color ColorPickerViewController::swatchColor(int row, int column) {
    double step = static_cast<double>(column) / (gridColumns - 1);
    if (row == 0) {
        return Color::white(1 - step);
    }
    double hue = static_cast<double>(column) / gridColumns;
    // Rows 1 to 5 darken towards the pure hue at row 5; rows 6 to 9 pale away from it.
    if (row <= 5) {
        return ColorSpectrumControl::hsb(hue, 1, 0.2 + 0.16 * row);
    }
    return ColorSpectrumControl::hsb(hue, 1 - 0.18 * (row - 5), 1);
}

void ColorPickerViewController::viewDidLoad() {
    makeHeader();
    makeGrid();
    spectrum_ = ColorSpectrumControl::make();
    std::weak_ptr<ColorPickerViewController> weakSelf = sharedSelf(this);
    spectrum_->addAction(
        [weakSelf](const std::shared_ptr<Control>& sender) {
            auto self = weakSelf.lock();
            if (self) {
                self->pick(std::static_pointer_cast<ColorSpectrumControl>(sender)->value());
            }
        },
        ControlEvents::valueChanged);
    view()->addSubview(spectrum_);
    preview_ = std::make_shared<View>();
    preview_->setCornerRadius(previewSize / 2);
    preview_->setBorderWidth(1);
    preview_->setBorderColor(Color::systemGray2Color());
    view()->addSubview(preview_);
    updateSelection();
}

void ColorPickerViewController::makeHeader() {
    titleLabel_ = std::make_shared<Label>();
    titleLabel_->setFont(Font::systemFontOfSize(17, FontWeight::semibold));
    titleLabel_->setTextAlignment(TextAlignment::center);
    view()->addSubview(titleLabel_);
    closeButton_ = Button::buttonWithType(ButtonType::system);
    closeButton_->setImage(Image::systemImageNamed("xmark.circle.fill", {28}),
                           ControlState::normal);
    closeButton_->setTintColor(Color::systemGrayColor());
    std::weak_ptr<ColorPickerViewController> weakSelf = sharedSelf(this);
    closeButton_->addAction(
        [weakSelf](const std::shared_ptr<Control>&) {
            if (auto self = weakSelf.lock()) {
                self->dismiss(true);
            }
        },
        ControlEvents::touchUpInside);
    view()->addSubview(closeButton_);
}

void ColorPickerViewController::makeGrid() {
    std::weak_ptr<ColorPickerViewController> weakSelf = sharedSelf(this);
    for (int row = 0; row < gridRows; ++row) {
        for (int column = 0; column < gridColumns; ++column) {
            auto swatch = std::make_shared<Control>();
            Color color = swatchColor(row, column);
            swatch->setBackgroundColor(color);
            swatch->setAccessibilityLabel(hexLabel(color));
            swatch->addAction(
                [weakSelf, color](const std::shared_ptr<Control>&) {
                    if (auto self = weakSelf.lock()) {
                        self->pick(color);
                    }
                },
                ControlEvents::touchUpInside);
            view()->addSubview(swatch);
            swatches_.push_back(swatch);
        }
    }
    ring_ = std::make_shared<View>();
    ring_->setBorderWidth(3);
    ring_->setCornerRadius(4);
    ring_->setUserInteractionEnabled(false);
    view()->addSubview(ring_);
}

void ColorPickerViewController::setSelectedColor(Color color) {
    selected_ = color;
    if (isViewLoaded()) {
        updateSelection();
    }
}

void ColorPickerViewController::pick(Color color) {
    setSelectedColor(color);
    if (auto listener = delegate()) {
        listener->colorPickerViewControllerDidSelectColor(sharedSelf(this));
    }
}

void ColorPickerViewController::viewDidDisappear(bool) {
    if (finished_) {
        return;
    }
    finished_ = true;
    if (auto listener = delegate()) {
        listener->colorPickerViewControllerDidFinish(sharedSelf(this));
    }
}

void ColorPickerViewController::updateSelection() {
    titleLabel_->setText(title());
    preview_->setBackgroundColor(selected_);
    auto chosen = std::find_if(swatches_.begin(), swatches_.end(), [this](const auto& swatch) {
        return swatch->backgroundColor() == selected_;
    });
    ring_->setHidden(chosen == swatches_.end());
    ring_->setBorderColor(view()->tintColor());
    for (const auto& swatch : swatches_) {
        swatch->setSelected(swatch == (chosen == swatches_.end() ? nullptr : *chosen));
    }
    view()->setNeedsLayout();
}

void ColorPickerViewController::layoutPicker(Rect bounds) {
    double top = bounds.minY() + 8;
    titleLabel_->setFrame({margin + 44, top, bounds.width() - 2 * (margin + 44), headerHeight - 8});
    closeButton_->setFrame({bounds.width() - margin - 40, top + 6, 40, 40});
    double cell = (bounds.width() - 2 * margin) / gridColumns;
    double gridTop = top + headerHeight;
    for (std::size_t index = 0; index < swatches_.size(); ++index) {
        double row = static_cast<double>(index / gridColumns);
        double column = static_cast<double>(index % gridColumns);
        swatches_[index]->setFrame({margin + column * cell, gridTop + row * cell, cell, cell});
        if (swatches_[index]->isSelected()) {
            ring_->setFrame(swatches_[index]->frame().inset({-2, -2, -2, -2}));
        }
    }
    double spectrumTop = gridTop + gridRows * cell + margin;
    spectrum_->setFrame({margin, spectrumTop, bounds.width() - 2 * margin, spectrumHeight});
    preview_->setFrame({margin, spectrumTop + spectrumHeight + margin, previewSize, previewSize});
}

}  // namespace kit
