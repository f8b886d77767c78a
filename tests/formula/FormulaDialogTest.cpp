// The formula dialog driven as a user would: OK into the caller's buffer, Cancel leaving it, the history
// file and list, parser and column errors, an unwritable history file and a failing settings store.
// A history file that lies about its length is the history parser's test.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>

#include "data/formula/CDlgGDByFunc.h"
#include "data/formula/FormulaHistory.h"
#include "framework/files/AtomicFile.h"
#include "framework/settings/RegistryStore.h"
#include "framework/text/LanguageChoice.h"
#include "framework/ui/DialogTexts.h"
#include "framework/ui/MessageBox.h"
#include "framework/ui/StoreProblemMessages.h"
#include "testhost/Controls.h"
#include "testhost/ModalDriver.h"

using namespace ov;
using namespace ovtest;

namespace {

class FormulaDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        EnsureTestApplication();
        SetCurrentLanguageCodeForTesting(u"en");
        std::filesystem::remove(FormulaHistoryPath(FormulaKind::Column));
    }
    void TearDown() override { SetCurrentLanguageCodeForTesting(u""); }

    // Runs the dialog, types the formula (when given) and presses OK; records message boxes.
    int Run(CDlgGDByFunc& dlg, const QString& formula, const DialogAction& more = {})
    {
        return RunModal([&] { return dlg.DoModal(); },
                        [&](QDialog& d) {
                            if (more) more(d);
                            if (!formula.isNull())
                                TypeInto(d, ControlName(CDlgGDByFunc::kIdFormula), formula);
                            Accept(d);
                        });
    }

    std::vector<QString> messages_;
    ScopedMessagePresenter presenter_{[this](const MessageRequest& r) {
        messages_.push_back(r.text);
        return int{kMessageOk};
    }};
};

TEST_F(FormulaDialog, ColumnKindFillsTheOutputAndRemembersTheFormula)
{
    std::vector<double> out(5, -1);
    CDlgGDByFunc dlg;
    dlg.rows = 5;
    dlg.output = out.data();
    EXPECT_EQ(Run(dlg, QString()), CDlgGDByFunc::kIdOk);
    EXPECT_EQ(out, (std::vector<double>{0, 0.0625, 0.25, 0.5625, 1}));
    EXPECT_TRUE(messages_.empty());

    // Reopened: the file restores the fields and lists "(Blank)" and the formula; choosing an entry
    // fills the formula field and the start field is evaluated as an expression.
    std::vector<double> one(1);
    CDlgGDByFunc again;
    again.rows = 1;
    again.output = one.data();
    EXPECT_EQ(Run(again, QString(),
                  [](QDialog& d) {
                      auto* list = Control<QListWidget>(d, CDlgGDByFunc::kIdHistory);
                      ASSERT_EQ(list->count(), 2);
                      list->setCurrentRow(1);
                      EXPECT_EQ(Control<QLineEdit>(d, CDlgGDByFunc::kIdFormula)->text(), "a^2");
                      TypeInto(d, ControlName(CDlgGDByFunc::kIdStart), "2 * PI");
                  }),
              CDlgGDByFunc::kIdOk);
    EXPECT_EQ(one[0], 6.283185307179586 * 6.283185307179586);
    EXPECT_EQ(again.history, std::vector<std::u16string>{u"a^2"});
}

TEST_F(FormulaDialog, ErrorsOfFormulasAndColumns)
{
    const std::vector<double> table = {1, 2, 3};
    std::vector<double> out(3, -1);
    CDlgGDByFunc dlg;
    dlg.rows = 3;
    dlg.columns = 1;
    dlg.source = table.data();
    dlg.output = out.data();
    EXPECT_EQ(Run(dlg, "C1"), CDlgGDByFunc::kIdOk);  // a parser error, shown once; the column is 0
    EXPECT_EQ(out, (std::vector<double>{0, 0, 0}));
    EXPECT_EQ(messages_.size(), 1u);

    messages_.clear();
    out.assign(3, -1);
    EXPECT_EQ(Run(dlg, "c2*a"), CDlgGDByFunc::kIdCancel);  // stays open; the driver cancels
    EXPECT_EQ(messages_, std::vector<QString>{"One or more required input arguments do not exist."});
    EXPECT_EQ(out, (std::vector<double>{-1, -1, -1})) << "Cancel leaves the caller's buffer as it was";
}

// A settings file that is not a store: every dialog opens with its defaults, the user is told once.
TEST_F(FormulaDialog, UnusableSettingsStoreIsReportedOnceAndDialogsStillWork)
{
    const std::filesystem::path junk = std::filesystem::path(std::getenv("OV_TEST_SCRATCH")) / "junk.sqlite3";
    std::ofstream(junk, std::ios::binary) << std::string(5000, 'j');
    RegistryStore::ResetForTesting(junk.string());
    ShowStoreProblemsAsMessages();
    for (int open = 0; open < 2; ++open) {
        std::vector<double> out(2, -1);
        CDlgGDByFunc dlg;
        dlg.rows = 2;
        dlg.output = out.data();
        EXPECT_EQ(Run(dlg, "a+1"), CDlgGDByFunc::kIdOk);
        EXPECT_EQ(out, (std::vector<double>{1, 2}));
    }
    RegistryStore::ResetForTesting("");
    EXPECT_EQ(messages_,
              std::vector<QString>{"The settings file cannot be read; the dialogs use their default "
                                   "settings: " +
                                   QString::fromStdString(junk.string())});
    std::ifstream in(junk, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), std::string(5000, 'j'));
}

// The disk fills up while the history is written: the result still reaches the caller, the user is
// told once, and the previous history file (here one that cannot be read, also told) stays whole.
TEST_F(FormulaDialog, HistoryThatCannotBeWrittenIsReportedOnceAndKeepsTheOldFile)
{
    const auto path = FormulaHistoryPath(FormulaKind::Column);
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << "old";
    SetAtomicWriteFaultForTesting(
        [](AtomicWriteStep step) { return step == AtomicWriteStep::kWrite ? ENOSPC : 0; });
    std::vector<double> out(3, -1);
    CDlgGDByFunc dlg;
    dlg.rows = 3;
    dlg.output = out.data();
    EXPECT_EQ(Run(dlg, "a*2"), CDlgGDByFunc::kIdOk);
    SetAtomicWriteFaultForTesting(nullptr);
    EXPECT_EQ(out, (std::vector<double>{0, 1, 2}));
    const QString name = QString::fromStdString(path.string());
    EXPECT_EQ(messages_,
              (std::vector<QString>{"failed to open file : " + name, "Cannot write the file: " + name}));
    std::ifstream in(path, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "old");
}

}  // namespace
