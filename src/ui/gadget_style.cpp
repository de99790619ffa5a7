#include "ui/gadget_style.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>

namespace pw {

namespace {
constexpr int LayoutFontPixels = 11;
constexpr int SmallestFontPixels = 8;

bool fits(const QFont& font, const QStringList& texts, int available) {
    const QFontMetrics metrics(font);
    for (const QString& t : texts)
        if (metrics.horizontalAdvance(t) > available) return false;
    return true;
}
}  // namespace

QFont windowFont() {
    QFont font = QApplication::font();
    font.setPixelSize(LayoutFontPixels);
    return font;
}

QFont fontToFit(QFont font, const QStringList& texts, int available) {
    while (font.pixelSize() > SmallestFontPixels && !fits(font, texts, available))
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

void setBackground(QLabel* label, DisplayColor color) {
    QPalette p = label->palette();
    p.setColor(QPalette::Window, QColor(color.red(), color.green(), color.blue()));
    label->setPalette(p);
    label->setAutoFillBackground(true);
}

}  // namespace pw
