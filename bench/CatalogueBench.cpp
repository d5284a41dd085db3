// The Preferences catalogue on a folder of 10,000 tweak plists and 1,000 excluded system
// files: a full load (listing, one attribute read per admitted file, records, sort, search
// index), one search keystroke over the loaded rows, and the catalogue's memory.
// bench/run-catalogue times `find` over the same folder in the same run.
//
//   catalogue_bench --root=DIR [benchmark flags]
//
// DIR becomes the device root; the files are made there before the first benchmark.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <malloc.h>
#include <sys/stat.h>

#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "bench/BenchMain.h"
#include "files/PreferencesCatalogue.h"
#include "platform/foundation/FileManager.h"
#include "store/SetupManager.h"

namespace kelvora {

namespace {

constexpr int kAdmitted = 10000;
constexpr int kExcluded = 1000;
constexpr long kNewest = 1796563800;  // 2026-12-06 13:30 UTC
const std::optional<std::string> kPrefsID = "com.zerovin.KelvoraPrefs";

bool makeFiles() {
    auto& files = foundation::FileManager::defaultManager();
    auto folder = files.hostPath("/var/jb/vmo/Library/Preferences");
    if (!files.createDirectory("/var/jb/vmo/Library/Preferences", true)) {
        return false;
    }
    std::string contents = "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict/></plist>\n";
    for (int i = 0; i < kAdmitted + kExcluded; ++i) {
        std::string name = i < kAdmitted ? "com.developer" + std::to_string(i % 97) + ".tweak" +
                                               std::to_string(i) + ".plist"
                                         : "com.apple.system" + std::to_string(i) + ".plist";
        std::ofstream out(folder / name);
        out << contents;
        out.close();
        // Distinct modification times, as a real folder has, an hour and a bit apart.
        timespec times[2] = {{kNewest - i * 3607L, 0}, {kNewest - i * 3607L, 0}};
        if (!out || utimensat(AT_FDCWD, (folder / name).c_str(), times, 0) != 0) {
            return false;
        }
    }
    return true;
}

void setSortType(const char* sortType) {
    SetupManager::sharedInstance().setObject(std::string(sortType), "filePickerSortType", kPrefsID);
}

void loadCatalogue(benchmark::State& state, const char* sortType) {
    setSortType(sortType);
    for (auto _ : state) {
        PreferencesCatalogue catalogue;
        catalogue.loadPrefsData();
        benchmark::DoNotOptimize(catalogue.plistCount());
    }
}

void BM_loadCatalogueByName(benchmark::State& state) {
    loadCatalogue(state, "File A-Z");
}
BENCHMARK(BM_loadCatalogueByName)->Unit(benchmark::kMillisecond);

void BM_loadCatalogueByDate(benchmark::State& state) {
    loadCatalogue(state, "Date Newest");
}
BENCHMARK(BM_loadCatalogueByDate)->Unit(benchmark::kMillisecond);

// Typing the last letter of "tweak12": every row is scanned, about one in ten matches.
void BM_searchKeystroke(benchmark::State& state) {
    setSortType("File A-Z");
    PreferencesCatalogue catalogue;
    catalogue.loadPrefsData();
    for (auto _ : state) {
        catalogue.updateSearchResultWithString("tweak12");
        benchmark::DoNotOptimize(catalogue.plistCount());
    }
    state.counters["rows"] = static_cast<double>(catalogue.searchResultArray().size());
    state.counters["shown"] = static_cast<double>(catalogue.plistCount());
}
BENCHMARK(BM_searchKeystroke)->Unit(benchmark::kMicrosecond);

std::size_t bytesInUse() {
    struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// Heap bytes a loaded catalogue keeps: records, rows on show and the search index. A first
// load runs before, so the shared date formatters are not counted.
void BM_catalogueMemory(benchmark::State& state) {
    setSortType("File A-Z");
    std::optional<PreferencesCatalogue> warmUp(std::in_place);
    warmUp->loadPrefsData();
    warmUp.reset();
    double bytes = 0;
    for (auto _ : state) {
        std::size_t before = bytesInUse();
        auto catalogue = std::make_optional<PreferencesCatalogue>();
        catalogue->loadPrefsData();
        bytes = static_cast<double>(bytesInUse() - before);
        state.counters["rows"] = static_cast<double>(catalogue->searchResultArray().size());
    }
    state.counters["bytes"] = bytes;
}
BENCHMARK(BM_catalogueMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

}  // namespace kelvora

int main(int argc, char** argv) {
    return bench::runOverDeviceRoot(argc, argv, "catalogue_bench", kelvora::makeFiles);
}
