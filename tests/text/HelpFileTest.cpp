// The help document: opened when present, and the missing-file message with the full path.
#include <gtest/gtest.h>

#include <vector>

#include "TextTestSupport.h"
#include "framework/HelpFile.h"
#include "framework/LanguageChoice.h"
#include "framework/MessageBox.h"

namespace ov {
namespace {

class HelpFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::WriteBytes(host / "Languages" / "ALL_MSG.xml",
                         "<M><gMSG_4><S01 en='No help at: ' cn='找不到帮助：'/><S02 en='wrong entry'/>"
                         "</gMSG_4></M>");
        SetCurrentLanguageCodeForTesting(u"en");
        previousOpener =
            SetDocumentOpener([this](const std::filesystem::path& path) { opened.push_back(path); });
    }
    void TearDown() override
    {
        SetDocumentOpener(std::move(previousOpener));
        SetCurrentLanguageCodeForTesting(u"");
    }

    // The host folder has a space and non-ASCII letters so the path must survive the text round trip.
    std::filesystem::path host = test::FreshFolder("help host 帮助");
    test::ScopedEnv hostDir{"ORNIVEX_HOST_DIR", host.string()};
    std::vector<std::filesystem::path> opened;
    std::vector<MessageRequest> messages;
    ScopedMessagePresenter presenter{[this](const MessageRequest& request) {
        messages.push_back(request);
        return int(kMessageOk);
    }};
    DocumentOpener previousOpener;
};

TEST_F(HelpFileTest, MissingDocumentShowsOnlyTheMessageWithTheFullPath)
{
    ShowHelpFile();
    EXPECT_TRUE(opened.empty());
    ASSERT_EQ(messages.size(), 1u);
    std::string expectedPath = (host / "Help" / "Help.pdf").string();
    EXPECT_EQ(messages[0].text.toStdString(), "No help at: " + expectedPath);
    EXPECT_EQ(messages[0].buttons, MessageButtons::Ok);
}

TEST_F(HelpFileTest, MissingDocumentWithoutLanguageFileShowsThePathAlone)
{
    std::filesystem::remove_all(host / "Languages");
    ShowHelpFile();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text.toStdString(), (host / "Help" / "Help.pdf").string());
}

TEST_F(HelpFileTest, PresentDocumentIsOpenedWithoutAMessage)
{
    test::WriteBytes(host / "Help" / "Help.pdf", "%PDF-1.4\n%%EOF\n");
    ShowHelpFile();
    EXPECT_TRUE(messages.empty());
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], host / "Help" / "Help.pdf");
    EXPECT_EQ(opened[0], HelpFilePath());
}

}  // namespace
}  // namespace ov
