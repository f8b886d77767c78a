// The exported functions in a process without a Qt application: the first call that opens a dialog
// creates one, numbers inside the call use ".", and a throwing dialog gives 0 instead of a crash.
#include "host/DialogRegistry.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <gtest/gtest.h>

#include <clocale>
#include <stdexcept>
#include <string>

using namespace ov;

TEST(Exports, FirstDialogCreatesTheApplicationAndNumbersUseTheCLocaleInside)
{
    ASSERT_EQ(QCoreApplication::instance(), nullptr);
    ChartRecord record{};
    GEEdtParams p{&record, nullptr, nullptr, OV_CODE_NUMBER_AXIS, nullptr};
    std::string inside;
    Dialogs().numberAxis = [&](ChartSheetCall&) {
        inside = std::to_string(2.5);  // "%f", as the C library formats it now
        QDialog dialog;
        QTimer::singleShot(0, &dialog, &QDialog::accept);
        return dialog.exec() == QDialog::Accepted ? kDialogOk : kDialogCancel;
    };
    EXPECT_EQ(__exp_GEEdt(&p), 1);
    EXPECT_NE(qobject_cast<QApplication*>(QCoreApplication::instance()), nullptr);
    const bool german = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");  // the host's, once Qt has started
    EXPECT_EQ(__exp_GEEdt(&p), 1);
    const std::string after = std::to_string(2.5);
    std::setlocale(LC_NUMERIC, "C");
    EXPECT_EQ(inside, "2.500000");
    EXPECT_TRUE(!german || after == "2,500000") << "the host locale comes back after the call";

    Dialogs().numberAxis = [](ChartSheetCall&) -> int { throw std::runtime_error("broken dialog"); };
    EXPECT_EQ(__exp_GEEdt(&p), 0);
}
