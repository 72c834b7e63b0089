// What the bench's window does to an element, for every type: moving and turning it (and back),
// its resizing ends, every number the property panel shows reached by its file key, and the
// sizes a new element takes.
#include "element_edit.h"
#include "element_numbers.h"
#include "property_fields.h"
#include "scene_check.h"

#include <QTest>

#include <cmath>

using namespace lumenary;
using namespace lumenary::bench;

Q_DECLARE_METATYPE(ElementType)

namespace
{

double farthest(const Element& a, const Element& b)
{
    const auto pa = elementOutline(a);
    const auto pb = elementOutline(b);
    if (pa.size() != pb.size())
        return INFINITY;
    double most = 0.0;
    for (std::size_t i = 0; i < pa.size(); ++i) {
        if (pa[i].size() != pb[i].size())
            return INFINITY;
        for (std::size_t k = 0; k < pa[i].size(); ++k)
            most = std::max(most, std::hypot(pa[i][k].x - pb[i][k].x, pa[i][k].y - pb[i][k].y));
    }
    return most;
}

void everyType()
{
    QTest::addColumn<ElementType>("type");
    const char* names[] = {
        "ray",      "beam",  "point source", "ideal lens",    "spherical lens", "mirror",  "arc",
        "parabola", "glass", "circle",       "beam splitter", "blocker",        "detector"};
    for (int t = 0; t < kElementTypeCount; ++t)
        QTest::newRow(names[t]) << static_cast<ElementType>(t);
}

} // namespace

class TestElementEdit : public QObject
{
    Q_OBJECT
private slots:
    void moveAndTurnBack_data() { everyType(); }
    void moveAndTurnBack();
    void endsResize_data() { everyType(); }
    void endsResize();
    void panelNumbersReachTheirKeys_data() { everyType(); }
    void panelNumbersReachTheirKeys();
    void wholeNumbers();
    void roundSize_data();
    void roundSize();
};

void TestElementEdit::moveAndTurnBack()
{
    QFETCH(ElementType, type);
    const Element start = newElement(type, {10.0, -5.0}, 40.0);
    QVERIFY(!checkElement(start));
    QCOMPARE(start.type(), type);
    const Vec2 anchor = elementAnchor(start);
    QVERIFY(std::hypot(anchor.x - 10.0, anchor.y + 5.0) < 1e-9);

    Element e = start;
    moveElement(e, {3.0, 7.0});
    const Vec2 moved = elementAnchor(e);
    QVERIFY(std::abs(moved.x - 13.0) < 1e-9 && std::abs(moved.y - 2.0) < 1e-9);
    moveElement(e, {-3.0, -7.0});
    QVERIFY(farthest(e, start) < 1e-9);

    rotateElement(e, 30.0);
    QVERIFY(!checkElement(e));
    const Vec2 turned = elementAnchor(e);
    QVERIFY(std::hypot(turned.x - anchor.x, turned.y - anchor.y) < 1e-9);
    if (!turns(start)) {
        QVERIFY(farthest(e, start) < 1e-9);
    } else {
        // A polygon has no facing of its own; every other element faces 30° further round.
        if (type != ElementType::Glass) {
            const double d = std::remainder(elementAngle(e) - elementAngle(start) - 30.0, 360.0);
            QVERIFY2(std::abs(d) < 1e-9, qPrintable(QString::number(elementAngle(e))));
        }
        QVERIFY(farthest(e, start) > 1e-3 || elementOutline(start).front().size() == 1);
    }
    rotateElement(e, -30.0);
    QVERIFY(farthest(e, start) < 1e-9);
}

void TestElementEdit::endsResize()
{
    QFETCH(ElementType, type);
    const Element start = newElement(type, {0.0, 0.0}, 40.0);
    const std::vector<Vec2> ends = elementEnds(start);
    // An end dragged to where it is changes nothing.
    for (int i = 0; i < int(ends.size()); ++i) {
        Element e = start;
        setElementEnd(e, i, ends[std::size_t(i)]);
        QVERIFY2(farthest(e, start) < 1e-9, qPrintable(QString::number(i)));
    }
    // An end dragged a little outwards (the new lens's surfaces would soon cross) grows the
    // element, and the end follows the mouse on its own line.
    if (!ends.empty()) {
        Element e = start;
        const Vec2 anchor = elementAnchor(start);
        const Vec2 out{anchor.x + 1.05 * (ends[0].x - anchor.x),
                       anchor.y + 1.05 * (ends[0].y - anchor.y)};
        setElementEnd(e, 0, out);
        QVERIFY(!checkElement(e));
        const Vec2 now = elementEnds(e).at(0);
        QVERIFY2(std::hypot(now.x - out.x, now.y - out.y) < 1e-9,
                 qPrintable(QStringLiteral("%1, %2").arg(now.x).arg(now.y)));
    }
    // An index past the ends does nothing.
    Element e = start;
    setElementEnd(e, int(ends.size()), {100.0, 100.0});
    QVERIFY(farthest(e, start) < 1e-9);
}

void TestElementEdit::panelNumbersReachTheirKeys()
{
    QFETCH(ElementType, type);
    const Element start = newElement(type, {0.0, 0.0}, 40.0);
    for (const NumberSpec& entry : numberSpecs(type)) {
        for (int c = 0; c < entry.components; ++c) {
            const auto before = elementNumber(start, entry.key, c);
            QVERIFY2(before, entry.key);
            const double next = entry.kind == FieldKind::Reflectance ? 0.25
                                : entry.kind == FieldKind::Rays      ? *before + 2.0
                                                                     : *before + 1.5;
            Element e = start;
            QVERIFY2(setElementNumber(e, entry.key, c, next), entry.key);
            QCOMPARE(*elementNumber(e, entry.key, c), next);
            // The other numbers stay.
            for (const NumberSpec& other : numberSpecs(type))
                for (int k = 0; k < other.components; ++k)
                    if (other.key != entry.key || k != c)
                        QCOMPARE(*elementNumber(e, other.key, k),
                                 *elementNumber(start, other.key, k));
        }
    }
    Element e = start;
    QVERIFY(!elementNumber(e, "no_such_key"));
    QVERIFY(!setElementNumber(e, "no_such_key", 0, 1.0));
}

void TestElementEdit::wholeNumbers()
{
    Element beam = newElement(ElementType::Beam, {0.0, 0.0}, 40.0);
    QVERIFY(setElementNumber(beam, "rays", 0, 7.6));
    QCOMPARE(*elementNumber(beam, "rays"), 8.0);
    QVERIFY(!setElementNumber(beam, "rays", 0, 1e300));
    QVERIFY(!setElementNumber(beam, "rays", 0, NAN));
    QCOMPARE(*elementNumber(beam, "rays"), 8.0);
}

void TestElementEdit::roundSize_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("size");
    QTest::newRow("one") << 1.0 << 1.0;
    QTest::newRow("just under two") << 1.999 << 1.0;
    QTest::newRow("two and a half") << 2.5 << 2.0;
    QTest::newRow("seven") << 7.0 << 5.0;
    QTest::newRow("twelve") << 12.0 << 10.0;
    QTest::newRow("small") << 0.0031 << 0.002;
    QTest::newRow("large") << 73000.0 << 50000.0;
}

void TestElementEdit::roundSize()
{
    QFETCH(double, value);
    QFETCH(double, size);
    QVERIFY2(std::abs(lumenary::bench::roundSize(value) - size) < size * 1e-12,
             qPrintable(QString::number(lumenary::bench::roundSize(value), 'g', 17)));
}

QTEST_MAIN(TestElementEdit)
#include "test_element_edit.moc"
