// The handler guard: exceptions from slots end as one message with the right text, the slot's
// arguments still arrive, and an injected fault fails exactly one handler.
#include "framework/text/LanguageChoice.h"
#include "framework/ui/GuardedHandler.h"
#include "framework/ui/MessageBox.h"
#include "testhost/ModalDriver.h"

#include <QPushButton>
#include <QTableWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <ios>
#include <stdexcept>
#include <tuple>
#include <vector>

using namespace ov;

namespace {

struct Recorder {
    std::vector<QString> texts;
    ScopedMessagePresenter presenter{[this](const MessageRequest& r) {
        texts.push_back(r.text);
        return int(kMessageOk);
    }};
};

}  // namespace

// Each kind of failure shows one message in the user's language; an injected fault fails exactly
// one handler; a failure while the message is up adds no second message; slots still receive the
// signal's arguments and keep working after a failure.
TEST(GuardedHandler, EachFailureShowsOneMessageAndTheSlotsKeepWorking)
{
    ovtest::EnsureTestApplication();
    const std::vector<std::tuple<std::u16string, std::function<void()>, QString>> cases = {
        {u"cn", [] { throw std::bad_alloc(); },
         QString::fromUtf8("内存不足，无法完成此命令。未做任何更改。")},
        {u"en",
         [] {
             throw std::filesystem::filesystem_error("x", "/no/such/file.txt",
                                                     std::make_error_code(std::errc::permission_denied));
         },
         "Cannot open the file: /no/such/file.txt"},
        {u"cn", [] { throw std::runtime_error("parser: unexpected token"); },
         QString::fromUtf8("无法完成此命令：parser: unexpected token")},
        {u"cn", [] { throw 42; }, QString::fromUtf8("无法完成此命令：unknown error")},
        {u"cn", [] { throw std::ios_base::failure("y"); },
         QString::fromUtf8("无法完成此命令：") + std::ios_base::failure("y").what()},
    };
    for (const auto& [language, body, text] : cases) {
        SetCurrentLanguageCodeForTesting(language);
        Recorder recorder;
        EXPECT_FALSE(RunGuarded(nullptr, body));
        EXPECT_EQ(recorder.texts, std::vector<QString>{text});
    }
    SetCurrentLanguageCodeForTesting(u"en");
    {
        Recorder recorder;
        int runs = 0;
        InjectHandlerFault(std::make_exception_ptr(std::bad_alloc()));
        EXPECT_FALSE(RunGuarded(nullptr, [&] { ++runs; }));
        EXPECT_TRUE(RunGuarded(nullptr, [&] { ++runs; }));
        EXPECT_EQ(runs, 1);
        EXPECT_EQ(recorder.texts.size(), 1u);
    }
    {
        // A handler run by the message box's own event loop (a repaint under it) fails too.
        std::vector<QString> texts;
        bool innerResult = true;
        ScopedMessagePresenter presenter{[&](const MessageRequest& r) {
            texts.push_back(r.text);
            innerResult = RunGuarded(nullptr, [] { throw std::runtime_error("repaint"); });
            return int(kMessageOk);
        }};
        EXPECT_FALSE(RunGuarded(nullptr, [] { throw std::runtime_error("first"); }));
        EXPECT_FALSE(innerResult);
        EXPECT_FALSE(RunGuarded(nullptr, [] { throw std::runtime_error("later"); }));
        EXPECT_EQ(texts, (std::vector<QString>{"The command could not be finished: first",
                                               "The command could not be finished: later"}));
    }
    Recorder recorder;
    QPushButton button;
    button.setCheckable(true);
    std::vector<bool> states;
    int plainCalls = 0;
    QObject::connect(&button, &QPushButton::toggled, &button,
                     Guarded(&button, [&](bool on) { states.push_back(on); }));
    QObject::connect(&button, &QPushButton::clicked, &button, Guarded(&button, [&] {
        if (++plainCalls == 1) throw std::runtime_error("first click fails");
    }));
    button.click();
    button.click();
    EXPECT_EQ(states, (std::vector<bool>{true, false}));
    EXPECT_EQ(plainCalls, 2);
    EXPECT_EQ(recorder.texts.size(), 1u);
    // Member slots take the leading arguments of the signal.
    struct Receiver : QWidget {
        std::vector<int> rows;
        void OnRow(int row) { rows.push_back(row); }
        void OnAnything() { rows.push_back(-1); }
    } receiver;
    QTableWidget table(5, 5);
    QObject::connect(&table, &QTableWidget::cellClicked, &receiver, Guarded(&receiver, &Receiver::OnRow));
    QObject::connect(&table, &QTableWidget::cellClicked, &receiver,
                     Guarded(&receiver, &Receiver::OnAnything));
    Q_EMIT table.cellClicked(3, 4);
    EXPECT_EQ(receiver.rows, (std::vector<int>{3, -1}));
}
