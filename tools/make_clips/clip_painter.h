#pragma once

#include "wave_scene.h"

#include <QImage>
#include <QString>

namespace lumenary::tools
{

// The words drawn on a clip.
struct ClipText {
    QString title;    // top left
    QString upper;    // names the upper medium
    QString lower;    // names the lower medium or the mirror
    QString angleIn;  // beside the angle of incidence
    QString angleOut; // beside the angle of reflection or refraction
};

// Draws the frames of one clip: the media, the beam's rays with the normal and the two
// angles, and the moving crests with their Huygens wavelets. One unit of the setup is one pixel;
// the setup's shown rectangle fills the frame.
class ClipPainter
{
public:
    // A painter for a setup whose shown rectangle has whole-pixel sides.
    ClipPainter(const WaveSetup& setup, const ClipText& text);

    // The frame at a phase (in periods of the wave).
    QImage frame(double phase) const;

    // Frame size in pixels.
    QSize size() const { return m_background.size(); }

private:
    QPointF toPixels(Vec2 p) const;
    void paintBackground();
    void paintRaysAndAngles(QImage& image) const;

    WaveSetup m_setup;
    ClipText m_text;
    QImage m_background;
};

} // namespace lumenary::tools
