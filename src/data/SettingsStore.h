#pragma once

#include <QString>

// The per-user settings store of the program: sections of keys holding short texts.
// Section and key names match without regard to letter case; a key never written reads as the
// empty text; values are kept exactly as written. No key is ever deleted. The file is read at
// each call, so a change written by another window or another copy is seen at once, and it is
// readable by its owner only, because it holds the management password.
class SettingsStore {
public:
    explicit SettingsStore(QString filePath = defaultFilePath());

    QString read(const QString& section, const QString& key) const;
    // Returns false when the file could not be written.
    bool write(const QString& section, const QString& key, const QString& value);

    const QString& filePath() const { return filePath_; }

    // <XDG config folder>/VALIMOR Brindel/Brindel.ini
    static QString defaultFilePath();

private:
    QString filePath_;
};
