#pragma once

#include <QString>
#include <optional>

// The exercises of each activity family, as the chooser's list pictures number them.
namespace Exercices {

struct Exercice {
    QString titre;     // title shown in the main window's title label
    QString colonne;   // score column of Gestion, stem of the exercise's media files
    int numero;        // exercise number 1..58
    bool devientTheme; // the Opposition rows of the second list play as theme pictures
};

// The exercise behind hotspot `hotspot` of family `famille`'s list, if there is one.
std::optional<Exercice> choisir(int famille, int hotspot);

// The table the main window's data control works on after a choice in this family: Imagier for
// the word lists (0, 1), Compte for sentences and verses (3, 4, 5); empty to keep the table.
QString tableDeFamille(int famille);

constexpr int FamilleTheme = 0;
constexpr int FamilleListe = 1;
constexpr int FamilleRepere = 2;
constexpr int FamilleDistingue = 3;
constexpr int FamilleEcris = 4;
constexpr int FamilleComptine = 5;
constexpr int FamilleQuizz = 7;

inline bool estImage(int numero) {
    return numero >= 1 && numero <= 18;
}
inline bool estDictee(int numero) {
    return numero >= 19 && numero <= 48;
}
inline bool estComptine(int numero) {
    return numero >= 49 && numero <= 58;
}

} // namespace Exercices
