#pragma once

#include "fake_dialogs.h"
#include "ui/form1.h"
#include "ui/layer_table.h"

#include <QAction>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace kalvero {

inline QString DemoProject() {
    return QStringLiteral(KALVERO_TEST_DATA "/example/demo.crt");
}

// A shown main window with scripted dialogs.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override { Start({}); }

    void Start(const QStringList& arguments) {
        auto dialogs = std::make_unique<FakeDialogs>();
        Dialogs = dialogs.get();
        Form = std::make_unique<TForm1>(arguments, std::move(dialogs));
        Form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
    }

    Section& Model() { return Form->Doc.Model; }
    LayerTable& Table() { return *Form->AdvStringGrid1; }

    // A borehole entry with these thicknesses, made through the window's own command.
    void AddBorehole(const std::vector<double>& thicknesses, double position = 0) {
        Form->SpeedButton1->trigger();
        carotagedata& entry = Model().Current();
        entry.HorizontalPosition = position;
        entry.H = thicknesses;
        entry.C.assign(thicknesses.size(), 0);
        entry.P.assign(thicknesses.size(), 0);
        BottomsFromThickness(entry);
        Form->RefillLayerTable();
    }

    // Types the text into the cell's editor and confirms it with Enter, as the user does. False
    // when no editor opened.
    bool TypeIntoCell(int col, int row, const QString& text) {
        LayerTable& table = Table();
        table.SetCurrentCell(col, row);
        const QModelIndex index = table.model()->index(row - 1, col);
        table.edit(index);
        auto* editor = qobject_cast<QLineEdit*>(table.indexWidget(index));
        if (!editor)
            return false;
        editor->setText(text);
        QTest::keyClick(editor, Qt::Key_Return);
        // The editor hands its text over through the event queue.
        QCoreApplication::processEvents();
        return true;
    }

    // Texts of one column, rows 1 and below.
    QStringList Column(int col) {
        QStringList texts;
        for (int row = 1; row < Table().GridRowCount(); ++row)
            texts << Table().CellText(col, row);
        return texts;
    }

    FakeDialogs* Dialogs = nullptr;
    std::unique_ptr<TForm1> Form;
};

} // namespace kalvero
