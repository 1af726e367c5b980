// A console's text grid: lines, controls, wrapping, scrolling into the history, sequences, pens, resizing.
#include "console/textgrid.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using hosted::TextGrid;

constexpr UBYTE kText = 1;
constexpr UBYTE kBack = 0;

void Put(TextGrid &grid, const std::string &text)
{
    grid.Write(reinterpret_cast<const UBYTE *>(text.data()), text.size());
}

// The screen's rows as text, empty rows at the end left out.
std::vector<std::string> Screen(const TextGrid &grid)
{
    std::vector<std::string> rows;
    for (std::size_t i = grid.HistoryRows(); i < grid.TotalRows(); i++)
        rows.push_back(hosted::RowText(grid.Row(i)));
    while (!rows.empty() && rows.back().empty())
        rows.pop_back();
    return rows;
}

std::string HistoryRow(const TextGrid &grid, std::size_t i) { return hosted::RowText(grid.Row(i)); }

using Lines = std::vector<std::string>;

TEST(TextGrid, LinesReturnsTabsAndBackspaces)
{
    TextGrid grid(20, 8, kText, kBack);
    Put(grid, "one\ntwo\n");
    EXPECT_EQ(Screen(grid), (Lines{"one", "two"}));
    EXPECT_EQ(grid.CursorRow(), 2);
    EXPECT_EQ(grid.CursorColumn(), 0);

    Put(grid, "a\tb\tc\n");                     // tab stops every 8
    EXPECT_EQ(Screen(grid)[2], "a       b       c");
    Put(grid, "x\t\t\t\tend\n");                // the last tab stops in the last column
    EXPECT_EQ(Screen(grid)[3], "x" + std::string(18, ' ') + "e");
    EXPECT_EQ(Screen(grid)[4], "nd");   // wrapped
    TextGrid fresh(20, 5, kText, kBack);
    Put(fresh, "progress 10%\rprogress 99%\n");
    Put(fresh, "abc\b\bX\n");
    Put(fresh, "\bstart");                      // a backspace at the start stays there
    EXPECT_EQ(Screen(fresh), (Lines{"progress 99%", "aXc", "start"}));
}

TEST(TextGrid, LongLinesWrapWithoutLosingACharacter)
{
    TextGrid grid(10, 4, kText, kBack);
    Put(grid, "0123456789");   // exactly one row: the cursor waits at its end
    EXPECT_EQ(grid.CursorRow(), 0);
    EXPECT_EQ(grid.CursorColumn(), 10);
    Put(grid, "\n");
    EXPECT_EQ(Screen(grid), (Lines{"0123456789"}));
    EXPECT_EQ(grid.CursorRow(), 1);
    Put(grid, "abcdefghijKLM\n");
    EXPECT_EQ(Screen(grid), (Lines{"0123456789", "abcdefghij", "KLM"}));

    // Without wrapping the last column takes every further character.
    Put(grid, "\x1b[?7lABCDEFGHIJKLMN\x1b[?7h\n");
    EXPECT_EQ(Screen(grid).back(), "ABCDEFGHIN");
}

TEST(TextGrid, ScrollingKeepsTheLastThousandLines)
{
    TextGrid grid(20, 5, kText, kBack);
    for (int i = 0; i < 1200; i++)
        Put(grid, "line " + std::to_string(i) + "\n");
    // The screen shows the last lines, the cursor below them.
    EXPECT_EQ(Screen(grid), (Lines{"line 1196", "line 1197", "line 1198", "line 1199"}));
    EXPECT_EQ(grid.HistoryRows(), TextGrid::kHistoryRows);
    EXPECT_EQ(HistoryRow(grid, 0), "line 196");   // 1000 rows above the 5 of the screen
    EXPECT_EQ(grid.ViewTop(), grid.HistoryRows());

    grid.SetViewOffset(3);
    EXPECT_EQ(HistoryRow(grid, grid.ViewTop()), "line 1193");
    grid.SetViewOffset(100000);
    EXPECT_EQ(grid.ViewTop(), 0u);
    Put(grid, "more\n");   // writing brings the view back
    EXPECT_EQ(grid.ViewOffset(), 0u);
}

