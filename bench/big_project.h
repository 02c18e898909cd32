#pragma once

#include <string>

namespace kalvero {

// Sizes of the generated benchmark projects.
struct BigProjectShape {
    int Boreholes, LayersPerBorehole, Curves, PointsPerCurve;
};

inline constexpr BigProjectShape MediumProject{50, 40, 50, 20000};
inline constexpr BigProjectShape LargeProject{200, 60, 250, 20000};

// Writes a project of that shape in the real format (through the project writer) as
// folder/big.crt with its data files. Returns the project file's path.
std::string WriteBigProject(const std::string& folder, const BigProjectShape& shape);

// The project file for a shape under the benchmark folder, written once and reused.
std::string BigProjectFile(const char* name, const BigProjectShape& shape);

} // namespace kalvero
