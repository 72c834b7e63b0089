// The scene file: round trips that keep every number and unknown key, each class of bad file
// refused at its place, the example scenes and the schema.
#include "scene_file.h"
#include "scene_limits.h"
#include "tracer.h"

#include <QTest>

#include <nlohmann/json.hpp>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

using namespace lumenary;
using namespace lumenary::bench;

namespace
{

std::string fileText(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// A scene text with the given elements (and extra scene keys).
std::string sceneText(const std::string& elements, const std::string& extra = {})
{
    return R"({"format": "lumenary-scene", "version": 1)" + extra + R"(, "elements": [)" +
           elements + "]}";
}

const std::filesystem::path kSource = LUMENARY_SOURCE_DIR;

} // namespace

class TestSceneFile : public QObject
{
    Q_OBJECT
private slots:
    void roundTripKeepsUnknownKeys();
    void numbersReadBackTheSame_data();
    void numbersReadBackTheSame();
    void badFiles_data();
    void badFiles();
    void errorLines_data();
    void errorLines();
    void examplesLoadAndTrace();
    void schemaNamesEveryType();
};

void TestSceneFile::roundTripKeepsUnknownKeys()
{
    const std::string text = sceneText(
        R"({"type": "mirror", "name": "M", "from": [0, 0], "to": [1, 0], "x-tag": {"b": [1, 2.5], "a": null}},
           {"type": "circle", "centre": [0, 5], "radius": 2, "material": "water", "x-n": 7})",
        R"(, "x-author": "Ada", "fresnel": true, "surroundings": "water")");
    const SceneReading first = readScene(text);
    QVERIFY(first.scene);
    QCOMPARE(first.scene->elements[0].extra.size(), std::size_t(1));
    QCOMPARE(first.scene->extra.size(), std::size_t(1));
    const std::string written = writeScene(*first.scene);
    QVERIFY(written.find(R"("x-tag": {"b": [1, 2.5], "a": null})") != std::string::npos);
    QVERIFY(written.find(R"("x-author": "Ada")") != std::string::npos);
    const SceneReading second = readScene(written);
    QVERIFY(second.scene);
    QVERIFY(*second.scene == *first.scene);
    QCOMPARE(writeScene(*second.scene), written);
}

void TestSceneFile::numbersReadBackTheSame_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("shortest");
    QTest::newRow("a tenth") << 0.1 << "0.1";
    QTest::newRow("0.1 + 0.2") << 0.1 + 0.2 << "0.30000000000000004";
    QTest::newRow("tiny") << 1e-300 << "1e-300";
    QTest::newRow("smallest subnormal") << 5e-324 << "5e-324";
    QTest::newRow("seventeen digits") << 123456.78901234567 << "123456.78901234567";
    QTest::newRow("whole") << 250.0 << "250.0";
}

// Written in the shortest form that reads back to the same double.
void TestSceneFile::numbersReadBackTheSame()
{
    QFETCH(double, value);
    QFETCH(QString, shortest);
    Scene s;
    s.elements.push_back(Element{RaySource{{0, 0}, value, {}}, {}, {}});
    const std::string text = writeScene(s);
    QVERIFY2(text.find("\"direction\": " + shortest.toStdString() + ",") != std::string::npos,
             text.c_str());
    const SceneReading r = readScene(text);
    QVERIFY(r.scene);
    const double back = std::get<RaySource>(r.scene->elements[0].shape).direction;
    QVERIFY(std::memcmp(&back, &value, sizeof value) == 0);
}

