// Frame time of the renderer: the sample home screen (21 rounded tiles with symbols and
// labels under two blurred bars) drawn at 2x, the phone's usual scale. Run from the
// release build: `build/release/bench/render_bench`; the median is what the host's frame
// budget is measured against.

#include <benchmark/benchmark.h>

#include <cairo.h>

#include "platform/render/Renderer.h"
#include "platform/render/Resources.h"
#include "tests/platform/render/SampleScreen.h"

namespace {

void drawFrames(benchmark::State& state, kit::InterfaceStyle style, double scale) {
    render::Resources::setDirectory(KELVORA_SOURCE_DIR "/resources");
    rendertest::SampleScreen screen(style);
    render::Renderer renderer(scale);
    render::Surface surface(static_cast<int>(390 * scale), static_cast<int>(844 * scale));
    for (auto _ : state) {
        cairo_t* cairo = cairo_create(surface.cairoSurface());
        cairo_scale(cairo, scale, scale);
        renderer.draw(cairo, *screen.window);
        cairo_destroy(cairo);
        cairo_surface_flush(surface.cairoSurface());
        benchmark::DoNotOptimize(surface.pixel(0, 0));
    }
}

void BM_homeScreenAt2x(benchmark::State& state) {
    drawFrames(state, kit::InterfaceStyle::light, 2);
}
void BM_homeScreenAt2xDark(benchmark::State& state) {
    drawFrames(state, kit::InterfaceStyle::dark, 2);
}
void BM_homeScreenAt1x(benchmark::State& state) {
    drawFrames(state, kit::InterfaceStyle::light, 1);
}

BENCHMARK(BM_homeScreenAt2x)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_homeScreenAt2xDark)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_homeScreenAt1x)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
