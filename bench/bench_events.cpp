// Typical events and heavy cases of each lab, handler plus rasterisation plus the repaint the
// event leaves pending, on the real windows under the offscreen platform.
#include "bench_support.h"
#include "export_actions.h"
#include "instructions_viewer.h"
#include "picture_export.h"
#include "plot_widget.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>

#include <benchmark/benchmark.h>
#include <cmath>
#include <functional>
#include <vector>

using namespace lumenary;
using namespace lumenary::bench;

namespace
{

// One event per iteration on a window's control, then the repaint it leaves; the plot must
// have been painted when drawsPlot.
void runEvent(benchmark::State& state, const char* windowName, const char* plotName, bool drawsPlot,
              const std::function<void(QWidget*, int)>& event)
{
    QWidget* w = window(QString::fromLatin1(windowName));
    auto* plot = control<PlotWidget>(w, plotName);
    int i = 0;
    for (auto _ : state) {
        event(w, i++);
        if (drawsPlot)
            settlePainting(plot, windowName);
        else
            settle();
    }
}

// A scroll bar moved one step, back and forth, never against its ends.
void scrollStep(QWidget* w, const char* name, int i)
{
    auto* bar = control<QScrollBar>(w, name);
    const bool up = bar->value() == bar->minimum() || (bar->value() < bar->maximum() && i % 2 == 0);
    bar->triggerAction(up ? QAbstractSlider::SliderSingleStepAdd
                          : QAbstractSlider::SliderSingleStepSub);
}

// A field's text changed from one value to the other, as typing a digit over another does.
void fieldEdit(QWidget* w, const char* name, const QString& a, const QString& b, int)
{
    auto* field = control<QLineEdit>(w, name);
    field->setText(field->text() == a ? b : a);
}

// A list's choice, as the drop-down reports it: from one material to the other.
void listChoice(QWidget* w, const char* name, int first, int second, int)
{
    auto* list = control<QComboBox>(w, name);
    const int index = list->currentIndex() == first ? second : first;
    list->setCurrentIndex(index);
    emit list->activated(index);
}

// A point of the plot, walking over its middle so successive clicks differ.
QPoint plotPoint(QWidget* plot, int i, double fx, double fy)
{
    const int dx = (i % 7) - 3;
    const int dy = (i % 5) - 2;
    return QPoint(int(plot->width() * fx) + 4 * dx, int(plot->height() * fy) + 4 * dy);
}

// --- Ray-diagram labs ---------------------------------------------------------------------

void RayDiagramSliderStep(benchmark::State& state, const char* name)
{
    runEvent(state, name, "Plot1", true, [](QWidget* w, int i) { scrollStep(w, "HScroll1", i); });
}

void RayDiagramFieldEdit(benchmark::State& state, const char* name)
{
    runEvent(state, name, "Plot1", true, [](QWidget* w, int i) {
        fieldEdit(w, "h", QStringLiteral("5"), QStringLiteral("6"), i);
    });
}

// The plot's mouse event of these labs: the cursor's position written to the x and y read-outs.
void RayDiagramMouseMove(benchmark::State& state, const char* name)
{
    runEvent(state, name, "Plot1", false, [](QWidget* w, int i) {
        auto* plot = control<PlotWidget>(w, "Plot1");
        QTest::mouseMove(plot, plotPoint(plot, i, 0.5, 0.5));
    });
}

BENCHMARK_CAPTURE(RayDiagramSliderStep, ThinLens, "ThinLens");
BENCHMARK_CAPTURE(RayDiagramFieldEdit, ThinLens, "ThinLens");
BENCHMARK_CAPTURE(RayDiagramMouseMove, ThinLens, "ThinLens");
BENCHMARK_CAPTURE(RayDiagramSliderStep, Concave, "Concave");
BENCHMARK_CAPTURE(RayDiagramFieldEdit, Concave, "Concave");
BENCHMARK_CAPTURE(RayDiagramMouseMove, Concave, "Concave");
BENCHMARK_CAPTURE(RayDiagramSliderStep, Convex, "Convex");
BENCHMARK_CAPTURE(RayDiagramFieldEdit, Convex, "Convex");
BENCHMARK_CAPTURE(RayDiagramMouseMove, Convex, "Convex");

// The thin-lens slider swept over all its 501 positions, each drawn and painted.
void ThinLensSweep501(benchmark::State& state)
{
    QWidget* w = window(QStringLiteral("ThinLens"));
    auto* slider = control<QScrollBar>(w, "HScroll1");
    auto* plot = control<PlotWidget>(w, "Plot1");
    for (auto _ : state) {
        // Towards the far end from where the slider stands, so every position is a change.
        const bool down = slider->value() == 0;
        for (int k = 0; k <= 500; ++k) {
            slider->setValue(down ? 500 - k : k);
            settlePainting(plot, "ThinLens sweep");
        }
    }
    state.SetLabel("501 positions");
}
BENCHMARK(ThinLensSweep501)->Unit(benchmark::kMillisecond);

// --- Plane mirror -------------------------------------------------------------------------

// A click places the eye and draws the rays to it; the drawing accumulates.
void PlaneMirrorClick(benchmark::State& state)
{
    runEvent(state, "PlaneMirror", "Plot1", true, [](QWidget* w, int i) {
        auto* plot = control<PlotWidget>(w, "Plot1");
        click(plot, plotPoint(plot, i, 0.7, 0.3));
    });
}
BENCHMARK(PlaneMirrorClick);

// Runs event in two-mirror mode and leaves the window in plane-mirror mode again.
template <typename Event> void inTwoMirrorMode(benchmark::State& state, Event event)
{
    QWidget* w = window(QStringLiteral("PlaneMirror"));
    control<QPushButton>(w, "TwoMirrors")->click();
    runEvent(state, "PlaneMirror", "Plot1", true, event);
    control<QPushButton>(w, "PMirror")->click();
}

void TwoMirrorsClick(benchmark::State& state)
{
    inTwoMirrorMode(state, [](QWidget* w, int i) {
        auto* plot = control<PlotWidget>(w, "Plot1");
        click(plot, plotPoint(plot, i, 0.75, 0.3)); // inside the 90-degree wedge
    });
}
BENCHMARK(TwoMirrorsClick);

void TwoMirrorsAngleEdit(benchmark::State& state)
{
    inTwoMirrorMode(state, [](QWidget* w, int i) {
        fieldEdit(w, "alpha", QStringLiteral("90"), QStringLiteral("60"), i);
    });
}
BENCHMARK(TwoMirrorsAngleEdit);

// Repainting the plane-mirror surface after a number of accumulated rays (clicks).
void PlaneMirrorRepaintAfterRays(benchmark::State& state)
{
    QWidget* w = window(QStringLiteral("PlaneMirror"));
    auto* plot = control<PlotWidget>(w, "Plot1");
    control<QPushButton>(w, "PMirror")->click(); // a fresh surface
    settle();
    for (int i = 0; i < state.range(0); ++i)
        click(plot, plotPoint(plot, i * 13, 0.2 + 0.6 * (i % 101) / 100.0, 0.3));
    settlePainting(plot, "PlaneMirror after rays");
    for (auto _ : state)
        plot->repaint();
    state.SetLabel(std::to_string(state.range(0)) + " rays drawn");
}
BENCHMARK(PlaneMirrorRepaintAfterRays)->Arg(10)->Arg(10000);

// --- Refraction labs ----------------------------------------------------------------------

void BasicsClick(benchmark::State& state)
{
    runEvent(state, "Basics", "plot1", true, [](QWidget* w, int i) {
        auto* plot = control<PlotWidget>(w, "plot1");
        click(plot, plotPoint(plot, i, 0.3, 0.25));
    });
}
BENCHMARK(BasicsClick);

void BasicsListChoice(benchmark::State& state)
{
    runEvent(state, "Basics", "plot1", false,
             [](QWidget* w, int i) { listChoice(w, "refraction2", 1, 2, i); });
}
BENCHMARK(BasicsListChoice);

void DepthClick(benchmark::State& state)
{
    runEvent(state, "Depth", "plot1", true, [](QWidget* w, int i) {
        auto* plot = control<PlotWidget>(w, "plot1");
        click(plot, plotPoint(plot, i, 0.7, 0.25)); // the eye above the water
    });
}
BENCHMARK(DepthClick);

void DepthListChoice(benchmark::State& state)
{
    runEvent(state, "Depth", "plot1", false,
             [](QWidget* w, int i) { listChoice(w, "refraction2", 1, 2, i); });
}
BENCHMARK(DepthListChoice);

// --- Prism --------------------------------------------------------------------------------

// The rotation scroll bar redraws the prism and its fan (30 rays by default).
void PrismScrollStep(benchmark::State& state)
{
    runEvent(state, "Prism", "Plot2", true,
             [](QWidget* w, int i) { scrollStep(w, "HScroll1", i); });
}
BENCHMARK(PrismScrollStep);

void PrismSingleRay(benchmark::State& state)
{
    runEvent(state, "Prism", "Plot2", true,
             [](QWidget* w, int) { control<QPushButton>(w, "Test")->click(); });
}
BENCHMARK(PrismSingleRay);

void PrismApexEdit(benchmark::State& state)
{
    runEvent(state, "Prism", "Plot2", true, [](QWidget* w, int i) {
        fieldEdit(w, "Phi", QStringLiteral("60"), QStringLiteral("50"), i);
    });
    control<QLineEdit>(window(QStringLiteral("Prism")), "Phi")->setText(QStringLiteral("60"));
}
BENCHMARK(PrismApexEdit);

// A fan of 10,000 rays, drawn by one scroll-bar step.
void PrismFan10000(benchmark::State& state)
{
    QWidget* w = window(QStringLiteral("Prism"));
    auto* rays = control<QLineEdit>(w, "NRay");
    rays->setText(QStringLiteral("10000"));
    control<PlotWidget>(w, "Plot2")->clear();
    runEvent(state, "Prism", "Plot2", true,
             [](QWidget* w, int i) { scrollStep(w, "HScroll1", i); });
    rays->setText(QStringLiteral("30"));
}
BENCHMARK(PrismFan10000)->Unit(benchmark::kMillisecond);

// --- Rainbow ------------------------------------------------------------------------------

void RainbowScrollStep(benchmark::State& state)
{
    runEvent(state, "Rainbow", "plot1", true,
             [](QWidget* w, int i) { scrollStep(w, "VScroll1", i); });
}
BENCHMARK(RainbowScrollStep);

// Water and glass for the drop: each choice traces again.
void RainbowListChoice(benchmark::State& state)
{
    QWidget* w = window(QStringLiteral("Rainbow"));
    auto* list = control<QComboBox>(w, "refraction2");
    const int water = list->findText(QStringLiteral("water"));
    const int glass = list->findText(QStringLiteral("typical crown"), Qt::MatchStartsWith);
    if (water < 0 || glass < 0)
        qFatal("rainbow list lacks water or crown glass");
    runEvent(state, "Rainbow", "plot1", true,
             [=](QWidget* w, int i) { listChoice(w, "refraction2", water, glass, i); });
    listChoice(w, "refraction2", water, water, 0);
}
BENCHMARK(RainbowListChoice);

// A trace of 1,000,000 chords (999,999 internal reflections), drawn by one scroll-bar step.
void RainbowMillionChords(benchmark::State& state)
{
    QWidget* w = window(QStringLiteral("Rainbow"));
    auto* count = control<QLineEdit>(w, "Mmax");
    count->setText(QStringLiteral("999999"));
    auto* deviation = control<QLineEdit>(w, "D");
    deviation->clear(); // written again only by a trace that was not refused
    runEvent(state, "Rainbow", "plot1", true,
             [](QWidget* w, int i) { scrollStep(w, "VScroll1", i); });
    if (deviation->text().isEmpty())
        qFatal("the million-chord trace wrote no deviation");
    count->setText(QStringLiteral("0"));
}
BENCHMARK(RainbowMillionChords)->Unit(benchmark::kMillisecond);

// --- Instructions viewer ------------------------------------------------------------------

// The viewer created (reading and building the document), shown, laid out and painted.
void InstructionsLoadAndLayout(benchmark::State& state)
{
    int characters = 0;
    for (auto _ : state) {
        QWidget* viewer = createInstructionsViewer();
        viewer->show();
        auto* text = control<QTextEdit>(viewer, "RichTextBox1");
        const QSizeF size = text->document()->documentLayout()->documentSize();
        benchmark::DoNotOptimize(size);
        viewer->repaint();
        characters = text->document()->characterCount();
        state.PauseTiming();
        delete viewer;
        settle();
        state.ResumeTiming();
    }
    if (characters < 1000)
        qFatal("the instructions document was not loaded (%d characters)", characters);
    state.counters["characters"] = characters;
}
BENCHMARK(InstructionsLoadAndLayout)->Unit(benchmark::kMillisecond);

// --- The plot alone -----------------------------------------------------------------------

// Repainting must cost the same however much was drawn.
void PlotRepaintAfterLines(benchmark::State& state)
{
    PlotWidget plot;
    plot.resize(600, 300);
    plot.setScale(-40, 20, 40, -20);
    plot.show();
    if (!QTest::qWaitForWindowExposed(&plot))
        qFatal("plot never shown");
    for (int i = 0; i < state.range(0); ++i)
        plot.line({-40.0 + (i % 80), 20}, {40.0 - (i % 80), -20}, palette(i % 16));
    for (auto _ : state)
        plot.repaint();
    state.SetLabel(std::to_string(state.range(0)) + " lines drawn");
}
BENCHMARK(PlotRepaintAfterLines)->Arg(10)->Arg(10000);

// Raw rasterisation: chords across a drop-sized circle, as a long drop trace draws them.
void PlotChords(benchmark::State& state)
{
    PlotWidget plot;
    plot.resize(433, 433);
    plot.setScale(-2, 2, 2, -2);
    plot.show();
    if (!QTest::qWaitForWindowExposed(&plot))
        qFatal("plot never shown");
    const double step = 2.3;
    for (auto _ : state) {
        double phi = 0.5;
        plot.line({std::cos(phi), std::sin(phi)}, {std::cos(phi), std::sin(phi)}, palette(4));
        for (int i = 0; i < state.range(0); ++i) {
            phi += step;
            plot.lineTo({std::cos(phi), std::sin(phi)}, palette(4));
        }
        plot.repaint();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(PlotChords)->Arg(1000000)->Unit(benchmark::kMillisecond);

// --- Copy and save -------------------------------------------------------------------------

// The picture of a window written as a file would be (into memory, so the disk is not timed),
// or put on the clipboard with the values.
void PictureExport(benchmark::State& state, const char* windowName, int format)
{
    QWidget* w = window(QString::fromLatin1(windowName));
    auto* actions = w->findChild<ExportActions*>();
    if (!actions)
        qFatal("%s has no export actions", windowName);
    if (QString::fromLatin1(windowName) == QLatin1String("ThinLens"))
        control<QPushButton>(w, "Batch")->click();
    qint64 bytes = 0;
    for (auto _ : state) {
        if (format < 0) {
            actions->copy();
            continue;
        }
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        if (!writePicture(actions->picture(), PictureFormat(format), buffer, w->windowTitle()))
            qFatal("the picture was not written");
        bytes = buffer.size();
    }
    state.counters["bytes"] = double(bytes);
}
BENCHMARK_CAPTURE(PictureExport, ThinLensSvg, "ThinLens", int(PictureFormat::Svg))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PictureExport, ThinLensPdf, "ThinLens", int(PictureFormat::Pdf))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PictureExport, ThinLensPng, "ThinLens", int(PictureFormat::Png))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PictureExport, ThinLensCopy, "ThinLens", -1)->Unit(benchmark::kMillisecond);

