// The file requester in a real window on the headless display: choosing files and drawers, moving about, cancelling.
#include "asl_fixture.h"
#include "aslprivate.h"

#include <algorithm>

namespace {

using asltest::AslTest;
using asltest::ClickRow;
using asltest::DoubleClickRow;
using asltest::GadgetWithId;
using asltest::ShownNames;
using hosted::asl::IdDrawer;
using hosted::asl::IdFile;
using hosted::asl::IdScroller;
using reqtest::Answered;
using reqtest::ClickLabelled;

IPTR Text(const char *text) { return reinterpret_cast<IPTR>(text); }

std::string FieldText(struct Window *window, UWORD id)
{
    struct Gadget *field = GadgetWithId(window, id);
    IPTR text = 0;
    if (field == nullptr || !GetAttr(STRINGA_TextVal, field, &text) || text == 0)
        return "";
    return reinterpret_cast<const char *>(text);
}

struct Requester {
    struct FileRequester *fr;
    Requester() : fr(static_cast<struct FileRequester *>(AllocAslRequest(ASL_FileRequest, nullptr))) {}
    ~Requester() { FreeAslRequest(fr); }
};

TEST_F(AslTest, ASingleClickFillsTheFileFieldAndOKChoosesIt)
{
    Requester r;
    ASSERT_NE(r.fr, nullptr);
    auto answer = Show(r.fr, {{ASLFR_TitleText, Text("Open with programm...")}, {ASLFR_PositiveText, Text("Open with")},
                              {ASLFR_InitialDrawer, Text("Work:")}});
    struct Window *w = WindowTitled("Open with programm...");
    ASSERT_NE(w, nullptr);
    EXPECT_NE(w->Flags & WFLG_WINDOWACTIVE, 0u);
    EXPECT_EQ(ShownNames(w), (std::vector<std::string>{"docs", "Music", "notes.txt", "notes.txt.info", "readme"}));
    std::vector<std::string> lines = hosted::WindowTextLines(w);
    EXPECT_EQ(lines[0], "docs\tDrawer");
    EXPECT_EQ(lines[2], "notes.txt\t6");
    EXPECT_EQ(FieldText(w, IdDrawer), "Work:");
    std::vector<std::string> labels = reqtest::Labels(w);
    EXPECT_EQ(std::vector<std::string>(labels.begin(), labels.begin() + 4),
              (std::vector<std::string>{"Open with", "Volumes", "Parent", "Cancel"}));

    ClickRow(w, "readme");
    EXPECT_EQ(FieldText(w, IdFile), "readme");
    EXPECT_NE(reqtest::GadgetLabelled(w, "readme")->Flags & GFLG_SELECTED, 0u);
    ClickLabelled(w, "Open with");
    ASSERT_TRUE(Answered(answer));
    auto [chosen, error] = answer.get();
    EXPECT_TRUE(chosen);
    EXPECT_EQ(error, 0);
    EXPECT_STREQ(r.fr->fr_Drawer, "Work:");
    EXPECT_STREQ(r.fr->fr_File, "readme");
    EXPECT_EQ(reqtest::FindWindow("Open with programm...", 0), nullptr);
}

TEST_F(AslTest, ADoubleClickOpensADrawerAndChoosesAFile)
{
    Requester r;
    auto answer = Show(r.fr, {{ASLFR_TitleText, Text("Pick")}, {ASLFR_InitialDrawer, Text("Work:")}});
    struct Window *w = WindowTitled("Pick");
    ASSERT_NE(w, nullptr);
    DoubleClickRow(w, "docs");
    EXPECT_EQ(ShownNames(w), (std::vector<std::string>{"deep", "guide.txt"}));
    EXPECT_EQ(FieldText(w, IdDrawer), "Work:docs");
    // One click on a drawer only selects it.
    ClickRow(w, "deep");
    EXPECT_EQ(ShownNames(w), (std::vector<std::string>{"deep", "guide.txt"}));
    EXPECT_EQ(FieldText(w, IdFile), "");
    DoubleClickRow(w, "guide.txt");
    ASSERT_TRUE(Answered(answer));
    EXPECT_TRUE(answer.get().first);
    EXPECT_STREQ(r.fr->fr_Drawer, "Work:docs");
    EXPECT_STREQ(r.fr->fr_File, "guide.txt");

    // The next showing starts where the last choice was made.
    answer = Show(r.fr, {});
    w = WindowTitled("Pick");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(FieldText(w, IdDrawer), "Work:docs");
    EXPECT_EQ(FieldText(w, IdFile), "guide.txt");
    ClickLabelled(w, "Cancel");
    ASSERT_TRUE(Answered(answer));
}

TEST_F(AslTest, ParentAndVolumesMoveUpAndAcross)
{
    Requester r;
    auto answer = Show(r.fr, {{ASLFR_TitleText, Text("Pick")}, {ASLFR_InitialDrawer, Text("Work:docs/deep")}});
    struct Window *w = WindowTitled("Pick");
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(ShownNames(w).empty());
    ClickLabelled(w, "Parent");
    EXPECT_EQ(FieldText(w, IdDrawer), "Work:docs");
    EXPECT_EQ(ShownNames(w), (std::vector<std::string>{"deep", "guide.txt"}));
    ClickLabelled(w, "Parent");
    EXPECT_EQ(FieldText(w, IdDrawer), "Work:");
    // Above a volume's root: the volumes and assigns.
    ClickLabelled(w, "Parent");
    std::vector<std::string> lines = hosted::WindowTextLines(w);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Work:\tVolume"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Docs:\tAssign"), lines.end());
    // Selecting one enters it.
    ClickRow(w, "Docs:");
    EXPECT_EQ(FieldText(w, IdDrawer), "Docs:");
    EXPECT_EQ(ShownNames(w), (std::vector<std::string>{"deep", "guide.txt"}));
    ClickLabelled(w, "Volumes");
    ClickRow(w, "Work:");
    EXPECT_EQ(ShownNames(w), (std::vector<std::string>{"docs", "Music", "notes.txt", "notes.txt.info", "readme"}));
    ClickRow(w, "notes.txt");
    reqtest::PressReturn();   // Return is the positive button
    ASSERT_TRUE(Answered(answer));
    EXPECT_TRUE(answer.get().first);
    EXPECT_STREQ(r.fr->fr_Drawer, "Work:");
    EXPECT_STREQ(r.fr->fr_File, "notes.txt");
}

