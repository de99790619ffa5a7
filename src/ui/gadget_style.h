// The look shared by the program's windows: their font, fitting texts into
// fixed-width gadgets, and label backgrounds in display colours.
#pragma once

#include <QFont>
#include <QStringList>

#include "model/colors.h"

class QLabel;

namespace pw {

// The application font at the pixel size the fixed layouts are made for.
QFont windowFont();

// The font, made just small enough (down to a legible minimum) that every
// text fits the available width: fixed gadgets keep their captions whole
// whatever fonts the system has.
QFont fontToFit(QFont font, const QStringList& texts, int available);

// Paints the label's background in the colour.
void setBackground(QLabel* label, DisplayColor color);

}  // namespace pw
