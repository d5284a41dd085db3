#pragma once

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "platform/kit/Label.h"
#include "platform/kit/ViewController.h"

namespace kittest {

// A screen with one label showing its name, that writes down each lifecycle call.
class RecordingController final : public kit::ViewController {
  public:
    explicit RecordingController(std::string name) : name_(std::move(name)) { setTitle(name_); }

    // Makes `action` a named action of this screen, counted in `performed`.
    void define(const std::string& action) {
        defineAction(action, [this, action](const std::shared_ptr<kit::Responder>&) {
            performed.push_back(action);
        });
    }

    void viewDidLoad() override {
        events.push_back("didLoad");
        label = std::make_shared<kit::Label>();
        label->setText(name_ + " content");
        label->setFrame({20, 300, 300, 30});
        view()->addSubview(label);
    }
    void viewWillAppear(bool) override { events.push_back("willAppear"); }
    void viewDidAppear(bool) override { events.push_back("didAppear"); }
    void viewWillDisappear(bool) override { events.push_back("willDisappear"); }
    void viewDidDisappear(bool) override { events.push_back("didDisappear"); }

    long count(const std::string& event) const {
        return std::count(events.begin(), events.end(), event);
    }

    std::vector<std::string> events;
    std::vector<std::string> performed;
    std::shared_ptr<kit::Label> label;

  private:
    std::string name_;
};

}  // namespace kittest
