#include "model/section.h"

#include <algorithm>
#include <utility>

namespace kalvero {

void BottomsFromThickness(carotagedata& entry) {
    entry.Z.resize(entry.H.size());
    double sum = 0;
    for (size_t k = 0; k < entry.H.size(); ++k) {
        sum += entry.H[k];
        entry.Z[k] = sum;
    }
}

void ThicknessFromBottoms(carotagedata& entry) {
    entry.H.resize(entry.Z.size());
    for (size_t k = 0; k < entry.Z.size(); ++k)
        entry.H[k] = k == 0 ? entry.Z[0] : entry.Z[k] - entry.Z[k - 1];
}

void Section::AppendEntry(EntryKind kind) {
    carotagedata& entry = Boreholes.emplace_back();
    entry.H = {0};
    entry.Z = {0};
    entry.C = {0};
    entry.P = {0};
    entry.Kind = kind == EntryKind::Borehole ? BoreholeKind : 0;
    entry.Percent = DefaultPercent;
    CurrentBorehole = static_cast<int32_t>(Boreholes.size() - 1);
}

bool Section::RemoveCurrentEntry() {
    if (Boreholes.size() < 2 || !HasCurrent())
        return false;
    // Erasing the record releases its chart objects with it.
    Boreholes.erase(Boreholes.begin() + CurrentBorehole);
    const int32_t count = static_cast<int32_t>(Boreholes.size());
    CurrentBorehole = std::min(count - 1, std::max(0, CurrentBorehole));
    return true;
}

void Section::SortByPosition() {
    // A stable sort gives exactly the order of repeated neighbour swaps on a strict comparison.
    std::stable_sort(Boreholes.begin(), Boreholes.end(),
                     [](const carotagedata& a, const carotagedata& b) {
                         return a.HorizontalPosition < b.HorizontalPosition;
                     });
}

void Section::PreviousEntry() {
    CurrentBorehole = std::max(0, CurrentBorehole - 1);
}

void Section::NextEntry() {
    CurrentBorehole = std::min(static_cast<int32_t>(Boreholes.size()) - 1, CurrentBorehole + 1);
}

void Section::BottomsFromThickness(size_t entry) {
    kalvero::BottomsFromThickness(Boreholes[entry]);
}

void Section::ThicknessFromBottoms(size_t entry) {
    kalvero::ThicknessFromBottoms(Boreholes[entry]);
}

bool Section::InsertLayer(int r) {
    if (!HasCurrent())
        return false;
    carotagedata& e = Current();
    const int n = static_cast<int>(e.H.size());
    if (r < 0 || r >= n)
        return false;
    e.H.insert(e.H.begin() + r + 1, 0.0);
    e.C.insert(e.C.begin() + r + 1, e.C[r]);
    e.P.insert(e.P.begin() + r + 1, e.P[r]);
    kalvero::BottomsFromThickness(e);
    return true;
}

bool Section::DeleteLayer(int r) {
    if (!HasCurrent())
        return false;
    carotagedata& e = Current();
    const int n = static_cast<int>(e.H.size());
    if (n < 2 || r < 0)
        return false;
    // A row past the last layer removes the last one.
    const int k = std::min(r, n - 1);
    e.H.erase(e.H.begin() + k);
    e.C.erase(e.C.begin() + k);
    e.P.erase(e.P.begin() + k);
    kalvero::BottomsFromThickness(e);
    return true;
}

bool Section::SetBottomDepth(int i, double v) {
    if (!HasCurrent())
        return false;
    carotagedata& e = Current();
    const int n = static_cast<int>(e.Z.size());
    if (!(v >= 0) || i < 0 || i > n - 1)
        return false;
    if (i > 0 && !(v > e.Z[i - 1]))
        return false;
    if (i < n - 1 && !(v < e.Z[i + 1]))
        return false;
    e.Z[i] = v;
    kalvero::ThicknessFromBottoms(e);
    return true;
}

} // namespace kalvero
