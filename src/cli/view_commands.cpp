#include "cli/commands.h"
#include "cli/json_writer.h"
#include "files/atomic_write.h"
#include "view/section_document.h"

#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <cerrno>
#include <cstdio>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace kalvero {

void WriteSectionJson(const Section& section, std::string& out, bool close);

namespace {

// Drawing needs a Gui application; the CLI runs it on the offscreen platform, without a display.
std::unique_ptr<QGuiApplication> StartGui() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        // Qt wants a private runtime folder; without a session there is none, so make one.
        const QByteArray dir = QDir::tempPath().toLocal8Bit() + "/kalvero-runtime-" +
                               QByteArray::number(static_cast<qlonglong>(getuid()));
        if (mkdir(dir.constData(), 0700) == 0 || errno == EEXIST)
            qputenv("XDG_RUNTIME_DIR", dir);
    }
    static int argc = 1;
    static char name[] = "kalvero-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

std::string Extension(const std::string& path) {
    const size_t dot = path.find_last_of('.');
    const size_t slash = path.find_last_of('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return {};
    std::string ext = path.substr(dot);
    for (char& c : ext)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext;
}

void WriteViewJson(const SectionDocument& doc, const RepaintOutcome& outcome, std::string& out) {
    out += ','; // after the "entries" of the section written before
    JsonWriter json(out);
    json.Key("view").BeginObject();
    json.Key("bottomAxis").BeginArray().Number(doc.Chart1.BottomAxis.Minimum());
    json.Number(doc.Chart1.BottomAxis.Maximum()).EndArray();
    json.Key("leftAxis").BeginArray().Number(doc.Chart1.LeftAxis.Minimum());
    json.Number(doc.Chart1.LeftAxis.Maximum()).EndArray();
    json.Key("viewTop").Number(outcome.ViewTop);
    json.Key("viewBottom").Number(outcome.ViewBottom);
    json.Key("error");
    outcome.Error ? json.String(*outcome.Error) : json.Null();
    json.Key("entries").BeginArray();
    for (const carotagedata& e : doc.Model.Boreholes) {
        json.BeginObject();
        json.Key("columnLeft").Number(e.ColumnLeft);
        json.Key("columnRight").Number(e.ColumnRight);
        json.Key("curveMean").Number(e.CurveMean);
        json.Key("curveMin").Number(e.CurveMin);
        json.Key("curveMax").Number(e.CurveMax);
        json.Key("series").BeginArray();
        if (const TLineSeries* series = SectionDocument::SeriesOf(e)) {
            for (int i = 0; i < series->Count(); ++i) {
                const QByteArray label = series->Label(i).toUtf8();
                json.BeginArray().Number(series->XValue(i)).Number(series->YValue(i));
                json.String(std::string_view(label.constData(), label.size()));
                json.Bool(!series->IsNone(i)).EndArray();
            }
        }
        json.EndArray();
        json.Key("picture");
        const TChartImageTool* tool = SectionDocument::ImageToolOf(e);
        if (tool && !tool->Picture.isNull())
            json.BeginArray()
                .Integer(tool->Picture.width())
                .Integer(tool->Picture.height())
                .EndArray();
        else
            json.Null();
        json.EndObject();
    }
    json.EndArray();
    json.EndObject();
}

// Paints the chart into the bytes of a picture file of the format named by the extension.
QByteArray PaintToBytes(TChart& chart, const std::string& extension) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const QSize size = chart.Size();
    if (extension == ".png") {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        chart.Paint(painter);
        painter.end();
        image.save(&buffer, "PNG");
    } else if (extension == ".svg") {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle("Kalvero section");
        QPainter painter(&svg);
        chart.Paint(painter);
    } else {
        QPdfWriter pdf(&buffer);
        pdf.setTitle("Kalvero section");
        pdf.setResolution(96);
        pdf.setPageSize(QPageSize(QSizeF(size.width() * 72.0 / 96, size.height() * 72.0 / 96),
                                  QPageSize::Point));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter(&pdf);
        chart.Paint(painter);
    }
    return bytes;
}

// Opens the project (and the section file, when given) as the window does. Returns an exit
// status on failure.
std::optional<int> OpenAll(SectionDocument& doc, const CliArguments& args, PixelSize size) {
    doc.Chart1.SetSize(QSize(size.Width, size.Height));
    if (FileStatus error = doc.ReadProjectFile(args.Positional[0]))
        return Report(*error);
    if (args.SectionFile) {
        if (FileStatus error = doc.OpenSection(*args.SectionFile).Error)
            return Report(*error);
    }
    return std::nullopt;
}

// The repaint right after opening; a renderer error is reported but does not stop the command.
RepaintOutcome RepaintAfterOpening(SectionDocument& doc) {
    RepaintOutcome outcome = doc.Repaint(false);
    if (outcome.Error)
        std::fprintf(stderr, "kalvero-cli: warning: %s\n", outcome.Error->c_str());
    return outcome;
}

} // namespace

int RunDump(const CliArguments& args) {
    std::unique_ptr<QGuiApplication> gui;
    if (args.View || args.SectionFile)
        gui = StartGui();
    SectionDocument doc;
    if (auto status = OpenAll(doc, args, args.View.value_or(PixelSize{963, 447})))
        return *status;
    std::string out;
    WriteSectionJson(doc.Model, out, false);
    if (args.View) {
        const RepaintOutcome outcome = doc.Repaint(false);
        WriteViewJson(doc, outcome, out);
    }
    out += "}\n";
    std::fwrite(out.data(), 1, out.size(), stdout);
    return ExitOk;
}

int RunRender(const CliArguments& args) {
    const std::string& target = args.Positional[1];
    const std::string extension = Extension(target);
    if (extension != ".png" && extension != ".svg" && extension != ".pdf") {
        std::fprintf(stderr,
                     "kalvero-cli: cannot tell the picture format of \"%s\" (use .png, "
                     ".svg or .pdf)\n\n%s",
                     target.c_str(), UsageText().c_str());
        return ExitUsage;
    }
    auto gui = StartGui();
    SectionDocument doc;
    if (auto status = OpenAll(doc, args, args.Size.value_or(PixelSize{1920, 1080})))
        return *status;
    RepaintAfterOpening(doc);
    const QByteArray bytes = PaintToBytes(doc.Chart1, extension);
    if (FileStatus error = WriteFileAtomically(target, bytes.toStdString()))
        return Report(*error);
    return ExitOk;
}

int RunExportBitmaps(const CliArguments& args) {
    auto gui = StartGui();
    SectionDocument doc;
    if (auto status = OpenAll(doc, args, args.Size.value_or(PixelSize{963, 447})))
        return *status;
    RepaintAfterOpening(doc);
    if (FileStatus error = doc.ExportBitmaps(args.Positional[1]))
        return Report(*error);
    return ExitOk;
}

} // namespace kalvero
