#include "shell/General.h"

QString Général::FiltrerTouche(int& codeTouche) {
    constexpr int DoubleQuote = 34;
    constexpr int OpeningGuillemet = 171;
    constexpr int ClosingGuillemet = 187;
    if (codeTouche == DoubleQuote) {
        codeTouche = GuillemetOuvert ? ClosingGuillemet : OpeningGuillemet;
        GuillemetOuvert = !GuillemetOuvert;
    }
    return QString::number(codeTouche);
}
