// The chart sheets' test fixture: the X-Y, pie and number axis sheets registered with the dispatcher,
// a patterned record, the remembered start tab, a run of one sheet through the dispatcher and the
// Apply messages the host got.
#pragma once

#include "chart/NumberAxisSheet.h"
#include "chart/PieChartSheet.h"
#include "chart/SheetFrame.h"
#include "chart/XYChartSheet.h"
#include "framework/settings/RegKeyHandle.h"
#include "framework/text/LanguageChoice.h"
#include "framework/ui/DialogTexts.h"
#include "host/Dispatch.h"
#include "testhost/HostFixtures.h"
#include "testhost/ModalDriver.h"
#include "tests/chart/SaneChartRecord.h"

#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <string_view>

namespace ovtest {

class ChartSheetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        EnsureTestApplication();
        ov::SetCurrentLanguageCodeForTesting(u"en");
        registry_.xyChart = [](ov::ChartSheetCall& c) { return ov::RunXYChartSheet(c); };
        registry_.pieChart = [](ov::ChartSheetCall& c) { return ov::RunPieChartSheet(c); };
        registry_.numberAxis = [](ov::ChartSheetCall& c) { return ov::RunNumberAxisSheet(c); };
    }
    // A patterned record of `kind` whose page fields hold values the pages show exactly.
    void UseSaneRecord(uint8_t seed, uint8_t kind)
    {
        record_ = PatternRecord<ChartRecord>(seed);
        record_.kind = kind;
        MakePageFieldsSane(record_);
    }
    static void SetStartTab(std::string_view value, uint32_t tab)
    {
        ov::RegKeyHandle(ov::kSheetSettingsKey).WriteDword(value, tab);
    }
    // Opens the sheet for `code` over `list`, hands it to `act` and gives the dispatcher's result.
    template <typename Sheet>
    int RunSheet(OvHostList* list, uint32_t code, const std::function<void(Sheet&)>& act)
    {
        const GEEdtParams p{&record_, list, window_.get(), code, nullptr};
        return RunModal([&] { return ov::DispatchGEEdt(&p, registry_, [] { return true; }); },
                        [&](QDialog& d) { act(dynamic_cast<Sheet&>(d)); });
    }
    static void ClickApply(QDialog& sheet)
    {
        QTest::mouseClick(sheet.findChild<QWidget*>(ov::ControlName(ov::kSheetApply)), Qt::LeftButton);
    }
    // Every message the host got, as "message wparam lparam" in hex, separated by "; ".
    std::string MessagesText() const
    {
        std::ostringstream text;
        for (const HostMessage& m : window_.Messages())
            text << (text.tellp() > 0 ? "; " : "") << std::hex << m.message << " " << m.wparam << " "
                 << m.lparam;
        return text.str();
    }

    ov::DialogRegistry registry_;
    ChartRecord record_{};
    RecordingHostWindow window_;
};

}  // namespace ovtest
