// Console windows on the headless display: opening from a description, AUTO, text and scrolling, CLOSE, WAIT, the error console, the look.
#include "console_fixture.h"

#include <hosted/graphics.h>
#include <intuition/gadgetclass.h>
#include <proto/graphics.h>

#include <string>
#include <thread>

namespace {

using namespace contest;
using Lines = std::vector<std::string>;

constexpr LONG kCell = 8;     // the test font's cells
constexpr LONG kLine = 12;
constexpr LONG kMargin = 2;

TEST(ConsoleWindow, OpensWithTheTitleAndGeometryOfItsDescription)
{
    BPTR con = Open("CON:10/20/300/150/Probe one/CLOSE", MODE_NEWFILE);
    ASSERT_NE(con, 0);
    Settle();
    struct Window *w = FindWindow("Probe one");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->LeftEdge, 10);
    EXPECT_EQ(w->TopEdge, 20);
    EXPECT_EQ(w->Width, 300);
    EXPECT_EQ(w->Height, 150);
    hosted::WindowParts parts;
    ASSERT_TRUE(hosted::WindowPartsOf(w, parts));
    EXPECT_GT(parts.close.Width, 0);
    EXPECT_GT(parts.size.Width, 0);   // console windows can be sized
    EXPECT_TRUE(IsInteractive(con));
    EXPECT_TRUE(Close(con));
    Settle();
    EXPECT_EQ(FindWindow("Probe one"), nullptr);

    // Without CLOSE there is no close gadget; left-out numbers get defaults;
    // options that only change the look are taken.
    con = Open("CON:5/6///Probe two/NOSIZE/INACTIVE/SCREEN Workbench", MODE_NEWFILE);
    ASSERT_NE(con, 0);
    Settle();
    w = FindWindow("Probe two");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->Width, 640);
    EXPECT_EQ(w->Height, 200);
    ASSERT_TRUE(hosted::WindowPartsOf(w, parts));
    EXPECT_EQ(parts.close.Width, 0);
    Close(con);

    // A description that is none fails.
    EXPECT_EQ(Open("CON:x/1/2/3/Bad", MODE_NEWFILE), 0);
    EXPECT_EQ(IoErr(), ERROR_BAD_STREAM_NAME);
    Settle();
}

TEST(ConsoleWindow, TheScreenOptionOpensItOnThatPublicScreen)
{
    struct TagItem screenTags[] = {{SA_Type, PUBLICSCREEN}, {SA_PubName, reinterpret_cast<IPTR>("Console screen")},
                                   {TAG_DONE, 0}};
    struct Screen *screen = OpenScreenTagList(nullptr, screenTags);
    ASSERT_NE(screen, nullptr);
    PubScreenStatus(screen, 0);
    BPTR con = Open("CON:10/20/300/100/On its screen/CLOSE/SCREEN Console screen", MODE_NEWFILE);
    ASSERT_NE(con, 0);
    EXPECT_EQ(Put(con, "here\n"), 5);
    Settle();
    struct Window *found = nullptr;
    for (struct Window *w = screen->FirstWindow; w != nullptr; w = w->NextWindow)
        if (w->Title != nullptr && std::string(reinterpret_cast<const char *>(w->Title)) == "On its screen")
            found = w;
    EXPECT_NE(found, nullptr);
    Close(con);
    Settle();
    EXPECT_TRUE(CloseScreen(screen));
}

TEST(ConsoleWindow, AutoOpensOnlyAtTheFirstAccess)
{
    BPTR con = Open("CON:30/30/300/120/Auto probe/AUTO", MODE_NEWFILE);
    ASSERT_NE(con, 0);
    Settle();
    EXPECT_EQ(FindWindow("Auto probe"), nullptr);
    EXPECT_EQ(Put(con, "first words\n"), 12);
    Settle();
    ASSERT_NE(FindWindow("Auto probe"), nullptr);
    EXPECT_EQ(TextOf("Auto probe"), (Lines{"first words"}));
    Close(con);
    Settle();
    EXPECT_EQ(FindWindow("Auto probe"), nullptr);

    // Opened and closed untouched: never a window.
    con = Open("CON:30/30/300/120/Never shown/AUTO/CLOSE/WAIT", MODE_NEWFILE);
    ASSERT_NE(con, 0);
    Close(con);
    Settle();
    EXPECT_EQ(FindWindow("Never shown"), nullptr);
}

