#pragma once

#include <QString>

// A path without spaces that names the same existing file or folder, for the multimedia
// command strings, whose words are separated by spaces. A path without spaces is returned as it
// is; otherwise the result is a symbolic link, in a per-user folder whose path has no space,
// pointing at the file. A missing file, or a link that cannot be made, gives the empty text.
QString CheminCourt(const QString& chemin);

// Removes the links that CheminCourt made during this run. Called when the program quits.
void EffacerCheminsCourts();
