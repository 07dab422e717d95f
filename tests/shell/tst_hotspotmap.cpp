#include "shell/controls/HotspotMap.h"

#include <QtTest>
#include <random>

namespace {
HotspotMap parse(const char* text) {
    return HotspotMap::parse(text);
}
} // namespace

class TestHotspotMap : public QObject {
    Q_OBJECT

private slots:
    void shapesAnswerWithTheirIndexAndNothingOutside() {
        const HotspotMap map = parse("# exercise picture\n"
                                     "\n"
                                     "3 rect 10 20 30 40\n"
                                     "7 ellipse 100 100 40 20\n"
                                     "12 poly 200 0 240 40 200 40\n");
        QVERIFY(map.error().empty());
        QCOMPARE(map.shapes().size(), std::size_t(3));
        QCOMPARE(map.indexAt(10, 20), 3);     // top-left corner is inside
        QCOMPARE(map.indexAt(39.5, 59.5), 3); // last pixel inside
        QCOMPARE(map.indexAt(40, 60), -1);    // one past the corner is outside
        QCOMPARE(map.indexAt(120, 110), 7);   // centre of the ellipse
        QCOMPARE(map.indexAt(101, 101), -1);  // corner of its box, outside the ellipse
        QCOMPARE(map.indexAt(205, 35), 12);   // inside the triangle
        QCOMPARE(map.indexAt(235, 5), -1);    // beside the hypotenuse
        QCOMPARE(map.indexAt(500, 500), -1);
    }

    // The first listed shape wins where shapes overlap; several shapes may make one hotspot.
    void overlappingAndRepeatedIndexes() {
        const HotspotMap map = parse("2 rect 0 0 50 50\n5 rect 25 25 50 50\n2 rect 90 90 10 10\n");
        QCOMPARE(map.indexAt(30, 30), 2);
        QCOMPARE(map.indexAt(60, 60), 5);
        QCOMPARE(map.indexAt(95, 95), 2);
        QCOMPARE(map.indexAt(85, 85), -1);
    }

    void sizeLineAndWindowsLineEndsAndByteOrderMarkAreRead() {
        const HotspotMap map = parse("\xEF\xBB\xBF# made by the generator\r\n"
                                     "size 640 480\r\n"
                                     "0 rect 1 2 3 4\r\n");
        QVERIFY(map.error().empty());
        QVERIFY(map.declaredSize().has_value());
        QCOMPARE(map.declaredSize()->width, 640);
        QCOMPARE(map.declaredSize()->height, 480);
        QCOMPARE(map.indexAt(2, 3), 0);
    }

    void anyLineNotUnderstoodGivesAnEmptyMap_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("unknown shape") << QByteArray("1 rect 0 0 5 5\n2 circle 0 0 5\n");
        QTest::newRow("index above 99") << QByteArray("100 rect 0 0 5 5\n");
        QTest::newRow("negative index") << QByteArray("-1 rect 0 0 5 5\n");
        QTest::newRow("missing number") << QByteArray("1 rect 0 0 5\n");
        QTest::newRow("extra number") << QByteArray("1 rect 0 0 5 5 5\n");
        QTest::newRow("empty rectangle") << QByteArray("1 rect 0 0 0 5\n");
        QTest::newRow("two-point polygon") << QByteArray("1 poly 0 0 5 5\n");
        QTest::newRow("odd polygon") << QByteArray("1 poly 0 0 5 5 9 9 1\n");
        QTest::newRow("huge number") << QByteArray("1 rect 0 0 99999999999999999999 5\n");
        QTest::newRow("letters in number") << QByteArray("1 rect 0x10 0 5 5\n");
        QTest::newRow("size not first") << QByteArray("1 rect 0 0 5 5\nsize 10 10\n");
        QTest::newRow("zero size") << QByteArray("size 0 10\n");
        QTest::newRow("truncated last line") << QByteArray("1 rect 0 0 5 5\n2 ell");
        QTest::newRow("binary") << QByteArray("\x00\x01\xff rect", 8);
    }
    void anyLineNotUnderstoodGivesAnEmptyMap() {
        QFETCH(QByteArray, text);
        const HotspotMap map = HotspotMap::parse(std::string_view(text.constData(), text.size()));
        QVERIFY(map.empty());
        QVERIFY(!map.error().empty());
        QCOMPARE(map.indexAt(1, 1), -1);
    }

    void emptyFileGivesNoHotspotAndNoErrorButAnOversizedOneIsRefused() {
        const HotspotMap empty = parse("# nothing yet\n\n");
        QVERIFY(empty.empty());
        QVERIFY(empty.error().empty());
        const HotspotMap oversized =
            HotspotMap::parse(std::string(HotspotMap::MaxFileBytes + 1, '\n'));
        QVERIFY(oversized.empty());
        QVERIFY(!oversized.error().empty());
    }

    void randomBytesNeverBreakTheReader() {
        std::mt19937 random(7);
        const std::string alphabet = "0123456789 -\n#rectpolyellipsesize\t\r";
        for (int round = 0; round < 2000; ++round) {
            std::string text(random() % 200, ' ');
            for (char& c : text)
                c = alphabet[random() % alphabet.size()];
            const HotspotMap map = HotspotMap::parse(text);
            for (const auto& shape : map.shapes())
                QVERIFY(shape.index >= 0 && shape.index <= HotspotMap::MaxIndex);
            map.indexAt(random() % 300, random() % 300);
        }
    }
};

QTEST_GUILESS_MAIN(TestHotspotMap)
#include "tst_hotspotmap.moc"