TEST(ConsoleWindow, TextScrollsAndTheLastLinesStayInSight)
{
    BPTR con = Open("CON:40/40/320/160/Scrolling probe", MODE_NEWFILE);
    ASSERT_NE(con, 0);
    for (int i = 0; i < 50; i++)
        Put(con, "line " + std::to_string(i) + "\n");
    Settle();
    Lines shown = TextOf("Scrolling probe");
    ASSERT_GE(shown.size(), 5u);
    EXPECT_EQ(shown.back(), "line 49");
    int first = 50 - static_cast<int>(shown.size());
    for (std::size_t i = 0; i < shown.size(); i++)
        EXPECT_EQ(shown[i], "line " + std::to_string(first + static_cast<int>(i)));
    // The window holds as many rows as its inside has room for; the last
    // is the cursor's, empty.
    struct Window *w = FindWindow("Scrolling probe");
    LONG rows = (w->Height - w->BorderTop - w->BorderBottom - 2 * kMargin) / kLine;
    EXPECT_EQ(static_cast<LONG>(shown.size()), rows - 1);

    // Tabs stop every eight columns; a return goes back to the line's start.
    Put(con, "\fa\tb\rX\nprogress 10%\rprogress 99%\n\x1b[1;32mno\x1b]0;title\x07 garbage\x1b[0m\n");
    Settle();
    EXPECT_EQ(TextOf("Scrolling probe"), (Lines{"X       b", "progress 99%", "no garbage"}));
    Close(con);
}

TEST(ConsoleWindow, ScrollingBackWithTheWheelAndTheScroller)
{
    BPTR con = Open("CON:40/40/320/160/Scrollback probe", MODE_NEWFILE);
    ASSERT_NE(con, 0);
    for (int i = 0; i < 40; i++)
        Put(con, "row " + std::to_string(i) + "\n");
    Settle();
    Lines bottom = TextOf("Scrollback probe");
    ASSERT_FALSE(bottom.empty());

    hosted::HostInput wheel;
    wheel.kind = hosted::HostInputKind::Wheel;
    wheel.y = -2;   // two steps up: six rows back
    hosted::PostInput(wheel);
    Settle();
    Lines back = TextOf("Scrollback probe");
    ASSERT_FALSE(back.empty());
    EXPECT_EQ(back.front(), "row " + std::to_string(std::stoi(bottom.front().substr(4)) - 6));

    // The scroller in the border shows where the view is.
    struct Window *w = FindWindow("Scrollback probe");
    struct Gadget *scroller = nullptr;
    for (struct Gadget *g = w->FirstGadget; g != nullptr; g = g->NextGadget) {
        if (g->GadgetID == 1)
            scroller = g;
    }
    ASSERT_NE(scroller, nullptr);
    ULONG top = 0, total = 0;
    GetAttr(PGA_Top, scroller, &top);
    GetAttr(PGA_Total, scroller, &total);
    EXPECT_EQ(top, static_cast<ULONG>(std::stoi(back.front().substr(4))));
    EXPECT_EQ(total, 41u);   // 40 rows and the cursor's

    // Setting the scroller moves the view; writing brings it back down.
    SetGadgetAttrs(scroller, w, nullptr, PGA_Top, 0, TAG_DONE);
    Settle();
    EXPECT_EQ(TextOf("Scrollback probe").front(), "row 0");
    Put(con, "new\n");
    Settle();
    EXPECT_EQ(TextOf("Scrollback probe").back(), "new");
    Close(con);
}

