#include "platform/kit/ContentsSnapshot.h"

#include <utility>

namespace kit {

namespace {

ContentsSnapshot::Capturer& installed() {
    static ContentsSnapshot::Capturer capturer;
    return capturer;
}

}  // namespace

ContentsSnapshot::Capturer ContentsSnapshot::setCapturer(Capturer capturer) {
    return std::exchange(installed(), std::move(capturer));
}

std::shared_ptr<const ContentsSnapshot> ContentsSnapshot::capture(const View& view) {
    const Capturer& capturer = installed();
    return capturer ? capturer(view) : nullptr;
}

}  // namespace kit
