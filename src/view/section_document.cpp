#include "view/section_document.h"

#include "files/atomic_write.h"
#include "files/project_file.h"
#include "files/section_file.h"
#include "model/view_extents.h"
#include "view/fills.h"
#include "view/renderer.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>

namespace kalvero {

SectionDocument::SectionDocument() {
    Series1.SetParentChart(&Chart1);
    Series1.ShowInLegend = false;
}

SectionDocument::~SectionDocument() = default;

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

namespace {

// Loads a picture by Qt's readers, which pick the format by the extension.
FileStatus LoadPicture(const std::string& path, QImage& picture) {
    const QString name = QString::fromLocal8Bit(path.c_str());
    QImageReader reader(name);
    const QString suffix = QFileInfo(name).suffix();
    if (!QImageReader::supportedImageFormats().contains(suffix.toLower().toLatin1()))
        return FileError{"open the picture", path,
                         "Unknown picture file extension (." + suffix.toStdString() + ")"};
    picture = reader.read();
    if (picture.isNull())
        return FileError{"read the picture", path, reader.errorString().toStdString()};
    return std::nullopt;
}

} // namespace

SectionDocument::SectionOutcome SectionDocument::OpenSection(const std::string& sectionFile) {
    SectionOutcome outcome;
    SectionFileContent content;
    if ((outcome.Error = ReadSectionFile(sectionFile, content)))
        return outcome;
    if (!content.PicturePath.empty() && content.Corners) {
        QImage picture;
        if ((outcome.Error = LoadPicture(content.PicturePath, picture)))
            return outcome;
        BackgroundTool.reset();
        BackgroundSeries.reset();
        BackgroundSeries = std::make_unique<TPointSeries>();
        BackgroundSeries->PointerStyle = psNothing;
        BackgroundSeries->ShowInLegend = false;
        BackgroundSeries->Active = true;
        BackgroundSeries->SetParentChart(&Chart1);
        BackgroundSeries->AddXY(content.Corners->X1, content.Corners->Y1);
        BackgroundSeries->AddXY(content.Corners->X2, content.Corners->Y2);
        BackgroundTool = std::make_unique<TChartImageTool>();
        BackgroundTool->Series = BackgroundSeries.get();
        BackgroundTool->VerticalFlip = true; // upright on the downward depth axis
        BackgroundTool->Picture = std::move(picture);
        BackgroundTool->Active = true;
        BackgroundTool->SetParentChart(&Chart1);
        // Tools paint in the order they joined the chart: the column pictures join again after
        // the new section picture, so that they always lie over it.
        for (const carotagedata& e : Model.Boreholes) {
            TChartImageTool* tool = ImageToolOf(e);
            if (tool && tool->ParentChart() == &Chart1) {
                tool->SetParentChart(nullptr);
                tool->SetParentChart(&Chart1);
            }
        }
    }
    outcome.Repainted = Repaint(false);
    return outcome;
}

std::vector<std::string> SectionDocument::BitmapNames() const {
    std::vector<std::string> names;
    UniqueNames unique;
    for (const carotagedata& e : Model.Boreholes) {
        const TChartImageTool* tool = ImageToolOf(e);
        if (e.IsCarotage() || !tool || tool->Picture.isNull()) {
            names.emplace_back();
            continue;
        }
        std::string base = BaseNameForPosition(e.HorizontalPosition);
        if (!e.DataFile.empty()) {
            base = FileNamePart(e.DataFile);
            const size_t dot = base.find_last_of('.');
            if (dot != std::string::npos)
                base.erase(dot);
        }
        names.push_back(unique.Take(base, ".bmp"));
    }
    return names;
}

FileStatus SectionDocument::ExportBitmaps(const std::string& folder) const {
    const std::vector<std::string> names = BitmapNames();
    const std::string prefix = folder.empty() || folder.back() == '/' ? folder : folder + "/";
    for (size_t i = 0; i < names.size(); ++i) {
        if (names[i].empty())
            continue;
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        // 24 bits a pixel, as the column pictures are painted.
        ImageToolOf(Model.Boreholes[i])
            ->Picture.convertToFormat(QImage::Format_RGB888)
            .save(&buffer, "BMP");
        if (FileStatus error = WriteFileAtomically(prefix + names[i], bytes.toStdString()))
            return error;
    }
    return std::nullopt;
}

} // namespace kalvero
