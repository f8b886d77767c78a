// DocumentView: the demo host's page. It draws each glyph as a framed figure placeholder and opens a
// glyph's properties on double-click or Enter.
#pragma once

#include "HostDocument.h"

#include <QWidget>

namespace ovhost {

class DocumentView : public QWidget {
    Q_OBJECT
public:
    explicit DocumentView(HostDocument& document, QWidget* parent = nullptr);
    int Current() const { return current_; }
    QSize sizeHint() const override { return {640, 480}; }

Q_SIGNALS:
    void glyphActivated(int index);
    // Double-click or Enter on the bitmap glyph (after a click there picked the seed).
    void bitmapActivated();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    QRectF PageRect() const;
    QRectF GlyphRect(int index) const;
    QRectF BitmapRect() const;  // where the bitmap glyph lies, fitted to its aspect ratio
    void DrawBitmap(QPainter& p) const;
    void DrawPaths(QPainter& p) const;
    void DrawMagnets(QPainter& p) const;
    void DrawAnimatedGlyph(QPainter& p) const;
    void DrawPageSettings(QPainter& p) const;
    int GlyphAt(QPointF p) const;
    void DrawGlyph(QPainter& p, const ChartGlyph& glyph, const QRectF& r) const;

    HostDocument& document_;
    int current_ = 0;
};

}  // namespace ovhost
