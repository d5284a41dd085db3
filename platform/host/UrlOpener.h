#pragma once

#include <string>

namespace host {

// Hands a URL to the desktop's opener (xdg-open) when there is one and a person is
// watching; otherwise, and for a headless run, writes one log line with the URL, so a
// script run never starts a browser.
class UrlOpener final {
  public:
    explicit UrlOpener(bool headless) : headless_(headless) {}

    bool operator()(const std::string& url) const;

  private:
    bool headless_;
};

}  // namespace host
