#include "ui/file_dialogs.h"

#include "ui/brush_editor.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>

namespace kalvero {

namespace {

const QString Caption = QStringLiteral("Kalvero");

// The dialog hands back the selected filter as its text; the commands want its number.
std::optional<FileChoice> ChoiceFrom(const QString& path, const QStringList& filters,
                                     const QString& selectedFilter) {
    if (path.isEmpty())
        return std::nullopt;
    const qsizetype index = filters.indexOf(selectedFilter);
    return FileChoice{path, index < 0 ? 1 : int(index) + 1};
}

} // namespace

std::optional<FileChoice> QtFileDialogs::GetOpenFile(const QStringList& filters) {
    QString selected = filters.value(0);
    const QString path =
        QFileDialog::getOpenFileName(parent_, Caption, QString(), filters.join(";;"), &selected);
    return ChoiceFrom(path, filters, selected);
}

std::optional<FileChoice> QtFileDialogs::GetSaveFile(const QStringList& filters,
                                                     const QString& suggestedPath) {
    QString selected = filters.value(0);
    // No question about overwriting: the name chosen is not always the file written (a project
    // gets ".crt", bitmaps go beside it under their own names), so the question would name the
    // wrong file.
    const QString path =
        QFileDialog::getSaveFileName(parent_, Caption, suggestedPath, filters.join(";;"), &selected,
                                     QFileDialog::DontConfirmOverwrite);
    return ChoiceFrom(path, filters, selected);
}

std::optional<QColor> QtFileDialogs::GetColor(const QColor& initial) {
    const QColor color = QColorDialog::getColor(initial, parent_, Caption);
    if (!color.isValid())
        return std::nullopt;
    return color;
}

std::optional<QString> QtFileDialogs::GetText(const QString& title, const QString& label,
                                              const QString& initial) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(parent_, title, label, QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

void QtFileDialogs::ShowError(const QString& text) {
    QMessageBox::critical(parent_, Caption, text);
}

Fill QtFileDialogs::EditFill(const Fill& fill) {
    return kalvero::EditFill(parent_, fill);
}

void QtFileDialogs::RunModal(QDialog& dialog) {
    if (parent_) // centred over the main window
        dialog.move(parent_->frameGeometry().center() - dialog.rect().center());
    dialog.exec();
}

void QtFileDialogs::ShowPopup(QMenu& menu, QPoint globalPosition) {
    menu.popup(globalPosition);
}

} // namespace kalvero
