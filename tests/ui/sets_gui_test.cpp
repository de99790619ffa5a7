// The set panel, the set editor and the animation panel driven through the
// real main window: choosing sets, filling and emptying cells with the mouse
// and the row keys, the whole-set commands, the grid toggles, the input
// countdown after file buttons, and the animation played by timer events.
#include <QCheckBox>
#include <QComboBox>
#include <QTimerEvent>

#include <array>
#include <cstdio>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>

#include "main_window_fixture.h"

namespace pw::testing {
namespace {

using Cells = std::array<std::int32_t, SetCells>;

// A colour no set view ever draws: written into a canvas picture, it shows
// whether the canvas has been repainted since.
constexpr QRgb Marker = qRgb(255, 0, 255);

Cells cellsWith(std::initializer_list<std::pair<int, int>> filled) {
    Cells c;
    c.fill(EmptyCell);
    for (const auto& [cell, code] : filled) c[cell] = code;
    return c;
}

const Cells NoCells = cellsWith({});

std::string rgb(QRgb p) {
    char t[32];
    std::snprintf(t, sizeof t, "(%d, %d, %d)", qRed(p), qGreen(p), qBlue(p));
    return t;
}

void fill(QImage& img, int x, int y, int w, int h, QRgb colour) {
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i) img.setPixel(i, j, colour);
}

class SetsGuiTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        if (HasFatalFailure()) return;
        // Timer events come from the test alone, so the animation and the
        // input countdown move exactly when a test says so.
        window->killTimer(window->timerId());
    }

    // One tick of the window's timer, which the window hands on as timer 125.
    void tick() {
        QTimerEvent ev(window->timerId());
        QApplication::sendEvent(window.get(), &ev);
    }

    // Keys go where a typed key goes: to the widget with the focus, or to the
    // window when none has it.
    QWidget* keyTarget() {
        QWidget* focus = QApplication::focusWidget();
        return focus ? focus : window.get();
    }
    void keyPress(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) { QTest::keyPress(keyTarget(), key, mods); }
    void keyRelease(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyRelease(keyTarget(), key, mods);
    }
    void keyClick(Qt::Key key) { QTest::keyClick(keyTarget(), key); }

    QComboBox* combo(Gadget g) { return qobject_cast<QComboBox*>(window->gadget(g)); }
    void startAnimation(int from, int to) {
        combo(Gadget::StartFrameCombo)->setCurrentIndex(from - 1);
        combo(Gadget::StopFrameCombo)->setCurrentIndex(to - 1);
        clickButton(Gadget::AnimationStart);
    }

    // A left click on the font sheet's normal half, on character code.
    void clickSheet(int code) { click(Gadget::FontSheetCanvas, 17 * (code % 32) + 8, 17 * (code / 32) + 8); }

    void mark(Gadget g) {
        Surface s = canvas(g)->surface();
        s.setPixel(1, 1, Marker);
    }
    bool marked(Gadget g) { return canvasPixel(g, 1, 1) == Marker; }

    int countColour(Gadget g, QRect area, QRgb colour) {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) n += canvasPixel(g, x, y) == colour;
        return n;
    }

    QRgb lum() const { return toPixel(ws->colors.display(ColorLum)); }
    QRgb bak() const { return toPixel(ws->colors.display(ColorBak)); }

    // The characters of cells in one-colour mode, scale screen pixels per Atari
    // pixel, cells cellSize apart; the glyphs come from the current font slot.
    void paintCells(QImage& img, const Cells& cells, int cellSize, int scale) const {
        for (int k = 0; k < SetCells; ++k) {
            if (cells[k] == EmptyCell) continue;
            const Glyph& g = ws->current().glyphs[cells[k]];
            for (int y = 0; y < 8; ++y)
                for (int x = 0; x < 8; ++x)
                    fill(img, cellSize * (k % 5) + scale * x, cellSize * (k / 5) + scale * y, scale, scale,
                         g.at(x, y) ? lum() : bak());
        }
    }

    // What the three set canvases should show for the given cells.
    QImage framePicture(const Cells& cells) const {
        QImage img(80, 80, QImage::Format_RGB32);
        img.fill(qRgb(0, 0, 0));
        paintCells(img, cells, 16, 2);
        return img;
    }
    QImage previewPicture(const Cells& cells, bool grid = true) const {
        QImage img(80, 80, QImage::Format_RGB32);
        img.fill(qRgb(0, 0, 0));
        for (int k = 0; k < SetCells; ++k)
            if (cells[k] == EmptyCell) fill(img, 16 * (k % 5), 16 * (k / 5), 16, 16, qRgb(64, 64, 64));
        paintCells(img, cells, 16, 2);
        if (grid) {
            for (int v = 16; v <= 64; v += 16) {
                fill(img, 0, v, 80, 1, qRgb(80, 80, 80));
                fill(img, v, 0, 1, 80, qRgb(80, 80, 80));
            }
        }
        return img;
    }
    QImage editorPicture(const Cells& cells, bool grid = true) const {
        QImage img(400, 400, QImage::Format_RGB32);
        img.fill(qRgb(0, 0, 0));
        for (int k = 0; k < SetCells; ++k)
            if (cells[k] == EmptyCell) fill(img, 80 * (k % 5), 80 * (k / 5), 80, 80, qRgb(48, 48, 48));
        paintCells(img, cells, 80, 10);
        if (grid) {
            for (int j = 1; j <= 39; ++j)
                for (int i = 0; i <= 39; ++i) img.setPixel(10 * i, 10 * j, qRgb(112, 112, 112));
            for (int v = 80; v <= 320; v += 80) {
                fill(img, 0, v, 400, 1, qRgb(64, 64, 64));
                fill(img, v, 0, 1, 400, qRgb(64, 64, 64));
            }
        }
        return img;
    }

    ::testing::AssertionResult shows(Gadget g, const QImage& expected) {
        const QImage& actual = canvas(g)->image();
        if (actual.size() != expected.size()) return ::testing::AssertionFailure() << "canvas size differs";
        for (int y = 0; y < actual.height(); ++y)
            for (int x = 0; x < actual.width(); ++x)
                if (actual.pixel(x, y) != expected.pixel(x, y))
                    return ::testing::AssertionFailure() << "first difference at (" << x << ", " << y << "): canvas "
                                                         << rgb(actual.pixel(x, y)) << ", expected "
                                                         << rgb(expected.pixel(x, y));
        return ::testing::AssertionSuccess();
    }

    // The character editor shows code (or nothing for -1), sampled in the
    // middle of each 30 x 30 Atari pixel.
    ::testing::AssertionResult editorShowsChar(int code) {
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) {
                const QRgb want = code >= 0 && glyph(code).at(x, y) ? lum() : qRgb(0, 0, 0);
                const QRgb got = canvasPixel(Gadget::CharEditorCanvas, 30 * x + 15, 30 * y + 15);
                if (got != want)
                    return ::testing::AssertionFailure() << "pixel " << x << ", " << y << ": " << rgb(got)
                                                         << " instead of " << rgb(want);
            }
        return ::testing::AssertionSuccess();
    }

    void expectSetShown(const Cells& cells) {
        EXPECT_TRUE(shows(Gadget::SetPreviewCanvas, previewPicture(cells)));
        EXPECT_TRUE(shows(Gadget::SetEditorCanvas, editorPicture(cells)));
    }
};

