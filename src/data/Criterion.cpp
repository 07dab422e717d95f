#include "data/Criterion.h"

#include "data/TextFold.h"

namespace {

bool isText(const QVariant& value) {
    return value.typeId() == QMetaType::QString;
}

QString termCondition(const Criterion::Term& term) {
    const QString field = quotedIdentifier(term.field);
    const QString folded = QStringLiteral("brindel_fold(%1)").arg(field);
    switch (term.comparison) {
    case Criterion::Comparison::Equals:
        return isText(term.value) ? folded + QStringLiteral(" = ?")
                                  : field + QStringLiteral(" = ?");
    case Criterion::Comparison::NotEquals:
        return isText(term.value) ? folded + QStringLiteral(" IS NOT ?")
                                  : field + QStringLiteral(" IS NOT ?");
    case Criterion::Comparison::StartsWith:
        // instr() compares characters exactly: no pattern character has a meaning.
        return QStringLiteral("instr(%1, ?) = 1").arg(folded);
    }
    return {};
}

QVariant boundValue(const Criterion::Term& term) {
    return isText(term.value) ? QVariant(foldCase(term.value.toString())) : term.value;
}

} // namespace

QString quotedIdentifier(const QString& name) {
    QString escaped = name;
    escaped.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

Criterion Criterion::equals(const QString& field, const QVariant& value) {
    return Criterion(Term{field, Comparison::Equals, value});
}

Criterion Criterion::notEquals(const QString& field, const QVariant& value) {
    return Criterion(Term{field, Comparison::NotEquals, value});
}

Criterion Criterion::startsWith(const QString& field, const QString& text) {
    return Criterion(Term{field, Comparison::StartsWith, QVariant(text)});
}

Criterion Criterion::operator&&(const Criterion& other) const {
    Criterion both = *this;
    both.terms_ << other.terms_;
    return both;
}

QStringList Criterion::fields() const {
    QStringList names;
    for (const Term& term : terms_)
        names << term.field;
    return names;
}

QString Criterion::whereClause() const {
    QStringList conditions;
    for (const Term& term : terms_)
        conditions << QLatin1Char('(') + termCondition(term) + QLatin1Char(')');
    return conditions.join(QStringLiteral(" AND "));
}

QVariantList Criterion::boundValues() const {
    QVariantList values;
    for (const Term& term : terms_)
        values << boundValue(term);
    return values;
}
