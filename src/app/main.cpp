#include "ui/form1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kalvero"));
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    kalvero::TForm1 form(arguments);
    form.show();
    return QApplication::exec();
}
