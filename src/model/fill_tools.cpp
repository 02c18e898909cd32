#include "model/fill_tools.h"

#include <algorithm>

namespace kalvero {

namespace {

bool HasLayer(const Section& section, int layer) {
    if (!section.HasCurrent() || section.Current().IsCarotage() || layer < 0)
        return false;
    const carotagedata& e = section.Current();
    const size_t n = std::min({e.Z.size(), e.C.size(), e.P.size()});
    return static_cast<size_t>(layer) < n;
}

} // namespace

std::optional<Fill> CurrentLayerFill(const Section& section, int layer) {
    if (!HasLayer(section, layer))
        return std::nullopt;
    const carotagedata& e = section.Current();
    return Fill{e.P[layer], e.C[layer]};
}

bool SetCurrentLayerFill(Section& section, int layer, const Fill& fill) {
    if (!HasLayer(section, layer))
        return false;
    section.Current().P[layer] = fill.PatternCode;
    section.Current().C[layer] = fill.Color;
    return true;
}

int ExchangeFills(Section& section, const Fill& source, const Fill& replacement,
                  ExchangeKind kind) {
    int changed = 0;
    for (carotagedata& e : section.Boreholes) {
        const size_t n = std::min(e.C.size(), e.P.size());
        for (size_t k = 0; k < n; ++k) {
            const bool samePattern = e.P[k] == source.PatternCode;
            const bool sameFill = samePattern && e.C[k] == source.Color;
            if (kind == ExchangeKind::Pattern ? !samePattern : !sameFill)
                continue;
            if (kind != ExchangeKind::Color)
                e.P[k] = replacement.PatternCode;
            if (kind != ExchangeKind::Pattern)
                e.C[k] = replacement.Color;
            ++changed;
        }
    }
    return changed;
}

void SetPercentOfAll(Section& section, double percent) {
    for (carotagedata& e : section.Boreholes)
        e.Percent = percent;
}

} // namespace kalvero
