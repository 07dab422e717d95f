#include "shell/controls/FXHotspotPicture.h"
#include "shell/controls/FXLabel.h"
#include "shell/controls/FXShape.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QPainter>
#include <QSet>
#include <QtTest>

namespace {

QImage scene(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(0x87, 0xCE, 0xEB));
    QPainter painter(&image);
    painter.setBrush(QColor(0x3C, 0xB3, 0x71));
    painter.drawRect(0, size.height() * 2 / 3, size.width(), size.height());
    painter.setBrush(QColor(0xFF, 0xD7, 0x00));
    painter.drawEllipse(20, 20, 60, 60);
    painter.setBrush(QColor(0xB2, 0x22, 0x22));
    painter.drawRect(150, 80, 80, 60);
    return image;
}

} // namespace

class TestGallery : public QObject {
    Q_OBJECT

private slots:
    void everyLookIsDrawnIntoTheGallery() {
        QWidget board;
        board.setAutoFillBackground(true);
        board.setPalette(QPalette(QColor(0xF4, 0xEF, 0xE1)));
        auto* grid = new QGridLayout(&board);
        // Idle, lit, muted, restored, pressed, deeply pressed, answered right and wrong, and
        // the other colours of the program's buttons.
        const struct {
            const char* caption;
            unsigned colour;
            int state, depth;
            bool answered;
        } looks[] = {
            {"Studio", 0xFFFF, FXShape::Idle, 0, false},
            {"Score", 0xFFFF, FXShape::Lit, 0, false},
            {"Lexique", 0xE0E0E0, FXShape::Muted, 0, false},
            {"Retour", 0xFFFF, FXShape::Restored, 0, false},
            {"&Suppression", 0xFFFF00, FXShape::Idle, FXShape::NormalDepth, false},
            {"Je veux m'inscrire", 0xFFFFC0, FXShape::Idle, FXShape::DeepDepth, false},
            {"bicycle", 0x8000, FXShape::Idle, 0, true},
            {"football", 0xFF, FXShape::Idle, 0, true},
            {"Vrai", 0xC0C0C0, FXShape::Idle, 0, false},
            {"Action", 0x404000, FXShape::Idle, 0, false},
            {"", 0xFFFF00, FXShape::Idle, 0, false},
        };
        int i = 0;
        for (const auto& look : looks) {
            auto* b = new FXShape(QStringLiteral("Exemple"), i, &board);
            b->setCaption(QString::fromUtf8(look.caption));
            b->setColor(look.colour);
            b->setFixedSize(130, 44);
            b->setEnabled(!look.answered);
            const QImage plain = b->grab().toImage();
            b->setState(look.state);
            if (look.depth)
                b->setPressedLook(look.depth);
            b->setAnswered(look.answered);
            // Each look shows on the button; restored is the idle look back.
            const bool plainState = look.state == FXShape::Idle || look.state == FXShape::Restored;
            QCOMPARE(b->grab().toImage() != plain, !plainState || look.depth || look.answered);
            if (!*look.caption) { // 0xFFFF00 is blue and green: the colour is blue, green, red
                const QColor seen = b->grab().toImage().pixelColor(65, 22);
                QVERIFY(seen.blue() > seen.red() + 60);
            }
            grid->addWidget(b, i / 4, i % 4);
            ++i;
        }

        auto* picture = new FXHotspotPicture(QStringLiteral("FXShape1"), &board);
        picture->setFixedSize(280, 160);
        const QImage drawing = scene({280, 160});
        picture->setPicture(drawing);
        QImage lit = drawing;
        QPainter(&lit).fillRect(lit.rect(), QColor(255, 255, 255, 110));
        picture->setHighlightPicture(lit);
        picture->setHotspots(HotspotMap::parse("0 ellipse 20 20 60 60\n1 rect 150 80 80 60\n"));
        picture->setHighlightIndex(0);
        picture->setHighlightStrength(FXHotspotPicture::HighlightOn);
        grid->addWidget(picture, 3, 0, 1, 2);

        auto* label = new FXLabel(QStringLiteral("Label1"), -1, picture);
        label->setGeometry(140, 10, 130, 30);
        label->setCaption(QStringLiteral("the sun"));
        label->setForeColor(0x800000);
        auto* opaque = new FXLabel(QStringLiteral("Etiquette"), 0, &board);
        opaque->setTransparent(false);
        opaque->setBackColor(0x400000);
        opaque->setForeColor(0xFFFFFF);
        opaque->setCaption(QStringLiteral("Ecoute et observe"));
        opaque->setFixedSize(260, 40);
        grid->addWidget(opaque, 3, 2, 1, 2);

        board.show();
        const QImage image = board.grab().toImage();
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); y += 3)
            for (int x = 0; x < image.width(); x += 3)
                colours.insert(image.pixel(x, y));
        QVERIFY(colours.size() > 50);
        const QString path =
            qEnvironmentVariable("BRINDEL_GALLERY", QStringLiteral("controls.png"));
        QDir().mkpath(QFileInfo(path).absolutePath());
        QVERIFY(image.save(path));
    }
};

QTEST_MAIN(TestGallery)
#include "tst_gallery.moc"
