#include "bench/ScreenSession.h"

#include <stdlib.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <iterator>
#include <set>
#include <string>

#include "app/AppDelegate.h"
#include "app/SceneDelegate.h"
#include "platform/foundation/DateFormatter.h"
#include "platform/foundation/FileManager.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/MainQueue.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/PropertyList.h"
#include "platform/host/SampleRoot.h"
#include "platform/kit/Application.h"
#include "platform/kit/Image.h"
#include "platform/kit/ScrollView.h"
#include "platform/kit/ViewFinder.h"
#include "platform/render/AssetLoader.h"
#include "platform/render/ContentsPicture.h"
#include "platform/render/Resources.h"
#include "platform/render/SymbolMap.h"
#include "store/SetupManager.h"
#include "store/StoreConstants.h"

namespace kelvora {

namespace bench {

namespace {

const std::filesystem::path resources = KELVORA_SOURCE_DIR "/resources";

constexpr std::array<const char*, 8> icons{
    "heart.fill",  "bolt.heart.fill", "folder.fill", "arrowtriangle.up.fill",
    "shield.fill", "diamond.fill",    "seal.fill",   "clock.fill"};
constexpr std::array<const char*, 8> colours{"A2845E", "8E8E93", "48484A", "0A84FE",
                                             "00F0E4", "40C8E0", "A4FE00", "30D158"};

std::string numbered(const char* pattern, int number) {
    char text[64];
    std::snprintf(text, sizeof text, pattern, number);
    return text;
}

foundation::PlistDictionary setupRecord(int number) {
    auto now = std::chrono::system_clock::now() - std::chrono::minutes(number);
    std::size_t pick = static_cast<std::size_t>(number) % icons.size();
    return {
        {std::string(kSetupFolderNameKey), numbered("setup-%02d", number)},
        {std::string(kSetupNameKey), numbered("Setup %02d", number)},
        {std::string(kSetupIconKey), icons[pick]},
        {std::string(kSetupColourKey), colours[pick]},
        {std::string(kCreatedDateKey),
         foundation::DateFormatter("EEEE d MMM, yyyy HH:mm").format(now)},
        {std::string(kCreationDateKey),
         foundation::DateFormatter::withPattern(kCreationDatePattern)->format(now)},
    };
}

bool makeSetups(int count) {
    SetupManager& manager = SetupManager::sharedInstance();
    manager.checkIfKelvoraFolderExist();
    manager.checkIfSetupFolderExist();
    manager.checkIfOriginalFolderExist();
    foundation::PlistArray records;
    for (int number = 1; number <= count; ++number) {
        std::string folder = numbered("/var/mobile/Kelvora/Setup/setup-%02d", number);
        if (!foundation::FileManager::defaultManager().createDirectory(folder, false)) {
            return false;
        }
        records.push_back(setupRecord(number));
    }
    return manager.saveSetupArray(records).ok();
}

bool makePreferenceFiles(int count) {
    for (int number = 1; number <= count; ++number) {
        foundation::PlistDictionary values{{"enabled", number % 2 == 0}, {"level", number}};
        std::string path =
            numbered("/var/jb/vmo/Library/Preferences/com.bench.tweak%02d.plist", number);
        if (!foundation::writeToFile(values, path)) {
            return false;
        }
    }
    return true;
}

void installRendering() {
    render::Resources::setDirectory(resources);
    kit::Image::setResolver(
        {[](std::string_view name) { return render::SymbolMap::shared().find(name) != nullptr; },
         [](std::string_view name) { return render::AssetLoader::shared().size(name); }});
    render::ContentsPicture::install(ScreenSession::scale);
}

}  // namespace

ScreenSession::ScreenSession(kit::InterfaceStyle style, int setups, int extraPreferenceFiles) {
    foundation::Log::setSink([](std::string_view) {});
    std::string pattern = (std::filesystem::temp_directory_path() / "kelvora-frames-XXXXXX");
    if (mkdtemp(pattern.data()) == nullptr) {
        return;
    }
    root_ = std::filesystem::path(pattern) / "device";
    if (!prepareRoot(setups, extraPreferenceFiles)) {
        return;
    }
    kit::Screen::main() = kit::Screen::notched();
    kit::Screen::main().setInterfaceStyle(style);
    installRendering();
    launch();
}

ScreenSession::~ScreenSession() {
    window_.reset();
    kit::Application::shared()->reset();
    foundation::MainQueue::main().reset();
    foundation::NotificationCenter::defaultCenter().removeAllObservers();
    if (!root_.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(root_.parent_path(), ignored);
    }
}

bool ScreenSession::prepareRoot(int setups, int extraPreferenceFiles) const {
    if (!host::SampleRoot::prepare(root_)) {
        return false;
    }
    foundation::FileManager::defaultManager().setRoot(root_);
    foundation::MainQueue::main().reset();
    SetupManager& manager = SetupManager::sharedInstance();
    manager.setBool(true, kDidShowTutorialKey, std::string(kKelvoraPrefsID));
    manager.setBool(true, kDidCopiedOriginalFilesKey, std::string(kKelvoraPrefsID));
    return makeSetups(setups) && makePreferenceFiles(extraPreferenceFiles);
}

void ScreenSession::launch() {
    auto& application = *kit::Application::shared();
    application.setDelegate(std::make_shared<AppDelegate>());
    application.registerSceneConfiguration(AppDelegate::kSceneConfigurationName, [] {
        return std::make_shared<SceneDelegate>(foundation::Bundle(resources));
    });
    if (!application.launch(kit::Screen::main())) {
        return;
    }
    window_ = application.keyWindow();
    if (window_) {
        kit::Driver(window_).wait(1);
    }
}

bool ScreenSession::tap(std::string_view text, double seconds) {
    kit::Driver driver(window_);
    if (!driver.tap(text)) {
        return false;
    }
    driver.wait(seconds);
    return true;
}

bool ScreenSession::scrollList(double points) {
    auto views = kit::ViewFinder(window_).visibleViews();
    for (auto it = views.rbegin(); it != views.rend(); ++it) {
        auto list = std::dynamic_pointer_cast<kit::ScrollView>(*it);
        if (list && list->maximumContentOffset().y > list->minimumContentOffset().y) {
            kit::Point offset = list->contentOffset();
            offset.y = std::min(offset.y + points, list->maximumContentOffset().y);
            list->setContentOffset(offset, false);
            kit::Driver(window_).wait(1);
            return true;
        }
    }
    return false;
}

int ScreenSession::visibleTexts(const std::function<bool(const std::string&)>& counts) const {
    // A cell may show its text twice (label and accessibility label): count each text once.
    std::set<std::string> seen;
    auto shown = kit::ViewFinder(window_).visibleTexts(kit::ViewFinder::Reach::onScreen);
    for (const auto& found : shown) {
        std::copy_if(found.texts.begin(), found.texts.end(), std::inserter(seen, seen.end()),
                     counts);
    }
    return static_cast<int>(seen.size());
}

}  // namespace bench

}  // namespace kelvora