TEST(ConsoleWindow, ResizingLaysTheTextOutAgain)
{
    BPTR con = Open("CON:40/40/320/160/Resize probe", MODE_NEWFILE);
    ASSERT_NE(con, 0);
    for (int i = 0; i < 30; i++)
        Put(con, "entry " + std::to_string(i) + "\n");
    Settle();
    std::size_t before = TextOf("Resize probe").size();
    struct Window *w = FindWindow("Resize probe");
    ChangeWindowBox(w, 40, 40, 320, 160 + 5 * kLine);
    Settle();
    Lines after = TextOf("Resize probe");
    EXPECT_EQ(after.size(), before + 5);   // rows came back from the history
    EXPECT_EQ(after.back(), "entry 29");
    ChangeWindowBox(w, 40, 40, 320, 100);
    Settle();
    after = TextOf("Resize probe");
    EXPECT_LT(after.size(), before);
    EXPECT_EQ(after.back(), "entry 29");
    Close(con);
}

TEST(ConsoleWindow, TheCloseGadgetEndsTheInputAndWritesGoNowhere)
{
    BPTR con = Open("CON:50/50/300/120/Closing probe/CLOSE", MODE_NEWFILE);
    ASSERT_NE(con, 0);
    Put(con, "before\n");
    LONG got = -2;
    std::thread reader([&] {
        char buffer[32];
        got = Read(con, buffer, sizeof buffer);
    });
    Settle();   // a reader waiting for the person counts as idle
    EXPECT_EQ(got, -2);
    ClickClose("Closing probe");
    reader.join();
    EXPECT_EQ(got, 0);
    EXPECT_EQ(FindWindow("Closing probe"), nullptr);
    // The program goes on: writes are taken, reads are at their end.
    EXPECT_EQ(Put(con, "into nothing\n"), 13);
    char buffer[8];
    EXPECT_EQ(Read(con, buffer, sizeof buffer), 0);
    Settle();
    EXPECT_EQ(FindWindow("Closing probe"), nullptr);
    EXPECT_TRUE(Close(con));

    // Lines typed before the window was closed are still read, then the end.
    con = Open("CON:50/50/300/120/Closing probe two/CLOSE", MODE_NEWFILE);
    ASSERT_NE(con, 0);
    Put(con, "?");
    Type("early");
    Press("Return");
    ClickClose("Closing probe two");
    char line[16];
    EXPECT_EQ(Read(con, line, sizeof line), 6);
    EXPECT_EQ(std::string(line, 6), "early\n");
    EXPECT_EQ(Read(con, line, sizeof line), 0);
    Close(con);
}

TEST(ConsoleWindow, WaitKeepsTheWindowAfterCloseUntilThePersonClosesIt)
{
    BPTR con = Open("CON:60/60/300/120/Waiting probe/CLOSE/WAIT", MODE_NEWFILE);
    ASSERT_NE(con, 0);
    Put(con, "read me\n");
    EXPECT_TRUE(Close(con));   // returns at once
    Settle();
    ASSERT_NE(FindWindow("Waiting probe"), nullptr);
    EXPECT_EQ(TextOf("Waiting probe"), (Lines{"read me"}));
    // Typing does nothing more; the close gadget ends it.
    Type("x");
    Press("Return");
    EXPECT_EQ(TextOf("Waiting probe"), (Lines{"read me"}));
    ClickClose("Waiting probe");
    EXPECT_EQ(FindWindow("Waiting probe"), nullptr);

    // Without a close gadget Ctrl-\ ends it.
    con = Open("CON:60/60/300/120/Waiting probe two/WAIT", MODE_NEWFILE);
    ASSERT_NE(con, 0);
    Put(con, "no gadget\n");
    Close(con);
    Settle();
    ASSERT_NE(FindWindow("Waiting probe two"), nullptr);
    CtrlBackslash();
    EXPECT_EQ(FindWindow("Waiting probe two"), nullptr);
}

