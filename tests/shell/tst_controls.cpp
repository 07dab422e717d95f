#include "shell/controls/FXHotspotPicture.h"
#include "shell/controls/FXLabel.h"
#include "shell/controls/FXShape.h"
#include "shell/controls/FXSnd.h"
#include "shell/controls/FXVid.h"
#include "support/FakeAudio.h"
#include "support/MediaWriters.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QPainter>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    QFile file(dir.filePath(name));
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return file.fileName();
}

QImage solid(QSize size, QColor colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

bool near(const QColor& a, const QColor& b) {
    return qAbs(a.red() - b.red()) < 16 && qAbs(a.green() - b.green()) < 16 &&
           qAbs(a.blue() - b.blue()) < 16;
}

QList<int> ints(const QSignalSpy& spy, int argument = 0) {
    QList<int> values;
    for (const auto& call : spy)
        values << call.at(argument).toInt();
    return values;
}

QByteArray aviOf(const QList<QColor>& colours, QSize size, quint32 microsPerFrame) {
    MediaWriters::AviOptions options;
    options.microsPerFrame = microsPerFrame;
    return MediaWriters::mjpegAvi(colours, size, options);
}

void playRange(FXVid& video, int from, int to) {
    video.setStartFrame(from);
    video.setEndFrame(to);
    video.setCommand(FXVid::PlayRange);
}
QImage scene(QSize size) {
    QImage image = solid(size, QColor(0x87, 0xCE, 0xEB));
    QPainter painter(&image);
    painter.setBrush(QColor(0xFF, 0xD7, 0x00));
    painter.drawEllipse(20, 20, 60, 60);
    painter.setBrush(QColor(0xB2, 0x22, 0x22));
    painter.drawRect(150, 80, 80, 60);
    return image;
}
} // namespace

class TestControls : public QObject {
    Q_OBJECT

private slots:
    // ---- gallery ----
    // Draws every control in each of its looks into the gallery picture (BRINDEL_GALLERY).
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
    // ---- shaped button ----
    // Only the left button shows the pressed look, until its release wherever that happens;
    // only a left release over the button clicks, and the look is gone by the click.
    void pressedLookLastsUntilTheReleaseAndOnlyALeftReleaseInsideClicks() {
        struct Case {
            Qt::MouseButton mouse;
            Qt::KeyboardModifiers keys;
            QPoint releaseAt;
            QList<QVariant> press; // index, button, shift, x and y in twips
            QList<int> clicked;
        };
        for (const Case& c :
             {Case{Qt::LeftButton, Qt::ShiftModifier, {10, 20}, {3, 1, 1, 150, 300}, {3}},
              Case{Qt::LeftButton, {}, {300, 20}, {3, 1, 0, 150, 300}, {}},
              Case{Qt::RightButton, {}, {10, 20}, {3, 2, 0, 150, 300}, {}}}) {
            const bool left = c.mouse == Qt::LeftButton;
            FXShape button(QStringLiteral("Commande"), 3);
            button.resize(120, 40);
            button.setColor(0xFFFF00);
            button.show();
            const QImage raised = button.grab().toImage();
            QSignalSpy presses(&button, &FXShape::pressed);
            QSignalSpy releases(&button, &FXShape::released);
            QSignalSpy clicks(&button, &FXShape::clicked);
            QList<bool> looksAtClick;
            connect(&button, &FXShape::clicked, this,
                    [&] { looksAtClick << button.isPressedLook(); });
            // The window may deepen the pressed look in its press handler.
            connect(&button, &FXShape::pressed, this, [&](int, int mouse) {
                if (mouse == 1)
                    button.setPressedLook(FXShape::DeepDepth);
            });
            QTest::mousePress(&button, c.mouse, c.keys, QPoint(10, 20));
            QCOMPARE(button.pressedDepth(), left ? FXShape::DeepDepth : 0);
            QCOMPARE(button.grab().toImage() != raised, left); // the user sees it
            QCOMPARE(presses, QList<QList<QVariant>>{c.press});
            QTest::mouseRelease(&button, c.mouse, c.keys, c.releaseAt);
            QCOMPARE(releases.count(), 1);
            QCOMPARE(ints(clicks), c.clicked);
            QCOMPARE(looksAtClick, QList<bool>(c.clicked.size(), false));
            QVERIFY(!button.isPressedLook());
            QCOMPARE(button.grab().toImage(), raised);
        }
    }

