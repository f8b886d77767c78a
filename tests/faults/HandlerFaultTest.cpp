// A slot that throws while a dialog runs: one message, the dialog still answers, and Cancel leaves
// what the host handed in byte for byte. The chart sheet stands for every dialog: all of them connect
// their slots through the same guard.
#include "chart/CDlgXYPP.h"
#include "chart/DataSeriesObject.h"
#include "chart/XYChartSheet.h"
#include "framework/settings/RegKeyHandle.h"
#include "framework/text/LanguageChoice.h"
#include "framework/ui/DialogTexts.h"
#include "framework/ui/GuardedHandler.h"
#include "framework/ui/MessageBox.h"
#include "host/Dispatch.h"
#include "testhost/Controls.h"
#include "testhost/HostFixtures.h"
#include "testhost/ModalDriver.h"
#include "tests/chart/SaneChartRecord.h"

#include <QAbstractButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <new>
#include <vector>

using namespace ov;
using namespace ovtest;

namespace {

const QString kOutOfMemory = "There is not enough memory to finish this command. Nothing was changed.";

class HandlerFault : public ::testing::Test {
protected:
    void SetUp() override
    {
        EnsureTestApplication();
        SetCurrentLanguageCodeForTesting(u"en");
    }
    void TearDown() override
    {
        InjectHandlerFault(nullptr);
        SetCurrentLanguageCodeForTesting(u"");
    }
    // The next guarded slot throws as if memory had run out.
    static void FailNextSlot() { InjectHandlerFault(std::make_exception_ptr(std::bad_alloc())); }
    // A click delivered without running the event loop, so no pending paint (also guarded) takes
    // the injected fault before the button's slot does.
    static void ClickAtOnce(QDialog& d, int id) { Control<QAbstractButton>(d, id)->click(); }

    std::vector<QString> messages_;
    ScopedMessagePresenter presenter_{[this](const MessageRequest& r) {
        messages_.push_back(r.text);
        return int{kMessageOk};
    }};
};

}  // namespace

TEST_F(HandlerFault, ChartSheet)
{
    RegKeyHandle(kSheetSettingsKey).WriteDword("InitPage1", 0);
    DialogRegistry registry;
    registry.xyChart = [](ChartSheetCall& c) { return RunXYChartSheet(c); };
    const std::unique_ptr<DataSeries, void (*)(DataSeries*)> series(CreateDataSeries(), DestroyDataSeries);
    int context = 0;
    ChartRecord record = PatternRecord<ChartRecord>(3);
    record.kind = 2;
    MakePageFieldsSane(record);
    const ChartRecord before = record;
    RecordingHostWindow window;
    HostList list = HostList::Pointers({series.get(), &context});
    const GEEdtParams p{&record, list.get(), window.get(), 1, nullptr};
    const int result =
        RunModal([&] { return DispatchGEEdt(&p, registry, UiAlwaysReady); },
                 [&](QDialog& d) {
                     auto& sheet = dynamic_cast<CDlgXYPP&>(d);
                     // Apply fails: one message, nothing reaches the host.
                     FailNextSlot();
                     ClickAtOnce(d, kXYApply);
                     EXPECT_EQ(messages_, std::vector<QString>{kOutOfMemory});
                     EXPECT_TRUE(window.Messages().empty());
                     EXPECT_TRUE(d.isVisible());

                     // The tab strip still answers.
                     const ScreenRect tab = sheet.TabRects()[1];
                     QTest::mouseClick(&sheet, Qt::LeftButton, {},
                                       QPoint((tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2));
                     EXPECT_EQ(sheet.CurrentTab(), 1);
                     Cancel(d);
                 });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(messages_.size(), 1u);
    EXPECT_EQ(std::memcmp(&record, &before, sizeof record), 0);
}
