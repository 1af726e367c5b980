// The dialog toolkit on the headless display: painting, opening at the shared geometry, exclusive choices, resizing.
#include <ui/dialog.h>
#include <ui/progress_window.h>
#include <ui/requester.h>

#include <hosted/display.h>
#include <hosted/intuition.h>
#include <devices/inputevent.h>
#include <intuition/imageclass.h>
#include <proto/exec.h>
#include <proto/graphics.h>
#include <proto/dos.h>
#include <proto/intuition.h>

#include "support/headless.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <future>
#include <thread>
#include <vector>

namespace {

struct Environment {
    Environment() { kvtest::UseHeadlessDisplay(); }
};
Environment gEnvironment;

using kvtest::Settle;

void Post(hosted::HostInputKind kind, LONG x = 0, LONG y = 0)
{
    kvtest::PostHostInput(kind, x, y);
}

// A click as a person gives it, from the test's input thread.
void ClickAt(LONG x, LONG y)
{
    Settle();
    Post(hosted::HostInputKind::PointerMove, x, y);
    Post(hosted::HostInputKind::ButtonDown);
    Post(hosted::HostInputKind::ButtonUp);
}

// The centre of a gadget on the screen.
void GadgetCentre(const struct Window *window, const struct Gadget *gadget, LONG &x, LONG &y)
{
    LONG left = gadget->LeftEdge, top = gadget->TopEdge;
    if (gadget->Flags & GFLG_RELRIGHT)
        left += window->Width - 1;
    if (gadget->Flags & GFLG_RELBOTTOM)
        top += window->Height - 1;
    x = window->LeftEdge + left + gadget->Width / 2;
    y = window->TopEdge + top + gadget->Height / 2;
}

// Runs `input` on a thread of its own while the dialog's loop waits.
DialogEvent EventWhile(DialogToolkit &toolkit, Dialog &dialog, std::function<void()> input)
{
    std::thread person(std::move(input));
    DialogEvent event = WaitDialogEvent(toolkit, dialog);
    person.join();
    return event;
}

class DialogToolkitTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        screen = LockPubScreen(nullptr);
        ASSERT_NE(screen, nullptr);
        drawInfo = GetScreenDrawInfo(screen);
        font = OpenFont(screen->Font);
        ASSERT_NE(font, nullptr);
        ASSERT_TRUE(BuildGlyphSet(glyphs, font));
        struct TagItem frameTags[] = {{IA_FrameType, FRAME_BUTTON}, {TAG_DONE, 0}};
        frame = static_cast<struct Image *>(NewObjectA(nullptr, "frameiclass", frameTags));
        ASSERT_NE(frame, nullptr);
        BuildGradient(gradient, config.WindowGradientBegin(), config.WindowGradientEnd());

        toolkit.borderTop = LONG(GetDrawInfoAttr(drawInfo, GDIA_WindowTopBorder, nullptr));
        toolkit.borderLeft = LONG(GetDrawInfoAttr(drawInfo, GDIA_WindowLeftBorder, nullptr));
        toolkit.bordersX = toolkit.borderLeft + LONG(GetDrawInfoAttr(drawInfo, GDIA_WindowRightBorder, nullptr));
        toolkit.bordersY = toolkit.borderTop + LONG(GetDrawInfoAttr(drawInfo, GDIA_WindowBottomBorder, nullptr));
        ULONG width = ULONG(screen->Width - toolkit.bordersX);
        canvas.assign(width * 4 * 256, 0);
        toolkit.canvas = RenderTarget{canvas.data(), width * 4, width, 256};
        toolkit.windowGradient = &gradient;
        toolkit.glyphs = &glyphs;
        toolkit.config = &config;
        toolkit.screen = screen;
        toolkit.frame = frame;
        toolkit.geometry = DialogGeometryFromRecord(config);
    }

    void TearDown() override
    {
        DisposeObject(frame);
        FreeGlyphSet(glyphs);
        CloseFont(font);
        FreeScreenDrawInfo(screen, drawInfo);
        UnlockPubScreen(nullptr, screen);
    }

    // A dialog with a label, a text field, a group of three choices and OK/Cancel.
    void Build(Dialog &dialog, DialogDescription description, CONST_STRPTR title)
    {
        const LONG y = LONG(glyphs.height), t = toolkit.borderTop;
        dialog.description = description;
        dialog.title = title;
        dialog.innerHeight = UWORD(8 * y);
        AddDialogLabel(dialog, y, y, "Name:", config.WindowTextColor(), "Music", config.DrawerTextColor());
        AddDialogField(toolkit, dialog, 1, text, sizeof text, toolkit.borderLeft + y, t + 2 * y, -2 * y - toolkit.bordersX,
                       y + 4);
        for (UWORD i = 0; i < 3; i++)
            group[i] = AddDialogButton(toolkit, dialog, UWORD(10 + i), i == 0 ? "A" : i == 1 ? "B" : "C",
                                       DialogBox{toolkit.borderLeft + y + LONG(i) * 6 * y, t + 4 * y, 5 * y, y + 4},
                                       TRUE, i == 0);
        AddDialogButton(toolkit, dialog, 2, "OK", DialogBox{toolkit.borderLeft + y, t + 6 * y, 8 * y, y + 4});
        AddDialogButton(toolkit, dialog, 3, "Cancel", DialogBox{y, t + 6 * y, 8 * y, y + 4, TRUE});
    }

    ULONG InnerPixel(const struct Window *window, LONG x, LONG y)
    {
        return hosted::FramePixel(window->LeftEdge + window->BorderLeft + x, window->TopEdge + window->BorderTop + y);
    }

    struct Screen *screen = nullptr;
    struct DrawInfo *drawInfo = nullptr;
    struct TextFont *font = nullptr;
    struct Image *frame = nullptr;
    GlyphSet glyphs;
    GradientTable gradient{};
    ConfigRecord config;
    std::vector<UBYTE> canvas;
    DialogToolkit toolkit;
    char text[256] = "Work:";
    struct Gadget *group[3] = {};
};

