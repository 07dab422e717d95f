#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

#include <vector>

// A small writer of motion-JPEG AVI files: RIFF 'AVI ' with the hdrl header list (avih, one
// video stream strl with strh 'vids'/'MJPG' and a BITMAPINFOHEADER strf), the movi list of
// '00dc' frames and the idx1 index. Every frame is a key frame.
namespace Video {
QByteArray motionJpeg(const std::vector<QByteArray>& jpegFrames, const QSize& size,
                      int framesPerSecond);
QByteArray jpeg(const QImage& frame, int quality = 85);

// The teacher of the main window: frame ranges 0-14 greeting, 14-49 pleased, 49-84 sorry then
// encouraging, 84-94 nod, 94-104 pointing, 114-124 wink, 124-135 small wave.
constexpr QSize TeacherSize(160, 200);
constexpr int TeacherFrames = 140;
constexpr int TeacherFramesPerSecond = 12;
QImage teacherFrame(int frame);
} // namespace Video
