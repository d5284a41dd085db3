#include "bench/BenchMain.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "platform/foundation/FileManager.h"

namespace bench {

int runOverDeviceRoot(int argc, char** argv, const char* program,
                      const std::function<bool()>& makeFiles) {
    std::vector<char*> arguments;
    std::string root;
    for (int i = 0; i < argc; ++i) {
        if (std::strncmp(argv[i], "--root=", 7) == 0) {
            root = argv[i] + 7;
        } else {
            arguments.push_back(argv[i]);
        }
    }
    if (root.empty()) {
        std::fprintf(stderr, "usage: %s --root=DIR [benchmark flags]\n", program);
        return 2;
    }
    foundation::FileManager::defaultManager().setRoot(root);
    if (!makeFiles()) {
        std::fprintf(stderr, "%s: cannot make the benchmark files under %s\n", program,
                     root.c_str());
        return 1;
    }
    int count = static_cast<int>(arguments.size());
    benchmark::Initialize(&count, arguments.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace bench
