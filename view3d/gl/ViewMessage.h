// ViewMessage: what stands in the 3-D view's place where OpenGL is missing: a white area with the
// view's message text ("gMSG_1" of "LANG_05.xml"), so the sheet around it keeps working.
#pragma once

#include <QWidget>

#include <memory>

namespace ov {

class ViewMessage : public QWidget {
public:
    explicit ViewMessage(QWidget* parent);
    ~ViewMessage() override;
    ViewMessage(const ViewMessage&) = delete;
    ViewMessage& operator=(const ViewMessage&) = delete;

    const QString& Text() const { return text_; }
    // The view that stays out of the window goes when its stand-in goes (with the parent); a view
    // destroyed first takes itself back (true: this stand-in is not going itself).
    void Keep(std::unique_ptr<QWidget> view) { kept_ = std::move(view); }
    bool Forget() { return kept_.release() != nullptr; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString text_;
    std::unique_ptr<QWidget> kept_;
};

// The message in the current language; the English text when the language file has none.
QString NoOpenGlMessage();

}  // namespace ov
