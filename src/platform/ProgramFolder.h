#pragma once

#include <QString>

namespace ProgramFolder {
// The folder that holds the program: BRINDEL_HOME when set, otherwise the executable's folder.
QString locate();

// Turns a Windows-style media path relative to the program folder ("\Bitmap\splash.jpg") into
// a real path. Backslashes and slashes both separate components, and each component is matched
// to an existing entry without regard to letter case. Components that match nothing are kept as
// written, so the result still names the missing file.
QString resolve(const QString& programFolder, const QString& mediaPath);
} // namespace ProgramFolder
