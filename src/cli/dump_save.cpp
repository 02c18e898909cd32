#include "cli/commands.h"
#include "cli/json_writer.h"
#include "files/project_file.h"

#include <cstdio>

namespace kalvero {

int Report(const FileError& error) {
    std::fprintf(stderr, "kalvero-cli: %s\n", error.Text().c_str());
    return ExitFileError;
}

namespace {

template <typename T> void NumberArray(JsonWriter& json, const char* key, const T& values) {
    json.Key(key).BeginArray();
    for (const auto& v : values)
        json.Number(static_cast<double>(v));
    json.EndArray();
}

void WriteEntry(JsonWriter& json, const carotagedata& e) {
    json.BeginObject();
    json.Key("name").String(e.Name);
    json.Key("dataFile").String(e.DataFile);
    json.Key("kind").Integer(e.Kind);
    json.Key("logarithmic").Bool(e.Logarithmic);
    json.Key("horizontalPosition").Number(e.HorizontalPosition);
    json.Key("positionFromSurface").Number(e.PositionFromSurface);
    json.Key("percent").Number(e.Percent);
    json.Key("normType").Integer(e.NormType);
    json.Key("dataIndex").Integer(e.DataIndex);
    json.Key("curveColor").Integer(e.CurveColor);
    NumberArray(json, "H", e.H);
    NumberArray(json, "Z", e.Z);
    json.Key("C").BeginArray();
    for (int32_t c : e.C)
        json.Integer(c);
    json.EndArray();
    json.Key("P").BeginArray();
    for (int32_t p : e.P)
        json.Integer(p);
    json.EndArray();
    json.Key("points").BeginArray();
    for (const auto& [depth, value] : e.Points)
        json.BeginArray().Number(depth).Number(value).EndArray();
    json.EndArray();
    json.EndObject();
}

void Flush(std::string& out) {
    std::fwrite(out.data(), 1, out.size(), stdout);
    out.clear();
}

} // namespace

void WriteSectionJson(const Section& section, std::string& out, bool close) {
    JsonWriter json(out);
    json.BeginObject();
    json.Key("current").Integer(section.CurrentBorehole);
    json.Key("entries").BeginArray();
    for (const carotagedata& e : section.Boreholes) {
        WriteEntry(json, e);
        if (out.size() > (1 << 20))
            Flush(out);
    }
    json.EndArray();
    if (close)
        json.EndObject();
}

int RunSave(const CliArguments& args) {
    Section section;
    if (FileStatus error = ReadProject(section, args.Positional[0]))
        return Report(*error);
    if (FileStatus error = WriteProject(section, args.Positional[1]))
        return Report(*error);
    return ExitOk;
}

} // namespace kalvero
