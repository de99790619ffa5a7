#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QTimerEvent>

#include "colors/color_swatch.h"
#include "colors/palette_picker_window.h"
#include "model/packed_font.h"
#include "render/char_views.h"
#include "render/set_views.h"
#include "ui/gadget_style.h"
#include "ui/wrapped_button.h"

namespace pw {

const char* const MainWindowTitle = "Pixelwick (ver$ 0.97.85) - Tamblor";

namespace {

struct MenuItem {
    const char* text;  // nullptr for a separator
    int id;
};

struct MenuDef {
    const char* title;
    std::initializer_list<MenuItem> items;
};

constexpr MenuItem Separator{nullptr, -1};

const MenuDef Menus[] = {
    {"Project", {{"Open...", 0}, {"Save\tF5", 1}, {"Save As...", 2}, Separator, {"About", 3}, {"Exit", 4}}},
    {"Font",
     {{"Load Font", 5}, {"Save Font", 6}, {"Save range Font", 7}, Separator, {"Default Atari Font", 8}, Separator,
      {"Next", 9}, {"Previous", 10}, Separator}},
    {"Char",
     {{"Undo\tCtrl+Z", 11}, {"Redo\tCtrl+Y", 12}, Separator, {"Rotate\tR", 13}, {"H Mirror\tH", 14},
      {"V Mirror\tV", 15}, {"Shift left\tShift+Left", 16}, {"Shift Right\tShift+Right", 17},
      {"Shift Up\tShift+Up", 18}, {"Shift Down\tShift+Down", 19}, {"Inverse\tI", 20}, {"Clear\tDelete", 21},
      {"Copy\tCtrl+C", 22}, {"Paste\tCtrl+V", 23}}},
    {"Set",
     {{"Grid ON/OFF", 24}, Separator, {"Next\tPageDown", 25}, {"Previous\tPageUp", 26}, Separator,
      {"Load Set", 27}, {"Save Set", 28}, {"Load all Set", 29}, {"Save all Set", 30}, Separator, {"Copy", 31},
      {"Paste", 32}, {"Clear", 33}, {"Clear bits", 34}, Separator, {"Export Set to bin...", 35}}},
};

const struct {
    QKeyCombination key;
    int id;
} Shortcuts[] = {
    {QKeyCombination(Qt::Key_F5), 1},
    {QKeyCombination(Qt::ControlModifier, Qt::Key_Z), 11},
    {QKeyCombination(Qt::ControlModifier, Qt::Key_Y), 12},
    {QKeyCombination(Qt::Key_R), 13},
    {QKeyCombination(Qt::Key_H), 14},
    {QKeyCombination(Qt::Key_V), 15},
    {QKeyCombination(Qt::ShiftModifier, Qt::Key_Left), 16},
    {QKeyCombination(Qt::ShiftModifier, Qt::Key_Right), 17},
    {QKeyCombination(Qt::ShiftModifier, Qt::Key_Up), 18},
    {QKeyCombination(Qt::ShiftModifier, Qt::Key_Down), 19},
    {QKeyCombination(Qt::Key_I), 20},
    {QKeyCombination(Qt::Key_Delete), 21},
    {QKeyCombination(Qt::ControlModifier, Qt::Key_C), 22},
    {QKeyCombination(Qt::ControlModifier, Qt::Key_V), 23},
    {QKeyCombination(Qt::Key_PageDown), 25},
    {QKeyCombination(Qt::Key_PageUp), 26},
};

// The colour panel: register, caption and the positions of caption, swatch
// and "<" button, with the tooltips.
const struct {
    int reg;
    const char* caption;
    int x, y;
    const char* swatchTip;
    const char* buttonTip;
    Gadget swatch;
    Gadget pick;
} Registers[] = {
    {ColorLum, "LUM", 700, 310, "Get color - LUM", "Set color - LUM", Gadget::SwatchLum, Gadget::PickLum},
    {ColorPf0, "PF0 - 01", 700, 340, "Get color - PF0", "Set color - PF0", Gadget::SwatchPf0, Gadget::PickPf0},
    {ColorPf2, "PF2 - 11", 700, 370, "Get color - PF2", "Set color - PF2", Gadget::SwatchPf2, Gadget::PickPf2},
    {ColorBak, "BAK", 820, 310, "Get color - BAK", "Set color - BAK", Gadget::SwatchBak, Gadget::PickBak},
    {ColorPf1, "PF1 - 10", 820, 340, "Get color - FP1", "Set color - FP1", Gadget::SwatchPf1, Gadget::PickPf1},
    {ColorPf3, "PF3 - 11", 820, 370, "Get color - PF3", "Set color - PF3", Gadget::SwatchPf3, Gadget::PickPf3},
};

const Gadget SwatchOrder[] = {Gadget::SwatchLum, Gadget::SwatchBak, Gadget::SwatchPf0,
                              Gadget::SwatchPf1, Gadget::SwatchPf2, Gadget::SwatchPf3};

// The virtual-key code of a key event, as the dispatcher knows keys: the
// digits of the main keyboard and the letters by their ASCII codes.
int virtualKey(const QKeyEvent* e) {
    const int key = e->key();
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return (e->modifiers() & Qt::KeypadModifier) ? 0 : key;
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return key;
    return 0;
}

}  // namespace

MainWindow::MainWindow(Workspace& ws, Host& host) : QMainWindow(nullptr), ws_(ws), host_(host), dispatch_(ws, host, *this) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(MainWindowTitle);
    setFont(windowFont());

