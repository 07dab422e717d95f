#pragma once

#include "data/DataControl.h"
#include "shell/Form.h"
#include "shell/FormRegistry.h"
#include "support/TestContexte.h"

#include <QStringList>
#include <QVariantMap>
#include <QtTest>

class FXHotspotPicture;
class FakeAudioChannel;
class Principale;
class Seconde;

// Clicks the widget with the left button (at its centre unless told), as a child does, and lets
// the windows it opens or closes settle.
inline void press(QWidget* widget, QPoint at = {}) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    QCoreApplication::processEvents();
}

// A window that stands for one the scenario does not drive: it only records that it was shown.
class ProbeForm : public Form {
    Q_OBJECT
public:
    ProbeForm(Contexte& contexte, const QString& name) : Form(contexte, name) {}
    void onActivate() override { ++activations; }
    int activations = 0;
};

// A test context with every window of the program registered and a fresh learning database
// (the guest row only) whose path is stored in the settings, ready to start the main window.
class Scenario : public TestContexte {
public:
    static inline const QString GuestPassword = QStringLiteral("123");

    explicit Scenario(bool storePath = true);

    QString databasePath() const { return programFolder() + QStringLiteral("/DbBrin.mdb"); }
    // Replaces the database by a copy of the one of a generated program folder, and copies
    // the media folders named (such as "Bitmap") from it.
    void useGeneratedContent(const QString& generatedFolder, const QStringList& mediaFolders);
    // Loads and shows the main window, as the splash does.
    Principale* start();
    Principale* principale();

    // Adds a row to a table of the database, through a data control of its own.
    bool addRow(const QString& table, const QVariantMap& fields);
    bool addPupil(const QString& name, const QString& group, const QString& password);
    // Reads a field of the first row whose Nom is name, from a fresh connection.
    QVariant pupilField(const QString& name, const QString& field);
    int rowCount(const QString& table);

    // Registers a stand-in for a window the scenario only expects to be opened.
    void registerProbe(const QString& name);
    bool isShown(const QString& name);

    template <class T> T* form(const QString& name) {
        return qobject_cast<T*>(contexte->forms().find(name));
    }
};

// A pupil signed in on the main window of the generated program folder (BRINDEL_PROGRAM_DIR),
// over a fresh copy of its database and of the media folders given, with the exercise chooser
// shown as an accepted sign-in leaves it. The pupil "Léa" of group "CE2" is added to the copy.
class Partie {
public:
    static inline const QString Lea = QStringLiteral("Léa");
    static inline const QString Invite = QStringLiteral("Invité");

    // configuration: values of section "Configuration" stored before the main window loads;
    // signedIn false leaves the program on its sign-in window.
    explicit Partie(const QString& pupil = Lea,
                    const QStringList& mediaFolders = {QStringLiteral("Hotspot"),
                                                       QStringLiteral("Bitmap")},
                    const QVariantMap& configuration = {}, bool signedIn = true);

    static QString programDir() { return qEnvironmentVariable("BRINDEL_PROGRAM_DIR"); }
    // The generated program folder is there (tests skip without it).
    static bool available();

    Général& g() { return s->general(); }
    // The channel that last played a file ending with `suffix`, or null.
    FakeAudioChannel* channelOf(const QString& suffix);
    // How many times a file ending with `suffix` was played, on every channel.
    int played(const QString& suffix);
    // A score field of a pupil's row, read from a fresh connection.
    QVariant score(const QString& column, const QString& pupil = Lea) {
        return s.pupilField(pupil, column);
    }

    Scenario s;
    Principale* main = nullptr;
    Seconde* seconde = nullptr;
};

// A point inside hotspot `index` of a picture control (the middle one of its points), or
// (-1, -1) when the picture has none.
QPoint hotspotPoint(FXHotspotPicture* picture, int index);
