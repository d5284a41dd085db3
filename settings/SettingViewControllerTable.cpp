#include <cstddef>

#include "platform/foundation/Log.h"
#include "platform/foundation/MainQueue.h"
#include "platform/kit/Application.h"
#include "platform/kit/ColorPickerViewController.h"
#include "platform/kit/PropertyAnimator.h"
#include "settings/SettingViewController.h"
#include "settings/SettingsActions.h"
#include "settings/SettingsCellFilling.h"
#include "settings/SettingsCellKind.h"
#include "settings/SettingsEntry.h"
#include "settings/SettingsSectionHeaderView.h"
#include "settings/ZerovinPrefsButtonCell.h"
#include "settings/ZerovinPrefsColourPickerCell.h"
#include "settings/ZerovinPrefsHyperlinkCell.h"
#include "settings/ZerovinPrefsSocialCell.h"
#include "settings/ZerovinPrefsSwitchCell.h"

namespace kelvora {

namespace {

constexpr double kTitleFadeDuration = 0.2;
constexpr double kTitleHiddenOffset = 5;
constexpr double kSnapBackOffset = -200;

std::string rowTitle(const foundation::PlistDictionary& row) {
    return SettingsEntry::text(row, SettingsEntry::kTitleKey).value_or("");
}

}  // namespace

std::int64_t SettingViewController::numberOfSections(kit::TableView&) {
    return static_cast<std::int64_t>(model_.settingsTableSections().size());
}

std::int64_t SettingViewController::numberOfRows(kit::TableView&, std::int64_t section) {
    const auto& data = model_.settingsTableData();
    if (section < 0 || static_cast<std::size_t>(section) >= data.size()) {
        return 0;
    }
    return static_cast<std::int64_t>(data[static_cast<std::size_t>(section)].size());
}

std::shared_ptr<kit::TableViewCell> SettingViewController::cellForRow(kit::TableView& tableView,
                                                                      kit::IndexPath indexPath) {
    const foundation::PlistDictionary* row = model_.rowAt(indexPath.section, indexPath.row);
    const SettingsCellKind kind =
        row ? SettingsCellKinds::kindOfEntry(*row) : SettingsCellKind::plain;
    const std::string identifier(SettingsCellKinds::reuseIdentifier(kind));
    auto cell = tableView.dequeueReusableCell(identifier);
    if (!cell) {
        cell = makeCell(identifier);
    }
    if (auto* settingsCell = dynamic_cast<ZerovinPrefsCell*>(cell.get()); settingsCell && row) {
        SettingsCellFilling::fill(*settingsCell, *row, model_);
    }
    return cell;
}

// A switch is bound to the screen once, when its cell is made, so a reused cell does not
// report each change more than once.
std::shared_ptr<kit::TableViewCell> SettingViewController::makeCell(const std::string& identifier) {
    using Kind = SettingsCellKind;
    using namespace SettingsCellKinds;
    if (identifier == reuseIdentifier(Kind::switchRow)) {
        auto cell = ZerovinPrefsSwitchCell::make(identifier);
        cell->toggleSwitch()->addTarget(kit::sharedSelf(this),
                                        &SettingViewController::switchChangedState,
                                        kit::ControlEvents::valueChanged);
        return cell;
    }
    if (identifier == reuseIdentifier(Kind::colourPicker)) {
        return ZerovinPrefsColourPickerCell::make(identifier);
    }
    if (identifier == reuseIdentifier(Kind::hyperlink)) {
        return ZerovinPrefsHyperlinkCell::make(identifier);
    }
    if (identifier == reuseIdentifier(Kind::social)) {
        return ZerovinPrefsSocialCell::make(identifier);
    }
    if (identifier == reuseIdentifier(Kind::button)) {
        return ZerovinPrefsButtonCell::make(identifier);
    }
    return kit::TableViewCell::make(identifier);
}

std::optional<double> SettingViewController::heightForRow(kit::TableView&, kit::IndexPath) {
    return kRowHeight;
}

std::optional<double> SettingViewController::heightForHeader(kit::TableView&, std::int64_t) {
    return kSectionHeaderHeight;
}

std::shared_ptr<kit::View> SettingViewController::viewForHeader(kit::TableView&,
                                                                std::int64_t section) {
    const auto& sections = model_.settingsTableSections();
    if (section < 0 || static_cast<std::size_t>(section) >= sections.size()) {
        return nullptr;
    }
    return SettingsSectionHeaderView::make(sections[static_cast<std::size_t>(section)]);
}

void SettingViewController::didSelectRow(kit::TableView&, kit::IndexPath indexPath) {
    model_.recordTap(indexPath.section, indexPath.row);
    const foundation::PlistDictionary* row = model_.rowAt(indexPath.section, indexPath.row);
    if (!row) {
        return;
    }
    switch (SettingsCellKinds::kindOfEntry(*row)) {
        case SettingsCellKind::colourPicker:
            presentColourPicker(*row);
            break;
        case SettingsCellKind::hyperlink:
        case SettingsCellKind::social:
            openURLOfRow(*row);
            break;
        case SettingsCellKind::button:
            runActionOfRow(*row);
            break;
        default:
            break;
    }
}

void SettingViewController::presentColourPicker(const foundation::PlistDictionary& row) {
    auto picker = kit::ColorPickerViewController::make();
    picker->setDelegate(kit::sharedSelf(this));
    picker->setSelectedColor(model_.colourValue(row));
    picker->setTitle("Zerovin Colour Picker");
    picker->view()->setTintColor(model_.accentColour());
    present(picker, true);
}

void SettingViewController::openURLOfRow(const foundation::PlistDictionary& row) {
    auto url = SettingsActions::urlOfRow(row);
    if (!url) {
        foundation::Log::write("settings row \"" + rowTitle(row) + "\" has no URL to open");
        return;
    }
    kit::Application::shared()->openURL(*url);
}

// The action runs on the next turn, after the tap has been handled to its end.
void SettingViewController::runActionOfRow(const foundation::PlistDictionary& row) {
    auto name = SettingsEntry::text(row, SettingsEntry::kActionKey);
    if (!name || !definesAction(*name)) {
        foundation::Log::write("settings row \"" + rowTitle(row) + "\" names no action of the " +
                               "screen: \"" + name.value_or("") + "\"");
        return;
    }
    std::weak_ptr<SettingViewController> weak = kit::sharedSelf(this);
    foundation::MainQueue::main().async([weak, action = *name] {
        if (auto screen = weak.lock()) {
            screen->tryToPerform(action, screen);
        }
    });
}

void SettingViewController::didHighlightRow(kit::TableView&, kit::IndexPath indexPath) {
    pressRow(indexPath, true);
}

void SettingViewController::didUnhighlightRow(kit::TableView&, kit::IndexPath indexPath) {
    pressRow(indexPath, false);
}

// Only tinted rows answer a press; they shrink and dim quickly and come back slowly.
void SettingViewController::pressRow(kit::IndexPath indexPath, bool pressed) {
    const foundation::PlistDictionary* row = model_.rowAt(indexPath.section, indexPath.row);
    if (!row || SettingsCellKinds::kindOfEntry(*row) != SettingsCellKind::tintedButton) {
        return;
    }
    auto cell = tableView_->cellForRow(indexPath);
    if (!cell) {
        return;
    }
    kit::View::animate(pressed ? 0.2 : 0.6, 0, kit::AnimationCurve::easeOut, [&cell, pressed] {
        const double scale = pressed ? 0.97 : 1.0;
        cell->setTransform(kit::AffineTransform::scale(scale, scale));
        cell->setAlpha(pressed ? 0.5 : 1.0);
    });
}

void SettingViewController::scrollViewDidScroll(kit::ScrollView& scrollView) {
    const double y = scrollView.contentOffset().y;
    if (y <= 0) {
        kit::View::animate(kTitleFadeDuration, [this] { navTitle_->setAlpha(1); });
    } else if (y >= kTitleHiddenOffset) {
        kit::View::animate(kTitleFadeDuration, [this] { navTitle_->setAlpha(0); });
    }
    if (y < kSnapBackOffset) {
        std::weak_ptr<kit::TableView> weakTable = tableView_;
        auto animator = std::make_shared<kit::PropertyAnimator>(1.0, 2.0, [weakTable] {
            if (auto table = weakTable.lock()) {
                table->setScrollEnabled(false);
                kit::View::performWithoutAnimation([&table] { table->setContentOffset({0, 0}); });
                table->setScrollEnabled(true);
            }
        });
        animator->startAnimation();
    }
}

}  // namespace kelvora
