#include "chart/chart.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <memory>
#include <random>
#include <vector>

namespace kalvero {
namespace {

// The medium benchmark project as the chart sees it: 50 carotage curves of 20,000 points each
// (1M points), each a log running down the depth axis inside a narrow band beside its position,
// over a section picture, on a 1920 x 1080 chart.
class TMediumSection {
public:
    static constexpr int CurveCount = 50;
    static constexpr int PointCount = 20000;
    static constexpr double Spacing = 100;
    static constexpr double Depth = 1000;

    TMediumSection() {
        Chart.SetSize({1920, 1080});
        Chart.BottomAxis.SetMinMax(-Spacing, CurveCount * Spacing);
        Chart.LeftAxis.SetMinMax(0, Depth);
        background_.XValuesOrder = loNone;
        background_.PointerStyle = psNothing;
        background_.AddXY(0, 0);
        background_.AddXY(CurveCount * Spacing, Depth);
        background_.SetParentChart(&Chart);
        picture_.Series = &background_;
        picture_.Picture = QImage(1200, 800, QImage::Format_RGB32);
        picture_.Picture.fill(QColor(230, 220, 200));
        picture_.SetParentChart(&Chart);
        std::mt19937 random(1);
        std::normal_distribution<double> noise(0, 1);
        for (int c = 0; c < CurveCount; ++c) {
            auto curve = std::make_unique<TLineSeries>();
            curve->XValuesOrder = loNone;
            curve->YValuesOrder = loAscending;
            curve->SeriesColor = QColor::fromHsv(c * 7 % 360, 255, 160);
            double value = 0;
            for (int i = 0; i < PointCount; ++i) {
                value = 0.98 * value + 0.2 * noise(random);
                curve->AddXY(c * Spacing - 20 + 8 * value, Depth * i / PointCount,
                             i == 0 ? QStringLiteral("K%1").arg(c) : QString());
            }
            curve->MarksVisible = c == 0;
            curve->SetParentChart(&Chart);
            curves_.push_back(std::move(curve));
        }
    }

    TChart Chart;

private:
    TPointSeries background_;
    TChartImageTool picture_;
    std::vector<std::unique_ptr<TLineSeries>> curves_;
};

void PaintWholeChart(benchmark::State& state, double zoom) {
    TMediumSection section;
    const double middle = TMediumSection::CurveCount * TMediumSection::Spacing / 2;
    const double halfWidth = middle / zoom;
    section.Chart.BottomAxis.SetMinMax(middle - halfWidth, middle + halfWidth);
    section.Chart.LeftAxis.SetMinMax(0, TMediumSection::Depth / zoom);
    QImage image(section.Chart.Size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        section.Chart.Paint(painter);
    }
    state.counters["points"] = TMediumSection::CurveCount * TMediumSection::PointCount;
}

void BM_PaintMediumSection(benchmark::State& state) {
    PaintWholeChart(state, 1);
}
void BM_PaintMediumSectionZoomed(benchmark::State& state) {
    PaintWholeChart(state, 8);
}

BENCHMARK(BM_PaintMediumSection)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintMediumSectionZoomed)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace kalvero

// Painting needs a QGuiApplication; the offscreen platform needs no display.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
