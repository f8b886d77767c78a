// TraceEngine: staged reruns of fill, outline extraction, debris threshold and figure building.
#include "trace/TraceEngine.h"

#include "trace/FigureBuilder.h"
#include "trace/FloodFillMask.h"

#include <algorithm>
#include <utility>

namespace ov {

void TraceEngine::SetSource(cv::Mat bgr)
{
    source_ = std::move(bgr);
    mask_ = MakeMask(source_);
    Invalidate(Stage::Fill);
}

void TraceEngine::SetSeed(float x, float y)
{
    seedX_ = x;
    seedY_ = y;
    Invalidate(Stage::Fill);
}

void TraceEngine::SetSettings(const FloodFillSettings& s)
{
    const FloodFillSettings& old = settings_;
    if (s.permeability != old.permeability) Invalidate(Stage::Fill);
    if (s.debris != old.debris) Invalidate(Stage::Threshold);
    if (s.approximability != old.approximability || s.pathStyle != old.pathStyle ||
        s.blending != old.blending) {
        Invalidate(Stage::Figures);
    }
    settings_ = s;
}

void TraceEngine::Invalidate(Stage stage)
{
    pending_ = std::min(pending_, stage);
}

TraceEngine::Stage TraceEngine::Update()
{
    const Stage from = pending_;
    if (from <= Stage::Fill) FloodFillMask(source_, mask_, seedX_, seedY_, settings_.permeability);
    if (from <= Stage::Extract) outlines_ = ExtractOutlines(mask_, settings_.debris >= 1);
    if (from <= Stage::Threshold) threshold_ = Threshold();
    if (from <= Stage::Figures)
        figures_ = BuildContourPaths(outlines_.outlines, threshold_, settings_, keyPoints_);
    pending_ = Stage::UpToDate;
    return from;
}

double TraceEngine::Threshold()
{
    if (const auto decided = DebrisThresholdOf(outlines_, settings_.debris)) return *decided;
    outlines_ = ExtractOutlines(mask_, false);  // the holes left out could matter: search them all
    return ComputeDebrisThreshold(outlines_.outlines, settings_.debris);
}

void TraceEngine::MergeFigures(PathObject& target) const
{
    ov::MergeFigures(figures_, target);
}

}  // namespace ov
