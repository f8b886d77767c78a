// Message texts joined with their variable part, the presenter every message box goes through, and
// the help document (opened when present, else a message with the full path).
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <vector>

#include "TextTestSupport.h"
#include "framework/text/LangTable.h"
#include "framework/text/LanguageChoice.h"
#include "framework/ui/HelpFile.h"
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

// The default presenter is a real modal box; answer it the way a user would and check the mapping.
TEST(MessageBox, DefaultPresenterMapsTheClickedButton)
{
    for (auto [click, expected] :
         {std::pair{QMessageBox::Yes, kMessageYes}, std::pair{QMessageBox::No, kMessageNo},
          std::pair{QMessageBox::Cancel, kMessageCancel}}) {
        QTimer::singleShot(0, [click] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                box->button(click)->click();
        });
        MessageRequest request;
        request.text = "Save changes?";
        request.buttons = MessageButtons::YesNoCancel;
        EXPECT_EQ(ShowMessage(request), expected);
    }
}

TEST(HelpFile, MissingShowsTheMessageWithTheFullPathAndPresentIsOpened)
{
    // The host folder has a space and non-ASCII letters so the path must survive the text round trip.
    std::filesystem::path host = test::FreshFolder("help host 帮助");
    test::ScopedEnv hostDir{"ORNIVEX_HOST_DIR", host.string()};
    test::WriteBytes(host / "Languages" / "ALL_MSG.xml",
                     "<M><gMSG_4><S01 en='No help at: '/><S02 en='wrong entry'/></gMSG_4></M>");
    SetCurrentLanguageCodeForTesting(u"en");
    std::vector<std::filesystem::path> opened;
    DocumentOpener previous = SetDocumentOpener([&](const std::filesystem::path& p) { opened.push_back(p); });
    std::vector<std::string> messages;
    ScopedMessagePresenter presenter{[&](const MessageRequest& r) {
        return messages.push_back(r.text.toStdString() + (r.buttons == MessageButtons::Ok ? "" : " ?")),
               int(kMessageOk);
    }};
    const std::filesystem::path pdf = host / "Help" / "Help.pdf";
    ShowHelpFile();
    test::WriteBytes(pdf, "%PDF-1.4\n%%EOF\n");
    ShowHelpFile();
    EXPECT_EQ(messages, std::vector<std::string>{"No help at: " + pdf.string()});
    EXPECT_EQ(opened, std::vector<std::filesystem::path>{pdf});
    SetDocumentOpener(std::move(previous));
    SetCurrentLanguageCodeForTesting(u"");
}

}  // namespace
}  // namespace ov
