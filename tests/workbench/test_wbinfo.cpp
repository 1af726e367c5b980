// WBInfo in a real window on the headless display: changing protection and comment, cancelling, drawers, volumes, failures.
#include "wb_fixture.h"
#include "wbprivate.h"

#include <unistd.h>

namespace {

using reqtest::Answered;
using reqtest::ClickLabelled;
using reqtest::FindWindow;
using wbtest::ToggleFlag;
using wbtest::WbTest;

bool Pressed(struct Window *window, const char *letter)
{
    struct Gadget *g = reqtest::GadgetLabelled(window, letter);
    EXPECT_NE(g, nullptr) << letter;
    return g != nullptr && (g->Flags & GFLG_SELECTED) != 0;
}

struct Gadget *CommentField(struct Window *window)
{
    for (struct Gadget *g = window->FirstGadget; g != nullptr; g = g->NextGadget) {
        if ((g->GadgetType & GTYP_SYSGADGET) == 0 && g->GadgetID == hosted::wb::IdComment)
            return g;
    }
    return nullptr;
}

void Type(struct Window *window, const std::string &text)
{
    reqtest::ClickGadget(window, CommentField(window));
    for (char c : text) {
        hosted::PostCharacter(static_cast<UBYTE>(c));
        itest::Settle();
    }
}

TEST_F(WbTest, SaveSetsTheFlagsAndTheCommentOfAFile)
{
    const struct FileInfoBlock before = Examined("Work:notes.txt");
    auto answer = Show("Work:", "notes.txt");
    struct Window *w = FindWindow("notes.txt");
    ASSERT_NE(w, nullptr);
    itest::Settle();
    std::vector<std::string> lines = hosted::WindowTextLines(w);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "Name\tnotes.txt");
    EXPECT_EQ(lines[1], "Type\tFile");
    EXPECT_EQ(lines[2], "Size\t6 bytes");
    EXPECT_EQ(lines[3], "Date\t" + hosted::wb::DateText(before.fib_Date));
    // 0644: readable, writable and so deletable; not executable; h s p a clear.
    EXPECT_TRUE(Pressed(w, "r"));
    EXPECT_TRUE(Pressed(w, "w"));
    EXPECT_FALSE(Pressed(w, "e"));
    EXPECT_TRUE(Pressed(w, "d"));
    for (const char *letter : {"h", "s", "p", "a"})
        EXPECT_FALSE(Pressed(w, letter)) << letter;

    ToggleFlag(w, "w");
    ToggleFlag(w, "e");
    ToggleFlag(w, "a");
    EXPECT_FALSE(Pressed(w, "w"));
    Type(w, "Draft, do not send");
    ClickLabelled(w, "Save");
    ASSERT_TRUE(Answered(answer));
    EXPECT_EQ(answer.get(), (std::pair<ULONG, LONG>(TRUE, 0)));
    EXPECT_EQ(FindWindow("notes.txt", 0), nullptr);

    const struct FileInfoBlock after = Examined("Work:notes.txt");
    EXPECT_NE(after.fib_Protection & FIBF_WRITE, 0);      // writing not allowed now
    EXPECT_EQ(after.fib_Protection & FIBF_EXECUTE, 0);    // executing allowed
    EXPECT_EQ(after.fib_Protection & FIBF_READ, 0);
    EXPECT_NE(after.fib_Protection & FIBF_ARCHIVE, 0);
    EXPECT_EQ(after.fib_Protection & (FIBF_HOLD | FIBF_SCRIPT | FIBF_PURE), 0);
    EXPECT_STREQ(after.fib_Comment, "Draft, do not send");
    EXPECT_EQ(access(Host("notes.txt").c_str(), X_OK), 0);
}

TEST_F(WbTest, CancelEscapeAndTheCloseGadgetChangeNothing)
{
    const struct FileInfoBlock before = Examined("Work:notes.txt");
    for (int way = 0; way < 3; way++) {
        auto answer = Show("Work:", "notes.txt");
        struct Window *w = FindWindow("notes.txt");
        ASSERT_NE(w, nullptr);
        itest::Settle();
        ToggleFlag(w, "r");
        ToggleFlag(w, "s");
        Type(w, "not kept");
        if (way == 0) {
            ClickLabelled(w, "Cancel");
        } else if (way == 1) {
            reqtest::ClickGadget(w, reqtest::GadgetLabelled(w, "h"));   // the field lets go of the keys
            ToggleFlag(w, "h");
            reqtest::PressEscape();
        } else {
            hosted::WindowParts parts;
            ASSERT_TRUE(hosted::WindowPartsOf(w, parts));
            itest::Click(w->LeftEdge + parts.close.Left + parts.close.Width / 2,
                         w->TopEdge + parts.close.Top + parts.close.Height / 2);
        }
        ASSERT_TRUE(Answered(answer)) << way;
        EXPECT_EQ(answer.get().first, static_cast<ULONG>(TRUE)) << way;
        const struct FileInfoBlock after = Examined("Work:notes.txt");
        EXPECT_EQ(after.fib_Protection, before.fib_Protection) << way;
        EXPECT_STREQ(after.fib_Comment, "") << way;
    }
}

