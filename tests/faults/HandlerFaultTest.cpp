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

TEST(HandlerFault, ChartSheet)
{
    EnsureTestApplication();
    SetCurrentLanguageCodeForTesting(u"en");
    std::vector<QString> messages;
    ScopedMessagePresenter presenter{[&](const MessageRequest& r) {
        messages.push_back(r.text);
        return int{kMessageOk};
    }};
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
                     // Apply fails as if memory had run out: one message, nothing reaches the host. The
                     // click is delivered without running the event loop, so no pending paint (also
                     // guarded) takes the injected fault before the button's slot does.
                     InjectHandlerFault(std::make_exception_ptr(std::bad_alloc()));
                     Control<QAbstractButton>(d, kXYApply)->click();
                     EXPECT_EQ(messages, std::vector<QString>{"There is not enough memory to finish this "
                                                              "command. Nothing was changed."});
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
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(std::memcmp(&record, &before, sizeof record), 0);
}