// ---------------------------------------------------------------- choosing sets

// The three ways to step the set: buttons, menu items, Page Down / Page Up.
class SetStepTest : public SetsGuiTest {
protected:
    static constexpr const char* triggers[] = {"buttons", "menu", "keys"};
    void next(int t) {
        switch (t) {
            case 0: clickButton(Gadget::SetNext); break;
            case 1: menu(25); break;
            default: keyClick(Qt::Key_PageDown); break;
        }
    }
    void previous(int t) {
        switch (t) {
            case 0: clickButton(Gadget::SetPrevious); break;
            case 1: menu(26); break;
            default: keyClick(Qt::Key_PageUp); break;
        }
    }
};

TEST_F(SetStepTest, ButtonsMenuAndPageKeysStepTheSetAndRedrawIt) {
    const Cells second = cellsWith({{6, 33}, {18, 34}});
    ws->set(2).cells = second;
    EXPECT_EQ(text(window->setNumberLabel()), "1");
    for (int t = 0; t < 3; ++t) {
        SCOPED_TRACE(triggers[t]);
        mark(Gadget::FontSheetCanvas);
        next(t);
        EXPECT_EQ(ws->currentSet, 2);
        EXPECT_EQ(text(window->setNumberLabel()), "2");
        expectSetShown(second);
        EXPECT_FALSE(marked(Gadget::FontSheetCanvas)) << "the whole window is redrawn";

        previous(t);
        EXPECT_EQ(ws->currentSet, 1);
        EXPECT_EQ(text(window->setNumberLabel()), "1");
        expectSetShown(NoCells);
    }
}

