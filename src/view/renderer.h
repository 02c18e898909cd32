#pragma once

#include "chart/chart.h"
#include "model/section.h"

#include <optional>
#include <string>
#include <unordered_map>

namespace kalvero {

// Robust means of the curves drawn last time, with the values they were computed from. Zooming
// and panning repaint the same curves over and over; a curve whose prepared values are bit for
// bit those of the last call takes its mean from here instead of computing it again.
class MeanCache {
public:
    double Mean(const void* key, const arofdoubleM& values);
    // Forgets curves not asked for since the last call (removed entries, replaced projects).
    void Sweep();

private:
    struct Item {
        arofdoubleM Values;
        double Mean = 0;
        bool Used = false;
    };
    std::unordered_map<const void*, Item> Items;
};

struct DrawOutcome {
    std::optional<std::string> Error;
    int LeftOutPoints = 0; // logarithmic curve values of 0 or below
};

// Column pictures together hold at most this many pixels (128 MB), however many columns a
// section has and however far the chart is zoomed; past it every picture gets fewer pixels.
inline constexpr long long PictureBudget = 32LL * 1024 * 1024;

// Turns the entries into what the chart shows: strips, curve series and column pictures. Needs
// every entry's chart objects. viewTop and viewBottom are the vertical range drawn.
DrawOutcome DrawSection(Section& section, TChart& chart, double viewTop, double viewBottom,
                        MeanCache* cache = nullptr);

} // namespace kalvero
