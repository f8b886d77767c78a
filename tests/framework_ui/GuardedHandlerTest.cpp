// The handler guard: exceptions from slots end as one message with the right text, and an injected
// fault fails exactly one handler.
#include "framework/text/LanguageChoice.h"
#include "framework/ui/GuardedHandler.h"
#include "framework/ui/MessageBox.h"
#include "testhost/ModalDriver.h"

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
// one handler; a failure while the message is up adds no second message. (A guarded slot in a running
// dialog is the handler fault test's part.)
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
    Recorder recorder;
    int runs = 0;
    InjectHandlerFault(std::make_exception_ptr(std::bad_alloc()));
    EXPECT_FALSE(RunGuarded(nullptr, [&] { ++runs; }));
    EXPECT_TRUE(RunGuarded(nullptr, [&] { ++runs; }));
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(recorder.texts.size(), 1u);
    // A handler failing under the message box's own event loop (a repaint) fails without a message.
    bool innerResult = true;
    ScopedMessagePresenter nested{[&](const MessageRequest&) {
        innerResult = RunGuarded(nullptr, [] { throw std::runtime_error("repaint"); });
        return int(kMessageOk);
    }};
    EXPECT_FALSE(RunGuarded(nullptr, [] { throw std::runtime_error("first"); }));
    EXPECT_FALSE(innerResult);
}
