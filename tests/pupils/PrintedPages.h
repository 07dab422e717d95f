#pragma once

#include "pupils/ResultsPage.h"

#include <QImage>
#include <QProcess>
#include <QTransform>
#include <algorithm>

// Printed pages read back: a PDF page rendered to pixels with pdftoppm, and where the window's
// face lies on it.
namespace PrintedPages {

// The first page of a PDF file as pixels, upright, or a null image.
inline QImage render(const QString& pdf, const QString& scratch) {
    const QString stem = scratch + QStringLiteral("/page");
    QProcess pdftoppm;
    pdftoppm.start(QStringLiteral("pdftoppm"),
                   {QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-png"),
                    QStringLiteral("-singlefile"), pdf, stem});
    if (!pdftoppm.waitForFinished(60000) || pdftoppm.exitCode() != 0)
        return {};
    const QImage page = QImage(stem + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
    // A landscape page comes out turned a quarter on portrait paper, its top to the left: turn
    // it back upright.
    return page.height() > page.width() ? page.transformed(QTransform().rotate(90)) : page;
}

// Where the picture lies on the rendered paper: the box of everything that is not white.
inline QRect pictureBox(const QImage& paper) {
    int left = paper.width(), top = paper.height(), right = -1, bottom = -1;
    for (int y = 0; y < paper.height(); ++y)
        for (int x = 0; x < paper.width(); ++x) {
            const QRgb p = paper.pixel(x, y);
            if (qRed(p) >= 250 && qGreen(p) >= 250 && qBlue(p) >= 250)
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// A point of the 640 x 480 window face, on the rendered paper.
inline QPoint onPaper(const QRect& box, QPointF face) {
    return {box.x() + int(face.x() * box.width() / PageFace::Size.width()),
            box.y() + int(face.y() * box.height() / PageFace::Size.height())};
}

// The mean colour of a rectangle of an image: the rectangle scaled down smoothly to one pixel.
inline QRgb meanColour(const QImage& image, const QRect& area) {
    return image.copy(area)
        .scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .pixel(0, 0);
}

inline QRect onPaper(const QRect& box, const QRect& face) {
    return QRect(onPaper(box, face.topLeft()), onPaper(box, face.bottomRight()));
}
} // namespace PrintedPages
