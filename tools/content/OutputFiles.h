#pragma once

#include <QByteArray>
#include <QString>

// Writing generated files so that an unchanged file keeps its date (nothing downstream is made
// again) and a file is never left half written.
namespace OutputFiles {
bool writeIfChanged(const QString& path, const QByteArray& bytes, QString* error);
} // namespace OutputFiles