    buildShortcuts();
    buildStatusBar();
    buildMenus();
    client_ = new QWidget(this);
    client_->setFixedSize(ClientWidth, ClientHeight - statusBar()->sizeHint().height());
    setCentralWidget(client_);
    buildGadgets();
    setFixedSize(ClientWidth, menuBar()->sizeHint().height() + ClientHeight);

    qApp->installEventFilter(this);
}

MainWindow::~MainWindow() { qApp->removeEventFilter(this); }

void MainWindow::buildShortcuts() {
    for (const auto& s : Shortcuts) {
        auto* shortcut = new QShortcut(QKeySequence(s.key), this);
        shortcut->setContext(Qt::WindowShortcut);
        const int id = s.id;
        connect(shortcut, &QShortcut::activated, this, [this, id] { forward(MainEvent::menu(id)); });
    }
}

void MainWindow::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setSizeGripEnabled(false);
    auto field = [&](int width, const char* text) {
        auto* l = new QLabel(text, bar);
        l->setFixedWidth(width);
        l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        bar->addWidget(l);
        return l;
    };
    hoverField_ = field(130, "");
    fontField_ = field(400, "Font: ");
    projectField_ = field(350, "Project: ");
}

void MainWindow::buildMenus() {
    for (const MenuDef& menuDef : Menus) {
        QMenu* menu = menuBar()->addMenu(menuDef.title);
        for (const MenuItem& item : menuDef.items) {
            if (!item.text) {
                menu->addSeparator();
                continue;
            }
            QAction* action = menu->addAction(item.text);
            const int id = item.id;
            actions_[id] = action;
            connect(action, &QAction::triggered, this, [this, id] { forward(MainEvent::menu(id)); });
        }
    }
}