TEST_F(SetStepTest, AtTheFirstAndLastSetNothingHappensNotEvenARedraw) {
    const Gadget views[] = {Gadget::SetPreviewCanvas, Gadget::SetEditorCanvas, Gadget::FontSheetCanvas};
    for (int t = 0; t < 3; ++t) {
        SCOPED_TRACE(triggers[t]);
        for (Gadget g : views) mark(g);
        previous(t);
        EXPECT_EQ(ws->currentSet, 1);
        EXPECT_EQ(text(window->setNumberLabel()), "1");
        for (Gadget g : views) EXPECT_TRUE(marked(g)) << static_cast<int>(g);
    }

    for (int i = 0; i < 99; ++i) next(i % 3);
    ASSERT_EQ(ws->currentSet, 100);
    EXPECT_EQ(text(window->setNumberLabel()), "100");
    for (int t = 0; t < 3; ++t) {
        SCOPED_TRACE(triggers[t]);
        for (Gadget g : views) mark(g);
        next(t);
        EXPECT_EQ(ws->currentSet, 100);
        EXPECT_EQ(text(window->setNumberLabel()), "100");
        for (Gadget g : views) EXPECT_TRUE(marked(g)) << static_cast<int>(g);
    }

    previous(0);
    EXPECT_EQ(ws->currentSet, 99);
    EXPECT_EQ(text(window->setNumberLabel()), "99");
    EXPECT_FALSE(marked(Gadget::SetPreviewCanvas));
}

// ---------------------------------------------------------- set preview mouse

TEST_F(SetsGuiTest, LeftDragFillsEveryCellItCrossesWithThePickedCharacter) {
    clickSheet(33);
    ASSERT_EQ(ws->pickedChar, 33);
    drag(Gadget::SetPreviewCanvas, {{8, 8}, {24, 8}, {40, 8}, {40, 24}, {40, 40}, {56, 56}}, Qt::LeftButton);

    const Cells expected = cellsWith({{0, 33}, {1, 33}, {2, 33}, {7, 33}, {12, 33}, {18, 33}});
    EXPECT_EQ(ws->set(1).cells, expected);
    expectSetShown(expected);
    EXPECT_EQ(text(window->hoverField()), "Char Set: $21 (33)");
    for (int s = 2; s <= SetCount; ++s) ASSERT_EQ(ws->set(s).cells, NoCells) << "set " << s;
}

TEST_F(SetsGuiTest, ACellOwnsItsRightAndBottomEdge) {
    const struct {
        int x, y, cell;
    } cases[] = {
        {0, 0, 0},   {16, 8, 0},  {17, 8, 1},   {8, 16, 0},   {8, 17, 5},   {16, 16, 0},
        {17, 17, 6}, {32, 40, 11}, {33, 40, 12}, {64, 64, 18}, {65, 65, 24}, {80, 80, 24},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.x) + ", " + std::to_string(c.y));
        menu(33);
        click(Gadget::SetPreviewCanvas, c.x, c.y);
        EXPECT_EQ(ws->set(1).cells, cellsWith({{c.cell, 1}}));
    }
}

TEST_F(SetsGuiTest, RightDragEmptiesCellsAndRedrawsOnlyTheSetViewsAndCharEditor) {
    ws->set(1).cells.fill(33);
    mark(Gadget::FontSheetCanvas);
    mark(Gadget::SelectedCharCanvas);
    drag(Gadget::SetPreviewCanvas, {{8, 8}, {8, 24}, {8, 40}, {24, 40}}, Qt::RightButton);

    Cells expected;
    expected.fill(33);
    for (int k : {0, 5, 10, 11}) expected[k] = EmptyCell;
    EXPECT_EQ(ws->set(1).cells, expected);
    expectSetShown(expected);
    EXPECT_TRUE(editorShowsChar(1));
    EXPECT_TRUE(marked(Gadget::FontSheetCanvas));
    EXPECT_TRUE(marked(Gadget::SelectedCharCanvas));
    EXPECT_EQ(text(window->hoverField()), "Char Set: NONE");
}

