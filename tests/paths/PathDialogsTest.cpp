// The Clipped Path dialog and points along paths through the entry point's dispatch: refused
// arguments, wheel and pointer on the view, OK with and without picked pieces, Apply Next and its
// host message, the remembered options, and the points that reach the temporary magnet.
#include "PathTestKit.h"

#include "framework/prompt/CDlgSetStrings.h"
#include "framework/settings/RegKeyHandle.h"
#include "framework/text/LanguageChoice.h"
#include "framework/ui/DialogTexts.h"
#include "framework/ui/MessageBox.h"
#include "host/Dispatch.h"
#include "magnets/COvMag.h"
#include "magnets/MagnetList.h"
#include "paths/CDlgClipPath.h"
#include "paths/ClipPathSettings.h"
#include "paths/PathDialogs.h"
#include "paths/SegPathRecord.h"
#include "testhost/HostFixtures.h"
#include "testhost/ModalDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QMouseEvent>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <bit>
#include <cstdlib>

namespace {

using namespace ov;
using namespace ovtest;

// Host path handles that go with the test.
class HostPaths {
public:
    ~HostPaths()
    {
        for (OvPath* p : paths_) ov_path_destroy(p);
    }
    void Polygon(std::vector<OvPointF> pts) { Add(pts, true); }
    void Lines(std::vector<OvPointF> pts) { Add(pts, false); }
    OvHostList* List() { return list_.get(); }

private:
    void Add(const std::vector<OvPointF>& pts, bool closed)
    {
        OvPath* p = ov_path_create(OV_FILL_ALTERNATE);
        closed ? ov_path_add_polygon(p, pts.data(), int32_t(pts.size()))
               : ov_path_add_lines(p, pts.data(), int32_t(pts.size()));
        paths_.push_back(p);
        ov_list_append(list_.get(), p);
    }
    std::vector<OvPath*> paths_;
    HostList list_;
};

using ResultList = ov::testkit::HostRecords;

class ClipPathDialog : public testing::Test {
protected:
    void SetUp() override
    {
        EnsureTestApplication();
        SetCurrentLanguageCodeForTesting(u"en");
        registry_.clipPath = [](PathsCall& c) { return RunClipPath(c); };
        registry_.pointsAlongPaths = [](PathsCall& c) { return RunPointsAlongPaths(c); };
        StoreClipPathOptions({});
        // Two squares overlapping corner to corner.
        paths_.Polygon({{0, 0}, {100, 0}, {100, 100}, {0, 100}});
        paths_.Polygon({{50, 50}, {50, 150}, {150, 150}, {150, 50}});
    }
    int32_t Dispatch(uint32_t code, void* word0, void* word1, void* extra = nullptr)
    {
        GEEdtParams p{word0, word1, window_.get(), code, extra};
        return DispatchGEEdt(&p, registry_, [] { return true; });
    }
    // Opens the dialog over the two squares and acts on it; fails when the dialog never came up.
    int Run(ResultList& results, const std::function<void(CDlgClipPath&)>& act)
    {
        bool acted = false;
        const int r = RunModal([&] { return Dispatch(OV_CODE_CLIP_PATH, paths_.List(), &results.list); },
                               [&](QDialog& d) {
                                   acted = true;
                                   act(dynamic_cast<CDlgClipPath&>(d));
                               });
        EXPECT_TRUE(acted);
        return r;
    }
    size_t ResultMessages() const
    {
        size_t n = 0;
        for (const HostMessage& m : window_.Messages())
            n += m.message == 0x1988 && m.wparam == 1 && m.lparam == 0;
        return n;
    }
    // A view point on the piece through the given document point's neighbourhood: the middle of its
    // first link.
    static QPointF OnPiece(CDlgClipPath& d, size_t index)
    {
        const COvSeg& piece = *d.View().Pieces().Pieces()[index];
        const auto cps = piece.ControlPoints();
        return {(cps[0].x + cps[1].x) / 2.0, (cps[0].y + cps[1].y) / 2.0};
    }
    static void Mouse(QWidget* w, QEvent::Type type, QPointF at, Qt::MouseButtons held)
    {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent e(type, at, w->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
    static void PressMoveRelease(QWidget* w, QPointF at, QPointF by)
    {
        Mouse(w, QEvent::MouseButtonPress, at, Qt::LeftButton);
        Mouse(w, QEvent::MouseMove, at + by, Qt::LeftButton);
        Mouse(w, QEvent::MouseButtonRelease, at + by, Qt::NoButton);
    }
    static void Wheel(QWidget* w, QPointF at, int delta)
    {
        QWheelEvent e(at, w->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
        QApplication::sendEvent(w, &e);
    }

    DialogRegistry registry_;
    RecordingHostWindow window_;
    HostPaths paths_;
};

TEST_F(ClipPathDialog, UnusableArgumentsOpenNothing)
{
    ResultList results;
    OvHostList empty;
    ov_list_init(&empty);
    MagnetRecord magnets{};
    CellGrid grid{0, 0, 1};
    const auto refused = [&](uint32_t code, void* w0, void* w1, void* extra) {
        const int r = RunModal([&] { return Dispatch(code, w0, w1, extra); }, [](QDialog&) {});
        return r == 0 && !LastRunSawDialog();
    };
    EXPECT_TRUE(refused(OV_CODE_CLIP_PATH, nullptr, &results.list, nullptr));
    EXPECT_TRUE(refused(OV_CODE_CLIP_PATH, paths_.List(), nullptr, nullptr));
    EXPECT_TRUE(refused(OV_CODE_CLIP_PATH, paths_.List(), &empty, nullptr));
    EXPECT_TRUE(refused(OV_CODE_POINTS_ALONG_PATHS, nullptr, &grid, &magnets));
    EXPECT_TRUE(refused(OV_CODE_POINTS_ALONG_PATHS, paths_.List(), nullptr, &magnets));
    EXPECT_TRUE(refused(OV_CODE_POINTS_ALONG_PATHS, paths_.List(), &grid, nullptr));
    for (const double size : {0.0, -2.0, double(NAN), double(INFINITY)}) {
        CellGrid bad{0, 0, size};
        EXPECT_TRUE(refused(OV_CODE_POINTS_ALONG_PATHS, paths_.List(), &bad, &magnets)) << size;
    }
    // An empty path list is valid: the dialog opens over no pieces.
    EXPECT_EQ(RunModal([&] { return Dispatch(OV_CODE_CLIP_PATH, &empty, &results.list); },
                       [](QDialog& d) {
                           EXPECT_TRUE(dynamic_cast<CDlgClipPath&>(d).View().Pieces().Pieces().empty());
                       }),
              0);
    EXPECT_TRUE(LastRunSawDialog());
}

TEST_F(ClipPathDialog, TheWheelZoomsTheViewAndRetitlesTheDialog)
{
    ResultList at50(50, 5.0);
    Run(at50, [&](CDlgClipPath& d) {
        EXPECT_EQ(d.windowTitle(), "Ornivex / Clipped Path - 1000%");
        Wheel(&d.View(), {100, 100}, 120);
        EXPECT_EQ(d.View().Pieces().ZoomStep(), 50);
        Wheel(&d.View(), {100, 100}, -120);
        EXPECT_EQ(d.windowTitle(), "Ornivex / Clipped Path - 980%");
    });
}

TEST_F(ClipPathDialog, AFourPixelDragPicksASixPixelDragPans)
{
    ResultList results;
    Run(results, [&](CDlgClipPath& d) {
        ASSERT_EQ(d.View().Pieces().Pieces().size(), 4u);
        const QPointF at = OnPiece(d, 0);
        PressMoveRelease(&d.View(), at, {3, 1});
        EXPECT_EQ(d.View().Pieces().PickedCount(), 1);
        EXPECT_NE(d.View().Pieces().Pieces()[0]->state, 0);
        const Vec2 origin = d.View().Pieces().Origin();
        PressMoveRelease(&d.View(), OnPiece(d, 1), {4, 2});
        EXPECT_EQ(d.View().Pieces().PickedCount(), 1);
        EXPECT_DOUBLE_EQ(d.View().Pieces().Origin().x, origin.x + 4);
        EXPECT_DOUBLE_EQ(d.View().Pieces().Origin().y, origin.y + 2);
        PressMoveRelease(&d.View(), OnPiece(d, 0), {0, 0});  // a click on it again unpicks it
        EXPECT_EQ(d.View().Pieces().PickedCount(), 0);
        PressMoveRelease(&d.View(), {2, 2}, {0, 0});  // far from every piece
        EXPECT_EQ(d.View().Pieces().PickedCount(), 0);
    });
}

TEST_F(ClipPathDialog, OkWithNothingPickedAsksAndYesCancels)
{
    std::vector<MessageRequest> asked;
    int answer = kMessageNo;
    ScopedMessagePresenter presenter([&](const MessageRequest& r) {
        asked.push_back(r);
        return answer;
    });
    ResultList results;
    const int kept = Run(results, [&](CDlgClipPath& d) {
        Click(d, ControlName(CDlgClipPath::kIdOk));
        EXPECT_TRUE(d.isVisible());  // No keeps it open
        answer = kMessageYes;
        Click(d, ControlName(CDlgClipPath::kIdOk));
    });
    EXPECT_EQ(kept, 0);
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(asked[0].icon, MessageIcon::Question);
    EXPECT_EQ(asked[0].text, "No piece is picked. Close without creating paths?");
    EXPECT_EQ(results.list.count, 1);
}

TEST_F(ClipPathDialog, OkWithPickedPiecesHandsThemOverInOrder)
{
    ResultList results;
    const int r = Run(results, [&](CDlgClipPath& d) {
        Click(d, ControlName(CDlgClipPath::kIdPickAll));
        EXPECT_EQ(d.View().Pieces().PickedCount(), 4);
        Click(d, ControlName(CDlgClipPath::kIdPickNone));
        EXPECT_EQ(d.View().Pieces().PickedCount(), 0);
        d.View().Pieces().Pieces()[0]->state = 1;
        d.View().Pieces().Pieces()[3]->state = 1;
        Click(d, ControlName(CDlgClipPath::kIdOk));
    });
    EXPECT_EQ(r, 1);
    EXPECT_EQ(ResultMessages(), 0u);
    EXPECT_EQ(results.TakeResults().size(), 2u);
    EXPECT_EQ(results.view.zoom_step, 10);
}

TEST_F(ClipPathDialog, ApplyNextSendsOneMessagePerHandOverAndLetsOkClose)
{
    std::vector<MessageRequest> asked;
    ScopedMessagePresenter presenter([&](const MessageRequest& r) {
        asked.push_back(r);
        return kMessageYes;
    });
    ResultList results;
    window_.answer = [&](const HostMessage&) {
        results.TakeResults();  // the host consumes the records at once
        return intptr_t(0);
    };
    const int r = Run(results, [&](CDlgClipPath& d) {
        Click(d, ControlName(CDlgClipPath::kIdApplyNext));  // nothing picked: nothing happens
        EXPECT_EQ(ResultMessages(), 0u);
        EXPECT_EQ(d.ApplyCount(), 0);
        Click(d, ControlName(CDlgClipPath::kIdPickAll));
        Click(d, ControlName(CDlgClipPath::kIdApplyNext));
        EXPECT_EQ(ResultMessages(), 1u);
        EXPECT_EQ(d.ApplyCount(), 1);
        EXPECT_EQ(d.View().Pieces().PickedCount(), 0);
        d.View().Pieces().Pieces()[2]->state = 1;
        Click(d, ControlName(CDlgClipPath::kIdApplyNext));
        EXPECT_EQ(ResultMessages(), 2u);
        Click(d, ControlName(CDlgClipPath::kIdOk));  // nothing picked, but handed over before
    });
    EXPECT_EQ(r, 1);
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(ResultMessages(), 2u);
}

TEST_F(ClipPathDialog, OptionsAreReadAtOpeningAndWrittenEvenAfterCancel)
{
    ClipPathOptions stored;
    stored.newLayer = true;
    StoreClipPathOptions(stored);
    ResultList results;
    const int r = Run(results, [&](CDlgClipPath& d) {
        auto* deleteSource = d.findChild<QCheckBox*>(ControlName(CDlgClipPath::kIdDeleteSrc));
        auto* newLayer = d.findChild<QCheckBox*>(ControlName(CDlgClipPath::kIdNewLayer));
        EXPECT_FALSE(deleteSource->isChecked());
        EXPECT_TRUE(newLayer->isChecked());
        EXPECT_FALSE(d.findChild<QWidget*>(ControlName(CDlgClipPath::kIdMethod))->isVisible());
        EXPECT_GE(d.width(), 800);
        EXPECT_GE(d.height(), 640);
        deleteSource->click();
        newLayer->click();
        Click(d, ControlName(CDlgClipPath::kIdCancel));
    });
    EXPECT_EQ(r, 0);
    RegKeyHandle key(kClipOptionsKey);
    EXPECT_EQ(key.ReadDword("DeleteSrc", 7), 1u);
    EXPECT_EQ(key.ReadDword("NewLayer", 7), 0u);
    EXPECT_GE(key.ReadDword("W", 0), 800u);
}

class PointsAlongPathsRun : public ClipPathDialog {
protected:
    void TearDown() override
    {
        for (COvMag* m : MagnetsOf(record_)) ov_mag_destroy(m->Handle());
        ov_list_remove_all(&record_.magnets);
    }
    int Answer(void* paths, const QString& divisions, const QString& bias, bool confirm = true)
    {
        prompt_.clear();
        const int r = RunModal([&] { return Dispatch(OV_CODE_POINTS_ALONG_PATHS, paths, &grid_, &record_); },
                               [&](QDialog& prompt) {
                                   EXPECT_EQ(prompt.windowTitle(), "Points Along Paths");
                                   prompt_ = {FieldText(prompt, 0), FieldText(prompt, 1)};
                                   TypeInto(prompt, ControlName(kSsEdit), divisions);
                                   TypeInto(prompt, ControlName(kSsEdit + 1), bias);
                                   Click(prompt, ControlName(confirm ? kSsOk : kSsCancel));
                               });
        EXPECT_EQ(prompt_.size(), 2u);  // the prompt came up
        return r;
    }
    static QString FieldText(QDialog& prompt, int row)
    {
        QWidget* edit = prompt.findChild<QWidget*>(ControlName(kSsEdit + row));
        return edit ? edit->property("text").toString() : QString();
    }
    std::vector<OvPointF> Placed() const
    {
        for (COvMag* m : MagnetsOf(record_))
            if (m->Has(OV_MAG_TEMPORARY)) return m->Positions();
        return {};
    }

    CellGrid grid_{10, 20, 2};
    MagnetRecord record_{.scale = 1.0};
    std::vector<QString> prompt_;
};

TEST_F(PointsAlongPathsRun, ALineOfTenInFiveDivisionsPlacesSixPointsInGridCells)
{
    HostPaths line;
    line.Lines({{10, 20}, {20, 20}});
    EXPECT_EQ(Answer(line.List(), "5", "1"), 1);
    const auto placed = Placed();
    ASSERT_EQ(placed.size(), 6u);
    for (size_t i = 0; i < placed.size(); ++i) {
        EXPECT_NEAR(placed[i].x, double(i), 1e-5);  // (x - 10) / 2
        EXPECT_EQ(placed[i].y, 0.0f);
    }
    EXPECT_EQ(prompt_, (std::vector<QString>{"0", "1"}));  // the defaults
    RegKeyHandle key(kPointsAlongKey);
    EXPECT_EQ(key.ReadDword("int_div", 0), 5u);
    EXPECT_EQ(std::bit_cast<float>(key.ReadDword("int_bias", 0)), 1.0f);
}

TEST_F(PointsAlongPathsRun, TypedValuesAreMendedAndStoredThenShownNextTime)
{
    HostPaths line;
    line.Lines({{10, 20}, {20, 20}});
    EXPECT_EQ(Answer(line.List(), "0", "50"), 1);
    EXPECT_EQ(Placed().size(), 2u);  // one division
    RegKeyHandle key(kPointsAlongKey);
    EXPECT_EQ(key.ReadDword("int_div", 0), 1u);
    EXPECT_EQ(std::bit_cast<float>(key.ReadDword("int_bias", 0)), 10.0f);
    EXPECT_EQ(Answer(line.List(), "2", "0.25"), 1);
    EXPECT_EQ(prompt_, (std::vector<QString>{"1", "10"}));
    EXPECT_EQ(Placed().size(), 5u);  // the same temporary magnet grows
}

TEST_F(PointsAlongPathsRun, CancelOrPathsWithoutSegmentsPlaceNothing)
{
    StorePointsAlongSettings({3, 2.0f});
    HostPaths line;
    line.Lines({{10, 20}, {20, 20}});
    EXPECT_EQ(Answer(line.List(), "7", "4", false), 0);
    EXPECT_TRUE(MagnetsOf(record_).empty());
    const PointsAlongSettings after = LoadPointsAlongSettings();
    EXPECT_EQ(after.divisions, 3);
    EXPECT_EQ(after.bias, 2.0f);
    // Paths without segments place nothing and report zero.
    HostPaths none;
    EXPECT_EQ(Answer(none.List(), "4", "1"), 0);
    EXPECT_TRUE(MagnetsOf(record_).empty());
}

}  // namespace
