// Typed settings reads and writes and the setup list load, on the files bench/run also
// hands to Python's plistlib. Nothing is cached between iterations: each one reads the file.
//
//   store_bench --root=DIR [benchmark flags]
//
// DIR becomes the device root; the files are made there before the first benchmark.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/BenchMain.h"
#include "platform/foundation/FileManager.h"
#include "platform/foundation/PropertyList.h"
#include "store/SetupManager.h"

namespace kelvora {

namespace {

const std::optional<std::string> kDomain = "com.kelvora.bench";

foundation::PlistDictionary fiftyKeys() {
    foundation::PlistDictionary values;
    for (int i = 0; i < 50; ++i) {
        std::string key = "key" + std::to_string(i);
        if (i % 3 == 0) {
            values[key] = (i % 2 == 0);
        } else if (i % 3 == 1) {
            values[key] = i * 1000;
        } else {
            values[key] = "value number " + std::to_string(i);
        }
    }
    return values;
}

foundation::PlistArray hundredRecords() {
    foundation::PlistArray records;
    for (int i = 0; i < 100; ++i) {
        foundation::PlistDictionary record;
        record["setupFolderName"] = "setup" + std::to_string(i);
        record["setupName"] = "Setup " + std::to_string(i);
        record["setupIcon"] = "star.fill";
        record["setupColour"] = "04C7BE";
        record["createdDate"] = "Sunday 6 Dec, 2026 13:30";
        record["creationDate"] = "0612202601300042";
        records.emplace_back(std::move(record));
    }
    return records;
}

bool makeFiles() {
    auto& files = foundation::FileManager::defaultManager();
    if (!files.createDirectory("/var/jb/vmo/Library/Preferences", true)) {
        return false;
    }
    return foundation::writeToFile(fiftyKeys(),
                                   "/var/jb/vmo/Library/Preferences/com.kelvora.bench.plist")
               .ok() &&
           SetupManager::sharedInstance().saveSetupArray(hundredRecords()).ok();
}

void BM_boolForKey(benchmark::State& state) {
    auto& store = SetupManager::sharedInstance();
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.boolForKey("key24", false, kDomain));
    }
}
BENCHMARK(BM_boolForKey);

void BM_setBool(benchmark::State& state) {
    auto& store = SetupManager::sharedInstance();
    bool value = false;
    for (auto _ : state) {
        store.setBool(value, "key24", kDomain);
        value = !value;
    }
}
BENCHMARK(BM_setBool);

void BM_loadSetupArray(benchmark::State& state) {
    auto& store = SetupManager::sharedInstance();
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.loadSetupArray());
    }
}
BENCHMARK(BM_loadSetupArray);

}  // namespace

}  // namespace kelvora

int main(int argc, char** argv) {
    return bench::runOverDeviceRoot(argc, argv, "store_bench", kelvora::makeFiles);
}
