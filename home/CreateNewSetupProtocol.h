#pragma once

#include "store/SetupData.h"

namespace kelvora {

// Told once a new Setup's folder and record exist, after the form has begun to close.
class CreateNewSetupProtocol {
  public:
    virtual ~CreateNewSetupProtocol() = default;
    virtual void didCreatedNewSetupAndNeedUpdateWithData(const SetupData& data) = 0;
};

}  // namespace kelvora
