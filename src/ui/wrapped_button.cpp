#include "ui/wrapped_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

#include "ui/gadget_style.h"

namespace pw {

void WrappedButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString text = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    // The whole face minus the bevel: a text that fits stays on one line. A
    // button too low for two lines keeps one line in a smaller font instead.
    const QRect area = rect().adjusted(3, 2, -3, -2);
    if (QFontMetrics(font()).lineSpacing() * 2 > area.height())
        painter.setFont(fontToFit(font(), {text}, area.width()));
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, text);
}

}  // namespace pw
