// The colour settings windows: sliders and fields that follow each other, "Test" on the window alone, "OK" on the lister.
#include "settings_script.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

const std::string ListerColours = "Listers colors settings";
const std::string WindowsColours = "Windows colors settings";
constexpr long TextGroup = 2;   // "Text color" in the lister colours window

TEST(ColourSettings, SliderAndFieldFollowEachOtherAndTheSliderBoundsWhatIsTyped)
{
    Session session;
    session.MakeFile("a", "1");
    RunResult run = session.Run(OpenSettings("Lister colors", ListerColours) + "dump @/open.json\n", {"Work:"});
    ASSERT_EQ(run.status, 0) << run.errors;
    WindowInfo open = FindWindow(session.Dump("open.json"), ListerColours);
    ASSERT_TRUE(open.found);
    const long slider = ColorSliderId(TextGroup, 0), field = ColorFieldId(TextGroup, 0);
    ASSERT_NE(open.Gadget(slider), nullptr);
    EXPECT_EQ(ValueOf(open, field), 0x10);   // the lister text colour's red
    EXPECT_EQ(ValueOf(open, ColorFieldId(0, 1)), 0xE2);
    EXPECT_EQ(ValueOf(open, ColorFieldId(3, 2)), 0x11);
    long pastTheEnd = (*open.Gadget(slider))["left"].Int() + (*open.Gadget(slider))["width"].Int() + 40;

    run = session.Run(OpenSettings("Lister colors", ListerColours) + DragKnob(open, slider, pastTheEnd) +
                          "dump @/dragged.json\n" + Retype(ListerColours, field, "16") + "dump @/typed.json\n" +
                          Retype(ListerColours, field, "999") + "dump @/beyond.json\n" +
                          Retype(ListerColours, field, "") + "dump @/emptied.json\n" + "close " +
                          Quoted(ListerColours) + "\nexpect-no-window " + Quoted(ListerColours) + "\n" +
                          SaveSettings(false),
                      {"Work:"});
    ASSERT_EQ(run.status, 0) << run.errors;
    WindowInfo dragged = FindWindow(session.Dump("dragged.json"), ListerColours);
    EXPECT_EQ(ValueOf(dragged, field), 255);
    EXPECT_EQ(PotOf(dragged, slider), 0xFFFF);
    WindowInfo typed = FindWindow(session.Dump("typed.json"), ListerColours);
    EXPECT_EQ(ValueOf(typed, field), 16);
    EXPECT_EQ(PotOf(typed, slider), 0xFFFF * 16 / 255);
    // 999 does not fit the slider: entered, it reads as the end it passed.
    WindowInfo beyond = FindWindow(session.Dump("beyond.json"), ListerColours);
    EXPECT_EQ(ValueOf(beyond, field), 255);
    EXPECT_EQ(PotOf(beyond, slider), 0xFFFF);
    // An emptied field is not a wish for 0.
    WindowInfo emptied = FindWindow(session.Dump("emptied.json"), ListerColours);
    EXPECT_EQ(ValueOf(emptied, field), 255);
    EXPECT_EQ(PotOf(emptied, slider), 0xFFFF);
    // The close gadget is "Cancel": the record keeps its colours.
    std::vector<uint8_t> saved = session.ReadFileBytes(ConfigPath(session));
    EXPECT_EQ(saved, BytesOf(ConfigRecord())) << Differences(saved, BytesOf(ConfigRecord()));
}