TEST(TextGrid, FormFeedClearsTheWindowAndKeepsTheTextAbove)
{
    TextGrid grid(20, 4, kText, kBack);
    Put(grid, "first\nsecond\n");
    std::size_t before = grid.HistoryRows();
    Put(grid, "\f");
    EXPECT_TRUE(Screen(grid).empty());
    EXPECT_EQ(grid.CursorRow(), 0);
    EXPECT_EQ(grid.CursorColumn(), 0);
    EXPECT_EQ(grid.HistoryRows(), before + 2);
    EXPECT_EQ(HistoryRow(grid, grid.HistoryRows() - 2), "first");
    EXPECT_EQ(HistoryRow(grid, grid.HistoryRows() - 1), "second");
    Put(grid, "after");
    EXPECT_EQ(Screen(grid), (Lines{"after"}));
    // An empty window adds nothing to the history.
    TextGrid empty(20, 4, kText, kBack);
    Put(empty, "\f\f");
    EXPECT_EQ(empty.HistoryRows(), 0u);
}

TEST(TextGrid, CursorMovesAndErasing)
{
    TextGrid grid(20, 5, kText, kBack);
    Put(grid, "aaaa\nbbbb\ncccc");
    Put(grid, "\x1b[1;2HX");          // row 1, column 2 (counted from 1)
    Put(grid, "\x1b[2B\x1b[3DY");     // two down, three back
    EXPECT_EQ(Screen(grid), (Lines{"aXaa", "bbbb", "Yccc"}));
    Put(grid, "\x1b[2;3H\x1b[K");     // erase to the end of the line
    EXPECT_EQ(Screen(grid)[1], "bb");
    Put(grid, "\x1b[1;3H\x1b[1K");    // erase to its start
    EXPECT_EQ(Screen(grid)[0], "   a");
    Put(grid, "\x1b[3;1H\x1b[2K");    // the whole line
    EXPECT_EQ(Screen(grid), (Lines{"   a", "bb"}));
    Put(grid, "\x1b[1;1H\x1b[J");     // erase to the end of the screen
    EXPECT_TRUE(Screen(grid).empty());
    // Moves stop at the edges.
    Put(grid, "\x1b[99;99HZ\x1b[99AW");
    EXPECT_EQ(Screen(grid).size(), 5u);
    EXPECT_EQ(Screen(grid)[4], std::string(19, ' ') + "Z");
    EXPECT_EQ(Screen(grid)[0], std::string(19, ' ') + "W");
}

TEST(TextGrid, InsertingAndDeletingCharactersAndLines)
{
    TextGrid grid(10, 4, kText, kBack);
    Put(grid, "abcdef\n123\nxyz");
    Put(grid, "\x1b[1;2H\x1b[2@");    // two blanks at b
    EXPECT_EQ(Screen(grid)[0], "a  bcdef");
    Put(grid, "\x1b[3P");             // three characters go
    EXPECT_EQ(Screen(grid)[0], "acdef");
    Put(grid, "\x1b[2;1H\x1b[L");     // a line in before 123
    EXPECT_EQ(Screen(grid), (Lines{"acdef", "", "123", "xyz"}));
    Put(grid, "\x1b[M\x1b[M");        // and two out
    EXPECT_EQ(Screen(grid), (Lines{"acdef", "xyz"}));
}

