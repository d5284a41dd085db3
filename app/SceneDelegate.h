#pragma once

#include <memory>

#include "platform/foundation/Bundle.h"
#include "platform/kit/Responder.h"
#include "platform/kit/WindowSceneDelegate.h"
#include "platform/kit/Window.h"

namespace kelvora {

// Brings the app up on a connecting scene: the window at once, tinted with the accent
// colour and showing the tabs; the Setup and Original folders 0.3 s later; the first-run
// snapshot 0.2 s after that, unless it was taken by an earlier launch. The home screen does
// not wait for the folders: loading the list does not need them.
class SceneDelegate final : public kit::Responder, public kit::WindowSceneDelegate {
  public:
    static constexpr double kFolderCheckDelay = 0.3;
    static constexpr double kSnapshotDelay = 0.2;

    explicit SceneDelegate(foundation::Bundle bundle) : bundle_(std::move(bundle)) {}

    const std::shared_ptr<kit::Window>& window() const { return window_; }

    void willConnect(const std::shared_ptr<kit::WindowScene>& scene) override;

  private:
    static void checkFolders();
    static void takeSnapshotIfNeeded();

    foundation::Bundle bundle_;
    std::shared_ptr<kit::Window> window_;
};

}  // namespace kelvora
