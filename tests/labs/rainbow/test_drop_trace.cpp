#include "drop_trace.h"
#include "numbers.h"
#include "recording_canvas.h"
#include "test_support.h"

#include <QList>
#include <QPointF>
#include <QTest>

#include <algorithm>
#include <cmath>

using namespace lumenary;
using namespace lumenary::test;
using drop::DropFields;
using drop::DropResult;

namespace
{

const double kPi = 4 * std::atan(1.0);

DropFields fieldsFor(int value, const char* n1, const char* n2, const char* m)
{
    DropFields f;
    f.scrollValue = value;
    f.n1 = n1;
    f.n2 = n2;
    f.reflections = m;
    return f;
}

QString text(const std::optional<std::string>& s)
{
    return s ? QString::fromStdString(*s) : QStringLiteral("<unchanged>");
}

// A canvas that only counts lines, for traces too long to record.
class CountingCanvas : public Canvas
{
public:
    std::int64_t lines = 0;

protected:
    void onScale(double, double, double, double) override {}
    void onClear() override { lines = 0; }
    void onLine(Point, Point, Rgb, bool) override { ++lines; }
    void onBox(Point, Point, Rgb, bool) override {}
    void onCircle(Point, double, Rgb) override {}
    void onPoint(Point, Rgb) override {}
};

} // namespace

class TestDropTrace : public QObject
{
    Q_OBJECT
private slots:
    void asinAgreesWithArcsine_data();
    void asinAgreesWithArcsine();
    void incidenceHeightTexts();
    void readouts_data();
    void readouts();
    void path_data();
    void path();
    void chordCounts_data();
    void chordCounts();
    void noChordStartsExitAtEntry();
    void noTrace_data();
    void noTrace();
    void longestTraceAndBeyond();
    void geometry_data();
    void geometry();
};

void TestDropTrace::asinAgreesWithArcsine_data()
{
    QTest::addColumn<double>("t");
    QTest::newRow("zero") << 0.0;
    QTest::newRow("half") << 0.5;
    QTest::newRow("negative") << -0.3;
    QTest::newRow("near one") << 0.99;
    QTest::newRow("tiny") << 1e-9;
}

void TestDropTrace::asinAgreesWithArcsine()
{
    QFETCH(double, t);
    QVERIFY2(near(drop::asin(t), std::asin(t), 1e-13),
             qPrintable(QString::number(drop::asin(t), 'g', 17)));
}

void TestDropTrace::incidenceHeightTexts()
{
    // Every scroll-bar position shows b with two decimals at most, never a float's tail.
    for (int value = 1; value <= 100; ++value) {
        const std::string shown =
            formatReadout(drop::incidenceHeight(value), Precision::Single7, '.');
        const QString expected = QString::number((100 - value) / 100.0, 'g', 3);
        QCOMPARE(QString::fromStdString(shown), expected);
    }
}

