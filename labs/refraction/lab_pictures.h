#pragma once

#include <QPixmap>

namespace lumenary {

// The 32 x 32 pictures of the apparent-depth lab, drawn in code.
// A yellow crescent moon with small stars, on the light grey of medium 1.
QPixmap moonPicture();
// A fish striped black and white, on the light cyan of medium 2.
QPixmap fishPicture();

} // namespace lumenary
