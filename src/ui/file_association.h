#pragma once

#include <QString>

namespace kalvero {

// Associates the extension (without its point) with the program, so that the desktop opens such
// a file by starting executablePath with the file's path as its one argument. Written at every
// start, with the executable's current path; whatever cannot be written is passed over silently.
//
// On Linux this is the freedesktop way, under $XDG_DATA_HOME (~/.local/share by default): a
// shared-mime-info type for "*.<extension>", a desktop entry that opens it and the program's
// icon for both. The desktop's caches are refreshed only when a file changed. On Windows it is the
// registry's class entry.
void RegisterFileType(const QString& extension, const QString& description,
                      const QString& executablePath);

// The folder the association files go to on Linux.
QString XdgDataHome();

// The MIME type name given to the extension.
QString MimeTypeName(const QString& extension);

// The text of the files written on Linux.
QString MimePackageText(const QString& extension, const QString& description);
QString DesktopEntryText(const QString& extension, const QString& executablePath);

// The executable's path as one argument of a desktop entry's Exec line, quoted and escaped as
// the desktop entry format requires.
QString ExecArgument(const QString& executablePath);

} // namespace kalvero
