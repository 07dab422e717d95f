#include "support/Scenario.h"

#include "data/Options.h"
#include "data/Schema.h"
#include "data/Sqlite.h"
#include "shell/FormRegistry.h"
#include "shell/Main.h"
#include "shell/Principale.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMdiSubWindow>

Scenario::Scenario(bool storePath) {
    DbError error;
    DbConnection::create(databasePath(), error);
    addPupil(QStringLiteral("Invité"), QString(), GuestPassword);
    if (storePath)
        contexte->settings().write(Options::Database, Options::Path, databasePath());
    registerForms(*contexte);
}

QString Scenario::databasePath() const {
    return programFolder() + QStringLiteral("/DbBrin.mdb");
}

void Scenario::useGeneratedContent(const QString& generatedFolder,
                                   const QStringList& mediaFolders) {
    QFile::remove(databasePath());
    QFile::copy(generatedFolder + QStringLiteral("/DbBrin.mdb"), databasePath());
    QFile(databasePath()).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    for (const QString& folder : mediaFolders) {
        const QString from = generatedFolder + u'/' + folder;
        QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            const QString target =
                programFolder() + u'/' + folder + u'/' + QDir(from).relativeFilePath(file);
            QDir().mkpath(QFileInfo(target).path());
            QFile::copy(file, target);
        }
    }
}

Principale* Scenario::start() {
    contexte->forms().show(QStringLiteral("Principale"));
    return principale();
}

Principale* Scenario::principale() {
    return form<Principale>(QStringLiteral("Principale"));
}

bool Scenario::addRow(const QString& table, const QVariantMap& fields) {
    DataControl data;
    data.setDatabaseName(databasePath());
    data.setRecordSource(table);
    if (!data.refresh())
        return false;
    RecordSet& rs = data.recordSet();
    if (!rs.addNew())
        return false;
    for (auto it = fields.cbegin(); it != fields.cend(); ++it)
        if (!rs.setField(it.key(), it.value()))
            return false;
    return rs.update();
}

bool Scenario::addPupil(const QString& name, const QString& group, const QString& password) {
    return addRow(Schema::Table::Gestion, {{Schema::Field::Nom, name},
                                           {Schema::Field::Groupe, group},
                                           {Schema::Field::Motdepasse, password}});
}

QVariant Scenario::pupilField(const QString& name, const QString& field) {
    DataControl data;
    data.setDatabaseName(databasePath());
    data.setRecordSource(Schema::Table::Gestion);
    data.refresh();
    RecordSet& rs = data.recordSet();
    rs.findFirst(Criterion::equals(Schema::Field::Nom, name));
    return rs.noMatch() ? QVariant() : rs.field(field);
}

int Scenario::rowCount(const QString& table) {
    DataControl data;
    data.setDatabaseName(databasePath());
    data.setRecordSource(table);
    data.refresh();
    return data.recordSet().recordCount();
}

void Scenario::registerProbe(const QString& name) {
    contexte->forms().registerForm(name, FormRegistry::Placement::Child,
                                   [name](Contexte& c) { return new ProbeForm(c, name); });
}

bool Scenario::isShown(const QString& name) {
    Form* form = contexte->forms().find(name);
    return form && form->isVisible();
}
