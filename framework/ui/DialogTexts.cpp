// Captioning dialogs from language files: the id-to-objectName rule and the text setter per widget kind.
#include "framework/ui/DialogTexts.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMetaProperty>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

#include "framework/text/LangTable.h"

namespace ov {
namespace {

// Sets the caption through a widget-specific setter; false when the widget kind has none.
bool SetKnownWidgetText(QWidget* control, const QString& text)
{
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(text);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(text);
    } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setText(text);
    } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
        group->setTitle(text);
    } else if (auto* rich = qobject_cast<QTextEdit*>(control)) {
        rich->setPlainText(text);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(control)) {
        plain->setPlainText(text);
    } else if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->isEditable()) {
        combo->setEditText(text);
    } else {
        return false;
    }
    return true;
}

// Custom controls (swatches, previews) may expose a "text" property; a read-only one is skipped.
bool SetTextProperty(QWidget* control, const QString& text)
{
    const QMetaObject* meta = control->metaObject();
    int index = meta->indexOfProperty("text");
    if (index < 0 || !meta->property(index).isWritable()) return false;
    return control->setProperty("text", text);
}

}  // namespace

QString ControlName(int id)
{
    return QStringLiteral("ctl_%1").arg(id);
}

QWidget* FindControl(QWidget* dialog, int id)
{
    if (!dialog) return nullptr;
    // Qt searches all direct children before descending, so a control of the dialog itself wins over
    // a same-named control of an embedded page.
    return dialog->findChild<QWidget*>(ControlName(id));
}

void SetControlText(QWidget* control, const QString& text)
{
    if (!control || text.isEmpty()) return;
    if (SetKnownWidgetText(control, text) || SetTextProperty(control, text)) return;
    control->setWindowTitle(text);
}

void ApplyLocalizedTexts(LangTable& table, std::string_view section, const int32_t* pairTable,
                         QWidget* dialog)
{
    if (!dialog || !pairTable || !table.SelectSection(section)) return;
    for (const int32_t* pair = pairTable; pair[0] >= 0 || pair[1] >= 0; pair += 2) {
        QString text = QString::fromStdU16String(table.CurrentSectionText(pair[1]));
        if (text.isEmpty()) continue;
        if (pair[0] <= 0) {
            dialog->setWindowTitle(text);
        } else {
            SetControlText(FindControl(dialog, pair[0]), text);
        }
    }
}

}  // namespace ov
