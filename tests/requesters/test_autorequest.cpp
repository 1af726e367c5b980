// AutoRequest and BuildSysRequest in real windows on the headless display: buttons, keys, layout, the parent left alone.
#include "request_fixture.h"

#include <algorithm>

namespace {

using reqtest::Answered;
using reqtest::ClickLabelled;
using reqtest::FindWindow;

struct Texts {
    struct IntuiText positive{};
    struct IntuiText negative{};
    std::vector<struct IntuiText> body;

    Texts(const char *pos, const char *neg, const std::vector<const char *> &lines)
    {
        positive.IText = const_cast<char *>(pos);
        negative.IText = const_cast<char *>(neg);
        body.resize(lines.size());
        for (std::size_t i = 0; i < lines.size(); i++) {
            body[i].FrontPen = AUTOFRONTPEN;
            body[i].LeftEdge = AUTOLEFTEDGE;
            body[i].TopEdge = static_cast<WORD>(AUTOTOPEDGE + 12 * i);
            body[i].IText = const_cast<char *>(lines[i]);
            body[i].NextText = i + 1 < lines.size() ? &body[i + 1] : nullptr;
        }
    }
    const struct IntuiText *Body() const { return body.empty() ? nullptr : &body[0]; }
    const struct IntuiText *Positive() const { return positive.IText != nullptr ? &positive : nullptr; }
};

std::future<BOOL> Ask(struct Window *parent, const Texts &texts, ULONG pFlag = 0, ULONG nFlag = 0)
{
    return std::async(std::launch::async, [parent, &texts, pFlag, nFlag] {
        return AutoRequest(parent, texts.Body(), texts.Positive(), &texts.negative, pFlag, nFlag, 0, 0);
    });
}

class AutoRequestTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        parent = itest::OpenFramed("Lister", 100, 60, 600, 400, IDCMP_MOUSEBUTTONS | IDCMP_CLOSEWINDOW);
        ASSERT_NE(parent, nullptr);
        itest::Settle();
    }
    void TearDown() override { itest::CloseQuietly(parent); }
    void Drain() { itest::Drain(parent->UserPort); }

    struct Window *parent = nullptr;
};

TEST_F(AutoRequestTest, TheLeftButtonIsTrueTheRightOneFalse)
{
    Texts texts("Retry", "Abort", {"Work:notes.txt", "object not found"});
    for (const char *press : {"Retry", "Abort"}) {
        std::future<BOOL> answer = Ask(parent, texts);
        struct Window *request = FindWindow("System Request");
        ASSERT_NE(request, nullptr);
        EXPECT_EQ(request->WScreen, parent->WScreen);
        EXPECT_NE(request->Flags & WFLG_WINDOWACTIVE, 0u);
        EXPECT_EQ(reqtest::Labels(request), (std::vector<std::string>{"Retry", "Abort"}));
        struct Gadget *retry = reqtest::GadgetLabelled(request, "Retry");
        struct Gadget *abort = reqtest::GadgetLabelled(request, "Abort");
        EXPECT_LT(retry->LeftEdge + retry->Width, abort->LeftEdge);
        EXPECT_EQ(retry->TopEdge, abort->TopEdge);
        EXPECT_EQ(hosted::WindowTextLines(request), (std::vector<std::string>{"Work:notes.txt", "object not found"}));
        // Centred over its parent.
        EXPECT_NEAR(request->LeftEdge + request->Width / 2, parent->LeftEdge + parent->Width / 2, 1);
        EXPECT_NEAR(request->TopEdge + request->Height / 2, parent->TopEdge + parent->Height / 2, 1);
        ClickLabelled(request, press);
        ASSERT_TRUE(Answered(answer));
        EXPECT_EQ(answer.get(), std::string(press) == "Retry" ? TRUE : FALSE) << press;
        EXPECT_EQ(FindWindow("System Request", 0), nullptr);
        // The parent has the activation back.
        itest::Settle();
        EXPECT_NE(parent->Flags & WFLG_WINDOWACTIVE, 0u);
    }
}

TEST_F(AutoRequestTest, ReturnAnswersPositiveAndEscapeNegative)
{
    Texts texts("Overwrite", "Cancel", {"The file already exist, overwrite ?"});
    std::future<BOOL> answer = Ask(parent, texts);
    ASSERT_NE(FindWindow("System Request"), nullptr);
    itest::Settle();
    reqtest::PressReturn();
    ASSERT_TRUE(Answered(answer));
    EXPECT_TRUE(answer.get());

    answer = Ask(parent, texts);
    ASSERT_NE(FindWindow("System Request"), nullptr);
    itest::Settle();
    reqtest::PressEscape();
    ASSERT_TRUE(Answered(answer));
    EXPECT_FALSE(answer.get());

    // Other keys do nothing; the Amiga key with V is the positive answer.
    answer = Ask(parent, texts);
    ASSERT_NE(FindWindow("System Request"), nullptr);
    itest::Settle();
    itest::Key(0x20, 0, 'a');
    EXPECT_FALSE(Answered(answer, 300));
    itest::Key(0x34, IEQUALIFIER_LCOMMAND, 'v');
    ASSERT_TRUE(Answered(answer));
    EXPECT_TRUE(answer.get());
}