    // ---- hotspot picture ----
    // The shapes themselves are the hotspot map test's; here the picture scales the pointer and
    // the highlight to them (by a declared size when the file gives one), a missing file leaves
    // it without hotspots, and a release reports the hotspot under the pointer and the button.
    void hotspotUnderThePointerFollowsTheScaledPicture() {
        QTemporaryDir dir;
        FXHotspotPicture picture(QStringLiteral("FXShape1"));
        QCOMPARE(picture.highlightIndex(), FXHotspotPicture::NoHighlight);
        QCOMPARE(picture.highlightStrength(), 0);
        picture.resize(200, 100);
        picture.setPicture(solid({400, 200}, Qt::blue)); // shown at half size
        picture.setHotspotFile(writeFile(dir, QStringLiteral("Son3.hsp"),
                                         "0 rect 0 0 100 100\n11 ellipse 200 0 200 200\n"));
        picture.show();
        QSignalSpy moves(&picture, &FXHotspotPicture::moved);
        QTest::mouseMove(&picture, QPoint(25, 25));
        QCOMPARE(picture.hotspotIndex(), 0);
        QVERIFY(picture.onActiveHotspot());
        QTest::mouseMove(&picture, QPoint(150, 50));
        QCOMPARE(picture.hotspotIndex(), 11);
        QTest::mouseMove(&picture, QPoint(90, 90));
        QCOMPARE(picture.hotspotIndex(), -1);
        QCOMPARE(moves.last().at(2).toInt(), 90 * 15);
        QCOMPARE(picture.indexAt({105, 50}), 11);
        picture.setHotspotFile(writeFile(dir, QStringLiteral("Son3.hsp"), "0 rect 0 0 9 9\n"));
        QCOMPARE(picture.indexAt({2, 2}), 0); // the file is read again, not remembered
        picture.setHotspotFile(dir.filePath(QStringLiteral("absent.hsp")));
        QVERIFY(picture.hotspots().empty());
        QCOMPARE(picture.indexAt({2, 2}), -1);

        picture.setHotspots(HotspotMap::parse("size 40 20\n4 rect 10 10 10 10\n5 rect 0 0 5 5\n"));
        QCOMPARE(picture.indexAt({45, 75}), -1); // 5 px each
        QSignalSpy releases(&picture, &FXHotspotPicture::released);
        QTest::mouseClick(&picture, Qt::RightButton, {}, QPoint(75, 75));
        QCOMPARE(picture.hotspotIndex(), 4);
        QCOMPARE(ints(releases), QList<int>{2});

        // The highlight shows inside its shape only, scaled the same way.
        picture.setHighlightPicture(solid({400, 200}, Qt::red));
        picture.setHighlightIndex(4);
        picture.setHighlightStrength(FXHotspotPicture::HighlightOn);
        QVERIFY(near(picture.grab().toImage().pixelColor(75, 75), Qt::red));
        QVERIFY(near(picture.grab().toImage().pixelColor(10, 10), Qt::blue)); // shape 5
        picture.setHighlightStrength(0);
        QVERIFY(near(picture.grab().toImage().pixelColor(75, 75), Qt::blue));

        // A label is transparent over the picture until told otherwise (its clicks and moves
        // are the about box test's links).
        auto* label = new FXLabel(QStringLiteral("Etiquette"), 1, &picture);
        label->setGeometry(50, 0, 50, 20);
        label->setCaption(QStringLiteral("Brindel"));
        label->show();
        QVERIFY(near(picture.grab().toImage().pixelColor(52, 2), Qt::blue));
        label->setTransparent(false);
        label->setBackColor(0xFF00); // green
        QVERIFY(near(picture.grab().toImage().pixelColor(52, 2), Qt::green));
    }

