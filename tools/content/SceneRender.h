#pragma once

#include "Scenes.h"

#include <QImage>

// Paints an exercise picture from its description. The highlight picture is the same scene,
// brighter, with every hotspot outlined, so that the part the hotspot control copies from it
// lights the object up.
namespace SceneRender {
QImage picture(const Scene& scene);
QImage highlight(const Scene& scene);
// Lightens a picture and outlines the given shapes (shared with the exercise lists).
void lightenAndOutline(QImage& image, const std::vector<HotShape>& shapes);
} // namespace SceneRender
