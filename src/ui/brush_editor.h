#pragma once

#include "model/fill.h"

#include <QDialog>

class QListWidget;
class QToolButton;

namespace kalvero {

// The "Pattern Color Editor": the eight brush styles and the first 35 tiles, in the order of
// their pattern codes, and a colour. The list position is the pattern code.
class BrushEditorDialog : public QDialog {
    Q_OBJECT
public:
    explicit BrushEditorDialog(const Fill& fill, QWidget* parent = nullptr);

    // The fill as chosen: the selected position (the handed pattern when nothing is selected,
    // e.g. for a code the list does not hold) and the colour.
    Fill Chosen() const;

    QListWidget* Patterns = nullptr;
    QToolButton* ColorChoice = nullptr; // shows the colour; a click opens the colour dialog

private:
    void ChooseColor();
    void SetColor(const QColor& color);

    Fill Start;
    QColor Color;
};

// Runs the editor modally; Cancel gives back the fill as it was handed in.
Fill EditFill(QWidget* parent, const Fill& fill);

} // namespace kalvero
