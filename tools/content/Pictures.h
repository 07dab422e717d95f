#pragma once

#include <QString>

// Painted pictures of the program folder.
namespace Pictures {
// The splash picture shown while the program starts.
bool writeSplash(const QString& path);
} // namespace Pictures
