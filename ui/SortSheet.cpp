#include "ui/SortSheet.h"

#include "appearance/SetupAppearance.h"

namespace kelvora {

std::shared_ptr<kit::AlertController> SortSheet::make(
    const std::array<std::string_view, 4>& sortTypes, std::string_view current, Choose choose) {
    auto sheet = kit::AlertController::make("Sort", "", kit::AlertControllerStyle::actionSheet);
    sheet->view()->setTintColor(SetupAppearance::setupAccentColour());
    for (std::string_view sortType : sortTypes) {
        std::string title(sortType);
        sheet->addAction({title, kit::AlertActionStyle::defaultStyle,
                          [choose, title] { choose(title); }, sortType == current});
    }
    sheet->addAction({"Cancel", kit::AlertActionStyle::cancel, {}, false});
    return sheet;
}

}  // namespace kelvora
