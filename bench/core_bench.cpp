// Opening and saving big projects, against a floor that only reads the same bytes and parses
// every number with std::from_chars.
#include "big_project.h"

#include "files/line_reader.h"
#include "files/project_file.h"

#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <random>

using namespace kalvero;

namespace {

const BigProjectShape& ShapeOf(int which) {
    return which ? LargeProject : MediumProject;
}
const char* NameOf(int which) {
    return which ? "large" : "medium";
}

std::vector<std::string> DataFilesOf(const std::string& project) {
    Section s;
    ReadProject(s, project);
    std::vector<std::string> files;
    for (const auto& e : s.Boreholes)
        files.push_back(e.DataFile);
    return files;
}

// The floor: read each data file whole and parse every blank-separated number.
void Floor(benchmark::State& state) {
    const std::string project = BigProjectFile(NameOf(state.range(0)), ShapeOf(state.range(0)));
    const auto files = DataFilesOf(project);
    std::vector<char> buffer;
    int64_t bytes = 0;
    for (auto _ : state) {
        double sum = 0;
        for (const std::string& path : files) {
            std::FILE* f = std::fopen(path.c_str(), "rb");
            buffer.resize(std::filesystem::file_size(path));
            const size_t got = std::fread(buffer.data(), 1, buffer.size(), f);
            std::fclose(f);
            bytes += static_cast<int64_t>(got);
            const char* p = buffer.data();
            const char* end = p + got;
            while (p < end) {
                while (p < end && (*p == ' ' || *p == '\r' || *p == '\n'))
                    ++p;
                double v = 0;
                const auto r = std::from_chars(p, end, v);
                sum += v;
                p = r.ptr == p ? p + 1 : r.ptr;
            }
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetBytesProcessed(bytes);
}

void Open(benchmark::State& state) {
    const std::string project = BigProjectFile(NameOf(state.range(0)), ShapeOf(state.range(0)));
    int64_t bytes = 0;
    for (const auto& path : DataFilesOf(project))
        bytes += static_cast<int64_t>(std::filesystem::file_size(path));
    for (auto _ : state) {
        Section s;
        if (ReadProject(s, project))
            state.SkipWithError("read failed");
        benchmark::DoNotOptimize(s.Boreholes.data());
    }
    state.SetBytesProcessed(bytes * state.iterations());
}

void Save(benchmark::State& state) {
    const std::string project = BigProjectFile(NameOf(state.range(0)), ShapeOf(state.range(0)));
    Section s;
    ReadProject(s, project);
    const std::string out = std::filesystem::temp_directory_path() / "kalvero-bench-save";
    std::filesystem::create_directories(out);
    int64_t bytes = 0;
    for (auto _ : state) {
        if (WriteProject(s, out + "/big.crt"))
            state.SkipWithError("write failed");
    }
    for (const auto& entry : std::filesystem::directory_iterator(out))
        bytes += static_cast<int64_t>(entry.file_size());
    std::filesystem::remove_all(out);
    state.SetBytesProcessed(bytes * state.iterations());
}

void Mean(benchmark::State& state) {
    std::mt19937 random(5);
    std::normal_distribution<double> noise(50, 5);
    arofdoubleM values(static_cast<size_t>(state.range(0)));
    for (double& v : values)
        v = noise(random);
    // A tenth of the samples are spikes, so the mean has many values to reject.
    for (size_t i = 0; i < values.size(); i += 10)
        values[i] = 1000 + static_cast<double>(i % 7);
    for (auto _ : state)
        benchmark::DoNotOptimize(RobustMean(values));
    state.SetComplexityN(state.range(0));
}

} // namespace

BENCHMARK(Floor)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(Open)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(Save)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(Mean)
    ->RangeMultiplier(4)
    ->Range(1 << 12, 1 << 20)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oNLogN);

BENCHMARK_MAIN();
