#pragma once

#include <SDL.h>

namespace host {

// What the window's events mean to the loop before any view hears of them: which end the
// run, and which may change what is shown. The pointer is a finger, and a finger that does
// not touch the screen changes nothing: moving the mouse with no button down draws nothing.
class EventFilter final {
  public:
    // Closing the window, Ctrl+Q and Ctrl+W.
    static bool quits(const SDL_Event& event);
    // Whether a frame must be drawn after `event`, given whether a finger is down.
    static bool needsFrame(const SDL_Event& event, bool fingerDown);
};

}  // namespace host