void TestDropTrace::readouts_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("n1");
    QTest::addColumn<QString>("n2");
    QTest::addColumn<QString>("m");
    QTest::addColumn<char>("point");
    QTest::addColumn<QString>("f");
    QTest::addColumn<QString>("theta2");
    QTest::addColumn<QString>("alpha2");
    QTest::addColumn<QString>("D");
    QTest::newRow("start, no reflection") << 50 << "1.00"
                                          << "1.33"
                                          << "0" << '.' << "0.5"
                                          << "30"
                                          << "22.0824131944723"
                                          << "15.8351736110555";
    QTest::newRow("primary") << 50 << "1.00"
                             << "1.33"
                             << "1" << '.' << "0.5"
                             << "30"
                             << "22.0824131944723"
                             << "151.670347222111";
    QTest::newRow("secondary") << 50 << "1.00"
                               << "1.33"
                               << "2" << '.' << "0.5"
                               << "30"
                               << "22.0824131944723"
                               << "287.505520833166";
    QTest::newRow("axis, no reflection") << 100 << "1.00"
                                         << "1.33"
                                         << "0" << '.' << "0"
                                         << "0"
                                         << "0"
                                         << "0";
    QTest::newRow("axis, back") << 100 << "1.00"
                                << "1.33"
                                << "1" << '.' << "0"
                                << "0"
                                << "0"
                                << "180";
    QTest::newRow("near minimum deviation") << 14 << "1"
                                            << "1.33"
                                            << "1" << '.' << "0.86"
                                            << "59.3165828910242"
                                            << "40.2869866636594"
                                            << "137.485219127411";
    QTest::newRow("grazing") << 1 << "1"
                             << "1.33"
                             << "0" << '.' << "0.99"
                             << "81.8903855440058"
                             << "48.1042346069382"
                             << "67.5723018741353";
    QTest::newRow("diamond") << 50 << "1"
                             << "2.42"
                             << "0" << '.' << "0.5"
                             << "30"
                             << "11.9238551282276"
                             << "36.1522897435448";
    QTest::newRow("fractional count") << 50 << "1.00"
                                      << "1.33"
                                      << "1.5" << '.' << "0.5"
                                      << "30"
                                      << "22.0824131944723"
                                      << "151.670347222111";
    QTest::newRow("negative count") << 50 << "1.00"
                                    << "1.33"
                                    << "-3" << '.' << "0.5"
                                    << "30"
                                    << "22.0824131944723"
                                    << "-120";
    QTest::newRow("comma locale, starting texts") << 50 << "1,00"
                                                  << "1,33"
                                                  << "0" << ',' << "0,5"
                                                  << "30"
                                                  << "22,0824131944723"
                                                  << "15,8351736110555";
    QTest::newRow("comma locale, chosen texts") << 25 << "1,0003"
                                                << "1,5"
                                                << "0,5" << ',' << "0,75"
                                                << "48,5903778907291"
                                                << "30,0099244164129"
                                                << "37,1609069486326";
}

void TestDropTrace::readouts()
{
    QFETCH(int, value);
    QFETCH(QString, n1);
    QFETCH(QString, n2);
    QFETCH(QString, m);
    QFETCH(char, point);
    DropFields fields = fieldsFor(value, qPrintable(n1), qPrintable(n2), qPrintable(m));
    fields.decimalPoint = point;
    RecordingCanvas canvas;
    const DropResult r = drop::traceDrop(fields, canvas);
    QTEST(QString::fromStdString(r.f), "f");
    QTEST(text(r.theta2), "theta2");
    QTEST(text(r.alpha2), "alpha2");
    QTEST(text(r.D), "D");
}

void TestDropTrace::path_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("m");
    QTest::addColumn<QList<QPointF>>("path");
    QTest::newRow("start, no reflection")
        << 50 << "0"
        << QList<QPointF>{{2, 0.5}, {0.8660, 0.5}, {-0.9696, 0.2447}, {-1.9316, -0.0282}};
    QTest::newRow("primary") << 50 << "1"
                             << QList<QPointF>{{2, 0.5},
                                               {0.8660, 0.5},
                                               {-0.9696, 0.2447},
                                               {0.5250, -0.8511},
                                               {1.4053, -1.3256}};
    QTest::newRow("axis, straight through")
        << 100 << "0" << QList<QPointF>{{2, 0}, {1, 0}, {-1, 0}, {-2, 0}};
    QTest::newRow("axis, back") << 100 << "1"
                                << QList<QPointF>{{2, 0}, {1, 0}, {-1, 0}, {1, 0}, {2, 0}};
    QTest::newRow("fractional count draws two chords")
        << 50 << "1.5"
        << QList<QPointF>{
               {2, 0.5}, {0.8660, 0.5}, {-0.9696, 0.2447}, {0.5250, -0.8511}, {1.4053, -1.3256}};
}

