// FramePreview: the preview area of Generate Animation: the last drawn frame, fitted and centred on
// a grey background inside a light frame, or the empty area before any frame.
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

namespace ov {

class FramePreview : public QWidget {
    Q_OBJECT
public:
    explicit FramePreview(QWidget* parent = nullptr);

    // Draws the frame file into the preview bitmap; false (and the bitmap kept) when it does not load.
    bool DrawFrame(const QString& path);
    bool Ready() const { return !bitmap_.isNull(); }
    const QImage& Bitmap() const { return bitmap_; }

    static QColor Background();   // 0xC8C8C8
    static QColor FrameColour();  // 0xDCC8C8 as the platform reads a colour number: blue 0xDC

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void PaintEmpty(QPainter& painter) const;

    QImage bitmap_;
};

}  // namespace ov
