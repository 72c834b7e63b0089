// A full redraw of the Prism Spectrum window: one step of the incidence slider (trace, chart
// and read-outs), then the paint of the picture and of the chart it leaves pending.
#include "bench_support.h"
#include "prism_spectrum_views.h"

#include <QComboBox>
#include <QEvent>
#include <QPainter>
#include <QSlider>
#include <QSpinBox>

#include <benchmark/benchmark.h>
#include <set>

using namespace lumenary;
using namespace lumenary::bench;

namespace
{

// Notes which of the watched widgets were painted.
class Painted : public QObject
{
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            seen.insert(watched);
        return false;
    }
    std::set<QObject*> seen;
};

// range(0): the number of wavelengths; range(1): 0 a single ray, 1 the narrow beam.
void PrismSpectrumRedraw(benchmark::State& state)
{
    QWidget* w = window(QStringLiteral("PrismSpectrum"));
    control<QSpinBox>(w, "countSpin")->setValue(static_cast<int>(state.range(0)));
    control<QComboBox>(w, "beamList")->setCurrentIndex(static_cast<int>(state.range(1)));
    auto* slider = control<QSlider>(w, "incidenceSlider");
    QWidget* picture = control<SpectrumPicture>(w, "pictureView");
    QWidget* chart = control<PrismDeviationChart>(w, "deviationChart");
    settle();
    Painted painted;
    picture->installEventFilter(&painted);
    chart->installEventFilter(&painted);
    int i = 0;
    for (auto _ : state) {
        painted.seen.clear();
        slider->setValue(slider->value() + (i++ % 2 == 0 ? 1 : -1));
        settle();
        if (painted.seen.size() < 2)
            qFatal("Prism Spectrum: the picture or the chart was not repainted");
    }
    picture->removeEventFilter(&painted);
    chart->removeEventFilter(&painted);
    state.counters["wavelengths"] = static_cast<double>(state.range(0));
}

// The two halves of a redraw apart, each painted into an image of its widget's size: the trace
// and the picture of light (range(0) wavelengths, single ray), and the chart.
void PrismSpectrumPictureOnly(benchmark::State& state)
{
    QWidget* w = window(QStringLiteral("PrismSpectrum"));
    auto* picture = control<SpectrumPicture>(w, "pictureView");
    PrismSpectrumSettings s;
    s.wavelengths = static_cast<int>(state.range(0));
    QImage image(picture->size(), QImage::Format_RGB32);
    int i = 0;
    for (auto _ : state) {
        s.incidence = 50.0 + 0.1 * (i++ % 2);
        picture->setScene(traceSpectrum(s));
        QPainter painter(&image);
        picture->paintPicture(painter, image.rect());
    }
}

void PrismSpectrumChartOnly(benchmark::State& state)
{
    QWidget* w = window(QStringLiteral("PrismSpectrum"));
    auto* chart = control<PrismDeviationChart>(w, "deviationChart");
    PrismSpectrumSettings s;
    QImage image(chart->size(), QImage::Format_RGB32);
    int i = 0;
    for (auto _ : state) {
        s.incidence = 50.0 + 0.1 * (i++ % 2);
        chart->setCurves(deviationCurves(s, 180), s.incidence);
        QPainter painter(&image);
        chart->paintPicture(painter, image.rect());
    }
}

} // namespace

BENCHMARK(PrismSpectrumPictureOnly)->Arg(40)->Arg(400)->Unit(benchmark::kMillisecond);
BENCHMARK(PrismSpectrumChartOnly)->Unit(benchmark::kMillisecond);
// Wall time decides the iterations; CPU time is that of all threads together.
BENCHMARK(PrismSpectrumRedraw)
    ->Args({40, 0})
    ->Args({400, 0})
    ->Args({400, 1})
    ->UseRealTime()
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv);
}
