// The first-run snapshot of a Preferences folder of 1,000 tweak files of 4 KB into the
// Original folder: each name filtered, every file copied in one batch of replacing copies,
// one log line per file and the flag once it holds, as the app does. bench/run-host times
// `cp -p` of the same files into an empty folder after each run.
//
//   snapshot_bench --root=DIR [benchmark flags]
#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

#include "bench/BenchMain.h"
#include "platform/foundation/FileManager.h"
#include "store/SetupManager.h"

namespace kelvora {

namespace {

constexpr int kFiles = 1000;
constexpr const char* kPrefsFolder = "/var/jb/vmo/Library/Preferences/";

bool makeFiles() {
    auto& files = foundation::FileManager::defaultManager();
    if (!files.createDirectory(kPrefsFolder, true) ||
        !files.createDirectory("/var/mobile/Kelvora/Original", true)) {
        return false;
    }
    std::string contents(4096, 'k');
    for (int i = 0; i < kFiles; ++i) {
        std::string name = "com.developer.tweak" + std::to_string(i) + ".plist";
        std::ofstream out(files.hostPath(std::string(kPrefsFolder) + name), std::ios::binary);
        out << contents;
        if (!out) {
            return false;
        }
    }
    return true;
}

void BM_copyOriginalFilesToKelvora(benchmark::State& state) {
    for (auto _ : state) {
        SetupManager::sharedInstance().copyOriginalFilesToKelvora();
    }
    state.counters["files"] = kFiles;
}
// The first run's snapshot goes into an empty folder; a second would replace what the first
// made, so bench/run-host starts one run per fresh root.
BENCHMARK(BM_copyOriginalFilesToKelvora)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

}  // namespace kelvora

int main(int argc, char** argv) {
    return bench::runOverDeviceRoot(argc, argv, "snapshot_bench", kelvora::makeFiles);
}
