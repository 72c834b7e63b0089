// Renders the program's pictures into a folder (normally assets/images):
//   render_art OUTPUT_FOLDER
#include "art.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

namespace
{

bool save(const QDir& folder, const QString& name, const QImage& image)
{
    const QString path = folder.filePath(name);
    if (image.isNull() || !image.save(path, "PNG")) {
        std::fprintf(stderr, "render_art: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s %dx%d\n", qPrintable(path), image.width(), image.height());
    return true;
}

bool saveText(const QDir& folder, const QString& name, const QString& text)
{
    QFile file(folder.filePath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "render_art: cannot write %s\n", qPrintable(file.fileName()));
        return false;
    }
    file.write(text.toUtf8());
    std::printf("%s\n", qPrintable(file.fileName()));
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: render_art OUTPUT_FOLDER\n");
        return 2;
    }
    QDir folder(args.at(1));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "render_art: cannot create %s\n", qPrintable(args.at(1)));
        return 1;
    }
    using namespace lumenary::tools;
    bool ok = save(folder, QStringLiteral("soapfilm.png"), renderSoapFilm());
    ok = save(folder, QStringLiteral("drop.png"), renderDrop()) && ok;
    ok = save(folder, QStringLiteral("spectrum.png"), renderSpectrum()) && ok;
    ok = save(folder, QStringLiteral("lumenary-32.png"), renderIconSmall()) && ok;
    ok = save(folder, QStringLiteral("lumenary-128.png"), renderIcon(128)) && ok;
    ok = saveText(folder, QStringLiteral("lumenary.svg"), iconSvg()) && ok;
    ok = save(folder, QStringLiteral("moon.png"), renderMoon()) && ok;
    ok = save(folder, QStringLiteral("fish.png"), renderFish()) && ok;
    return ok ? 0 : 1;
}
