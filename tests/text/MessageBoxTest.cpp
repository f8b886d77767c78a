// Message texts joined with their variable part, in the current language, through the presenter every
// message box goes through.
#include <gtest/gtest.h>

#include <vector>

#include "TextTestSupport.h"
#include "framework/text/LangTable.h"
#include "framework/text/LanguageChoice.h"
#include "framework/ui/MessageBox.h"
#include "testhost/ModalDriver.h"

namespace ov {
namespace {

struct QtApp : ::testing::Environment {
    void SetUp() override { ovtest::EnsureTestApplication(); }
};
const auto* const kQtApp = ::testing::AddGlobalTestEnvironment(new QtApp);

constexpr std::string_view kMessages = R"(<M>
  <gMSG_3><S01 en="Cannot open the file: " cn="无法打开文件："/><S02 en="Done."/><S03 en=""/></gMSG_3>
</M>)";

TEST(MessageBox, SharedMessagesComeFromAllMsgInTheCurrentLanguageAndTheAnswerIsReturned)
{
    std::filesystem::path host = test::FreshFolder("message-host");
    test::WriteBytes(host / "Languages" / "ALL_MSG.xml", kMessages);
    test::ScopedEnv hostDir("ORNIVEX_HOST_DIR", host.string());
    std::vector<MessageRequest> seen;
    ScopedMessagePresenter presenter(
        [&](const MessageRequest& r) { return seen.push_back(r), int(kMessageYes); });
    SetCurrentLanguageCodeForTesting(u"en");
    ShowSharedMessage("gMSG_3", 1, "f");
    SetCurrentLanguageCodeForTesting(u"");
    LangTable table;
    table.OpenBuffer(u"cn", kMessages.data(), kMessages.size());
    EXPECT_EQ(
        ShowLocalizedMessage(table, "gMSG_3", 1, "/a.txt", MessageButtons::YesNo, MessageIcon::Question),
        kMessageYes);
    EXPECT_EQ(MessageText(table, "gMSG_3", 9, "/x"), "/x");  // a missing entry shows the variable part
    EXPECT_EQ(MessageText(table, "gMSG_3", 3, "42"), "42");  // so does an empty one
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].text, "Cannot open the file: f");
    EXPECT_EQ(seen[1].text, "无法打开文件：/a.txt");
    EXPECT_EQ(seen[1].buttons, MessageButtons::YesNo);
    EXPECT_EQ(seen[1].icon, MessageIcon::Question);
}

}  // namespace
}  // namespace ov
