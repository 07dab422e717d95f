#include "data/Schema.h"

namespace Schema {

namespace {
QStringList numbered(const QString& stem) {
    QStringList names;
    for (int i = 1; i <= 10; ++i)
        names << stem + QString::number(i);
    return names;
}

QString textColumns(const QStringList& names) {
    QStringList columns;
    for (const QString& name : names)
        columns << name + QStringLiteral(" TEXT NOT NULL DEFAULT ''");
    return columns.join(QStringLiteral(", "));
}

QString numberColumns(const QStringList& names) {
    QStringList columns;
    for (const QString& name : names)
        columns << name + QStringLiteral(" INTEGER NOT NULL DEFAULT 0");
    return columns.join(QStringLiteral(", "));
}

QString table(const QString& name, const QString& columns) {
    return QStringLiteral("CREATE TABLE %1 (%2)").arg(name, columns);
}
} // namespace

const QStringList& scoreFields() {
    static const QStringList fields = [] {
        QStringList list{"Activite", "Sport",  "Musique", "Metier", "Aliment",  "Boisson",
                         "Maison",   "Meuble", "Famille", "Ecole",  "Heure",    "Corps",
                         "Capitale", "Calend", "Couleur", "Nombre", "Opposit1", "Opposit2"};
        list << numbered(QStringLiteral("Son")) << numbered(QStringLiteral("Texte"))
             << numbered(QStringLiteral("Dictee")) << QStringLiteral("Quizz")
             << numbered(QStringLiteral("Comptine"));
        return list;
    }();
    return fields;
}

const QStringList& tables() {
    static const QStringList names{Table::Gestion, Table::Imagier, Table::Compte, Table::Quizz1,
                                   Table::Quizz2,  Table::Angfr,   Table::Frang};
    return names;
}

QStringList createStatements() {
    const QString quizz =
        textColumns({Field::Question, Field::Reponse1, Field::Reponse2, Field::Reponse3}) +
        QStringLiteral(", ") + numberColumns({Field::Valide1, Field::Valide2, Field::Valide3});
    const QString lexicon = textColumns({Field::Origine, Field::Traduction});
    return {
        table(Table::Gestion, textColumns({Field::Nom, Field::Groupe, Field::Motdepasse}) +
                                  QStringLiteral(", ") + numberColumns(scoreFields())),
        table(Table::Imagier, textColumns({Field::Intituler, Field::Langue})),
        table(Table::Compte,
              textColumns({Field::Numero, Field::Textanglais, Field::Indice, Field::Vers})),
        table(Table::Quizz1, quizz),
        table(Table::Quizz2, quizz),
        table(Table::Angfr, lexicon),
        table(Table::Frang, lexicon),
    };
}

} // namespace Schema
