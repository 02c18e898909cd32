#pragma once

#include "model/fill.h"

#include <QColor>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <optional>

class QDialog;
class QMenu;
class QWidget;

namespace kalvero {

// A file chosen in a dialog, with the filter that was selected when it was confirmed. The filter
// decides what the window does with the file, whatever the name's extension says.
struct FileChoice {
    QString Path;
    int FilterIndex = 1; // 1 for the first filter, as the commands number them
};

// The window's modal dialogs, behind one interface so that tests can answer them. Filters are
// given in the dialog's own form, e.g. "Carotage file (*.crt)". Every "Get" returns nothing when
// the user cancels.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;

    virtual std::optional<FileChoice> GetOpenFile(const QStringList& filters) = 0;
    // suggestedPath is the name the dialog offers; empty for none.
    virtual std::optional<FileChoice> GetSaveFile(const QStringList& filters,
                                                  const QString& suggestedPath) = 0;
    virtual std::optional<QColor> GetColor(const QColor& initial) = 0;
    virtual std::optional<QString> GetText(const QString& title, const QString& label,
                                           const QString& initial) = 0;
    virtual void ShowError(const QString& text) = 0;
    // The brush editor on a fill; Cancel gives back the fill as it was handed in.
    virtual Fill EditFill(const Fill& fill) = 0;
    // Shows the dialog modally and returns when it is closed, however that happened.
    virtual void RunModal(QDialog& dialog) = 0;
    // Pops the menu up at a screen position; its actions run what the user picks.
    virtual void ShowPopup(QMenu& menu, QPoint globalPosition) = 0;
};

// The desktop's dialogs, parented to the given window.
class QtFileDialogs : public FileDialogs {
public:
    explicit QtFileDialogs(QWidget* parent) : parent_(parent) {}

    std::optional<FileChoice> GetOpenFile(const QStringList& filters) override;
    std::optional<FileChoice> GetSaveFile(const QStringList& filters,
                                          const QString& suggestedPath) override;
    std::optional<QColor> GetColor(const QColor& initial) override;
    std::optional<QString> GetText(const QString& title, const QString& label,
                                   const QString& initial) override;
    void ShowError(const QString& text) override;
    Fill EditFill(const Fill& fill) override;
    void RunModal(QDialog& dialog) override;
    void ShowPopup(QMenu& menu, QPoint globalPosition) override;

private:
    QWidget* parent_;
};

} // namespace kalvero
