#pragma once

#include <QString>
#include <QStringList>

#include <string>

namespace kalvero {

// The project named on the command line, or an empty text when there is none. The parameters
// are joined with blanks, so a path with blanks that reached the program split into several
// parameters is whole again. Only a name with the extension ".crt", in any case, counts.
QString ProjectFromArguments(const QStringList& arguments);

// The path with its extension replaced by ".crt", or ".crt" appended when it has none.
QString WithProjectExtension(const QString& path);

// The path in the file system's own encoding, as the file layer takes it.
std::string LocalPath(const QString& path);

} // namespace kalvero
