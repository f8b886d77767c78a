// TraceEngine: the tracing state of one Flood Fill Tool session (source image, mask, outlines, debris
// threshold, figures, key points) and the rule that reruns only the stages whose inputs changed.
#pragma once

#include "paths/PathObject.h"
#include "trace/FloodFillSettings.h"
#include "trace/OutlineExtraction.h"

#include <opencv2/core.hpp>

#include <vector>

namespace ov {

class TraceEngine {
public:
    // Stages in order; a stage reruns every later one.
    enum class Stage { Fill, Extract, Threshold, Figures, UpToDate };

    // Takes an 8-bit BGR image (rows top-down) and creates its mask; an empty image gives an empty
    // mask and hence no outline.
    void SetSource(cv::Mat bgr);
    // Seed in pixels of the source image.
    void SetSeed(float x, float y);
    // Permeability reruns everything, debris from the threshold on, approximability, path style
    // and blending only the figures (the outlines do not depend on them).
    void SetSettings(const FloodFillSettings& settings);

    // Reruns the stages from the first one whose input changed; returns where it started.
    Stage Update();
    Stage Pending() const { return pending_; }

    const cv::Mat& Source() const { return source_; }
    const cv::Mat& Mask() const { return mask_; }
    float SeedX() const { return seedX_; }
    float SeedY() const { return seedY_; }
    const FloodFillSettings& Settings() const { return settings_; }
    // The outlines of the mask, except outlines too small to pass the debris threshold when the search
    // could leave them out (see ExtractOutlines); every outline the threshold keeps is among them.
    const Outlines& Contours() const { return outlines_.outlines; }
    double DebrisThreshold() const { return threshold_; }
    const std::vector<PathObject>& Figures() const { return figures_; }
    // Key points of every approximated outline, in figure order.
    const std::vector<OvPointF>& KeyPoints() const { return keyPoints_; }

    // Resets the target and appends every figure (mask coordinates).
    void MergeFigures(PathObject& target) const;

private:
    void Invalidate(Stage stage);
    double Threshold();

    cv::Mat source_;
    cv::Mat mask_;
    float seedX_ = 0;
    float seedY_ = 0;
    FloodFillSettings settings_;
    OutlineSet outlines_;
    double threshold_ = 0;
    std::vector<PathObject> figures_;
    std::vector<OvPointF> keyPoints_;
    Stage pending_ = Stage::Fill;
};

}  // namespace ov
