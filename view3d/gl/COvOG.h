// COvOG: the 3-D view: draws a chart's 3-D model with OpenGL (QOpenGLWidget, compatibility profile),
// turns it with the mouse and offers projection, pixel read-back and view reset to its sheet. Where
// the platform has no OpenGL the view stays out of the window and a message stands in its place;
// every service then still answers (projection by the plain maths, empty pixels).
#pragma once

#include <ornivex/surface.h>

#include <QFont>
#include <QOpenGLWidget>
#include <QPointer>

#include <cstdint>
#include <memory>
#include <vector>

namespace ov {

class ViewMessage;
class ViewState;
struct ViewFrame;

class COvOG : public QOpenGLWidget {
    Q_OBJECT
public:
    // mode from record 0x870, camera, view reset from the record's 9 stored floats (0x884), pan 0.
    COvOG(QWidget* parent, Host3DObject* model, ChartRecord* record);
    ~COvOG() override;
    COvOG(const COvOG&) = delete;
    COvOG& operator=(const COvOG&) = delete;

    bool HasContext() const;          // false offscreen / no GL: the view shows LANG_05 gMSG_1 text
    void Rebuild();                   // rebuild the model items (RebuildModel), recompile, repaint
    void SetView(int mode);           // see ViewState::SetView; repaints
    void ResetView(bool fromRecord);  // record's 9 floats or the default rotation; repaints
    void Render(double factor, bool walls);
    void ProjectModelItems(bool sort = true);  // rebuild + render, then ProjectModel(...)
    std::vector<uint8_t> ReadPixels(
        int factor);  // (w·f)×(h·f)×4 RGBA, bottom row first; empty without context
    void StoreViewState(float (&out)[9]) const;  // current rotation, for record 0x884
    float ViewWidth() const;                     // never below 1
    float ViewHeight() const;
    ViewState& State();  // pan is moved by the owner through it

    // The font of the labels drawn over the picture ("Consolas" 16, else the fixed system font).
    const QFont& LabelFont() const { return labelFont_; }
    // The message that stands in the view's place without OpenGL (null with a context).
    QWidget* MessageWidget() const;
    // Without a context the view never enters its parent; the message takes its place and size.
    void setVisible(bool visible) override;

Q_SIGNALS:
    void ViewChanged();  // right-button release after the view was touched

protected:
    void initializeGL() override;
    void paintGL() override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool Drawable() const;
    void CompileModel();
    void DrawFrame(double factor, double savedFactor, bool walls);
    void DrawWalls();
    void FollowSize();
    void ProjectWithoutContext();

    Host3DObject* model_;
    ChartRecord* record_;
    std::unique_ptr<ViewState> state_;
    std::unique_ptr<ViewFrame> frame_;  // the matrices and viewport of the last frame
    QFont labelFont_;
    QPointer<ViewMessage> message_;
    unsigned list_ = 0;
    bool hasContext_ = false;
    bool initialized_ = false;
    bool busy_ = false;
    bool panning_ = false;
};

}  // namespace ov
