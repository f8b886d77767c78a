// The Clipped Path dialog and points along paths through the entry point's dispatch: refused
// arguments, the pointer on the view, OK and Apply Next with and without picked pieces, the
// remembered options, and the points that reach the temporary magnet.
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
#include "testhost/HostFixtures.h"
#include "testhost/ModalDriver.h"

#include <QApplication>
#include <QCheckBox>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <bit>
#include <memory>

namespace {

using namespace ov;
using namespace ovtest;
using ResultList = ov::testkit::HostRecords;

// Host path handles in the list that hands them over.
struct HostPaths {
    std::vector<std::unique_ptr<OvPath, void (*)(OvPath*)>> paths;
    HostList list;
    explicit HostPaths(const std::vector<testkit::Pts>& polygons = {}, bool closed = true)
    {
        for (const auto& pts : polygons) {
            OvPath* p = paths.emplace_back(ov_path_create(OV_FILL_ALTERNATE), ov_path_destroy).get();
            closed ? ov_path_add_polygon(p, pts.data(), int32_t(pts.size()))
                   : ov_path_add_lines(p, pts.data(), int32_t(pts.size()));
            ov_list_append(list.get(), p);
        }
    }
    OvHostList* List() { return list.get(); }
};

class ClipPathDialog : public testing::Test {
protected:
    void SetUp() override
    {
        EnsureTestApplication();
        SetCurrentLanguageCodeForTesting(u"en");
        registry_.clipPath = [](PathsCall& c) { return RunClipPath(c); };
        registry_.pointsAlongPaths = [](PathsCall& c) { return RunPointsAlongPaths(c); };
        StoreClipPathOptions({});
    }
    int32_t Dispatch(uint32_t code, void* word0, void* word1, void* extra = nullptr)
    {
        GEEdtParams p{word0, word1, window_.get(), code, extra};
        return DispatchGEEdt(&p, registry_, [] { return true; });
    }
    // Opens the dialog over two squares overlapping corner to corner and acts on it.
    int Run(ResultList& results, const std::function<void(CDlgClipPath&)>& act)
    {
        bool acted = false;
        const int r = RunModal([&] { return Dispatch(OV_CODE_CLIP_PATH, squares_.List(), &results.list); },
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
    // A view point on the piece: the middle of its first link.
    static QPointF OnPiece(CDlgClipPath& d, size_t index)
    {
        const auto cps = d.View().Pieces().Pieces()[index]->ControlPoints();
        return {(cps[0].x + cps[1].x) / 2.0, (cps[0].y + cps[1].y) / 2.0};
    }
    static void PressMoveRelease(QWidget* w, QPointF at, QPointF by)
    {
        const auto send = [w](QEvent::Type type, QPointF p, Qt::MouseButton button, Qt::MouseButtons held) {
            QMouseEvent e(type, p, w->mapToGlobal(p), button, held, Qt::NoModifier);
            QApplication::sendEvent(w, &e);
        };
        send(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        send(QEvent::MouseMove, at + by, Qt::NoButton, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, at + by, Qt::LeftButton, Qt::NoButton);
    }

    DialogRegistry registry_;
    RecordingHostWindow window_;
    HostPaths squares_{
        {{{0, 0}, {100, 0}, {100, 100}, {0, 100}}, {{50, 50}, {50, 150}, {150, 150}, {150, 50}}}};
};

TEST_F(ClipPathDialog, UnusableArgumentsOpenNothing)
{
    ResultList results;
    OvHostList empty;
    ov_list_init(&empty);
    MagnetRecord magnets{};
    CellGrid grid{0, 0, 1}, zero{0, 0, 0}, infinite{0, 0, INFINITY};  // cells must be above 0 and finite
    const struct {
        uint32_t code;
        void *w0, *w1, *extra;
    } refused[] = {{OV_CODE_CLIP_PATH, nullptr, &results.list, nullptr},
                   {OV_CODE_CLIP_PATH, squares_.List(), nullptr, nullptr},
                   {OV_CODE_CLIP_PATH, squares_.List(), &empty, nullptr},
                   {OV_CODE_POINTS_ALONG_PATHS, nullptr, &grid, &magnets},
                   {OV_CODE_POINTS_ALONG_PATHS, squares_.List(), nullptr, &magnets},
                   {OV_CODE_POINTS_ALONG_PATHS, squares_.List(), &grid, nullptr},
                   {OV_CODE_POINTS_ALONG_PATHS, squares_.List(), &zero, &magnets},
                   {OV_CODE_POINTS_ALONG_PATHS, squares_.List(), &infinite, &magnets}};
    for (size_t i = 0; i < std::size(refused); ++i) {
        const auto& row = refused[i];
        EXPECT_EQ(RunModal([&] { return Dispatch(row.code, row.w0, row.w1, row.extra); }, [](QDialog&) {}), 0)
            << i;
        EXPECT_FALSE(LastRunSawDialog()) << i;
    }
}

TEST_F(ClipPathDialog, AClickPicksADragPans)
{
    ResultList results(50, 5.0);
    Run(results, [&](CDlgClipPath& d) {
        ASSERT_EQ(d.View().Pieces().Pieces().size(), 4u);
        // Up to five pixels a click toggles the piece under it, more pans the view.
        const struct {
            int piece;  // -1: far from every piece
            QPointF by;
            int picked;
            double panX, panY;
        } drags[] = {{0, {3, 1}, 1, 0, 0}, {0, {5, 0}, 0, 0, 0}, {1, {4, 2}, 0, 4, 2}, {-1, {0, 0}, 0, 0, 0}};
        for (const auto& drag : drags) {
            const Vec2 origin = d.View().Pieces().Origin();
            PressMoveRelease(&d.View(), drag.piece < 0 ? QPointF(2, 2) : OnPiece(d, size_t(drag.piece)),
                             drag.by);
            EXPECT_EQ(d.View().Pieces().PickedCount(), drag.picked) << drag.by.x();
            EXPECT_EQ(d.View().Pieces().Pieces()[0]->state, drag.picked);
            EXPECT_DOUBLE_EQ(d.View().Pieces().Origin().x, origin.x + drag.panX);
            EXPECT_DOUBLE_EQ(d.View().Pieces().Origin().y, origin.y + drag.panY);
        }
    });
}

// What the buttons do, pressed in order: OK asks when nothing was picked or handed over (the answers
// in turn; Yes cancels), Apply Next hands the picked pieces over at once with one message; the
// options toggled in the first run, closed by Yes, are stored.
TEST_F(ClipPathDialog, OkAndApplyNextHandOverThePickedPieces)
{
    enum Step { kOk, kPickAll, kPickNone, kPickFirstAndLast, kNext, kToggleOptions };
    ClipPathOptions stored;
    stored.newLayer = true;
    StoreClipPathOptions(stored);
    const struct {
        std::vector<Step> steps;
        std::vector<int> answers;
        int result;
        size_t messages, results;
    } rows[] = {
        {{kToggleOptions, kOk, kOk}, {kMessageNo, kMessageYes}, 0, 0, 0},
        {{kPickAll, kPickNone, kPickFirstAndLast, kOk}, {}, 1, 0, 2},
        {{kNext, kPickAll, kNext, kPickFirstAndLast, kNext, kOk}, {}, 1, 2, 0},
    };
    for (const auto& row : rows) {
        const size_t before = ResultMessages();
        size_t asked = 0;
        ScopedMessagePresenter presenter([&](const MessageRequest& r) {
            EXPECT_EQ(r.buttons, MessageButtons::YesNo);
            EXPECT_EQ(r.text, "No piece is picked. Close without creating paths?");
            return asked < row.answers.size() ? row.answers[asked++] : kMessageCancel;
        });
        ResultList results;
        window_.answer = [&](const HostMessage&) {
            results.TakeResults();  // the host consumes the records at once
            return intptr_t(0);
        };
        const int r = Run(results, [&](CDlgClipPath& d) {
            for (const Step step : row.steps) {
                ChainList& pieces = d.View().Pieces().Pieces();
                switch (step) {
                case kOk: Click(d, ControlName(CDlgClipPath::kIdOk)); break;
                case kPickAll:
                    Click(d, ControlName(CDlgClipPath::kIdPickAll));
                    EXPECT_EQ(d.View().Pieces().PickedCount(), 4);
                    break;
                case kPickNone:
                    Click(d, ControlName(CDlgClipPath::kIdPickNone));
                    EXPECT_EQ(d.View().Pieces().PickedCount(), 0);
                    break;
                case kPickFirstAndLast: pieces.front()->state = pieces.back()->state = 1; break;
                case kToggleOptions: {
                    auto* deleteSource = d.findChild<QCheckBox*>(ControlName(CDlgClipPath::kIdDeleteSrc));
                    auto* newLayer = d.findChild<QCheckBox*>(ControlName(CDlgClipPath::kIdNewLayer));
                    EXPECT_FALSE(deleteSource->isChecked());
                    EXPECT_TRUE(newLayer->isChecked());
                    deleteSource->click();
                    newLayer->click();
                    break;
                }
                case kNext:
                    Click(d, ControlName(CDlgClipPath::kIdApplyNext));
                    EXPECT_EQ(d.View().Pieces().PickedCount(), 0);
                    EXPECT_EQ(d.ApplyCount(), int(ResultMessages() - before));
                    break;
                }
            }
        });
        EXPECT_EQ(r, row.result);
        EXPECT_EQ(asked, row.answers.size());
        EXPECT_EQ(ResultMessages() - before, row.messages);
        EXPECT_EQ(results.TakeResults().size(), row.results);
    }
    // The options are read at opening and written whatever closed the dialog.
    RegKeyHandle key(kClipOptionsKey);
    EXPECT_EQ(key.ReadDword("DeleteSrc", 7), 1u);
    EXPECT_EQ(key.ReadDword("NewLayer", 7), 0u);
}

// Points along a line of length 10 from (10, 20), in cells of 2 from there, answered in turn on one
// magnet record: the typed values are mended and stored and shown next time; Cancel and paths without
// segments change nothing.
TEST_F(ClipPathDialog, PointsAlongPathsJoinTheTemporaryMagnetAsGridCells)
{
    HostPaths line({{{10, 20}, {20, 20}}}, false), none;
    CellGrid grid{10, 20, 2};
    MagnetRecord record{.scale = 1.0};
    StorePointsAlongSettings({0, 1.0f});
    const struct {
        HostPaths* paths;
        QString divisions, bias;
        bool confirm;
        int result;
        std::vector<float> placedX;  // every point placed so far
        QString shown[2];
        uint32_t storedDivisions;
        float storedBias;
    } rows[] = {
        {&line, "5", "1", true, 1, {0, 1, 2, 3, 4, 5}, {"0", "1"}, 5, 1.0f},
        {&line, "0", "50", true, 1, {0, 1, 2, 3, 4, 5, 0, 5}, {"5", "1"}, 1, 10.0f},
        {&line, "7", "4", false, 0, {0, 1, 2, 3, 4, 5, 0, 5}, {"1", "10"}, 1, 10.0f},
        {&none, "4", "1", true, 0, {0, 1, 2, 3, 4, 5, 0, 5}, {"1", "10"}, 4, 1.0f},
    };
    for (const auto& row : rows) {
        std::vector<QString> shown;
        const int r =
            RunModal([&] { return Dispatch(OV_CODE_POINTS_ALONG_PATHS, row.paths->List(), &grid, &record); },
                     [&](QDialog& prompt) {
                         EXPECT_EQ(prompt.windowTitle(), "Points Along Paths");
                         for (int field = 0; field < 2; ++field) {
                             auto* edit = prompt.findChild<QWidget*>(ControlName(kSsEdit + field));
                             shown.push_back(edit ? edit->property("text").toString() : QString());
                         }
                         TypeInto(prompt, ControlName(kSsEdit), row.divisions);
                         TypeInto(prompt, ControlName(kSsEdit + 1), row.bias);
                         Click(prompt, ControlName(row.confirm ? kSsOk : kSsCancel));
                     });
        EXPECT_EQ(r, row.result) << row.divisions.toStdString();
        EXPECT_EQ(shown, (std::vector<QString>{row.shown[0], row.shown[1]}));
        std::vector<float> placedX;
        for (COvMag* m : MagnetsOf(record))
            for (const OvPointF p : m->Positions()) {
                EXPECT_TRUE(m->Has(OV_MAG_TEMPORARY));
                EXPECT_EQ(p.y, 0.0f);
                placedX.push_back(std::round(p.x * 1000) / 1000);
            }
        EXPECT_EQ(placedX, row.placedX) << row.divisions.toStdString();
        RegKeyHandle key(kPointsAlongKey);
        EXPECT_EQ(key.ReadDword("int_div", 0), row.storedDivisions);
        EXPECT_EQ(std::bit_cast<float>(key.ReadDword("int_bias", 0)), row.storedBias);
    }
    for (COvMag* m : MagnetsOf(record)) ov_mag_destroy(m->Handle());
    ov_list_remove_all(&record.magnets);
}

}  // namespace
