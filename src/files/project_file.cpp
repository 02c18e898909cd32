// Project file (".crt"): three lines per entry, written with CR LF.
//   100_0.txt                                          data-file line
//   100.0                                              label line
//   100.0000 3.00 2 0 0 0 0  0.00000000000000E+0000    numbers line
// Numbers line: position, percent, kind, norm type, data index, curve colour, logarithmic flag and
// position from surface. A reader takes at least seven numbers; with nine or more the ninth is the
// position from surface.
//
// Data file (".txt"): lines of four numbers, read in pairs. The first line of a pair adds a curve
// point (first, second number); the second adds a point and a layer (bottom depth, colour,
// pattern from the first, third and fourth number). A borehole writes two lines per layer:
//   0 1 255 0                                          top of layer 1 (then the previous bottom)
//    5.00000000000000E+0000 1 255 0                    its bottom
// A carotage entry writes one line per point:
//    0.00000000000000E+0000  1.00000000000000E+0001 0 0
#include "files/project_file.h"

#include "files/atomic_write.h"
#include "files/line_reader.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace kalvero {

namespace {

// The first numbers of a line, and how many numbers it holds up to `limit` + 1.
template <size_t N> struct LineNumbers {
    std::array<double, N> Values{};
    size_t Count = 0;
};

template <size_t N> LineNumbers<N> ScanNumbers(std::string_view line) {
    LineNumbers<N> result;
    ForEachNumber(line, [&](double value) {
        if (result.Count < N)
            result.Values[result.Count] = value;
        return ++result.Count <= N; // one more than N tells "more than N"
    });
    return result;
}

std::string ResolveDataFile(std::string_view line, const std::string& projectFolder) {
    std::string path(line);
    if (IsExistingFile(path))
        return path;
    path = projectFolder + path;
    return IsExistingFile(path) ? path : std::string();
}

// Fields from the numbers line. A line with fewer than seven numbers uses the numbers it has in
// their order; the fields it lacks keep the values of a new borehole entry.
void ApplyNumbersLine(carotagedata& entry, std::string_view line) {
    const auto numbers = ScanNumbers<9>(line);
    const size_t count = std::min<size_t>(numbers.Count, 9);
    const auto& v = numbers.Values;
    entry.Percent = DefaultPercent;
    entry.Kind = BoreholeKind;
    if (count > 0)
        entry.HorizontalPosition = v[0];
    if (count > 1)
        entry.Percent = v[1];
    if (count > 2)
        entry.Kind = RoundToInt32(v[2]);
    if (count > 3)
        entry.NormType = RoundToInt32(v[3]);
    if (count > 4)
        entry.DataIndex = RoundToInt32(v[4]);
    if (count > 5)
        entry.CurveColor = RoundToInt32(v[5]);
    if (count > 6) // the flag is kept in one byte: its low 8 bits decide
        entry.Logarithmic = (static_cast<uint32_t>(RoundToInt32(v[6])) & 0xFF) != 0;
    if (count == 8)
        entry.PositionFromSurface = v[7];
    else if (count == 9)
        entry.PositionFromSurface = v[8];
}

FileStatus ReadDataFile(carotagedata& entry) {
    LineReader data(entry.DataFile);
    if (data.Status())
        return data.Status();
    std::string_view line;
    while (data.Next(line)) {
        const auto first = ScanNumbers<4>(line);
        if (first.Count == 4)
            entry.Points.emplace_back(first.Values[0], first.Values[1]);
        const bool more = data.Next(line);
        if (!more)
            line = {};
        const auto second = ScanNumbers<4>(line);
        if (second.Count == 4) {
            entry.Z.push_back(second.Values[0]);
            entry.C.push_back(RoundToInt32(second.Values[2]));
            entry.P.push_back(RoundToInt32(second.Values[3]));
            entry.Points.emplace_back(second.Values[0], second.Values[1]);
        }
        if (!more)
            break;
    }
    if (data.Status())
        return data.Status();
    entry.Points.shrink_to_fit();
    entry.Z.shrink_to_fit();
    entry.C.shrink_to_fit();
    entry.P.shrink_to_fit();
    ThicknessFromBottoms(entry);
    return std::nullopt;
}

void AppendInteger(std::string& out, long long value) {
    out += std::to_string(value);
}

// Plain position texts longer than this give way to the exponent form in file names.
constexpr size_t MaxPlainNameLength = 64;

// A field of the numbers line with NumberToText(extra, 1, value). NumberToText shows the missing
// marker as "*", which a reader drops from the line, moving every later number into the field
// before it; the marker's own digits read back as the marker.
std::string NumberField(int extra, double value) {
    if (value == MissingValue)
        return std::to_string(static_cast<long long>(MissingValue)) + '.' +
               std::string(static_cast<size_t>(extra) + 1, '0');
    return NumberToText(extra, 1, value);
}

} // namespace

