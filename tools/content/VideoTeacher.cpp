// The teacher animation: a drawn teacher whose pose follows the frame ranges the main window
// plays, and the step that writes it as \Prof.Avi.
#include "ContentCache.h"
#include "Drawings.h"
#include "Emoji.h"
#include "PictureSteps.h"
#include "Video.h"

#include <QPainter>
#include <QPainterPath>
#include <QTextStream>
#include <QtMath>

namespace Video {

namespace {

struct Pose {
    qreal leftArm = 20; // degrees from hanging down, raised outwards
    qreal rightArm = 20;
    qreal smile = 0.5; // -1 sad .. 1 delighted
    qreal bounce = 0;  // pixels up
    qreal tilt = 0;    // head tilt in degrees
    bool leftEyeOpen = true;
    bool rightEyeOpen = true;
    bool stars = false;
    bool thumbUp = false;
    QString bubble;
};

Pose poseAt(int frame) {
    Pose pose;
    const auto phase = [](int f, int from, int to) { return qreal(f - from) / (to - from); };
    // A range is played up to and including the first frame of the next one, which then stays
    // on screen: those frames show the teacher at rest, not the start of another reaction.
    for (const int boundary : {14, 49, 84, 94, 104})
        if (frame == boundary)
            return pose;
    if (frame < 14) { // greeting: waves the right hand
        pose.rightArm = 140 + 25 * std::sin(phase(frame, 0, 14) * 4 * M_PI);
        pose.smile = 0.8;
        pose.bubble = QStringLiteral("Hello!");
    } else if (frame < 49) { // pleased: jumps with both arms up
        const qreal t = phase(frame, 14, 49);
        pose.leftArm = pose.rightArm = 150 + 10 * std::sin(t * 6 * M_PI);
        pose.bounce = std::abs(std::sin(t * 4 * M_PI)) * 12;
        pose.smile = 1;
        pose.stars = true;
        pose.bubble = QStringLiteral("Bravo !");
    } else if (frame < 84) { // sorry, then encouraging with a thumb up
        const qreal t = phase(frame, 49, 84);
        if (t < 0.5) {
            pose.smile = -0.7;
            pose.tilt = -8 * std::sin(t * 2 * M_PI);
            pose.leftArm = pose.rightArm = 8;
            pose.bubble = QStringLiteral("Oh non…");
        } else {
            pose.smile = 0.5;
            pose.rightArm = 95;
            pose.thumbUp = true;
            pose.bubble = QStringLiteral("Essaie encore !");
        }
    } else if (frame < 94) { // nods and blinks
        pose.bounce = -3 * std::sin(phase(frame, 84, 94) * 2 * M_PI);
        pose.leftEyeOpen = pose.rightEyeOpen = frame != 88 && frame != 89;
    } else if (frame < 104) { // points down to the loudspeaker
        pose.rightArm = 60;
        pose.smile = 0.6;
    } else if (frame >= 114 && frame < 124) { // winks
        pose.rightEyeOpen = frame < 117 || frame > 120;
        pose.smile = 0.9;
    } else if (frame >= 124 && frame < 135) { // small wave of the left hand
        pose.leftArm = 120 + 20 * std::sin(phase(frame, 124, 135) * 4 * M_PI);
        pose.smile = 0.7;
    }
    return pose;
}

void arm(QPainter& p, QPointF shoulder, qreal degrees, bool left) {
    const qreal a = qDegreesToRadians(degrees);
    const QPointF direction(left ? -std::sin(a) : std::sin(a), std::cos(a));
    const QPointF hand = shoulder + direction * 46;
    p.setPen(QPen(QColor(0x8a, 0x4c, 0xc0), 12, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(shoulder, hand);
    p.setPen(QPen(QColor(0x7a, 0x4a, 0x20), 1));
    p.setBrush(QColor(0xf6, 0xc8, 0xa0));
    p.drawEllipse(hand, 8, 8);
}

void face(QPainter& p, const Pose& pose) {
    p.setPen(QPen(QColor(0x7a, 0x4a, 0x20), 2));
    p.setBrush(QColor(0x6a, 0x3a, 0x1a));
    p.drawEllipse(QPointF(0, -36), 14, 12); // bun
    p.drawEllipse(QPointF(0, -8), 30, 30);  // hair behind the face
    p.setBrush(QColor(0xf6, 0xc8, 0xa0));
    p.drawEllipse(QPointF(0, 0), 26, 28);
    p.setBrush(QColor(0x6a, 0x3a, 0x1a));
    p.drawChord(QRectF(-27, -29, 54, 34), 0, 180 * 16);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 2));
    p.drawEllipse(QPointF(-10, 0), 8, 7); // glasses
    p.drawEllipse(QPointF(10, 0), 8, 7);
    p.drawLine(QPointF(-2, 0), QPointF(2, 0));
    p.setBrush(QColor(0x20, 0x20, 0x40));
    for (const auto& [x, open] : {std::pair{-10.0, pose.leftEyeOpen}, {10.0, pose.rightEyeOpen}}) {
        if (open)
            p.drawEllipse(QPointF(x, 0), 2.5, 3);
        else
            p.drawLine(QPointF(x - 4, 0), QPointF(x + 4, 0));
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xb0, 0x30, 0x30), 2.5, Qt::SolidLine, Qt::RoundCap));
    QPainterPath mouth;
    mouth.moveTo(-10, 14);
    mouth.quadTo(0, 14 + 10 * pose.smile, 10, 14);
    p.drawPath(mouth);
}

