// Checks the generated program folder: every picture exercise has its word list, a spoken file
// in the right format for every key, its picture, highlight picture and hotspot file whose
// hotspots match the word buttons and can all be reached; the menus, backgrounds, results,
// rewards, puzzles and the teacher animation are there and readable.
#include "ContentFiles.h"
#include "shell/controls/HotspotMap.h"
#include "shell/controls/MjpegAvi.h"

#include <QImage>
#include <QSet>
#include <QtTest>

namespace {

const QString ProgramDir = QStringLiteral(BRINDEL_PROGRAM_DIR);
const QString ContentDir = QStringLiteral(BRINDEL_CONTENT_DIR);

const QStringList Themes = {"Activite", "Sport",  "Musique", "Metier", "Aliment", "Boisson",
                            "Maison",   "Meuble", "Famille", "Ecole",  "Heure",   "Corps"};
const QStringList Listes = {"Capitale", "Calend", "Couleur", "Nombre"};

QSet<int> range(int from, int to) {
    QSet<int> set;
    for (int i = from; i <= to; ++i)
        set.insert(i);
    return set;
}

QString media(const QString& relative) {
    return ProgramDir + u'/' + relative;
}

} // namespace

class TestContentPictures : public QObject {
    Q_OBJECT

    // Picture Bitmap/NAME.Jpg, highlight picture Bitmap/HNAME.Jpg and hotspot file agree in
    // size; the hotspots are exactly the expected indexes, lie on the picture and each can be
    // reached by the mouse.
    void checkHotspotPicture(const QString& name, const QString& hotspots,
                             const QSet<int>& expected) {
        const QImage image(media(QStringLiteral("Bitmap/") + name + QStringLiteral(".Jpg")));
        const QImage lit(media(QStringLiteral("Bitmap/H") + name + QStringLiteral(".Jpg")));
        QVERIFY2(!image.isNull() && lit.size() == image.size(), qPrintable(name));
        const QByteArray bytes = TestFiles::read(media(QStringLiteral("Hotspot/") + hotspots));
        const auto map = HotspotMap::parse(std::string_view(bytes.constData(), bytes.size()));
        QVERIFY2(map.error().empty(), qPrintable(hotspots + u' ' + map.error().c_str()));
        QVERIFY2(map.declaredSize(), qPrintable(hotspots + QStringLiteral(" gives no size")));
        QCOMPARE(QSize(map.declaredSize()->width, map.declaredSize()->height), image.size());
        QSet<int> listed, reached;
        for (const HotspotMap::Shape& shape : map.shapes()) {
            listed.insert(shape.index);
            // A box's second corner lies one past its last pixel; a polygon's corners are pixels.
            const int past = shape.kind == HotspotMap::Kind::Polygon ? 0 : 1;
            for (const HotspotMap::Point& p : shape.points)
                QVERIFY2(p.x >= 0 && p.y >= 0 && p.x < image.width() + past &&
                             p.y < image.height() + past,
                         qPrintable(hotspots + QStringLiteral(" shape off the picture")));
        }
        QCOMPARE(listed, expected);
        // Each index wins somewhere on the picture (the first listed shape wins on overlaps).
        for (int y = 0; y < image.height(); y += 2)
            for (int x = 0; x < image.width(); x += 2)
                reached.insert(map.indexAt(x, y));
        reached.remove(-1);
        QCOMPARE(reached, expected);
    }

private slots:
    // Each word-button exercise: its word list has every key, each key is spoken as the
    // program plays it, and the picture's hotspots follow the buttons (the opposites have a
    // second hotspot file over the same picture).
    void wordExercisesHaveTheirWordsSoundsAndHotspots() {
        QList<std::tuple<QString, QString, bool>> exercises{{"Opposit1", "Opposh1", false},
                                                            {"Opposit2", "Opposh2", false}};
        for (const QString& c : Themes + Listes + QStringList{"Opposit1", "Opposit2"})
            exercises.append({c, c, Listes.contains(c)});
        for (const auto& [colonne, hotspots, secondList] : exercises) {
            const QSet<int> indexes = secondList ? range(0, 9) + range(11, 17) : range(0, 9);
            QSet<QString> expected;
            for (int i : indexes)
                expected << QStringLiteral("k%1").arg(i);
            for (int i = 1; secondList && i <= 10; ++i) // the second list's words, k01 to k10
                expected << QStringLiteral("k%1").arg(i, 2, 10, QChar(u'0'));
            QSet<QString> listed;
            for (const QStringList& row : sourceRows(ContentDir + "/words/" + colonne + ".tsv"))
                listed << (row.size() == 2 || row.size() == 3 ? row[0] : QStringLiteral("bad row"));
            QVERIFY2(listed == expected, qPrintable(colonne));
            for (const QString& key : expected)
                expectWave(media("MciLangue/" + colonne + key + ".wav"), 1000);
            checkHotspotPicture(colonne, hotspots + QStringLiteral(".hsp"), indexes);
        }
    }

