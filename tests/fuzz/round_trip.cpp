#include "round_trip.h"

#include "files/project_file.h"
#include "fuzz_support.h"

#include <cmath>

namespace kalvero {

namespace {

std::string ExponentText(double value) {
    std::string text;
    AppendExponentForm(text, value);
    return text;
}

// Numbers kept in the exponent form read back to a value with the same exponent form.
bool SameExponentForm(double a, double b) {
    return ExponentText(a) == ExponentText(b);
}

// Numbers written with NumberToText(extra, 1, value) come back within half a unit of their last
// decimal, which is at most 0.5 * 10^-extra of the value itself.
bool WithinShownDecimals(double a, double b, int extra) {
    return std::fabs(a - b) <= 0.5 * std::pow(10.0, -extra) * std::fabs(a) * (1 + 1e-9);
}

bool SameSettings(const carotagedata& a, const carotagedata& b) {
    return a.Kind == b.Kind && a.NormType == b.NormType && a.DataIndex == b.DataIndex &&
           a.CurveColor == b.CurveColor && a.Logarithmic == b.Logarithmic;
}

void CheckStored(const carotagedata& a, const carotagedata& b) {
    FuzzCheck(SameSettings(a, b), "round trip: kind, norm type, data index, colour or logarithm");
    FuzzCheck(WithinShownDecimals(a.HorizontalPosition, b.HorizontalPosition, 3),
              "round trip: horizontal position");
    FuzzCheck(WithinShownDecimals(a.Percent, b.Percent, 1), "round trip: percent");
    FuzzCheck(SameExponentForm(a.PositionFromSurface, b.PositionFromSurface),
              "round trip: position from surface");
    if (a.IsCarotage()) {
        FuzzCheck(a.Points.size() == b.Points.size(), "round trip: count of curve points");
        for (size_t i = 0; i < a.Points.size(); ++i)
            FuzzCheck(SameExponentForm(a.Points[i].first, b.Points[i].first) &&
                          SameExponentForm(a.Points[i].second, b.Points[i].second),
                      "round trip: curve point");
        return;
    }
    FuzzCheck(a.Z.size() == b.Z.size(), "round trip: count of layers");
    for (size_t i = 0; i < a.Z.size(); ++i)
        FuzzCheck(SameExponentForm(a.Z[i], b.Z[i]), "round trip: bottom depth");
    FuzzCheck(a.C == b.C && a.P == b.P, "round trip: layer fills");
}

void CheckUnchanged(const carotagedata& a, const carotagedata& b) {
    FuzzCheck(SameSettings(a, b) && a.HorizontalPosition == b.HorizontalPosition &&
                  a.Percent == b.Percent && a.PositionFromSurface == b.PositionFromSurface,
              "second round trip: numbers line");
    FuzzCheck(a.Points == b.Points && a.Z == b.Z && a.H == b.H && a.C == b.C && a.P == b.P,
              "second round trip: data file");
}

Section WriteAndReadBack(const Section& section, const std::string& folderName) {
    for (const std::string& name : DataFileNames(section))
        FuzzCheck(name.find('/') == std::string::npos && name != "." && name != "..",
                  "a data file name leaves the project folder");
    const std::string project = FreshFuzzFolder(folderName) + "p.crt";
    FuzzCheck(!WriteProject(section, project), "a project cannot be written");
    Section back;
    FuzzCheck(!ReadProject(back, project), "a written project cannot be read");
    FuzzCheck(back.Boreholes.size() == section.Boreholes.size(), "round trip: count of entries");
    return back;
}

} // namespace

void CheckReadEntries(const Section& section) {
    for (const carotagedata& entry : section.Boreholes) {
        FuzzCheck(entry.Z.size() == entry.C.size() && entry.Z.size() == entry.P.size() &&
                      entry.Z.size() == entry.H.size(),
                  "one bottom depth, colour, pattern and thickness per layer");
        FuzzCheck(entry.Points.size() >= entry.Z.size(), "every layer line is also a point");
        for (const auto& [depth, value] : entry.Points)
            FuzzCheck(std::isfinite(depth) && std::isfinite(value), "a read number is finite");
        FuzzCheck(std::isfinite(entry.HorizontalPosition) && std::isfinite(entry.Percent) &&
                      std::isfinite(entry.PositionFromSurface),
                  "a read number is finite");
        FuzzCheck(!entry.DataFile.empty(), "an entry names the data file it was read from");
    }
}

void CheckProjectRoundTrip(const Section& first) {
    const Section second = WriteAndReadBack(first, "write1");
    for (size_t i = 0; i < first.Boreholes.size(); ++i)
        CheckStored(first.Boreholes[i], second.Boreholes[i]);
    const Section third = WriteAndReadBack(second, "write2");
    for (size_t i = 0; i < second.Boreholes.size(); ++i)
        CheckUnchanged(second.Boreholes[i], third.Boreholes[i]);
}

} // namespace kalvero