TEST(ColourSettings, TestRecoloursTheWindowAloneCancelKeepsTheListerAndOkRecoloursIt)
{
    Session session;
    for (const char *name : {"a", "b", "c"})
        session.MakeFile(name, "1");
    ConfigRecord start;
    start.SetListerLeft(640);              // beside the colour window, which opens at the top left
    start.SetHideStatusAndComment(0xFF);   // a narrow lister
    WriteConfig(session, start);
    const ULONG begin = 0x00FFE2B7, end = 0x004897FF;   // red of the begin, blue of the end at 255
    const std::string edits =
        Retype(ListerColours, ColorFieldId(0, 0), "255") + Retype(ListerColours, ColorFieldId(1, 2), "255");
    RunResult run = session.Run(
        "wait-idle\nscreenshot @/before.png\ndump @/before.json\n" + OpenSettings("Lister colors", ListerColours) +
            edits + "gadget " + Quoted(ListerColours) + " \"Test\"\nwait-idle\nscreenshot @/tested.png\n" +
            "dump @/tested.json\n" + Finish(ListerColours, "Cancel") + "screenshot @/cancelled.png\n" +
            OpenSettings("Lister colors", ListerColours) + "dump @/reopened.json\n" + edits +
            Finish(ListerColours, "OK") + "screenshot @/confirmed.png\ndump @/confirmed.json\n" + SaveSettings(true),
        {"Work:"});
    ASSERT_EQ(run.status, 0) << run.errors;

    WindowInfo lister = FindWindow(session.Dump("before.json"), "Work:");
    WindowInfo colours = FindWindow(session.Dump("tested.json"), ListerColours);
    ASSERT_TRUE(lister.found);
    ASSERT_TRUE(colours.found);
    ASSERT_GE(lister.left, colours.left + colours.width) << "the lister must show beside the colour window";
    Png before = session.Shot("before.png"), tested = session.Shot("tested.png"),
        cancelled = session.Shot("cancelled.png"), confirmed = session.Shot("confirmed.png");

    // "Test": the window's own gradient runs from the new begin to the new end.
    EXPECT_EQ(tested.At(colours.InnerLeft(), colours.InnerTop()), begin);
    EXPECT_EQ(tested.At(colours.InnerLeft(), colours.InnerTop() + colours.InnerHeight() - 1), end);
    EXPECT_TRUE(InnerPixels(tested, lister) == InnerPixels(before, lister));
    // "Cancel": the lister as it was, and the record too.
    EXPECT_TRUE(InnerPixels(cancelled, lister) == InnerPixels(before, lister));
    EXPECT_EQ(ValueOf(FindWindow(session.Dump("reopened.json"), ListerColours), ColorFieldId(0, 0)), 0x2E);

    // "OK": the lister's first and last rows take the new colours (right of the text).
    WindowInfo after = FindWindow(session.Dump("confirmed.json"), "Work:");
    ASSERT_TRUE(after.found);
    long x = after.InnerLeft() + after.InnerWidth() - 2;
    EXPECT_NE(before.At(x, lister.ListTop()), begin);
    EXPECT_EQ(confirmed.At(x, after.ListTop()), begin);
    EXPECT_EQ(confirmed.At(x, after.InnerTop() + after.InnerHeight() - 1), end);
    ConfigRecord expected = start;
    expected.SetListerGradientBegin(begin);
    expected.SetListerGradientEnd(end);
    std::vector<uint8_t> saved = session.ReadFileBytes(ConfigPath(session));
    EXPECT_EQ(saved, BytesOf(expected)) << Differences(saved, BytesOf(expected));
}

TEST(ColourSettings, WindowColoursShowFromTheNextWindowAndLeaveTheLister)
{
    Session session;
    session.MakeFile("a", "1");
    const std::string copy = "Copy, rename settings";
    RunResult run = session.Run(
        "wait-idle\nscreenshot @/before.png\ndump @/before.json\n" + OpenSettings("Windows colors", WindowsColours) +
            "dump @/open.json\n" + Retype(WindowsColours, ColorFieldId(0, 0), "255") +
            Retype(WindowsColours, ColorFieldId(0, 1), "0") + Retype(WindowsColours, ColorFieldId(0, 2), "0") +
            Finish(WindowsColours, "OK") + "screenshot @/after.png\n" + SaveSettings(false) +
            OpenSettings("Copy", copy) + "screenshot @/next.png\ndump @/next.json\n" + Finish(copy, "Cancel"),
        {"Work:"});
    ASSERT_EQ(run.status, 0) << run.errors;
    WindowInfo open = FindWindow(session.Dump("open.json"), WindowsColours);
    ASSERT_TRUE(open.found);
    EXPECT_EQ(ValueOf(open, ColorFieldId(2, 0)), 0xDB);   // the window text colour
    EXPECT_EQ(open.Gadget(ColorSliderId(3, 0)), nullptr);  // three groups only

    WindowInfo lister = FindWindow(session.Dump("before.json"), "Work:");
    EXPECT_TRUE(InnerPixels(session.Shot("after.png"), lister) == InnerPixels(session.Shot("before.png"), lister));
    WindowInfo next = FindWindow(session.Dump("next.json"), copy);
    ASSERT_TRUE(next.found);
    EXPECT_EQ(session.Shot("next.png").At(next.InnerLeft(), next.InnerTop()), 0x00FF0000u);

    ConfigRecord expected;
    expected.SetWindowGradientBegin(0x00FF0000);
    std::vector<uint8_t> saved = session.ReadFileBytes(ConfigPath(session));
    EXPECT_EQ(saved, BytesOf(expected)) << Differences(saved, BytesOf(expected));
}

}  // namespace
}  // namespace e2e
