#include "ui/OkayAlert.h"

#include "appearance/SetupAppearance.h"

namespace kelvora {

std::shared_ptr<kit::AlertController> OkayAlert::make(const std::string& title,
                                                      const std::string& message) {
    auto alert = kit::AlertController::make(title, message, kit::AlertControllerStyle::alert);
    alert->view()->setTintColor(SetupAppearance::setupAccentColour());
    alert->addAction({"Okay", kit::AlertActionStyle::cancel, {}, false});
    return alert;
}

}  // namespace kelvora
