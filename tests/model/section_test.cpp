#include "model/section.h"

#include <gtest/gtest.h>

using namespace kalvero;

namespace {

Section WithLayers(const arofdoubleM& thicknesses) {
    Section s;
    s.AppendEntry(EntryKind::Borehole);
    carotagedata& e = s.Current();
    e.H = thicknesses;
    e.C.assign(thicknesses.size(), 0);
    e.P.assign(thicknesses.size(), 0);
    for (size_t k = 0; k < thicknesses.size(); ++k) {
        e.C[k] = static_cast<int32_t>(100 + k);
        e.P[k] = static_cast<int32_t>(k);
    }
    s.BottomsFromThickness(0);
    return s;
}

TEST(Section, NewEntries) {
    Section s;
    s.AppendEntry(EntryKind::Borehole);
    s.AppendEntry(EntryKind::Carotage);
    EXPECT_EQ(s.CurrentBorehole, 1);
    for (const carotagedata& e : s.Boreholes) {
        EXPECT_EQ(e.H, arofdoubleM{0});
        EXPECT_EQ(e.Z, arofdoubleM{0});
        EXPECT_EQ(e.C, arofintM{0});
        EXPECT_EQ(e.P, arofintM{0});
        EXPECT_EQ(e.HorizontalPosition, 0);
        EXPECT_EQ(e.Percent, 3.0);
        EXPECT_FALSE(e.Series);
    }
    EXPECT_EQ(s.Boreholes[0].Kind, 2);
    EXPECT_EQ(s.Boreholes[1].Kind, 0);
}

TEST(Section, LayerArithmetic) {
    Section s = WithLayers({2, 3, 5});
    EXPECT_EQ(s.Current().Z, (arofdoubleM{2, 5, 10}));

    Section inserted = WithLayers({2, 3, 5});
    EXPECT_TRUE(inserted.InsertLayer(0));
    EXPECT_EQ(inserted.Current().H, (arofdoubleM{2, 0, 3, 5}));
    EXPECT_EQ(inserted.Current().Z, (arofdoubleM{2, 2, 5, 10}));
    EXPECT_EQ(inserted.Current().C, (arofintM{100, 100, 101, 102}));
    EXPECT_EQ(inserted.Current().P, (arofintM{0, 0, 1, 2}));

    struct DeleteCase {
        int Row;
        arofdoubleM H, Z;
    };
    const DeleteCase deletes[] = {
        {1, {2, 5}, {2, 7}}, {2, {2, 3}, {2, 5}}, {7, {2, 3}, {2, 5}}, {0, {3, 5}, {3, 8}}};
    for (const auto& c : deletes) {
        Section d = WithLayers({2, 3, 5});
        EXPECT_TRUE(d.DeleteLayer(c.Row));
        EXPECT_EQ(d.Current().H, c.H) << c.Row;
        EXPECT_EQ(d.Current().Z, c.Z) << c.Row;
        EXPECT_EQ(d.Current().C.size(), 2u);
    }
}

TEST(Section, LayerRefusals) {
    Section one = WithLayers({4});
    EXPECT_FALSE(one.DeleteLayer(0));
    EXPECT_EQ(one.Current().Z, arofdoubleM{4});

    Section s = WithLayers({2, 3, 5});
    for (int r : {-1, 3, 100})
        EXPECT_FALSE(s.InsertLayer(r)) << r;
    EXPECT_FALSE(s.DeleteLayer(-1));
    EXPECT_EQ(s.Current().H.size(), 3u);

    Section noLayers = WithLayers({});
    EXPECT_FALSE(noLayers.InsertLayer(0));
    EXPECT_TRUE(noLayers.Current().H.empty());

    Section empty;
    EXPECT_FALSE(empty.InsertLayer(0));
    EXPECT_FALSE(empty.DeleteLayer(0));
    EXPECT_FALSE(empty.SetBottomDepth(0, 1));
}

TEST(Section, SetBottomDepth) {
    struct Case {
        int Layer;
        double Depth;
        bool Accepted;
        arofdoubleM Z;
    };
    const Case cases[] = {
        {1, 2, false, {2, 5, 10}},     {1, 10, false, {2, 5, 10}}, {1, 7, true, {2, 7, 10}},
        {2, 1000, true, {2, 5, 1000}}, {0, -1, false, {2, 5, 10}}, {3, 20, false, {2, 5, 10}},
        {0, 0, true, {0, 5, 10}},      {-1, 1, false, {2, 5, 10}}, {0, 4.5, true, {4.5, 5, 10}},
    };
    for (const auto& c : cases) {
        Section s = WithLayers({2, 3, 5});
        EXPECT_EQ(s.SetBottomDepth(c.Layer, c.Depth), c.Accepted) << c.Layer << " " << c.Depth;
        EXPECT_EQ(s.Current().Z, c.Z);
        if (c.Accepted) {
            EXPECT_EQ(s.Current().H[0] + s.Current().H[1] + s.Current().H[2], s.Current().Z[2]);
        }
    }
    Section s = WithLayers({2, 3, 5});
    s.SetBottomDepth(1, 7);
    EXPECT_EQ(s.Current().H, (arofdoubleM{2, 5, 3}));
}

TEST(Section, RemoveCurrentEntryReleasesChartObjects) {
    Section s;
    std::weak_ptr<void> series[3];
    for (int i = 0; i < 3; ++i) {
        s.AppendEntry(EntryKind::Borehole);
        s.Current().HorizontalPosition = i;
        auto object = std::make_shared<int>(i);
        series[i] = object;
        s.Current().Series = object;
    }
    s.CurrentBorehole = 2;
    EXPECT_TRUE(s.RemoveCurrentEntry());
    EXPECT_EQ(s.CurrentBorehole, 1);
    EXPECT_TRUE(series[2].expired());
    s.CurrentBorehole = 0;
    EXPECT_TRUE(s.RemoveCurrentEntry());
    EXPECT_EQ(s.CurrentBorehole, 0);
    EXPECT_EQ(s.Current().HorizontalPosition, 1);
    EXPECT_TRUE(series[0].expired());
    EXPECT_FALSE(s.RemoveCurrentEntry());
    EXPECT_EQ(s.Boreholes.size(), 1u);
    EXPECT_FALSE(series[1].expired());
}

TEST(Section, SortIsStableAndKeepsTheIndex) {
    Section s;
    const double positions[] = {5, 1, 5, 0};
    for (int i = 0; i < 4; ++i) {
        s.AppendEntry(EntryKind::Borehole);
        s.Current().HorizontalPosition = positions[i];
        s.Current().Name = std::to_string(i);
    }
    s.CurrentBorehole = 1;
    s.SortByPosition();
    std::string order;
    for (const auto& e : s.Boreholes)
        order += e.Name;
    EXPECT_EQ(order, "3102");
    EXPECT_EQ(s.CurrentBorehole, 1);
}

TEST(Section, Stepping) {
    Section s;
    s.AppendEntry(EntryKind::Borehole);
    s.AppendEntry(EntryKind::Borehole);
    s.NextEntry();
    EXPECT_EQ(s.CurrentBorehole, 1);
    s.PreviousEntry();
    s.PreviousEntry();
    EXPECT_EQ(s.CurrentBorehole, 0);

    Section empty;
    empty.NextEntry();
    EXPECT_EQ(empty.CurrentBorehole, -1);
    EXPECT_FALSE(empty.HasCurrent());
    empty.AppendEntry(EntryKind::Carotage);
    EXPECT_EQ(empty.CurrentBorehole, 0);
}

} // namespace
