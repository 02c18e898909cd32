#pragma once

#include <QColor>
#include <QToolButton>

namespace kalvero {

// A toolbar button that shows a colour as its picture.
class ColorButton : public QToolButton {
    Q_OBJECT
public:
    explicit ColorButton(QWidget* parent = nullptr);

    QColor Color() const { return color_; }
    void SetColor(const QColor& color);

private:
    QColor color_ = Qt::white;
};

} // namespace kalvero
