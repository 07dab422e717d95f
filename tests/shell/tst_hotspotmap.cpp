#include "shell/controls/HotspotMap.h"

#include <QtTest>

class TestHotspotMap : public QObject {
    Q_OBJECT

private slots:
    // Each shape answers with its index, nothing outside; the first listed shape wins where
    // shapes overlap, and several shapes may make one hotspot. The file may start with a byte
    // order mark and a size line and have Windows line ends.
    void shapesAnswerWithTheirIndexAndNothingOutside() {
        const HotspotMap map =
            HotspotMap::parse("\xEF\xBB\xBF# exercise picture\r\n"
                              "size 640 480\r\n"
                              "\n"
                              "3 rect 10 20 30 40\r\n"
                              "7 ellipse 100 100 40 20\n"
                              "12 poly 200 0 240 40 200 40\n"
                              "2 rect 300 0 50 50\n5 rect 325 25 50 50\n2 rect 390 90 10 10\n");
        QVERIFY(map.error().empty());
        QCOMPARE(map.shapes().size(), std::size_t(6));
        QCOMPARE(map.declaredSize().value_or(HotspotMap::Size{}).width, 640);
        QCOMPARE(map.declaredSize()->height, 480);
        const struct {
            double x, y;
            int index;
        } points[] = {
            {10, 20, 3},   {39.5, 59.5, 3}, // top-left corner and last pixel inside
            {40, 60, -1},                   // one past the corner is outside
            {120, 110, 7}, {101, 101, -1},  // centre of the ellipse, corner of its box
            {205, 35, 12}, {235, 5, -1},    // inside the triangle, beside the hypotenuse
            {330, 30, 2},  {360, 60, 5},    {395, 95, 2}, {385, 85, -1}, {500, 500, -1},
        };
        for (const auto& p : points)
            QCOMPARE(map.indexAt(p.x, p.y), p.index);
    }

    // Any line not understood gives an empty map that says why; so does an oversized file.
    void anyLineNotUnderstoodGivesAnEmptyMap() {
        const QByteArray texts[] = {
            QByteArray("1 rect 0 0 5 5\n2 circle 0 0 5\n"),    // unknown shape
            QByteArray("100 rect 0 0 5 5\n"),                  // index above 99
            QByteArray("-1 rect 0 0 5 5\n"),                   // negative index
            QByteArray("1 rect 0 0 5\n"),                      // missing number
            QByteArray("1 rect 0 0 5 5 5\n"),                  // extra number
            QByteArray("1 rect 0 0 0 5\n"),                    // empty rectangle
            QByteArray("1 poly 0 0 5 5\n"),                    // two-point polygon
            QByteArray("1 poly 0 0 5 5 9 9 1\n"),              // odd polygon
            QByteArray("1 rect 0 0 99999999999999999999 5\n"), // huge number
            QByteArray("1 rect 0x10 0 5 5\n"),                 // letters in number
            QByteArray("1 rect 0 0 5 5\nsize 10 10\n"),        // size not first
            QByteArray("size 0 10\n"),                         // zero size
            QByteArray("1 rect 0 0 5 5\n2 ell"),               // truncated last line
            QByteArray("\x00\x01\xff rect", 8),                // binary
            QByteArray(HotspotMap::MaxFileBytes + 1, '\n'),
        };
        for (const QByteArray& text : texts) {
            const HotspotMap map =
                HotspotMap::parse(std::string_view(text.constData(), text.size()));
            QVERIFY2(map.empty(), text.left(40).constData());
            QVERIFY(!map.error().empty());
            QCOMPARE(map.indexAt(1, 1), -1);
        }
        const HotspotMap empty = HotspotMap::parse("# nothing yet\n\n");
        QVERIFY(empty.empty() && empty.error().empty());
    }
};

QTEST_GUILESS_MAIN(TestHotspotMap)
#include "tst_hotspotmap.moc"
