#include "platform/host/EventFilter.h"

namespace host {

bool EventFilter::quits(const SDL_Event& event) {
    if (event.type == SDL_QUIT) {
        return true;
    }
    if (event.type != SDL_KEYDOWN || (event.key.keysym.mod & KMOD_CTRL) == 0) {
        return false;
    }
    return event.key.keysym.sym == SDLK_q || event.key.keysym.sym == SDLK_w;
}

bool EventFilter::needsFrame(const SDL_Event& event, bool fingerDown) {
    switch (event.type) {
        case SDL_MOUSEMOTION:
            return fingerDown;
        case SDL_KEYUP:
            return false;
        case SDL_WINDOWEVENT:
            switch (event.window.event) {
                case SDL_WINDOWEVENT_EXPOSED:
                case SDL_WINDOWEVENT_SHOWN:
                case SDL_WINDOWEVENT_RESTORED:
                case SDL_WINDOWEVENT_SIZE_CHANGED:
                    return true;
                default:
                    return false;
            }
        default:
            return true;
    }
}

}  // namespace host
