#include "big_project.h"

#include "files/project_file.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>

namespace kalvero {

namespace {

// A plausible well log: a slow trend, beds of different level and noise, sampled every 0.1 m.
void FillCurve(carotagedata& e, int points, std::mt19937& random) {
    std::normal_distribution<double> noise(0, 4);
    std::uniform_real_distribution<double> bed(-20, 20);
    e.Points.reserve(points);
    double level = 60;
    for (int i = 0; i < points; ++i) {
        if (i % 400 == 0)
            level = 60 + bed(random);
        const double depth = i * 0.1;
        e.Points.emplace_back(depth, level + 10 * std::sin(depth / 50) + noise(random) + 40);
    }
}

void FillLayers(carotagedata& e, int layers, std::mt19937& random) {
    std::uniform_real_distribution<double> thickness(5, 80);
    std::uniform_int_distribution<int> pattern(0, 42);
    e.H.clear();
    e.C.clear();
    e.P.clear();
    for (int k = 0; k < layers; ++k) {
        e.H.push_back(std::round(thickness(random) * 10) / 10);
        e.C.push_back(static_cast<int32_t>(random() & 0xFFFFFF));
        e.P.push_back(pattern(random));
    }
    BottomsFromThickness(e);
}

} // namespace

std::string WriteBigProject(const std::string& folder, const BigProjectShape& shape) {
    std::mt19937 random(2026);
    Section section;
    int curves = 0, boreholes = 0;
    for (int i = 0; i < shape.Boreholes + shape.Curves; ++i) {
        // Boreholes and curves alternate while both last.
        const bool curve = curves < shape.Curves && (boreholes == shape.Boreholes || i % 2 == 1);
        (curve ? curves : boreholes)++;
        section.AppendEntry(curve ? EntryKind::Carotage : EntryKind::Borehole);
        carotagedata& e = section.Current();
        e.HorizontalPosition = 100.0 * i + 12.5;
        if (curve) {
            FillCurve(e, shape.PointsPerCurve, random);
            e.DataIndex = curves % 3;
            e.NormType = curves % 3;
            e.Logarithmic = curves % 5 == 0;
            e.CurveColor = static_cast<int32_t>(random() & 0xFFFFFF);
        } else {
            FillLayers(e, shape.LayersPerBorehole, random);
        }
    }
    std::filesystem::create_directories(folder);
    const std::string file = folder + "/big.crt";
    if (FileStatus error = WriteProject(section, file)) {
        std::fprintf(stderr, "%s\n", error->Text().c_str());
        std::exit(1);
    }
    return file;
}

std::string BigProjectFile(const char* name, const BigProjectShape& shape) {
    const char* root = std::getenv("KALVERO_BENCH_DIR");
    const std::string folder = std::string(root ? root : "/tmp/kalvero-bench") + "/" + name;
    const std::string file = folder + "/big.crt";
    if (!std::filesystem::exists(file))
        WriteBigProject(folder, shape);
    return file;
}

} // namespace kalvero
