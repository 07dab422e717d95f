#pragma once

#include "data/DataControl.h"
#include "shell/Form.h"
#include "shell/FormRegistry.h"
#include "support/TestContexte.h"

#include <QVariantMap>

class Principale;

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

    QString databasePath() const;
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
