// The help document reader: nodes and their titles, links, attributes, breaks and escapes, and malformed documents.
#include "guide.h"
#include "guide_layout.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

using namespace hosted::multiview;

GuideDocument Parse(const std::string &text)
{
    return ParseGuide(reinterpret_cast<const UBYTE *>(text.data()), text.size());
}

std::vector<std::string> Lines(const GuideNode &node)
{
    std::vector<std::string> lines;
    for (const StyledLine &line : node.lines)
        lines.push_back(PlainText(line));
    return lines;
}

const char kDocument[] =
    "@database Test.guide\n"
    "@author \"Ann Example\"\n"
    "@(c) \"2024 Ann\"\n"
    "@index Index\n"
    "@wordwrap\n"
    "text before any node is not shown\n"
    "@node Main \"The main node\"\n"
    "Welcome.\n"
    "See @{\" Starting \" link Starting} or @{\"the end\" link Last 3}.\n"
    "@endnode\n"
    "between nodes nothing is shown\n"
    "@node Starting\n"
    "@title \"Starting up\"\n"
    "@toc Main\n"
    "@next Last\n"
    "First line.\n"
    "@endnode\n"
    "@NODE last \"The last one\"\n"
    "@prev Main\n"
    "Last node.\n"
    "@endnode\n"
    "@node Index \"Index\"\n"
    "@{\"Main\" link main}\n"
    "@endnode\n";

TEST(GuideParser, ReadsNodesTheirTitlesAndTheirNeighbours)
{
    GuideDocument doc = Parse(kDocument);
    EXPECT_EQ(doc.database, "Test.guide");
    EXPECT_EQ(doc.author, "Ann Example");
    EXPECT_EQ(doc.copyright, "2024 Ann");
    EXPECT_EQ(doc.index, "Index");
    ASSERT_EQ(doc.nodes.size(), 4u);
    EXPECT_EQ(doc.nodes[0].name, "Main");
    EXPECT_EQ(doc.nodes[0].title, "The main node");
    EXPECT_EQ(doc.nodes[1].title, "Starting up");   // @title wins over the name
    EXPECT_EQ(doc.nodes[1].toc, "Main");
    EXPECT_EQ(doc.nodes[1].next, "Last");
    EXPECT_EQ(doc.nodes[2].name, "last");
    EXPECT_EQ(doc.nodes[2].prev, "Main");
    EXPECT_EQ(Lines(doc.nodes[1]), std::vector<std::string>{"First line."});
    EXPECT_EQ(Lines(doc.nodes[2]), std::vector<std::string>{"Last node."});

    // Names are found in any case; the main node is "Main" wherever it is.
    EXPECT_EQ(doc.FindNode("LAST"), 2);
    EXPECT_EQ(doc.FindNode("index"), 3);
    EXPECT_EQ(doc.FindNode("nowhere"), -1);
    EXPECT_EQ(doc.MainNode(), 0);
    GuideDocument second = Parse("@database x\n@node One\na\n@node MAIN\nb\n");
    EXPECT_EQ(second.MainNode(), 1);
    GuideDocument third = Parse("@database x\n@node One\na\n@node Two\nb\n");
    EXPECT_EQ(third.MainNode(), 0);
    EXPECT_EQ(third.nodes[1].title, "Two");   // no title: the name
}

TEST(GuideParser, LinksBecomeButtonsWithTheirLabelsInTheText)
{
    GuideDocument doc = Parse(kDocument);
    const GuideNode &main = doc.nodes[0];
    EXPECT_EQ(Lines(main), (std::vector<std::string>{"Welcome.", "See  Starting  or the end."}));
    ASSERT_EQ(main.links.size(), 2u);
    EXPECT_EQ(main.links[0].label, " Starting ");
    EXPECT_EQ(main.links[0].action, LinkAction::Node);
    EXPECT_EQ(main.links[0].target, "Starting");
    EXPECT_EQ(main.links[0].line, 0);
    EXPECT_EQ(main.links[1].target, "Last");
    EXPECT_EQ(main.links[1].line, 3);
    const StyledLine &line = main.lines[1];
    ASSERT_EQ(line.spans.size(), 5u);
    EXPECT_EQ(line.spans[1].role, SpanRole::Link);
    EXPECT_EQ(line.spans[1].link, 0);
    EXPECT_EQ(line.spans[3].role, SpanRole::Link);
    EXPECT_EQ(line.spans[3].link, 1);
    EXPECT_EQ(line.spans[2].role, SpanRole::Text);

    GuideDocument kinds = Parse("@database x\n@node Main\n"
                                "@{\"Run\" system \"Echo hello\"} @{\"Rx\" rx script.rexx} @{\"Beep\" beep}\n"
                                "@{\"Bye\" close} @{\"Quit\" QUIT} @{\"Odd\" frobnicate it} @{\"Other\" alink Two}\n"
                                "@{\"Plain label\"}\n");
    const GuideNode &node = kinds.nodes[0];
    ASSERT_EQ(node.links.size(), 7u);
    EXPECT_EQ(node.links[0].action, LinkAction::Command);
    EXPECT_EQ(node.links[0].target, "Echo hello");
    EXPECT_EQ(node.links[1].action, LinkAction::Script);
    EXPECT_EQ(node.links[1].target, "script.rexx");
    EXPECT_EQ(node.links[2].action, LinkAction::Beep);
    EXPECT_EQ(node.links[3].action, LinkAction::Close);
    EXPECT_EQ(node.links[4].action, LinkAction::Close);
    EXPECT_EQ(node.links[5].action, LinkAction::Unknown);
    EXPECT_EQ(node.links[6].action, LinkAction::Node);
    EXPECT_EQ(node.links[6].target, "Two");
    // A label without an action is plain text.
    EXPECT_EQ(Lines(node)[2], "Plain label");
    EXPECT_EQ(node.lines[2].spans[0].role, SpanRole::Text);
}

