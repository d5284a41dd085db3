#pragma once

#include <array>
#include <memory>
#include <string>

#include "platform/kit/Button.h"
#include "platform/kit/ImageView.h"
#include "platform/kit/Label.h"
#include "platform/kit/ScrollView.h"
#include "platform/kit/VisualEffectView.h"
#include "platform/kit/Window.h"

namespace rendertest {

// A phone screen like the app's home grid, built from plain kit views: a scrolling grid of
// 21 rounded tiles, each with a symbol, a name and a count, under a blurred title bar and
// over a blurred tab bar. Used to look at the renderer's output and to time it.
struct SampleScreen {
    static constexpr int columns = 3;
    static constexpr int rows = 7;
    static constexpr double tileWidth = 116;
    static constexpr double tileHeight = 96;
    static constexpr double spacing = 10;
    static constexpr double gridTop = 104;

    std::shared_ptr<kit::Window> window = std::make_shared<kit::Window>(kit::Screen::notched());
    std::shared_ptr<kit::View> root = std::make_shared<kit::View>();
    std::shared_ptr<kit::ScrollView> grid = std::make_shared<kit::ScrollView>();

    explicit SampleScreen(kit::InterfaceStyle style = kit::InterfaceStyle::light) {
        window->setOverrideInterfaceStyle(style);
        window->setRootView(root);
        window->makeKeyAndVisible();
        window->setTintColor(kit::Color::systemBlueColor());
        root->setBackgroundColor(kit::Color::dynamic({0.95, 0.95, 0.97, 1}, {0, 0, 0, 1}));
        window->layoutIfNeeded();
        grid->setFrame(root->bounds());
        grid->setContentSize({390, gridTop + rows * (tileHeight + spacing) + 90});
        root->addSubview(grid);
        for (int index = 0; index < columns * rows; ++index) {
            grid->addSubview(tile(index));
        }
        root->addSubview(titleBar());
        root->addSubview(tabBar());
    }

    static kit::Rect tileFrame(int index) {
        double x = 16 + (index % columns) * (tileWidth + spacing);
        double y = gridTop + (index / columns) * (tileHeight + spacing);
        return {x, y, tileWidth, tileHeight};
    }

    static kit::Color tileColor(int index) {
        const std::array<kit::Color, 6> colors{
            kit::Color::systemBlueColor(),   kit::Color::systemOrangeColor(),
            kit::Color::systemGreenColor(),  kit::Color::systemPinkColor(),
            kit::Color::systemIndigoColor(), kit::Color::systemTealColor()};
        return colors[static_cast<std::size_t>(index) % colors.size()];
    }

  private:
    static std::shared_ptr<kit::View> tile(int index) {
        static const std::array<const char*, 7> symbols{"gear",
                                                        "heart.fill",
                                                        "bolt.fill",
                                                        "folder.fill",
                                                        "paintbrush.pointed.fill",
                                                        "moon.fill",
                                                        "gamecontroller.fill"};
        auto card = std::make_shared<kit::View>(tileFrame(index));
        card->setBackgroundColor(tileColor(index));
        card->setCornerRadius(18);
        card->setContinuousCorners(true);
        card->setClipsToBounds(true);
        auto icon = std::make_shared<kit::ImageView>(kit::Image::systemImageNamed(
            symbols[static_cast<std::size_t>(index) % symbols.size()], {26}));
        icon->setFrame({12, 12, 28, 28});
        icon->setTintColor(kit::Color::whiteColor());
        icon->setContentMode(kit::ContentMode::scaleAspectFit);
        card->addSubview(icon);
        card->addSubview(label("Setup " + std::to_string(index + 1),
                               kit::Font::systemFontOfSize(15, kit::FontWeight::semibold),
                               {12, 52, 92, 20}, kit::Color::whiteColor()));
        card->addSubview(label(std::to_string(index * 3 % 17) + " Files",
                               kit::Font::systemFontOfSize(12), {12, 70, 92, 16},
                               kit::Color::white(1, 0.8)));
        return card;
    }

    static std::shared_ptr<kit::Label> label(const std::string& text, kit::Font font,
                                             kit::Rect frame, kit::Color color) {
        auto made = std::make_shared<kit::Label>();
        made->setText(text);
        made->setFont(font);
        made->setFrame(frame);
        made->setTextColor(color);
        return made;
    }

    static std::shared_ptr<kit::View> titleBar() {
        auto bar = kit::VisualEffectView::make(kit::BlurEffectStyle::systemChromeMaterial);
        bar->setFrame({0, 0, 390, 94});
        bar->contentView()->addSubview(label("Setup", kit::Font::boldSystemFontOfSize(17),
                                             {0, 55, 390, 24}, kit::Color::labelColor()));
        static_cast<kit::Label&>(*bar->contentView()->subviews().back())
            .setTextAlignment(kit::TextAlignment::center);
        auto plus = kit::Button::buttonWithType(kit::ButtonType::system);
        plus->setImage(kit::Image::systemImageNamed("plus", {22}), kit::ControlState::normal);
        plus->setFrame({346, 50, 34, 34});
        bar->contentView()->addSubview(plus);
        return bar;
    }

    static std::shared_ptr<kit::View> tabBar() {
        auto bar = kit::VisualEffectView::make(kit::BlurEffectStyle::systemChromeMaterial);
        bar->setFrame({0, 761, 390, 83});
        const std::array<std::pair<const char*, const char*>, 2> items{
            {{"rectangle.3.offgrid.fill", "Setup"}, {"gear", "Settings"}}};
        for (std::size_t index = 0; index < items.size(); ++index) {
            auto item = kit::Button::buttonWithType(kit::ButtonType::system);
            item->setImage(kit::Image::systemImageNamed(items[index].first, {24}),
                           kit::ControlState::normal);
            item->setTitle(std::string(" ") + items[index].second, kit::ControlState::normal);
            item->setFrame({index * 195.0, 8, 195, 32});
            bar->contentView()->addSubview(item);
        }
        return bar;
    }
};

}  // namespace rendertest
