// Makes the two clips the reflection-and-refraction lab plays, into a folder (normally assets):
//   make_clips OUTPUT_FOLDER
// Each clip shows a beam of plane waves meeting a boundary, with Huygens' wavelets and the
// beam's rays. The frames cover a whole number of wave periods, so the clips loop seamlessly.
#include "clip_painter.h"
#include "ffmpeg_encoder.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

namespace
{

constexpr int kFramesPerSecond = 25;
constexpr int kFramesPerPeriod = 30;
constexpr int kPeriods = 4;

using lumenary::tools::ClipPainter;
using lumenary::tools::ClipText;
using lumenary::tools::WaveSetup;

WaveSetup reflection()
{
    WaveSetup s;
    s.mirror = true;
    s.incidenceDeg = 40.0;
    s.wavelength = 28.0;
    s.beamWidth = 120.0;
    s.hitX = 10.0;
    s.left = -200;
    s.right = 200;
    s.bottom = -40;
    s.top = 260;
    s.waveletReach = 2.0;
    s.waveletSources = 6;
    return s;
}

WaveSetup refraction()
{
    WaveSetup s;
    s.mirror = false;
    s.incidenceDeg = 48.0;
    s.wavelength = 30.0;
    s.n1 = 1.0;
    s.n2 = 1.5;
    s.beamWidth = 110.0;
    s.hitX = -25.0;
    s.left = -200;
    s.right = 200;
    s.bottom = -150;
    s.top = 150;
    s.waveletReach = 2.0;
    s.waveletSources = 6;
    return s;
}

bool makeClip(const QString& path, const WaveSetup& setup, const ClipText& text)
{
    const ClipPainter painter(setup, text);
    lumenary::tools::FfmpegEncoder encoder(path, painter.size(), kFramesPerSecond);
    for (int i = 0; i < kFramesPerPeriod * kPeriods && encoder.ok(); ++i)
        encoder.add(painter.frame(static_cast<double>(i) / kFramesPerPeriod));
    const bool ok = encoder.finish();
    if (!ok)
        std::fprintf(stderr, "make_clips: ffmpeg could not write %s: %s\n", qPrintable(path),
                     qPrintable(encoder.diagnostics()));
    else
        std::printf("%s\n", qPrintable(path));
    return ok;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: make_clips OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir folder(args.at(1));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "make_clips: cannot create %s\n", qPrintable(args.at(1)));
        return 1;
    }
    const ClipText reflect{QStringLiteral("Reflection: angle of incidence = angle of reflection"),
                           QStringLiteral("air"), QStringLiteral("mirror"), QStringLiteral("i"),
                           QStringLiteral("r")};
    const ClipText refract{
        QStringLiteral("Refraction: n\u2081 sin \u03b8\u2081 = n\u2082 sin \u03b8\u2082"),
        QStringLiteral("air, n\u2081 = 1.00"), QStringLiteral("glass, n\u2082 = 1.50"),
        QStringLiteral("\u03b8\u2081"), QStringLiteral("\u03b8\u2082")};
    bool ok = makeClip(folder.filePath(QStringLiteral("Reflct1.avi")), reflection(), reflect);
    ok = makeClip(folder.filePath(QStringLiteral("Refract2.avi")), refraction(), refract) && ok;
    return ok ? 0 : 1;
}
