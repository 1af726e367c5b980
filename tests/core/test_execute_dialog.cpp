// The "Execute command" dialog on the headless display: its layout, the typed text handed back, Cancel keeping the field, the prompt mode.
#include <ui/execute_dialog.h>

#include <hosted/display.h>
#include <hosted/intuition.h>
#include <intuition/imageclass.h>
#include <proto/graphics.h>
#include <proto/intuition.h>

#include "support/headless.h"
#include <hosted/task.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace {

struct Environment {
    Environment() { kvtest::UseHeadlessDisplay(); }
};
Environment gEnvironment;

void GadgetCentre(const struct Window *window, const struct Gadget *gadget, LONG &x, LONG &y)
{
    LONG left = gadget->LeftEdge;
    if (gadget->Flags & GFLG_RELRIGHT)
        left += window->Width - 1;
    x = window->LeftEdge + left + gadget->Width / 2;
    y = window->TopEdge + gadget->TopEdge + gadget->Height / 2;
}

void ClickGadget(struct Window *window, UWORD id)
{
    struct Gadget *gadget = kvtest::GadgetWithId(window, id);
    ASSERT_NE(gadget, nullptr) << id;
    LONG x, y;
    GadgetCentre(window, gadget, x, y);
    kvtest::SettledClick(x, y);
}

void Type(const std::string &text)
{
    kvtest::Settle();
    for (char c : text)
        hosted::PostCharacter(UBYTE(c));
    kvtest::Settle();
}

void PressKey(const char *name)
{
    UWORD rawKey = 0;
    ULONG character = 0;
    ASSERT_TRUE(hosted::RawKeyOfName(name, rawKey, character));
    hosted::PostKeyStroke(rawKey, 0, character);
}

class ExecuteDialogTest : public ::testing::Test {
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

    // Runs `call` here while `person` acts on the window titled `title`
    // from a thread of its own.
    void While(const std::string &title, const std::function<void()> &call,
               const std::function<void(struct Window *)> &person)
    {
        std::thread other([&] {
            struct Window *window = kvtest::WaitForWindow(title);
            ASSERT_NE(window, nullptr) << title;
            kvtest::Settle();
            person(window);
        });
        call();
        // Waiting for the person counts as waiting: their clicks settle.
        hosted::BeginHostWait();
        other.join();
        hosted::EndHostWait();
    }

