// The dual build's pieces: its menu strips, its window placement, closing its screen, and two listers released whole.
#include <core/menu_strip.h>
#include <core/partner.h>
#include <core/partner_launcher.h>
#include <core/window_geometry.h>

#include <dos/dostags.h>
#include <hosted/dos.h>
#include <hosted/task.h>
#include <proto/dos.h>
#include <proto/exec.h>
#include <proto/intuition.h>

#include "support/headless.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

struct Environment {
    Environment() { kvtest::UseHeadlessDisplay(); }
};
Environment gEnvironment;

std::vector<std::string> Texts(const struct MenuItem *item)
{
    std::vector<std::string> texts;
    for (; item != nullptr; item = item->NextItem)
        texts.push_back(reinterpret_cast<const char *>(static_cast<struct IntuiText *>(item->ItemFill)->IText));
    return texts;
}

TEST(PairedMenus, EachListerDecodesItsOwnStrip)
{
    ListerMenus first, second;
    BuildListerMenus(first, MenuStripKind::PairedFirst);
    BuildListerMenus(second, MenuStripKind::PairedSecond);
    EXPECT_EQ(Texts(second.projectItems),
              (std::vector<std::string>{"Open", "Parent", "Refresh", "Root", "Settings", "Save settings"}));
    EXPECT_EQ(Texts(second.projectItems[SettingsItem].SubItem),
              (std::vector<std::string>{"Lister colors", "Windows colors", "Buffer sizes", "User menus"}));

    // The same code means another command in each strip.
    EXPECT_EQ(DecodeMenuPick(first, FULLMENUNUM(0, 3, NOSUB)).command, MenuCommand::Root);
    EXPECT_EQ(DecodeMenuPick(FULLMENUNUM(0, 3, NOSUB)).command, MenuCommand::SetDestination);
    EXPECT_EQ(DecodeMenuPick(first, FULLMENUNUM(0, 8, NOSUB)).command, MenuCommand::Quit);
    EXPECT_EQ(DecodeMenuPick(second, FULLMENUNUM(0, 4, 3)).command, MenuCommand::SettingsUserMenus);
    EXPECT_EQ(DecodeMenuPick(second, FULLMENUNUM(0, 4, 4)).command, MenuCommand::None);
    EXPECT_EQ(DecodeMenuPick(second, FULLMENUNUM(0, 6, NOSUB)).command, MenuCommand::None);
    EXPECT_EQ(DecodeMenuPick(second, FULLMENUNUM(1, 1, NOSUB)).command, MenuCommand::Copy);
    EXPECT_EQ(first.ItemOf(MenuCommand::SetDestination), nullptr);
    EXPECT_EQ(second.ItemOf(MenuCommand::Quit), nullptr);
    EXPECT_EQ(second.ItemOf(MenuCommand::Root), &second.projectItems[3]);
    EXPECT_NE(second.ItemOf(MenuCommand::Root)->Flags & ITEMENABLED, 0);
}

TEST(PairedWindows, SideBySideEachAtMostHalfTheScreen)
{
    ScreenMetrics metrics;
    metrics.screenWidth = 1024;
    metrics.screenHeight = 768;
    metrics.borderLeft = 4;
    metrics.borderRight = 18;
    metrics.borderTop = 16;
    metrics.borderBottom = 10;
    ConfigRecord config;
    ListerWindowSpec wide = ComputeListerWindow(config, metrics, 900, 300);
    FitPairedListerWindow(wide, metrics, ListerRole::Second);
    EXPECT_EQ(wide.left, 512);
    EXPECT_EQ(wide.innerWidth, 512u - 22u);
    EXPECT_EQ(wide.maxWidth, 512u);
    EXPECT_EQ(wide.horizontalVisible, wide.innerWidth);
    ListerWindowSpec narrow = ComputeListerWindow(config, metrics, 300, 300);
    FitPairedListerWindow(narrow, metrics, ListerRole::First);
    EXPECT_EQ(narrow.left, 0);
    EXPECT_EQ(narrow.innerWidth, 300u);
}

