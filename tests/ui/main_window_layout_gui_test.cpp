// The main window as it opens: geometry, texts, initial states, menus and
// the status bar.
#include <QCheckBox>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QStatusBar>

#include "main_window_fixture.h"

namespace pw::testing {
namespace {

using LayoutTest = MainWindowTest;

TEST_F(LayoutTest, WindowIsFixedWithTheClientAreaBelowTheMenuBar) {
    EXPECT_EQ(window->windowTitle().toStdString(), "Pixelwick (ver$ 0.97.85) - Tamblor");
    const int menuHeight = window->menuBar()->height();
    EXPECT_EQ(window->width(), 945);
    EXPECT_EQ(window->height(), menuHeight + 645);
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window->windowFlags() & Qt::WindowCloseButtonHint);
    // The client area starts right under the menu bar and the status bar sits at its bottom.
    EXPECT_EQ(window->client()->mapTo(window.get(), QPoint(0, 0)), QPoint(0, menuHeight));
    EXPECT_EQ(window->statusBar()->geometry().bottom(), window->height() - 1);
}

TEST_F(LayoutTest, GadgetsStandWhereTheLayoutPutsThem) {
    const struct {
        Gadget gadget;
        QRect geometry;
        const char* text;
    } cases[] = {
        {Gadget::SetPreviewCanvas, {20, 30, 80, 80}, nullptr},
        {Gadget::SetNext, {115, 30, 25, 20}, ">"},
        {Gadget::SetPrevious, {115, 90, 25, 20}, "<"},
        {Gadget::SetCopy, {20, 120, 40, 20}, "Copy"},
        {Gadget::SetPaste, {70, 120, 40, 20}, "Paste"},
        {Gadget::SaveSet, {10, 160, 60, 20}, "Save SET"},
        {Gadget::LoadSet, {80, 160, 60, 20}, "Load SET"},
        {Gadget::SaveAllSets, {20, 190, 110, 20}, "Save all SET"},
        {Gadget::LoadAllSets, {20, 220, 110, 20}, "Load all SET"},
        {Gadget::StartFrameCombo, {10, 275, 40, 20}, nullptr},
        {Gadget::StopFrameCombo, {90, 275, 40, 20}, nullptr},
        {Gadget::AnimationStart, {30, 300, 80, 20}, "Start"},
        {Gadget::AnimationCanvas, {30, 325, 80, 80}, nullptr},
        {Gadget::SetEditorCanvas, {150, 10, 404, 404}, nullptr},
        {Gadget::SelectedCharCanvas, {10, 450, 68, 68}, nullptr},
        {Gadget::SlotPrevious, {10, 570, 20, 20}, "<"},
        {Gadget::SlotNext, {60, 570, 20, 20}, ">"},
        {Gadget::FontSheetCanvas, {90, 450, 547, 139}, nullptr},
        {Gadget::LoadFnt, {675, 450, 90, 20}, "Load FNT"},
        {Gadget::SaveFnt, {675, 480, 90, 20}, "Save FNT"},
        {Gadget::SaveRangeFnt, {675, 510, 90, 20}, "Save range FNT"},
        {Gadget::DefaultFont, {675, 550, 90, 40}, "Set Default ATARI FONT"},
        {Gadget::ExportImage, {785, 450, 90, 20}, "Export to image"},
        {Gadget::ExportText, {785, 480, 90, 20}, "Export As..."},
        {Gadget::ViewEditor, {810, 550, 120, 40}, "View Editor >>>"},
        {Gadget::CharEditorCanvas, {565, 10, 244, 244}, nullptr},
        {Gadget::ColourMode, {820, 10, 110, 30}, "Change GFX"},
        {Gadget::Rotate, {820, 50, 110, 20}, "ROTATE"},
        {Gadget::MirrorH, {820, 80, 50, 20}, "H MIR"},
        {Gadget::MirrorV, {880, 80, 50, 20}, "V MIR"},
        {Gadget::ShiftLeft, {820, 130, 20, 20}, "L"},
        {Gadget::ShiftRight, {850, 130, 20, 20}, "R"},
        {Gadget::ShiftUp, {880, 130, 20, 20}, "U"},
        {Gadget::ShiftDown, {910, 130, 20, 20}, "D"},
        {Gadget::Inverse, {820, 165, 55, 25}, "INVERSE"},
        {Gadget::Clear, {880, 165, 55, 25}, "CLEAR"},
        {Gadget::Copy, {820, 200, 55, 25}, "COPY"},
        {Gadget::Paste, {880, 200, 55, 25}, "PASTE"},
        {Gadget::Undo, {820, 235, 55, 20}, "UNDO"},
        {Gadget::Redo, {880, 235, 55, 20}, "REDO"},
        {Gadget::DrawOnSet, {565, 380, 90, 20}, "Draw on SET"},
        {Gadget::EditorGrid, {565, 405, 100, 20}, "Grid ON/OFF"},
        {Gadget::SwatchLum, {750, 310, 30, 20}, nullptr},
        {Gadget::PickLum, {780, 310, 20, 20}, "<"},
        {Gadget::SwatchPf0, {750, 340, 30, 20}, nullptr},
        {Gadget::PickPf2, {780, 370, 20, 20}, "<"},
        {Gadget::SwatchBak, {870, 310, 30, 20}, nullptr},
        {Gadget::PickPf1, {900, 340, 20, 20}, "<"},
        {Gadget::SwatchPf3, {870, 370, 30, 20}, nullptr},
        {Gadget::LoadColors, {740, 410, 80, 20}, "Load Colors"},
        {Gadget::SaveColors, {840, 410, 80, 20}, "Save Colors"},
    };
    for (const auto& c : cases) {
        QWidget* w = window->gadget(c.gadget);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(QRect(w->mapTo(window->client(), QPoint(0, 0)), w->size()), c.geometry)
            << (c.text ? c.text : "canvas") << " " << static_cast<int>(c.gadget);
        if (c.text) {
            auto* b = qobject_cast<QAbstractButton*>(w);
            ASSERT_NE(b, nullptr);
            EXPECT_EQ(b->text().toStdString(), c.text);
        }
    }
    auto geometry = [&](QLabel* l) { return QRect(l->mapTo(window->client(), QPoint(0, 0)), l->size()); };
    EXPECT_EQ(geometry(window->setNumberLabel()), QRect(115, 60, 23, 20));
    EXPECT_EQ(geometry(window->slotNumberLabel()), QRect(33, 570, 25, 20));
    EXPECT_EQ(geometry(window->sheetCodeLabel()), QRect(10, 520, 70, 20));
    EXPECT_EQ(geometry(window->charCodeLabel()), QRect(730, 260, 80, 20));
    EXPECT_EQ(geometry(window->lmbSwatch()), QRect(580, 290, 30, 70));
    EXPECT_EQ(geometry(window->rmbSwatch()), QRect(630, 290, 30, 70));
    // Canvases draw inside their 2-pixel sunken border; the set preview has none.
    EXPECT_EQ(canvas(Gadget::CharEditorCanvas)->image().size(), QSize(240, 240));
    EXPECT_EQ(canvas(Gadget::FontSheetCanvas)->image().size(), QSize(543, 135));
    EXPECT_EQ(canvas(Gadget::SetEditorCanvas)->image().size(), QSize(400, 400));
    EXPECT_EQ(canvas(Gadget::SelectedCharCanvas)->image().size(), QSize(64, 64));
    EXPECT_EQ(canvas(Gadget::SetPreviewCanvas)->image().size(), QSize(80, 80));
}

TEST_F(LayoutTest, InitialStatesAndTexts) {
    EXPECT_FALSE(window->gadget(Gadget::Undo)->isEnabled());
    EXPECT_FALSE(window->gadget(Gadget::Redo)->isEnabled());
    EXPECT_TRUE(qobject_cast<QRadioButton*>(window->gadget(Gadget::ModeNormal))->isChecked());
    EXPECT_FALSE(qobject_cast<QRadioButton*>(window->gadget(Gadget::ModeMask))->isChecked());
    EXPECT_TRUE(qobject_cast<QCheckBox*>(window->gadget(Gadget::DrawOnSet))->isChecked());
    EXPECT_TRUE(qobject_cast<QCheckBox*>(window->gadget(Gadget::EditorGrid))->isChecked());
    EXPECT_EQ(text(window->setNumberLabel()), "1");
    EXPECT_EQ(text(window->slotNumberLabel()), "1");
    EXPECT_EQ(window->setNumberLabel()->palette().color(QPalette::Window), QColor(255, 255, 0));
    EXPECT_EQ(window->slotNumberLabel()->palette().color(QPalette::Window), QColor(128, 255, 128));
    EXPECT_EQ(window->lmbSwatch()->palette().color(QPalette::Window), QColor(255, 255, 255));
    EXPECT_EQ(window->rmbSwatch()->palette().color(QPalette::Window), QColor(0, 0, 0));
    EXPECT_EQ(text(window->charCodeLabel()), "");
    EXPECT_EQ(text(window->sheetCodeLabel()), "");
    EXPECT_EQ(text(window->hoverField()), "");
    EXPECT_EQ(text(window->fontField()), "Font: Default.fnt");
    EXPECT_EQ(text(window->projectField()), "Project: ");
    EXPECT_EQ(window->hoverField()->width(), 130);
    EXPECT_EQ(window->fontField()->width(), 400);
    EXPECT_EQ(window->projectField()->width(), 350);
    for (Gadget g : {Gadget::StartFrameCombo, Gadget::StopFrameCombo}) {
        auto* combo = qobject_cast<QComboBox*>(window->gadget(g));
        ASSERT_EQ(combo->count(), 100);
        EXPECT_EQ(combo->itemText(0).toStdString(), "1");
        EXPECT_EQ(combo->itemText(99).toStdString(), "100");
    }
    EXPECT_EQ(qobject_cast<QComboBox*>(window->gadget(Gadget::StartFrameCombo))->currentIndex(), 0);
    EXPECT_EQ(qobject_cast<QComboBox*>(window->gadget(Gadget::StopFrameCombo))->currentIndex(), 1);
    // The editor and the preview show "!", the swatches the register colours.
    EXPECT_EQ(canvasPixel(Gadget::CharEditorCanvas, 95, 35), qRgb(255, 255, 255));
    EXPECT_EQ(canvasPixel(Gadget::SelectedCharCanvas, 25, 9), qRgb(255, 255, 255));
    EXPECT_EQ(canvasPixel(Gadget::SwatchPf0, 5, 5), qRgb(194, 119, 31));
    EXPECT_EQ(canvasPixel(Gadget::SwatchPf3, 25, 15), qRgb(149, 20, 123));
}

TEST_F(LayoutTest, ExactlyFourteenTooltips) {
    std::vector<std::string> tips;
    for (QWidget* w : window->findChildren<QWidget*>())
        if (!w->toolTip().isEmpty()) tips.push_back(w->toolTip().toStdString());
    std::sort(tips.begin(), tips.end());
    const std::vector<std::string> expected = {
        "Anim start",      "Anim stop",       "Get color - BAK", "Get color - FP1", "Get color - LUM",
        "Get color - PF0", "Get color - PF2", "Get color - PF3", "Set color - BAK", "Set color - FP1",
        "Set color - LUM", "Set color - PF0", "Set color - PF2", "Set color - PF3"};
    EXPECT_EQ(tips, expected);
    EXPECT_EQ(window->gadget(Gadget::SwatchPf1)->toolTip().toStdString(), "Get color - FP1");
    EXPECT_EQ(window->gadget(Gadget::PickPf1)->toolTip().toStdString(), "Set color - FP1");
}

TEST_F(LayoutTest, MenusHoldTheirItemsAndSeparatorsInOrder) {
    std::vector<std::string> lines;
    for (QAction* top : window->menuBar()->actions()) {
        lines.push_back(QString("[%1]").arg(top->text()).toStdString());
        for (QAction* a : top->menu()->actions()) lines.push_back(a->isSeparator() ? "-" : a->text().toStdString());
    }
    const std::vector<std::string> expected = {
        "[Project]", "Open...", "Save\tF5", "Save As...", "-", "About", "Exit",
        "[Font]", "Load Font", "Save Font", "Save range Font", "-", "Default Atari Font", "-", "Next", "Previous", "-",
        "[Char]", "Undo\tCtrl+Z", "Redo\tCtrl+Y", "-", "Rotate\tR", "H Mirror\tH", "V Mirror\tV",
        "Shift left\tShift+Left", "Shift Right\tShift+Right", "Shift Up\tShift+Up", "Shift Down\tShift+Down",
        "Inverse\tI", "Clear\tDelete", "Copy\tCtrl+C", "Paste\tCtrl+V",
        "[Set]", "Grid ON/OFF", "-", "Next\tPageDown", "Previous\tPageUp", "-", "Load Set", "Save Set",
        "Load all Set", "Save all Set", "-", "Copy", "Paste", "Clear", "Clear bits", "-", "Export Set to bin...",
    };
    EXPECT_EQ(lines, expected);
    for (int id = 0; id <= 35; ++id) EXPECT_NE(window->menuAction(id), nullptr) << id;
}

}  // namespace
}  // namespace pw::testing