    // How many canvas pixels of the first line have `colour`.
    ULONG LinePixels(ULONG colour)
    {
        ULONG count = 0;
        for (ULONG row = glyphs.height; row < 2 * glyphs.height; row++)
            for (ULONG x = 0; x < toolkit.canvas.width; x++)
                count += LoadPixel(toolkit.canvas.PixelAt(x, row)) == colour;
        return count;
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
};

TEST_F(ExecuteDialogTest, ThePromptModeHandsBackTheTypedTextLaidOutInLines)
{
    const LONG y = LONG(glyphs.height), x = LONG(glyphs.nominalWidth);
    char text[2000] = "stale";
    BOOL answered = FALSE;
    While("Pack files", [&] { answered = AskCommandArguments(toolkit, "Pack files", "Archive name:", text, sizeof text); },
          [&](struct Window *window) {
              EXPECT_EQ(window->Height - window->BorderTop - window->BorderBottom, 6 * y);
              struct Gadget *field = kvtest::GadgetWithId(window, ExecuteFieldId);
              struct Gadget *run = kvtest::GadgetWithId(window, ExecuteButtonId);
              struct Gadget *cancel = kvtest::GadgetWithId(window, ExecuteCancelId);
              ASSERT_TRUE(field && run && cancel);
              EXPECT_EQ(field->LeftEdge, window->BorderLeft + y);
              EXPECT_EQ(field->TopEdge, window->BorderTop + 3 * y);
              EXPECT_EQ(field->Height, y);
              EXPECT_EQ(window->Width + field->Width, window->Width - window->BorderLeft - window->BorderRight - 2 * y);
              EXPECT_EQ(run->LeftEdge, window->BorderLeft + y);
              EXPECT_EQ(run->TopEdge, window->BorderTop + 5 * y);
              EXPECT_EQ(run->Width, 9 * x);
              EXPECT_EQ(cancel->Width, 8 * x);
              EXPECT_EQ(cancel->TopEdge, run->TopEdge);
              LONG cancelRight = window->Width - 1 + cancel->LeftEdge + cancel->Width;
              EXPECT_EQ(cancelRight, window->Width - window->BorderRight - y);
              EXPECT_EQ(field->Flags & GFLG_SELECTED, GFLG_SELECTED);   // it takes the keys at once
              Type("-9 *.txt");
              ClickGadget(window, ExecuteButtonId);
          });
    EXPECT_TRUE(answered);
    EXPECT_STREQ(text, "-9 *.txt");
    EXPECT_EQ(kvtest::WindowTitled("Pack files"), nullptr);
    EXPECT_GT(LinePixels(config.WindowTextColor()), 0u);

    // Return in the field answers as "Execute" does; at most 1023 characters.
    While("Pack files", [&] { answered = AskCommandArguments(toolkit, "Pack files", "Archive name:", text, sizeof text); },
          [&](struct Window *) {
              Type(std::string(1100, 'a'));
              PressKey("Return");
          });
    EXPECT_TRUE(answered);
    EXPECT_EQ(std::string(text), std::string(1023, 'a'));

    // "Cancel" and the close gadget hand back nothing.
    While("Pack files", [&] { answered = AskCommandArguments(toolkit, "Pack files", "Archive name:", text, sizeof text); },
          [&](struct Window *window) {
              Type("ignored");
              ClickGadget(window, ExecuteCancelId);
          });
    EXPECT_FALSE(answered);
    EXPECT_STREQ(text, "");
    EXPECT_EQ(kvtest::WindowTitled("Pack files"), nullptr);
    While("Pack files", [&] { answered = AskCommandArguments(toolkit, "Pack files", "Archive name:", text, sizeof text); },
          [&](struct Window *window) {
              Type("ignored");
              LONG cx, cy;
              ASSERT_TRUE(kvtest::CloseGadgetCentre(window, cx, cy));
              kvtest::SettledClick(cx, cy);
          });
    EXPECT_FALSE(answered);
    EXPECT_STREQ(text, "");
}

TEST_F(ExecuteDialogTest, CancelKeepsTheWindowAndTheFieldAndShowsTheNextName)
{
    char field[ExecuteDialogFieldSize] = "";
    ExecuteDialog state;
    ExecuteDialogAnswer answer = ExecuteDialogAnswer::Failed;
    While("Execute command",
          [&] {
              answer = AskExecuteDialog(toolkit, state, "Execute command", "Give commandline arguments for:", "Music",
                                        config.DrawerTextColor(), field, sizeof field);
          },
          [&](struct Window *window) {
              Type("-v");
              ClickGadget(window, ExecuteCancelId);
          });
    EXPECT_EQ(answer, ExecuteDialogAnswer::Cancel);
    ASSERT_TRUE(state.IsOpen());
    struct Window *window = state.dialog.window;
    EXPECT_GT(LinePixels(config.DrawerTextColor()), 0u);
    EXPECT_STREQ(field, "-v");

    // The same window asks for the next entry, a file, and keeps the text.
    std::thread person([&] {
        kvtest::Settle();
        Type(" -x");
        ClickGadget(window, ExecuteButtonId);
    });
    answer = AskExecuteDialog(toolkit, state, "Execute command", "Give commandline arguments for:", "List",
                              config.ListerTextColor(), field, sizeof field);
    hosted::BeginHostWait();
    person.join();
    hosted::EndHostWait();
    EXPECT_EQ(answer, ExecuteDialogAnswer::Execute);
    EXPECT_FALSE(state.IsOpen());
    EXPECT_EQ(kvtest::WindowTitled("Execute command"), nullptr);
    EXPECT_EQ(LinePixels(config.DrawerTextColor()), 0u);
    EXPECT_GT(LinePixels(config.ListerTextColor()), 0u);
    EXPECT_STREQ(field, "-v -x");
    CloseExecuteDialog(toolkit, state);   // closed already: nothing happens
}

}  // namespace
