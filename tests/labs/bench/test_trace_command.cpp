// lumenary-trace as a student runs it: numbers as JSON, pictures as PNG and SVG, and a bad scene
// refused in one line with exit status 2, leaving every output file as it was; its messages in
// the system's language, its JSON the same in every language.
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace
{

const QString kTrace = QStringLiteral(LUMENARY_TRACE);
const QString kExamples = QStringLiteral(LUMENARY_SOURCE_DIR "/examples/");

struct Run {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

// Runs the tracer; with a locale name, under that system language (as LANG alone sets it).
Run run(const QStringList& arguments, const QString& lang = QString())
{
    QProcess p;
    if (!lang.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
            environment.remove(QString::fromLatin1(name));
        environment.insert(QStringLiteral("LANG"), lang);
        p.setProcessEnvironment(environment);
    }
    p.start(kTrace, arguments);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

void write(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

class TestTraceCommand : public QObject
{
    Q_OBJECT
private slots:
    void jsonOfAnExample();
    void pictures();
    void badScenes_data();
    void badScenes();
    void inTheSystemLanguage_data();
    void inTheSystemLanguage();
};

void TestTraceCommand::jsonOfAnExample()
{
    const Run r = run({kExamples + "thick_lens_camera.lumenary", "--json"});
    QCOMPARE(r.status, 0);
    const QJsonObject o = QJsonDocument::fromJson(r.out).object();
    QCOMPARE(o["paths"].toInt(), 63);
    QCOMPARE(o["cut"]["max_segments"].toInt(), 0);
    const QJsonObject lens = o["elements"][1].toObject();
    QCOMPARE(lens["type"].toString(), QStringLiteral("spherical_lens"));
    QVERIFY(std::fabs(lens["back_focal_length"]["d"].toDouble() - 46.668257973243456) < 1e-9);
    const QJsonArray spots = o["detectors"][0]["spots"].toArray();
    QCOMPARE(spots.size(), 7);
    QCOMPARE(spots[0]["count"].toInt(), 9);
}

// Both pictures at the size asked for; the PNG shows light in colour, not only grey.
void TestTraceCommand::pictures()
{
    QTemporaryDir dir;
    const QString png = dir.filePath("prism.png");
    const QString svg = dir.filePath("prism.svg");
    const Run r = run({kExamples + "prism_spectrometer.lumenary", "--png", png, "--svg", svg,
                       "--size", "320x200"});
    QCOMPARE(r.status, 0);
    const QImage image(png);
    QCOMPARE(image.size(), QSize(320, 200));
    int coloured = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            coloured += c.red() > 2 * c.blue() + 40 || c.blue() > 2 * c.red() + 40;
        }
    QVERIFY(coloured > 20);
    QFile f(svg);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(f.readAll().contains("<svg"));
}

void TestTraceCommand::badScenes_data()
{
    QTest::addColumn<QByteArray>("scene");
    QTest::addColumn<QString>("place");
    QTest::newRow("not JSON") << QByteArray("{\"format\": ") << ":1:12: ";
    QTest::newRow("bad element") << QByteArray(
                                        R"({"format": "lumenary-scene", "version": 1, "elements": [
                        {"type": "mirror", "from": [0, 0], "to": [0, 0]}]})")
                                 << ": element 0, key \"to\": ";
    QTest::newRow("missing file") << QByteArray() << ": cannot be read: ";
}

void TestTraceCommand::badScenes()
{
    QFETCH(QByteArray, scene);
    QFETCH(QString, place);
    QTemporaryDir dir;
    const QString file = dir.filePath("bad scene.lumenary");
    if (!scene.isEmpty())
        write(file, scene);
    const QString kept = dir.filePath("kept.png");
    write(kept, "an older picture");
    const QString fresh = dir.filePath("fresh.svg");
    const Run r = run({file, "--json", "--png", kept, "--svg", fresh});
    QCOMPARE(r.status, 2);
    QVERIFY(r.out.isEmpty());
    QVERIFY2(r.err.startsWith((file + place).toUtf8()), r.err.constData());
    QCOMPARE(r.err.count('\n'), 1);
    QVERIFY(r.err.endsWith('\n'));
    QFile k(kept);
    QVERIFY(k.open(QIODevice::ReadOnly));
    QCOMPARE(k.readAll(), QByteArray("an older picture"));
    QVERIFY(!QFile::exists(fresh));
    QCOMPARE(run({}).status, 2);
}

void TestTraceCommand::inTheSystemLanguage_data()
{
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("said"); // what follows the file's name for a mirror of no length
    QTest::newRow("de") << "de_DE.UTF-8"
                        << ": Element 0, Schlüssel \"to\": muss mindestens 1e-06 mm von \"from\" "
                           "entfernt liegen\n";
    QTest::newRow("fr") << "fr_FR.UTF-8"
                        << " : élément 0, clé \"to\" : doit se trouver à au moins 1e-06 mm de "
                           "\"from\"\n";
    QTest::newRow("es") << "es_ES.UTF-8"
                        << ": elemento 0, clave \"to\": debe estar a al menos 1e-06 mm de "
                           "\"from\"\n";
    QTest::newRow("en") << "en_GB.UTF-8"
                        << ": element 0, key \"to\": must lie at least 1e-06 mm from \"from\"\n";
}

void TestTraceCommand::inTheSystemLanguage()
{
    QFETCH(QString, lang);
    QFETCH(QString, said);
    QTemporaryDir dir;
    const QString file = dir.filePath("bad.lumenary");
    write(file, R"({"format": "lumenary-scene", "version": 1, "elements": [
                   {"type": "mirror", "from": [0, 0], "to": [0, 0]}]})");
    const Run bad = run({file}, lang);
    QCOMPARE(bad.status, 2);
    // French writes a no-break space before a colon.
    QCOMPARE(QString::fromUtf8(bad.err).replace(QChar(0x00a0), QLatin1Char(' ')), file + said);

    const QStringList json{kExamples + "thick_lens_camera.lumenary", "--json"};
    const Run translated = run(json, lang);
    QCOMPARE(translated.status, 0);
    QCOMPARE(translated.out, run(json).out);
}

QTEST_GUILESS_MAIN(TestTraceCommand)
#include "test_trace_command.moc"
