// lumenary-trace: traces an Optical Bench scene file without a window and prints its numbers
// (--json) or draws it (--svg, --png). It paints with QPainter on an image or an SVG generator,
// never text, so it needs no QGuiApplication and no display. Its messages follow the system's
// language; the --json report stays as it is, for programs. See dist/lumenary-trace.1.
#include "language.h"
#include "scene_file.h"
#include "scene_limits.h"
#include "scene_picture.h"
#include "trace_report.h"
#include "tracer.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QString>
#include <QSvgGenerator>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

using namespace lumenary::bench;

namespace
{

constexpr int kBadInput = 2;    // a bad scene or command line
constexpr int kWriteFailed = 1; // a picture could not be written

// The command line's summary, with its line break.
std::string usage()
{
    return QCoreApplication::translate(
               "lumenary::Trace",
               "usage: lumenary-trace SCENE [--json] [--svg FILE] [--png FILE] [--size WxH]")
               .toStdString() +
           '\n';
}

// A message in the running language with its places filled in.
std::string message(const QString& text, const std::string& value)
{
    return text.arg(QString::fromStdString(value)).toStdString();
}

struct Options {
    std::string scene;
    bool json = false;
    std::string svg;
    std::string png;
    int width = 1200;
    int height = 800;
};

std::optional<int> readSide(const std::string& text)
{
    if (text.empty() || text.size() > 5 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const int v = std::stoi(text);
    if (v < 16 || v > 10000)
        return std::nullopt;
    return v;
}

// The options, or a line saying what is wrong with them.
std::optional<Options> parseArguments(const std::vector<std::string>& args, std::string& problem)
{
    Options o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool takesFile = a == "--svg" || a == "--png" || a == "--size";
        if (takesFile && i + 1 >= args.size()) {
            problem =
                message(QCoreApplication::translate("lumenary::Trace", "%1 needs a value"), a);
            return std::nullopt;
        }
        if (a == "--json") {
            o.json = true;
        } else if (a == "--svg") {
            o.svg = args[++i];
        } else if (a == "--png") {
            o.png = args[++i];
        } else if (a == "--size") {
            const std::string& v = args[++i];
            const auto x = v.find('x');
            const auto w = x == std::string::npos ? std::nullopt : readSide(v.substr(0, x));
            const auto h = x == std::string::npos ? std::nullopt : readSide(v.substr(x + 1));
            if (!w || !h) {
                problem =
                    message(QCoreApplication::translate(
                                "lumenary::Trace",
                                "--size takes WIDTHxHEIGHT in pixels, each from 16 to 10000: %1"),
                            v);
                return std::nullopt;
            }
            o.width = *w;
            o.height = *h;
        } else if (a.size() > 1 && a[0] == '-') {
            problem =
                message(QCoreApplication::translate("lumenary::Trace", "unknown option %1"), a);
            return std::nullopt;
        } else if (o.scene.empty()) {
            o.scene = a;
        } else {
            problem = message(
                QCoreApplication::translate("lumenary::Trace", "one scene file at a time: %1"), a);
            return std::nullopt;
        }
    }
    if (o.scene.empty()) {
        problem =
            QCoreApplication::translate("lumenary::Trace", "no scene file given").toStdString();
        return std::nullopt;
    }
    return o;
}

// The file's bytes, at most one more than a scene may hold; nothing (and errno) when it cannot
// be read.
std::optional<std::string> readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string bytes(kMaxFileBytes + 1, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad())
        return std::nullopt;
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

bool writePng(const Options& o, const Tracer& tracer)
{
    QImage image(o.width, o.height, QImage::Format_RGB32);
    if (image.isNull())
        return false;
    {
        QPainter painter(&image);
        const QRectF target(0, 0, o.width, o.height);
        paintScene(painter, target, tracer, fitView(tracer, target.size()));
    }
    QSaveFile file(QString::fromStdString(o.png));
    return file.open(QIODevice::WriteOnly) && image.save(&file, "PNG") && file.commit();
}

bool writeSvg(const Options& o, const Tracer& tracer)
{
    QSaveFile file(QString::fromStdString(o.svg));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(QSize(o.width, o.height));
    svg.setViewBox(QRect(0, 0, o.width, o.height));
    svg.setTitle(QCoreApplication::translate("lumenary::Trace", "Optical Bench scene"));
    svg.setDescription(QString::fromStdString(tracer.scene().description));
    {
        QPainter painter;
        if (!painter.begin(&svg))
            return false;
        const QRectF target(0, 0, o.width, o.height);
        paintScene(painter, target, tracer, fitView(tracer, target.size()));
        painter.end();
    }
    return file.commit();
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    // For the translators only: no event loop, no display.
    QCoreApplication application(argc, argv);
    lumenary::setLanguage(lumenary::systemLanguage());
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        std::cout << usage();
        return 0;
    }
    if (args.size() == 1 && args[0] == "--version") {
        std::cout << "lumenary-trace " << LUMENARY_VERSION << '\n';
        return 0;
    }
    std::string problem;
    const auto options = parseArguments(args, problem);
    if (!options) {
        std::cerr << "lumenary-trace: " << problem << '\n' << usage();
        return kBadInput;
    }
    const Options& o = *options;
    errno = 0;
    const auto bytes = readBytes(o.scene);
    if (!bytes) {
        const QString why = errno ? QString::fromLocal8Bit(std::strerror(errno))
                                  : QCoreApplication::translate("lumenary::Trace", "read error");
        std::cerr << QCoreApplication::translate("lumenary::Trace", "%1: cannot be read: %2")
                         .arg(QString::fromStdString(o.scene), why)
                         .toStdString()
                  << '\n';
        return kBadInput;
    }
    const SceneReading reading = readScene(*bytes);
    if (!reading.scene) {
        std::cerr << errorLine(o.scene, reading.error) << '\n';
        return kBadInput;
    }

    Tracer tracer;
    tracer.setScene(*reading.scene);
    tracer.run();
    if (o.json) {
        std::cout << traceReport(tracer);
    } else if (o.svg.empty() && o.png.empty()) {
        const TraceCounts c = tracer.counts();
        std::cout << QCoreApplication::translate(
                         "lumenary::Trace", "%1: %2 paths, %3 segments; cut by max_interactions "
                                            "%4, min_intensity %5, max_segments %6")
                         .arg(QString::fromStdString(o.scene))
                         .arg(c.paths)
                         .arg(c.segments)
                         .arg(c.cutInteractions)
                         .arg(c.cutIntensity)
                         .arg(c.cutSegments)
                         .toStdString()
                  << '\n';
    }
    int status = 0;
    if (!o.png.empty() && !writePng(o, tracer)) {
        std::cerr << message(
                         QCoreApplication::translate("lumenary::Trace", "%1: could not be written"),
                         o.png)
                  << '\n';
        status = kWriteFailed;
    }
    if (!o.svg.empty() && !writeSvg(o, tracer)) {
        std::cerr << message(
                         QCoreApplication::translate("lumenary::Trace", "%1: could not be written"),
                         o.svg)
                  << '\n';
        status = kWriteFailed;
    }
    return status;
}