TEST_F(AslTest, ATypedPathIsGoneToAndAnUnreadableOneSaysWhy)
{
    Requester r;
    auto answer = Show(r.fr, {{ASLFR_TitleText, Text("Pick")}, {ASLFR_InitialDrawer, Text("Work:")}});
    struct Window *w = WindowTitled("Pick");
    ASSERT_NE(w, nullptr);
    asltest::TypeInto(w, GadgetWithId(w, IdDrawer), "Work:docs");
    EXPECT_EQ(ShownNames(w), (std::vector<std::string>{"deep", "guide.txt"}));
    // A drawer that is not there: the list says so, nothing breaks.
    asltest::TypeInto(w, GadgetWithId(w, IdDrawer), "Work:nowhere");
    std::vector<std::string> lines = hosted::WindowTextLines(w);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find("Work:nowhere"), std::string::npos) << lines[0];
    EXPECT_NE(lines[0].find("object not found"), std::string::npos) << lines[0];
    ClickLabelled(w, "Parent");
    EXPECT_EQ(FieldText(w, IdDrawer), "Work:");
    // A file's path opens its drawer with the file chosen.
    asltest::TypeInto(w, GadgetWithId(w, IdDrawer), "Work:docs/guide.txt");
    EXPECT_EQ(FieldText(w, IdDrawer), "Work:docs");
    EXPECT_EQ(FieldText(w, IdFile), "guide.txt");
    // Return in the file field chooses.
    asltest::TypeInto(w, GadgetWithId(w, IdFile), "new.txt");
    ASSERT_TRUE(Answered(answer));
    EXPECT_TRUE(answer.get().first);
    EXPECT_STREQ(r.fr->fr_Drawer, "Work:docs");
    EXPECT_STREQ(r.fr->fr_File, "new.txt");
}

TEST_F(AslTest, DrawersOnlyChoosesADrawer)
{
    Requester r;
    auto answer = Show(r.fr, {{ASLFR_TitleText, Text("Choose drawer")}, {ASLFR_DrawersOnly, TRUE},
                              {ASLFR_InitialDrawer, Text("Work:")}});
    struct Window *w = WindowTitled("Choose drawer");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(ShownNames(w), (std::vector<std::string>{"docs", "Music"}));
    EXPECT_EQ(GadgetWithId(w, IdFile), nullptr);
    ClickRow(w, "Music");
    EXPECT_EQ(FieldText(w, IdDrawer), "Work:Music");
    ClickRow(w, "docs");   // another one: from the drawer listed, not from the last one clicked
    EXPECT_EQ(FieldText(w, IdDrawer), "Work:docs");
    ClickLabelled(w, "OK");
    ASSERT_TRUE(Answered(answer));
    EXPECT_TRUE(answer.get().first);
    EXPECT_STREQ(r.fr->fr_Drawer, "Work:docs");
    EXPECT_STREQ(r.fr->fr_File, "");
}