TEST_F(SetsGuiTest, MiddleButtonPicksTheCellsCharacterEvenAnEmptyOne) {
    const Cells cells = cellsWith({{0, 33}});
    ws->set(1).cells = cells;

    click(Gadget::SetPreviewCanvas, 8, 8, Qt::MiddleButton);
    EXPECT_EQ(ws->editedChar, 33);
    EXPECT_EQ(text(window->charCodeLabel()), "Char: $21 (33)");
    EXPECT_TRUE(editorShowsChar(33));

    click(Gadget::SetPreviewCanvas, 24, 8, Qt::MiddleButton);
    EXPECT_EQ(ws->editedChar, -1);
    EXPECT_EQ(text(window->charCodeLabel()), "Char: $FFFFFFFFFFFFFFFF (-1)");
    EXPECT_TRUE(editorShowsChar(-1));

    EXPECT_EQ(ws->set(1).cells, cells);
    EXPECT_EQ(ws->pickedChar, 1);
}

TEST_F(SetsGuiTest, TwoButtonsHeldTogetherDoNothing) {
    const Cells cells = cellsWith({{0, 33}});
    ws->set(1).cells = cells;
    const Qt::MouseButtons combos[] = {
        Qt::LeftButton | Qt::RightButton,
        Qt::LeftButton | Qt::MiddleButton,
        Qt::RightButton | Qt::MiddleButton,
        Qt::LeftButton | Qt::RightButton | Qt::MiddleButton,
    };
    for (Qt::MouseButtons held : combos) {
        SCOPED_TRACE(static_cast<int>(held));
        for (const QPoint p : {QPoint(8, 8), QPoint(24, 8)}) {
            mouse(Gadget::SetPreviewCanvas, QEvent::MouseMove, p.x(), p.y(), Qt::NoButton, held);
            mouse(Gadget::SetPreviewCanvas, QEvent::MouseButtonPress, p.x(), p.y(), Qt::RightButton,
                  held | Qt::RightButton);
        }
        EXPECT_EQ(ws->set(1).cells, cells);
        EXPECT_EQ(ws->editedChar, 1);
        EXPECT_EQ(text(window->charCodeLabel()), "");
    }
}

TEST_F(SetsGuiTest, HoverNamesTheCharacterUnderTheMouse) {
    ws->set(1).cells = cellsWith({{7, 65}});
    const struct {
        int x, y;
        const char* text;
    } cases[] = {
        {40, 24, "Char Set: $41 (65)"}, {40, 8, "Char Set: NONE"}, {32, 24, "Char Set: NONE"},
        {33, 32, "Char Set: $41 (65)"}, {48, 32, "Char Set: $41 (65)"}, {49, 32, "Char Set: NONE"},
    };
    for (const auto& c : cases) {
        moveHeld(Gadget::SetPreviewCanvas, c.x, c.y, Qt::NoButton);
        EXPECT_EQ(text(window->hoverField()), c.text) << c.x << ", " << c.y;
    }
    EXPECT_EQ(ws->set(1).cells, cellsWith({{7, 65}}));
}

// ------------------------------------------------------------------ row keys

TEST_F(SetsGuiTest, HeldRowKeyPutsTheClickedCharacterIntoItsRow) {
    ws->set(1).cells = cellsWith({{15, 33}, {16, 34}});
    keyPress(Qt::Key_4);
    EXPECT_EQ(ws->heldRowKey, 4);
    clickSheet(65);
    keyRelease(Qt::Key_4);

    const Cells expected = cellsWith({{15, 33}, {16, 34}, {17, 65}});
    EXPECT_EQ(ws->set(1).cells, expected);
    expectSetShown(expected);
    EXPECT_EQ(ws->pickedChar, 1);
    EXPECT_EQ(ws->editedChar, 1);
    EXPECT_EQ(text(window->charCodeLabel()), "");
    EXPECT_TRUE(editorShowsChar(1));
    EXPECT_EQ(ws->heldRowKey, 0);
}

TEST_F(SetsGuiTest, EachRowKeyFillsItsOwnRowFromTheLeft) {
    const struct {
        Qt::Key key;
        int firstCell;
    } rows[] = {{Qt::Key_1, 0}, {Qt::Key_2, 5}, {Qt::Key_3, 10}, {Qt::Key_4, 15}, {Qt::Key_5, 20}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.firstCell);
        menu(33);
        keyPress(r.key);
        clickSheet(40);
        clickSheet(97);
        keyRelease(r.key);
        EXPECT_EQ(ws->set(1).cells, cellsWith({{r.firstCell, 40}, {r.firstCell + 1, 97}}));
    }
    EXPECT_EQ(ws->pickedChar, 1);
}

