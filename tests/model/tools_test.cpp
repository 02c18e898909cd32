#include "model/carotage_settings.h"
#include "model/fill_tools.h"

#include <gtest/gtest.h>

using namespace kalvero;

namespace {

Section Layers(const std::vector<Fill>& fills) {
    Section s;
    s.AppendEntry(EntryKind::Borehole);
    carotagedata& e = s.Current();
    e.H.assign(fills.size(), 1);
    e.C.clear();
    e.P.clear();
    for (const Fill& f : fills) {
        e.P.push_back(f.PatternCode);
        e.C.push_back(f.Color);
    }
    BottomsFromThickness(e);
    return s;
}

std::vector<Fill> FillsOf(const carotagedata& e) {
    std::vector<Fill> fills;
    for (size_t k = 0; k < e.P.size(); ++k)
        fills.push_back({e.P[k], e.C[k]});
    return fills;
}

TEST(ExchangeFills, ByKind) {
    const std::vector<Fill> start = {{0, 255}, {0, 65280}, {3, 255}};
    struct Case {
        ExchangeKind Kind;
        Fill Replacement;
        std::vector<Fill> Expected;
    };
    const Case cases[] = {
        {ExchangeKind::Pattern, {5, 99}, {{5, 255}, {5, 65280}, {3, 255}}},
        {ExchangeKind::Color, {9, 0}, {{0, 0}, {0, 65280}, {3, 255}}},
        {ExchangeKind::PatternAndColor, {6, 0}, {{6, 0}, {0, 65280}, {3, 255}}},
    };
    for (const Case& c : cases) {
        Section s = Layers(start);
        s.AppendEntry(EntryKind::Borehole); // exchange reaches other entries than the current
        s.Current().C = {255};
        ExchangeFills(s, {0, 255}, c.Replacement, c.Kind);
        EXPECT_EQ(FillsOf(s.Boreholes[0]), c.Expected);
        EXPECT_EQ(s.Boreholes[1].P[0],
                  c.Kind == ExchangeKind::Color ? 0 : c.Replacement.PatternCode);
    }
}

TEST(LayerFill, OnlyExistingLayersOfABorehole) {
    Section s = Layers({{0, 1}, {2, 3}});
    EXPECT_EQ(CurrentLayerFill(s, 1), (Fill{2, 3}));
    EXPECT_TRUE(SetCurrentLayerFill(s, 0, {7, 8}));
    EXPECT_EQ(FillsOf(s.Current())[0], (Fill{7, 8}));
    for (int layer : {-1, 2})
        EXPECT_FALSE(CurrentLayerFill(s, layer)) << layer;
    EXPECT_FALSE(SetCurrentLayerFill(s, 2, {1, 1}));
    s.AppendEntry(EntryKind::Carotage);
    EXPECT_FALSE(CurrentLayerFill(s, 0));
    EXPECT_FALSE(SetCurrentLayerFill(s, 0, {1, 1}));
    EXPECT_FALSE(CurrentLayerFill(Section(), 0));
    EXPECT_EQ(PatternFromStyleByte(42), 42);
    EXPECT_EQ(PatternFromStyleByte(200), 72);
}

TEST(CarotageSettings, MovesTheWholeOldGroup) {
    Section s;
    for (int32_t index : {0, 0, 2}) {
        s.AppendEntry(EntryKind::Carotage);
        s.Current().DataIndex = index;
        s.Current().CurveColor = 100 + index;
    }
    s.AppendEntry(EntryKind::Borehole); // a borehole of the group moves with it too
    s.Current().DataIndex = 0;
    s.CurrentBorehole = 0;
    EXPECT_EQ(LargestOfferedDataIndex(s), 3);
    ApplyCarotageSettings(s, {true, 1, 255, 2});
    for (int i : {0, 1, 3}) {
        EXPECT_EQ(s.Boreholes[i].DataIndex, 2) << i;
        EXPECT_TRUE(s.Boreholes[i].Logarithmic) << i;
        EXPECT_EQ(s.Boreholes[i].CurveColor, 255) << i;
    }
    EXPECT_FALSE(s.Boreholes[2].Logarithmic); // already in group 2: keeps its own settings
    EXPECT_EQ(s.Boreholes[2].CurveColor, 102);
}

TEST(CarotageSettings, NormTypeList) {
    struct Case {
        int32_t Original;
        int Shown;
        int Chosen;
        int32_t Stored;
    };
    for (const Case& c : {Case{0, 0, 0, 0}, Case{1, 1, 2, 2}, Case{7, 2, 2, 7}, Case{-3, 2, 0, 0},
                          Case{7, 2, 1, 1}}) {
        EXPECT_EQ(NormTypeListIndex(c.Original), c.Shown);
        EXPECT_EQ(NormTypeFromList(c.Original, c.Chosen), c.Stored);
    }
}

TEST(SetPercentOfAll, EveryEntry) {
    Section s;
    s.AppendEntry(EntryKind::Borehole);
    s.AppendEntry(EntryKind::Carotage);
    SetPercentOfAll(s, 2.5);
    EXPECT_EQ(s.Boreholes[0].Percent, 2.5);
    EXPECT_EQ(s.Boreholes[1].Percent, 2.5);
}

} // namespace