TEST_F(DialogToolkitTest, PaintsTheGradientOver256RowsAndTheLabels)
{
    Dialog dialog;
    Build(dialog, DialogDescription::Common, "Paint test");
    ASSERT_LT(dialog.innerHeight, 256);
    PaintDialog(toolkit, dialog);
    EXPECT_EQ(LoadPixel(toolkit.canvas.PixelAt(0, 0)), gradient.colours[0]);
    EXPECT_EQ(LoadPixel(toolkit.canvas.PixelAt(0, 255)), gradient.colours[gradient.count - 1]);
    // The label and the name after it, each in its own colour, on its row.
    ULONG labelPixels = 0, namePixels = 0;
    for (ULONG row = glyphs.height; row < 2 * glyphs.height; row++)
        for (ULONG x = 0; x < 200; x++) {
            ULONG pixel = LoadPixel(toolkit.canvas.PixelAt(x, row));
            labelPixels += pixel == config.WindowTextColor();
            namePixels += pixel == config.DrawerTextColor();
        }
    EXPECT_GT(labelPixels, 0u);
    EXPECT_GT(namePixels, 0u);
    CloseDialog(toolkit, dialog);   // never opened: only its gadgets go
    EXPECT_EQ(dialog.gadgetCount, 0u);
}

TEST_F(DialogToolkitTest, RunsChoicesAndStoresTheGeometryAfterAResize)
{
    Dialog dialog;
    Build(dialog, DialogDescription::Common, "Toolkit test");
    ASSERT_TRUE(OpenDialog(toolkit, dialog));
    struct Window *window = dialog.window;
    Settle();
    EXPECT_EQ(window->LeftEdge, 32);
    EXPECT_EQ(window->TopEdge, 32);
    EXPECT_EQ(window->Width - window->BorderLeft - window->BorderRight, 450);
    EXPECT_EQ(window->Height - window->BorderTop - window->BorderBottom, dialog.innerHeight);
    EXPECT_EQ(toolkit.geometry.innerHeight, dialog.innerHeight);
    EXPECT_EQ(InnerPixel(window, 440, 0), gradient.colours[0]);

    // A choice of the group: it is selected, the others cleared.
    LONG x, y;
    GadgetCentre(window, group[1], x, y);
    DialogEvent event = EventWhile(toolkit, dialog, [&] { ClickAt(x, y); });
    ASSERT_EQ(event.kind, DialogEvent::Kind::GadgetUp);
    EXPECT_EQ(event.gadgetId, 11);
    SelectExclusive(dialog, group, 3, group[1]);
    EXPECT_FALSE(group[0]->Flags & GFLG_SELECTED);
    EXPECT_TRUE(group[1]->Flags & GFLG_SELECTED);
    EXPECT_FALSE(group[2]->Flags & GFLG_SELECTED);
    // Picking the chosen one again keeps it chosen.
    event = EventWhile(toolkit, dialog, [&] { ClickAt(x, y); });
    SelectExclusive(dialog, group, 3, group[1]);
    EXPECT_TRUE(group[1]->Flags & GFLG_SELECTED);

    // A resize is handled inside the loop; the close gadget ends it.
    event = EventWhile(toolkit, dialog, [&] {
        Settle();
        ChangeWindowBox(window, 40, 50, 600, window->Height);
        Settle();
        hosted::WindowParts parts;
        ASSERT_TRUE(hosted::WindowPartsOf(window, parts));
        ClickAt(window->LeftEdge + parts.close.Left + parts.close.Width / 2,
                window->TopEdge + parts.close.Top + parts.close.Height / 2);
    });
    EXPECT_EQ(event.kind, DialogEvent::Kind::Close);
    EXPECT_EQ(toolkit.geometry.left, 40);
    EXPECT_EQ(toolkit.geometry.top, 50);
    EXPECT_EQ(toolkit.geometry.innerWidth, 600 - toolkit.bordersX);
    EXPECT_EQ(toolkit.geometry.innerHeight, dialog.innerHeight);
    Settle();
    EXPECT_EQ(InnerPixel(window, 590 - toolkit.bordersX, 0), gradient.colours[0]);   // repainted to the new width
    CloseDialog(toolkit, dialog);
    EXPECT_EQ(dialog.window, nullptr);
    EXPECT_EQ(dialog.gadgetCount, 0u);

    // The next window of the common description opens where that one was.
    Dialog next;
    Build(next, DialogDescription::Common, "Toolkit test 2");
    ASSERT_TRUE(OpenDialog(toolkit, next));
    EXPECT_EQ(next.window->LeftEdge, 40);
    EXPECT_EQ(next.window->TopEdge, 50);
    EXPECT_EQ(next.window->Width, 600);
    CloseDialog(toolkit, next);

    ConfigRecord saved;
    StoreDialogGeometry(toolkit.geometry, saved);
    EXPECT_EQ(saved.DialogLeft(), 40);
    EXPECT_EQ(saved.DialogTop(), 50);
    EXPECT_EQ(saved.DialogInnerWidth(), 600 - toolkit.bordersX);
    EXPECT_EQ(saved.DialogInnerHeight(), next.innerHeight);
}

