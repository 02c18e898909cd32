#include "view/section_document.h"

#include "files/project_file.h"
#include "model/view_extents.h"
#include "view/fills.h"
#include "view/renderer.h"

namespace kalvero {

SectionDocument::SectionDocument() {
    Series1.SetParentChart(&Chart1);
    Series1.ShowInLegend = false;
}

SectionDocument::~SectionDocument() {
    Model.Boreholes.clear();
}

TLineSeries* SectionDocument::SeriesOf(const carotagedata& entry) {
    return static_cast<TLineSeries*>(entry.Series.get());
}

TChartImageTool* SectionDocument::ImageToolOf(const carotagedata& entry) {
    return static_cast<TChartImageTool*>(entry.ImageTool.get());
}

void SectionDocument::CreateChartObjects(int index) {
    carotagedata& e = Model.Boreholes.at(index);
    if (!e.Series)
        e.Series = std::make_shared<TLineSeries>();
    TLineSeries* series = SeriesOf(e);
    series->XValuesOrder = loNone;
    series->YValuesOrder = loAscending;
    series->ShowInLegend = false;
    if (e.IsCarotage()) {
        series->PointerVisible = false;
        series->MarksVisible = true;
        series->SeriesColor = ColorFromValue(e.CurveColor);
        return;
    }
    series->PointerVisible = true;
    series->PointerStyle = psNothing;
    series->MarksVisible = false;
    series->Active = false;
    auto tool = std::make_shared<TChartImageTool>();
    tool->Series = series;
    tool->Transparent = true;
    tool->TransparentColor = Qt::white;
    tool->VerticalFlip = true;
    e.ImageTool = std::move(tool);
}

void SectionDocument::AppendEntry(EntryKind kind) {
    Model.AppendEntry(kind);
    CreateChartObjects(Model.CurrentBorehole);
}

FileStatus SectionDocument::ReadProjectFile(const std::string& path) {
    FileStatus status = ReadProject(Model, path);
    for (size_t i = 0; i < Model.Boreholes.size(); ++i)
        if (!Model.Boreholes[i].Series)
            CreateChartObjects(static_cast<int>(i));
    return status;
}

FileStatus SectionDocument::WriteProjectFile(const std::string& path) const {
    return WriteProject(Model, path);
}

RepaintOutcome SectionDocument::Repaint(bool fromRepaintButton) {
    RepaintOutcome outcome;
    if (Model.Empty() && !BackgroundSeries)
        return outcome;
    std::optional<PictureCorners> corners;
    if (BackgroundSeries && BackgroundSeries->Count() >= 2)
        corners = PictureCorners{BackgroundSeries->XValue(0), BackgroundSeries->YValue(0),
                                 BackgroundSeries->XValue(1), BackgroundSeries->YValue(1)};
    const SectionExtents extents = ComputeExtents(Model, corners);
    const bool keepZoom = fromRepaintButton && Model.Boreholes.size() != 1;
    if (!keepZoom) {
        Chart1.BottomAxis.SetMinMax(extents.MinX, extents.MaxX);
        Chart1.LeftAxis.SetMinMax(extents.MinDepth, extents.MaxDepth);
    }
    const DrawRange range = RangeForDrawing(Chart1.LeftAxis.Minimum(), Chart1.LeftAxis.Maximum());
    Chart1.UpdateLayout();
    const DrawOutcome drawn = DrawSection(Model, Chart1, range.Top, range.Bottom, &Means);
    outcome.Ran = true;
    outcome.ViewTop = range.Top;
    outcome.ViewBottom = range.Bottom;
    outcome.Error = drawn.Error;
    outcome.LeftOutPoints = drawn.LeftOutPoints;
    return outcome;
}

} // namespace kalvero
