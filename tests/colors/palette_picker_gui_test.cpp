// The palette picker as the user meets it: opened from the "<" buttons of the
// colour panel, run modally over the real main window.
#include <QTimer>
#include <QTimerEvent>

#include <functional>

#include "assets/atari_palette_colors.h"
#include "colors/palette_picker_window.h"
#include "ui/main_window_fixture.h"

namespace pw::testing {
namespace {

constexpr QRgb White = qRgb(255, 255, 255);
constexpr QRgb HueBLum8 = qRgb(71, 183, 27);

class PalettePickerTest : public MainWindowTest {
protected:
    // Clicks a "<" button and runs inside with the picker while its modal loop
    // runs; inside has to close it, with OK or the close box.
    void withPicker(Gadget pick, const std::function<void(PalettePickerWindow&)>& inside) {
        bool found = false;
        bool leftOpen = false;
        QTimer probe;
        probe.setSingleShot(true);
        QObject::connect(&probe, &QTimer::timeout, [&] {
            auto* picker = dynamic_cast<PalettePickerWindow*>(QApplication::activeModalWidget());
            if (!picker) return;
            found = true;
            inside(*picker);
            if (picker->isVisible()) {
                leftOpen = true;
                picker->reject();
            }
        });
        // Should the picker never show up as the modal window, its loop must still end.
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [] {
            if (QWidget* w = QApplication::activeModalWidget()) w->close();
        });
        probe.start(0);
        watchdog.start(10000);
        button(pick)->click();
        EXPECT_TRUE(found) << "no palette picker became the modal window";
        EXPECT_FALSE(leftOpen) << "the picker was still open";
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }

    static void paletteMouse(PalettePickerWindow& p, QEvent::Type type, int x, int y, Qt::MouseButton b,
                             Qt::MouseButtons held) {
        CanvasWidget* c = p.paletteCanvas();
        const QPointF local = c->toWidget(x, y);
        QMouseEvent event(type, local, c->mapToGlobal(local), b, held, Qt::NoModifier);
        QApplication::sendEvent(c, &event);
    }
    static void paletteClick(PalettePickerWindow& p, int x, int y, Qt::MouseButton b = Qt::LeftButton) {
        paletteMouse(p, QEvent::MouseMove, x, y, Qt::NoButton, Qt::NoButton);
        paletteMouse(p, QEvent::MouseButtonPress, x, y, b, b);
        paletteMouse(p, QEvent::MouseButtonRelease, x, y, b, Qt::NoButton);
    }
    static QRgb fieldColor(const PalettePickerWindow& p) {
        return p.colorField()->grab().toImage().pixel(p.colorField()->width() / 2, p.colorField()->height() / 2);
    }
    static QRgb labelBackground(QLabel* l) { return l->palette().color(QPalette::Window).rgb(); }
    static QRgb rgbOf(DisplayColor c) { return qRgb(c.red(), c.green(), c.blue()); }
    QRgb swatch(Gadget g) { return canvasPixel(g, 15, 10); }

