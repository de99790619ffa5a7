// One painted pixel: a mouse move over the character editor with the left
// button held, through the dispatcher, up to every view of the main window
// redrawn. The floor is a memset of all the pixels those views hold.
#include <QApplication>
#include <QMouseEvent>
#include <memory>

#include "floor.h"
#include "render/canvas_sizes.h"
#include "ui/host.h"
#include "ui/main_window.h"

namespace {

using namespace pw;

// Answers nothing: the benchmark never asks a question.
class SilentHost : public Host {
public:
    std::optional<std::string> openFile(const std::string&, const std::vector<std::string>&,
                                        const std::string&) override {
        return std::nullopt;
    }
    std::optional<SaveChoice> saveFile(const std::string&, const std::vector<std::string>&,
                                       const std::string&) override {
        return std::nullopt;
    }
    void message(const std::string&, const std::string&) override {}
    bool question(const std::string&, const std::string&) override { return false; }
};

constexpr std::size_t RefreshedPixels() {
    const CanvasSize sizes[] = {FontSheetSize, SetPreviewSize, SetEditorSize, CharEditorSize, PickedCharSize};
    std::size_t n = 0;
    for (const CanvasSize& s : sizes) n += static_cast<std::size_t>(s.width) * s.height;
    return n;
}

struct Editor {
    Editor(bool multicolour, DisplayMode mode) {
        ws = std::make_unique<Workspace>();
        window = std::make_unique<MainWindow>(*ws, host);
        window->startUp();
        for (int k = 0; k < SetCells; ++k) ws->set(1).cells[k] = (5 + 37 * k) % GlyphCount;
        ws->multicolour = multicolour;
        ws->displayMode = mode;
    }
    SilentHost host;
    std::unique_ptr<Workspace> ws;
    std::unique_ptr<MainWindow> window;
};

// A Qt mouse-move event delivered to the editor canvas, as a drag produces it.
// With toScreen the window is shown and the widgets' own paint (the images
// copied to the window) is included too.
void paintThroughQt(benchmark::State& state, bool multicolour, DisplayMode mode, bool toScreen) {
    Editor editor(multicolour, mode);
    if (toScreen) {
        editor.window->show();
        QApplication::processEvents();
    }
    CanvasWidget* canvas = editor.window->canvas(Gadget::CharEditorCanvas);
    int step = 0;
    bench::measureBesideFloor(state, RefreshedPixels(), [&] {
        const QPointF at = canvas->toWidget(5 + 30 * (step % 8), 5 + 30 * ((step / 8) % 8));
        ++step;
        QMouseEvent move(QEvent::MouseMove, at, canvas->mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(canvas, &move);
        if (toScreen) QApplication::processEvents();
    });
}

void BM_PaintedPixel(benchmark::State& state) {
    const bool multicolour = state.range(0) > 0;
    const DisplayMode mode = state.range(0) == 2 ? DisplayMode::Mask : DisplayMode::Normal;
    paintThroughQt(state, multicolour, mode, state.range(1) != 0);
}

// range(0): 0 one-colour, 1 four-colour "Normal", 2 four-colour "Mask";
// range(1): 1 includes the widgets' paint on a shown window.
BENCHMARK(BM_PaintedPixel)
    ->ArgNames({"mode", "to_screen"})
    ->ArgsProduct({{0, 1, 2}, {0, 1}})
    ->UseManualTime();

}  // namespace
