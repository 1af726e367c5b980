// A command run by Execute, with the lister in this process: its window's title says what runs, and comes back afterwards.
#include <core/core.h>
#include <core/menu_strip.h>

#include <hosted/dos.h>
#include <hosted/shell.h>
#include <hosted/task.h>
#include <proto/exec.h>
#include <proto/intuition.h>

#include "support/headless.h"
#include "support/host_files.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

namespace {

struct Environment {
    Environment() { kvtest::UseHeadlessDisplay(); }
};
Environment gEnvironment;

const ProgramVariant TestVariant = {
    "Kestrovane", "Kestrovane 0.9u (1aug10)", "To little memory for Kestrovane to start\n",
    "CON:64/64/475/128/Kestrovane error message/AUTO/CLOSE/WAIT", "PROGDIR:Kestrovane.cfg",
    "PROGDIR:KestrovaneUsermenus.cfg", "Kestrovane.guide", ListerRole::First,
};

constexpr LONG FontHeight = 12;    // the test font's
constexpr LONG StatusHeight = 15;  // the status line with the test font

void ClickGadgetOf(struct Window *window, UWORD id)
{
    struct Gadget *gadget = kvtest::GadgetWithId(window, id);
    ASSERT_NE(gadget, nullptr);
    LONG left = gadget->LeftEdge + ((gadget->Flags & GFLG_RELRIGHT) ? window->Width - 1 : 0);
    kvtest::SettledClick(window->LeftEdge + left + gadget->Width / 2,
                         window->TopEdge + gadget->TopEdge + gadget->Height / 2);
}

void PressKey(const char *name)
{
    UWORD rawKey = 0;
    ULONG character = 0;
    ASSERT_TRUE(hosted::RawKeyOfName(name, rawKey, character));
    hosted::PostKeyStroke(rawKey, 0, character);
    kvtest::Settle();
}

TEST(RunningTitle, TheListerSaysWhichCommandItWaitsForUntilItEnds)
{
    kvtest::TempDir work("kv-running");
    kvtest::WriteHostFile(work.Path("Peek"), "");
    std::string drawer;
    ASSERT_TRUE(hosted::VolumePathOf(work.Path(), drawer));

    // The command looks at the window titles while it runs, and warns.
    std::vector<std::string> whileRunning;
    hosted::RegisterCommand("Peek", [&](CONST_STRPTR, BPTR, BPTR) {
        whileRunning = kvtest::WindowTitles();
        return LONG(RETURN_WARN);
    });

    std::string arguments = "\"" + drawer + "\"\n";
    LONG result = -1;
    std::thread lister([&] { result = Startup(TestVariant, arguments.c_str(), ULONG(arguments.size())); });
    struct Window *window = kvtest::WaitForWindow(drawer);
    ASSERT_NE(window, nullptr);
    kvtest::Settle();
    // The first line selected (the lister follows the held button itself).
    kvtest::PostHostInput(hosted::HostInputKind::PointerMove, window->LeftEdge + window->BorderLeft + 20,
                          window->TopEdge + window->BorderTop + StatusHeight + FontHeight / 2);
    kvtest::PostHostInput(hosted::HostInputKind::ButtonDown);
    kvtest::PostHostInput(hosted::HostInputKind::ButtonUp);
    kvtest::Settle();

    // "Execute" picked, as intuition reports a pick.
    struct MsgPort *replies = CreateMsgPort();
    ASSERT_NE(replies, nullptr);
    struct IntuiMessage pick = {};
    pick.ExecMessage.mn_ReplyPort = replies;
    pick.ExecMessage.mn_Length = sizeof pick;
    pick.Class = IDCMP_MENUPICK;
    pick.Code = MenuCodeOf(MenuCommand::Execute);
    pick.IDCMPWindow = window;
    PutMsg(window->UserPort, &pick.ExecMessage);

    struct Window *dialog = kvtest::WaitForWindow("Execute command");
    ASSERT_NE(dialog, nullptr);
    kvtest::Settle();
    ClickGadgetOf(dialog, 1);   // "Execute"

    // The warning's requester: by now the title is the drawer's again.
    ASSERT_NE(kvtest::WaitForWindow("System Request"), nullptr);
    kvtest::Settle();   // the requester takes the keys once it is up
    EXPECT_NE(std::find(whileRunning.begin(), whileRunning.end(), "Running: Peek"), whileRunning.end());
    EXPECT_EQ(std::find(whileRunning.begin(), whileRunning.end(), drawer), whileRunning.end());
    EXPECT_EQ(kvtest::WindowTitled(drawer), window);
    EXPECT_EQ(kvtest::WindowTitled("Running: Peek"), nullptr);
    PressKey("Escape");   // "Skip these"
    EXPECT_TRUE(kvtest::WaitForNoWindow("System Request"));

    EXPECT_EQ(GetMsg(replies), &pick.ExecMessage);
    DeleteMsgPort(replies);
    LONG x = 0, y = 0;
    ASSERT_TRUE(kvtest::CloseGadgetCentre(window, x, y));
    kvtest::SettledClick(x, y);
    hosted::BeginHostWait();
    lister.join();
    hosted::EndHostWait();
    EXPECT_EQ(result, 0);
    hosted::RegisterCommand("Peek", nullptr);
}

}  // namespace
