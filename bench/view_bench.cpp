// A repaint of the big projects as the window does it while the user zooms: extents, the
// renderer, and painting the chart into a 1920x1080 picture.
#include "big_project.h"

#include "view/section_document.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

using namespace kalvero;

namespace {

// The medium (argument 0) or large (1) project on a 1920x1080 chart.
void OpenBig(SectionDocument& doc, const benchmark::State& state) {
    const bool large = state.range(0) == 1;
    doc.ReadProjectFile(
        BigProjectFile(large ? "large" : "medium", large ? LargeProject : MediumProject));
    doc.Chart1.SetSize(QSize(1920, 1080));
}

void Repaint(benchmark::State& state) {
    SectionDocument doc;
    OpenBig(doc, state);
    QImage image(1920, 1080, QImage::Format_RGB32);
    for (auto _ : state) {
        doc.Repaint(false);
        QPainter painter(&image);
        doc.Chart1.Paint(painter);
    }
}

// The first repaint after opening: no curve's mean is known yet.
void RepaintFirst(benchmark::State& state) {
    SectionDocument doc;
    OpenBig(doc, state);
    doc.Repaint(false);
    QImage image(1920, 1080, QImage::Format_RGB32);
    for (auto _ : state) {
        DrawSection(doc.Model, doc.Chart1, doc.Chart1.LeftAxis.Minimum(),
                    doc.Chart1.LeftAxis.Maximum());
        QPainter painter(&image);
        doc.Chart1.Paint(painter);
    }
}

void RepaintZoomed(benchmark::State& state) {
    SectionDocument doc;
    doc.ReadProjectFile(BigProjectFile("medium", MediumProject));
    doc.Chart1.SetSize(QSize(1920, 1080));
    doc.Repaint(false);
    doc.Chart1.BottomAxis.SetMinMax(1000, 3000);
    doc.Chart1.LeftAxis.SetMinMax(200, 600);
    QImage image(1920, 1080, QImage::Format_RGB32);
    for (auto _ : state) {
        doc.Repaint(true);
        QPainter painter(&image);
        doc.Chart1.Paint(painter);
    }
}

} // namespace

BENCHMARK(Repaint)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(RepaintFirst)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(RepaintZoomed)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
