#include "platform/host/SdlWindow.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <string_view>

#include "platform/foundation/MainQueue.h"
#include "platform/host/Console.h"
#include "platform/kit/Driver.h"
#include "platform/render/ContentsPicture.h"

namespace host {

namespace {

constexpr int kFrameMilliseconds = 16;
// Room for a title bar where the window manager does not say how tall its own is.
constexpr int kAssumedTitleBar = 32;

foundation::Error sdlError(const SdlLibrary& sdl, const char* doing) {
    return foundation::Error{std::string(doing) + ": " + sdl.SDL_GetError()};
}

// The frame is composed whole in Cairo, so the renderer only has to put it on screen, which
// X11 does best with its own shared-memory images. On X11 nothing of OpenGL is loaded then:
// its drivers allocate for the process and are unloaded at exit without freeing, which the
// debug build's leak checker rightly reports. Elsewhere SDL chooses.
SDL_Renderer* makeRenderer(const SdlLibrary& sdl, SDL_Window* window) {
    if (std::string_view(sdl.SDL_GetCurrentVideoDriver()) == "x11") {
        sdl.SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    }
    if (SDL_Renderer* software = sdl.SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE)) {
        return software;
    }
    return sdl.SDL_CreateRenderer(window, -1, 0);
}

}  // namespace

int SdlWindow::run(HostSession& session) {
    SdlWindow window(session);
    if (auto opened = window.open(); !opened) {
        Console::error(opened.error().description +
                       ": run with --headless to run without a window");
        return 1;
    }
    if (session.hasRequestedWork()) {
        return session.runRequested([&window] {
            window.dirty_ = true;
            window.present();
            window.sdl_->SDL_PumpEvents();
        });
    }
    return window.loop();
}

SdlWindow::~SdlWindow() {
    if (sdl_ == nullptr) {
        return;  // SDL could not be opened: nothing of it to close
    }
    if (texture_ != nullptr) {
        sdl_->SDL_DestroyTexture(texture_);
    }
    if (renderer_ != nullptr) {
        sdl_->SDL_DestroyRenderer(renderer_);
    }
    if (window_ != nullptr) {
        sdl_->SDL_DestroyWindow(window_);
    }
    sdl_->SDL_Quit();
}

// The window opens hidden at the device's size in points, so that its density can be read
// before it is given its real size.
foundation::Result<void> SdlWindow::open() {
    auto sdl = SdlLibrary::open();
    if (!sdl) {
        return sdl.error();
    }
    sdl_ = sdl.value();
    if (sdl_->SDL_Init(SDL_INIT_VIDEO) != 0) {
        return sdlError(*sdl_, "Cannot open a window");
    }
    kit::Size points = session_.window()->bounds().size;
    window_ =
        sdl_->SDL_CreateWindow("Kelvora", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                               static_cast<int>(points.width), static_cast<int>(points.height),
                               SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI);
    renderer_ = window_ ? makeRenderer(*sdl_, window_) : nullptr;
    if (!renderer_) {
        return sdlError(*sdl_, "Cannot open a window");
    }
    int pixels = 0;
    sdl_->SDL_GetRendererOutputSize(renderer_, &pixels, nullptr);
    density_ = std::max(1.0, pixels / points.width);
    WindowFit::Display shown = display();
    int scale = session_.options().scale.value_or(WindowFit::defaultScale(points, shown));
    kit::Size size = WindowFit::windowSize(points, scale, shown);
    int index = std::max(sdl_->SDL_GetWindowDisplayIndex(window_), 0);
    sdl_->SDL_SetWindowSize(window_, static_cast<int>(size.width), static_cast<int>(size.height));
    sdl_->SDL_SetWindowMinimumSize(window_, static_cast<int>(points.width / 2 / density_),
                                   static_cast<int>(points.height / 2 / density_));
    sdl_->SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED_DISPLAY(index),
                                SDL_WINDOWPOS_CENTERED_DISPLAY(index));
    sdl_->SDL_ShowWindow(window_);
    lastTick_ = std::chrono::steady_clock::now();
    return fitFrame();
}

