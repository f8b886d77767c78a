// The tour's layout check finds cut-off texts, controls outside their parent and input controls Tab skips,
// and stays quiet on a dialog laid out by Qt.
#include "apps/host/DialogLayoutCheck.h"
#include "testhost/ModalDriver.h"

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

struct Application {
    Application() { ovtest::EnsureTestApplication(); }
};

struct Dialog : Application {
    Dialog() { dialog.resize(300, 200); }
    QStringList Check()
    {
        dialog.show();
        return ovhost::CheckDialogLayout(dialog);
    }
    QDialog dialog;
};

TEST(DialogLayoutCheck, LaidOutDialogHasNoFindings)
{
    Dialog d;
    auto* layout = new QVBoxLayout(&d.dialog);
    layout->addWidget(new QLabel(QStringLiteral("A rather long label text for the check")));
    layout->addWidget(new QCheckBox(QStringLiteral("&Remember this choice")));
    layout->addWidget(new QPushButton(QStringLiteral("Set As Default")));
    layout->addWidget(new QLineEdit);
    layout->addWidget(new QGroupBox(QStringLiteral("Frame")));
    EXPECT_TRUE(d.Check().isEmpty()) << d.Check().join(QLatin1Char('\n')).toStdString();
}

TEST(DialogLayoutCheck, FindsTextsCutOffByTheirWidget)
{
    Dialog d;
    auto* label = new QLabel(QStringLiteral("Number of decimals shown"), &d.dialog);
    label->setGeometry(10, 10, 40, 20);
    auto* button = new QPushButton(QStringLiteral("Set As Default"), &d.dialog);
    button->setGeometry(10, 40, 50, 24);
    auto* check = new QCheckBox(QStringLiteral("Grid"), &d.dialog);
    check->setGeometry(10, 70, check->fontMetrics().horizontalAdvance(QStringLiteral("Grid")), 20);
    auto* wrapped =
        new QLabel(QStringLiteral("a wrapped text that needs several lines at this width"), &d.dialog);
    wrapped->setWordWrap(true);
    wrapped->setGeometry(10, 100, 60, 14);
    const QStringList findings = d.Check();
    ASSERT_EQ(findings.size(), 4) << findings.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(findings.filter(QStringLiteral("Number of decimals")).size(), 1);
    EXPECT_EQ(findings.filter(QStringLiteral("Set As Default")).size(), 1);
    EXPECT_EQ(findings.filter(QStringLiteral("\"Grid\"")).size(), 1);
}

TEST(DialogLayoutCheck, MnemonicAmpersandsTakeNoRoom)
{
    Dialog d;
    auto* button = new QPushButton(QStringLiteral("&OK"), &d.dialog);
    button->setGeometry(10, 10, 200, 24);
    auto* label = new QLabel(QStringLiteral("&Name"), &d.dialog);
    const int exact = label->fontMetrics().horizontalAdvance(QStringLiteral("Name"));
    label->setGeometry(10, 40, exact, 20);
    EXPECT_TRUE(d.Check().isEmpty()) << d.Check().join(QLatin1Char('\n')).toStdString();
    label->setFixedWidth(exact - 2);
    EXPECT_EQ(d.Check().size(), 1);
}

TEST(DialogLayoutCheck, FindsControlsOutsideTheirParentButNotScrolledContents)
{
    Dialog d;
    auto* box = new QGroupBox(&d.dialog);
    box->setGeometry(0, 0, 100, 100);
    auto* edit = new QLineEdit(box);
    edit->setGeometry(80, 10, 60, 20);  // reaches 40 px past the box
    EXPECT_EQ(d.Check().filter(QStringLiteral("outside its parent")).size(), 1);
    edit->setGeometry(10, 10, 60, 20);
    EXPECT_TRUE(d.Check().isEmpty());
}

TEST(DialogLayoutCheck, FindsInputControlsTabNeverReaches)
{
    Dialog d;
    auto* layout = new QVBoxLayout(&d.dialog);
    auto* edit = new QLineEdit;
    auto* button = new QPushButton(QStringLiteral("Apply"));
    layout->addWidget(edit);
    layout->addWidget(button);
    button->setFocusPolicy(Qt::ClickFocus);
    edit->setFocusPolicy(Qt::NoFocus);
    EXPECT_EQ(d.Check().filter(QStringLiteral("Tab never reaches")).size(), 2);
    button->setEnabled(false);  // a disabled control is skipped by every user
    edit->setFocusPolicy(Qt::StrongFocus);
    EXPECT_TRUE(d.Check().isEmpty());
}

}  // namespace
