#include "ui/PutBackPresenter.h"

#include "ui/OkayAlert.h"

namespace kelvora {

namespace {

std::string successMessage(const RestorePoint& point, const PutBackResult& result) {
    return "Put back " + std::to_string(result.putBack) +
           " files as they were before the restore of " + point.restored +
           ". You will need to respring your device for the tweak settings to take effect.";
}

}  // namespace

void PutBackPresenter::run(const RestorePoint& point,
                           const std::shared_ptr<kit::ViewController>& presenter,
                           const Completion& completion) {
    const PutBackResult result = RestorePointPutBack::run(point);
    if (result.succeeded()) {
        presenter->present(OkayAlert::make("Undo " + point.restored, successMessage(point, result)),
                           true);
    } else {
        std::string message;
        for (const auto& failure : result.failures) {
            message += (message.empty() ? "" : "\n") + failure;
        }
        presenter->present(OkayAlert::make("Error", message), true);
    }
    if (completion) {
        completion(result);
    }
}

}  // namespace kelvora