void TestDropTrace::path()
{
    QFETCH(int, value);
    QFETCH(QString, m);
    QFETCH(QList<QPointF>, path);
    RecordingCanvas canvas;
    drop::traceDrop(fieldsFor(value, "1.00", "1.33", qPrintable(m)), canvas);
    const auto drawn = lines(canvas);
    QCOMPARE(drawn.size(), std::size_t(path.size() - 1));
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        const Point from{path[int(i)].x(), path[int(i)].y()};
        const Point to{path[int(i) + 1].x(), path[int(i) + 1].y()};
        QVERIFY2(near(drawn[i].a, from, 1e-4) && near(drawn[i].b, to, 1e-4),
                 qPrintable(QString("line %1: %2 to %3")
                                .arg(i)
                                .arg(describe(drawn[i].a), describe(drawn[i].b))));
        QCOMPARE(drawn[i].colour, palette(4));
        QVERIFY(!drawn[i].dotted);
    }
}

void TestDropTrace::chordCounts_data()
{
    QTest::addColumn<double>("m");
    QTest::addColumn<qint64>("chords"); // -1: refused
    QTest::newRow("none") << 0.0 << qint64(1);
    QTest::newRow("two") << 2.0 << qint64(3);
    QTest::newRow("just below a whole count") << 0.999 << qint64(1);
    QTest::newRow("one and a half") << 1.5 << qint64(2);
    QTest::newRow("minus one") << -1.0 << qint64(0);
    QTest::newRow("minus a half") << -0.5 << qint64(0);
    QTest::newRow("hugely negative") << -1e300 << qint64(0);
    QTest::newRow("largest accepted") << double(drop::kMaxChords - 1) << qint64(drop::kMaxChords);
    QTest::newRow("largest accepted, fractional")
        << double(drop::kMaxChords) - 0.5 << qint64(drop::kMaxChords);
    QTest::newRow("one too many") << double(drop::kMaxChords) << qint64(-1);
    QTest::newRow("beyond any integer") << 1e300 << qint64(-1);
    QTest::newRow("nan") << std::nan("") << qint64(-1);
}

void TestDropTrace::chordCounts()
{
    QFETCH(double, m);
    QFETCH(qint64, chords);
    const auto n = drop::chordCount(m);
    QCOMPARE(n.has_value(), chords >= 0);
    if (n)
        QCOMPARE(qint64(*n), chords);
}

void TestDropTrace::noChordStartsExitAtEntry()
{
    RecordingCanvas canvas;
    drop::traceDrop(fieldsFor(50, "1.00", "1.33", "-1"), canvas);
    const auto drawn = lines(canvas);
    QCOMPARE(drawn.size(), std::size_t(2));
    const Point entry{std::sqrt(0.75), 0.5};
    QVERIFY(near(drawn[1].a, entry, 1e-9));
    // With no pass through the drop the last line is the ray reflected off the outside: a unit
    // step at twice the angle of incidence, 60 degrees.
    QVERIFY2(near(drawn[1].b, {entry.x + 0.5, entry.y + std::sqrt(0.75)}, 1e-9),
             qPrintable(describe(drawn[1].b)));
}

void TestDropTrace::noTrace_data()
{
    QTest::addColumn<QString>("n1");
    QTest::addColumn<QString>("n2");
    QTest::addColumn<QString>("m");
    QTest::newRow("water in water") << "1.33"
                                    << "1.33"
                                    << "0";
    QTest::newRow("water in diamond") << "2.42"
                                      << "1.33"
                                      << "1";
    QTest::newRow("index zero") << "0"
                                << "1.33"
                                << "0";
    QTest::newRow("negative index") << "-1"
                                    << "1.33"
                                    << "0";
    QTest::newRow("index not a number") << ""
                                        << "1.33"
                                        << "0";
    QTest::newRow("count empty") << "1"
                                 << "1.33"
                                 << "";
    QTest::newRow("count letters") << "1"
                                   << "1.33"
                                   << "two";
    QTest::newRow("count a lone minus") << "1"
                                        << "1.33"
                                        << "-";
    QTest::newRow("count beyond a double") << "1"
                                           << "1.33"
                                           << "1e999";
    QTest::newRow("count far too large") << "1"
                                         << "1.33"
                                         << "1e300";
}

