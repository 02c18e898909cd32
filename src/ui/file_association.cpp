#include "ui/file_association.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>

namespace kalvero {

namespace {

// *.crt is also the usual extension of certificates, whose type has the default weight 50; a
// higher weight makes our type win for these files.
constexpr int GlobWeight = 60;
constexpr int ToolTimeoutMs = 10000;

QString XmlEscaped(const QString& text) {
    return text.toHtmlEscaped();
}

// Writes the file unless it already holds exactly this text. Returns whether it was written.
bool WriteIfChanged(const QString& path, const QByteArray& bytes) {
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == bytes)
        return false;
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(bytes);
    return file.commit();
}

void RunIfPresent(const QString& tool, const QString& folder) {
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        return;
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(program, {folder});
    process.waitForFinished(ToolTimeoutMs);
}

#ifdef Q_OS_WIN
void RegisterInRegistry(const QString& extension, const QString& description,
                        const QString& executablePath) {
    const QString exe = QDir::toNativeSeparators(executablePath);
    const QString typeKey = extension + QStringLiteral("KTSFile");
    QSettings classes(QStringLiteral("HKEY_CLASSES_ROOT"), QSettings::NativeFormat);
    classes.setValue(QStringLiteral(".") + extension + QStringLiteral("/Default"), typeKey);
    classes.setValue(typeKey + QStringLiteral("/Default"), description);
    classes.setValue(typeKey + QStringLiteral("/DefaultIcon/Default"), exe + QStringLiteral(",0"));
    classes.setValue(typeKey + QStringLiteral("/shell/open/command/Default"),
                     exe + QStringLiteral(" %1"));
    classes.sync();
}
#endif

void RegisterWithFreedesktop(const QString& extension, const QString& description,
                             const QString& executablePath) {
    const QString dataHome = XdgDataHome();
    const QString mimeFolder = dataHome + QStringLiteral("/mime");
    const QString applications = dataHome + QStringLiteral("/applications");
    const bool mimeChanged = WriteIfChanged(mimeFolder + QStringLiteral("/packages/kalvero-") +
                                                extension + QStringLiteral(".xml"),
                                            MimePackageText(extension, description).toUtf8());
    const bool desktopChanged =
        WriteIfChanged(applications + QStringLiteral("/kalvero.desktop"),
                       DesktopEntryText(extension, executablePath).toUtf8());
    // The icon that the desktop entry and the file type name.
    QFile icon(QStringLiteral(":/icons/kalvero.svg"));
    if (icon.open(QIODevice::ReadOnly))
        WriteIfChanged(dataHome + QStringLiteral("/icons/hicolor/scalable/apps/kalvero.svg"),
                       icon.readAll());
    if (mimeChanged)
        RunIfPresent(QStringLiteral("update-mime-database"), mimeFolder);
    if (desktopChanged)
        RunIfPresent(QStringLiteral("update-desktop-database"), applications);
}

} // namespace

QString XdgDataHome() {
    const QString configured = qEnvironmentVariable("XDG_DATA_HOME");
    // The XDG base directory rules ignore a relative path.
    if (!configured.isEmpty() && QDir::isAbsolutePath(configured))
        return configured;
    return QDir::homePath() + QStringLiteral("/.local/share");
}

QString MimeTypeName(const QString& extension) {
    return QStringLiteral("application/x-kalvero-") + extension.toLower();
}

QString MimePackageText(const QString& extension, const QString& description) {
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<mime-info "
                          "xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                          "  <mime-type type=\"%1\">\n"
                          "    <comment>%2</comment>\n"
                          "    <icon name=\"kalvero\"/>\n"
                          "    <glob pattern=\"*.%3\" weight=\"%4\"/>\n"
                          "  </mime-type>\n"
                          "</mime-info>\n")
        .arg(MimeTypeName(extension), XmlEscaped(description), XmlEscaped(extension))
        .arg(GlobWeight);
}

QString DesktopEntryText(const QString& extension, const QString& executablePath) {
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Kalvero\n"
                          "Comment=Geological cross-sections\n"
                          "Icon=kalvero\n"
                          "Exec=%1 %f\n"
                          "MimeType=%2;\n"
                          "Terminal=false\n"
                          "Categories=Science;Geology;\n")
        .arg(ExecArgument(executablePath), MimeTypeName(extension));
}

QString ExecArgument(const QString& executablePath) {
    QString argument = executablePath;
    // A literal percent sign would read as a field code.
    argument.replace(QLatin1Char('%'), QStringLiteral("%%"));
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    const bool needsQuotes =
        std::any_of(argument.begin(), argument.end(), [](QChar c) { return reserved.contains(c); });
    if (needsQuotes) {
        QString quoted = QStringLiteral("\"");
        for (const QChar c : argument) {
            if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
                c == QLatin1Char('\\'))
                quoted += QLatin1Char('\\');
            quoted += c;
        }
        argument = quoted + QLatin1Char('"');
    }
    // The value is a string of the key file format, which escapes backslashes and line breaks
    // once more.
    argument.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    argument.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    argument.replace(QLatin1Char('\t'), QStringLiteral("\\t"));
    argument.replace(QLatin1Char('\r'), QStringLiteral("\\r"));
    return argument;
}

void RegisterFileType(const QString& extension, const QString& description,
                      const QString& executablePath) {
#ifdef Q_OS_WIN
    RegisterInRegistry(extension, description, executablePath);
#else
    RegisterWithFreedesktop(extension, description, executablePath);
#endif
}

} // namespace kalvero
