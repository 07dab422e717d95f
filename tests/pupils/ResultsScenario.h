#pragma once

#include "data/Schema.h"
#include "pupils/Bilan.h"
#include "pupils/Recompense.h"
#include "shell/Principale.h"
#include "shell/controls/FXShape.h"
#include "support/Scenario.h"

#include <QtTest>
#include <algorithm>

// Shared by the tests of the reward window and the results report.
namespace ResultsScenario {

inline const QString Lea = Partie::Lea;

// Score columns adding up to `sum`, ten to a column in bar order.
inline QVariantMap scoresAddingUpTo(int sum) {
    QVariantMap fields;
    for (const QString& field : Schema::scoreFields()) {
        const int v = std::min(sum, 10);
        fields[field] = v;
        sum -= v;
    }
    return fields;
}

// How far two colours are apart, channel by channel.
inline int distance(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

} // namespace ResultsScenario

// Léa signed in over a fresh copy of the generated database, with the given score columns.
class ScoresPartie {
public:
    explicit ScoresPartie(const QVariantMap& scores,
                          const QString& signedInAs = ResultsScenario::Lea) {
        s.useGeneratedContent(Partie::programDir(),
                              {QStringLiteral("Bitmap"), QStringLiteral("Hotspot")});
        QVariantMap row = scores;
        row[Schema::Field::Nom] = ResultsScenario::Lea;
        row[Schema::Field::Groupe] = QStringLiteral("CE2");
        row[Schema::Field::Motdepasse] = QStringLiteral("abc");
        ok = s.addRow(Schema::Table::Gestion, row);
        main = s.start();
        s->general().NomChoisi = s->general().NomEleve = signedInAs;
    }

    // The child presses "Score" on the main window.
    Recompense* score() {
        QTest::mouseClick(main->bouton(9), Qt::LeftButton);
        return s.form<Recompense>(QStringLiteral("Recompense"));
    }
    template <class T = QWidget> T* control(Form* form, const QString& name) {
        return form ? form->findChild<T*>(name) : nullptr;
    }
    void click(Form* form, const QString& button) { press(control(form, button)); }
    // The report, reached by "Détail".
    Bilan* detail() {
        click(score(), QStringLiteral("Bouton(0)"));
        return s.form<Bilan>(QStringLiteral("Bilan"));
    }
    QString media(const QString& name) const {
        return s.programFolder() + QStringLiteral("/Bitmap/") + name;
    }

    Scenario s;
    Principale* main = nullptr;
    bool ok = false;
};
