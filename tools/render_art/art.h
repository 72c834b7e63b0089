#pragma once

#include <QImage>
#include <QString>

namespace lumenary::tools
{

// A soap film on a wire ring, 200 x 159, coloured by thin-film interference.
QImage renderSoapFilm();

// Rays of several colours refracted into a round water drop and reflected off its back, 253 x 214.
QImage renderDrop();

// White light dispersed into a spectrum by a glass prism, 320 x 194.
QImage renderSpectrum();

// The program's icon, a magnifying glass over a page, at 32 x 32 in the sixteen-colour palette.
QImage renderIconSmall();

// The same icon drawn smoothly at any size.
QImage renderIcon(int size);

// The same icon as an SVG document.
QString iconSvg();

// A yellow crescent moon with small stars on light grey, 32 x 32.
QImage renderMoon();

// A striped black-and-white fish on light cyan, 32 x 32.
QImage renderFish();

} // namespace lumenary::tools
