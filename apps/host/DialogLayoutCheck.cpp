// Layout checks the tour runs on each dialog it pictures.
#include "DialogLayoutCheck.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QToolButton>

namespace ovhost {
namespace {

QString Describe(const QWidget& w, const QString& text)
{
    QString name = QString::fromLatin1(w.metaObject()->className());
    if (!w.objectName().isEmpty()) name += QLatin1Char('#') + w.objectName();
    return text.isEmpty() ? name : name + QStringLiteral(" \"") + text + QLatin1Char('"');
}

// The text as drawn: mnemonic ampersands take no room, a doubled one draws one.
QString Drawn(QString text)
{
    text.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    return text.replace(QChar(1), QLatin1Char('&'));
}

int TextWidth(const QWidget& w, const QString& text)
{
    int widest = 0;
    for (const QString& line : Drawn(text).split(QLatin1Char('\n')))
        widest = std::max(widest, w.fontMetrics().horizontalAdvance(line));
    return widest;
}

// Width the style leaves for a button's text: inside the frame, beside the check mark or radio dot,
// less the icon.
int ButtonTextRoom(const QAbstractButton& b)
{
    QStyleOptionButton option;
    option.initFrom(&b);
    option.text = b.text();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QCheckBox*>(&b)) contents = QStyle::SE_CheckBoxContents;
    if (qobject_cast<const QRadioButton*>(&b)) contents = QStyle::SE_RadioButtonContents;
    const int icon = b.icon().isNull() ? 0 : b.iconSize().width() + 4;
    return b.style()->subElementRect(contents, &option, &b).width() - icon;
}

bool LabelCut(const QLabel& label)
{
    if (label.text().isEmpty() || label.textFormat() == Qt::RichText) return false;
    if (label.wordWrap()) return label.height() < label.heightForWidth(label.width());
    const int margins = 2 * (label.margin() + label.frameWidth()) + std::max(label.indent(), 0);
    return TextWidth(label, label.text()) + margins > label.width();
}

QString CutText(const QWidget& w)
{
    if (const auto* label = qobject_cast<const QLabel*>(&w))
        return LabelCut(*label) ? Describe(w, label->text()) + QStringLiteral(": text cut off") : QString();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&w)) {
        if (button->text().isEmpty()) return {};
        const bool cut = TextWidth(w, button->text()) > ButtonTextRoom(*button);
        return cut ? Describe(w, button->text()) + QStringLiteral(": text cut off") : QString();
    }
    if (const auto* box = qobject_cast<const QGroupBox*>(&w)) {
        const bool cut = !box->title().isEmpty() && TextWidth(w, box->title()) + 16 > box->width();
        return cut ? Describe(w, box->title()) + QStringLiteral(": title cut off") : QString();
    }
    return {};
}

// Scrolled contents may reach past their viewport; everything else stays inside its parent.
bool OutsideParent(const QWidget& w)
{
    const QWidget* parent = w.parentWidget();
    if (!parent || w.isWindow()) return false;
    if (const auto* area = qobject_cast<const QAbstractScrollArea*>(parent->parentWidget()))
        if (area->viewport() == parent) return false;
    return !parent->rect().adjusted(-1, -1, 1, 1).contains(w.geometry());
}

// Controls a keyboard user works with. Tool buttons duplicate menu commands; scroll bars, headers and
// the corner button belong to a view the keyboard scrolls itself.
bool TakesInput(const QWidget& w)
{
    if (qobject_cast<const QToolButton*>(&w) || qobject_cast<const QScrollBar*>(&w) ||
        qobject_cast<const QHeaderView*>(&w))
        return false;
    for (const QWidget* p = w.parentWidget(); p; p = p->parentWidget())
        if (qobject_cast<const QAbstractScrollArea*>(p) && !qobject_cast<const QScrollArea*>(p)) return false;
    return qobject_cast<const QAbstractButton*>(&w) || qobject_cast<const QLineEdit*>(&w) ||
           qobject_cast<const QComboBox*>(&w) || qobject_cast<const QAbstractSpinBox*>(&w) ||
           qobject_cast<const QAbstractItemView*>(&w) || qobject_cast<const QAbstractSlider*>(&w);
}

QString TextOf(const QWidget& w)
{
    if (const auto* label = qobject_cast<const QLabel*>(&w)) return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&w)) return button->text();
    return {};
}

}  // namespace

QStringList CheckDialogLayout(QWidget& dialog)
{
    QStringList findings;
    for (QWidget* w : dialog.findChildren<QWidget*>()) {
        if (!w->isVisible() || w->isWindow()) continue;
        if (QString cut = CutText(*w); !cut.isEmpty()) findings << cut;
        if (OutsideParent(*w)) findings << Describe(*w, TextOf(*w)) + QStringLiteral(": outside its parent");
        if (TakesInput(*w) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) == 0)
            findings << Describe(*w, TextOf(*w)) + QStringLiteral(": Tab never reaches it");
    }
    return findings;
}

}  // namespace ovhost
