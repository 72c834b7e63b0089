#include "example_texts.h"

#include <QCoreApplication>

namespace lumenary::bench
{

namespace
{

// The shipped examples' titles (from their file names) and descriptions, word for word as the
// files hold them: the English text is the key its translation is looked up by.
constexpr const char* kExampleTexts[] = {
    QT_TRANSLATE_NOOP("lumenary::bench::Examples", "Achromatic doublet"),
    QT_TRANSLATE_NOOP("lumenary::bench::Examples", "Kepler telescope"),
    QT_TRANSLATE_NOOP("lumenary::bench::Examples", "Optical fibre"),
    QT_TRANSLATE_NOOP("lumenary::bench::Examples", "Parabolic and spherical mirror"),
    QT_TRANSLATE_NOOP("lumenary::bench::Examples", "Prism spectrometer"),
    QT_TRANSLATE_NOOP("lumenary::bench::Examples", "Thick lens camera"),
    QT_TRANSLATE_NOOP("lumenary::bench::Examples", "Water drop"),
    QT_TRANSLATE_NOOP("lumenary::bench::Examples",
                      "An achromatic doublet: a converging lens of crown glass N-BK7 cemented to a "
                      "weaker diverging lens of flint glass F2, which spreads the colours more. "
                      "Their dispersions cancel, so the F (blue) and C (red) lines meet at the "
                      "same focus, about 95.6 mm behind the last surface."),
    QT_TRANSLATE_NOOP("lumenary::bench::Examples",
                      "A Kepler telescope: an objective of 200 mm and an eyepiece of 50 mm focal "
                      "length, 250 mm apart, so that parallel light leaves parallel. A beam tilted "
                      "by 1 degree leaves tilted by about -4 degrees: the angular magnification is "
                      "-200/50 = -4, and the detector sits in the exit pupil."),
    QT_TRANSLATE_NOOP("lumenary::bench::Examples",
                      "An optical fibre: a core of flint glass F2 inside a cladding of crown glass "
                      "N-BK7, in a light-tight jacket. Light that meets the core's wall beyond the "
                      "critical angle (about 69.4 degrees) is totally reflected and guided to the "
                      "far end; steeper light leaks into the cladding and is lost in the jacket. "
                      "The acceptance angle in air is about 34.7 degrees."),
    QT_TRANSLATE_NOOP(
        "lumenary::bench::Examples",
        "Two concave mirrors of the same focal length (50 mm) side by side. The parabolic mirror "
        "above sends every ray parallel to its axis through one point; the spherical mirror below "
        "focuses its edge rays short of its paraxial focus (spherical aberration), so its spot at "
        "the focal plane has a width."),
    QT_TRANSLATE_NOOP(
        "lumenary::bench::Examples",
        "A prism spectrometer: white light enters an equilateral prism of flint glass F2 at the "
        "angle of least deviation for the yellow d line and leaves spread into its colours; violet "
        "is deviated most. The detector reads the direction of every colour."),
    QT_TRANSLATE_NOOP(
        "lumenary::bench::Examples",
        "A camera with one thick biconvex lens of crown glass N-BK7. White light from far away "
        "does not meet in one point: blue focuses nearer the lens than red (chromatic aberration), "
        "and the edge of the lens focuses nearer than its middle (spherical aberration). The "
        "sensor sits at the paraxial focus for the d line."),
    QT_TRANSLATE_NOOP(
        "lumenary::bench::Examples",
        "Sunlight on a drop of water. With Fresnel reflection traced, part of the light is "
        "reflected inside the drop; after one reflection inside it leaves at up to about 42 "
        "degrees from the way back to the sun, red a little further out than violet: the primary "
        "rainbow. The detector catches that light."),
};

} // namespace

QString exampleText(const QString& english)
{
    if (english.isEmpty())
        return english;
    return QCoreApplication::translate("lumenary::bench::Examples", english.toUtf8().constData());
}

QStringList exampleTexts()
{
    QStringList out;
    for (const char* text : kExampleTexts)
        out.append(QString::fromUtf8(text));
    return out;
}

} // namespace lumenary::bench
