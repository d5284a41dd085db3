#pragma once

#include <SDL.h>

#include "platform/foundation/Result.h"

namespace host {

// The SDL2 functions the window uses, each named as in SDL.
#define KELVORA_SDL_FUNCTIONS(FUNCTION)  \
    FUNCTION(SDL_CreateRenderer)         \
    FUNCTION(SDL_CreateTexture)          \
    FUNCTION(SDL_CreateWindow)           \
    FUNCTION(SDL_DestroyRenderer)        \
    FUNCTION(SDL_DestroyTexture)         \
    FUNCTION(SDL_DestroyWindow)          \
    FUNCTION(SDL_GetCurrentVideoDriver)  \
    FUNCTION(SDL_GetDisplayUsableBounds) \
    FUNCTION(SDL_GetError)               \
    FUNCTION(SDL_GetMouseState)          \
    FUNCTION(SDL_GetRendererOutputSize)  \
    FUNCTION(SDL_GetWindowBordersSize)   \
    FUNCTION(SDL_GetWindowDisplayIndex)  \
    FUNCTION(SDL_GetWindowSize)          \
    FUNCTION(SDL_Init)                   \
    FUNCTION(SDL_LockTexture)            \
    FUNCTION(SDL_PollEvent)              \
    FUNCTION(SDL_PumpEvents)             \
    FUNCTION(SDL_Quit)                   \
    FUNCTION(SDL_RenderClear)            \
    FUNCTION(SDL_RenderCopy)             \
    FUNCTION(SDL_RenderPresent)          \
    FUNCTION(SDL_SetHint)                \
    FUNCTION(SDL_SetRenderDrawColor)     \
    FUNCTION(SDL_SetTextureBlendMode)    \
    FUNCTION(SDL_SetWindowMinimumSize)   \
    FUNCTION(SDL_SetWindowPosition)      \
    FUNCTION(SDL_SetWindowSize)          \
    FUNCTION(SDL_ShowWindow)             \
    FUNCTION(SDL_UnlockTexture)          \
    FUNCTION(SDL_WaitEventTimeout)

// SDL2, opened when a window is first asked for rather than linked into the program: linked,
// it loads some forty libraries more (sound, Wayland, X, D-Bus) at every start, about 5 ms of
// a headless run's 45 (a script, a screenshot, a test of the program), which never opens a
// window. Opened once and kept for the life of the process.
class SdlLibrary final {
  public:
    // The library, or why it cannot be opened (not installed, or missing a function).
    static foundation::Result<const SdlLibrary*> open();

#define KELVORA_SDL_MEMBER(name) decltype(&::name) name = nullptr;
    KELVORA_SDL_FUNCTIONS(KELVORA_SDL_MEMBER)
#undef KELVORA_SDL_MEMBER
};

}  // namespace host
