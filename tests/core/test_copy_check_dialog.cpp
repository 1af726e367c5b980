// "Copy checking" on the headless display: its layout, its lines, the answers of its buttons and the source lock.
#include <ui/copy_check_dialog.h>

#include <hosted/intuition.h>
#include <intuition/imageclass.h>
#include <proto/dos.h>
#include <proto/graphics.h>
#include <proto/intuition.h>

#include "support/headless.h"
#include "support/host_files.h"
#include "support/temp_dir.h"

#include <hosted/dos.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <future>
#include <vector>

namespace {

struct Environment {
    Environment() { kvtest::UseHeadlessDisplay(); }
};
Environment gEnvironment;

class CopyCheckTest : public ::testing::Test {
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
        SetDateRequestFormat(dates, config.DateFormat(), 0);

        std::strcpy(source.fib_FileName, "tool");
        std::strcpy(existing.fib_FileName, "tool");
        source.fib_Date = {15000, 700, 10};
        existing.fib_Date = {15000, 700, 9};
        conflict.source = &source;
        conflict.existing = &existing;
        conflict.sourcePath = "tool";
        conflict.destinationPath = "RAM:tool";
        conflict.topLevel = TRUE;
        context.toolkit = &toolkit;
        context.layout = &layout;
        context.dates = &dates;
        context.buffer = buffer.data();
        context.bufferSize = ULONG(buffer.size());
    }

    void TearDown() override
    {
        DisposeObject(frame);
        FreeGlyphSet(glyphs);
        CloseFont(font);
        FreeScreenDrawInfo(screen, drawInfo);
        UnlockPubScreen(nullptr, screen);
    }