TEST_F(AslTest, CancelEscapeAndTheCloseGadgetChooseNothing)
{
    Requester r;
    for (int way = 0; way < 3; way++) {
        auto answer = Show(r.fr, {{ASLFR_TitleText, Text("Pick")}, {ASLFR_InitialDrawer, Text("Work:")}});
        struct Window *w = WindowTitled("Pick");
        ASSERT_NE(w, nullptr);
        ClickRow(w, "readme");
        if (way == 0) {
            ClickLabelled(w, "Cancel");
        } else if (way == 1) {
            reqtest::PressEscape();
        } else {
            hosted::WindowParts parts;
            ASSERT_TRUE(hosted::WindowPartsOf(w, parts));
            itest::Click(w->LeftEdge + parts.close.Left + parts.close.Width / 2,
                         w->TopEdge + parts.close.Top + parts.close.Height / 2);
        }
        ASSERT_TRUE(Answered(answer)) << way;
        auto [chosen, error] = answer.get();
        EXPECT_FALSE(chosen) << way;
        EXPECT_EQ(error, 0) << way;
        EXPECT_STREQ(r.fr->fr_File, "") << way;   // nothing chosen: the fields stay as they were
    }
}

TEST_F(AslTest, RejectIconsAndOtherKindsAndNonRequesters)
{
    Requester r;
    auto answer = Show(r.fr, {{ASLFR_TitleText, Text("Pick")}, {ASLFR_InitialDrawer, Text("Work:")},
                              {ASLFR_RejectIcons, TRUE}});
    struct Window *w = WindowTitled("Pick");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(ShownNames(w), (std::vector<std::string>{"docs", "Music", "notes.txt", "readme"}));
    reqtest::PressEscape();
    ASSERT_TRUE(Answered(answer));

    SetIoErr(0);
    EXPECT_EQ(AllocAslRequest(ASL_FontRequest, nullptr), nullptr);
    EXPECT_EQ(IoErr(), ERROR_NOT_IMPLEMENTED);
    SetIoErr(0);
    EXPECT_FALSE(AslRequest(nullptr, nullptr));
    EXPECT_NE(IoErr(), 0);
    FreeAslRequest(nullptr);
}

TEST_F(AslTest, TheWheelTheKeysAndTheScrollerMoveALongList)
{
    for (int i = 0; i < 40; i++)
        asltest::MakeFile(root_, "file" + std::string(i < 10 ? "0" : "") + std::to_string(i), 1);
    Requester r;
    auto answer = Show(r.fr, {{ASLFR_TitleText, Text("Pick")}, {ASLFR_InitialDrawer, Text("Work:")}});
    struct Window *w = WindowTitled("Pick");
    ASSERT_NE(w, nullptr);
    std::vector<std::string> first = ShownNames(w);
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(first[0], "docs");
    const std::size_t rows = first.size();
    EXPECT_LT(rows, 45u);

    itest::Post(hosted::HostInputKind::Wheel, 0, 2);   // two steps down
    itest::Settle();
    EXPECT_EQ(ShownNames(w)[0], "file04");   // three rows a step: docs, Music, file00..file03 went by
    IPTR top = 0;
    ASSERT_TRUE(GetAttr(PGA_Top, GadgetWithId(w, IdScroller), &top));
    EXPECT_EQ(top, 6u);   // the scroller follows
    itest::Post(hosted::HostInputKind::Wheel, 0, -5);
    itest::Settle();
    EXPECT_EQ(ShownNames(w)[0], "docs");

    // The cursor keys move the selection and scroll to it.
    for (std::size_t i = 0; i < rows + 1; i++)
        itest::Key(RAWKEY_DOWN, 0, 0);
    // rows + 1 steps from nothing selected: entry `rows`, the file rows - 2 after docs and Music.
    EXPECT_EQ(FieldText(w, IdFile), "file" + std::string(rows - 2 < 10 ? "0" : "") + std::to_string(rows - 2));
    EXPECT_EQ(ShownNames(w).back(), FieldText(w, IdFile));

    // A click below the knob pages down.
    struct Gadget *scroller = GadgetWithId(w, IdScroller);
    itest::Click(w->LeftEdge + scroller->LeftEdge + scroller->Width / 2,
                 w->TopEdge + scroller->TopEdge + scroller->Height - 3);
    ASSERT_TRUE(GetAttr(PGA_Top, scroller, &top));
    EXPECT_EQ(ShownNames(w)[0], hosted::asl::ReadDrawer("Work:", false, false).entries[top].name);
    reqtest::PressEscape();
    ASSERT_TRUE(Answered(answer));
}

