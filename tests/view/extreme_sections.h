#pragma once

// Sections at the edges of what a project file can describe, shared by the view and window tests.
#include "model/section.h"

#include <cmath>
#include <functional>

namespace kalvero {

inline void AddBorehole(Section& s, double position, const arofdoubleM& bottoms,
                        double fromSurface = 0) {
    s.AppendEntry(EntryKind::Borehole);
    carotagedata& e = s.Current();
    e.HorizontalPosition = position;
    e.PositionFromSurface = fromSurface;
    e.Z = bottoms;
    e.C.assign(bottoms.size(), 0x00FF00);
    e.P.assign(bottoms.size(), 0);
    ThicknessFromBottoms(e);
}

inline void AddCurve(Section& s, double position, arofcomplexM points) {
    s.AppendEntry(EntryKind::Carotage);
    carotagedata& e = s.Current();
    e.HorizontalPosition = position;
    e.Points = std::move(points);
}

struct Extreme {
    const char* Name;
    std::function<void(Section&)> Build;
};

inline const Extreme ExtremeCases[] = {
    {"a million-point curve",
     [](Section& s) {
         arofcomplexM points(1'000'000);
         for (size_t i = 0; i < points.size(); ++i)
             points[i] = {i * 0.001, std::sin(i * 0.01) * 50 + (i % 97 == 0 ? 1e6 : 0)};
         AddCurve(s, 100, std::move(points));
         AddBorehole(s, 0, {100, 500, 1000});
     }},
    {"ten thousand entries",
     [](Section& s) {
         for (int i = 0; i < 10'000; ++i) {
             if (i % 2)
                 AddCurve(s, i * 10.0, {{0, 1}, {50, 2}, {100, 3}});
             else
                 AddBorehole(s, i * 10.0, {10, 20, 100});
         }
     }},
    {"zero-thickness layers",
     [](Section& s) {
         AddBorehole(s, 5, {0, 0, 0, 10, 10, 10});
     }},
    {"depths of 1e300",
     [](Section& s) {
         AddBorehole(s, 0, {1e300});
         AddBorehole(s, 10, {1, 1e300, 1.5e300}, -1e300);
         AddCurve(s, 20, {{-1e300, 1e300}, {1e300, -1e300}});
     }},
    {"negative positions",
     [](Section& s) {
         AddBorehole(s, -1e6, {10, 20});
         AddCurve(s, -5e5, {{0, 1}, {10, 2}});
         AddBorehole(s, -1, {5});
     }},
    {"all values missing",
     [](Section& s) {
         AddBorehole(s, MissingValue, {MissingValue, MissingValue}, MissingValue);
         AddCurve(s, MissingValue, {{MissingValue, MissingValue}, {MissingValue, 3}});
         s.Current().Percent = MissingValue;
     }},
    {"positions and depths spanning the doubles",
     [](Section& s) {
         AddBorehole(s, -1.7e308, {1e-300, 1.7e308});
         AddBorehole(s, 1.7e308, {5});
         AddCurve(s, 0, {{4.9e-324, 1.7e308}, {-1.7e308, 4.9e-324}});
     }},
};

} // namespace kalvero