TEST(GuideParser, AttributesAreTakenOutAndKeptAsStyles)
{
    GuideDocument doc = Parse("@database x\n@node Main\n"
                              "a @{b}bold@{ub} @{i}it@{ui} @{u}under@{uu} @{fg shine}colour@{fg text} @{B}B@{plain}.\n"
                              "tab\there @{\"L\tX\" link Main}\n");
    const GuideNode &node = doc.nodes[0];
    EXPECT_EQ(Lines(node)[0], "a bold it under colour B.");
    UBYTE boldStyle = 0xFF;
    UBYTE underStyle = 0xFF;
    UBYTE italicStyle = 0xFF;
    for (const StyledSpan &span : node.lines[0].spans) {
        if (span.text == "bold")
            boldStyle = span.style;
        if (span.text == "under")
            underStyle = span.style;
        if (span.text == "it")
            italicStyle = span.style;
    }
    EXPECT_EQ(boldStyle, FSF_BOLD);
    EXPECT_EQ(underStyle, FSF_UNDERLINED);
    EXPECT_EQ(italicStyle, FSF_ITALIC);
    EXPECT_EQ(node.lines[0].spans.back().style, FS_NORMAL);   // @{plain} ends every style
    // Tabs are expanded after markup is taken out, to every eighth column.
    EXPECT_EQ(Lines(node)[1].substr(0, 12), "tab     here");

    // @{line} breaks a line, @{par} makes a paragraph.
    GuideDocument breaks = Parse("@database x\n@node Main\none@{line}two@{par}three\n");
    EXPECT_EQ(Lines(breaks.nodes[0]), (std::vector<std::string>{"one", "two", "", "three"}));
}

TEST(GuideParser, EscapesAndAtSignsInTextStayText)
{
    GuideDocument doc = Parse("@database x\n@node Main\n"
                              "mail \\@{b} ann\\\\x @ home, a@b\n"
                              "\\@node is not a command\n"
                              "open @{ never closed\n"
                              "quote @{\"a } b\" link Main} end\n");
    const GuideNode &node = doc.nodes[0];
    EXPECT_EQ(Lines(node), (std::vector<std::string>{"mail @{b} ann\\x @ home, a@b", "@node is not a command",
                                                     "open @{ never closed", "quote a } b end"}));
    EXPECT_EQ(doc.nodes.size(), 1u);
    ASSERT_EQ(node.links.size(), 1u);
    EXPECT_EQ(node.links[0].label, "a } b");
}

TEST(GuideParser, SmartWrapJoinsTheLinesOfAParagraph)
{
    GuideDocument doc = Parse("@database x\n@smartwrap\n@node Main\nfirst line\nsame paragraph\n\nnext one\n");
    EXPECT_EQ(Lines(doc.nodes[0]), (std::vector<std::string>{"first line same paragraph", "", "next one"}));
    EXPECT_EQ(doc.nodes[0].lines[2].sourceLine, 3);

    GuideDocument perNode = Parse("@database x\n@node A\n@smartwrap\na\nb\n@endnode\n@node B\na\nb\n");
    EXPECT_EQ(Lines(perNode.nodes[0]), std::vector<std::string>{"a b"});
    EXPECT_EQ(Lines(perNode.nodes[1]), (std::vector<std::string>{"a", "b"}));
}

