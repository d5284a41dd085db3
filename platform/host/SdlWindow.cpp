#include "platform/host/SdlWindow.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <iostream>

#include "platform/foundation/MainQueue.h"
#include "platform/kit/Driver.h"

namespace host {

namespace {

constexpr int kFrameMilliseconds = 16;

}  // namespace

int SdlWindow::run(HostSession& session) {
    SdlWindow window(session);
    if (auto opened = window.open(); !opened) {
        std::cerr << "kelvora: " << opened.error().description
                  << "\n(run with --headless where there is no display)\n";
        return 1;
    }
    if (session.hasRequestedWork()) {
        return session.runRequested([&window] {
            window.dirty_ = true;
            window.present();
            SDL_PumpEvents();
        });
    }
    return window.loop();
}

SdlWindow::~SdlWindow() {
    if (texture_ != nullptr) {
        SDL_DestroyTexture(texture_);
    }
    if (renderer_ != nullptr) {
        SDL_DestroyRenderer(renderer_);
    }
    if (window_ != nullptr) {
        SDL_DestroyWindow(window_);
    }
    SDL_Quit();
}

foundation::Result<void> SdlWindow::open() {
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        return foundation::Error{std::string("Cannot open a window: ") + SDL_GetError()};
    }
    auto bounds = session_.window()->bounds();
    int scale = session_.options().scale;
    int width = static_cast<int>(bounds.width()) * scale;
    int height = static_cast<int>(bounds.height()) * scale;
    height_ = height;
    window_ = SDL_CreateWindow("Kelvora", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width,
                               height, 0);
    renderer_ = window_ ? SDL_CreateRenderer(window_, -1, 0) : nullptr;
    texture_ = renderer_ ? SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888,
                                             SDL_TEXTUREACCESS_STREAMING, width, height)
                         : nullptr;
    if (!texture_) {
        return foundation::Error{std::string("Cannot open a window: ") + SDL_GetError()};
    }
    // The frame is composed whole in Cairo, so it goes up opaque.
    SDL_SetTextureBlendMode(texture_, SDL_BLENDMODE_NONE);
    SDL_StartTextInput();
    lastTick_ = std::chrono::steady_clock::now();
    return {};
}

int SdlWindow::loop() {
    while (!quit_) {
        SDL_Event event;
        if (SDL_WaitEventTimeout(&event, waitMilliseconds())) {
            do {
                handle(event);
            } while (SDL_PollEvent(&event));
        }
        advanceClock();
        longPressIfHeld();
        if (dirty_ || somethingChanged()) {
            present();
        }
    }
    return 0;
}

int SdlWindow::waitMilliseconds() const {
    if (pressedAt_ && !dragging_ && !held_) {
        return kFrameMilliseconds;
    }
    if (render::Renderer::isAnimating(*session_.window())) {
        return kFrameMilliseconds;
    }
    auto& queue = foundation::MainQueue::main();
    if (auto due = queue.nextDueTime()) {
        return std::clamp(static_cast<int>(std::ceil((*due - queue.now()) * 1000)), 1, 1000);
    }
    return 1000;
}

void SdlWindow::advanceClock() {
    auto now = std::chrono::steady_clock::now();
    double seconds = std::chrono::duration<double>(now - lastTick_).count();
    lastTick_ = now;
    auto& queue = foundation::MainQueue::main();
    auto due = queue.nextDueTime();
    bool workRuns = queue.hasDueWork() || (due && *due <= queue.now() + seconds);
    kit::Driver(session_.window()).wait(seconds);
    dirty_ = dirty_ || workRuns;
}

bool SdlWindow::somethingChanged() const {
    if (render::Renderer::isAnimating(*session_.window())) {
        return true;
    }
    std::vector<std::shared_ptr<kit::View>> pending{session_.window()};
    while (!pending.empty()) {
        auto view = pending.back();
        pending.pop_back();
        if (view->needsDisplay() || view->needsLayout()) {
            return true;
        }
        pending.insert(pending.end(), view->subviews().begin(), view->subviews().end());
    }
    return false;
}

void SdlWindow::present() {
    auto& window = *session_.window();
    window.layoutIfNeeded();
    auto frame = session_.renderer().render(window);
    dirty_ = false;
    if (!frame) {
        std::cerr << "kelvora: " << frame.error().description << "\n";
        return;
    }
    const auto& surface = frame.value();
    cairo_surface_flush(surface.cairoSurface());
    void* pixels = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(texture_, nullptr, &pixels, &pitch) == 0) {
        int stride = cairo_image_surface_get_stride(surface.cairoSurface());
        const unsigned char* source = cairo_image_surface_get_data(surface.cairoSurface());
        int rowBytes = std::min({pitch, stride, 4 * surface.width()});
        int rows = std::min(surface.height(), height_);
        for (int row = 0; row < rows; ++row) {
            std::memcpy(static_cast<unsigned char*>(pixels) + row * pitch, source + row * stride,
                        rowBytes);
        }
        SDL_UnlockTexture(texture_);
    }
    SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
    SDL_RenderPresent(renderer_);
    std::vector<std::shared_ptr<kit::View>> pending{session_.window()};
    while (!pending.empty()) {
        auto view = pending.back();
        pending.pop_back();
        view->clearNeedsDisplay();
        pending.insert(pending.end(), view->subviews().begin(), view->subviews().end());
    }
}

kit::Point SdlWindow::toPoint(int x, int y) const {
    double scale = session_.options().scale;
    return {x / scale, y / scale};
}

}  // namespace host