void bubble(QPainter& p, const QString& text) {
    if (text.isEmpty())
        return;
    const QRectF box(4, 4, 152, 30);
    p.setPen(QPen(QColor(0x40, 0x40, 0x60), 1.5));
    p.setBrush(Qt::white);
    p.drawRoundedRect(box, 12, 12);
    p.setFont(Drawings::font(16, true));
    p.setPen(QColor(0x1d, 0x3c, 0x8c));
    p.drawText(box, Qt::AlignCenter, text);
}

} // namespace

QImage teacherFrame(int frame) {
    const Pose pose = poseAt(frame);
    QImage image(TeacherSize, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Drawings::plain(QColor(0xfd, 0xf3, 0xdc), QColor(0xf0, 0xe0, 0xc0))(p, TeacherSize);
    p.fillRect(QRect(0, 178, 160, 22), QColor(0xc9, 0x8f, 0x5a));
    p.translate(80, 100 - pose.bounce);
    p.setPen(QPen(QColor(0x5a, 0x2a, 0x80), 2));
    p.setBrush(QColor(0xa0, 0x60, 0xd8));
    p.drawPolygon(QPolygonF({QPointF(-18, 8), QPointF(18, 8), QPointF(34, 74), QPointF(-34, 74)}));
    p.setBrush(QColor(0x40, 0x30, 0x30));
    p.drawRect(QRectF(-16, 74, 10, 4 + pose.bounce));
    p.drawRect(QRectF(6, 74, 10, 4 + pose.bounce));
    arm(p, QPointF(-16, 14), pose.leftArm, true);
    arm(p, QPointF(16, 14), pose.rightArm, false);
    p.save();
    p.translate(0, -26);
    p.rotate(pose.tilt);
    face(p, pose);
    p.restore();
    p.resetTransform();
    if (pose.stars) {
        const qreal t = frame * 0.5;
        Emoji::draw(p, QRectF(8 + 4 * std::sin(t), 60, 24, 24), QStringLiteral("⭐"));
        Emoji::draw(p, QRectF(128, 70 + 4 * std::cos(t), 24, 24), QStringLiteral("⭐"));
    }
    if (pose.thumbUp)
        Emoji::draw(p, QRectF(118, 70, 34, 34), QStringLiteral("👍"));
    bubble(p, pose.bubble);
    return image;
}

} // namespace Video

namespace PictureSteps {

bool teacherVideo(const QString& programFolder, ContentCache& cache, QTextStream& err) {
    Q_UNUSED(programFolder);
    return produceFile(
        cache, QStringLiteral("Prof.Avi"), QStringLiteral("teacher"),
        [] {
            std::vector<QByteArray> frames;
            for (int i = 0; i < Video::TeacherFrames; ++i)
                frames.push_back(Video::jpeg(Video::teacherFrame(i)));
            return Video::motionJpeg(frames, Video::TeacherSize, Video::TeacherFramesPerSecond);
        },
        err);
}

} // namespace PictureSteps
