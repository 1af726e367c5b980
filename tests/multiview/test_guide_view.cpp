// The viewer showing a help document on the headless display: its buttons and links, moving between nodes, wrapping.
#include "viewer_fixture.h"

#include <devices/inputevent.h>
#include <hosted/intuition.h>
#include <intuition/gadgetclass.h>
#include <proto/dos.h>
#include <proto/intuition.h>

#include <sys/stat.h>

#include <algorithm>

namespace {

using mvtest::ViewerTest;

std::string Guide()
{
    std::string text = "@database Test.guide\n"
                       "@index Index\n"
                       "@node Main \"The main node\"\n"
                       "Welcome to the test.\n"
                       "See @{\" Starting \" link Starting} or @{\"the end\" link Last 40}.\n"
                       "@{\"Nowhere\" link NoSuchNode}\n"
                       "@{\"Make a file\" system \"touch made-by-the-document\"}\n"
                       "@{\"Bye\" close}\n"
                       "@endnode\n"
                       "@node Starting\n"
                       "@title \"Starting up\"\n"
                       "@next Last\n"
                       "First line of starting.\n"
                       "@endnode\n"
                       "@node Middle \"In the middle\"\n"
                       "Middle text.\n"
                       "@endnode\n"
                       "@node Last \"The last one\"\n"
                       "@prev Main\n";
    for (int i = 0; i < 80; i++)
        text += "Line " + std::to_string(i) + " of the last node.\n";
    text += "@endnode\n"
            "@node Index \"Index\"\n"
            "@{\"Main\" link main}\n"
            "@endnode\n";
    return text;
}

bool Contains(const std::vector<std::string> &lines, const std::string &text)
{
    return std::find(lines.begin(), lines.end(), text) != lines.end();
}

bool Disabled(struct Window *window, const std::string &label)
{
    struct Gadget *g = ViewerTest::GadgetByLabel(window, label);
    return g == nullptr || (g->Flags & GFLG_DISABLED) != 0;
}

class GuideViewTest : public ViewerTest {};

TEST_F(GuideViewTest, OpensAtTheMainNodeWithItsButtonsAndLinks)
{
    Write("Test.guide", Guide());
    ASSERT_EQ(Start("Test.guide"), 0);
    struct Window *w = WaitForWindow("The main node");
    ASSERT_NE(w, nullptr);
    std::vector<std::string> text = TextOf(w);
    ASSERT_GE(text.size(), 2u);
    EXPECT_EQ(text[0], "Welcome to the test.");
    EXPECT_EQ(text[1], "See  Starting  or the end.");
    EXPECT_TRUE(Contains(text, "Nowhere"));

    for (const char *label : {"Contents", "Index", "Retrace", "Browse <", "Browse >", "Starting", "the end"})
        EXPECT_NE(GadgetByLabel(w, label), nullptr) << label;
    EXPECT_TRUE(Disabled(w, "Retrace"));    // nowhere to go back to yet
    EXPECT_TRUE(Disabled(w, "Browse <"));   // the first node
    EXPECT_FALSE(Disabled(w, "Browse >"));
    EXPECT_FALSE(Disabled(w, "Contents"));

    // A link button sits on its label in the page.
    struct Gadget *link = GadgetByLabel(w, "Starting");
    LONG left, top, width, height;
    ScreenBox(w, link, left, top, width, height);
    EXPECT_GT(left, w->LeftEdge + w->BorderLeft);
    EXPECT_LT(left + width, w->LeftEdge + w->Width - w->BorderRight);
    EXPECT_GT(top, w->TopEdge + w->BorderTop);
    CloseByGadget(w);
}

TEST_F(GuideViewTest, LinksRetraceBrowseAndContentsMoveBetweenNodes)
{
    Write("Test.guide", Guide());
    ASSERT_EQ(Start("Test.guide"), 0);
    struct Window *w = WaitForWindow("The main node");
    ASSERT_NE(w, nullptr);

    ClickGadget(w, "Starting");
    EXPECT_EQ(TitleOf(w), "Starting up");
    EXPECT_EQ(TextOf(w).at(0), "First line of starting.");
    EXPECT_FALSE(Disabled(w, "Retrace"));

    ClickGadget(w, "Retrace");
    EXPECT_EQ(TitleOf(w), "The main node");
    EXPECT_EQ(TextOf(w).at(0), "Welcome to the test.");
    EXPECT_TRUE(Disabled(w, "Retrace"));

    // Browse follows the document's order, unless a node names its
    // neighbours (@next, @prev).
    ClickGadget(w, "Browse >");
    EXPECT_EQ(TitleOf(w), "Starting up");
    ClickGadget(w, "Browse >");
    EXPECT_EQ(TitleOf(w), "The last one");
    ClickGadget(w, "Browse <");
    EXPECT_EQ(TitleOf(w), "The main node");
    ClickGadget(w, "Browse >");
    ClickGadget(w, "Browse >");
    ClickGadget(w, "Browse >");
    EXPECT_EQ(TitleOf(w), "Index");
    EXPECT_TRUE(Disabled(w, "Browse >"));   // the last node

    ClickGadget(w, "Contents");
    EXPECT_EQ(TitleOf(w), "The main node");
    ClickGadget(w, "Index");
    EXPECT_EQ(TitleOf(w), "Index");

    // Retrace walks back the whole way taken.
    const char *back[] = {"The main node", "Index", "The last one", "Starting up", "The main node", "The last one",
                          "Starting up", "The main node"};
    for (const char *title : back) {
        ClickGadget(w, "Retrace");
        EXPECT_EQ(TitleOf(w), title);
    }
    EXPECT_TRUE(Disabled(w, "Retrace"));
    // BackSpace retraces as well.
    ClickGadget(w, "Starting");
    Key(RAWKEY_BACKSPACE);
    EXPECT_EQ(TitleOf(w), "The main node");
    CloseByGadget(w);
}

TEST_F(GuideViewTest, TabMovesAFocusThroughTheLinksAndReturnFollowsIt)
{
    Write("Test.guide", Guide());
    ASSERT_EQ(Start("Test.guide"), 0);
    struct Window *w = WaitForWindow("The main node");
    ASSERT_NE(w, nullptr);
    Key(RAWKEY_RETURN);   // no focus yet: nothing happens
    EXPECT_EQ(TitleOf(w), "The main node");
    Key(RAWKEY_TAB);
    Key(RAWKEY_RETURN);
    EXPECT_EQ(TitleOf(w), "Starting up");
    ClickGadget(w, "Retrace");
    Key(RAWKEY_TAB);
    Key(RAWKEY_TAB);
    // The focused button shows it: its edge is drawn in the accent colour.
    struct Gadget *focused = GadgetByLabel(w, "the end");
    ASSERT_NE(focused, nullptr);
    LONG left, top, width, height;
    ScreenBox(w, focused, left, top, width, height);
    struct Gadget *other = GadgetByLabel(w, "Starting");
    LONG otherLeft, otherTop, otherWidth, otherHeight;
    ScreenBox(w, other, otherLeft, otherTop, otherWidth, otherHeight);
    EXPECT_NE(hosted::FramePixel(left + width / 2, top), hosted::FramePixel(otherLeft + otherWidth / 2, otherTop));
    Key(RAWKEY_RETURN);
    EXPECT_EQ(TitleOf(w), "The last one");
    ClickGadget(w, "Retrace");
    // Shift+Tab goes backwards, from the last link round to the first.
    Key(RAWKEY_TAB, IEQUALIFIER_LSHIFT);
    Key(RAWKEY_RETURN);
    EXPECT_TRUE(WaitForNoWindow("The main node"));   // the last link closes the viewer
}

TEST_F(GuideViewTest, ALinkWithALineShowsThatLineFirstAndRetraceComesBackToWhereItWas)
{
    Write("Test.guide", Guide());
    ASSERT_EQ(Start("Test.guide"), 0);
    struct Window *w = WaitForWindow("The main node");
    ASSERT_NE(w, nullptr);
    ClickGadget(w, "the end");
    EXPECT_EQ(TitleOf(w), "The last one");
    EXPECT_EQ(TextOf(w).at(0), "Line 40 of the last node.");
    Key(RAWKEY_DOWN);
    EXPECT_EQ(TextOf(w).at(0), "Line 41 of the last node.");

    ClickGadget(w, "Browse <");   // @prev Main
    EXPECT_EQ(TitleOf(w), "The main node");
    ClickGadget(w, "Retrace");
    EXPECT_EQ(TitleOf(w), "The last one");
    EXPECT_EQ(TextOf(w).at(0), "Line 41 of the last node.");
    CloseByGadget(w);
}

TEST_F(GuideViewTest, LinksThatGoNowhereSaySoAndCommandsAreNeverRun)
{
    Write("Test.guide", Guide());
    ASSERT_EQ(Start("Test.guide"), 0);
    struct Window *w = WaitForWindow("The main node");
    ASSERT_NE(w, nullptr);

    ClickGadget(w, "Nowhere");
    EXPECT_EQ(TitleOf(w), "The main node");
    std::vector<std::string> text = TextOf(w);
    EXPECT_EQ(text.at(0), "There is no node \"NoSuchNode\" in this document.");
    EXPECT_EQ(text.at(1), "Welcome to the test.");

    // A message too long for the page wraps in its band.
    ClickGadget(w, "Make a file");
    std::vector<std::string> said = TextOf(w);
    std::string message;
    for (std::size_t i = 0; i < said.size() && said[i] != "Welcome to the test."; i++)
        message += (message.empty() ? "" : " ") + said[i];
    EXPECT_EQ(message, "Commands in documents are not run: touch made-by-the-document");
    struct stat info;
    EXPECT_NE(stat(HostPath("made-by-the-document").c_str(), &info), 0);

    // Moving on takes the message away.
    ClickGadget(w, "Starting");
    EXPECT_EQ(TextOf(w).at(0), "First line of starting.");

    // A close link closes the viewer.
    ClickGadget(w, "Retrace");
    ClickGadget(w, "Bye");
    EXPECT_TRUE(WaitForNoWindow("The main node"));
}

TEST_F(GuideViewTest, LinksLeadIntoOtherDocumentsAndBack)
{
    Write("First.guide", "@database First\n@node Main \"First main\"\n"
                         "@{\"Elsewhere\" link Second.guide/Deeper 20}\n@{\"Its main\" link Second.guide/}\n"
                         "@{\"Lost\" link Missing.guide/Main}\n@{\"Plain\" link Plain.txt/Main}\n@endnode\n");
    std::string deeper;
    for (int i = 0; i < 60; i++)
        deeper += "deep " + std::to_string(i) + "\n";
    Write("Second.guide", "@database Second\n@node Main \"Second main\"\nsecond\n@endnode\n"
                          "@node Deeper \"Deeper down\"\n" + deeper + "@endnode\n");
    Write("Plain.txt", "just text\n");
    ASSERT_EQ(Start("First.guide"), 0);
    struct Window *w = WaitForWindow("First main");
    ASSERT_NE(w, nullptr);
    ClickGadget(w, "Elsewhere");
    EXPECT_EQ(TitleOf(w), "Deeper down");
    EXPECT_EQ(TextOf(w).at(0), "deep 20");   // the link's line
    // Browsing stays in the document shown.
    ClickGadget(w, "Browse <");
    EXPECT_EQ(TitleOf(w), "Second main");
    ClickGadget(w, "Retrace");
    ClickGadget(w, "Retrace");
    EXPECT_EQ(TitleOf(w), "First main");
    ClickGadget(w, "Its main");
    EXPECT_EQ(TitleOf(w), "Second main");
    ClickGadget(w, "Retrace");

    ClickGadget(w, "Lost");
    EXPECT_EQ(TextOf(w).at(0), "Cannot open \"Missing.guide\": object not found");
    ClickGadget(w, "Plain");
    EXPECT_EQ(TextOf(w).at(0), "\"Plain.txt\" is not a help document.");
    EXPECT_EQ(TitleOf(w), "First main");
    CloseByGadget(w);
}

TEST_F(GuideViewTest, LongLinesWrapToTheWindowAndFollowItsSize)
{
    std::string words;
    for (int i = 0; i < 60; i++)
        words += "word" + std::to_string(i) + " ";
    Write("Wide.guide", "@database Wide\n@node Main \"Wide\"\n  " + words + "\n@{\"End link\" link Main}\n");
    ASSERT_EQ(Start("Wide.guide"), 0);
    struct Window *w = WaitForWindow("Wide");
    ASSERT_NE(w, nullptr);
    std::vector<std::string> wide = TextOf(w);
    ASSERT_GE(wide.size(), 2u);
    // Every line fits the page, and continued lines keep the indent.
    for (std::size_t i = 0; i + 1 < wide.size(); i++)
        EXPECT_EQ(wide[i].substr(0, 6), "  word") << wide[i];
    std::string joined;
    for (std::size_t i = 0; i + 1 < wide.size(); i++)
        joined += wide[i].substr(2) + " ";
    EXPECT_EQ(joined, words);
    EXPECT_EQ(wide.back(), "End link");

    // Narrower, the same text takes more lines: the window shows fewer
    // words a line, and the last line comes into view further down.
    SizeWindow(w, -(w->Width / 2), 0);
    Settle();
    std::vector<std::string> narrow = TextOf(w);
    ASSERT_FALSE(narrow.empty());
    EXPECT_LT(narrow[0].size(), wide[0].size());
    EXPECT_EQ(narrow[0].substr(0, 8), "  word0 ");
    EXPECT_NE(narrow.back(), "End link");
    Key(RAWKEY_END);
    EXPECT_EQ(TextOf(w).back(), "End link");
    struct Gadget *link = GadgetByLabel(w, "End link");
    if (link != nullptr) {
        LONG left, top, width, height;
        ScreenBox(w, link, left, top, width, height);
        EXPECT_LE(left + width, w->LeftEdge + w->Width - w->BorderRight);
    }
    CloseByGadget(w);
}

}  // namespace
