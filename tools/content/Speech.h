#pragma once

#include <QString>

// Spoken English for the program folder: speech synthesis, slow and clear, converted to the
// format every spoken file must have (8-bit unsigned mono PCM at 11 025 Hz).
namespace Speech {
// Speaks the text into a WAV file. Returns false (with the reason in error) on failure.
bool synthesise(const QString& text, const QString& wavPath, QString* error = nullptr);
// Converts any sound file to 8-bit unsigned mono PCM at 11 025 Hz.
bool convert(const QString& inputPath, const QString& wavPath, QString* error = nullptr);
} // namespace Speech
