// TracePreview: the picture of the Flood Fill Tool. The bitmap under a white veil, the traced figures
// stroked black and hatched green, the key points as red squares, all fitted around the traced region.
#pragma once

#include "paths/PathObject.h"

#include <QImage>
#include <QWidget>

#include <vector>

namespace ov {

// The bitmap and copies halved down to the preview's size, so drawing it scaled down reads a copy at
// most twice the size on screen instead of every pixel of a large photo.
struct PreviewBitmap {
    std::vector<QImage> levels;  // levels[0] is the bitmap itself
    QSize Size() const { return levels.empty() ? QSize() : levels.front().size(); }
    // The smallest copy still at least `pixels` wide (or the largest one).
    const QImage& LevelFor(double pixels) const;
};

PreviewBitmap MakePreviewBitmap(QImage bitmap, int smallest = 256);

struct PreviewContent {
    const PreviewBitmap* bitmap = nullptr;
    const PathObject* figures = nullptr;  // merged, in mask coordinates
    const std::vector<OvPointF>* keyPoints = nullptr;
    bool showKeyPoints = false;
    double uiScale = 1;
};

// Draws the whole preview into `target` (its device pixel ratio gives the logical size).
void PaintTracePreview(QImage& target, const PreviewContent& content);

class TracePreview : public QWidget {
    Q_OBJECT
public:
    explicit TracePreview(QWidget* parent = nullptr);

    // Redraws the back buffer from the content (which must outlive the next paint) and repaints.
    void Redraw(const PreviewContent& content);
    const QImage& BackBuffer() const { return buffer_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void RenderBuffer();

    PreviewContent content_;
    QImage buffer_;
    bool drawn_ = false;
};

}  // namespace ov
