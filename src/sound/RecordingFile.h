#pragma once

#include <QString>

// Where the studio keeps the pupil's last recording: a file of the user's own runtime folder
// (the cache folder when the session has none), because the program folder may be read-only
// once installed. The file lives for one run: the program deletes it when it quits.
namespace RecordingFile {
// Full path of the recording; its folder is made when missing.
QString path();
// Deletes the recording, if any.
void remove();
} // namespace RecordingFile
