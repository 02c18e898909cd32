#pragma once

#include "chart/chart.h"
#include "model/section.h"

#include <optional>
#include <string>

namespace kalvero {

struct DrawOutcome {
    std::optional<std::string> Error;
    int LeftOutPoints = 0; // logarithmic curve values of 0 or below
};

// Turns the entries into what the chart shows: strips, curve series and column pictures. Needs
// every entry's chart objects. viewTop and viewBottom are the vertical range drawn.
DrawOutcome DrawSection(Section& section, TChart& chart, double viewTop, double viewBottom);

} // namespace kalvero
