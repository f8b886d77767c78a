// The stand-in of the 3-D view without OpenGL.
#include "view3d/gl/ViewMessage.h"

#include "framework/text/LangTable.h"
#include "framework/text/LanguageChoice.h"
#include "framework/ui/GuardedHandler.h"

#include <QPainter>

namespace ov {

QString NoOpenGlMessage()
{
    LangTable texts;
    texts.Open(CurrentLanguageCode(), "LANG_05.xml");
    const std::u16string text = texts.GetLocalizedText("gMSG_1", 1);
    if (!text.empty()) return QString::fromStdU16String(text);
    return QStringLiteral("The 3-D view needs OpenGL, which this display does not offer.");
}

ViewMessage::ViewMessage(QWidget* parent) : QWidget(parent), text_(NoOpenGlMessage())
{
    setObjectName(QStringLiteral("view3d_message"));
}

ViewMessage::~ViewMessage()
{
    // Moved out first: the view's destructor then finds nothing to take back and leaves this alone.
    std::unique_ptr<QWidget> view = std::move(kept_);
}

void ViewMessage::paintEvent(QPaintEvent*)
{
    RunGuarded(this, [this] {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(rect().adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap, text_);
    });
}

}  // namespace ov
