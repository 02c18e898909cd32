#pragma once

#include "ui/file_dialogs.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <utility>
#include <vector>

namespace kalvero {

// Answers the window's dialogs from scripted queues and records what the window asked and showed.
// A dialog that opens without a scripted answer fails the test and is cancelled.
class FakeDialogs : public FileDialogs {
public:
    std::deque<std::optional<FileChoice>> OpenAnswers;
    std::deque<std::optional<FileChoice>> SaveAnswers;
    std::deque<std::optional<QColor>> ColorAnswers;
    std::deque<std::optional<QString>> TextAnswers;

    QStringList OpenFilters;
    QStringList SaveFilters;
    QStringList SaveSuggestions;
    QStringList Errors;

    std::optional<FileChoice> GetOpenFile(const QStringList& filters) override {
        OpenFilters = filters;
        return Next(OpenAnswers, "open");
    }
    std::optional<FileChoice> GetSaveFile(const QStringList& filters,
                                          const QString& suggestedPath) override {
        SaveFilters = filters;
        SaveSuggestions << suggestedPath;
        return Next(SaveAnswers, "save");
    }
    std::optional<QColor> GetColor(const QColor&) override { return Next(ColorAnswers, "colour"); }
    std::optional<QString> GetText(const QString&, const QString&, const QString&) override {
        return Next(TextAnswers, "input");
    }
    void ShowError(const QString& text) override { Errors << text; }

    // nullopt stands for Cancel.
    std::deque<std::optional<Fill>> FillAnswers;
    std::vector<Fill> FillsHanded;
    Fill EditFill(const Fill& fill) override {
        FillsHanded.push_back(fill);
        return Next(FillAnswers, "brush editor").value_or(fill);
    }
    // Each modal dialog is answered by the next script, which may work its controls and the
    // window before the dialog closes.
    std::deque<std::function<void(QDialog&)>> ModalScripts;
    void RunModal(QDialog& dialog) override {
        if (ModalScripts.empty()) {
            ADD_FAILURE() << "unexpected modal dialog";
            return;
        }
        auto script = std::move(ModalScripts.front());
        ModalScripts.pop_front();
        script(dialog);
    }
    std::vector<QMenu*> Popups;
    void ShowPopup(QMenu& menu, QPoint) override { Popups.push_back(&menu); }

private:
    template <typename T>
    static std::optional<T> Next(std::deque<std::optional<T>>& answers, const char* dialog) {
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected " << dialog << " dialog";
            return std::nullopt;
        }
        const bool confirmed = answers.front().has_value();
        T value = confirmed ? *answers.front() : T();
        answers.pop_front();
        return confirmed ? std::optional<T>(value) : std::nullopt;
    }
};

} // namespace kalvero
