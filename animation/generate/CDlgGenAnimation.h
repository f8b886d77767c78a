// CDlgGenAnimation: the Generate Animation dialog. "Generate" asks the host to render the frames
// (message 0x1982), the preview plays them back (play, pause, step back and forward, frame counter
// and time), and "Save Video..." writes them with one of the five video types.
#pragma once

#include "animation/generate/FrameList.h"
#include "animation/generate/GenerateAnimationSettings.h"

#include <QDialog>
#include <QString>

#include <memory>
#include <string>
#include <vector>

#include <ornivex/hostwindow.h>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTimer;

namespace ov {

class FramePreview;
class LangTable;
class ProgressControl;

class CDlgGenAnimation : public QDialog {
    Q_OBJECT
public:
    // Control ids; each control's objectName is ControlName(id).
    enum ControlId : int {
        kIdClose = 2,
        kIdDurationLabel = 1001,
        kIdDuration = 1002,
        kIdFpsLabel = 1003,
        kIdFps = 1004,
        kIdGenerate = 1005,
        kIdSaveVideo = 1006,
        kIdPlay = 1007,
        kIdBack = 1008,
        kIdForward = 1009,
        kIdProgress = 1010,
        kIdTime = 1012,
        kIdHiddenCheck1 = 1013,
        kIdHiddenCheck2 = 1014,
        kIdHiddenStatic1 = 1015,
        kIdHiddenStatic2 = 1016,
    };

    CDlgGenAnimation(QWidget* parent, OvHostWindow* hostWindow);
    ~CDlgGenAnimation() override;

    int FrameCount() const { return frameCount_; }
    int CurrentFrame() const { return current_; }
    bool Playing() const { return playing_; }
    int TimerInterval() const;
    const AnimationLength& Length() const { return length_; }
    const FrameList& Frames() const { return frames_; }
    FramePreview* Preview() const { return preview_; }

private:
    void BuildControls();
    void ApplyTexts();
    QString Text(int entry, const char* builtIn) const;

    void OnGenerate();
    void OnPlay();
    void OnStep(int delta);
    void OnTick();
    void OnSaveVideo();

    void StartPlayback();
    void StopPlayback();
    void ShowFrame(int index);
    void UpdatePlayControls();
    void DiscardFrames();
    void WriteVideo(const QString& path, int type);
    static std::vector<std::string> KeptFolders();

    OvHostWindow* host_;
    std::unique_ptr<LangTable> texts_;
    AnimationLength length_;
    FrameList frames_;
    int frameCount_ = 0;
    int current_ = 0;
    bool playing_ = false;

    QLineEdit* duration_ = nullptr;
    QLineEdit* fps_ = nullptr;
    QPushButton* generate_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* play_ = nullptr;
    QPushButton* back_ = nullptr;
    QPushButton* forward_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* time_ = nullptr;
    FramePreview* preview_ = nullptr;
    QTimer* timer_ = nullptr;
    std::unique_ptr<ProgressControl> progressControl_;
};

}  // namespace ov