WindowFit::Display SdlWindow::display() const {
    SDL_Rect usable{0, 0, 0, 0};
    if (sdl_->SDL_GetDisplayUsableBounds(std::max(sdl_->SDL_GetWindowDisplayIndex(window_), 0),
                                         &usable) != 0) {
        return {{0, 0}, density_};
    }
    int top = 0;
    int left = 0;
    int bottom = 0;
    int right = 0;
    if (sdl_->SDL_GetWindowBordersSize(window_, &top, &left, &bottom, &right) != 0) {
        top = kAssumedTitleBar;
    }
    return {{double(usable.w - left - right), double(usable.h - top - bottom)}, density_};
}

// Places the frame in the window's drawable as it is now, with a texture of its size, and
// keeps pictures for cross-dissolves at the scale frames are now drawn at.
foundation::Result<void> SdlWindow::fitFrame() {
    int width = 0;
    int height = 0;
    int coordinates = 0;
    sdl_->SDL_GetRendererOutputSize(renderer_, &width, &height);
    sdl_->SDL_GetWindowSize(window_, &coordinates, nullptr);
    density_ = coordinates > 0 ? std::max(1.0, double(width) / coordinates) : 1.0;
    placement_ =
        WindowFit::place(session_.window()->bounds().size, {double(width), double(height)});
    if (texture_ != nullptr) {
        sdl_->SDL_DestroyTexture(texture_);
    }
    texture_ =
        sdl_->SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                                std::max(1, static_cast<int>(placement_.frame.width())),
                                std::max(1, static_cast<int>(placement_.frame.height())));
    if (!texture_) {
        return sdlError(*sdl_, "Cannot draw in the window");
    }
    // Cairo's pixels are premultiplied and the frame is opaque, so it goes up as it is.
    sdl_->SDL_SetTextureBlendMode(texture_, SDL_BLENDMODE_NONE);
    render::ContentsPicture::install(placement_.scale);
    dirty_ = true;
    return {};
}

int SdlWindow::loop() {
    while (!quit_) {
        SDL_Event event;
        if (sdl_->SDL_WaitEventTimeout(&event, waitMilliseconds())) {
            do {
                handle(event);
            } while (sdl_->SDL_PollEvent(&event));
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
    session_.window()->layoutIfNeeded();
    drawFrame();
    dirty_ = false;
    sdl_->SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    sdl_->SDL_RenderClear(renderer_);
    const kit::Rect& frame = placement_.frame;
    SDL_Rect target{static_cast<int>(frame.minX()), static_cast<int>(frame.minY()),
                    static_cast<int>(frame.width()), static_cast<int>(frame.height())};
    sdl_->SDL_RenderCopy(renderer_, texture_, nullptr, &target);
    sdl_->SDL_RenderPresent(renderer_);
    std::vector<std::shared_ptr<kit::View>> pending{session_.window()};
    while (!pending.empty()) {
        auto view = pending.back();
        pending.pop_back();
        view->clearNeedsDisplay();
        pending.insert(pending.end(), view->subviews().begin(), view->subviews().end());
    }
}

// Draws straight into the texture's pixels, which are laid out as Cairo's own.
void SdlWindow::drawFrame() {
    void* pixels = nullptr;
    int pitch = 0;
    if (sdl_->SDL_LockTexture(texture_, nullptr, &pixels, &pitch) != 0) {
        return;
    }
    cairo_surface_t* surface = cairo_image_surface_create_for_data(
        static_cast<unsigned char*>(pixels), CAIRO_FORMAT_ARGB32,
        static_cast<int>(placement_.frame.width()), static_cast<int>(placement_.frame.height()),
        pitch);
    cairo_t* cairo = cairo_create(surface);
    cairo_set_operator(cairo, CAIRO_OPERATOR_CLEAR);
    cairo_paint(cairo);
    cairo_set_operator(cairo, CAIRO_OPERATOR_OVER);
    cairo_scale(cairo, placement_.scale, placement_.scale);
    render::Renderer(placement_.scale).draw(cairo, *session_.window());
    cairo_destroy(cairo);
    cairo_surface_destroy(surface);
    sdl_->SDL_UnlockTexture(texture_);
}

// From the window's coordinates to the device's points.
kit::Point SdlWindow::toPoint(int x, int y) const {
    return {(x * density_ - placement_.frame.minX()) / placement_.scale,
            (y * density_ - placement_.frame.minY()) / placement_.scale};
}

}  // namespace host