void TestDropTrace::noTrace()
{
    QFETCH(QString, n1);
    QFETCH(QString, n2);
    QFETCH(QString, m);
    RecordingCanvas canvas;
    canvas.line({0, 0}, {1, 1}, palette(0)); // an earlier trace
    DropFields fields = fieldsFor(30, qPrintable(n1), qPrintable(n2), qPrintable(m));
    fields.clearAutomatically = false;
    DropResult r = drop::traceDrop(fields, canvas);
    QCOMPARE(r.f, std::string("0.7"));
    QVERIFY(!r.theta2 && !r.alpha2 && !r.D);
    QCOMPARE(lines(canvas).size(), std::size_t(1));
    // With "Clear Automatically" the surface is still erased.
    fields.clearAutomatically = true;
    r = drop::traceDrop(fields, canvas);
    QCOMPARE(r.f, std::string("0.7"));
    QVERIFY(canvas.primitives().empty());
    QCOMPARE(canvas.clears(), 1);
    QCOMPARE(canvas.scales(), 2);
}

void TestDropTrace::longestTraceAndBeyond()
{
    CountingCanvas canvas;
    const std::string longest = std::to_string(drop::kMaxChords - 1);
    auto r = drop::traceDrop(fieldsFor(50, "1", "1.33", longest.c_str()), canvas);
    QCOMPARE(canvas.lines, drop::kMaxChords + 2);
    QVERIFY(r.D);
    const std::string tooMany = std::to_string(drop::kMaxChords);
    r = drop::traceDrop(fieldsFor(50, "1", "1.33", tooMany.c_str()), canvas);
    QCOMPARE(canvas.lines, std::int64_t(0));
    QVERIFY(!r.theta2 && !r.D);
}

void TestDropTrace::geometry_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("n2");
    QTest::addColumn<int>("m");
    for (int value : {1, 14, 50, 93})
        for (int m : {0, 1, 2, 7})
            QTest::addRow("value %d, %d reflections", value, m) << value << "1.33" << m;
    QTest::newRow("diamond, 3 reflections") << 40 << "2.42" << 3;
    QTest::newRow("nearly equal media, 4 reflections") << 70 << "1.0003" << 4;
}

// Whatever the height and count: the chords join points of the drop's surface, every chord is
// equally long, the ray leaves with a unit step at the angle it came in, and the deviation
// matches 2 theta1 + K (180 - 2 theta2) - 180 for K chords.
void TestDropTrace::geometry()
{
    QFETCH(int, value);
    QFETCH(QString, n2);
    QFETCH(int, m);
    RecordingCanvas canvas;
    const auto r = drop::traceDrop(
        fieldsFor(value, "1", qPrintable(n2), qPrintable(QString::number(m))), canvas);
    const auto drawn = lines(canvas);
    QCOMPARE(drawn.size(), std::size_t(m + 3));
    const double b = 1 - value / 100.0;
    const double theta1 = std::asin(b);
    const double theta2 = std::asin(b / n2.toDouble());
    QVERIFY(near(drawn[0].a, {2, b}, 1e-6));
    const double chord = 2 * std::cos(theta2);
    for (int i = 1; i <= m + 1; ++i) {
        QVERIFY(near(std::hypot(drawn[i].b.x, drawn[i].b.y), 1, 1e-9));
        QVERIFY(near(std::hypot(drawn[i].b.x - drawn[i].a.x, drawn[i].b.y - drawn[i].a.y), chord,
                     1e-9));
    }
    const Primitive& exit = drawn.back();
    const double dx = exit.b.x - exit.a.x;
    const double dy = exit.b.y - exit.a.y;
    QVERIFY(near(std::hypot(dx, dy), 1, 1e-9));
    // The outward normal at the exit point is the point itself.
    const double cosine = dx * exit.a.x + dy * exit.a.y;
    QVERIFY2(near(std::acos(std::clamp(cosine, -1.0, 1.0)), theta1, 1e-6),
             qPrintable(QString::number(cosine)));
    const double expected = (2 * theta1 + (m + 1) * (kPi - 2 * theta2) - kPi) * 180 / kPi;
    QVERIFY(near(QString::fromStdString(r.D.value()).toDouble(), expected, 1e-9));
}

QTEST_MAIN(TestDropTrace)
#include "test_drop_trace.moc"