TEST_F(SetsGuiTest, AFullRowTakesNothingMore) {
    const Cells full = cellsWith({{15, 40}, {16, 41}, {17, 42}, {18, 43}, {19, 44}});
    ws->set(1).cells = full;
    keyPress(Qt::Key_4);
    clickSheet(65);
    keyRelease(Qt::Key_4);
    EXPECT_EQ(ws->set(1).cells, full);
    EXPECT_EQ(ws->pickedChar, 1);
    EXPECT_EQ(ws->editedChar, 1);
}

TEST_F(SetsGuiTest, ReleasingAnyKeyEndsTheRowKeyAndKeypadDigitsAreNoRowKeys) {
    keyPress(Qt::Key_4);
    ASSERT_EQ(ws->heldRowKey, 4);
    keyRelease(Qt::Key_A);
    EXPECT_EQ(ws->heldRowKey, 0);
    clickSheet(65);
    EXPECT_EQ(ws->set(1).cells, NoCells);
    EXPECT_EQ(ws->pickedChar, 65);
    EXPECT_EQ(ws->editedChar, 65);
    keyRelease(Qt::Key_4);

    keyPress(Qt::Key_2, Qt::KeypadModifier);
    EXPECT_EQ(ws->heldRowKey, 0);
    clickSheet(66);
    keyRelease(Qt::Key_2, Qt::KeypadModifier);
    EXPECT_EQ(ws->set(1).cells, NoCells);
    EXPECT_EQ(ws->pickedChar, 66);
}

// ------------------------------------------------------- whole-set commands

