#include "activities/Exercices.h"

#include "data/Schema.h"

#include <array>

namespace Exercices {
namespace {

struct Ligne {
    int hotspot;
    const char* titre;
    const char* colonne;
    int numero;
};

// Note the crossed numbers: "L'heure" is exercise 11 and "Le corps humain" 12, "L'Europe" 13
// and "Le calendrier" 14. Hotspot 10 is the control's "no highlight" value, never an exercise.
constexpr std::array<Ligne, 12> Themes{{{0, "Mes activités", "Activite", 1},
                                        {1, "Le sport", "Sport", 2},
                                        {2, "La musique", "Musique", 3},
                                        {3, "Les métiers", "Metier", 4},
                                        {4, "L'alimentation", "Aliment", 5},
                                        {5, "Les boissons", "Boisson", 6},
                                        {6, "La maison", "Maison", 7},
                                        {7, "Les meubles", "Meuble", 8},
                                        {8, "La famille", "Famille", 9},
                                        {9, "L'école", "Ecole", 10},
                                        {11, "Le corps humain", "Corps", 12},
                                        {12, "L'heure", "Heure", 11}}};

constexpr std::array<Ligne, 6> Listes{{{0, "Le calendrier", "Calend", 14},
                                       {1, "L'Europe", "Capitale", 13},
                                       {2, "Les couleurs", "Couleur", 15},
                                       {3, "Les nombres", "Nombre", 16},
                                       {4, "Opposition 1", "Opposit1", 17},
                                       {5, "Opposition 2", "Opposit2", 18}}};

template <size_t N>
std::optional<Exercice> chercher(const std::array<Ligne, N>& lignes, int hotspot) {
    for (const Ligne& ligne : lignes)
        if (ligne.hotspot == hotspot)
            return Exercice{QString::fromUtf8(ligne.titre), QString::fromLatin1(ligne.colonne),
                            ligne.numero, ligne.numero == 17 || ligne.numero == 18};
    return std::nullopt;
}

// Families 2..5: ten numbered exercises each.
std::optional<Exercice> numerotes(int famille, int hotspot) {
    if (hotspot < 0 || hotspot > 9)
        return std::nullopt;
    struct Serie {
        const char* titre;
        const char* colonne;
        int premier;
    };
    static constexpr std::array<Serie, 4> series{{{"Repère", "Son", 19},
                                                  {"Distingue", "Texte", 29},
                                                  {"Ecris", "Dictee", 39},
                                                  {"Comptine", "Comptine", 49}}};
    const Serie& serie = series.at(size_t(famille - FamilleRepere));
    const QString rang = QString::number(hotspot + 1);
    return Exercice{QString::fromUtf8(serie.titre) + u' ' + rang,
                    QString::fromLatin1(serie.colonne) + rang, serie.premier + hotspot, false};
}

} // namespace

std::optional<Exercice> choisir(int famille, int hotspot) {
    switch (famille) {
    case FamilleTheme:
        return chercher(Themes, hotspot);
    case FamilleListe:
        return chercher(Listes, hotspot);
    case FamilleRepere:
    case FamilleDistingue:
    case FamilleEcris:
    case FamilleComptine:
        return numerotes(famille, hotspot);
    default:
        return std::nullopt;
    }
}

QString tableDeFamille(int famille) {
    switch (famille) {
    case FamilleTheme:
    case FamilleListe:
        return Schema::Table::Imagier;
    case FamilleDistingue:
    case FamilleEcris:
    case FamilleComptine:
        return Schema::Table::Compte;
    default:
        return {};
    }
}

} // namespace Exercices
