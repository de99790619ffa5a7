#include "ui/wrapped_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace pw {

void WrappedButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString text = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    // The whole face minus the bevel: a text that fits stays on one line.
    const QRect area = rect().adjusted(3, 2, -3, -2);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, text);
}

}  // namespace pw
