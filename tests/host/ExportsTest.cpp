// The exported functions in a process without a Qt application: the first call that opens a dialog
// creates one, numbers inside the call use ".", and a throwing dialog gives 0 instead of a crash.
#include "host/DialogRegistry.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstring>
#include <stdexcept>

using namespace ov;

TEST(Exports, FirstDialogCreatesTheApplicationAndResultsFollowTheButtons)
{
    ASSERT_EQ(QCoreApplication::instance(), nullptr);
    ChartRecord record{};
    GEEdtParams p{&record, nullptr, nullptr, OV_CODE_NUMBER_AXIS, nullptr};
    Dialogs().numberAxis = {};
    EXPECT_EQ(__exp_GEEdt(&p), 0);
    EXPECT_EQ(QCoreApplication::instance(), nullptr) << "a call without a dialog builds no application";

    bool accept = false;
    std::string inside;
    Dialogs().numberAxis = [&](ChartSheetCall& c) {
        std::memset(c.record, 0x5A, sizeof *c.record);
        char text[32];
        std::snprintf(text, sizeof text, "%.1f", 2.5);
        inside = text;
        QDialog dialog;
        QTimer::singleShot(0, &dialog, accept ? &QDialog::accept : &QDialog::reject);
        return dialog.exec() == QDialog::Accepted ? kDialogOk : kDialogCancel;
    };
    EXPECT_EQ(__exp_GEEdt(&p), 0);
    EXPECT_NE(qobject_cast<QApplication*>(QCoreApplication::instance()), nullptr);
    EXPECT_EQ(reinterpret_cast<uint8_t*>(&record)[100], 0);
    accept = true;
    const bool german = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    EXPECT_EQ(__exp_GEEdt(&p), 1);
    char after[32];
    std::snprintf(after, sizeof after, "%.1f", 2.5);
    std::setlocale(LC_NUMERIC, "C");
    EXPECT_EQ(reinterpret_cast<uint8_t*>(&record)[100], 0x5A);
    EXPECT_EQ(inside, "2.5");
    if (german) {
        EXPECT_STREQ(after, "2,5") << "the host locale comes back after the call";
    }

    Dialogs().numberAxis = [](ChartSheetCall&) -> int { throw std::runtime_error("broken dialog"); };
    EXPECT_EQ(__exp_GEEdt(&p), 0);
    Dialogs().numberAxis = {};
}