    // Runs the dialog on a task of its own; `press` is the GA_ID to click
    // once it is open (0: its close gadget).
    CopyCheckResult Answer(UWORD press, ConflictMode &mode, ScopedLock &lock)
    {
        std::future<CopyCheckResult> result =
            std::async(std::launch::async, [&] { return CopyCheck(context, conflict, mode, lock); });
        struct Window *window = kvtest::WaitForWindow("Copy checking", 5000);
        EXPECT_NE(window, nullptr);
        if (window != nullptr) {
            opened = window;
            LONG x = 0, y = 0;
            if (press == 0) {
                EXPECT_TRUE(kvtest::CloseGadgetCentre(window, x, y));
            } else {
                struct Gadget *gadget = kvtest::GadgetWithId(window, press);
                EXPECT_NE(gadget, nullptr);
                x = window->LeftEdge + gadget->LeftEdge + gadget->Width / 2;
                y = window->TopEdge + gadget->TopEdge + gadget->Height / 2;
            }
            kvtest::SettledClick(x, y);
        }
        EXPECT_EQ(result.wait_for(std::chrono::seconds(10)), std::future_status::ready);
        return result.get();
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
    DateRequest dates;
    std::vector<UBYTE> buffer = std::vector<UBYTE>(4096);
    CopyCheckLayout layout;
    CopyCheckContext context;
    struct FileInfoBlock source = {};
    struct FileInfoBlock existing = {};
    CopyConflict conflict;
    struct Window *opened = nullptr;
};

TEST_F(CopyCheckTest, TheLayoutWidensBy25PixelsUntilTheButtonsFitApartAndIsKeptForTheRun)
{
    const LONG x = LONG(glyphs.nominalWidth), y = LONG(glyphs.height);
    const LONG need = 52 * x + 2 * y;
    // Three steps short of a remainder of 15: the buttons would fit, but with
    // gaps of 3 pixels, under half a character width; one more step.
    toolkit.geometry.innerWidth = UWORD(need - 60);
    LayOutCopyCheck(toolkit, layout);
    LONG width = need - 60;
    while (width - need <= 0 || (width - need) / 5 < x / 2)
        width += 25;
    EXPECT_EQ(width, need + 40);
    EXPECT_EQ(layout.innerWidth, width);
    EXPECT_EQ(layout.innerHeight, 8 * y);
    const LONG gap = (width - need) / 5;
    const LONG widths[6] = {6, 9, 9, 12, 9, 7};
    LONG left = toolkit.borderLeft + y;
    for (int i = 0; i < 5; i++) {
        EXPECT_EQ(layout.buttons[i].left, left) << i;
        EXPECT_EQ(layout.buttons[i].width, widths[i] * x) << i;
        EXPECT_EQ(layout.buttons[i].top, 7 * y);
        EXPECT_EQ(layout.buttons[i].height, y);
        left += widths[i] * x + gap;
    }
    // "Abort": its right side one line height inside the right border.
    EXPECT_EQ(layout.buttons[5].left + layout.buttons[5].width, toolkit.borderLeft + width - y);
    // A later geometry changes nothing: the layout is the run's.
    toolkit.geometry.innerWidth = 900;
    toolkit.geometry.left = 200;
    LayOutCopyCheck(toolkit, layout);
    EXPECT_EQ(layout.innerWidth, width);
    EXPECT_EQ(layout.left, 32);
}

TEST_F(CopyCheckTest, TheDateVerdictComparesDaysThenMinutesThenTicks)
{
    EXPECT_STREQ(CopyCheckDateVerdict({100, 5, 2}, {100, 5, 1}), "New file has a more recent date: ");
    EXPECT_STREQ(CopyCheckDateVerdict({100, 5, 1}, {100, 5, 2}), "New file is older: ");
    EXPECT_STREQ(CopyCheckDateVerdict({100, 5, 1}, {100, 5, 1}), "New file has an equal date: ");
    EXPECT_STREQ(CopyCheckDateVerdict({99, 1439, 49}, {100, 0, 0}), "New file is older: ");
    EXPECT_STREQ(CopyCheckDateVerdict({100, 6, 0}, {100, 5, 49}), "New file has a more recent date: ");
}

TEST_F(CopyCheckTest, EachButtonGivesItsAnswerSetsTheModeAndKeepsTheLockOnlyForReplace)
{
    struct Case {
        UWORD press;
        CopyCheckResult result;
        ConflictMode mode;
        bool lockKept;
    } cases[] = {
        {CopyCheckSkipId, CopyCheckResult::Skip, ConflictMode::Ask, false},
        {CopyCheckSkipAllId, CopyCheckResult::SkipAll, ConflictMode::SkipAll, false},
        {CopyCheckReplaceId, CopyCheckResult::Replace, ConflictMode::Ask, true},
        {CopyCheckReplaceAllId, CopyCheckResult::ReplaceAll, ConflictMode::ReplaceAll, true},
        {CopyCheckAbortId, CopyCheckResult::Abort, ConflictMode::Ask, false},
        {0, CopyCheckResult::Abort, ConflictMode::Ask, false},   // the close gadget
    };
    for (const Case &c : cases) {
        ConflictMode mode = ConflictMode::Ask;
        ScopedLock lock(Lock("", SHARED_LOCK));
        ASSERT_TRUE(lock);
        EXPECT_EQ(Answer(c.press, mode, lock), c.result) << c.press;
        EXPECT_EQ(mode, c.mode) << c.press;
        EXPECT_EQ(bool(lock), c.lockKept) << c.press;
        EXPECT_TRUE(kvtest::WaitForNoWindow("Copy checking", 5000));
    }
}

TEST_F(CopyCheckTest, ItsOwnWindowHasNoSizingGadgetTheButtonsAndBothLines)
{
    ConflictMode mode = ConflictMode::Ask;
    ScopedLock lock(Lock("", SHARED_LOCK));
    std::future<CopyCheckResult> result =
        std::async(std::launch::async, [&] { return CopyCheck(context, conflict, mode, lock); });
    struct Window *window = kvtest::WaitForWindow("Copy checking", 5000);
    ASSERT_NE(window, nullptr);
    kvtest::Settle();
    EXPECT_EQ(window->LeftEdge, 32);
    EXPECT_EQ(window->TopEdge, 32);
    EXPECT_EQ(window->Width - window->BorderLeft - window->BorderRight, layout.innerWidth);
    EXPECT_EQ(window->Height - window->BorderTop - window->BorderBottom, layout.innerHeight);
    EXPECT_EQ(window->Flags & WFLG_SIZEGADGET, 0u);
    EXPECT_EQ(window->IDCMPFlags, ULONG(IDCMP_GADGETUP | IDCMP_CLOSEWINDOW));
    for (UWORD id = CopyCheckSkipId; id <= CopyCheckAbortId; id++)
        EXPECT_NE(kvtest::GadgetWithId(window, id), nullptr) << id;
    // Line 1 ends in the name in the lister's text colour; line 2 is all in the window's.
    auto count = [&](LONG line, ULONG colour) {
        ULONG n = 0;
        for (LONG y = line * LONG(glyphs.height); y < (line + 1) * LONG(glyphs.height); y++)
            for (LONG x = 0; x < LONG(layout.innerWidth); x++)
                n += hosted::FramePixel(window->LeftEdge + window->BorderLeft + x,
                                        window->TopEdge + window->BorderTop + y) == colour;
        return n;
    };
    EXPECT_GT(count(1, config.WindowTextColor()), 0u);
    EXPECT_GT(count(1, config.ListerTextColor()), 0u);
    EXPECT_GT(count(2, config.WindowTextColor()), 0u);
    EXPECT_EQ(count(2, config.ListerTextColor()), 0u);
    EXPECT_EQ(count(3, config.WindowTextColor()), 0u);   // no version lines yet
    LONG x = 0, y = 0;
    ASSERT_TRUE(kvtest::CloseGadgetCentre(window, x, y));
    kvtest::SettledClick(x, y);
    ASSERT_EQ(result.wait_for(std::chrono::seconds(10)), std::future_status::ready);
    EXPECT_EQ(result.get(), CopyCheckResult::Abort);
}

TEST_F(CopyCheckTest, VersionShowsBothTextsOnLinesThreeAndFourOnceAndTheAnswerFollows)
{
    kvtest::TempDir drawer("kv-copycheck");
    ASSERT_FALSE(drawer.Path().empty());
    kvtest::WriteHostFile(drawer.Path("new"), "head\n$VER: tool 1.2 (1.1.2026)\nrest");
    kvtest::WriteHostFile(drawer.Path("old"), "");   // empty: "Can't find version"
    std::string newPath, oldPath;
    ASSERT_TRUE(hosted::VolumePathOf(drawer.Path("new"), newPath));
    ASSERT_TRUE(hosted::VolumePathOf(drawer.Path("old"), oldPath));
    char text[VersionTextSize];
    EXPECT_STREQ(FileVersionText(context, newPath.c_str(), text), " tool 1.2 (1.1.2026)");
    EXPECT_STREQ(FileVersionText(context, oldPath.c_str(), text), "Can't find version");

    conflict.topLevel = FALSE;
    conflict.sourcePath = newPath.c_str();
    conflict.destinationPath = oldPath.c_str();
    ConflictMode mode = ConflictMode::Ask;
    ScopedLock lock(Lock("", SHARED_LOCK));
    std::future<CopyCheckResult> result =
        std::async(std::launch::async, [&] { return CopyCheck(context, conflict, mode, lock); });
    struct Window *window = kvtest::WaitForWindow("Copy checking", 5000);
    ASSERT_NE(window, nullptr);
    struct Gadget *version = kvtest::GadgetWithId(window, CopyCheckVersionId);
    ASSERT_NE(version, nullptr);
    auto click = [&](struct Gadget *gadget) {
        kvtest::SettledClick(window->LeftEdge + gadget->LeftEdge + gadget->Width / 2,
                             window->TopEdge + gadget->TopEdge + gadget->Height / 2);
        kvtest::Settle();
    };
    auto lineHas = [&](LONG line, ULONG colour) {
        for (LONG y = line * LONG(glyphs.height); y < (line + 1) * LONG(glyphs.height); y++)
            for (LONG x = 0; x < LONG(layout.innerWidth); x++)
                if (hosted::FramePixel(window->LeftEdge + window->BorderLeft + x,
                                       window->TopEdge + window->BorderTop + y) == colour)
                    return true;
        return false;
    };
    EXPECT_FALSE(lineHas(3, config.WindowTextColor()));
    click(version);
    EXPECT_TRUE(version->Flags & GFLG_DISABLED);
    EXPECT_TRUE(lineHas(3, config.WindowTextColor()));
    EXPECT_TRUE(lineHas(4, config.ListerTextColor()));
    click(version);   // disabled: nothing happens, the dialog still waits
    EXPECT_NE(result.wait_for(std::chrono::milliseconds(0)), std::future_status::ready);
    click(kvtest::GadgetWithId(window, CopyCheckReplaceId));
    ASSERT_EQ(result.wait_for(std::chrono::seconds(10)), std::future_status::ready);
    EXPECT_EQ(result.get(), CopyCheckResult::Replace);
    EXPECT_TRUE(lock);
}

}  // namespace