TEST_F(SetsGuiTest, CopyAndPasteByButtonsAndMenus) {
    const struct {
        const char* name;
        bool copyByButton;
        bool pasteByButton;
        Cells pattern;
    } cases[] = {
        {"button copy, menu paste", true, false, cellsWith({{0, 33}, {12, 34}, {24, 35}})},
        {"menu copy, button paste", false, true, cellsWith({{4, 97}, {20, 65}})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(ws->currentSet, 1);
        ws->set(1).cells = c.pattern;
        ws->set(2).cells = NoCells;
        mark(Gadget::SetPreviewCanvas);
        if (c.copyByButton) clickButton(Gadget::SetCopy); else menu(31);
        EXPECT_TRUE(marked(Gadget::SetPreviewCanvas)) << "copying redraws nothing";

        menu(25);
        if (c.pasteByButton) clickButton(Gadget::SetPaste); else menu(32);
        EXPECT_EQ(ws->set(2).cells, c.pattern);
        expectSetShown(c.pattern);
        EXPECT_EQ(ws->set(1).cells, c.pattern);
        menu(26);
    }
}

TEST_F(SetsGuiTest, PasteBeforeAnyCopyFillsTheSetWithCodeZero) {
    clickButton(Gadget::SetPaste);
    Cells zeros;
    zeros.fill(0);
    EXPECT_EQ(ws->set(1).cells, zeros);
    expectSetShown(zeros);
    // Code 0 is the blank space: the cells turn black, no longer the grey of empty cells.
    EXPECT_EQ(canvasPixel(Gadget::SetPreviewCanvas, 8, 8), qRgb(0, 0, 0));
}

TEST_F(SetsGuiTest, ClearEmptiesEveryCell) {
    ws->set(1).cells = cellsWith({{0, 33}, {6, 0}, {24, 127}});
    ws->set(2).cells = cellsWith({{3, 3}});
    menu(33);
    EXPECT_EQ(ws->set(1).cells, NoCells);
    EXPECT_EQ(ws->set(2).cells, cellsWith({{3, 3}}));
    expectSetShown(NoCells);
}

TEST_F(SetsGuiTest, ClearBitsBlanksTheSetsCharactersEverywhereAndKeepsTheCells) {
    const Cells cells = cellsWith({{0, 33}, {3, 33}, {7, 34}});
    ws->set(1).cells = cells;
    ws->slot(2).glyphs[33] = glyph(33);
    const Glyph inSlot2 = ws->slot(2).glyphs[33];
    const Glyph untouched = glyph(35);
    // Inside the font sheet's grid lines, which cover each character's first row and column.
    const QRect sheet33(18, 18, 15, 15), sheet35(52, 18, 15, 15);
    window->refreshViews();
    ASSERT_GT(countColour(Gadget::FontSheetCanvas, sheet33, lum()), 0);
    ASSERT_GT(countColour(Gadget::SetPreviewCanvas, QRect(0, 0, 16, 16), lum()), 0);

    menu(34);
    EXPECT_EQ(glyph(33).pixel, Glyph{}.pixel);
    EXPECT_EQ(glyph(34).pixel, Glyph{}.pixel);
    EXPECT_EQ(glyph(35).pixel, untouched.pixel);
    EXPECT_EQ(ws->slot(2).glyphs[33].pixel, inSlot2.pixel) << "other font slots keep their characters";
    EXPECT_EQ(ws->set(1).cells, cells);
    EXPECT_EQ(ws->setClipboard, Cells{});

    EXPECT_EQ(countColour(Gadget::FontSheetCanvas, sheet33, lum()), 0);
    EXPECT_EQ(countColour(Gadget::FontSheetCanvas, sheet33, bak()), 15 * 15);
    EXPECT_GT(countColour(Gadget::FontSheetCanvas, sheet35, lum()), 0);
    for (const QRect cell : {QRect(0, 0, 16, 16), QRect(48, 0, 16, 16), QRect(32, 16, 16, 16)}) {
        EXPECT_EQ(countColour(Gadget::SetPreviewCanvas, cell, lum()), 0);
        EXPECT_EQ(countColour(Gadget::SetEditorCanvas, QRect(cell.topLeft() * 5, cell.size() * 5), lum()), 0);
    }
    expectSetShown(cells);
}

// --------------------------------------------------------------- grid toggles

TEST_F(SetsGuiTest, GridCheckBoxAndMenuItemSwitchTheirOwnGrid) {
    const Cells cells = cellsWith({{6, 33}});
    ws->set(1).cells = cells;
    window->refreshViews();
    auto* box = qobject_cast<QCheckBox*>(window->gadget(Gadget::EditorGrid));
    ASSERT_NE(box, nullptr);
    const QPoint indicator(8, box->height() / 2);

    QTest::mouseClick(box, Qt::LeftButton, {}, indicator);
    EXPECT_FALSE(box->isChecked());
    EXPECT_FALSE(ws->setEditorGrid);
    EXPECT_TRUE(shows(Gadget::SetEditorCanvas, editorPicture(cells, false)));
    EXPECT_TRUE(shows(Gadget::SetPreviewCanvas, previewPicture(cells, true)));

    menu(24);
    EXPECT_FALSE(ws->setPreviewGrid);
    EXPECT_TRUE(shows(Gadget::SetPreviewCanvas, previewPicture(cells, false)));
    EXPECT_TRUE(shows(Gadget::SetEditorCanvas, editorPicture(cells, false)));

    QTest::mouseClick(box, Qt::LeftButton, {}, indicator);
    EXPECT_TRUE(box->isChecked());
    EXPECT_TRUE(ws->setEditorGrid);
    EXPECT_TRUE(shows(Gadget::SetEditorCanvas, editorPicture(cells, true)));

    menu(24);
    EXPECT_TRUE(ws->setPreviewGrid);
    EXPECT_TRUE(shows(Gadget::SetPreviewCanvas, previewPicture(cells, true)));
}

// ---------------------------------------------------------- input countdown

TEST_F(SetsGuiTest, SetFileButtonsArmTheCountdownAndTheMenuItemsDoNot) {
    const struct {
        const char* name;
        std::function<void()> run;
        int countdown;
    } cases[] = {
        {"Save SET", [this] { clickButton(Gadget::SaveSet); }, 15},
        {"Load SET", [this] { clickButton(Gadget::LoadSet); }, 15},
        {"Save all SET", [this] { clickButton(Gadget::SaveAllSets); }, 15},
        {"Load all SET", [this] { clickButton(Gadget::LoadAllSets); }, 15},
        {"Load Set", [this] { menu(27); }, 0},
        {"Save Set", [this] { menu(28); }, 0},
        {"Load all Set", [this] { menu(29); }, 0},
        {"Save all Set", [this] { menu(30); }, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ws->inputCountdown = 0;
        menu(33);
        c.run();
        EXPECT_EQ(ws->inputCountdown, c.countdown);
        // The next event runs the countdown down by one before it is handled.
        click(Gadget::SetPreviewCanvas, 8, 8);
        EXPECT_EQ(ws->set(1).cells[0], c.countdown ? EmptyCell : 1);
    }
}

TEST_F(SetsGuiTest, LeftDragPlacesNothingUntilTheCountdownHasRunDown) {
    clickButton(Gadget::LoadSet);
    ASSERT_EQ(ws->inputCountdown, 15);
    // Fourteen events with the left button held: each one only counts down.
    press(Gadget::SetPreviewCanvas, 8, 8, Qt::LeftButton);
    for (int i = 2; i <= 14; ++i) {
        const int cell = i % SetCells;
        moveHeld(Gadget::SetPreviewCanvas, 16 * (cell % 5) + 8, 16 * (cell / 5) + 8, Qt::LeftButton);
    }
    EXPECT_EQ(ws->inputCountdown, 1);
    EXPECT_EQ(ws->set(1).cells, NoCells);
    expectSetShown(NoCells);

    // The fifteenth takes the countdown to 0 and is handled as usual.
    moveHeld(Gadget::SetPreviewCanvas, 72, 72, Qt::LeftButton);
    EXPECT_EQ(ws->inputCountdown, 0);
    moveHeld(Gadget::SetPreviewCanvas, 56, 72, Qt::LeftButton);
    release(Gadget::SetPreviewCanvas, 56, 72, Qt::LeftButton);
    const Cells expected = cellsWith({{24, 1}, {23, 1}});
    EXPECT_EQ(ws->set(1).cells, expected);
    expectSetShown(expected);
}

TEST_F(SetsGuiTest, TimerTicksRunTheCountdownDownToo) {
    clickButton(Gadget::LoadAllSets);
    for (int i = 0; i < 14; ++i) tick();
    EXPECT_EQ(ws->inputCountdown, 1);
    click(Gadget::SetPreviewCanvas, 40, 40);
    EXPECT_EQ(ws->set(1).cells, cellsWith({{12, 1}}));
    EXPECT_EQ(ws->inputCountdown, 0);
}

TEST_F(SetsGuiTest, RightAndMiddleButtonsDoNotWaitForTheCountdown) {
    const Cells cells = cellsWith({{0, 33}, {1, 34}, {2, 35}});
    ws->set(1).cells = cells;
    clickButton(Gadget::LoadSet);
    drag(Gadget::SetPreviewCanvas, {{8, 8}, {24, 8}}, Qt::RightButton);
    EXPECT_EQ(ws->set(1).cells, cellsWith({{2, 35}}));
    expectSetShown(cellsWith({{2, 35}}));
    click(Gadget::SetPreviewCanvas, 40, 8, Qt::MiddleButton);
    EXPECT_EQ(ws->editedChar, 35);
    EXPECT_GT(ws->inputCountdown, 0);
}

TEST_F(SetsGuiTest, MenuLoadSetLeavesNoPause) {
    menu(27);
    EXPECT_EQ(ws->inputCountdown, 0);
    drag(Gadget::SetPreviewCanvas, {{8, 8}, {24, 8}}, Qt::LeftButton);
    EXPECT_EQ(ws->set(1).cells, cellsWith({{0, 1}, {1, 1}}));
}

// ------------------------------------------------------------------ animation

class AnimationGuiTest : public SetsGuiTest {
protected:
    void SetUp() override {
        SetsGuiTest::SetUp();
        if (HasFatalFailure()) return;
        for (const auto& [set, cells] : content) ws->set(set).cells = cells;
        // Each set must give a frame of its own, or the checks below could not
        // tell which one is shown.
        for (const auto& [a, ca] : content) {
            for (const auto& [b, cb] : content) {
                if (a != b) {
                    ASSERT_NE(framePicture(ca), framePicture(cb)) << a << " and " << b;
                }
            }
        }
    }

    const Cells& setCells(int set) const {
        for (const auto& [s, cells] : content)
            if (s == set) return cells;
        return NoCells;
    }

    // Ticks once and checks the frame drawn.
    void expectTickShows(int set, const std::string& where) {
        tick();
        EXPECT_TRUE(shows(Gadget::AnimationCanvas, framePicture(setCells(set)))) << where << ": set " << set;
    }

    const std::array<std::pair<int, Cells>, 4> content{{
        {1, cellsWith({{0, 33}})},
        {2, cellsWith({{6, 34}, {12, 34}})},
        {3, cellsWith({{18, 35}, {24, 35}, {0, 36}})},
        {5, cellsWith({{4, 37}, {20, 38}})},
    }};
};

TEST_F(AnimationGuiTest, OneToThreeLoopsForTwentyTicksAndStopsOnSetTwo) {
    // The frame drawn at start-up (set 1, then empty) stays while the player is idle.
    EXPECT_TRUE(shows(Gadget::AnimationCanvas, framePicture(NoCells)));
    tick();
    tick();
    EXPECT_TRUE(shows(Gadget::AnimationCanvas, framePicture(NoCells)));
    EXPECT_EQ(combo(Gadget::StartFrameCombo)->currentIndex(), 0);
    EXPECT_EQ(combo(Gadget::StopFrameCombo)->currentIndex(), 1);

    startAnimation(1, 3);
    EXPECT_TRUE(shows(Gadget::AnimationCanvas, framePicture(NoCells))) << "Start itself draws nothing";
    for (int i = 0; i < 20; ++i) expectTickShows(i % 3 + 1, "tick " + std::to_string(i + 1));
    EXPECT_FALSE(ws->animation.running);
    const QImage last = canvas(Gadget::AnimationCanvas)->image().copy();
    EXPECT_TRUE(shows(Gadget::AnimationCanvas, framePicture(setCells(2))));

    // The stopped player keeps its last frame, even when the sets change.
    ws->set(2).cells = NoCells;
    ws->set(3).cells = NoCells;
    for (int i = 0; i < 5; ++i) tick();
    EXPECT_TRUE(shows(Gadget::AnimationCanvas, last));
    EXPECT_TRUE(host.asked.empty());
}

TEST_F(AnimationGuiTest, StopBeforeStartIsRefusedAndARunningAnimationGoesOn) {
    startAnimation(5, 3);
    ASSERT_EQ(host.asked.size(), 1u);
    EXPECT_EQ(host.asked[0].kind, "message");
    EXPECT_EQ(host.asked[0].title, "Error anim!");
    EXPECT_EQ(host.asked[0].text, "Start frame must not be less than the stop frame!");
    EXPECT_FALSE(ws->animation.running);
    tick();
    EXPECT_TRUE(shows(Gadget::AnimationCanvas, framePicture(NoCells)));

    startAnimation(1, 3);
    for (int set : {1, 2, 3, 1}) expectTickShows(set, "before the refusal");
    startAnimation(5, 3);
    ASSERT_EQ(host.asked.size(), 2u);
    EXPECT_EQ(host.asked[1].title, "Error anim!");
    EXPECT_TRUE(ws->animation.running);

    // The player keeps its frame count (16 left) and goes on with the new
    // bounds: past set 3 it falls back to set 5 on every tick.
    expectTickShows(2, "after the refusal");
    expectTickShows(3, "after the refusal");
    for (int i = 0; i < 14; ++i) expectTickShows(5, "tick " + std::to_string(i + 3) + " after the refusal");
    EXPECT_FALSE(ws->animation.running);
    tick();
    EXPECT_TRUE(shows(Gadget::AnimationCanvas, framePicture(setCells(5))));
}

TEST_F(AnimationGuiTest, EqualStartAndStopRedrawsTheSetOnEveryTickUntilRestarted) {
    startAnimation(2, 2);
    expectTickShows(2, "first tick");

    // Edits show up at the next tick.
    clickButton(Gadget::SetNext);
    ASSERT_EQ(ws->currentSet, 2);
    click(Gadget::SetPreviewCanvas, 72, 8);
    const Cells edited = cellsWith({{6, 34}, {12, 34}, {4, 1}});
    ASSERT_EQ(ws->set(2).cells, edited);
    tick();
    EXPECT_TRUE(shows(Gadget::AnimationCanvas, framePicture(edited)));

    for (int i = 0; i < 30; ++i) tick();
    EXPECT_TRUE(ws->animation.running);
    menu(33);
    tick();
    EXPECT_TRUE(shows(Gadget::AnimationCanvas, framePicture(NoCells)));

    // Started again with a longer range it plays its ten frames and stops.
    startAnimation(1, 2);
    for (int i = 0; i < 10; ++i) {
        tick();
        EXPECT_TRUE(shows(Gadget::AnimationCanvas, framePicture(i % 2 ? NoCells : setCells(1)))) << "tick " << i + 1;
    }
    EXPECT_FALSE(ws->animation.running);
}

TEST_F(AnimationGuiTest, RedrawingTheWindowNeverTouchesTheAnimationCanvas) {
    startAnimation(1, 3);
    tick();
    mark(Gadget::AnimationCanvas);
    const QImage before = canvas(Gadget::AnimationCanvas)->image().copy();

    menu(32);                               // Paste
    clickButton(Gadget::SetNext);           // next set
    click(Gadget::SetPreviewCanvas, 8, 8);  // placing a character
    drag(Gadget::SetPreviewCanvas, {{8, 8}}, Qt::RightButton);
    menu(34);                               // Clear bits
    clickButton(Gadget::ColourMode);
    window->refreshViews();
    EXPECT_TRUE(shows(Gadget::AnimationCanvas, before));
}

}  // namespace
}  // namespace pw::testing