TEST_F(DialogToolkitTest, TheSecondDescriptionOpensTopLeftAndKeepsOnlyItsWidth)
{
    DialogGeometry before = toolkit.geometry;
    Dialog dialog;
    Build(dialog, DialogDescription::Second, "Second test");
    ASSERT_TRUE(OpenDialog(toolkit, dialog));
    struct Window *window = dialog.window;
    EXPECT_EQ(window->LeftEdge, 0);
    EXPECT_EQ(window->TopEdge, 0);
    EXPECT_EQ(window->Width - window->BorderLeft - window->BorderRight, 575);
    LONG x, y;
    GadgetCentre(window, dialog.Find(3), x, y);   // "Cancel", right-aligned
    EXPECT_GT(x, window->LeftEdge + window->Width / 2);
    DialogEvent event = EventWhile(toolkit, dialog, [&] {
        Settle();
        ChangeWindowBox(window, 100, 100, 700, window->Height);
        Settle();
        LONG cx, cy;
        GadgetCentre(window, dialog.Find(3), cx, cy);
        ClickAt(cx, cy);
    });
    EXPECT_EQ(event.kind, DialogEvent::Kind::GadgetUp);
    EXPECT_EQ(event.gadgetId, 3);
    EXPECT_EQ(toolkit.secondInnerWidth, 700 - toolkit.bordersX);
    EXPECT_EQ(toolkit.geometry.left, before.left);
    EXPECT_EQ(toolkit.geometry.innerWidth, before.innerWidth);
    CloseDialog(toolkit, dialog);
}

TEST_F(DialogToolkitTest, ADialogWithAFailedGadgetDoesNotOpen)
{
    Dialog dialog;
    dialog.title = "Broken";
    dialog.innerHeight = 100;
    AddDialogButton(toolkit, dialog, 1, "OK", DialogBox{10, 30, 60, 14});
    struct TagItem none[] = {{TAG_DONE, 0}};
    EXPECT_EQ(NewObjectA(nullptr, "nosuchclass", none), nullptr);
    dialog.failed = TRUE;   // as a gadget that could not be made marks it
    EXPECT_FALSE(OpenDialog(toolkit, dialog));
    EXPECT_EQ(dialog.window, nullptr);
    EXPECT_EQ(dialog.gadgetCount, 0u);
}

