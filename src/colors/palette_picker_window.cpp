#include "colors/palette_picker_window.h"

#include <QLabel>
#include <QPushButton>

#include "assets/atari_palette_colors.h"
#include "ui/gadget_style.h"

namespace pw {

const char* const PalettePickerTitle = "ATARI palette... ";

namespace {

// The palette picture sits at (10, 10) of the client area; the canvas's
// sunken border lies around it, so none of the picture is hidden.
constexpr int PaletteLeft = 10;
constexpr int PaletteTop = 10;
constexpr int ValueLabelWidth = 60;
constexpr int SunkenFrame = 2;

// Every value text either label can show, so one font serves them all.
QStringList allValueTexts() {
    QStringList texts;
    for (int v = 0; v < 256; ++v) {
        texts << QString::fromStdString(registerValueText(v)) << QString::fromStdString(hoverValueText(v));
    }
    return texts;
}

QLabel* sunkenLabel(QWidget* parent, int x, int y, int w, int h) {
    auto* l = new QLabel(parent);
    l->setGeometry(x, y, w, h);
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

}  // namespace

PalettePickerWindow::PalettePickerWindow(ColorRegisters& colors, int reg, QWidget* parent)
    : QDialog(parent), colors_(colors), state_(startPalettePicker(colors, reg)) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(PalettePickerTitle);
    setModal(true);
    setFont(windowFont());
    setFixedSize(PalettePickerWidth, PalettePickerHeight);

    palette_ = new CanvasWidget(this, PaletteImageWidth + 2 * SunkenFrame, PaletteImageHeight + 2 * SunkenFrame, true);
    palette_->move(PaletteLeft - palette_->border(), PaletteTop - palette_->border());
    Surface s = palette_->surface();
    drawPalettePicture(s);
    palette_->setMouseHandler([this](CanvasAction, int x, int y, int held, int) { onPaletteMouse(x, y, held); });

    colorField_ = sunkenLabel(this, 180, 10, ValueLabelWidth, 260);

    const QFont small = fontToFit(font(), allValueTexts(), ValueLabelWidth - 2 * SunkenFrame - 2);
    chosenText_ = sunkenLabel(this, 180, 280, ValueLabelWidth, 20);
    chosenText_->setFont(small);
    hoverText_ = sunkenLabel(this, 10, 310, ValueLabelWidth, 20);
    hoverText_->setFont(small);

    okButton_ = new QPushButton("OK", this);
    okButton_->setGeometry(140, 310, 100, 20);
    okButton_->setAutoDefault(false);
    connect(okButton_, &QPushButton::clicked, this, [this] {
        applyPalettePick(state_, colors_);
        accept();
    });

    showChosen();
}

void PalettePickerWindow::onPaletteMouse(int x, int y, int held) {
    const PaletteEventResult r = handlePaletteEvent(state_, palette_->surface(), x, y, held == LeftButton);
    if (r.hoverChanged) hoverText_->setText(QString::fromStdString(hoverValueText(*state_.hover)));
    if (r.chosenChanged) showChosen();
}

void PalettePickerWindow::showChosen() {
    setBackground(colorField_, state_.chosenColor);
    chosenText_->setText(QString::fromStdString(registerValueText(state_.chosenValue)));
}

}  // namespace pw