TEST_F(AutoRequestTest, WithoutAPositiveTextThereIsOneButton)
{
    Texts texts(nullptr, "OK", {"Kestrovane 0.9u (1aug10)"});
    std::future<BOOL> answer = Ask(parent, texts);
    struct Window *request = FindWindow("System Request");
    ASSERT_NE(request, nullptr);
    EXPECT_EQ(reqtest::Labels(request), (std::vector<std::string>{"OK"}));
    struct Gadget *ok = reqtest::GadgetLabelled(request, "OK");
    // Centred in the window.
    EXPECT_NEAR(ok->LeftEdge + ok->Width / 2, request->Width / 2, 2);
    itest::Settle();
    reqtest::PressReturn();   // Return answers with the only button
    ASSERT_TRUE(Answered(answer));
    EXPECT_FALSE(answer.get());

    // A positive text alone is a single positive button.
    Texts yes("Yes", nullptr, {"Sure?"});
    std::future<BOOL> sure = std::async(std::launch::async, [this, &yes] {
        return AutoRequest(parent, yes.Body(), yes.Positive(), nullptr, 0, 0, 0, 0);
    });
    request = FindWindow("System Request");
    ASSERT_NE(request, nullptr);
    EXPECT_EQ(reqtest::Labels(request), (std::vector<std::string>{"Yes"}));
    ClickLabelled(request, "Yes");
    ASSERT_TRUE(Answered(sure));
    EXPECT_TRUE(sure.get());
}

TEST_F(AutoRequestTest, TheParentsMessagesWaitForItsProgram)
{
    Drain();
    Texts texts("Yes", "No", {"Go on?"});
    std::future<BOOL> answer = Ask(parent, texts);
    struct Window *request = FindWindow("System Request");
    ASSERT_NE(request, nullptr);
    // A click into the parent, beside the requester: the parent hears it,
    // the requester takes nothing of it and stays.
    itest::Click(parent->LeftEdge + 20, parent->TopEdge + parent->Height - 20);
    EXPECT_FALSE(Answered(answer, 200));
    EXPECT_NE(FindWindow("System Request", 0), nullptr);
    ClickLabelled(request, "No");
    ASSERT_TRUE(Answered(answer));
    EXPECT_FALSE(answer.get());
    std::vector<itest::Received> messages = itest::Drain(parent->UserPort);
    EXPECT_EQ(itest::OfClass(messages, IDCMP_MOUSEBUTTONS).size(), 2u);   // press and release, still there
}

TEST_F(AutoRequestTest, IdcmpClassesAnswerToo)
{
    Texts texts("Yes", "No", {"Insert the disk"});
    // nFlag: the requester losing the activation (a click into the parent).
    std::future<BOOL> answer = Ask(parent, texts, IDCMP_MOUSEBUTTONS, IDCMP_INACTIVEWINDOW);
    struct Window *request = FindWindow("System Request");
    ASSERT_NE(request, nullptr);
    itest::Settle();
    itest::Click(parent->LeftEdge + 20, parent->TopEdge + parent->Height - 20);
    ASSERT_TRUE(Answered(answer));
    EXPECT_FALSE(answer.get());
    Drain();
    // pFlag: a click into the requester's body.
    answer = Ask(parent, texts, IDCMP_MOUSEBUTTONS, IDCMP_INACTIVEWINDOW);
    request = FindWindow("System Request");
    ASSERT_NE(request, nullptr);
    itest::Settle();
    itest::Click(request->LeftEdge + request->Width / 2, request->TopEdge + request->BorderTop + 4);
    ASSERT_TRUE(Answered(answer));
    EXPECT_TRUE(answer.get());
}

