// The Set Strings prompt driven as a user would: Apply, Enter, Escape and evaluation errors. (Which
// rows show, the shrink and the placement are the prompt logic test's.)
#include "framework/prompt/CDlgSetStrings.h"
#include "framework/prompt/SetStrings.h"
#include "framework/text/LanguageChoice.h"
#include "framework/ui/DialogTexts.h"
#include "framework/ui/MessageBox.h"
#include "testhost/Controls.h"
#include "testhost/HostFixtures.h"
#include "testhost/ModalDriver.h"

#include <gtest/gtest.h>

using namespace ov;
using namespace ovtest;
using Values = std::vector<std::u16string>;

namespace {

class SetStringsDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        EnsureTestApplication();
        SetCurrentLanguageCodeForTesting(u"en");
    }
    int Run(SetStringsSetup& setup, const DialogAction& act)
    {
        return RunModal([&] { return RunSetStrings(setup, nullptr); }, act);
    }
    std::vector<QString> messages_;
    ScopedMessagePresenter presenter_{
        [this](const MessageRequest& r) { return messages_.push_back(r.text), kMessageOk; }};
};

}  // namespace

TEST_F(SetStringsDialog, ThreeLabelsTwoValuesApplySendsTheEvaluatedValuesAndStaysOpen)
{
    RecordingHostWindow anchor;
    Values received;
    anchor.answer = [&](const HostMessage& m) {
        for (auto* n = reinterpret_cast<const OvHostList*>(m.wparam)->head; n; n = n->next)
            received.emplace_back(static_cast<const char16_t*>(n->data));
        return intptr_t{0};
    };
    SetStringsSetup setup{u"t", {u"A ##", u"B", u"C"}, {u"1+1", u"x"}};
    setup.placement = DialogPlacement{anchor.get(), 0, {}, 10, 10};
    bool stillOpen = false;
    EXPECT_EQ(Run(setup,
                  [&](QDialog& d) {
                      EXPECT_FALSE(Control(d, kSsEdit + 2)->isVisible());
                      Click(d, ControlName(kSsApply));
                      stillOpen = d.isVisible();
                      Click(d, ControlName(kSsOk));
                  }),
              1);
    ASSERT_EQ(anchor.Messages().size(), 1u);
    EXPECT_EQ(anchor.Messages()[0].message, 0x198Cu);
    EXPECT_EQ(anchor.Messages()[0].lparam, 1);
    EXPECT_EQ(received, (Values{u"2.000000", u"x", u""}));
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(setup.values, (Values{u"2.000000", u"x", u""}));
}

// A bad expression shows one message and yields zero; Escape cancels and keeps the values.
TEST_F(SetStringsDialog, ABadExpressionGivesZeroAndEscapeCancels)
{
    SetStringsSetup setup{u"t", {u"Angle ##", u"Unit"}, {u"2*(3", u"in"}};
    setup.choiceLists = {std::nullopt, Values{u"mm", u"in"}};
    EXPECT_EQ(Run(setup, [](QDialog& d) { PressKey(d, Qt::Key_Return); }), 1);
    EXPECT_EQ(setup.values, (Values{u"0.000000", u"in"}));
    EXPECT_EQ(messages_.size(), 1u);
    EXPECT_EQ(Run(setup,
                  [](QDialog& d) {
                      TypeInto(d, ControlName(kSsEdit), "7");
                      PressKey(d, Qt::Key_Escape);
                  }),
              2);
    EXPECT_EQ(setup.values, (Values{u"0.000000", u"in"}));
}
