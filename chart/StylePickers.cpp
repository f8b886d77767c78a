// Style lists: a QComboBox whose items and closed box are painted by the style pictures.
#include "chart/StylePickers.h"

#include "chart/StylePictures.h"
#include "framework/ui/GuardedHandler.h"

#include <QPainter>
#include <QStylePainter>
#include <QStyledItemDelegate>

#include <algorithm>

namespace ov {
namespace {

constexpr int kItemHeight = 20;  // logical pixels; the pictures are about 13 across

class PictureDelegate : public QStyledItemDelegate {
public:
    explicit PictureDelegate(COvStylePicker* picker) : QStyledItemDelegate(picker), picker_(picker) {}

    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        RunGuarded(picker_, [&] {
            p->fillRect(option.rect, option.state & QStyle::State_Selected ? option.palette.highlight()
                                                                           : option.palette.base());
            picker_->PaintItem(*p, QRectF(option.rect).adjusted(2, 1, -2, -1), index.row());
        });
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override
    {
        return {option.rect.width(), std::max(kItemHeight, option.fontMetrics.height() + 4)};
    }

private:
    COvStylePicker* picker_;
};

}  // namespace

COvStylePicker::COvStylePicker(StylePictureKind kind, int count, QWidget* parent)
    : QComboBox(parent), kind_(kind)
{
    for (int i = 0; i < count; ++i) addItem(QString::number(i));
    setItemDelegate(new PictureDelegate(this));
    setMaxVisibleItems(count > 12 ? 12 : count);
    setMinimumWidth(kind == StylePictureKind::ColourMap ? 110 : kind == StylePictureKind::Line ? 72 : 56);
}

void COvStylePicker::SetIndex(int index)
{
    setCurrentIndex(std::clamp(index, 0, count() - 1));
}

void COvStylePicker::PaintItem(QPainter& p, const QRectF& rect, int index) const
{
    switch (kind_) {
    case StylePictureKind::Line: PaintLinePicture(p, rect, index); break;
    case StylePictureKind::Fill: PaintFillPicture(p, rect, index); break;
    case StylePictureKind::Marker: PaintMarkerPicture(p, rect, index); break;
    case StylePictureKind::ColourMap: PaintColourMapPicture(p, rect, index); break;
    }
}

void COvStylePicker::paintEvent(QPaintEvent*)
{
    RunGuarded(this, [this] {
        QStylePainter painter(this);
        QStyleOptionComboBox option;
        initStyleOption(&option);
        option.currentText.clear();
        painter.drawComplexControl(QStyle::CC_ComboBox, option);
        const QRect field =
            style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
        if (currentIndex() >= 0) PaintItem(painter, QRectF(field).adjusted(1, 1, -1, -1), currentIndex());
    });
}

}  // namespace ov