    // The window pictures load, the exercise lists' hotspots follow the exercise table, the
    // report background holds every bar (right-most: Distingue, 6975 + 135 twips; lowest: top
    // 6510 twips + 240 high) and the puzzles are bitmaps that cut into three by three.
    void windowPicturesLoadAndFitTheirWindows() {
        checkHotspotPicture("observe", "observe.hsp", range(0, 9) + range(11, 12));
        checkHotspotPicture("comprend", "comprend.hsp", range(0, 5));
        for (const QString list : {"repere", "distingue", "Ecris", "Comptine"})
            checkHotspotPicture(list, list + ".hsp", range(0, 9));
        QStringList names = {"Brin.Jpg",     "fond.jpg",     "Brinobse.Jpg",  "Brincomp.Jpg",
                             "Brinrepe.Jpg", "Brindist.Jpg", "Brinecris.Jpg", "Brincompt.Jpg",
                             "dictee.jpg",   "dictee1.jpg",  "Comptefd.jpg",  "recompen.jpg",
                             "trophee.jpg",  "Coupe.jpg",    "medaille.jpg",  "diplome.jpg"};
        for (int n = 49; n <= 58; ++n)
            names << QStringLiteral("compt1%1.Bmp").arg(n);
        for (const QString& name : names)
            QVERIFY2(!QImage(media(QStringLiteral("Bitmap/") + name)).isNull(), qPrintable(name));
        const QImage report(media(QStringLiteral("Bitmap/Bilan.Jpg")));
        QVERIFY(report.width() >= (6975 + 135) / 15 && report.height() >= (6510 + 240) / 15);
        for (int n = 19; n <= 28; ++n) {
            const QString name = media(QStringLiteral("Bitmap/puzz1%1.Bmp").arg(n));
            const QImage image(name);
            QVERIFY2(TestFiles::read(name).startsWith("BM") && !image.isNull() &&
                         image.width() % 3 == 0 && image.height() % 3 == 0,
                     qPrintable(name));
        }
    }

    // Read as the teacher window reads it; what the reader accepts is tst_mjpegavi's.
    void teacherAnimationHasEveryFramePlayed() {
        const QByteArray avi = TestFiles::read(media(QStringLiteral("Prof.Avi")));
        const MjpegAvi video = MjpegAvi::parse(
            reinterpret_cast<const std::uint8_t*>(avi.constData()), std::size_t(avi.size()));
        QVERIFY2(video.error().empty(), video.error().c_str());
        QVERIFY(video.frameCount() >= 136 && video.width() > 0 && video.height() > 0);
        const auto frame = [&](int i) {
            const MjpegAvi::Frame& f = video.frames().at(std::size_t(i));
            return avi.mid(qsizetype(f.offset), qsizetype(f.size));
        };
        // A range is played up to the first frame of the next one, which stays on screen:
        // after "Bravo !" (14-49) or "Oh non…" (49-84) the teacher is back at rest.
        for (const int boundary : {49, 84, 94, 104})
            QCOMPARE(frame(boundary), frame(14));
        for (const int inside : {13, 15, 48, 50, 83, 85})
            QVERIFY(frame(inside) != frame(14));
        for (const int i : {0, 135, video.frameCount() - 1})
            QCOMPARE(QImage::fromData(frame(i), "JPG").size(),
                     QSize(video.width(), video.height()));
    }
};

QTEST_GUILESS_MAIN(TestContentPictures)
#include "tst_content_pictures.moc"
