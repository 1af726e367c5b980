// The typed line: editing keys and history; how it is laid over the console's text with the cursor.
#include "console/lineeditor.h"
#include "console/view.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using hosted::LineEditor;
using hosted::TextGrid;

void TypeInto(LineEditor &editor, const std::string &text)
{
    for (char c : text)
        editor.Insert(static_cast<UBYTE>(c));
}

TEST(LineEditor, EditingKeys)
{
    LineEditor e;
    TypeInto(e, "helo");
    EXPECT_EQ(e.Text(), "helo");
    EXPECT_EQ(e.Cursor(), 4u);
    EXPECT_TRUE(e.Left());
    EXPECT_TRUE(e.Insert('l'));
    EXPECT_EQ(e.Text(), "hello");
    EXPECT_EQ(e.Cursor(), 4u);
    EXPECT_TRUE(e.Home());
    EXPECT_FALSE(e.Home());
    EXPECT_FALSE(e.Left());
    EXPECT_FALSE(e.BackSpace());   // nothing before the cursor
    EXPECT_TRUE(e.Delete());
    EXPECT_EQ(e.Text(), "ello");
    EXPECT_TRUE(e.End());
    EXPECT_FALSE(e.Right());
    EXPECT_FALSE(e.Delete());      // nothing after it
    EXPECT_TRUE(e.BackSpace());
    EXPECT_EQ(e.Text(), "ell");
    EXPECT_FALSE(e.Insert('\t'));  // controls are no characters
    EXPECT_FALSE(e.Insert(0x85));
    EXPECT_TRUE(e.Insert(0xE9));   // Latin-1 letters are
    ULONG version = e.Version();
    EXPECT_TRUE(e.Erase());
    EXPECT_EQ(e.Text(), "");
    EXPECT_GT(e.Version(), version);
    EXPECT_FALSE(e.Erase());
}

TEST(LineEditor, TakeAndHistory)
{
    LineEditor e;
    TypeInto(e, "first");
    EXPECT_EQ(e.Take(), "first");
    EXPECT_EQ(e.Text(), "");
    TypeInto(e, "second");
    EXPECT_EQ(e.Take(), "second");
    EXPECT_EQ(e.Take(), "");   // empty lines do not join the history
    TypeInto(e, "draft");
    EXPECT_TRUE(e.Up());
    EXPECT_EQ(e.Text(), "second");
    EXPECT_TRUE(e.Up());
    EXPECT_EQ(e.Text(), "first");
    EXPECT_FALSE(e.Up());
    EXPECT_TRUE(e.Down());
    EXPECT_TRUE(e.Down());
    EXPECT_EQ(e.Text(), "draft");   // the line being typed comes back
    EXPECT_FALSE(e.Down());
}

TEST(LineEditor, LinesHaveALimit)
{
    LineEditor e;
    TypeInto(e, std::string(LineEditor::kMaxLength, 'x'));
    EXPECT_FALSE(e.Insert('y'));
    EXPECT_EQ(e.Text().size(), LineEditor::kMaxLength);
}

// The rows a window would show, as text.
std::vector<std::string> Shown(const std::vector<hosted::ShownRow> &rows)
{
    std::vector<std::string> text;
    for (const hosted::ShownRow &row : rows) {
        hosted::ConsoleRow plain;
        plain.cells = row.cells;
        text.push_back(hosted::RowText(plain));
    }
    return text;
}

TEST(ComposeRows, TheTypedLineHangsFromTheCursorAndWraps)
{
    TextGrid grid(10, 4, 1, 0);
    std::string prompt = "> ";
    grid.Write(reinterpret_cast<const UBYTE *>(prompt.data()), prompt.size());
    LineEditor e;
    TypeInto(e, "abcdefghijk");
    auto rows = hosted::ComposeRows(grid, &e, true);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(Shown(rows)[0], "> abcdefgh");
    EXPECT_EQ(Shown(rows)[1], "ijk");
    EXPECT_EQ(rows[1].cursor, 3);   // after the last character
    EXPECT_EQ(rows[0].cursor, -1);
    e.Home();
    rows = hosted::ComposeRows(grid, &e, true);
    EXPECT_EQ(rows[0].cursor, 2);
    // The grid itself is untouched: the line is only laid over it.
    EXPECT_EQ(hosted::RowText(grid.Row(0)), ">");
    // Without a cursor wanted, none is shown.
    rows = hosted::ComposeRows(grid, &e, false);
    for (const auto &row : rows)
        EXPECT_EQ(row.cursor, -1);
    EXPECT_EQ(hosted::ShownText(rows), (std::vector<std::string>{"> abcdefgh", "ijk"}));
}

TEST(ComposeRows, TheCursorOfAFullRowAndTheScrolledView)
{
    TextGrid grid(4, 3, 1, 0);
    std::string text = "abcd";
    grid.Write(reinterpret_cast<const UBYTE *>(text.data()), text.size());
    // With nothing typed the cursor stands in the last column of a full row.
    auto rows = hosted::ComposeRows(grid, nullptr, true);
    EXPECT_EQ(rows[0].cursor, 3);
    // Typing goes to the next row.
    LineEditor e;
    TypeInto(e, "x");
    rows = hosted::ComposeRows(grid, &e, true);
    EXPECT_EQ(hosted::ShownText(rows), (std::vector<std::string>{"abcd", "x"}));
    EXPECT_EQ(rows[1].cursor, 1);

    std::string more = "\n1\n2\n3\n4";
    grid.Write(reinterpret_cast<const UBYTE *>(more.data()), more.size());
    grid.SetViewOffset(2);
    rows = hosted::ComposeRows(grid, &e, true);
    EXPECT_EQ(hosted::ShownText(rows), (std::vector<std::string>{"abcd", "1", "2"}));
    for (const auto &row : rows)
        EXPECT_EQ(row.cursor, -1);   // the cursor's row is out of view
}

}  // namespace
