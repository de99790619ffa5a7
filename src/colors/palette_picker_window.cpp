#include "colors/palette_picker_window.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

#include "assets/atari_palette_colors.h"

namespace pw {

const char* const PalettePickerTitle = "ATARI palette... ";

namespace {

// The palette picture sits at (10, 10) of the client area; the canvas's
// sunken border lies around it, so none of the picture is hidden.
constexpr int PaletteLeft = 10;
constexpr int PaletteTop = 10;
constexpr int ValueLabelWidth = 60;
constexpr int SunkenFrame = 2;

// The smallest pixel font that still holds every value text either label can
// show, starting from the main window's 11 pixels.
QFont valueFont(QFont f) {
    const int available = ValueLabelWidth - 2 * SunkenFrame - 2;
    auto widest = [](const QFont& font) {
        const QFontMetrics m(font);
        int w = 0;
        for (int v = 0; v < 256; ++v) {
            w = std::max(w, m.horizontalAdvance(QString::fromStdString(registerValueText(v))));
            w = std::max(w, m.horizontalAdvance(QString::fromStdString(hoverValueText(v))));
        }
        return w;
    };
    while (f.pixelSize() > 7 && widest(f) > available) f.setPixelSize(f.pixelSize() - 1);
    return f;
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
    QFont font = QApplication::font();
    font.setPixelSize(11);
    setFont(font);
    setFixedSize(PalettePickerWidth, PalettePickerHeight);

    palette_ = new CanvasWidget(this, PaletteImageWidth + 2 * SunkenFrame, PaletteImageHeight + 2 * SunkenFrame, true);
    palette_->move(PaletteLeft - palette_->border(), PaletteTop - palette_->border());
    Surface s = palette_->surface();
    drawPalettePicture(s);
    palette_->setMouseHandler([this](CanvasAction, int x, int y, int held, int) { onPaletteMouse(x, y, held); });

    colorField_ = sunkenLabel(this, 180, 10, ValueLabelWidth, 260);
    colorField_->setAutoFillBackground(true);

    const QFont small = valueFont(font);
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
    QPalette p = colorField_->palette();
    const DisplayColor c = state_.chosenColor;
    p.setColor(QPalette::Window, QColor(c.red(), c.green(), c.blue()));
    colorField_->setPalette(p);
    chosenText_->setText(QString::fromStdString(registerValueText(state_.chosenValue)));
}

}  // namespace pw