    // ---- sound player ----
    void soundPlayerPlaysStopsAndReportsTheEnd() {
        auto owned = std::make_unique<FakeAudioChannel>();
        FakeAudioChannel* channel = owned.get();
        FXSnd sound(QStringLiteral("Sonore1"), std::move(owned));
        QSignalSpy ends(&sound, &FXSnd::playEnded);
        sound.setFileName(QStringLiteral("/prog/mcison/son9.wav"));
        sound.setCommand(FXSnd::Reset);
        QCOMPARE(channel->played.size(), 0);
        sound.setCommand(FXSnd::Play);
        QCOMPARE(channel->played.size(), 1);
        QCOMPARE(channel->played.first().file, QStringLiteral("/prog/mcison/son9.wav"));
        QVERIFY(sound.isPlaying());
        channel->finishNow();
        QCOMPARE(ends.count(), 1);
        sound.setCommand(FXSnd::Play);
        sound.setCommand(FXSnd::StopAndClose);
        QVERIFY(!sound.isPlaying());
        sound.setVolume(90000);
        QCOMPARE(sound.volume(), 65000);
        sound.setVolume(32500);
        QCOMPARE(channel->volumeValue, 32500);
    }

    // ---- video player ----
    // A range plays exactly its frames then reports the end. Leaving stops the video with no
    // end reported, and a right press on it is reported. A file that cannot be read (what the
    // reader refuses is the AVI reader test's) leaves the control empty, and its play ends at
    // once.
    void videoRangePlaysItsFramesLeavingEndsNothingAndAnUnreadableVideoEndsAtOnce() {
        QTemporaryDir dir;
        FXVid video(QStringLiteral("FXVid1"));
        video.resize(64, 48);
        const auto open = [&](const QByteArray& avi) {
            video.setFileName(writeFile(dir, QStringLiteral("Prof.Avi"), avi));
            video.setCommand(FXVid::Open);
        };
        const auto colours = MediaWriters::frameColours(8);
        open(aviOf(colours, {32, 24}, 2000));
        QCOMPARE(video.frameCount(), 8);
        QCOMPARE(video.currentFrame(), 0); // the opened video shows its first frame
        QSignalSpy frames(&video, &FXVid::frameShown);
        QSignalSpy ends(&video, &FXVid::playEnded);
        playRange(video, 2, 5);
        QTRY_COMPARE(ends.count(), 1);
        QCOMPARE(ints(frames), (QList<int>{2, 3, 4, 5}));
        QVERIFY(near(video.currentImage().pixelColor(16, 12), colours[5]));
        QVERIFY(!video.isPlaying());

        open(aviOf(MediaWriters::frameColours(4), {8, 8}, 1000000));
        QSignalSpy presses(&video, &FXVid::pressed);
        playRange(video, 0, 3);
        QVERIFY(video.isPlaying());
        QTest::mousePress(&video, Qt::RightButton, {}, QPoint(4, 4));
        QCOMPARE(ints(presses), QList<int>{2});
        video.setCommand(FXVid::Leave);
        QVERIFY(!video.isPlaying());
        QCoreApplication::processEvents();
        QCOMPARE(ends.count(), 1);

        open(QByteArray(5000, '\xff'));
        QCOMPARE(video.frameCount(), 0);
        QVERIFY(video.currentImage().isNull());
        playRange(video, 0, 14);
        QCOMPARE(ends.count(), 1);
        QCoreApplication::processEvents();
        QCOMPARE(ends.count(), 2);
    }
};

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
