#include "support/Scenario.h"

#include "activities/Seconde.h"
#include "data/Options.h"
#include "data/Schema.h"
#include "data/Sqlite.h"
#include "shell/FormRegistry.h"
#include "shell/Main.h"
#include "shell/Principale.h"
#include "shell/controls/FXHotspotPicture.h"
#include "shell/controls/FXShape.h"
#include "support/TestFiles.h"

#include <memory>

namespace {
// A data control over one table of a database, refreshed; null when that failed.
std::unique_ptr<DataControl> openTable(const QString& path, const QString& table) {
    auto data = std::make_unique<DataControl>();
    data->setDatabaseName(path);
    data->setRecordSource(table);
    return data->refresh() ? std::move(data) : nullptr;
}
} // namespace

Scenario::Scenario(bool storePath) {
    DbError error;
    DbConnection::create(databasePath(), error);
    addPupil(QStringLiteral("Invité"), QString(), GuestPassword);
    if (storePath)
        contexte->settings().write(Options::Database, Options::Path, databasePath());
    registerForms(*contexte);
}

void Scenario::useGeneratedContent(const QString& generatedFolder,
                                   const QStringList& mediaFolders) {
    QFile::remove(databasePath()); // a new file: no connection ever sees the old one change
    TestFiles::write(databasePath(),
                     TestFiles::read(generatedFolder + QStringLiteral("/DbBrin.mdb")));
    for (const QString& folder : mediaFolders)
        TestFiles::copyTree(generatedFolder + u'/' + folder, programFolder() + u'/' + folder);
}

Principale* Scenario::start() {
    contexte->forms().show(QStringLiteral("Principale"));
    return principale();
}

Principale* Scenario::principale() {
    return form<Principale>(QStringLiteral("Principale"));
}

bool Scenario::addRow(const QString& table, const QVariantMap& fields) {
    const auto data = openTable(databasePath(), table);
    if (!data || !data->recordSet().addNew())
        return false;
    RecordSet& rs = data->recordSet();
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
    const auto data = openTable(databasePath(), Schema::Table::Gestion);
    if (!data)
        return {};
    RecordSet& rs = data->recordSet();
    rs.findFirst(Criterion::equals(Schema::Field::Nom, name));
    return rs.noMatch() ? QVariant() : rs.field(field);
}

int Scenario::rowCount(const QString& table) {
    const auto data = openTable(databasePath(), table);
    return data ? data->recordSet().recordCount() : 0;
}

void Scenario::registerProbe(const QString& name) {
    contexte->forms().registerForm(name, FormRegistry::Placement::Child,
                                   [name](Contexte& c) { return new ProbeForm(c, name); });
}

bool Scenario::isShown(const QString& name) {
    Form* form = contexte->forms().find(name);
    return form && form->isVisible();
}

// ---- Partie ----

Partie::Partie(const QString& pupil, const QStringList& mediaFolders,
               const QVariantMap& configuration, bool signedIn) {
    s.useGeneratedContent(programDir(), mediaFolders);
    s.addPupil(Lea, QStringLiteral("CE2"), QStringLiteral("abc"));
    for (auto it = configuration.cbegin(); it != configuration.cend(); ++it)
        s->settings().write(Options::Configuration, it.key(), it.value().toString());
    main = s.start();
    if (!signedIn)
        return;
    s->general().NomChoisi = s->general().NomEleve = pupil;
    // What an accepted sign-in leaves: the sign-in window gone, the activity buttons and
    // "Retour" shown, not the studio.
    s->forms().unload(QStringLiteral("Inscription"));
    for (int i = 0; i <= 13; ++i)
        if (i != 8)
            main->bouton(i)->show();
    seconde = qobject_cast<Seconde*>(
        s->forms().show(QStringLiteral("Seconde"), FormRegistry::ShowMode::Maximised));
}

bool Partie::available() {
    return !programDir().isEmpty() && QFile::exists(programDir() + QStringLiteral("/DbBrin.mdb"));
}

FakeAudioChannel* Partie::channelOf(const QString& suffix) {
    for (FakeAudioChannel* channel : s.audio->channels)
        if (!channel->played.isEmpty() && channel->played.last().file.endsWith(suffix))
            return channel;
    return nullptr;
}

int Partie::played(const QString& suffix) {
    int count = 0;
    for (FakeAudioChannel* channel : s.audio->channels)
        for (const auto& p : channel->played)
            count += p.file.endsWith(suffix) ? 1 : 0;
    return count;
}

QPoint hotspotPoint(FXHotspotPicture* picture, int index) {
    QList<QPoint> inside;
    for (int y = 0; y < picture->height(); y += 3)
        for (int x = 0; x < picture->width(); x += 3)
            if (picture->indexAt(QPointF(x, y)) == index)
                inside << QPoint(x, y);
    return inside.isEmpty() ? QPoint(-1, -1) : inside.at(inside.size() / 2);
}
