#pragma once

#include <QPoint>
#include <QSize>
#include <QString>

class ScreenInfo;

namespace StartupChecks {
inline const QString ProductTitle = QStringLiteral("VALIMOR Brindel");
inline const QString InstanceQuestion =
    QStringLiteral("Voulez-vous ouvrir une nouvelle instance de VALIMOR Brindel ?");
constexpr int InstanceQuestionFlags = 36; // Yes/No with the question icon
inline const QString FontTitle = QStringLiteral("CD Rom");
constexpr int FontMessageFlags = 64; // information, OK only

// The eight lines telling how to switch the screen to small fonts, joined by line feeds.
QString fontMessage();

// True when the screen's horizontal logical resolution is exactly 96 pixels per inch.
bool PetitesPolices(ScreenInfo& screen);

// Top-left corner of the splash: centred on the screen, 5 pixels left of the centre. The halving
// and the conversion are done in twips with integer division, as the window measures are.
QPoint splashPosition(QSize screenPixels, QSize splashPixels);

// Text shown when the splash picture cannot be read.
QString missingSplashMessage(const QString& path);
} // namespace StartupChecks
