// Driving the main window as a user would: painting, picking, the input
// countdown, slot stepping, the mode button, the shortcuts and the exit question.
#include <QCheckBox>
#include <QTimerEvent>

#include "main_window_fixture.h"
#include "model/code_text.h"
#include "model/glyph_ops.h"

namespace pw::testing {
namespace {

using DispatchTest = MainWindowTest;

int pixelAt(const Glyph& g, int x, int y) { return g.at(x, y); }

TEST_F(DispatchTest, LeftDragSetsAndRightDragClearsEveryCrossedPixelInOneColourMode) {
    Glyph& g = glyph(1);
    g = Glyph{};
    drag(Gadget::CharEditorCanvas, {{5, 100}, {35, 100}, {65, 100}, {95, 100}, {125, 100}}, Qt::LeftButton);
    for (int x = 0; x < 8; ++x) EXPECT_EQ(pixelAt(g, x, 3), x <= 4 ? 1 : 0) << x;
    // The editor and the sheet show it: pixel (2, 3) white in the editor, and on
    // the sheet at character 1 (block x 17..32).
    EXPECT_EQ(canvasPixel(Gadget::CharEditorCanvas, 75, 100), qRgb(255, 255, 255));
    EXPECT_EQ(canvasPixel(Gadget::FontSheetCanvas, 17 + 2 * 2 + 1, 2 * 3), qRgb(255, 255, 255));

    drag(Gadget::CharEditorCanvas, {{35, 100}, {65, 100}}, Qt::RightButton);
    for (int x = 0; x < 8; ++x) EXPECT_EQ(pixelAt(g, x, 3), (x == 0 || x == 3 || x == 4) ? 1 : 0) << x;
    EXPECT_EQ(canvasPixel(Gadget::CharEditorCanvas, 75, 100), qRgb(0, 0, 0));
}

TEST_F(DispatchTest, FourColourPaintingWritesPairsAndLumWritesNothing) {
    clickButton(Gadget::ColourMode);
    ASSERT_TRUE(ws->multicolour);
    Glyph& g = glyph(1);
    g = Glyph{};
    // Four-colour mode starts with PF0 on the left and BAK on the right.
    click(Gadget::CharEditorCanvas, 5 * 30 + 5, 5);  // pixel x = 5: pair 4..5
    EXPECT_EQ(g.at(4, 0), 0);
    EXPECT_EQ(g.at(5, 0), 1);
    click(Gadget::SwatchPf1, 5, 5);  // left click on PF1
    click(Gadget::CharEditorCanvas, 5, 35);
    EXPECT_EQ(g.at(0, 1), 1);
    EXPECT_EQ(g.at(1, 1), 0);
    EXPECT_EQ(canvasPixel(Gadget::CharEditorCanvas, 50, 40), qRgb(71, 183, 27));  // PF1 drawn as a 60-wide pair
    click(Gadget::SwatchPf2, 5, 5, Qt::RightButton);  // right button: PF2
    click(Gadget::CharEditorCanvas, 65, 65, Qt::RightButton);
    EXPECT_EQ(g.at(2, 2), 1);
    EXPECT_EQ(g.at(3, 2), 1);
    // LUM cannot be chosen in four-colour mode, and LUM as a button colour paints nothing.
    click(Gadget::SwatchLum, 5, 5);
    EXPECT_EQ(ws->lmbColor, ColorPf1);
    ws->lmbColor = ColorLum;
    const Glyph before = g;
    click(Gadget::CharEditorCanvas, 100, 100);
    EXPECT_EQ(g.pixel, before.pixel);
}

TEST_F(DispatchTest, PickingOnBothHalvesOfTheSheet) {
    const struct {
        int x, y, code;
    } cases[] = {
        {17 * 1 + 3, 4, 1},        // "!" in the normal half
        {5, 68 + 5, 0},            // the inverse form of character 0
        {17 * 2 + 8, 68 + 17 * 1 + 14, 34},  // lower part of an inverse character
        {17 * 31 + 8, 17 * 3 + 8, 127},
    };
    for (const auto& c : cases) {
        click(Gadget::FontSheetCanvas, c.x, c.y);
        EXPECT_EQ(ws->pickedChar, c.code);
        EXPECT_EQ(ws->editedChar, c.code);
        EXPECT_EQ(text(window->charCodeLabel()), codeText("Char: $", c.code));
        EXPECT_EQ(text(window->sheetCodeLabel()), codeText("$", c.code));
        EXPECT_EQ(text(window->hoverField()), codeText("Char Font: $", c.code));
    }
    EXPECT_EQ(text(window->charCodeLabel()), "Char: $7F (127)");
    // Hovering only changes the hover text.
    moveHeld(Gadget::FontSheetCanvas, 17 * 1 + 3, 4, Qt::NoButton);
    EXPECT_EQ(text(window->hoverField()), "Char Font: $1 (1)");
    EXPECT_EQ(ws->editedChar, 127);
    // The picked character shows in the preview: the space's neighbour "!" vs the arrow.
    EXPECT_EQ(canvasPixel(Gadget::SelectedCharCanvas, 8 * 3 + 2, 2), qRgb(255, 255, 255));  // arrow row 0 = 0x10
}

TEST_F(DispatchTest, AnEmptySetCellMakesTheEditedCharacterNone) {
    press(Gadget::SetEditorCanvas, 100, 100, Qt::LeftButton);
    release(Gadget::SetEditorCanvas, 100, 100, Qt::LeftButton);
    EXPECT_EQ(ws->editedChar, NoChar);
    EXPECT_EQ(text(window->charCodeLabel()), "Char: $FFFFFFFFFFFFFFFF (-1)");
    EXPECT_EQ(text(window->hoverField()), "Char Set: NONE");
    EXPECT_EQ(canvasPixel(Gadget::CharEditorCanvas, 95, 35), qRgb(0, 0, 0));
    // No painting and no character operation acts now.
    const Workspace before = *ws;
    click(Gadget::CharEditorCanvas, 95, 35);
    QTest::keyClick(window.get(), Qt::Key_I);
    clickButton(Gadget::Clear);
    for (int c = 0; c < GlyphCount; ++c) ASSERT_EQ(glyph(c).pixel, before.slot(1).glyphs[c].pixel) << c;
}

TEST_F(DispatchTest, SetEditorPicksAndPaintsTheCharacterUnderTheMouse) {
    ws->set(1).cells[0] = 33;
    ws->set(1).cells[1] = 33;
    window->refreshViews();
    Glyph& a = glyph(33);
    a = Glyph{};
    click(Gadget::SetEditorCanvas, 10 * 2 + 5, 10 * 3 + 5);  // pixel (2, 3) of cell 0
    EXPECT_EQ(ws->editedChar, 33);
    EXPECT_EQ(a.at(2, 3), 1);
    EXPECT_EQ(text(window->hoverField()), "Char Set: $21 (33)");
    // Both cells show it.
    EXPECT_EQ(canvasPixel(Gadget::SetEditorCanvas, 80 + 25, 35), qRgb(255, 255, 255));
    // With "Draw on SET" off (key D), a press only picks. The key is read
    // whatever gadget has the focus, once per press.
    window->gadget(Gadget::Rotate)->setFocus();
    QTest::keyClick(window->gadget(Gadget::Rotate), Qt::Key_D);
    EXPECT_FALSE(ws->drawOnSet);
    EXPECT_FALSE(qobject_cast<QCheckBox*>(window->gadget(Gadget::DrawOnSet))->isChecked());
    click(Gadget::SetEditorCanvas, 10 * 5 + 5, 5);
    EXPECT_EQ(a.at(5, 0), 0);
    QTest::keyClick(window->gadget(Gadget::Rotate), Qt::Key_D);
    EXPECT_TRUE(ws->drawOnSet);
    EXPECT_TRUE(qobject_cast<QCheckBox*>(window->gadget(Gadget::DrawOnSet))->isChecked());
}

TEST_F(DispatchTest, DigitKeysOfTheMainKeyboardAreHeldUntilAnyKeyGoesUp) {
    QWidget* focus = window->gadget(Gadget::Rotate);
    focus->setFocus();
    QTest::keyPress(focus, Qt::Key_4);
    EXPECT_EQ(ws->heldRowKey, 4);
    QTest::keyRelease(focus, Qt::Key_X);
    EXPECT_EQ(ws->heldRowKey, 0);
    QTest::keyPress(focus, Qt::Key_4, Qt::KeypadModifier);  // the numeric keypad is not a row key
    EXPECT_EQ(ws->heldRowKey, 0);
    QTest::keyPress(focus, Qt::Key_6);
    EXPECT_EQ(ws->heldRowKey, 0);
}

TEST_F(DispatchTest, CountdownBlocksOnlyTheLeftButtonForFifteenEvents) {
    Glyph& g = glyph(1);
    g = Glyph{};
    clickButton(Gadget::LoadFnt);  // a guarded command
    EXPECT_EQ(ws->inputCountdown, InputGuardEvents);
    // Right button paints at once (one press event counts down too).
    press(Gadget::CharEditorCanvas, 5, 5, Qt::RightButton);
    release(Gadget::CharEditorCanvas, 5, 5, Qt::RightButton);
    g.pixel[0][0] = 0;
    EXPECT_EQ(ws->inputCountdown, InputGuardEvents - 2);
    // 13 more events are needed; the left button is ignored until then.
    for (int i = 0; i < 12; ++i) press(Gadget::CharEditorCanvas, 5, 5, Qt::LeftButton);
    EXPECT_EQ(g.at(0, 0), 0);
    EXPECT_EQ(ws->inputCountdown, 1);
    QTimerEvent tick(window->timerId());
    QApplication::sendEvent(window.get(), &tick);  // the timer counts as an event
    EXPECT_EQ(ws->inputCountdown, 0);
    press(Gadget::CharEditorCanvas, 5, 5, Qt::LeftButton);
    EXPECT_EQ(g.at(0, 0), 1);
    // The font sheet is never blocked; the menu item for set files is not guarded.
    clickButton(Gadget::SaveFnt);
    click(Gadget::FontSheetCanvas, 17 * 5 + 3, 3);
    EXPECT_EQ(ws->pickedChar, 5);
    ws->inputCountdown = 0;
    menu(27);
    EXPECT_EQ(ws->inputCountdown, 0);
}

TEST_F(DispatchTest, SlotSteppingStopsAtItsLimits) {
    clickButton(Gadget::SlotPrevious);
    EXPECT_EQ(ws->currentSlot, 1);
    glyph(1, 2).pixel[3][1] = 1;
    clickButton(Gadget::SlotNext);
    EXPECT_EQ(ws->currentSlot, 2);
    EXPECT_EQ(text(window->slotNumberLabel()), "2");
    // Slot 2 is blank except one pixel, and the views show slot 2.
    EXPECT_EQ(canvasPixel(Gadget::CharEditorCanvas, 95, 35), qRgb(255, 255, 255));
    EXPECT_EQ(canvasPixel(Gadget::CharEditorCanvas, 125, 35), qRgb(0, 0, 0));
    EXPECT_EQ(text(window->fontField()), "Font: Default.fnt");
    for (int i = 0; i < 12; ++i) menu(9);
    EXPECT_EQ(ws->currentSlot, 10);
    EXPECT_EQ(text(window->slotNumberLabel()), "10");
    // At the limit nothing happens, not even a redraw.
    canvas(Gadget::CharEditorCanvas)->surface().setPixel(0, 0, rgbPixel(1, 2, 3));
    menu(9);
    EXPECT_EQ(ws->currentSlot, 10);
    EXPECT_EQ(canvasPixel(Gadget::CharEditorCanvas, 0, 0), qRgb(1, 2, 3));
    for (int i = 0; i < 12; ++i) menu(10);
    EXPECT_EQ(ws->currentSlot, 1);
}

TEST_F(DispatchTest, ModeButtonRemembersTheFourColourButtonColours) {
    auto* mode = button(Gadget::ColourMode);
    auto swatch = [](QLabel* l) { return l->palette().color(QPalette::Window); };
    clickButton(Gadget::ColourMode);
    EXPECT_EQ(mode->text().toStdString(), "Change FONT");
    EXPECT_EQ(swatch(window->lmbSwatch()), QColor(194, 119, 31));  // PF0
    EXPECT_EQ(swatch(window->rmbSwatch()), QColor(0, 0, 0));
    click(Gadget::SwatchPf2, 5, 5);
    click(Gadget::SwatchPf1, 5, 5, Qt::RightButton);
    EXPECT_EQ(swatch(window->lmbSwatch()), QColor(44, 119, 207));
    clickButton(Gadget::ColourMode);
    EXPECT_EQ(mode->text().toStdString(), "Change GFX");
    EXPECT_EQ(ws->lmbColor, ColorLum);
    EXPECT_EQ(ws->rmbColor, ColorBak);
    EXPECT_EQ(swatch(window->lmbSwatch()), QColor(255, 255, 255));
    // In one-colour mode BAK on the left turns the swatch black but still sets pixels.
    click(Gadget::SwatchBak, 5, 5);
    EXPECT_EQ(swatch(window->lmbSwatch()), QColor(0, 0, 0));
    glyph(1).pixel[0][0] = 0;
    click(Gadget::CharEditorCanvas, 5, 5);
    EXPECT_EQ(glyph(1).at(0, 0), 1);
    clickButton(Gadget::ColourMode);
    EXPECT_EQ(ws->lmbColor, ColorPf2);
    EXPECT_EQ(ws->rmbColor, ColorPf1);
}

TEST_F(DispatchTest, EveryTransformThroughItsShortcut) {
    Glyph seed{};
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) seed.pixel[x][y] = ((x * 3 + y * 5 + x * y) % 7) < 3 ? 1 : 0;
    const struct {
        QKeyCombination key;
        GlyphOp op;
    } cases[] = {
        {QKeyCombination(Qt::Key_R), GlyphOp::Rotate},
        {QKeyCombination(Qt::Key_H), GlyphOp::MirrorH},
        {QKeyCombination(Qt::Key_V), GlyphOp::MirrorV},
        {QKeyCombination(Qt::ShiftModifier, Qt::Key_Left), GlyphOp::ShiftLeft},
        {QKeyCombination(Qt::ShiftModifier, Qt::Key_Right), GlyphOp::ShiftRight},
        {QKeyCombination(Qt::ShiftModifier, Qt::Key_Up), GlyphOp::ShiftUp},
        {QKeyCombination(Qt::ShiftModifier, Qt::Key_Down), GlyphOp::ShiftDown},
        {QKeyCombination(Qt::Key_I), GlyphOp::Inverse},
        {QKeyCombination(Qt::Key_Delete), GlyphOp::Clear},
    };
    // The focus sits on a button: the shortcuts belong to the window, not to a gadget.
    window->gadget(Gadget::Rotate)->setFocus();
    for (const auto& c : cases) {
        Workspace expected = *ws;
        expected.slot(1).glyphs[1] = seed;
        applyGlyphOp(expected, c.op);
        glyph(1) = seed;
        QTest::keyClick(window.get(), c.key.key(), c.key.keyboardModifiers());
        EXPECT_EQ(glyph(1).pixel, expected.slot(1).glyphs[1].pixel) << static_cast<int>(c.op);
    }
    // Copy and paste go through the clipboard, into another character.
    glyph(1) = seed;
    QTest::keyClick(window.get(), Qt::Key_C, Qt::ControlModifier);
    click(Gadget::FontSheetCanvas, 17 * 9 + 3, 3);
    QTest::keyClick(window.get(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(glyph(9).pixel, seed.pixel);
    // Undo and redo are accepted and change nothing.
    const Glyph now = glyph(9);
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(window.get(), Qt::Key_Y, Qt::ControlModifier);
    menu(11);
    EXPECT_EQ(glyph(9).pixel, now.pixel);
}

TEST_F(DispatchTest, ExitQuestionAnsweredNoThenYes) {
    host.answers = {false, true};
    window->close();
    ASSERT_EQ(host.asked.size(), 1u);
    EXPECT_EQ(host.asked[0].kind, "question");
    EXPECT_EQ(host.asked[0].title, "Exit...");
    EXPECT_EQ(host.asked[0].text, "Exit? Unsaved changes will be lost!");
    EXPECT_TRUE(window->isVisible());
    menu(4);
    ASSERT_EQ(host.asked.size(), 2u);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(DispatchTest, DefaultFontQuestionRestoresTheCurrentSlotOnYes) {
    clickButton(Gadget::SlotNext);
    ws->slot(2).fileName = "mine.fnt";
    host.answers = {false};
    clickButton(Gadget::DefaultFont);
    EXPECT_EQ(glyph(1).at(3, 1), 0);
    host.answers = {true};
    menu(8);
    ASSERT_EQ(host.asked.size(), 2u);
    EXPECT_EQ(host.asked[1].title, "Default font...");
    EXPECT_EQ(host.asked[1].text, "Load Atari Default Font ?");
    EXPECT_EQ(glyph(1).at(3, 1), 1);
    EXPECT_EQ(ws->slot(2).fileName, "mine.fnt");
    EXPECT_EQ(canvasPixel(Gadget::CharEditorCanvas, 95, 35), qRgb(255, 255, 255));
}

}  // namespace
}  // namespace pw::testing