TEST_F(AutoRequestTest, ALongBodyWrapsAndStaysOnTheScreen)
{
    std::string longLine;
    for (int i = 0; i < 80; i++)
        longLine += "path" + std::to_string(i) + "/";
    std::vector<const char *> lines{longLine.c_str(), "a short line"};
    Texts texts("Retry", "Abort", lines);
    std::future<BOOL> answer = Ask(parent, texts);
    struct Window *request = FindWindow("System Request");
    ASSERT_NE(request, nullptr);
    struct Screen *screen = request->WScreen;
    EXPECT_GE(request->LeftEdge, 0);
    EXPECT_GE(request->TopEdge, 0);
    EXPECT_LE(request->LeftEdge + request->Width, screen->Width);
    EXPECT_LE(request->TopEdge + request->Height, screen->Height);
    EXPECT_LT(request->Width, screen->Width);   // wrapped, not as wide as the line
    // The dump keeps the lines as the program gave them.
    EXPECT_EQ(hosted::WindowTextLines(request), (std::vector<std::string>{longLine, "a short line"}));
    ClickLabelled(request, "Abort");
    ASSERT_TRUE(Answered(answer));
    EXPECT_FALSE(answer.get());

    // Hundreds of lines: the requester is cut to the screen's height.
    std::vector<std::string> store(300, "another line of the body");
    std::vector<const char *> many;
    for (const std::string &s : store)
        many.push_back(s.c_str());
    Texts tall("Yes", "No", many);
    answer = Ask(nullptr, tall);
    request = FindWindow("System Request");
    ASSERT_NE(request, nullptr);
    EXPECT_GE(request->TopEdge, 0);
    EXPECT_LE(request->TopEdge + request->Height, request->WScreen->Height);
    struct Gadget *yes = reqtest::GadgetLabelled(request, "Yes");
    ASSERT_NE(yes, nullptr);
    EXPECT_LE(yes->TopEdge + yes->Height, request->Height);
    ClickLabelled(request, "Yes");
    ASSERT_TRUE(Answered(answer));
    EXPECT_TRUE(answer.get());
}

TEST_F(AutoRequestTest, TheBodyIsDrawnInTheTextPenInARecessedBox)
{
    Texts texts(nullptr, "OK", {"MMMMMMMM"});
    std::future<BOOL> answer = Ask(nullptr, texts);
    struct Window *request = FindWindow("System Request");
    ASSERT_NE(request, nullptr);
    itest::Settle();
    struct DrawInfo *dri = GetScreenDrawInfo(request->WScreen);
    ULONG text = itest::PenRGB(dri->dri_Pens[TEXTPEN]);
    ULONG shadow = itest::PenRGB(dri->dri_Pens[SHADOWPEN]);
    ULONG shine = itest::PenRGB(dri->dri_Pens[SHINEPEN]);
    FreeScreenDrawInfo(request->WScreen, dri);
    // Inside the borders, above the button: text pixels and both bevel pens.
    struct Gadget *ok = reqtest::GadgetLabelled(request, "OK");
    int textPixels = 0, shadowPixels = 0, shinePixels = 0;
    for (LONG y = request->TopEdge + request->BorderTop; y < request->TopEdge + ok->TopEdge; y++) {
        for (LONG x = request->LeftEdge + request->BorderLeft; x < request->LeftEdge + request->Width - request->BorderRight;
             x++) {
            ULONG p = itest::Pixel(x, y);
            textPixels += p == text;
            shadowPixels += p == shadow;
            shinePixels += p == shine;
        }
    }
    EXPECT_GT(textPixels, 8 * 10);   // eight wide letters
    EXPECT_GT(shadowPixels, 20);
    EXPECT_GT(shinePixels, 20);
    reqtest::ClickLabelled(request, "OK");
    ASSERT_TRUE(Answered(answer));
}

TEST_F(AutoRequestTest, BuildSysRequestIsAnsweredThroughSysReqHandler)
{
    Texts texts("Retry", "Skip these", {"Execute failed"});
    struct Window *request = BuildSysRequest(parent, texts.Body(), texts.Positive(), &texts.negative, 0, 0, 0);
    ASSERT_NE(request, nullptr);
    EXPECT_STREQ(reinterpret_cast<const char *>(request->Title), "System Request");
    itest::Settle();
    EXPECT_EQ(SysReqHandler(request, nullptr, FALSE), -2);   // nothing yet
    ClickLabelled(request, "Skip these");
    EXPECT_EQ(SysReqHandler(request, nullptr, FALSE), 0);
    ClickLabelled(request, "Retry");
    EXPECT_EQ(SysReqHandler(request, nullptr, TRUE), 1);
    FreeSysRequest(request);
    itest::Settle();
    EXPECT_EQ(FindWindow("System Request", 0), nullptr);
    // Windows that are no requester are left alone.
    EXPECT_EQ(SysReqHandler(parent, nullptr, FALSE), -2);
    FreeSysRequest(parent);
    FreeSysRequest(nullptr);
    EXPECT_NE(FindWindow("Lister", 0), nullptr);
}

}  // namespace
