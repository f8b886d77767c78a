// The SIGBUS guard leaves the process's signal table as it found it: whatever the host had (its own
// handler, SIG_IGN, SIG_DFL) is back after each guarded read, a SIGBUS outside a guarded read reaches
// the host's disposition even while a read runs, and after the host unloads the library its own
// handler still runs.
#include "data/import/FileMapReadBlock.h"
#include "data/import/GuardedCopy.h"
#include "tests/data/DataTestFiles.h"

#include <dlfcn.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <csignal>
#include <string>
#include <vector>

namespace {

volatile sig_atomic_t g_infoHandlerRuns = 0;
volatile sig_atomic_t g_plainHandlerRuns = 0;

void HostInfoHandler(int, siginfo_t*, void*)
{
    g_infoHandlerRuns = g_infoHandlerRuns + 1;
}

void HostPlainHandler(int)
{
    g_plainHandlerRuns = g_plainHandlerRuns + 1;
}

enum class Disposition { InfoHandler, PlainHandler, Ignore, Default };

struct sigaction ActionFor(Disposition d)
{
    struct sigaction action {};
    sigemptyset(&action.sa_mask);
    switch (d) {
    case Disposition::InfoHandler:
        action.sa_sigaction = HostInfoHandler;
        action.sa_flags = SA_SIGINFO;
        break;
    case Disposition::PlainHandler: action.sa_handler = HostPlainHandler; break;
    case Disposition::Ignore: action.sa_handler = SIG_IGN; break;
    case Disposition::Default: action.sa_handler = SIG_DFL; break;
    }
    return action;
}

void Install(Disposition d)
{
    const struct sigaction action = ActionFor(d);
    ASSERT_EQ(sigaction(SIGBUS, &action, nullptr), 0);
}

bool IsInPlace(Disposition d)
{
    struct sigaction now {};
    if (sigaction(SIGBUS, nullptr, &now) != 0) return false;
    const struct sigaction wanted = ActionFor(d);
    if ((wanted.sa_flags & SA_SIGINFO) != 0)
        return (now.sa_flags & SA_SIGINFO) != 0 && now.sa_sigaction == wanted.sa_sigaction;
    return (now.sa_flags & SA_SIGINFO) == 0 && now.sa_handler == wanted.sa_handler;
}

class BusErrorHandler : public ::testing::Test {
protected:
    void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
    void TearDown() override { Install(Disposition::Default); }
};

}  // namespace

// For each disposition the host may have: a guarded copy over pages cut from the file fails and puts
// the host's disposition back; a SIGBUS outside a guarded read (also while a read holds the guard)
// goes to the host's disposition; a real access to lost pages outside a guarded read ends the process
// by SIGBUS, not in an endless loop of handler calls, even when the host ignores SIGBUS. Nested holders
// install once, a handler the host sets meanwhile stays, and after the host unloads the library its
// own handler runs.
TEST_F(BusErrorHandler, TheHostsSignalTableIsAsItFoundIt)
{
    const std::string bytes(2 * 4096, '7');
    const ovtest::ScratchFile file("bus_error_handler.txt", bytes);
    ov::COvFileMapReadBlock map;
    ASSERT_TRUE(map.Open(file.Path()));
    const std::string_view view = map.MapView(0, nullptr);
    ASSERT_EQ(truncate(file.Path().c_str(), 4096), 0);
    std::vector<char> copy(bytes.size());
    for (Disposition d :
         {Disposition::InfoHandler, Disposition::PlainHandler, Disposition::Ignore, Disposition::Default}) {
        SCOPED_TRACE(static_cast<int>(d));
        Install(d);
        g_infoHandlerRuns = 0;
        g_plainHandlerRuns = 0;
        EXPECT_FALSE(ov::GuardedCopy(copy.data(), view.data(), copy.size()));
        EXPECT_TRUE(ov::GuardedCopy(copy.data(), view.data(), 4096));
        EXPECT_TRUE(IsInPlace(d));
        EXPECT_EQ(g_infoHandlerRuns + g_plainHandlerRuns, 0) << "the library's own fault is not the host's";
        if (d == Disposition::Ignore || d == Disposition::Default) {
            EXPECT_EXIT(
                {
                    alarm(10);  // a loop ends by SIGALRM, which the test tells apart
                    const ov::BusErrorGuardScope guard;
                    const volatile char lost = view[4096];
                    (void)lost;
                },
                ::testing::KilledBySignal(SIGBUS), "");
        }
        if (d == Disposition::Default) continue;  // a SIGBUS would end the test itself
        std::raise(SIGBUS);                       // an ignored one stays ignored
        {
            const ov::BusErrorGuardScope guard;
            ASSERT_TRUE(guard.Installed());
            EXPECT_FALSE(IsInPlace(d)) << "the library's handler is in place meanwhile";
            std::raise(SIGBUS);
        }
        EXPECT_TRUE(IsInPlace(d));
        EXPECT_EQ(g_infoHandlerRuns + g_plainHandlerRuns, d == Disposition::Ignore ? 0 : 2);
    }

    Install(Disposition::PlainHandler);
    {
        const ov::BusErrorGuardScope outer;
        {
            const ov::BusErrorGuardScope inner;
        }
        EXPECT_FALSE(IsInPlace(Disposition::PlainHandler)) << "an inner holder must not restore early";
        Install(Disposition::InfoHandler);  // the host changes its mind while a read runs
    }
    EXPECT_TRUE(IsInPlace(Disposition::InfoHandler));

    // RTLD_NODELETE keeps the library's statics mapped after dlclose, so LeakSanitizer does not count
    // what they still point to as lost. The check stands: a handler the library left behind would
    // run instead of the host's.
    void* library = dlopen(ORNIVEX_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
    ASSERT_NE(library, nullptr) << dlerror();
    using Gss = int32_t (*)(const char16_t*, void*);
    auto gss = reinterpret_cast<Gss>(dlsym(library, "__exp_GSS"));
    ASSERT_NE(gss, nullptr);
    EXPECT_EQ(gss(nullptr, nullptr), 0);  // the library has run: its start-up left no handler behind
    EXPECT_TRUE(IsInPlace(Disposition::InfoHandler));
    EXPECT_EQ(dlclose(library), 0);
    g_infoHandlerRuns = 0;
    std::raise(SIGBUS);
    EXPECT_EQ(g_infoHandlerRuns, 1);
}
