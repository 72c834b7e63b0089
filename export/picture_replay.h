#pragma once

#include "picture_record.h"

class QPainter;
class QSizeF;

namespace lumenary
{

// Paints a record's primitives onto painter, each user window mapped onto 0..size, clipped to
// it and culled as the screen culls. Lines and outlines are one unit wide, so they follow the
// painter's scale: an SVG or PDF keeps them as vectors. They fill the pixels the screen fills
// (through pixel centres), and dotted lines have the screen's one-pixel dots, two pixels apart.
void replayRecord(const PictureRecord& record, QPainter& painter, const QSizeF& size);

} // namespace lumenary
