// Drawing every main-window canvas once, in one-colour, four-colour and
// four-colour Mask mode, each beside its floor: a memset of as many 32-bit
// pixels as the canvas holds (see floor.h for the columns).

#include <benchmark/benchmark.h>

#include <memory>

#include "floor.h"
#include "model/packed_font.h"
#include "model/workspace.h"
#include "render/canvas_sizes.h"
#include "render/char_views.h"
#include "render/set_views.h"
#include "render/surface.h"

namespace {

using namespace pw;

enum Mode { OneColour, FourColourNormal, FourColourMask };

std::unique_ptr<Workspace> benchWorkspace(Mode mode) {
    auto ws = std::make_unique<Workspace>();
    initStartupWorkspace(*ws);
    // Slot 2 holds the same font, so the Mask display has an underlay.
    packFont(*ws, 1);
    unpackFont(*ws, 2);
    // A full set 1 with varied codes, for the set preview and set editor.
    SetGrid& set = ws->set(1);
    for (int k = 0; k < SetCells; ++k) set.cells[k] = (5 + 37 * k) % GlyphCount;
    ws->currentSet = 1;
    ws->multicolour = mode != OneColour;
    ws->displayMode = mode == FourColourMask ? DisplayMode::Mask : DisplayMode::Normal;
    return ws;
}

template <typename Draw>
void measure(benchmark::State& state, CanvasSize size, Mode mode, Draw draw) {
    const auto ws = benchWorkspace(mode);
    PixelImage image(size.width, size.height);
    Surface surface = image.surface();
    bench::measureBesideFloor(state, static_cast<std::size_t>(size.width) * size.height, [&] {
        draw(*ws, surface);
        benchmark::DoNotOptimize(image.data().data());
    });
}

void drawSetPreview(const Workspace& ws, Surface& s) {
    drawSetThumbnail(ws, s, ThumbnailUse::SetPreview, ws.currentSet, 0, 0);
}

template <Mode M>
void BM_FontSheet(benchmark::State& state) {
    measure(state, FontSheetSize, M, drawFontSheet);
}
template <Mode M>
void BM_CharEditor(benchmark::State& state) {
    measure(state, CharEditorSize, M, drawCharEditor);
}
template <Mode M>
void BM_PickedChar(benchmark::State& state) {
    measure(state, PickedCharSize, M, drawPickedChar);
}
template <Mode M>
void BM_SetPreview(benchmark::State& state) {
    measure(state, SetPreviewSize, M, drawSetPreview);
}
template <Mode M>
void BM_SetEditor(benchmark::State& state) {
    measure(state, SetEditorSize, M, drawSetEditor);
}

#define CANVAS_BENCH(fn)                                                           \
    BENCHMARK(fn<OneColour>)->Name(#fn "/one_colour")->UseManualTime();            \
    BENCHMARK(fn<FourColourNormal>)->Name(#fn "/four_colour_normal")->UseManualTime(); \
    BENCHMARK(fn<FourColourMask>)->Name(#fn "/four_colour_mask")->UseManualTime()

CANVAS_BENCH(BM_FontSheet);
CANVAS_BENCH(BM_CharEditor);
CANVAS_BENCH(BM_PickedChar);
CANVAS_BENCH(BM_SetPreview);
CANVAS_BENCH(BM_SetEditor);

}  // namespace
