#include "platform/kit/Application.h"

#include <cctype>

#include "platform/foundation/Log.h"
#include "platform/foundation/MainQueue.h"
#include "platform/kit/Window.h"

namespace kit {

namespace {

// A URL needs a scheme: letters first, then letters, digits, "+", "-" or ".", then ":".
bool hasScheme(const std::string& url) {
    auto colon = url.find(':');
    if (colon == std::string::npos || colon == 0 ||
        !std::isalpha(static_cast<unsigned char>(url[0]))) {
        return false;
    }
    for (std::size_t index = 1; index < colon; ++index) {
        unsigned char c = static_cast<unsigned char>(url[index]);
        if (!std::isalnum(c) && c != '+' && c != '-' && c != '.') {
            return false;
        }
    }
    return true;
}

}  // namespace

const std::shared_ptr<Application>& Application::shared() {
    static const std::shared_ptr<Application> application = std::make_shared<Application>();
    return application;
}

void Application::registerSceneConfiguration(std::string name, WindowSceneDelegateFactory factory) {
    manifest_[std::move(name)] = std::move(factory);
}

foundation::Result<std::shared_ptr<WindowScene>> Application::launch(Screen screen) {
    if (!delegate_) {
        return foundation::Error{"The application has no delegate"};
    }
    if (!delegate_->didFinishLaunching()) {
        return foundation::Error{"The application did not finish launching"};
    }
    return connectScene(screen);
}

foundation::Result<std::shared_ptr<WindowScene>> Application::connectScene(Screen screen) {
    if (!delegate_) {
        return foundation::Error{"The application has no delegate"};
    }
    auto configuration = delegate_->configurationForConnecting(windowApplicationRole);
    auto entry = manifest_.find(configuration.name);
    if (entry == manifest_.end() || !entry->second) {
        return foundation::Error{"No scene configuration is named \"" + configuration.name + "\""};
    }
    auto sceneDelegate = entry->second();
    if (!sceneDelegate) {
        return foundation::Error{"The scene configuration \"" + configuration.name +
                                 "\" made no delegate"};
    }
    auto scene =
        std::make_shared<WindowScene>(screen, configuration, sceneDelegate, weak_from_this());
    scenes_.push_back(scene);
    sceneDelegate->willConnect(scene);
    return scene;
}

std::vector<std::shared_ptr<Window>> Application::windows() const {
    std::vector<std::shared_ptr<Window>> all;
    for (const auto& scene : scenes_) {
        auto windows = scene->windows();
        all.insert(all.end(), windows.begin(), windows.end());
    }
    return all;
}

std::shared_ptr<Window> Application::keyWindow() const {
    auto all = windows();
    for (auto it = all.rbegin(); it != all.rend(); ++it) {
        if ((*it)->isKeyWindow()) {
            return *it;
        }
    }
    return nullptr;
}

void Application::openURL(const std::string& url, std::function<void(bool)> completion) {
    bool opened = false;
    if (!hasScheme(url)) {
        foundation::Log::write("Cannot open \"" + url + "\": it is not a URL");
    } else if (!opener_) {
        foundation::Log::write("No application can open " + url);
    } else {
        opened = opener_(url);
    }
    if (completion) {
        foundation::MainQueue::main().async([completion, opened] { completion(opened); });
    }
}

Application::URLOpener Application::setURLOpener(URLOpener opener) {
    std::swap(opener, opener_);
    return opener;
}

void Application::reset() {
    delegate_.reset();
    manifest_.clear();
    scenes_.clear();
    opener_ = nullptr;
}

}  // namespace kit