    static QRect geometryIn(const QWidget* w, const QWidget* top) {
        return QRect(w->mapTo(top, QPoint(0, 0)), w->size());
    }
};

TEST_F(PalettePickerTest, OpensModalForLumWithItsLayoutAndCurrentColour) {
    withPicker(Gadget::PickLum, [&](PalettePickerWindow& p) {
        EXPECT_EQ(p.windowTitle().toStdString(), "ATARI palette... ");
        EXPECT_TRUE(p.isModal());
        EXPECT_EQ(p.size(), QSize(250, 340));
        EXPECT_EQ(p.minimumSize(), p.maximumSize());
        EXPECT_TRUE(p.windowFlags() & Qt::WindowCloseButtonHint);
        EXPECT_FALSE(p.windowFlags() & Qt::WindowMinimizeButtonHint);
        EXPECT_FALSE(p.windowFlags() & Qt::WindowMaximizeButtonHint);
        EXPECT_FALSE(p.windowFlags() & Qt::WindowContextHelpButtonHint);
        EXPECT_EQ(p.frameGeometry().topLeft() - window->frameGeometry().topLeft(), QPoint(300, 150));

        // The whole picture shows, its top-left pixel at (10, 10) of the client area.
        CanvasWidget* palette = p.paletteCanvas();
        EXPECT_EQ(palette->image().size(), QSize(161, 289));
        EXPECT_EQ(palette->mapTo(&p, palette->toWidget(0, 0)), QPoint(10, 10));
        EXPECT_EQ(palette->image().pixel(0, 0), qRgb(240, 240, 240));
        EXPECT_EQ(palette->image().pixel(160, 288), qRgb(240, 240, 240));
        EXPECT_EQ(palette->image().pixel(16, 100), qRgb(1, 1, 1));
        EXPECT_EQ(palette->image().pixel(paletteCellX(4), paletteCellY(11)), HueBLum8);

        EXPECT_EQ(geometryIn(p.colorField(), &p), QRect(180, 10, 60, 260));
        EXPECT_EQ(geometryIn(p.chosenText(), &p), QRect(180, 280, 60, 20));
        EXPECT_EQ(geometryIn(p.okButton(), &p), QRect(140, 310, 100, 20));
        EXPECT_EQ(geometryIn(p.hoverText(), &p), QRect(10, 310, 60, 20));
        EXPECT_EQ(p.okButton()->text().toStdString(), "OK");
        for (QLabel* l : {p.chosenText(), p.hoverText()}) {
            EXPECT_EQ(l->frameShadow(), QFrame::Sunken);
            EXPECT_TRUE(l->alignment() & Qt::AlignHCenter);
            EXPECT_LE(QFontMetrics(l->font()).horizontalAdvance("188, $BC"), l->contentsRect().width());
        }
        EXPECT_EQ(p.colorField()->frameShadow(), QFrame::Sunken);
        EXPECT_EQ(p.colorField()->text().toStdString(), "");

        EXPECT_EQ(text(p.chosenText()), "14, $E");
        EXPECT_EQ(text(p.hoverText()), "");
        EXPECT_EQ(fieldColor(p), White);
        p.close();
    });
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(PalettePickerTest, HueBLuminance8ForPf1RecoloursSwatchAndFourColourViews) {
    ws->colors.reg[ColorPf1] = {0x02, DisplayColor::fromRgb(37, 37, 37)};
    window->fillColorSwatches();
    clickButton(Gadget::ColourMode);
    ASSERT_TRUE(ws->multicolour);
    // Pair 10 in the top-left corner of the edited character: drawn in PF1.
    glyph(ws->editedChar).pixel[0][0] = 1;
    glyph(ws->editedChar).pixel[1][0] = 0;
    window->refreshViews();
    ASSERT_EQ(canvasPixel(Gadget::CharEditorCanvas, 20, 10), qRgb(37, 37, 37));
    ASSERT_EQ(swatch(Gadget::SwatchPf1), qRgb(37, 37, 37));
    const ColorRegisters before = ws->colors;

    withPicker(Gadget::PickPf1, [&](PalettePickerWindow& p) {
        EXPECT_EQ(text(p.chosenText()), "2, $2");
        EXPECT_EQ(fieldColor(p), qRgb(37, 37, 37));
        paletteClick(p, 88, 200);
        EXPECT_EQ(text(p.hoverText()), "184, $B8");
        EXPECT_EQ(text(p.chosenText()), "184, $B8");
        EXPECT_EQ(fieldColor(p), HueBLum8);
        // Nothing reaches the workspace before OK.
        EXPECT_EQ(ws->colors.reg[ColorPf1].value, 0x02);
        EXPECT_EQ(canvasPixel(Gadget::CharEditorCanvas, 20, 10), qRgb(37, 37, 37));
        QTest::mouseClick(p.okButton(), Qt::LeftButton);
    });

    EXPECT_EQ(ws->colors.reg[ColorPf1].value, 184);
    EXPECT_EQ(ws->colors.reg[ColorPf1].display, DisplayColor::fromRgb(71, 183, 27));
    for (int reg : {ColorLum, ColorBak, ColorPf0, ColorPf2, ColorPf3}) {
        EXPECT_EQ(ws->colors.reg[reg].value, before.reg[reg].value) << reg;
        EXPECT_EQ(ws->colors.reg[reg].display, before.reg[reg].display) << reg;
    }
    EXPECT_EQ(swatch(Gadget::SwatchPf1), HueBLum8);
    EXPECT_EQ(swatch(Gadget::SwatchPf0), rgbOf(before.display(ColorPf0)));
    EXPECT_EQ(canvasPixel(Gadget::CharEditorCanvas, 20, 10), HueBLum8);
    EXPECT_EQ(canvasPixel(Gadget::SelectedCharCanvas, 4, 4), HueBLum8);
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(PalettePickerTest, HoldingTheLeftButtonKeepsChoosingTheCellUnderThePointer) {
    withPicker(Gadget::PickBak, [&](PalettePickerWindow& p) {
        paletteMouse(p, QEvent::MouseButtonPress, 24, 24, Qt::LeftButton, Qt::LeftButton);
        EXPECT_EQ(text(p.chosenText()), "0, $0");
        paletteMouse(p, QEvent::MouseMove, 40, 56, Qt::NoButton, Qt::LeftButton);
        EXPECT_EQ(text(p.chosenText()), "34, $22");
        paletteMouse(p, QEvent::MouseMove, 48, 72, Qt::NoButton, Qt::LeftButton);  // a grid line
        EXPECT_EQ(text(p.hoverText()), "52, $34");
        EXPECT_EQ(text(p.chosenText()), "34, $22");
        paletteMouse(p, QEvent::MouseButtonRelease, 136, 24, Qt::LeftButton, Qt::NoButton);
        EXPECT_EQ(text(p.hoverText()), "14, $0E");
        EXPECT_EQ(text(p.chosenText()), "34, $22");
        EXPECT_EQ(fieldColor(p), qRgb(0x75, 0x05, 0x00));
        QTest::mouseClick(p.okButton(), Qt::LeftButton);
    });
    EXPECT_EQ(ws->colors.reg[ColorBak].value, 34);
    EXPECT_EQ(ws->colors.reg[ColorBak].display, DisplayColor::fromRgb(0x75, 0x05, 0x00));
    EXPECT_EQ(swatch(Gadget::SwatchBak), qRgb(0x75, 0x05, 0x00));
    // One-colour mode: the right button is BAK.
    EXPECT_EQ(labelBackground(window->rmbSwatch()), qRgb(0x75, 0x05, 0x00));
}

TEST_F(PalettePickerTest, EventsOffACellOrWithoutTheLeftButtonAloneChooseNothing) {
    const struct {
        const char* what;
        QEvent::Type type;
        int x, y;
        Qt::MouseButton button;
        Qt::MouseButtons held;
        const char* hover;
    } cases[] = {
        {"moving over hue 0, luminance E", QEvent::MouseMove, 136, 24, Qt::NoButton, Qt::NoButton, "14, $0E"},
        {"left press on a grid line", QEvent::MouseButtonPress, 88, 192, Qt::LeftButton, Qt::LeftButton, "184, $B8"},
        {"right press on a cell", QEvent::MouseButtonPress, 40, 40, Qt::RightButton, Qt::RightButton, "18, $12"},
        {"left and right held", QEvent::MouseMove, 40, 40, Qt::NoButton, Qt::LeftButton | Qt::RightButton, "18, $12"},
        {"middle press on a cell", QEvent::MouseButtonPress, 40, 40, Qt::MiddleButton, Qt::MiddleButton, "18, $12"},
        {"left press in the column headings", QEvent::MouseButtonPress, 40, 8, Qt::LeftButton, Qt::LeftButton, ""},
        {"left press in the row headings", QEvent::MouseButtonPress, 8, 40, Qt::LeftButton, Qt::LeftButton, ""},
        {"left press in the right margin", QEvent::MouseButtonPress, 144, 40, Qt::LeftButton, Qt::LeftButton, ""},
        {"left press in the bottom margin", QEvent::MouseButtonPress, 40, 272, Qt::LeftButton, Qt::LeftButton, ""},
        {"left press on the border", QEvent::MouseButtonPress, -1, 40, Qt::LeftButton, Qt::LeftButton, ""},
    };
    const ColorRegisters before = ws->colors;
    for (const auto& c : cases) {
        withPicker(Gadget::PickPf3, [&](PalettePickerWindow& p) {
            paletteMouse(p, c.type, c.x, c.y, c.button, c.held);
            EXPECT_EQ(text(p.hoverText()), c.hover) << c.what;
            EXPECT_EQ(text(p.chosenText()), "68, $44") << c.what;
            EXPECT_EQ(fieldColor(p), rgbOf(before.display(ColorPf3))) << c.what;
            QTest::mouseClick(p.okButton(), Qt::LeftButton);
        });
        EXPECT_EQ(ws->colors.reg[ColorPf3].value, 68) << c.what;
        EXPECT_EQ(ws->colors.reg[ColorPf3].display, before.display(ColorPf3)) << c.what;
    }
}

TEST_F(PalettePickerTest, OnlyOkStoresTheChoice) {
    const ColorRegisters before = ws->colors;
    const QRgb pf0 = swatch(Gadget::SwatchPf0);
    // OK without a click keeps the register, a click then the close box discards the click.
    withPicker(Gadget::PickPf0, [&](PalettePickerWindow& p) { QTest::mouseClick(p.okButton(), Qt::LeftButton); });
    withPicker(Gadget::PickPf0, [&](PalettePickerWindow& p) {
        paletteClick(p, 24, 24);
        EXPECT_EQ(text(p.chosenText()), "0, $0");
        EXPECT_EQ(fieldColor(p), qRgb(0, 0, 0));
        p.close();
    });
    for (int reg = ColorLum; reg <= ColorPf3; ++reg) {
        EXPECT_EQ(ws->colors.reg[reg].value, before.reg[reg].value) << reg;
        EXPECT_EQ(ws->colors.reg[reg].display, before.reg[reg].display) << reg;
    }
    EXPECT_EQ(swatch(Gadget::SwatchPf0), pf0);
    EXPECT_TRUE(window->isEnabled());
    QApplication::processEvents();
    EXPECT_TRUE(window->isActiveWindow());
}

TEST_F(PalettePickerTest, ButtonSwatchFollowsOnlyAButtonColour) {
    ASSERT_FALSE(ws->multicolour);
    ASSERT_EQ(ws->lmbColor, ColorLum);
    const QRgb rmb = labelBackground(window->rmbSwatch());
    const QRgb hue3Lum6 = qRgb(0xBF, 0x3F, 0x6D);

    withPicker(Gadget::PickPf3, [&](PalettePickerWindow& p) {
        paletteClick(p, 72, 72);
        QTest::mouseClick(p.okButton(), Qt::LeftButton);
    });
    EXPECT_EQ(swatch(Gadget::SwatchPf3), hue3Lum6);
    EXPECT_EQ(labelBackground(window->lmbSwatch()), White);
    EXPECT_EQ(labelBackground(window->rmbSwatch()), rmb);

    withPicker(Gadget::PickLum, [&](PalettePickerWindow& p) {
        paletteClick(p, 72, 72);
        QTest::mouseClick(p.okButton(), Qt::LeftButton);
    });
    EXPECT_EQ(ws->colors.reg[ColorLum].value, 0x36);
    EXPECT_EQ(labelBackground(window->lmbSwatch()), hue3Lum6);
    EXPECT_EQ(labelBackground(window->rmbSwatch()), rmb);
    // One-colour views draw set pixels in LUM.
    glyph(ws->editedChar).pixel[0][0] = 1;
    window->drawCharEditor();
    EXPECT_EQ(canvasPixel(Gadget::CharEditorCanvas, 10, 10), hue3Lum6);
}

TEST_F(PalettePickerTest, MainWindowStandsStillWhileThePickerRuns) {
    ws->inputCountdown = 10;
    auto tick = [&] {
        QTimerEvent e(window->timerId());
        QApplication::sendEvent(window.get(), &e);
    };
    withPicker(Gadget::PickLum, [&](PalettePickerWindow& p) {
        // The click on "<" was the last event the main window counted.
        EXPECT_EQ(ws->inputCountdown, 9);
        for (int i = 0; i < 3; ++i) tick();
        EXPECT_EQ(ws->inputCountdown, 9);
        p.close();
    });
    tick();
    EXPECT_EQ(ws->inputCountdown, 8);
}

}  // namespace
}  // namespace pw::testing
