// Message texts from language files joined with their variable part, and the presenter that every
// message box goes through.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <vector>

#include "TextTestSupport.h"
#include "framework/LangTable.h"
#include "framework/LanguageChoice.h"
#include "framework/MessageBox.h"

namespace ov {
namespace {

constexpr std::string_view kMessages = R"(<M>
  <gMSG_3><S01 en="Cannot open the file: " cn="无法打开文件："/><S02 en="Done."/><S03 en=""/></gMSG_3>
</M>)";

struct JoinRow {
    const char* what;
    const char* section;
    int entry;
    const char* appended;
    const char* expected;
};

class MessageTextJoin : public ::testing::TestWithParam<JoinRow> {};

TEST_P(MessageTextJoin, AppendsTheVariablePartDirectly)
{
    const JoinRow& row = GetParam();
    LangTable table;
    table.OpenBuffer(u"en", kMessages.data(), kMessages.size());
    EXPECT_EQ(MessageText(table, row.section, row.entry, QString::fromUtf8(row.appended)),
              QString::fromUtf8(row.expected))
        << row.what;
}

const JoinRow kJoinRows[] = {
    {"text and path", "gMSG_3", 1, "/data/a b.txt", "Cannot open the file: /data/a b.txt"},
    {"no variable part", "gMSG_3", 2, "", "Done."},
    {"missing entry leaves the variable part", "gMSG_3", 9, "/x", "/x"},
    {"empty entry leaves the variable part", "gMSG_3", 3, "42", "42"},
    {"missing section", "gMSG_9", 1, "", ""},
    {"non-ASCII variable part", "gMSG_3", 1, "/tmp/数据.txt", "Cannot open the file: /tmp/数据.txt"},
};
INSTANTIATE_TEST_SUITE_P(Table, MessageTextJoin, ::testing::ValuesIn(kJoinRows));

TEST(MessageBox, PresenterSeesTheRequestAndItsAnswerIsReturned)
{
    std::vector<MessageRequest> seen;
    ScopedMessagePresenter presenter([&](const MessageRequest& request) {
        seen.push_back(request);
        return int(kMessageYes);
    });
    LangTable table;
    table.OpenBuffer(u"cn", kMessages.data(), kMessages.size());
    int result = ShowLocalizedMessage(table, "gMSG_3", 1, QStringLiteral("/a.txt"), MessageButtons::YesNo,
                                      MessageIcon::Question);
    EXPECT_EQ(result, kMessageYes);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, QStringLiteral("无法打开文件：/a.txt"));
    EXPECT_EQ(seen[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(seen[0].icon, MessageIcon::Question);
}

TEST(MessageBox, SharedMessagesComeFromAllMsgInTheCurrentLanguage)
{
    std::filesystem::path host = test::FreshFolder("message-host");
    test::WriteBytes(host / "Languages" / "ALL_MSG.xml", kMessages);
    test::ScopedEnv hostDir("ORNIVEX_HOST_DIR", host.string());
    QStringList texts;
    ScopedMessagePresenter presenter([&](const MessageRequest& request) {
        texts << request.text;
        return int(kMessageOk);
    });
    for (const char16_t* code : {u"en", u"cn"}) {
        SetCurrentLanguageCodeForTesting(code);
        ShowSharedMessage("gMSG_3", 1, QStringLiteral("f"));
    }
    SetCurrentLanguageCodeForTesting(u"");
    EXPECT_EQ(texts, QStringList({"Cannot open the file: f", "无法打开文件：f"}));
}

// The default presenter is a real modal box; answer it the way a user would and check the mapping.
TEST(MessageBox, DefaultPresenterMapsTheClickedButton)
{
    struct Row {
        QMessageBox::StandardButton click;
        int expected;
    };
    for (Row row : {Row{QMessageBox::Yes, kMessageYes}, Row{QMessageBox::No, kMessageNo},
                    Row{QMessageBox::Cancel, kMessageCancel}}) {
        QString shownText;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            shownText = box->text();
            box->button(row.click)->click();
        });
        MessageRequest request;
        request.text = QStringLiteral("Save changes?");
        request.buttons = MessageButtons::YesNoCancel;
        EXPECT_EQ(ShowMessage(request), row.expected);
        EXPECT_EQ(shownText, "Save changes?");
    }
}

}  // namespace
}  // namespace ov
