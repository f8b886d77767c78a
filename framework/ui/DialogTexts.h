// Captioning a dialog from a language-file section, and the naming rule that maps the control ids of
// the dialog templates to the objectNames of the widgets ("ctl_<id>").
#pragma once

#include <QString>

#include <cstdint>
#include <string_view>

class QWidget;

namespace ov {

class LangTable;

// objectName of the control with template id `id`: "ctl_" + the id in decimal.
QString ControlName(int id);

// Gives a freshly made control its name from the template id and hands it back, so a page can build
// and name a control in one expression.
template <typename Control>
Control* Named(Control* control, int id)
{
    control->setObjectName(ControlName(id));
    return control;
}

// The control with that id below `dialog`: direct children first, then deeper ones (Qt puts controls
// inside group boxes and layout containers where the template had them side by side). Null when
// missing.
QWidget* FindControl(QWidget* dialog, int id);

// Sets `text` as the widget's visible caption. Buttons, labels, line edits, text edits and group boxes
// get their own text setter; an editable combo box gets its edit text; any other widget gets its
// writable "text" property when it has one, else its window title. An empty text changes nothing.
void SetControlText(QWidget* control, const QString& text);

// Walks (control id, entry index) pairs until a pair whose id and index are both negative. Each
// pair's text is looked up in `section`; id <= 0 captions the dialog's title, a positive id the
// control named ControlName(id). Missing sections, entries and controls leave the built-in captions.
void ApplyLocalizedTexts(LangTable& table, std::string_view section, const int32_t* pairTable,
                         QWidget* dialog);

}  // namespace ov