void TestSceneFile::badFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("element");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("words");
    const auto scene = [](const char* e, const char* extra = "") {
        return QByteArray::fromStdString(sceneText(e, extra));
    };
    QTest::newRow("not JSON") << QByteArray("{\n  \"format\": tru }") << 2 << 16 << -1 << ""
                              << "invalid literal";
    QTest::newRow("not UTF-8") << QByteArray("{\"format\": \"\xff\"}") << 1 << 13 << -1 << ""
                               << "UTF-8";
    QTest::newRow("nested too deep") << QByteArray(40, '[') << 1 << 33 << -1 << ""
                                     << "deeper than 32";
    QTest::newRow("too large") << QByteArray(int(kMaxFileBytes) + 1, ' ') << 0 << 0 << -1 << ""
                               << "at most 4194304 bytes";
    QTest::newRow("number too large") << QByteArray("{\"format\":\n 1e400}") << 2 << 2 << -1 << ""
                                      << "too large";
    QTest::newRow("not an object") << QByteArray("[1]") << 1 << 1 << -1 << ""
                                   << "one object";
    QTest::newRow("not a scene") << QByteArray(R"({"format": "x", "version": 1})") << 0 << 0 << -1
                                 << "format"
                                 << "not a scene file";
    QTest::newRow("newer version")
        << QByteArray(R"({"format": "lumenary-scene", "version": 2})") << 0 << 0 << -1 << "version"
        << "newer program";
    QTest::newRow("setting of the wrong kind")
        << scene("", R"(, "fresnel": 1)") << 0 << 0 << -1 << "fresnel"
        << "true or false";
    QTest::newRow("limit out of range")
        << scene("", R"(, "max_interactions": 0)") << 0 << 0 << -1 << "max_interactions"
        << "whole number from 1";
    QTest::newRow("unknown type") << scene(R"({"type": "laser"})") << 0 << 0 << 0 << "type"
                                  << "names no element type";
    QTest::newRow("missing key")
        << scene(R"({"type": "ideal_lens", "at": [0, 0], "axis": 0, "aperture": 4})") << 0 << 0 << 0
        << "focal_length"
        << "is missing";
    QTest::newRow("wrong kind of value")
        << scene(R"({"type": "mirror", "from": [0, 0], "to": [1, "a"]})") << 0 << 0 << 0 << "to"
        << "must be a number";
    QTest::newRow("wavelength out of range")
        << scene(R"({"type": "ray", "from": [0, 0], "direction": 0, "wavelength": 300})") << 0 << 0
        << 0 << "wavelength"
        << "380 to 780";
    QTest::newRow("both colours")
        << scene(
               R"({"type": "ray", "from": [0, 0], "direction": 0, "wavelength": 500, "white": 3})")
        << 0 << 0 << 0 << "white"
        << "one of them";
    QTest::newRow("unknown material")
        << scene(R"({"type": "circle", "centre": [0, 0], "radius": 1, "material": "glass"})") << 0
        << 0 << 0 << "material"
        << "refractive index";
    QTest::newRow("radius under half the aperture")
        << scene(R"({"type": "mirror", "from": [0, 0], "to": [1, 0]},
                    {"type": "spherical_lens", "at": [0, 0], "axis": 0, "aperture": 40,
                     "thickness": 10, "r1": 10, "r2": -50, "material": "F2"})")
        << 0 << 0 << 1 << "r1"
        << "half the aperture";
    QTest::newRow("surfaces cross")
        << scene(R"({"type": "spherical_lens", "at": [0, 0], "axis": 0, "aperture": 40,
                     "thickness": 2, "r1": 30, "r2": -30, "material": "F2"})")
        << 0 << 0 << 0 << "thickness"
        << "cross inside the aperture";
    QTest::newRow("polygon that crosses itself")
        << scene(
               R"({"type": "glass", "vertices": [[0, 0], [1, 1], [1, 0], [0, 1]], "material": 1.5})")
        << 0 << 0 << 0 << "vertices"
        << "simple polygon";
    QTest::newRow("mirror of no length")
        << scene(R"({"type": "mirror", "from": [2, 3], "to": [2, 3]})") << 0 << 0 << 0 << "to"
        << "at least 1e-06 mm";
    QTest::newRow("too many rays")
        << scene(
               R"({"type": "beam", "from": [0, 0], "direction": 0, "width": 1, "rays": 1000, "white": 400})")
        << 0 << 0 << 0 << "rays"
        << "more than 250000 rays";
    std::string many;
    for (std::size_t i = 0; i <= kMaxElements; ++i)
        many += std::string(i ? "," : "") + R"({"type": "blocker", "from": [0, 0], "to": [1, 0]})";
    QTest::newRow("too many elements")
        << QByteArray::fromStdString(sceneText(many)) << 0 << 0 << -1 << "elements"
        << "at most 10000";
}

void TestSceneFile::badFiles()
{
    QFETCH(QByteArray, bytes);
    const SceneReading r = readScene(std::string_view(bytes.constData(), bytes.size()));
    QVERIFY(!r.scene);
    QTEST(r.error.line, "line");
    QTEST(r.error.column, "column");
    QTEST(r.error.element, "element");
    QTEST(QString::fromStdString(r.error.key), "key");
    QFETCH(QString, words);
    QVERIFY2(QString::fromStdString(r.error.message).contains(words), r.error.message.c_str());
}

void TestSceneFile::errorLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("line");
    QTest::newRow("a place in the text")
        << QByteArray("{\n  \"format\": tru }")
        << "dir/a scene.lumenary:2:16: syntax error while parsing value - invalid literal; last "
           "read: '\"format\": tru '";
    QTest::newRow("an element and its key")
        << QByteArray::fromStdString(sceneText(
               R"({"type": "circle", "name": "Drop", "centre": [0, 0], "radius": -1, "material": 1.33})"))
        << "dir/a scene.lumenary: element 0 (\"Drop\"), key \"radius\": must be at least 1e-06 "
           "mm and at most 1000000 mm";
    QTest::newRow("a key of the scene") << QByteArray(R"({"format": "lumenary-scene"})")
                                        << "dir/a scene.lumenary: key \"version\": is missing";
}

void TestSceneFile::errorLines()
{
    QFETCH(QByteArray, bytes);
    const SceneReading r = readScene(bytes.toStdString());
    QVERIFY(!r.scene);
    QTEST(QString::fromStdString(errorLine("dir/a scene.lumenary", r.error)), "line");
}

// Every shipped scene loads, describes itself, names its elements, and traces without a cut.
void TestSceneFile::examplesLoadAndTrace()
{
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kSource / "examples")) {
        if (entry.path().extension() != ".lumenary")
            continue;
        ++count;
        const SceneReading r = readScene(fileText(entry.path()));
        QVERIFY2(r.scene, errorLine(entry.path().string(), r.error).c_str());
        QVERIFY(!r.scene->description.empty());
        for (const Element& e : r.scene->elements)
            QVERIFY2(!e.name.empty(), entry.path().c_str());
        Tracer t;
        t.setScene(*r.scene);
        t.run();
        QCOMPARE(t.counts().cutSegments + t.counts().cutInteractions, std::int64_t(0));
    }
    QVERIFY(count >= 7);
}

void TestSceneFile::schemaNamesEveryType()
{
    const auto schema = nlohmann::json::parse(fileText(kSource / "docs/scene-format.schema.json"));
    std::set<std::string> named;
    for (const auto& e : schema["$defs"]["element"]["oneOf"])
        named.insert(e["properties"]["type"]["const"].get<std::string>());
    QCOMPARE(named.size(), std::size_t(kElementTypeCount));
    for (int i = 0; i < kElementTypeCount; ++i)
        QVERIFY(named.count(std::string(typeKey(static_cast<ElementType>(i)))));
}

QTEST_GUILESS_MAIN(TestSceneFile)
#include "test_scene_file.moc"