// A window of someone else keeps the screen open: the person is told once,
// and the screen closes as soon as the window is gone.
TEST(ProgramScreen, ClosesOnceTheLastWindowIsGoneAndTellsOnce)
{
    struct TagItem screenTags[] = {{SA_Type, PUBLICSCREEN}, {SA_PubName, reinterpret_cast<IPTR>("Close test")},
                                   {TAG_DONE, 0}};
    struct Screen *screen = OpenScreenTagList(nullptr, screenTags);
    ASSERT_NE(screen, nullptr);
    struct TagItem windowTags[] = {{WA_CustomScreen, reinterpret_cast<IPTR>(screen)}, {WA_Width, 200},
                                   {WA_Height, 100}, {TAG_DONE, 0}};
    struct Window *other = OpenWindowTagList(nullptr, windowTags);
    ASSERT_NE(other, nullptr);
    struct Told {
        int count = 0;
        struct Window *window = nullptr;
    } told{0, other};
    CloseProgramScreen(
        screen,
        [](struct Screen *, void *context) {
            auto *t = static_cast<Told *>(context);
            t->count++;
            CloseWindow(t->window);   // the person closes the window
        },
        &told);
    EXPECT_EQ(told.count, 1);
    PubScreenStatus(screen, 0);   // a closed screen is not found any more
    EXPECT_EQ(LockPubScreen("Close test"), nullptr);
}

const ProgramVariant TestFirst = {
    "DoubleKestrovane", "DoubleKestrovane 0.9u (1aug10)", "To little memory for DoubleKestrovane to start\n",
    "CON:64/64/475/128/Kestrovane error message/AUTO/CLOSE/WAIT", "PROGDIR:no-such.cfg",
    "PROGDIR:no-such-menus.cfg", "DoubleKestrovane.guide", ListerRole::First, ListerRendering::Buffer, PartnerName,
    TRUE, nullptr,
};
const ProgramVariant TestSecond = {
    "DoubleKestrovane", "DoubleKestrovane 0.9u (1aug10)", "To little memory for DoubleKestrovane to start\n",
    "CON:64/64/475/128/Kestrovane error message/AUTO/CLOSE/WAIT", "PROGDIR:no-such-B.cfg",
    "PROGDIR:no-such-menus-B.cfg", "DoubleKestrovane.guide", ListerRole::Second, ListerRendering::Buffer,
    PartnerName, TRUE, nullptr,
};

std::atomic<LONG> gResult{-1};
std::atomic<struct Task *> gLauncher{nullptr};

LONG LauncherEntry()
{
    gLauncher = FindTask(nullptr);
    static const char arguments[] = "RAM:\n";
    gResult = StartPairedListers(TestFirst, TestSecond, arguments, sizeof arguments - 1);
    return 0;
}

template <typename Condition>
bool WaitFor(Condition condition)
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

// Runs the program as a process of its own, quits it with Ctrl-C once both
// listers run, and waits until that process is gone.
void RunBothListersAndQuit()
{
    gResult = -1;
    gLauncher = nullptr;
    struct TagItem tags[] = {{NP_Entry, reinterpret_cast<IPTR>(LauncherEntry)},
                             {NP_Name, reinterpret_cast<IPTR>("partner test launcher")}, {TAG_DONE, 0}};
    ASSERT_NE(CreateNewProc(tags), nullptr);
    ASSERT_TRUE(WaitFor([] { return PortInSlot(1) != nullptr && gLauncher.load() != nullptr; }));
    Signal(gLauncher.load(), SIGBREAKF_CTRL_C);
    ASSERT_TRUE(WaitFor([] { return gResult.load() != -1 && FindTask("partner test launcher") == nullptr; }));
}

// Quitting never leaves lister 2's work half done: once the program is
// over, every block, lock, port and window of both listers is released.
TEST(PairedListers, QuitReleasesEverythingOfBothListers)
{
    RunBothListersAndQuit();   // fonts and other things made once per program
    ASSERT_EQ(gResult.load(), 0);
    long blocks = hosted::OutstandingAllocations();
    long locks = hosted::OutstandingLocks();
    long ports = hosted::OutstandingPorts();

    RunBothListersAndQuit();
    EXPECT_EQ(gResult.load(), 0);
    EXPECT_EQ(FindTask(PartnerName), nullptr);                 // lister 2 was removed
    EXPECT_EQ(LockPubScreen(PartnerName), nullptr);            // the screen is closed
    EXPECT_EQ(Partners().ports[0].load(), 0u);
    EXPECT_EQ(Partners().ports[1].load(), 0u);
    EXPECT_EQ(hosted::OutstandingAllocations(), blocks);
    EXPECT_EQ(hosted::OutstandingLocks(), locks);
    EXPECT_EQ(hosted::OutstandingPorts(), ports);
}

}  // namespace