// The largest fan a student is likely to save: 10,000 rays as vectors.
void PictureExportPrismFan10000(benchmark::State& state)
{
    QWidget* w = window(QStringLiteral("Prism"));
    control<QLineEdit>(w, "NRay")->setText(QStringLiteral("10000"));
    control<PlotWidget>(w, "Plot2")->clear();
    scrollStep(w, "HScroll1", 0);
    settle();
    PictureExport(state, "Prism", int(PictureFormat::Svg));
    control<QLineEdit>(w, "NRay")->setText(QStringLiteral("30"));
}
BENCHMARK(PictureExportPrismFan10000)->Unit(benchmark::kMillisecond);

// What the plot's record adds to each primitive: the bound's worth of chords kept, then the
// record erased, as a drop trace or a fan does at each step.
void PictureRecordChords(benchmark::State& state)
{
    std::vector<Point> ends;
    double phi = 0.5;
    for (int i = 0; i <= state.range(0); ++i, phi += 2.3)
        ends.push_back(Point{std::cos(phi), std::sin(phi)});
    PictureRecord record;
    record.scale(-2, 2, 2, -2);
    for (auto _ : state) {
        for (std::size_t i = 1; i < ends.size(); ++i)
            record.add({Primitive::Kind::Line, ends[i - 1], ends[i], 0, palette(4), false, false});
        benchmark::DoNotOptimize(record.size());
        record.clear();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(PictureRecordChords)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv);
}