QAction* MainWindow::menuAction(int id) const {
    const auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

QPushButton* MainWindow::button(const char* text, int x, int y, int w, int h, Gadget g, bool wrapped) {
    QPushButton* b = wrapped ? new WrappedButton(text, client_) : new QPushButton(text, client_);
    b->setGeometry(x, y, w, h);
    if (!wrapped) b->setFont(fontToFit(b->font(), {b->text()}, w - 6));
    gadgets_[g] = b;
    connect(b, &QPushButton::clicked, this, [this, g] { forward(MainEvent::gadgetEvent(g)); });
    return b;
}

QLabel* MainWindow::label(const char* text, int x, int y, int w, int h, bool centred, bool sunken) {
    auto* l = new QLabel(text, client_);
    l->setGeometry(x, y, w, h);
    l->setFont(fontToFit(l->font(), {l->text()}, w - (sunken ? 4 : 0)));
    if (centred) l->setAlignment(Qt::AlignCenter);
    if (sunken) l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return l;
}

CanvasWidget* MainWindow::canvasAt(int x, int y, int w, int h, bool sunken, Gadget g) {
    auto* c = new CanvasWidget(client_, w, h, sunken);
    c->move(x, y);
    gadgets_[g] = c;
    c->setMouseHandler([this, g](CanvasAction action, int mx, int my, int held, int changed) {
        forward(MainEvent::canvas(g, action, mx, my, held, changed));
    });
    return c;
}

void MainWindow::frame(const char* caption, int x, int y, int w, int h) {
    auto* box = new QGroupBox(caption, client_);
    box->setGeometry(x, y, w, h);
    box->lower();
}

void MainWindow::buildGadgets() {
    // Area 1: the set panel.
    frame("SET (1-100):", 5, 10, 140, 240);
    canvasAt(20, 30, 80, 80, false, Gadget::SetPreviewCanvas);
    button(">", 115, 30, 25, 20, Gadget::SetNext);
    setNumberLabel_ = label("1", 115, 60, 23, 20, true, true);
    setBackground(setNumberLabel_, DisplayColor::fromRgb(255, 255, 0));
    button("<", 115, 90, 25, 20, Gadget::SetPrevious);
    button("Copy", 20, 120, 40, 20, Gadget::SetCopy);
    button("Paste", 70, 120, 40, 20, Gadget::SetPaste);
    button("Save SET", 10, 160, 60, 20, Gadget::SaveSet);
    button("Load SET", 80, 160, 60, 20, Gadget::LoadSet);
    button("Save all SET", 20, 190, 110, 20, Gadget::SaveAllSets);
    button("Load all SET", 20, 220, 110, 20, Gadget::LoadAllSets);

    // Area 2: the animation panel.
    frame("Anim SET:", 2, 255, 138, 160);
    startFrameCombo_ = new QComboBox(client_);
    startFrameCombo_->setGeometry(10, 275, 40, 20);
    startFrameCombo_->setToolTip("Anim start");
    gadgets_[Gadget::StartFrameCombo] = startFrameCombo_;
    label("TO", 60, 280, 20, 15, true);
    stopFrameCombo_ = new QComboBox(client_);
    stopFrameCombo_->setGeometry(90, 275, 40, 20);
    stopFrameCombo_->setToolTip("Anim stop");
    gadgets_[Gadget::StopFrameCombo] = stopFrameCombo_;
    // Choosing a frame does nothing by itself, but it is a main-window event like any other.
    const std::pair<QComboBox*, Gadget> frameLists[] = {{startFrameCombo_, Gadget::StartFrameCombo},
                                                         {stopFrameCombo_, Gadget::StopFrameCombo}};
    for (const auto& [combo, g] : frameLists)
        connect(combo, &QComboBox::activated, this, [this, g = g] { forward(MainEvent::gadgetEvent(g)); });
    button("Start", 30, 300, 80, 20, Gadget::AnimationStart);
    canvasAt(30, 325, 80, 80, false, Gadget::AnimationCanvas);

    // Area 3: the set editor.
    canvasAt(150, 10, 404, 404, true, Gadget::SetEditorCanvas);

    // Area 4: the four-colour display mode; the two radio buttons form one group.
    label("Mode:", 90, 422, 40, 20);
    auto* modeGroup = new QWidget(client_);
    modeGroup->setGeometry(140, 420, 130, 20);
    auto* normal = new QRadioButton("Normal", modeGroup);
    normal->setGeometry(0, 0, 70, 20);
    normal->setChecked(true);
    auto* mask = new QRadioButton("Mask", modeGroup);
    mask->setGeometry(70, 0, 60, 20);
    gadgets_[Gadget::ModeNormal] = normal;
    gadgets_[Gadget::ModeMask] = mask;
    connect(normal, &QRadioButton::clicked, this, [this] { forward(MainEvent::gadgetEvent(Gadget::ModeNormal)); });
    connect(mask, &QRadioButton::clicked, this, [this] { forward(MainEvent::gadgetEvent(Gadget::ModeMask)); });

    // Area 5: the font sheet and the font slot.
    canvasAt(10, 450, 68, 68, true, Gadget::SelectedCharCanvas);
    sheetCodeLabel_ = label("", 10, 520, 70, 20, true);
    label("Fonts (1-10)", 5, 550, 80, 20, true);
    button("<", 10, 570, 20, 20, Gadget::SlotPrevious);
    slotNumberLabel_ = label("1", 33, 570, 25, 20, true, true);
    setBackground(slotNumberLabel_, DisplayColor::fromRgb(128, 255, 128));
    button(">", 60, 570, 20, 20, Gadget::SlotNext);
    CanvasWidget* sheet = canvasAt(90, 450, 547, 139, true, Gadget::FontSheetCanvas);
    sheet->setFocusPolicy(Qt::StrongFocus);

    // Area 6: font files and exports.
    button("Load FNT", 675, 450, 90, 20, Gadget::LoadFnt);
    button("Save FNT", 675, 480, 90, 20, Gadget::SaveFnt);
    button("Save range FNT", 675, 510, 90, 20, Gadget::SaveRangeFnt);
    button("Set Default ATARI FONT", 675, 550, 90, 40, Gadget::DefaultFont, true);
    button("Export to image", 785, 450, 90, 20, Gadget::ExportImage, true);
    button("Export As...", 785, 480, 90, 20, Gadget::ExportText);
    button("View Editor >>>", 810, 550, 120, 40, Gadget::ViewEditor);

    // Area 7: the character editor.
    canvasAt(565, 10, 244, 244, true, Gadget::CharEditorCanvas);
    charCodeLabel_ = label("", 730, 260, 80, 20, true, true);

    // Area 8: the character tools.
    modeButton_ = button("Change GFX", 820, 10, 110, 30, Gadget::ColourMode);
    button("ROTATE", 820, 50, 110, 20, Gadget::Rotate);
    button("H MIR", 820, 80, 50, 20, Gadget::MirrorH);
    button("V MIR", 880, 80, 50, 20, Gadget::MirrorV);
    label("SHIFT:", 820, 110, 50, 16);
    button("L", 820, 130, 20, 20, Gadget::ShiftLeft);
    button("R", 850, 130, 20, 20, Gadget::ShiftRight);
    button("U", 880, 130, 20, 20, Gadget::ShiftUp);
    button("D", 910, 130, 20, 20, Gadget::ShiftDown);
    button("INVERSE", 820, 165, 55, 25, Gadget::Inverse);
    button("CLEAR", 880, 165, 55, 25, Gadget::Clear);
    button("COPY", 820, 200, 55, 25, Gadget::Copy);
    button("PASTE", 880, 200, 55, 25, Gadget::Paste);
    button("UNDO", 820, 235, 55, 20, Gadget::Undo)->setEnabled(false);
    button("REDO", 880, 235, 55, 20, Gadget::Redo)->setEnabled(false);

    // Area 9: mouse-button colours and editor options.
    frame(" LMB         RMB", 570, 260, 100, 110);
    lmbSwatch_ = label("", 580, 290, 30, 70, false, true);
    setBackground(lmbSwatch_, DisplayColor::fromRgb(255, 255, 255));
    rmbSwatch_ = label("", 630, 290, 30, 70, false, true);
    setBackground(rmbSwatch_, DisplayColor::fromRgb(0, 0, 0));
    drawOnSetBox_ = new QCheckBox("Draw on SET", client_);
    drawOnSetBox_->setGeometry(565, 380, 90, 20);
    drawOnSetBox_->setChecked(true);
    gadgets_[Gadget::DrawOnSet] = drawOnSetBox_;
    connect(drawOnSetBox_, &QCheckBox::clicked, this,
            [this](bool on) { forward(MainEvent::gadgetEvent(Gadget::DrawOnSet, on)); });
    auto* grid = new QCheckBox("Grid ON/OFF", client_);
    grid->setGeometry(565, 405, 100, 20);
    grid->setChecked(true);
    gadgets_[Gadget::EditorGrid] = grid;
    connect(grid, &QCheckBox::clicked, this,
            [this](bool on) { forward(MainEvent::gadgetEvent(Gadget::EditorGrid, on)); });

    // Area 10: the colour registers.
    frame("Color", 690, 290, 240, 150);
    for (const auto& r : Registers) {
        label(r.caption, r.x, r.y, 40, 20);
        canvasAt(r.x + 50, r.y, SwatchWidth, SwatchHeight, true, r.swatch)->setToolTip(r.swatchTip);
        button("<", r.x + 80, r.y, 20, 20, r.pick)->setToolTip(r.buttonTip);
    }
    button("Load Colors", 740, 410, 80, 20, Gadget::LoadColors);
    button("Save Colors", 840, 410, 80, 20, Gadget::SaveColors);
}

void MainWindow::startUp() {
    initStartupWorkspace(ws_);
    setFontFieldText("Font: " + ws_.slot(1).fileName);
    for (auto* combo : {startFrameCombo_, stopFrameCombo_}) {
        combo->clear();
        for (int i = 1; i <= SetCount; ++i) combo->addItem(QString::number(i));
    }
    startFrameCombo_->setCurrentIndex(0);
    stopFrameCombo_->setCurrentIndex(1);
    if (timerId_ == 0) timerId_ = startTimer(250);
    ws_.colors = ColorRegisters();
    fillColorSwatches();
    refreshViews();
    drawAnimationFrame(1);
}

void MainWindow::showCentred() {
    show();
    if (const QScreen* s = screen()) {
        const QRect area = s->availableGeometry();
        const QRect outer = frameGeometry();
        move(area.center() - QPoint(outer.width() / 2, outer.height() / 2));
    }
}

bool MainWindow::modalDialogOpen() const {
    const QWidget* modal = QApplication::activeModalWidget();
    return modal && modal != this;
}

bool MainWindow::forward(const MainEvent& e) {
    // While a dialog of the program or a message box is open, the main window
    // gets no events: the animation and the input countdown stand still.
    if (closing_ || modalDialogOpen()) return true;
    if (dispatch_.dispatch(e)) return true;
    closing_ = true;
    close();
    QApplication::quit();
    return false;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (closing_) {
        event->accept();
        return;
    }
    event->ignore();
    forward(MainEvent::close());
}

void MainWindow::timerEvent(QTimerEvent* event) {
    if (event->timerId() == timerId_) {
        forward(MainEvent::timer(AnimationTimerId));
        return;
    }
    QMainWindow::timerEvent(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type == QEvent::KeyPress || type == QEvent::KeyRelease) && watched->isWidgetType()) {
        auto* key = static_cast<QKeyEvent*>(event);
        // An unhandled key travels up from the focus widget to its parents and
        // passes this filter at each of them; only its first receiver counts.
        // A key held down is one press and one release, whatever the platform repeats.
        QWidget* first = QApplication::focusWidget() ? QApplication::focusWidget() : this;
        if (!key->isAutoRepeat() && watched == first && first->window() == this) {
            forward(type == QEvent::KeyPress ? MainEvent::keyDown(virtualKey(key)) : MainEvent::keyUp(virtualKey(key)));
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

QWidget* MainWindow::gadget(Gadget g) const {
    const auto it = gadgets_.find(g);
    return it == gadgets_.end() ? nullptr : it->second;
}

CanvasWidget* MainWindow::canvas(Gadget g) const { return dynamic_cast<CanvasWidget*>(gadget(g)); }

void MainWindow::paintCanvas(Gadget g, void (*draw)(const Workspace&, Surface&)) {
    CanvasWidget* c = canvas(g);
    Surface s = c->surface();
    draw(ws_, s);
    c->update();
}

void MainWindow::refreshViews() {
    paintCanvas(Gadget::FontSheetCanvas, &pw::drawFontSheet);
    drawSetPreview();
    drawSetEditor();
    drawCharEditor();
    drawPickedChar();
    updateButtonSwatches();
}

void MainWindow::drawCharEditor() { paintCanvas(Gadget::CharEditorCanvas, &pw::drawCharEditor); }
void MainWindow::drawPickedChar() { paintCanvas(Gadget::SelectedCharCanvas, &pw::drawPickedChar); }
void MainWindow::drawSetEditor() { paintCanvas(Gadget::SetEditorCanvas, &pw::drawSetEditor); }

void MainWindow::drawSetPreview() {
    CanvasWidget* c = canvas(Gadget::SetPreviewCanvas);
    Surface s = c->surface();
    drawSetThumbnail(ws_, s, ThumbnailUse::SetPreview, ws_.currentSet, 0, 0);
    c->update();
}

void MainWindow::drawAnimationFrame(int setNumber) {
    CanvasWidget* c = canvas(Gadget::AnimationCanvas);
    Surface s = c->surface();
    drawSetThumbnail(ws_, s, ThumbnailUse::AnimationFrame, setNumber, 0, 0);
    c->update();
}

void MainWindow::updateButtonSwatches() {
    if (const auto color = buttonSwatchColor(ws_, ws_.lmbColor)) setBackground(lmbSwatch_, *color);
    if (const auto color = buttonSwatchColor(ws_, ws_.rmbColor)) setBackground(rmbSwatch_, *color);
}

void MainWindow::fillColorSwatches() {
    for (int reg = ColorLum; reg <= ColorPf3; ++reg) {
        CanvasWidget* c = canvas(SwatchOrder[reg - 1]);
        Surface s = c->surface();
        fillColorSwatch(s, ws_.colors.display(reg));
        c->update();
    }
}

void MainWindow::setCharCodeText(const std::string& text) { charCodeLabel_->setText(QString::fromStdString(text)); }
void MainWindow::setSheetCodeText(const std::string& text) { sheetCodeLabel_->setText(QString::fromStdString(text)); }
void MainWindow::setHoverText(const std::string& text) { hoverField_->setText(QString::fromStdString(text)); }
void MainWindow::setFontFieldText(const std::string& text) { fontField_->setText(QString::fromStdString(text)); }
void MainWindow::setSlotNumber(int slot) { slotNumberLabel_->setText(QString::number(slot)); }
void MainWindow::setSetNumber(int set) { setNumberLabel_->setText(QString::number(set)); }
void MainWindow::setModeButtonText(const std::string& text) { modeButton_->setText(QString::fromStdString(text)); }
void MainWindow::setDrawOnSetChecked(bool on) { drawOnSetBox_->setChecked(on); }
int MainWindow::startFrameIndex() const { return startFrameCombo_->currentIndex(); }
int MainWindow::stopFrameIndex() const { return stopFrameCombo_->currentIndex(); }

void MainWindow::openPalettePicker(int reg) {
    PalettePickerWindow picker(ws_.colors, reg, this);
    picker.move(pos() + QPoint(PalettePickerOffsetX, PalettePickerOffsetY));
    if (picker.exec() == QDialog::Accepted) {
        fillColorSwatches();
        refreshViews();
        updateButtonSwatches();
    }
    activateWindow();
}

}  // namespace pw