TEST_F(DialogToolkitTest, APolledDialogAnswersAtOnceWhenNothingWaitsAndGivesTheButtonOnceClicked)
{
    Dialog dialog;
    Build(dialog, DialogDescription::Common, "Polled");
    ASSERT_TRUE(OpenDialog(toolkit, dialog));
    Settle();
    DialogEvent event;
    while (NextDialogEvent(toolkit, dialog, event, FALSE))
        ;   // what opening the window brought
    EXPECT_FALSE(NextDialogEvent(toolkit, dialog, event, FALSE));   // returns, does not wait
    LONG cx, cy;
    GadgetCentre(dialog.window, dialog.Find(2), cx, cy);
    ClickAt(cx, cy);
    Settle();
    ASSERT_TRUE(NextDialogEvent(toolkit, dialog, event, FALSE));
    EXPECT_EQ(event.kind, DialogEvent::Kind::GadgetUp);
    EXPECT_EQ(event.gadgetId, 2);
    CloseDialog(toolkit, dialog);
}

TEST_F(DialogToolkitTest, TheProgressWindowShowsItsLinesAndItsAbortIsSeenByPolling)
{
    ProgressWindow progress;
    SetProgressLine(progress, 0, "Work:big/file");
    SetProgressLine(progress, 1, "3 of 10 entries");
    ASSERT_TRUE(OpenProgressWindow(toolkit, progress, "Copying"));
    ShowProgress(toolkit, progress);
    Settle();
    EXPECT_FALSE(ProgressAbortAsked(toolkit, progress));
    struct Window *window = kvtest::WaitForWindow("Copying", 2000);
    ASSERT_EQ(window, progress.dialog.window);
    // The label's text is drawn in the window colour over the gradient.
    bool drawn = false;
    for (LONG x = 0; x < 80 && !drawn; x++)
        for (LONG y = 0; y < LONG(glyphs.height) * 2 && !drawn; y++)
            drawn = InnerPixel(window, LONG(glyphs.height) + x, LONG(glyphs.height) + y) == config.WindowTextColor();
    EXPECT_TRUE(drawn);
    LONG cx, cy;
    GadgetCentre(window, progress.dialog.Find(ProgressAbortId), cx, cy);
    ClickAt(cx, cy);
    Settle();
    EXPECT_TRUE(ProgressAbortAsked(toolkit, progress));
    EXPECT_TRUE(ProgressAbortAsked(toolkit, progress));   // it stays asked
    CloseProgressWindow(toolkit, progress);
    EXPECT_FALSE(progress.IsOpen());
}

TEST_F(DialogToolkitTest, TheFaultRequesterShowsTheCapturedErrorAndAShortenedNameWhateverIoErrSaysNow)
{
    std::string longName = "Work:" + std::string(3000, 'd') + "/last";
    std::future<BOOL> answer = std::async(std::launch::async, [&] {
        SetIoErr(ERROR_DISK_FULL);   // cleanup after the failure changed IoErr
        return FaultRequester(RequestContext{nullptr, glyphs.height}, longName.c_str(), ERROR_OBJECT_NOT_FOUND,
                              FaultButtons::SkipAbort);
    });
    struct Window *request = kvtest::WaitForWindow("System Request", 5000);
    Settle();
    std::vector<std::string> lines;
    bool fitsScreen = false;
    if (request != nullptr) {
        lines = hosted::WindowTextLines(request);
        fitsScreen = request->Height <= request->WScreen->Height;
    }
    // Answered before anything is checked: a requester left open would
    // hold the test's end for ever.
    for (int tries = 0; tries < 5 && answer.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready;
         tries++) {
        hosted::PostKeyStroke(RAWKEY_ESC, 0, 27);
        answer.wait_for(std::chrono::seconds(2));
    }
    ASSERT_EQ(answer.wait_for(std::chrono::seconds(0)), std::future_status::ready);
    ASSERT_NE(request, nullptr);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].rfind("Work:ddd", 0), 0u);
    EXPECT_NE(lines[0].find("..."), std::string::npos);
    EXPECT_EQ(lines[0].substr(lines[0].size() - 5), "/last");
    EXPECT_LE(lines[0].size(), size_t(RequesterNameMax));
    char expected[FaultTextSize];
    FaultText(ERROR_OBJECT_NOT_FOUND, expected);
    EXPECT_EQ(lines[1], expected);
    EXPECT_TRUE(fitsScreen);
    EXPECT_FALSE(answer.get());
}

}  // namespace
