#pragma once

#include <memory>

#include "platform/kit/ContentsSnapshot.h"
#include "platform/kit/View.h"

namespace kit {

// Shows a picture of another view taken earlier, such as the item a context menu lifts above
// the dimmed screen. Without a capturer installed the picture is empty and nothing shows.
class SnapshotView final : public View {
  public:
    explicit SnapshotView(std::shared_ptr<const ContentsSnapshot> snapshot)
        : snapshot_(std::move(snapshot)) {}

    const std::shared_ptr<const ContentsSnapshot>& snapshot() const { return snapshot_; }

  private:
    std::shared_ptr<const ContentsSnapshot> snapshot_;
};

}  // namespace kit
