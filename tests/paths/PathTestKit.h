// Builders and checks the path tests share: paths and chains from point lists, cubics from control
// points, distances to a curve, the well-formed chain check and the host's result list.
#pragma once

#include "paths/BezierCubic.h"
#include "paths/BezierIntersection.h"
#include "paths/ChainCuts.h"
#include "paths/PathChains.h"
#include "paths/PathObject.h"
#include "paths/SegPathRecord.h"

#include <ornivex/hostlist.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace ov::testkit {

using Pts = std::vector<OvPointF>;
using Types = std::vector<uint8_t>;

inline PathObject Lines(const Pts& pts)
{
    PathObject p;
    p.AddLines(pts);
    return p;
}

inline PathObject Polygon(const Pts& pts)
{
    PathObject p;
    p.AddPolygon(pts);
    return p;
}

inline PathObject Beziers(const Pts& pts)
{
    PathObject p;
    p.AddBeziers(pts);
    return p;
}

// One chain from path data; a cubic when given four points and no types, else a line.
inline Chain ChainOf(const Pts& pts, Types types = {}, int32_t figure = 0)
{
    if (types.empty()) types = pts.size() == 4 ? Types{0, 3, 3, 3} : Types{0, 1};
    auto head = std::make_unique<COvSeg>();
    head->figureId = figure;
    EXPECT_TRUE(head->FromPathData(pts.data(), types.data(), static_cast<int32_t>(pts.size()), false));
    return head;
}

// The chains of the paths, figures numbered from 0.
inline ChainList ChainsOf(const std::vector<PathObject>& paths)
{
    ChainSet set;
    int32_t figure = 0;
    for (const PathObject& p : paths)
        AppendChains(p.Points().data(), p.Types().data(), p.PointCount(), figure, set);
    ChainList chains;
    for (auto& c : set.chains) chains.push_back(std::move(c));
    return chains;
}

inline Cubic CubicOf(const Pts& cps)
{
    return {Vec2{cps[0].x, cps[0].y}, Vec2{cps[1].x, cps[1].y}, Vec2{cps[2].x, cps[2].y},
            Vec2{cps[3].x, cps[3].y}};
}

inline Vec2 V(OvPointF p)
{
    return {p.x, p.y};
}

// A piece as "start-end/points", coordinates rounded to whole numbers: "5,10-10,5/5".
inline std::string PieceText(COvSeg& piece)
{
    const auto whole = [](float v) { return std::to_string(int(std::lround(v))); };
    const OvPointF s = StartOf(piece), e = EndOf(piece);
    return whole(s.x) + "," + whole(s.y) + "-" + whole(e.x) + "," + whole(e.y) + "/" +
           std::to_string(piece.AllPoints().size());
}

inline double DistanceToCurve(Vec2 p, const Cubic& c)
{
    return Distance(BezierPoint(c, ClosestParameter(c, p, 0.0, 1.0, 2000, 1e-9)), p);
}

// The largest distance from points along the cubic link to the original curve.
inline double DistanceFromCurve(const COvSeg& link, const Cubic& original)
{
    const Cubic piece = CubicOf(link.ControlPoints());
    double worst = 0;
    for (int k = 0; k <= 8; ++k)
        worst = std::max(worst, DistanceToCurve(BezierPoint(piece, k / 8.0), original));
    return worst;
}

// Every link's next points back at it, the head has none before it, and the chain ends in a
// one-point straight link.
inline void ExpectWellFormed(const COvSeg& head)
{
    EXPECT_EQ(head.prev, nullptr);
    const COvSeg* s = &head;
    for (; s->next; s = s->next.get()) {
        EXPECT_EQ(s->next->prev, s);
        EXPECT_GE(s->ControlPoints().size(), 2u);
    }
    EXPECT_EQ(s->points.size(), 1u);
    EXPECT_EQ(s->kind, kSegLine);
}

// The word-1 list as the host hands it over: the view record, then the results (freed here).
struct HostRecords {
    OvHostList list{};
    COvSegPath view{};
    explicit HostRecords(int32_t step = 10, double scale = 1.0)
    {
        ov_list_init(&list);
        InitSegPath(view);
        view.zoom_step = step;
        view.scale = scale;
        ov_list_append(&list, &view);
    }
    ~HostRecords()
    {
        TakeResults();
        ov_list_remove_last(&list);
    }
    HostRecords(const HostRecords&) = delete;
    HostRecords& operator=(const HostRecords&) = delete;
    // Removes and frees the results, as the host does when it consumes them; their point counts.
    std::vector<int32_t> TakeResults()
    {
        std::vector<int32_t> counts;
        while (list.count > 1) {
            auto* r = static_cast<COvSegPath*>(ov_list_remove_last(&list));
            counts.insert(counts.begin(), r->count);
            ReleaseSegPath(*r);
            std::free(r);  // NOLINT(cppcoreguidelines-no-malloc)
        }
        return counts;
    }
};

}  // namespace ov::testkit
