// Google Benchmark: the cost of painting a full lesson page into a 1920 x 1080 picture, and of
// recording it on the canvas, without a window.
#include <benchmark/benchmark.h>
#include <cairo.h>

#include "engine/engine.h"
#include "engine/platform/canvas.h"
#include "engine/platform/headless.h"
#include "engine/platform/render.h"
#include "lesson_page.h"

namespace {

// The page is drawn inside a headless program so that start-up has set the font and pen.
void drawPage() {
  static int variant = 0;
  runHeadless(ProgramInfo{"Bench", [] { drawLessonPage(++variant); }, false}, HeadlessOptions{});
}

void PaintFullPage1920x1080(benchmark::State& state) {
  drawPage();
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1920, 1080);
  cairo_t* cr = cairo_create(surface);
  for (auto _ : state) {
    fitCanvas(cr, 1920, 1080);
    paintOps(cr, canvas().displayList(), 0);
    cairo_surface_flush(surface);
  }
  state.counters["ops"] = static_cast<double>(canvas().displayList().size());
  cairo_destroy(cr);
  cairo_surface_destroy(surface);
}
BENCHMARK(PaintFullPage1920x1080)->Unit(benchmark::kMillisecond);

void RecordFullPage(benchmark::State& state) {
  for (auto _ : state) drawPage();
}
BENCHMARK(RecordFullPage)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
