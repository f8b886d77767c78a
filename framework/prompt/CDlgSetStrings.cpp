// The Set Strings prompt: template geometry in dialog units, rows from SetStringsRows, placement from
// WindowPlacement, texts from "SSDlg.xml".
#include "framework/prompt/CDlgSetStrings.h"
#include "framework/prompt/SetStrings.h"

#include "data/formula/NumericExpression.h"
#include "framework/prompt/WindowPlacement.h"
#include "framework/text/LangTable.h"
#include "framework/text/LanguageChoice.h"
#include "framework/ui/DialogTexts.h"
#include "framework/ui/GuardedHandler.h"
#include "framework/ui/InterfaceFont.h"
#include "framework/ui/MessageBox.h"

#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include <cstdlib>

namespace ov {
namespace {

constexpr int kRowTop[kSetStringsRows] = {8, 27, 46, 65, 84, 103};  // label tops; boxes 2 above

QString ToQString(const std::u16string& s)
{
    return QString::fromStdU16String(s);
}

// Shows one error message per failed numeric row and lets the row count as 0.
std::optional<double> EvaluateOrReport(QWidget* parent, const std::u16string& text)
{
    const ExpressionResult r = EvaluateNumericText(text);
    if (r.ok) return r.value;
    ShowMessage({parent, {}, QString::fromStdString(r.error), MessageButtons::Ok, MessageIcon::Critical});
    return std::nullopt;
}

ScreenRect ToScreenRect(const QRect& r)
{
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

}  // namespace

CDlgSetStrings::CDlgSetStrings(SetStringsSetup setup, QWidget* parent)
    : QDialog(parent), setup_(std::move(setup))
{
    setWindowTitle(ToQString(setup_.title));
    setFont(InterfaceFont());
    BuildControls();
    LangTable texts;
    texts.Open(CurrentLanguageCode(), "SSDlg.xml");
    static const int32_t kPairs[] = {kSsOk, 1, kSsCancel, 2, kSsApply, 3, -1, -1};
    ApplyLocalizedTexts(texts, "gCS_1", kPairs, this);
    ShowRows();
    ShrinkAndPlace();
}

void CDlgSetStrings::BuildControls()
{
    const DialogUnits du(font());
    setFixedSize(du.X(249), du.Y(150));
    for (int i = 0; i < kSetStringsRows; ++i) {
        labels_[i] = new QLabel(this);
        labels_[i]->setObjectName(ControlName(kSsLabel + i));
        labels_[i]->setGeometry(du.Rect(8, kRowTop[i], 79, 8));
        edits_[i] = new QLineEdit(this);
        edits_[i]->setObjectName(ControlName(kSsEdit + i));
        edits_[i]->setGeometry(du.Rect(90, kRowTop[i] - 2, 152, 14));
        dropDowns_[i] = new QComboBox(this);
        dropDowns_[i]->setObjectName(ControlName(kSsDropDown + i));
        dropDowns_[i]->setEditable(true);
        dropDowns_[i]->setInsertPolicy(QComboBox::NoInsert);
        const QRect box = du.Rect(90, kRowTop[i] - 1, 152, 14);
        dropDowns_[i]->setGeometry(box.x(), box.y(), box.width(), dropDowns_[i]->sizeHint().height());
        labels_[i]->setBuddy(edits_[i]);
        for (QWidget* w : {static_cast<QWidget*>(labels_[i]), static_cast<QWidget*>(edits_[i]),
                           static_cast<QWidget*>(dropDowns_[i])})
            w->hide();
    }
    separator_ = new QFrame(this);
    separator_->setObjectName(ControlName(kSsSeparator));
    separator_->setFrameShape(QFrame::HLine);
    separator_->setFrameShadow(QFrame::Sunken);
    separator_->setGeometry(du.Rect(6, 121, 237, 2));
    apply_ = new QPushButton(tr("Apply"), this);
    ok_ = new QPushButton(tr("OK"), this);
    cancel_ = new QPushButton(tr("Cancel"), this);
    apply_->setObjectName(ControlName(kSsApply));
    ok_->setObjectName(ControlName(kSsOk));
    cancel_->setObjectName(ControlName(kSsCancel));
    apply_->setGeometry(du.Rect(6, 129, 72, 15));
    ok_->setGeometry(du.Rect(90, 129, 97, 15));
    cancel_->setGeometry(du.Rect(192, 129, 50, 15));
    ok_->setDefault(true);  // Enter in a text box collects and closes with OK
    apply_->setAutoDefault(false);
    cancel_->setAutoDefault(false);
    connect(ok_, &QPushButton::clicked, this, Guarded(this, &CDlgSetStrings::OnOk));
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(apply_, &QPushButton::clicked, this, Guarded(this, &CDlgSetStrings::OnApply));
}

void CDlgSetStrings::ShowRows()
{
    apply_->setVisible(setup_.labels.size() != setup_.values.size());
    rows_ = BuildSetStringsRows(setup_.labels, setup_.values, setup_.choiceLists);
    for (int i = 0; i < kSetStringsRows; ++i) {
        const SetStringsRow& row = rows_[static_cast<size_t>(i)];
        if (!row.shown) continue;
        labels_[i]->setText(ToQString(row.label));
        labels_[i]->show();
        if (row.kind == RowKind::DropDown) {
            for (const auto& choice : row.choices) dropDowns_[i]->addItem(ToQString(choice));
            dropDowns_[i]->setCurrentIndex(row.selected);
            dropDowns_[i]->show();
            labels_[i]->setBuddy(dropDowns_[i]);
        } else {
            edits_[i]->setText(ToQString(row.text));
            edits_[i]->show();
        }
    }
    for (int i = 0; i < kSetStringsRows; ++i) {
        if (edits_[i]->isVisibleTo(this) || dropDowns_[i]->isVisibleTo(this)) {
            (edits_[i]->isVisibleTo(this) ? static_cast<QWidget*>(edits_[i]) : dropDowns_[i])->setFocus();
            break;
        }
    }
}

void CDlgSetStrings::ShrinkAndPlace()
{
    // The pitch from the first text box to the second, measured on the template (negative: downwards).
    const int pitch = edits_[0]->geometry().bottom() - edits_[1]->geometry().bottom();
    const QRect client(QPoint(0, 0), size());
    const ShrinkResult shrink =
        ShrinkForRows(ToScreenRect(client), pitch, ShownRowCount(setup_.labels, setup_.values));
    for (QWidget* w : {static_cast<QWidget*>(apply_), static_cast<QWidget*>(ok_),
                       static_cast<QWidget*>(cancel_), static_cast<QWidget*>(separator_)})
        w->move(w->x(), w->y() + shrink.shift);
    setFixedSize(shrink.window.Width(), shrink.window.Height());
    if (!setup_.placement) return;

    // Place the shrunk window: start centred where Qt would put it, then apply the placement rules.
    const DialogPlacement& p = *setup_.placement;
    QWidget* anchorWidget = p.anchor ? static_cast<QWidget*>(p.anchor->widget) : nullptr;
    std::optional<ScreenRect> anchor;
    if (anchorWidget)
        anchor = ToScreenRect(QRect(anchorWidget->mapToGlobal(QPoint(0, 0)), anchorWidget->size()));
    QScreen* screen = QGuiApplication::screenAt(QPoint(p.x, p.y));
    if (!screen) screen = QGuiApplication::primaryScreen();
    const QRect work = screen ? screen->availableGeometry() : QRect(0, 0, 1920, 1080);
    ScreenRect w{0, 0, width(), height()};
    w.Offset(work.center().x() - width() / 2, work.center().y() - height() / 2);
    w = PlaceWindow(w, static_cast<int8_t>(p.mode), p.x, p.y, anchor, work.width(), work.height());
    move(w.left, w.top);
}

SetStringsRowArray CDlgSetStrings::ReadRows() const
{
    SetStringsRowArray rows = rows_;
    for (int i = 0; i < kSetStringsRows; ++i) {
        SetStringsRow& row = rows[static_cast<size_t>(i)];
        row.text = edits_[i]->text().toStdU16String();
        if (row.kind == RowKind::DropDown) {
            const int index = dropDowns_[i]->findText(dropDowns_[i]->currentText(), Qt::MatchExactly);
            row.selected = index;  // typed text that matches no choice selects nothing: an empty value
        }
    }
    return rows;
}

void CDlgSetStrings::Collect()
{
    setup_.values =
        CollectSetStringsValues(ReadRows(), setup_.labels.size(),
                                [this](const std::u16string& t) { return EvaluateOrReport(this, t); });
}

void CDlgSetStrings::OnOk()
{
    Collect();
    accept();
}

void CDlgSetStrings::OnApply()
{
    Collect();
    if (!setup_.placement || !setup_.placement->anchor) return;
    OvHostWindow* anchor = setup_.placement->anchor;
    if (!anchor->send_message) return;
    // The anchor reads the values as a host list of host strings, valid during the call.
    OvHostList list;
    ov_list_init(&list);
    for (const auto& v : setup_.values) ov_list_append(&list, ov_str_dup_n(v.c_str(), v.size()));
    anchor->send_message(anchor, kSetStringsApplyMessage, reinterpret_cast<uintptr_t>(&list), 1);
    ov_list_free_strings(&list);
}

int RunSetStrings(SetStringsSetup& setup, QWidget* parent)
{
    CDlgSetStrings dialog(setup, parent);
    if (dialog.exec() != QDialog::Accepted) return 2;
    setup.values = dialog.Values();
    return 1;
}

}  // namespace ov
