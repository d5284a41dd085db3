#pragma once

#include <functional>

namespace bench {

// The main of a benchmark program over a device root: takes --root=DIR out of the arguments,
// installs it as the file manager's root, lets `makeFiles` fill it, then runs the benchmarks.
int runOverDeviceRoot(int argc, char** argv, const char* program,
                      const std::function<bool()>& makeFiles);

}  // namespace bench
