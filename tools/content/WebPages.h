#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

// The local web pages of the visit window, \webdoc\Index.htm and the pages it links to: the
// pages come from content/webdoc/*.htm, their pictures (webdoc/images/*.png) are drawn here.
namespace WebPages {

// The names of the drawn pictures, and one of them drawn (a null image for an unknown name).
const QStringList& pictureNames();
QImage picture(const QString& name);

// The targets of the href and src attributes of a page, as written.
QStringList links(const QString& html);

// Copies the pages, draws the pictures, and checks that every link of every page names a file
// of the visit: an outside address, or a page or picture that is not there, stops the build.
bool generate(const QString& contentFolder, const QString& programFolder, QString* error);

} // namespace WebPages
