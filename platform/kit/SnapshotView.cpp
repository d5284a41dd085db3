#include "platform/kit/SnapshotView.h"

namespace kit {

std::shared_ptr<SnapshotView> SnapshotView::of(const View& view) {
    auto snapshot = std::make_shared<SnapshotView>(ContentsSnapshot::capture(view));
    snapshot->setFrame({{0, 0}, view.bounds().size});
    return snapshot;
}

}  // namespace kit
