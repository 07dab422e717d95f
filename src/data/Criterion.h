#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

// A search criterion of a record set: one or more terms "field, comparison, value", all of which
// must hold. Values are always bound as parameters, so any text (quotes, %, _, *) matches itself.
// Texts compare without regard to letter case for the whole of Unicode (see foldCase); numbers
// compare as numbers.
//     rs.findFirst(Criterion::equals(Schema::Field::Nom, name));
//     rs.setFilter(Criterion::startsWith(Schema::Field::Origine, typed));
class Criterion {
public:
    enum class Comparison { Equals, NotEquals, StartsWith };

    struct Term {
        QString field;
        Comparison comparison;
        QVariant value;
    };

    static Criterion equals(const QString& field, const QVariant& value);
    static Criterion notEquals(const QString& field, const QVariant& value);
    // The field's text begins with text, letter case ignored. The empty text matches every row
    // whose field holds a value.
    static Criterion startsWith(const QString& field, const QString& text);

    // A criterion that holds where both this one and other hold.
    Criterion operator&&(const Criterion& other) const;

    const QList<Term>& terms() const { return terms_; }
    QStringList fields() const;

    // The condition in SQL, with one ? per value, and the values to bind in order. Field names
    // are quoted as identifiers; the caller makes sure they name columns of its table.
    QString whereClause() const;
    QVariantList boundValues() const;

private:
    explicit Criterion(Term term) : terms_{std::move(term)} {}

    QList<Term> terms_;
};

// A field name as an SQL identifier, quoted.
QString quotedIdentifier(const QString& name);
