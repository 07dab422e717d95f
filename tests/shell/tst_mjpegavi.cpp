#include "shell/controls/MjpegAvi.h"
#include "support/MediaWriters.h"

#include <QImage>
#include <QtEndian>
#include <QtTest>

namespace {
MjpegAvi parse(const QByteArray& bytes) {
    return MjpegAvi::parse(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                           std::size_t(bytes.size()));
}

QColor centreColour(const QByteArray& file, const MjpegAvi::Frame& frame) {
    const QImage image = QImage::fromData(
        QByteArrayView(file).sliced(qsizetype(frame.offset), qsizetype(frame.size)), "JPG");
    return image.isNull() ? QColor() : image.pixelColor(image.width() / 2, image.height() / 2);
}

bool near(const QColor& a, const QColor& b) {
    return qAbs(a.red() - b.red()) < 12 && qAbs(a.green() - b.green()) < 12 &&
           qAbs(a.blue() - b.blue()) < 12;
}

void verifyFramesInside(const MjpegAvi& avi, qsizetype size) {
    for (const auto& frame : avi.frames())
        QVERIFY(frame.size > 0 && frame.offset + frame.size <= std::size_t(size));
}
} // namespace

class TestMjpegAvi : public QObject {
    Q_OBJECT

private slots:
    // With and without the idx1 index; an empty frame chunk repeats the previous frame.
    void framesAreFoundInOrderWithTheirRateAndSize() {
        const auto colours = MediaWriters::frameColours(6);
        for (const bool withIndex : {true, false}) {
            MediaWriters::AviOptions options;
            options.microsPerFrame = 66666;
            options.withIndex = withIndex;
            options.emptyFrames = {2};
            const QByteArray file = MediaWriters::mjpegAvi(colours, {32, 24}, options);
            const MjpegAvi avi = parse(file);
            QVERIFY2(avi.error().empty(), avi.error().c_str());
            QCOMPARE(avi.frameCount(), 6);
            QCOMPARE(avi.microsPerFrame(), 66666u);
            QCOMPARE(avi.width(), 32);
            QCOMPARE(avi.height(), 24);
            QCOMPARE(avi.frames()[2].offset, avi.frames()[1].offset);
            for (int i : {0, 1, 3, 4, 5})
                QVERIFY2(near(centreColour(file, avi.frames()[std::size_t(i)]), colours[i]),
                         qPrintable(QString::number(i)));
        }
        MediaWriters::AviOptions noRate;
        noRate.microsPerFrame = 0;
        QCOMPARE(parse(MediaWriters::mjpegAvi(colours, {8, 8}, noRate)).microsPerFrame(),
                 MjpegAvi::DefaultMicrosPerFrame);
    }

    // Every truncation keeps only whole frames inside the file; chunk sizes that lie reach
    // nothing outside it. Other files give no frame and say why: no file, a wave, another
    // codec, a bare header, and lists nested too deeply for the walk (no stack overflow, and no
    // video header).
    void cutLyingOrOtherFilesKeepOnlyWholeFramesInsideTheFileOrSayWhyNone() {
        QByteArray file = MediaWriters::mjpegAvi(MediaWriters::frameColours(3), {8, 8});
        int previous = 0;
        for (qsizetype cut = 0; cut <= file.size(); ++cut) {
            const QByteArray part = file.left(cut);
            const MjpegAvi avi = parse(part);
            verifyFramesInside(avi, part.size());
            QVERIFY(avi.frameCount() >= previous); // more file never gives fewer frames
            previous = avi.frameCount();
        }
        QCOMPARE(previous, 3);
        qToLittleEndian<quint32>(0xFFFFFFF0u, file.data() + file.indexOf("00dc") + 4);
        const MjpegAvi avi = parse(file);
        verifyFramesInside(avi, file.size());
        QCOMPARE(avi.frameCount(), 0);
        qToLittleEndian<quint32>(0xFFFFFFFFu, file.data() + 4); // RIFF size lies too
        verifyFramesInside(parse(file), file.size());

        QByteArray notMotionJpeg = MediaWriters::mjpegAvi(MediaWriters::frameColours(2), {8, 8});
        notMotionJpeg.replace("MJPG", "DIB ");
        const auto list = [](const char* type, const QByteArray& inner) {
            char size[4];
            qToLittleEndian<quint32>(quint32(inner.size() + 4), size);
            return QByteArray("LIST").append(size, 4).append(type).append(inner);
        };
        QByteArray nested = QByteArray("00dc\x02\0\0\0ab", 10);
        for (int depth = 0; depth < 5000; ++depth)
            nested = list("rec ", nested);
        nested = QByteArray("RIFF\0\0\0\0AVI ", 12) + list("movi", nested);
        for (const QByteArray& file : {QByteArray(), MediaWriters::silence(10), notMotionJpeg,
                                       QByteArray("RIFF\x04\0\0\0AVI ", 12), nested}) {
            const MjpegAvi avi = parse(file);
            QVERIFY(avi.empty());
            QVERIFY(!avi.error().empty());
        }
    }
};

QTEST_MAIN(TestMjpegAvi)
#include "tst_mjpegavi.moc"
