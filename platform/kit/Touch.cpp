#include "platform/kit/Touch.h"

#include "platform/kit/View.h"

namespace kit {

Point Touch::locationIn(const View& view) const {
    return view.convertFromWindow(location);
}

Point Touch::previousLocationIn(const View& view) const {
    return view.convertFromWindow(previousLocation);
}

}  // namespace kit
