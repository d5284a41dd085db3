#include <gtest/gtest.h>

#include <memory>

#include "settings/ZerovinPrefsButtonCell.h"
#include "settings/ZerovinPrefsColourPickerCell.h"
#include "settings/ZerovinPrefsHyperlinkCell.h"
#include "settings/ZerovinPrefsSocialCell.h"
#include "settings/ZerovinPrefsSwitchCell.h"
#include "tests/support/DeviceRoot.h"
#include "tests/ui/GeometryPrinting.h"

namespace kelvora {

using kit::Rect;

namespace {

// Frames worked out by hand for a row of the phone's width, 390, and the rows' 75 points:
// the card is inset 20 at the sides and 5 at the top and bottom, so it is 350 by 65.
const Rect kRow{0, 0, 390, 75};
const Rect kCard{20, 5, 350, 65};
const Rect kTile{10, 10, 45, 45};

template <class Cell>
std::shared_ptr<Cell> laidOut(std::shared_ptr<Cell> cell) {
    cell->setFrame(kRow);
    cell->layoutIfNeeded();
    return cell;
}

// A label's trailing edge in the card's coordinates.
double labelEnd(const kit::Label& label) {
    return label.frame().maxX();
}

class SettingsCellsTest : public testing::Test {
  protected:
    testsupport::DeviceRoot root;
};

TEST_F(SettingsCellsTest, CardTileAndLabelsSitWhereTheyBelongAndEndBeforeTheControl) {
    auto switchCell = laidOut(ZerovinPrefsSwitchCell::make("SwitchCell"));
    EXPECT_EQ(switchCell->baseView()->frame(), kCard);
    EXPECT_EQ(switchCell->iconView()->frame(), kTile);
    EXPECT_EQ(switchCell->icon()->frame(), (Rect{7.5, 7.5, 30, 30}));
    EXPECT_EQ(switchCell->titleLabel()->frame().minX(), 65);
    EXPECT_EQ(switchCell->titleLabel()->frame().minY(), 12);
    EXPECT_EQ(switchCell->subtitleLabel()->frame().maxY(), 53);
    // The switch, 51 by 31, ends 10 inside the card and is centred on it.
    EXPECT_EQ(switchCell->toggleSwitch()->frame(), (Rect{309, 22, 51, 31}));
    EXPECT_EQ(labelEnd(*switchCell->titleLabel()), 309 - 20 - 10);
    EXPECT_EQ(labelEnd(*switchCell->subtitleLabel()), 309 - 20 - 10);
    EXPECT_EQ(switchCell->cornerRadius(), 10);
    EXPECT_TRUE(switchCell->clipsToBounds());

    auto colourCell = laidOut(ZerovinPrefsColourPickerCell::make("ColourPickerCell"));
    EXPECT_EQ(colourCell->wheel()->frame(), (Rect{305, 15, 35, 35}));
    // A ring of the wheel 2.5 wide stays visible around the swatch.
    EXPECT_EQ(colourCell->colourView()->frame(), (Rect{307.5, 17.5, 30, 30}));
    EXPECT_EQ(labelEnd(*colourCell->titleLabel()), 295);
    EXPECT_EQ(colourCell->wheel()->contentMode(), kit::ContentMode::scaleAspectFill);

    auto linkCell = laidOut(ZerovinPrefsHyperlinkCell::make("HyperlinkCell"));
    auto buttonCell = laidOut(ZerovinPrefsButtonCell::make("ButtonCell"));
    for (const ZerovinPrefsCell* cell : {static_cast<ZerovinPrefsCell*>(linkCell.get()),
                                         static_cast<ZerovinPrefsCell*>(buttonCell.get())}) {
        EXPECT_EQ(cell->iconView()->frame(), kTile);
        EXPECT_EQ(labelEnd(*cell->titleLabel()), 340);
        EXPECT_EQ(labelEnd(*cell->subtitleLabel()), 340);
    }
}

TEST_F(SettingsCellsTest, ASocialRowsPictureTakesTheTilesPlaceCroppedToItsRoundedSquare) {
    auto cell = laidOut(ZerovinPrefsSocialCell::make("SocialCell"));
    EXPECT_FALSE(cell->iconView());
    EXPECT_EQ(cell->icon()->frame(), kTile);
    EXPECT_EQ(cell->icon()->contentMode(), kit::ContentMode::scaleAspectFill);
    EXPECT_TRUE(cell->icon()->clipsToBounds());
    EXPECT_EQ(cell->icon()->cornerRadius(), 13);
    EXPECT_EQ(cell->titleLabel()->frame().minX(), 65);
    EXPECT_EQ(labelEnd(*cell->titleLabel()), 340);
}

TEST_F(SettingsCellsTest, AReusedCellShowsNoStaleTextsOrPictureButKeepsWhatEachFillSets) {
    auto cell = laidOut(ZerovinPrefsSwitchCell::make("SwitchCell"));
    cell->titleLabel()->setText("A rather long title that would run under the switch if let");
    cell->subtitleLabel()->setText("Subtitle");
    cell->icon()->setImage(kit::Image::systemImageNamed("switch.2"));
    cell->iconView()->setBackgroundColor(kit::Color::systemRedColor());
    cell->toggleSwitch()->setOn(true);
    cell->layoutIfNeeded();
    // Refilled after an earlier layout, as a reused cell is.
    EXPECT_EQ(labelEnd(*cell->titleLabel()), 279);
    EXPECT_EQ(cell->toggleSwitch()->frame().minX(), 309);

    cell->prepareForReuse();
    EXPECT_EQ(cell->titleLabel()->text(), "");
    EXPECT_EQ(cell->subtitleLabel()->text(), "");
    EXPECT_FALSE(cell->icon()->image());
    EXPECT_EQ(cell->iconView()->backgroundColor(), kit::Color::systemRedColor());
    EXPECT_TRUE(cell->toggleSwitch()->isOn());
}

}  // namespace

}  // namespace kelvora
