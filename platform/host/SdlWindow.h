#pragma once

#include <SDL.h>

#include <chrono>
#include <memory>
#include <optional>

#include "platform/host/HostSession.h"
#include "platform/host/SdlLibrary.h"
#include "platform/host/WindowFit.h"
#include "platform/kit/Geometry.h"

namespace host {

// Shows a session in a desktop window titled "Kelvora": the mouse is a finger, a drag
// scrolls, a press held 0.5 s or a right click is a long press, the wheel scrolls, and the
// keyboard types into the field being edited; Ctrl+Q and Ctrl+W close it. The window opens
// at the device's size times the scale, made smaller to fit the display, and may be
// resized: each frame is drawn at the window's own size (WindowFit), never stretched.
//
// The main queue's clock follows real time. A frame is drawn only after input that can
// change the screen, after queued work ran, or while something animates; otherwise the
// loop sleeps until the next piece of work is due.
class SdlWindow final {
  public:
    static constexpr double kLongPressSeconds = 0.5;
    static constexpr double kWheelPoints = 40;

    // Returns the exit status.
    static int run(HostSession& session);

    SdlWindow(const SdlWindow&) = delete;
    SdlWindow& operator=(const SdlWindow&) = delete;
    ~SdlWindow();

  private:
    explicit SdlWindow(HostSession& session) : session_(session) {}

    foundation::Result<void> open();
    WindowFit::Display display() const;
    foundation::Result<void> fitFrame();
    int loop();
    void handle(const SDL_Event& event);
    void handleButton(const SDL_MouseButtonEvent& button, bool down);
    void handleMotion(const SDL_MouseMotionEvent& motion);
    void handleWheel(const SDL_MouseWheelEvent& wheel);
    void handleKey(const SDL_KeyboardEvent& key);
    void longPressIfHeld();
    void advanceClock();
    bool somethingChanged() const;
    void present();
    void drawFrame();
    kit::Point toPoint(int x, int y) const;
    int waitMilliseconds() const;

    HostSession& session_;
    const SdlLibrary* sdl_ = nullptr;
    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    WindowFit::Placement placement_;
    double density_ = 1;
    std::chrono::steady_clock::time_point lastTick_;
    std::optional<kit::Point> pressedAt_;
    double pressedTime_ = 0;
    bool dragging_ = false;
    bool held_ = false;
    bool dirty_ = true;
    bool quit_ = false;
};

}  // namespace host
