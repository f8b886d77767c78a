// COvCPSheet: the Clipped Path view. It shows the pieces of the input paths on a white back buffer,
// picks a piece per click, zooms with the wheel about the pointer (or the middle with Ctrl) and pans
// with a drag of more than 5 pixels.
#pragma once

#include "paths/ClipDrag.h"
#include "paths/ClipPieces.h"

#include <QImage>
#include <QWidget>

#include <span>

namespace ov {

class COvCPSheet : public QWidget {
    Q_OBJECT
public:
    explicit COvCPSheet(QWidget* parent = nullptr);

    // Takes the view record's zoom, cuts the paths into pieces (under a wait cursor) and centres them.
    void Load(std::span<const PathObject> paths, const COvSegPath& viewRecord);
    ClipPieces& Pieces() { return pieces_; }
    const ClipPieces& Pieces() const { return pieces_; }
    void SetAllPicked(bool picked);
    // Picks or unpicks the first piece under a pen of 12 × UI scale at (x, y); false when none is there.
    bool ToggleAt(QPointF at);
    void Redraw();
    const QImage& BackBuffer() const { return buffer_; }

Q_SIGNALS:
    void ZoomChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void Render();

    ClipPieces pieces_;
    ClipDrag drag_;
    QImage buffer_;
    bool ready_ = false;
    bool centred_ = false;
};

}  // namespace ov
