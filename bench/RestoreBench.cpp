// Restoring a Setup of 1,000 files of 4 KB into a Preferences folder that already holds the
// same names: the walk the explorer runs (restore point first, then the temporary copies, owner
// and mode kept, renamed over the files, progress text per file), without the screen; and
// before it, the review of that Setup (every entry compared with the live file, then the keys
// of one 50-key file) and, to tell its share, the restore point alone. bench/run-restore times `cp
// -p` of the same files into the same folder after each run.
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
#include "platform/foundation/FileManager.h"
#include "platform/foundation/MainQueue.h"
#include "platform/foundation/PropertyList.h"
#include "store/PlistDiff.h"
#include "store/RestorePoints.h"
#include "store/RestoreReview.h"
#include "ui/FileWalkPresenter.h"

namespace kelvora {

namespace {

constexpr int kFiles = 1000;
constexpr int kKeys = 50;
constexpr const char* kSetupFolder = "/var/mobile/Kelvora/Setup/bench/";
constexpr const char* kPrefsFolder = "/var/jb/vmo/Library/Preferences/";
constexpr const char* kKeyedFile = "com.developer.tweak0.plist";

std::string name(int index) {
    return "com.developer.tweak" + std::to_string(index) + ".plist";
}

// Every live file is as long as its Setup's copy, so that the review reads and compares each
// one; every other one differs in its last byte.
bool writeFile(const std::string& path, int index, bool live) {
    std::string contents(4096, 'k');
    if (live && index % 2 == 1) {
        contents.back() = 'j';
    }
    std::ofstream out(foundation::FileManager::defaultManager().hostPath(path), std::ios::binary);
    out << contents;
    return static_cast<bool>(out);
}

// A preference file of 50 keys; the Setup's copy changes ten of them and adds and removes one.
bool writeKeyedFiles() {
    foundation::PlistDictionary live;
    for (int key = 0; key < kKeys; ++key) {
        live["key" + std::to_string(key)] =
            key % 3 == 0 ? foundation::PlistValue(key % 2 == 0) : foundation::PlistValue(key * 1.5);
    }
    foundation::PlistDictionary incoming = live;
    for (int key = 0; key < 10; ++key) {
        incoming["key" + std::to_string(key * 5)] = "changed " + std::to_string(key);
    }
    incoming.erase("key1");
    incoming["added"] = foundation::PlistDictionary{{"nested", 1}};
    return foundation::writeToFile(live, std::string(kPrefsFolder) + kKeyedFile) &&
           foundation::writeToFile(incoming, std::string(kSetupFolder) + kKeyedFile);
}

bool makeFiles() {
    auto& files = foundation::FileManager::defaultManager();
    if (!files.createDirectory(kSetupFolder, true) || !files.createDirectory(kPrefsFolder, true)) {
        return false;
    }
    for (int index = 1; index < kFiles; ++index) {
        if (!writeFile(kSetupFolder + name(index), index, false) ||
            !writeFile(kPrefsFolder + name(index), index, true)) {
            return false;
        }
    }
    return writeKeyedFiles();
}

// Only reads, so it runs before the restore and leaves the folder as the restore finds it.
void BM_reviewSetup(benchmark::State& state) {
    for (auto _ : state) {
        RestoreReview review = RestoreReview::of(kSetupFolder, kPrefsFolder);
        PlistDiff::Files keys = PlistDiff::ofFiles(std::string(kPrefsFolder) + kKeyedFile,
                                                   std::string(kSetupFolder) + kKeyedFile);
        if (review.willChange.size() != kFiles / 2 + 1 || keys.changes.size() != 12) {
            state.SkipWithError("the review did not find what was changed");
        }
        benchmark::DoNotOptimize(review);
    }
    state.counters["files"] = kFiles;
}

// The restore point alone, as the restore below makes it first: every live file linked, the
// manifest written, all of it flushed.
void BM_keepRestorePoint(benchmark::State& state) {
    std::vector<RestorePoints::Change> changes;
    for (int index = 0; index < kFiles; ++index) {
        changes.push_back({kPrefsFolder + name(index), kSetupFolder + name(index)});
    }
    for (auto _ : state) {
        if (!RestorePoints::make("Setup bench", changes)) {
            state.SkipWithError("no restore point was made");
        }
    }
    state.counters["files"] = kFiles;
}

void BM_restoreSetup(benchmark::State& state) {
    auto overlay = SpinnerMessageView::init();
    auto& files = foundation::FileManager::defaultManager();
    for (auto _ : state) {
        auto names = files.contentsOfDirectory(kSetupFolder);
        std::sort(names->begin(), names->end());
        bool finished = false;
        FileWalkPresenter::run(
            FileWalk::restore(kSetupFolder, kPrefsFolder, std::move(*names), "Setup bench"),
            overlay, nullptr, FileWalkPresenter::Closing::whenAnythingChanged,
            [&finished](const FileWalkSummary& summary) {
                finished = summary.failures.empty() && !summary.restorePoint.empty();
            });
        foundation::MainQueue::main().advance(0.2);
        if (!finished) {
            state.SkipWithError("a file failed to restore");
        }
    }
    state.counters["files"] = kFiles;
}

BENCHMARK(BM_reviewSetup)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_keepRestorePoint)->Unit(benchmark::kMillisecond)->Iterations(1);
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