TEST(GuideParser, MalformedDocumentsNeverFail)
{
    // A node without @endnode ends at the next node and at the end.
    GuideDocument open = Parse("@database x\n@node A \"A\"\none\n@node B\ntwo\n");
    ASSERT_EQ(open.nodes.size(), 2u);
    EXPECT_EQ(Lines(open.nodes[0]), std::vector<std::string>{"one"});
    EXPECT_EQ(Lines(open.nodes[1]), std::vector<std::string>{"two"});

    // Unknown commands, a node without a name, quotes never closed, a
    // link without a target and a line number that is no number.
    GuideDocument odd = Parse("@database\n@frobnicate all\n@node\n@title \"never closed\n"
                              "@{\"x\" link}@{\"y\" link Main twelve}@{\"z\n@{}@{   }\n@endnode\n@endnode\n@");
    ASSERT_EQ(odd.nodes.size(), 1u);
    EXPECT_EQ(odd.nodes[0].name, "");
    EXPECT_EQ(odd.nodes[0].title, "never closed");
    ASSERT_EQ(odd.nodes[0].links.size(), 2u);
    EXPECT_EQ(odd.nodes[0].links[0].target, "");
    EXPECT_EQ(odd.nodes[0].links[1].line, 0);
    EXPECT_EQ(Lines(odd.nodes[0])[0], "xy@{\"z");

    // Nothing at all, or only a header: no nodes.
    EXPECT_TRUE(Parse("").nodes.empty());
    EXPECT_TRUE(ParseGuide(nullptr, 0).nodes.empty());
    EXPECT_TRUE(Parse("@database x\nno nodes here\n").nodes.empty());

    // Every byte value, control characters and cut UTF-8 included, in
    // text and in commands.
    std::string junk = "@database x\n@node Main\n";
    for (int i = 0; i < 256; i++)
        junk += static_cast<char>(i);
    junk += "\n@{\"\xC3\" link \xFF\x01}\r\n@tab 0\n@tab 99999999999\n@{\xE2\x80\n";
    GuideDocument bytes = Parse(junk);
    ASSERT_EQ(bytes.nodes.size(), 1u);
    EXPECT_FALSE(bytes.nodes[0].lines.empty());
}

TEST(GuideParser, RandomDocumentsParseAndLayOutWithoutFailing)
{
    // Documents built from the characters that matter to the reader, in
    // any order: every node must come out, and lay out at any width.
    const char pieces[][12] = {"@", "{", "}", "\"", "\\", "\n", "@node ", "@endnode\n", "@{\"", "\" link ",
                               "@{b}", "@{line}", " ", "\t", "x", "\r", "\xC3", "\xA4", "@smartwrap\n", "@{par}"};
    std::mt19937 random(1234);
    for (int round = 0; round < 400; round++) {
        std::string text = round % 2 == 0 ? "@database r\n@node Main\n" : "";
        int count = static_cast<int>(random() % 200);
        for (int i = 0; i < count; i++)
            text += pieces[random() % (sizeof pieces / sizeof pieces[0])];
        GuideDocument doc = Parse(text);
        if (round % 2 == 0) {
            EXPECT_GE(doc.nodes.size(), 1u);
        }
        for (const GuideNode &node : doc.nodes) {
            for (const StyledLine &line : node.lines) {
                for (const StyledSpan &span : line.spans) {
                    if (span.role == SpanRole::Link) {
                        ASSERT_GE(span.link, 0);
                        ASSERT_LT(span.link, static_cast<LONG>(node.links.size()));
                    }
                }
            }
            for (LONG width : {1, 37, 400}) {
                std::vector<StyledLine> laid =
                    LayoutLines(node.lines, width, [](const std::string &t, UBYTE) { return 7 * LONG(t.size()); });
                EXPECT_GE(laid.size(), node.lines.size());
            }
        }
    }
}

TEST(GuideParser, UnicodeDocumentsAreReadAsLatin1)
{
    GuideDocument doc = Parse("@database x\n@node Main \"Gr\xC3\xBC\xC3\x9F\x65\"\nK\xC3\xA4se \xE2\x80\x94 \xE2\x82\xAC\n");
    EXPECT_EQ(doc.nodes[0].title, "Gr\xFC\xDF" "e");
    EXPECT_EQ(Lines(doc.nodes[0])[0], "K\xE4se - EUR");
    GuideDocument latin = Parse("@database x\n@node Main \"Gr\xFC\xDF" "e\"\n");
    EXPECT_EQ(latin.nodes[0].title, "Gr\xFC\xDF" "e");
}

TEST(GuideParser, TheProgramsOwnHelpDocumentReads)
{
    // The shape of the help file shipped with the program: padded link
    // labels, @wordwrap, @title in nodes.
    GuideDocument doc = Parse("@database Kestrovane.guide\n@wordwrap\n\n@node Main \"Kestrovane\"\n"
                              "@title \"Kestrovane 0.9u\"\n\n  Intro.\n\n"
                              "  @{\" Starting Kestrovane       \" link Starting}\n@endnode\n\n"
                              "@node Starting \"Starting Kestrovane\"\n@title \"Starting Kestrovane\"\n\n  Text.\n"
                              "@endnode\n");
    ASSERT_EQ(doc.nodes.size(), 2u);
    EXPECT_EQ(doc.nodes[0].title, "Kestrovane 0.9u");
    EXPECT_EQ(Lines(doc.nodes[0]), (std::vector<std::string>{"", "  Intro.", "", "   Starting Kestrovane"}));
    EXPECT_EQ(doc.nodes[0].links[0].target, "Starting");
    EXPECT_EQ(doc.nodes[0].lines[3].sourceLine, 3);
}

}  // namespace
