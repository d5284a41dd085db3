#pragma once

#include <functional>
#include <memory>

#include "platform/kit/ViewController.h"
#include "store/RestorePoint.h"
#include "store/RestorePointPutBack.h"

namespace kelvora {

// Puts a restore point back at once and says how it went: an alert titled with what the point
// undoes when every entry is as it was before that restore, else an "Error" alert naming each
// entry that is not.
class PutBackPresenter final {
  public:
    using Completion = std::function<void(const PutBackResult&)>;

    // `completion` runs after the alert is presented.
    static void run(const RestorePoint& point,
                    const std::shared_ptr<kit::ViewController>& presenter,
                    const Completion& completion = {});
};

}  // namespace kelvora