TEST_F(AslTest, TheWindowSizesAndKeepsItsSizeAndPlaceForTheRun)
{
    Requester r;
    auto answer = Show(r.fr, {{ASLFR_TitleText, Text("Pick")}, {ASLFR_InitialDrawer, Text("Work:")},
                              {ASLFR_InitialLeftEdge, 30}, {ASLFR_InitialTopEdge, 40}});
    struct Window *w = WindowTitled("Pick");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->LeftEdge, 30);
    EXPECT_EQ(w->TopEdge, 40);
    const WORD width = w->Width;
    const WORD height = w->Height;
    struct Gadget *cancel = reqtest::GadgetLabelled(w, "Cancel");
    const WORD cancelFromRight = static_cast<WORD>(w->Width - cancel->LeftEdge);
    // Drag the sizing gadget: 120 wider, 100 higher.
    hosted::WindowParts parts;
    ASSERT_TRUE(hosted::WindowPartsOf(w, parts));
    LONG x = w->LeftEdge + parts.size.Left + parts.size.Width / 2;
    LONG y = w->TopEdge + parts.size.Top + parts.size.Height / 2;
    itest::Move(x, y);
    itest::Press();
    itest::Move(x + 120, y + 100);
    itest::Release();
    EXPECT_EQ(w->Width, width + 120);
    EXPECT_EQ(w->Height, height + 100);
    // The layout follows: the buttons keep to the right edge, rows are added.
    cancel = reqtest::GadgetLabelled(w, "Cancel");
    ASSERT_NE(cancel, nullptr);
    EXPECT_EQ(w->Width - cancel->LeftEdge, cancelFromRight);
    EXPECT_EQ(ShownNames(w).size(), 5u);
    ClickRow(w, "notes.txt");
    EXPECT_EQ(FieldText(w, IdFile), "notes.txt");
    ClickLabelled(w, "Cancel");
    ASSERT_TRUE(Answered(answer));
    EXPECT_EQ(r.fr->fr_LeftEdge, 30);
    EXPECT_EQ(r.fr->fr_Width, width + 120);
    EXPECT_EQ(r.fr->fr_Height, height + 100);

    // Shown again: the same size and place; a new requester takes them too.
    answer = Show(r.fr, {});
    w = WindowTitled("Pick");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->LeftEdge, 30);
    EXPECT_EQ(w->TopEdge, 40);
    EXPECT_EQ(w->Width, width + 120);
    reqtest::PressEscape();
    ASSERT_TRUE(Answered(answer));
    Requester other;
    auto second = Show(other.fr, {{ASLFR_TitleText, Text("Other")}});
    w = WindowTitled("Other");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->Width, width + 120);
    EXPECT_EQ(w->Height, height + 100);
    reqtest::PressEscape();
    ASSERT_TRUE(Answered(second));
}

}  // namespace

namespace {

TEST_F(AslTest, OverAParentWindowAndInSaveMode)
{
    struct Window *parent = itest::OpenFramed("Lister", 40, 40, 700, 600, IDCMP_MOUSEBUTTONS);
    ASSERT_NE(parent, nullptr);
    itest::Settle();
    Requester r;
    auto answer = Show(r.fr, {{ASLFR_TitleText, Text("Save as")}, {ASLFR_Window, reinterpret_cast<IPTR>(parent)},
                              {ASLFR_DoSaveMode, TRUE}, {ASLFR_InitialDrawer, Text("Work:")},
                              {ASLFR_InitialFile, Text("docs")}});
    struct Window *w = WindowTitled("Save as");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->WScreen, parent->WScreen);
    EXPECT_NEAR(w->LeftEdge + w->Width / 2, parent->LeftEdge + parent->Width / 2, 1);
    EXPECT_NEAR(w->TopEdge + w->Height / 2, parent->TopEdge + parent->Height / 2, 1);
    // The file field takes the keys at once; a name that is a drawer is
    // still the name chosen when saving.
    EXPECT_NE(GadgetWithId(w, IdFile)->Flags & GFLG_SELECTED, 0u);
    itest::Key(RAWKEY_RETURN, 0, 13);
    ASSERT_TRUE(Answered(answer));
    EXPECT_TRUE(answer.get().first);
    EXPECT_STREQ(r.fr->fr_Drawer, "Work:");
    EXPECT_STREQ(r.fr->fr_File, "docs");
    itest::Settle();
    EXPECT_NE(parent->Flags & WFLG_WINDOWACTIVE, 0u);   // the activation went back

    // Not saving: a drawer named in the file field is gone into instead.
    answer = Show(r.fr, {{ASLFR_DoSaveMode, FALSE}, {ASLFR_InitialFile, Text("docs")}});
    w = WindowTitled("Save as");
    ASSERT_NE(w, nullptr);
    ClickLabelled(w, "OK");
    EXPECT_EQ(FieldText(w, IdDrawer), "Work:docs");
    EXPECT_EQ(FieldText(w, IdFile), "");
    EXPECT_FALSE(Answered(answer, 100));
    reqtest::PressEscape();
    ASSERT_TRUE(Answered(answer));
    itest::CloseQuietly(parent);
}

}  // namespace