TEST(ConsoleWindow, TheErrorConsole)
{
    bool closed = false;
    std::thread program([&] {
        BPTR console = Open("CON:64/64/475/128/Kestrovane error message/AUTO/CLOSE/WAIT", MODE_NEWFILE);
        ASSERT_NE(console, 0);
        BPTR old = SelectOutput(console);
        PutStr("To little memory for Kestrovane to start\n");
        Delay(50);
        Close(console);
        SelectOutput(old);
        closed = Output() == old;
    });
    ASSERT_TRUE(WaitForWindow("Kestrovane error message"));
    Settle();   // the Delay counts as waiting
    struct Window *w = FindWindow("Kestrovane error message");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->LeftEdge, 64);
    EXPECT_EQ(w->TopEdge, 64);
    EXPECT_EQ(w->Width, 475);
    EXPECT_EQ(w->Height, 128);
    EXPECT_EQ(TextOf("Kestrovane error message"), (Lines{"To little memory for Kestrovane to start"}));
    program.join();
    EXPECT_TRUE(closed);   // the output was given back
    Settle();
    // WAIT: still there after Close, until the person closes it.
    ASSERT_NE(FindWindow("Kestrovane error message"), nullptr);
    EXPECT_EQ(TextOf("Kestrovane error message"), (Lines{"To little memory for Kestrovane to start"}));
    ClickClose("Kestrovane error message");
    EXPECT_EQ(FindWindow("Kestrovane error message"), nullptr);
}

TEST(ConsoleWindow, TextIsDrawnInTheScreensPensWithACursorWhileReading)
{
    BPTR con = Open("CON:100/100/300/120/Look probe/CLOSE", MODE_NEWFILE);
    ASSERT_NE(con, 0);
    // Reversed blanks make solid cells of the text pen.
    Put(con, "\x1b[7m    \x1b[0m\n");
    Settle();
    struct Window *w = FindWindow("Look probe");
    ASSERT_NE(w, nullptr);
    const LONG x0 = w->LeftEdge + w->BorderLeft + kMargin;
    const LONG y0 = w->TopEdge + w->BorderTop + kMargin;
    struct Screen *screen = LockPubScreen(nullptr);
    struct DrawInfo *dri = GetScreenDrawInfo(screen);
    ULONG text = hosted::PenColor(screen->RastPort.BitMap, dri->dri_Pens[TEXTPEN]);
    ULONG back = hosted::PenColor(screen->RastPort.BitMap, dri->dri_Pens[BACKGROUNDPEN]);
    ULONG fill = hosted::PenColor(screen->RastPort.BitMap, dri->dri_Pens[FILLPEN]);
    FreeScreenDrawInfo(screen, dri);
    UnlockPubScreen(nullptr, screen);
    EXPECT_EQ(hosted::FramePixel(x0 + 1, y0 + 1), text);
    EXPECT_EQ(hosted::FramePixel(x0 + 4 * kCell - 1, y0 + kLine - 1), text);
    EXPECT_EQ(hosted::FramePixel(x0 + 4 * kCell, y0 + 1), back);
    // No one reads: no cursor at the start of the second row.
    EXPECT_EQ(hosted::FramePixel(x0 + 1, y0 + kLine + 1), back);

    LONG got = -2;
    std::thread reader([&] {
        char buffer[16];
        got = Read(con, buffer, sizeof buffer);
    });
    // The cursor block shows once the reader waits.
    EXPECT_TRUE(WaitFor([&] { return hosted::FramePixel(x0 + 1, y0 + kLine + 1) == fill; }));
    Type("ab");
    // The typed characters stand before it.
    EXPECT_EQ(hosted::FramePixel(x0 + 2 * kCell + 1, y0 + kLine + 1), fill);
    EXPECT_EQ(TextOf("Look probe"), (Lines{"", "ab"}));
    Press("Return");
    reader.join();
    EXPECT_EQ(got, 3);
    Close(con);
}

}  // namespace
