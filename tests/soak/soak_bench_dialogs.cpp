#include "soak_bench_dialogs.h"

#include "bench_dialogs.h"

#include <QDir>
#include <QFile>
#include <QPrinter>

#include <memory>
#include <random>

namespace lumenary::soak
{

// Answers every dialog of the Optical Bench from a generator of its own seed, with files in a
// folder of the soak's own: scenes saved there and opened again, a file that is no scene, one
// that does not exist, a folder that does not exist; pictures exported there; the question
// about unsaved changes answered any way. The student's folders are never touched.
void answerBenchDialogs(const QString& folder, std::uint64_t seed)
{
    using namespace lumenary::bench;
    auto random = std::make_shared<std::mt19937_64>(seed * 7919 + 13);
    const auto below = [random](std::uint64_t n) { return n == 0 ? 0 : (*random)() % n; };
    QFile bad(QDir(folder).filePath(QStringLiteral("not-a-scene.lumenary")));
    if (bad.open(QIODevice::WriteOnly))
        bad.write("{\"format\": \"lumenary-scene\", \"version\": 1, \"elements\": [{\"type\": 7}");
    bad.close();
    BenchDialogs d;
    d.openFile = [folder, below](QWidget*, const QString&) {
        QStringList files =
            QDir(folder).entryList({QStringLiteral("*.lumenary")}, QDir::Files, QDir::Name);
        files << QStringLiteral("missing.lumenary");
        return QDir(folder).filePath(files.at(static_cast<qsizetype>(below(files.size()))));
    };
    d.saveFile = [folder, below](QWidget*, const QString&) {
        if (below(10) == 0)
            return QDir(folder).filePath(QStringLiteral("no-such-folder/scene.lumenary"));
        return QDir(folder).filePath(QStringLiteral("scene-%1.lumenary").arg(below(4)));
    };
    d.askUnsaved = [below](QWidget*, const QString&) {
        return static_cast<UnsavedAnswer>(below(3));
    };
    d.askRestore = [](QWidget*, const QString&) { return false; };
    d.report = [](QWidget*, const QString&) {};
    d.pictureFile = [folder, below](QWidget*, const QString&) {
        static const char* types[] = {"png", "svg", "pdf", "txt"};
        return QDir(folder).filePath(QStringLiteral("picture.%1").arg(types[below(4)]));
    };
    d.printer = [](QWidget*, QPrinter&) { return false; };
    setDefaultBenchDialogs(d);
}

} // namespace lumenary::soak
