// The sentences that describe each lab's drawing to a screen reader, for the classic cases.

#include "apparent_depth.h"
#include "concave_mirror.h"
#include "convex_mirror.h"
#include "diagram_description.h"
#include "drop_trace.h"
#include "interface_rays.h"
#include "mirror_description.h"
#include "prism_lab.h"
#include "recording_canvas.h"
#include "refraction_description.h"
#include "thin_lens.h"

#include <QTest>

#include <functional>

using namespace lumenary;

using Describe = std::function<std::string()>;
Q_DECLARE_METATYPE(Describe)

namespace
{

std::string diagram(const RayElement& element, const char* xmin, const char* xmax,
                    const char* param)
{
    DiagramFields fields{xmin, xmax, "-20", "20", "5", param};
    RecordingCanvas canvas;
    return describeDiagram(element, fields, drawDiagram(element, fields, true, canvas));
}

std::string interface(float x, float y, const char* n1, const char* n2)
{
    InterfaceState state;
    clickInterface(state, {x, y, n1, n2});
    return describeInterface(state, '.');
}

std::string depth(float x, float y)
{
    DepthReadouts readouts;
    RecordingCanvas canvas;
    std::string said;
    clickDepth(readouts, {x, y, "1.00", "1.33"}, canvas, &said);
    return said;
}

std::string dropSentence(const char* n2, const char* reflections)
{
    drop::DropFields fields;
    fields.n2 = n2;
    fields.reflections = reflections;
    RecordingCanvas canvas;
    return drop::traceDrop(fields, canvas).description;
}

std::string twoMirrors(Point eye, MirrorPaths ticked)
{
    return describeTwoMirrorPaths(*MirrorAngle::fromDegrees(90), eye, ticked, '.');
}

std::string prism(bool fan, const char* n2)
{
    PrismFields fields;
    fields.n2 = n2;
    RecordingCanvas canvas;
    return (fan ? plotFan(fields, canvas) : plotOneRay(fields, canvas)).description;
}

} // namespace

class TestDescriptions : public QObject
{
    Q_OBJECT
private slots:
    void sentences_data();
    void sentences();
};

void TestDescriptions::sentences_data()
{
    QTest::addColumn<Describe>("describe");
    QTest::addColumn<QString>("said");
    QTest::newRow("lens, real image")
        << Describe([] { return diagram(ThinLens(), "-40", "40", "10"); })
        << "Object 40 units left of the lens, image 13.3 units right of it, real and inverted.";
    QTest::newRow("lens, virtual image")
        << Describe([] { return diagram(ThinLens(), "-5", "40", "10"); })
        << "Object 5 units left of the lens, image 10 units left of it, virtual and upright.";
    QTest::newRow("lens, object at the focus")
        << Describe([] { return diagram(ThinLens(), "-10", "40", "10"); })
        << "Object 10 units left of the lens, no image.";
    QTest::newRow("concave, real image")
        << Describe([] { return diagram(ConcaveMirror(), "-40", "20", "10"); })
        << "Object 50 units in front of the mirror, image 5.56 units in front of it, real and "
           "inverted.";
    QTest::newRow("convex") << Describe([] { return diagram(ConvexMirror(), "-35", "5", "-10"); })
                            << "Object 25 units in front of the mirror, image 4.17 units behind "
                               "it, virtual and upright.";
    QTest::newRow("plane mirror") << Describe([] {
        return describeSingleReflection({0, 10}, '.');
    }) << "Ray from the object reflects off the mirror at x = 15 and reaches the eye at (0, 10).";
    QTest::newRow("two mirrors, both singles")
        << Describe([] {
               return twoMirrors({10, 5}, {true, true, false, false});
           })
        << "Rays from the object to the eye at (10, 5) reflect off mirror 1 at (16.7, 0); off "
           "mirror 2 at (0, 6.25).";
    QTest::newRow("two mirrors, outside the wedge") << Describe([] {
        return twoMirrors({-10, 5}, {});
    }) << "No ray to the eye at (-10, 5): it is outside the wedge between the mirrors.";
    QTest::newRow("interface, refracted")
        << Describe([] { return interface(2250, 0, "1", "1.33"); })
        << "Incident ray at 45 degrees to the normal, reflected ray at 45 degrees, refracted ray "
           "at 32.1 degrees.";
    QTest::newRow("interface, total internal reflection")
        << Describe([] { return interface(2250, 0, "2.42", "1"); })
        << "Incident ray at 45 degrees to the normal, reflected ray at 45 degrees, total internal "
           "reflection: no refracted ray.";
    QTest::newRow("depth, fish") << Describe([] { return depth(20, 10); })
                                 << "The eye at (20, 10) sees the fish at (0, -15) by a ray "
                                    "crossing the interface at x = 10.6; its image appears at "
                                    "(0, -11.3).";
    QTest::newRow("drop, primary rainbow")
        << Describe([] { return dropSentence("1.33", "1"); })
        << "Ray at height 0.5 enters the drop at 30 degrees, refracts to 22.1 degrees, is "
           "reflected 1 time inside and leaves deviated by 152 degrees.";
    QTest::newRow("drop, same media")
        << Describe([] { return dropSentence("1.00", "0"); })
        << "No ray traced at height 0.5: the drop must be optically denser than its surroundings.";
    QTest::newRow("prism, one ray")
        << Describe([] { return prism(false, "1.5"); })
        << "Prism of apex angle 60 degrees, turned by 0 degrees. The ray at height 0 enters the "
           "left face and leaves through the right face at -47.1 degrees.";
    QTest::newRow("prism, totally reflected")
        << Describe([] { return prism(false, "2"); })
        << "Prism of apex angle 60 degrees, turned by 0 degrees. The ray at height 0 enters the "
           "left face; total internal reflection at the right face: no refracted ray.";
    QTest::newRow("prism, fan")
        << Describe([] { return prism(true, "1.5"); })
        << "Prism of apex angle 60 degrees, turned by 0 degrees. 12 of 30 rays meet the prism: 10 "
           "leave it, 2 are totally reflected inside; the last to leave heads at -47.1 degrees.";
}

void TestDescriptions::sentences()
{
    QFETCH(Describe, describe);
    QFETCH(QString, said);
    QCOMPARE(QString::fromStdString(describe()), said);
}

QTEST_MAIN(TestDescriptions)
#include "test_descriptions.moc"
