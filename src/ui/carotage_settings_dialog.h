#pragma once

#include "model/carotage_settings.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;
class QToolButton;

namespace kalvero {

// "Carotage settings": the display settings of the current carotage entry and its group, and the
// import of its points. There is no OK or Cancel: closing the window applies the settings.
class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);

    // Fills the controls from the entry; the data index may go up to largestIndex.
    void Show(const CarotageSettings& settings, int32_t largestIndex);
    // The settings as the controls hold them; original decides what a norm type outside the
    // list is written back as.
    CarotageSettings Settings(const CarotageSettings& original) const;

    // Run by the import button.
    std::function<void()> ImportRequested;

    QLabel* Label1 = nullptr;
    QSpinBox* SpinEdit1 = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QLabel* Label3 = nullptr;
    QComboBox* ColorBox1 = nullptr;
    QToolButton* SpeedButton8 = nullptr;
    QCheckBox* CheckBox1 = nullptr;

private:
    void SelectColor(int32_t colour);
};

} // namespace kalvero