TEST_F(WbTest, ACommentKeepsAtMostSeventyNineCharacters)
{
    auto answer = Show("Work:", "notes.txt");
    struct Window *w = FindWindow("notes.txt");
    ASSERT_NE(w, nullptr);
    itest::Settle();
    Type(w, std::string(90, 'c'));
    itest::Key(RAWKEY_RETURN, 0, 13);   // ends the editing only
    EXPECT_NE(FindWindow("notes.txt", 0), nullptr);
    reqtest::PressReturn();             // now Return is Save
    ASSERT_TRUE(Answered(answer));
    EXPECT_EQ(std::string(Examined("Work:notes.txt").fib_Comment), std::string(79, 'c'));
}

TEST_F(WbTest, DrawersAndVolumes)
{
    auto answer = Show("Work:", "docs");
    struct Window *w = FindWindow("docs");
    ASSERT_NE(w, nullptr);
    itest::Settle();
    std::vector<std::string> lines = hosted::WindowTextLines(w);
    ASSERT_EQ(lines.size(), 3u);   // no size for a drawer
    EXPECT_EQ(lines[1], "Type\tDrawer");
    ToggleFlag(w, "a");
    ClickLabelled(w, "Save");
    ASSERT_TRUE(Answered(answer));
    EXPECT_NE(Examined("Work:docs").fib_Protection & FIBF_ARCHIVE, 0);

    // The drawer of the lock itself.
    answer = Show("Work:docs", "");
    w = FindWindow("docs");
    ASSERT_NE(w, nullptr);
    itest::Settle();
    EXPECT_TRUE(Pressed(w, "a"));
    reqtest::PressEscape();
    ASSERT_TRUE(Answered(answer));

    // A volume's root: its flags and comment are shown, not changed.
    answer = Show("Work:", "");
    w = FindWindow("Work");
    ASSERT_NE(w, nullptr);
    itest::Settle();
    EXPECT_EQ(hosted::WindowTextLines(w)[1], "Type\tVolume");
    struct Gadget *flag = reqtest::GadgetLabelled(w, "h");
    ASSERT_NE(flag, nullptr);
    EXPECT_NE(flag->Flags & GFLG_DISABLED, 0u);
    EXPECT_NE(CommentField(w)->Flags & GFLG_DISABLED, 0u);
    ClickLabelled(w, "Save");
    ASSERT_TRUE(Answered(answer));
    EXPECT_EQ(answer.get().first, static_cast<ULONG>(TRUE));
}

TEST_F(WbTest, AChangeDosRefusesIsReportedAndTheWindowStays)
{
    auto answer = Show("Work:", "notes.txt");
    struct Window *w = FindWindow("notes.txt");
    ASSERT_NE(w, nullptr);
    itest::Settle();
    ASSERT_EQ(unlink(Host("notes.txt").c_str()), 0);   // gone behind the window's back
    ToggleFlag(w, "a");
    reqtest::ClickGadget(w, reqtest::GadgetLabelled(w, "Save"));
    struct Window *request = FindWindow("System Request");
    ASSERT_NE(request, nullptr);
    EXPECT_EQ(hosted::WindowTextLines(request), (std::vector<std::string>{"notes.txt", "object not found"}));
    EXPECT_EQ(reqtest::Labels(request), (std::vector<std::string>{"OK"}));
    ClickLabelled(request, "OK");
    EXPECT_FALSE(Answered(answer, 200));
    EXPECT_NE(FindWindow("notes.txt", 0), nullptr);   // still open
    ClickLabelled(w, "Cancel");
    ASSERT_TRUE(Answered(answer));
    EXPECT_EQ(answer.get().first, static_cast<ULONG>(TRUE));
}

TEST_F(WbTest, AnObjectThatIsNotThereShowsNoWindow)
{
    auto answer = Show("Work:", "nothing");
    ASSERT_TRUE(Answered(answer));
    EXPECT_EQ(answer.get(), (std::pair<ULONG, LONG>(FALSE, ERROR_OBJECT_NOT_FOUND)));
    EXPECT_EQ(FindWindow("nothing", 0), nullptr);
}

}  // namespace