TEST(TextGrid, PensAndReverse)
{
    TextGrid grid(20, 3, kText, kBack);
    Put(grid, "a\x9b" "33mb\x1b[42mc\x1b[7md\x1b[0me\x1b[38;5;200mf\x1b[39mg");
    const auto &cells = grid.Row(grid.HistoryRows()).cells;
    ASSERT_EQ(cells.size(), 7u);
    EXPECT_EQ(cells[0].pen, kText);
    EXPECT_EQ(cells[1].pen, 3);                      // CSI 33 m: pen 3
    EXPECT_EQ(cells[2].paper, 2);                    // 42: background pen 2
    EXPECT_EQ(cells[3].pen, 2);                      // reversed
    EXPECT_EQ(cells[3].paper, 3);
    EXPECT_EQ(cells[4].pen, kText);                  // back to normal
    EXPECT_EQ(cells[4].paper, kBack);
    EXPECT_EQ(cells[5].pen, kText);                  // other terminals' colours are skipped whole
    EXPECT_EQ(cells[6].pen, kText);
    EXPECT_EQ(hosted::RowText(grid.Row(grid.HistoryRows())), "abcdefg");
}

TEST(TextGrid, CursorVisibilityAndRequests)
{
    TextGrid grid(30, 6, kText, kBack);
    EXPECT_TRUE(grid.CursorShown());
    Put(grid, "\x9b" "0 p");
    EXPECT_FALSE(grid.CursorShown());
    Put(grid, "\x9b p");
    EXPECT_TRUE(grid.CursorShown());
    Put(grid, "\x1b[?25l");
    EXPECT_FALSE(grid.CursorShown());
    Put(grid, "\x1b[?25h");
    EXPECT_TRUE(grid.CursorShown());

    Put(grid, "ab\ncd\x1b[6n");
    EXPECT_EQ(grid.TakeReplies(), "\x9b" "2;3R");
    Put(grid, "\x9b" "0 q");
    EXPECT_EQ(grid.TakeReplies(), "\x9b" "1;1;6;30 r");
    EXPECT_EQ(grid.TakeReplies(), "");
    Put(grid, "\a\a");
    EXPECT_EQ(grid.Bells(), 2u);
    Put(grid, "\x1b" "c");   // reset: the window is cleared
    EXPECT_TRUE(Screen(grid).empty());
}

TEST(TextGrid, ResizingMovesRowsBetweenScreenAndHistory)
{
    TextGrid grid(20, 6, kText, kBack);
    Put(grid, "1\n2\n3\n4");
    // Smaller: the empty rows below the cursor go first, then the top rows
    // move into the history.
    grid.Resize(20, 4);
    EXPECT_EQ(Screen(grid), (Lines{"1", "2", "3", "4"}));
    EXPECT_EQ(grid.HistoryRows(), 0u);
    grid.Resize(20, 2);
    EXPECT_EQ(Screen(grid), (Lines{"3", "4"}));
    EXPECT_EQ(grid.HistoryRows(), 2u);
    EXPECT_EQ(grid.CursorRow(), 1);
    // Larger: they come back.
    grid.Resize(20, 5);
    EXPECT_EQ(Screen(grid), (Lines{"1", "2", "3", "4"}));
    EXPECT_EQ(grid.CursorRow(), 3);
    EXPECT_EQ(grid.HistoryRows(), 0u);
    // Narrower: rows keep their text, new text wraps at the new width.
    Put(grid, "\n0123456789abcdef");
    grid.Resize(8, 5);
    EXPECT_EQ(Screen(grid).back(), "0123456789abcdef");
    EXPECT_EQ(grid.CursorColumn(), 8);
    Put(grid, "X");
    EXPECT_EQ(Screen(grid).back(), "X");
}

TEST(TextGrid, EchoAndNewLine)
{
    TextGrid grid(10, 3, kText, kBack);
    grid.PutText("typed\x1b[1m\n");   // only printable characters are shown
    EXPECT_EQ(Screen(grid), (Lines{"typed[1m"}));
    grid.NewLine();
    EXPECT_EQ(grid.CursorRow(), 1);
    EXPECT_EQ(grid.CursorColumn(), 0);
    Put(grid, "x\ny\nz");
    grid.ScrollUp(1);   // room below the cursor, the cursor staying with "z"
    EXPECT_EQ(Screen(grid), (Lines{"y", "z"}));
    EXPECT_EQ(grid.CursorRow(), 1);
}

}  // namespace
