// Renders the program's pictures into a folder (normally assets/images):
//   render_art OUTPUT_FOLDER
#include "art.h"
#include "raw_picture.h"

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

// The raw form beside the PNG, for pictures the launcher shows at start-up.
bool saveRaw(const QDir& folder, const QString& name, const QImage& image)
{
    const QByteArray bytes = lumenary::rawPictureBytes(image);
    QFile file(folder.filePath(name));
    if (bytes.isEmpty() || !file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "render_art: cannot write %s\n", qPrintable(file.fileName()));
        return false;
    }
    std::printf("%s %dx%d raw\n", qPrintable(file.fileName()), image.width(), image.height());
    return true;
}

bool saveBoth(const QDir& folder, const QString& stem, const QImage& image)
{
    const bool png = save(folder, stem + QStringLiteral(".png"), image);
    return saveRaw(folder, stem + QStringLiteral(".raw"), image) && png;
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
    bool ok = saveBoth(folder, QStringLiteral("soapfilm"), renderSoapFilm());
    ok = saveBoth(folder, QStringLiteral("drop"), renderDrop()) && ok;
    ok = saveBoth(folder, QStringLiteral("spectrum"), renderSpectrum()) && ok;
    ok = saveBoth(folder, QStringLiteral("lumenary-32"), renderIconSmall()) && ok;
    ok = save(folder, QStringLiteral("lumenary-128.png"), renderIcon(128)) && ok;
    ok = saveText(folder, QStringLiteral("lumenary.svg"), iconSvg()) && ok;
    ok = save(folder, QStringLiteral("moon.png"), renderMoon()) && ok;
    ok = save(folder, QStringLiteral("fish.png"), renderFish()) && ok;
    return ok ? 0 : 1;
}
