#pragma once

#include "model/numbers.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace kalvero {

// A chart object held on an entry's behalf. The model neither knows nor needs its type: the view
// layer stores its series and image tools here, and releasing the last reference destroys them.
using ChartObjectRef = std::shared_ptr<void>;

enum class EntryKind { Borehole, Carotage };

// One entry of the section, borehole or carotage; every entry carries the fields of both kinds.
struct carotagedata {
    std::string DataFile;
    int32_t Kind = 0; // 0: carotage entry; any other value: borehole entry
    bool Logarithmic = false;
    double HorizontalPosition = 0;
    double PositionFromSurface = 0;
    double ColumnLeft = 0;
    double ColumnRight = 0;
    double Percent = 0;
    arofcomplexM Points; // (depth, value)
    double CurveMin = 0;
    double CurveMax = 0;
    ChartObjectRef ImageTool;
    ChartObjectRef Series;
    std::string Name;
    int32_t NormType = 0;
    int32_t DataIndex = 0;
    double CurveMean = 0;
    arofdoubleM H; // thickness of each layer, top down
    arofdoubleM Z; // bottom depth of each layer below the entry's top
    arofintM C;    // fill colour of each layer, 0x00BBGGRR
    arofintM P;    // fill pattern code of each layer
    int32_t CurveColor = 0;

    bool IsCarotage() const { return Kind == 0; }
    size_t LayerCount() const { return Z.size(); }
};

inline constexpr double DefaultPercent = 3.0;
inline constexpr int32_t BoreholeKind = 2;

// The list of entries along the profile and the current one. The operations change data only;
// whoever calls them refills the table and repaints.
struct Section {
    std::vector<carotagedata> Boreholes;
    int32_t CurrentBorehole = 0;

    bool Empty() const { return Boreholes.empty(); }
    carotagedata& Current() { return Boreholes[CurrentBorehole]; }
    const carotagedata& Current() const { return Boreholes[CurrentBorehole]; }
    // False while the list is empty or the index points nowhere (after NextEntry on an empty list).
    bool HasCurrent() const {
        return CurrentBorehole >= 0 && static_cast<size_t>(CurrentBorehole) < Boreholes.size();
    }

    void AppendEntry(EntryKind kind);
    // Refused while fewer than two entries remain. Returns whether an entry was removed.
    bool RemoveCurrentEntry();
    void SortByPosition();
    void PreviousEntry();
    void NextEntry();
    void BottomsFromThickness(size_t entry);
    void ThicknessFromBottoms(size_t entry);
    // Refused unless 0 <= r < layer count. Returns whether a layer was inserted.
    bool InsertLayer(int r);
    // Refused with fewer than two layers. Returns whether a layer was deleted.
    bool DeleteLayer(int r);
    bool SetBottomDepth(int i, double v);
};

void BottomsFromThickness(carotagedata& entry);
void ThicknessFromBottoms(carotagedata& entry);

} // namespace kalvero