FileStatus ReadProject(Section& section, const std::string& projectFile) {
    LineReader project(projectFile);
    if (project.Status())
        return project.Status();
    const std::string folder = FolderOf(projectFile);
    std::vector<carotagedata> entries;
    FileStatus failure;
    std::string_view line;
    bool sawText = false;
    while (!failure && project.Next(line)) {
        std::string path = ResolveDataFile(line, folder);
        if (path.empty()) {
            // No such file: the line is dropped, the next one is tried as a data-file line.
            sawText = sawText || line.find_first_not_of(" \t") != std::string_view::npos;
            continue;
        }
        carotagedata entry;
        entry.DataFile = std::move(path);
        if (project.Next(line)) {
            entry.Name = std::string(line);
            if (!project.Next(line))
                line = {};
        } else {
            line = {};
        }
        ApplyNumbersLine(entry, line);
        failure = ReadDataFile(entry);
        if (!failure)
            entries.push_back(std::move(entry));
    }
    if (!failure)
        failure = project.Status();
    // Text without a single entry is no project (a certificate, say, or a project whose data
    // files are all gone): say so and keep the section, rather than show an empty one as opened.
    if (!failure && entries.empty() && sawText)
        failure = FileError{"open", projectFile, "no line of it names an existing data file"};
    // A read that gives not one entry changes nothing: the section the user had is not lost.
    if (failure && entries.empty())
        return failure;
    section.Boreholes = std::move(entries);
    section.CurrentBorehole = 0;
    return failure;
}

std::string BaseNameForPosition(double horizontalPosition) {
    std::string name = NumberToText(0, 1, horizontalPosition);
    // Far out (about 1e62 and beyond) the plain text would make a name longer than file systems
    // allow: the exponent form is short, and its "E" keeps it apart from every plain name.
    if (name.size() > MaxPlainNameLength) {
        name.clear();
        AppendExponentForm(name, horizontalPosition);
        name.erase(0, name.find_first_not_of(' '));
    }
    for (char& c : name)
        if (c == '.')
            c = '_';
    return name;
}

std::string UniqueNames::Take(const std::string& base, const std::string& extension) {
    std::string name = base + extension;
    for (int n = 2; Taken.count(name); ++n)
        name = base + "_" + std::to_string(n) + extension;
    Taken.insert(name);
    return name;
}

std::vector<std::string> DataFileNames(const Section& section) {
    std::vector<std::string> names;
    UniqueNames unique;
    for (const carotagedata& entry : section.Boreholes)
        names.push_back(unique.Take(BaseNameForPosition(entry.HorizontalPosition), ".txt"));
    return names;
}

std::string NumbersLine(const carotagedata& entry) {
    std::string line = NumberField(3, entry.HorizontalPosition);
    line += ' ';
    line += NumberField(1, entry.Percent);
    for (long long value :
         {static_cast<long long>(entry.Kind), static_cast<long long>(entry.NormType),
          static_cast<long long>(entry.DataIndex), static_cast<long long>(entry.CurveColor),
          static_cast<long long>(entry.Logarithmic ? 1 : 0)}) {
        line += ' ';
        AppendInteger(line, value);
    }
    line += ' ';
    AppendExponentForm(line, entry.PositionFromSurface);
    return line;
}

std::string DataFileText(const carotagedata& entry) {
    std::string text;
    if (entry.IsCarotage()) {
        text.reserve(entry.Points.size() * 52);
        for (const auto& [depth, value] : entry.Points) {
            AppendExponentForm(text, depth);
            text += ' ';
            AppendExponentForm(text, value);
            text += " 0 0\r\n";
        }
        return text;
    }
    const size_t layers = std::min({entry.Z.size(), entry.C.size(), entry.P.size()});
    text.reserve(layers * 70);
    for (size_t k = 0; k < layers; ++k) {
        const std::string fill =
            " 1 " + std::to_string(entry.C[k]) + ' ' + std::to_string(entry.P[k]) + "\r\n";
        if (k == 0)
            text += '0';
        else
            AppendExponentForm(text, entry.Z[k - 1]);
        text += fill;
        AppendExponentForm(text, entry.Z[k]);
        text += fill;
    }
    return text;
}

FileStatus WriteProject(const Section& section, const std::string& projectFile) {
    const std::string folder = FolderOf(projectFile);
    const std::vector<std::string> names = DataFileNames(section);
    AtomicFileSet files;
    std::string project;
    for (size_t i = 0; i < section.Boreholes.size(); ++i) {
        const carotagedata& entry = section.Boreholes[i];
        project += names[i] + "\r\n";
        project += NumberToText(0, 1, entry.HorizontalPosition) + "\r\n";
        project += NumbersLine(entry) + "\r\n";
        if (FileStatus error = files.Stage(folder + names[i], DataFileText(entry)))
            return error;
    }
    if (FileStatus error = files.Stage(projectFile, project))
        return error;
    return files.Commit();
}

} // namespace kalvero
