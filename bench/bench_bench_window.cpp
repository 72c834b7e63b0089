// The Optical Bench's window at its opening size under the offscreen platform: an element dragged
// by the mouse in every shipped example, and in a scene of 100 elements lit by white light, timed
// from the mouse event to the painted frame with the trace that frame holds. A trace longer than
// the frame's share is cut and finished on idle passes, outside the timing; the counter
// whole_in_frame says how often the frame already held the whole trace.
#include "bench_support.h"

#include "bench_document.h"
#include "bench_files.h"
#include "bench_picture.h"
#include "bench_window.h"
#include "element_edit.h"
#include "trace_runner.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMouseEvent>

#include <benchmark/benchmark.h>

#include <chrono>

using namespace lumenary;
using namespace lumenary::bench;

namespace
{

// Paints the picture when its paint event comes and notes when that paint ended.
class PaintWatch final : public QObject
{
public:
    bool painted = false;
    std::chrono::steady_clock::time_point end;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Paint || m_inside)
            return false;
        m_inside = true;
        watched->event(event);
        m_inside = false;
        end = std::chrono::steady_clock::now();
        painted = true;
        return true;
    }

private:
    bool m_inside = false;
};

BenchWindow* bench()
{
    auto* w = qobject_cast<BenchWindow*>(window(QStringLiteral("OpticalBench")));
    if (!w)
        qFatal("no Optical Bench");
    BenchDialogs quiet = defaultBenchDialogs();
    quiet.askUnsaved = [](QWidget*, const QString&) { return UnsavedAnswer::Discard; };
    w->setDialogs(quiet);
    return w;
}

void send(QWidget* to, QEvent::Type type, QPoint at, Qt::MouseButtons buttons)
{
    QMouseEvent e(type, at, to->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(to, &e);
}

// Drags element `index` back and forth by 16 pixels, each move timed to its painted frame.
void dragTimed(benchmark::State& state, BenchWindow* w, int index)
{
    BenchPicture* picture = w->picture();
    w->trace().finish();
    settle();
    const QPoint at = picture->elementRect(index).center();
    if (!picture->rect().contains(at))
        qFatal("element %d is not in the picture", index);
    PaintWatch watch;
    picture->installEventFilter(&watch);
    send(picture, QEvent::MouseButtonPress, at, Qt::LeftButton);
    int i = 0;
    int whole = 0;
    for (auto _ : state) {
        watch.painted = false;
        const auto start = std::chrono::steady_clock::now();
        send(picture, QEvent::MouseMove, at + QPoint(i++ % 2 == 0 ? 16 : 0, 0), Qt::LeftButton);
        // The event loop as the screen runs it, up to the repaint the move asked for.
        for (int pass = 0; !watch.painted && pass < 1000; ++pass)
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (!watch.painted)
            qFatal("the drag was not painted");
        const auto end = watch.end;
        whole += w->trace().finished() ? 1 : 0;
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        w->trace().finish(); // the idle passes' part, outside the timing
    }
    send(picture, QEvent::MouseButtonRelease, at, Qt::NoButton);
    picture->removeEventFilter(&watch);
    settle();
    state.counters["elements"] = double(w->document().scene().elements.size());
    state.counters["whole_in_frame"] = state.iterations() ? double(whole) / state.iterations() : 0;
}

// The element a student would drag in an example: the first that is not a light source.
int dragged(const Scene& scene)
{
    for (std::size_t i = 0; i < scene.elements.size(); ++i)
        if (!scene.elements[i].isSource())
            return int(i);
    return 0;
}

void BenchDragExample(benchmark::State& state)
{
    const std::vector<ExampleScene> examples = exampleScenes();
    if (std::size_t(state.range(0)) >= examples.size()) {
        state.SkipWithError("no such example");
        return;
    }
    const ExampleScene& example = examples[std::size_t(state.range(0))];
    state.SetLabel(example.title.toStdString());
    BenchWindow* w = bench();
    if (!w->openExample(example))
        qFatal("the example %s did not open", qPrintable(example.path));
    dragTimed(state, w, dragged(w->document().scene()));
}
BENCHMARK(BenchDragExample)->DenseRange(0, 6)->UseManualTime()->Unit(benchmark::kMillisecond);

// Ten by ten elements of every kind that bends light, lit by 100 rays of white light (40
// wavelengths) from the left; a detector at the right. One lens in the middle is dragged.
void BenchDrag100Elements(benchmark::State& state)
{
    BenchWindow* w = bench();
    w->newScene();
    constexpr double kCell = 40.0;
    Scene s;
    Element beam = newElement(ElementType::Beam, {-kCell, 4.5 * kCell}, 10 * kCell);
    std::get<BeamSource>(beam.shape).rays = 100;
    std::get<BeamSource>(beam.shape).light = Light{kLineD, 40};
    s.elements.push_back(beam);
    static const ElementType kinds[] = {ElementType::SphericalLens, ElementType::Circle,
                                        ElementType::Glass, ElementType::IdealLens,
                                        ElementType::ArcMirror};
    for (int j = 0; j < 10; ++j)
        for (int i = 0; i < 10; ++i)
            if (i != 9 || j != 9)
                s.elements.push_back(
                    newElement(kinds[(i + j) % 5], {i * kCell, j * kCell}, kCell * 0.6));
    s.elements.push_back(newElement(ElementType::Detector, {10 * kCell, 4.5 * kCell}, 10 * kCell));
    w->document().reset(s, {});
    w->picture()->fit();
    dragTimed(state, w, 45);
}
BENCHMARK(BenchDrag100Elements)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv);
}
