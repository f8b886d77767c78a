// The owner-drawn style lists: line style (9 items), fill style (60), marker (11) and colour map (11).
// The item index is the value; each item and the closed box show the index's picture.
#pragma once

#include <QComboBox>

namespace ov {

enum class StylePictureKind { Line, Fill, Marker, ColourMap };

class COvStylePicker : public QComboBox {
    Q_OBJECT
public:
    COvStylePicker(StylePictureKind kind, int count, QWidget* parent);

    // Selects the stored index (clamped to the list); Index() reads the selection.
    void SetIndex(int index);
    int Index() const { return currentIndex(); }
    StylePictureKind Kind() const { return kind_; }

    // Paints the picture of an item into a rectangle (the delegate, the closed box and tests use it).
    void PaintItem(class QPainter& painter, const QRectF& rect, int index) const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    StylePictureKind kind_;
};

class COvCBLine : public COvStylePicker {
    Q_OBJECT
public:
    explicit COvCBLine(QWidget* parent = nullptr) : COvStylePicker(StylePictureKind::Line, 9, parent) {}
};

class COvCBFill : public COvStylePicker {
    Q_OBJECT
public:
    explicit COvCBFill(QWidget* parent = nullptr) : COvStylePicker(StylePictureKind::Fill, 60, parent) {}
};

class COvCBMarker : public COvStylePicker {
    Q_OBJECT
public:
    explicit COvCBMarker(QWidget* parent = nullptr) : COvStylePicker(StylePictureKind::Marker, 11, parent) {}
};

class COvCBColorMap : public COvStylePicker {
    Q_OBJECT
public:
    explicit COvCBColorMap(QWidget* parent = nullptr)
        : COvStylePicker(StylePictureKind::ColourMap, 11, parent)
    {
    }
};

}  // namespace ov
