// Restoring a Setup of 1,000 files of 4 KB into a Preferences folder that already holds the
// same names: the walk the explorer runs (temporary copy, owner and mode kept, rename over
// the file, progress text per file), without the screen. bench/run-restore times `cp -p` of
// the same files into the same folder after each run.
//
//   restore_bench --root=DIR [benchmark flags]
//
// DIR becomes the device root; the files are made there before the first benchmark.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "bench/BenchMain.h"
#include "files/FileOperation.h"
#include "platform/foundation/FileManager.h"
#include "platform/foundation/MainQueue.h"

namespace kelvora {

namespace {

constexpr int kFiles = 1000;
constexpr const char* kSetupFolder = "/var/mobile/Kelvora/Setup/bench/";
constexpr const char* kPrefsFolder = "/var/jb/vmo/Library/Preferences/";

bool makeFiles() {
    auto& files = foundation::FileManager::defaultManager();
    if (!files.createDirectory(kSetupFolder, true) || !files.createDirectory(kPrefsFolder, true)) {
        return false;
    }
    std::string contents(4096, 'k');
    for (int i = 0; i < kFiles; ++i) {
        std::string name = "com.developer.tweak" + std::to_string(i) + ".plist";
        for (const char* folder : {kSetupFolder, kPrefsFolder}) {
            std::ofstream out(files.hostPath(std::string(folder) + name), std::ios::binary);
            out << contents;
            if (!out) {
                return false;
            }
        }
    }
    return true;
}

void BM_restoreSetup(benchmark::State& state) {
    auto overlay = SpinnerMessageView::init();
    auto& files = foundation::FileManager::defaultManager();
    for (auto _ : state) {
        auto names = files.contentsOfDirectory(kSetupFolder);
        std::sort(names->begin(), names->end());
        bool finished = false;
        FileOperation::copy(kSetupFolder, kPrefsFolder, std::move(*names))
            .run(overlay, nullptr, [&finished](const FileOperationSummary& summary) {
                finished = summary.failed == 0;
            });
        foundation::MainQueue::main().advance(0.2);
        if (!finished) {
            state.SkipWithError("a file failed to restore");
        }
    }
    state.counters["files"] = kFiles;
}

// One restore per run: the files it replaces are freed, and ext4 without a journal passes
// over inodes freed in the last minutes when it makes new ones, so back-to-back restores in one
// folder time that search more than the restore. bench/run-restore starts one run per fresh
// root instead.
BENCHMARK(BM_restoreSetup)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

}  // namespace kelvora

int main(int argc, char** argv) {
    return bench::runOverDeviceRoot(argc, argv, "restore_bench", kelvora::makeFiles);
}
