#include "platform/host/HostMain.h"

#include <cstdlib>
#include <iostream>

#include "platform/foundation/FileManager.h"
#include "platform/host/Console.h"
#include "platform/host/HostLog.h"
#include "platform/host/HostOptions.h"
#include "platform/host/HostSession.h"
#include "platform/host/SampleRoot.h"
#include "platform/host/SdlWindow.h"
#include "platform/host/UrlOpener.h"
#include "platform/kit/Image.h"
#include "platform/render/AssetLoader.h"
#include "platform/render/ContentsPicture.h"
#include "platform/render/Resources.h"
#include "platform/render/SymbolMap.h"

namespace host {

namespace {

std::optional<std::string> environmentVariable(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    return value ? std::optional<std::string>(value) : std::nullopt;
}

// The repository's resources folder, found through the source tree the program was built
// from, unless KELVORA_RESOURCES names another.
std::filesystem::path resourcesFolder() {
    if (auto chosen = environmentVariable("KELVORA_RESOURCES"); chosen && !chosen->empty()) {
        return *chosen;
    }
    return KELVORA_SOURCE_RESOURCES;
}

void installImageResolver() {
    kit::Image::setResolver(
        {[](std::string_view name) { return render::SymbolMap::shared().find(name) != nullptr; },
         [](std::string_view name) { return render::AssetLoader::shared().size(name); }});
}

void configureScreen(const HostOptions& options) {
    kit::Screen::main() = options.device == HostOptions::Device::notched ? kit::Screen::notched()
                                                                         : kit::Screen::classic();
    kit::Screen::main().setInterfaceStyle(options.dark ? kit::InterfaceStyle::dark
                                                       : kit::InterfaceStyle::light);
}

foundation::Result<void> prepareRoot(const HostOptions& options) {
    auto seeded = SampleRoot::prepare(options.root);
    if (!seeded) {
        return seeded.error();
    }
    if (seeded.value()) {
        Console::note("Made a new device root with sample preference files: " +
                      options.root.string());
    }
    foundation::FileManager::defaultManager().setRoot(options.root);
    if (auto logging = HostLog::install(options.verbose); !logging) {
        Console::error(logging.error().description);
    }
    return {};
}

int run(const HostOptions& options, const AppInstaller& install) {
    // A script is read before anything starts, so a bad one changes nothing on disk.
    std::optional<Script> script;
    if (options.script) {
        auto loaded = Script::load(*options.script);
        if (!loaded) {
            Console::error(loaded.error().description);
            return 2;
        }
        script = std::move(loaded).value();
    }
    if (auto noDisplay = options.missingDisplay(environmentVariable)) {
        Console::error(*noDisplay);
        return 1;
    }
    if (auto prepared = prepareRoot(options); !prepared) {
        Console::error(prepared.error().description);
        return 1;
    }
    configureScreen(options);
    auto resources = resourcesFolder();
    render::Resources::setDirectory(resources);
    installImageResolver();
    // Pictures kept for cross-dissolves are drawn at the scale the frames are; a window
    // installs its own as it learns its size.
    render::ContentsPicture::install(options.scale.value_or(1));
    auto& application = *kit::Application::shared();
    application.setURLOpener(UrlOpener(!options.opensWindow()));
    install(application, resources);
    HostSession session(options, std::move(script));
    if (auto launched = session.launch(); !launched) {
        Console::error(launched.error().description);
        return 1;
    }
    return options.opensWindow() ? SdlWindow::run(session) : session.runHeadless();
}

}  // namespace

int applicationMain(int argc, char** argv, const AppInstaller& install) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    auto options = HostOptions::parse(arguments, environmentVariable);
    if (!options) {
        Console::error(options.error().description);
        std::cerr << HostOptions::usage() << "(kelvora --help describes each option)\n";
        return 2;
    }
    if (options.value().help) {
        std::cout << HostOptions::helpText(environmentVariable);
        return 0;
    }
    return run(options.value(), install);
}

}  // namespace host
