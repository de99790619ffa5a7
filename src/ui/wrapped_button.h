// A push button whose text wraps onto several lines when it is too wide.
#pragma once

#include <QPushButton>

namespace pw {

class WrappedButton : public QPushButton {
public:
    WrappedButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {}

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace pw
