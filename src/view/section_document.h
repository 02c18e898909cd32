#pragma once

#include "chart/chart.h"
#include "chart/image_tool.h"
#include "chart/series.h"
#include "files/file_error.h"
#include "model/fill.h"
#include "model/section.h"
#include "view/renderer.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kalvero {

// What a repaint did.
struct RepaintOutcome {
    bool Ran = false;                   // false when there was nothing to show
    double ViewTop = 0, ViewBottom = 0; // the vertical range handed to the renderer
    std::optional<std::string> Error;   // a renderer error, shown to the user
    int LeftOutPoints = 0;              // logarithmic curve values of 0 or below, not drawn
};

// The section with everything the window shows of it: the entries and their chart objects, the
// chart, the section picture and the fill palette. The window and kalvero-cli both work through
// it; it holds no widget.
class SectionDocument {
public:
    SectionDocument();
    ~SectionDocument();
    SectionDocument(const SectionDocument&) = delete;
    SectionDocument& operator=(const SectionDocument&) = delete;

    TChart Chart1;
    TLineSeries Series1; // never holds a point: it maps the pointer position for the read-out
    std::unique_ptr<TPointSeries> BackgroundSeries;
    std::unique_ptr<TChartImageTool> BackgroundTool;
    FillPalette Palette = StartPalette();
    Section Model; // last, so that entries release their chart objects before the chart goes

    // The chart objects of an entry (nullptr when it has none).
    static TLineSeries* SeriesOf(const carotagedata& entry);
    static TChartImageTool* ImageToolOf(const carotagedata& entry);

    // Gives the entry its chart objects by its kind.
    void CreateChartObjects(int index);
    // A new entry of that kind, with its chart objects, made current.
    void AppendEntry(EntryKind kind);
    // Reads the project and gives every entry its chart objects. The section is kept when the
    // file cannot be opened; after an error part-way it holds the entries read completely.
    FileStatus ReadProjectFile(const std::string& path);
    FileStatus WriteProjectFile(const std::string& path) const;

    // The repaint: fits the axes to the section (unless the Repaint button asks to keep a zoomed
    // view of a section with other than one entry) and draws.
    RepaintOutcome Repaint(bool fromRepaintButton);

    // Lays the picture a section file names under the section, replacing the former one, and
    // repaints. A picture that is missing, or corners that are not four numbers, leave the former
    // picture and still repaint; a section file or picture that cannot be read is an error and
    // changes nothing.
    struct SectionOutcome {
        FileStatus Error;
        RepaintOutcome Repainted; // not run after an error
    };
    SectionOutcome OpenSection(const std::string& sectionFile);

    // Writes the column picture of every borehole entry, as last painted, as a 24-bit BMP into
    // the folder: named after the entry's data file, or for an entry without one after its
    // position as the project writer names data files; a name already given gets "_2", "_3", ...
    FileStatus ExportBitmaps(const std::string& folder) const;
    // The names ExportBitmaps gives, one per entry ("" for an entry without a picture).
    std::vector<std::string> BitmapNames() const;

private:
    MeanCache Means;
};

} // namespace kalvero
