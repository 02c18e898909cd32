#include "ui/window_paths.h"

#include <QFile>

#include <algorithm>

namespace kalvero {

namespace {

// The position of the extension's point, or -1: the last point after the last separator.
qsizetype ExtensionStart(const QString& path) {
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
#ifdef Q_OS_WIN
    const qsizetype separator =
        std::max({path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')),
                  path.lastIndexOf(QLatin1Char(':'))});
#else
    const qsizetype separator = path.lastIndexOf(QLatin1Char('/'));
#endif
    return dot > separator ? dot : -1;
}

} // namespace

QString ProjectFromArguments(const QStringList& arguments) {
    const QString path = arguments.join(QLatin1Char(' '));
    const qsizetype dot = ExtensionStart(path);
    if (dot < 0 || path.mid(dot).toLower() != QStringLiteral(".crt"))
        return QString();
    return path;
}

QString WithProjectExtension(const QString& path) {
    const qsizetype dot = ExtensionStart(path);
    return (dot < 0 ? path : path.left(dot)) + QStringLiteral(".crt");
}

std::string LocalPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace kalvero
