// Frame time of the renderer on the app's busiest screens, built by the real app on a
// temporary device root and drawn whole at 2x, the phone's usual scale: the Setups grid with
// 20 Setups, the file picker over a Preferences folder that fills the screen with rows, and
// the settings screen, each light and dark. Run from the release build:
// `build/release/bench/render_bench`; the median is what the host's frame budget (8 ms, for
// 120 frames a second) is measured against. The counters say how much each frame held.

#include <benchmark/benchmark.h>

#include <cairo.h>

#include "bench/ScreenSession.h"
#include "platform/render/Renderer.h"

namespace kelvora {

namespace {

using Style = kit::InterfaceStyle;

constexpr int setups = 20;
constexpr int extraPreferenceFiles = 30;
constexpr double pickerScroll = 230;

bool isTileName(const std::string& text) {
    return text.size() == 8 && text.starts_with("Setup ");
}

bool isFileRow(const std::string& text) {
    return text.ends_with(".plist");
}

void drawFrames(benchmark::State& state, const kelvora::bench::ScreenSession& session) {
    render::Renderer renderer(kelvora::bench::ScreenSession::scale);
    const kit::View& window = *session.window();
    double scale = kelvora::bench::ScreenSession::scale;
    render::Surface surface(static_cast<int>(window.bounds().width() * scale),
                            static_cast<int>(window.bounds().height() * scale));
    for (auto _ : state) {
        cairo_t* cairo = cairo_create(surface.cairoSurface());
        cairo_scale(cairo, scale, scale);
        renderer.draw(cairo, window);
        cairo_destroy(cairo);
        cairo_surface_flush(surface.cairoSurface());
        benchmark::DoNotOptimize(surface.pixel(0, 0));
    }
    state.counters["animating"] = render::Renderer::isAnimating(window) ? 1 : 0;
}

// A frame drawn before the timed ones, as a running app has drawn many: its glyphs, pictures
// and text layouts are cached, and the frames timed are the ones a person waits for.
void warmUp(const bench::ScreenSession& session) {
    auto frame = render::Renderer(bench::ScreenSession::scale).render(*session.window());
    benchmark::DoNotOptimize(frame);
}

void setupsGrid(benchmark::State& state, Style style) {
    kelvora::bench::ScreenSession session(style, setups, 0);
    if (!session.isReady()) {
        state.SkipWithError("the app did not start");
        return;
    }
    warmUp(session);
    drawFrames(state, session);
    state.counters["tiles"] = session.visibleTexts(isTileName);
}

void filePicker(benchmark::State& state, Style style) {
    kelvora::bench::ScreenSession session(style, setups, extraPreferenceFiles);
    // Scrolled part of a row, so rows are cut at both edges and some pass under the bars.
    if (!session.isReady() || !session.tap("Setup 01", 1) || !session.tap("plus", 1) ||
        !session.scrollList(pickerScroll)) {
        state.SkipWithError("the file picker could not be opened");
        return;
    }
    warmUp(session);
    drawFrames(state, session);
    state.counters["rows"] = session.visibleTexts(isFileRow);
}

void settings(benchmark::State& state, Style style) {
    kelvora::bench::ScreenSession session(style, setups, 0);
    if (!session.isReady() || !session.tap("Settings", 1)) {
        state.SkipWithError("the settings screen could not be opened");
        return;
    }
    warmUp(session);
    drawFrames(state, session);
}

void BM_setupsGridAt2x(benchmark::State& state) {
    setupsGrid(state, Style::light);
}
void BM_setupsGridAt2xDark(benchmark::State& state) {
    setupsGrid(state, Style::dark);
}
void BM_filePickerAt2x(benchmark::State& state) {
    filePicker(state, Style::light);
}
void BM_filePickerAt2xDark(benchmark::State& state) {
    filePicker(state, Style::dark);
}
void BM_settingsAt2x(benchmark::State& state) {
    settings(state, Style::light);
}
void BM_settingsAt2xDark(benchmark::State& state) {
    settings(state, Style::dark);
}

BENCHMARK(BM_setupsGridAt2x)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_setupsGridAt2xDark)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_filePickerAt2x)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_filePickerAt2xDark)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_settingsAt2x)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_settingsAt2xDark)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

}  // namespace kelvora

BENCHMARK_MAIN();
