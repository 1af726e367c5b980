// intuition/console/textgrid.h: a console's text: the screen of rows and columns, the cursor, the lines scrolled away.
#ifndef INTUITION_CONSOLE_TEXTGRID_H
#define INTUITION_CONSOLE_TEXTGRID_H

#include "decoder.h"

#include <deque>
#include <string>
#include <vector>

namespace hosted {

// One character cell: the character and its pens (the screen's pen numbers).
struct ConsoleCell {
    UBYTE character = ' ';
    UBYTE pen = 1;
    UBYTE paper = 0;
    bool operator==(const ConsoleCell &other) const = default;
};

// One row. Cells past the end are blank; a row may hold more cells than
// the screen has columns (written before the window was made narrower).
// `id` names the row for life, so a painter can tell rows that moved.
struct ConsoleRow {
    std::vector<ConsoleCell> cells;
    ULONG id = 0;
};

// The characters of a row, blanks at its end left out.
std::string RowText(const ConsoleRow &row);

// The text of a console as a terminal keeps it: a screen of Columns() x
// Rows() cells with a cursor, and above it the rows that scrolled off the
// top (the last kHistoryRows of them). Writing interprets what the
// system's console understands:
//   LF (and NEL) starts the next line, CR goes back to the line's start,
//   BS one column back, TAB to the next multiple of 8, VT and RI a line up,
//   FF clears the window (its text scrolls into the history), BEL is
//   counted; a character in the last column wraps the next one to a new
//   line; controls sequences move the cursor (A B C D E F G H d f),
//   erase (J K), insert and delete characters and lines (@ P L M), scroll
//   (S T), choose pens (m: 30-37 text, 40-47 background, 7 reverse, 0
//   back to normal), show or hide the cursor (" p", ?25h/l), switch
//   wrapping (?7h/l), and answer the cursor position (6n) and window
//   bounds (" q") requests. Everything else is taken out and ignored.
class TextGrid : public ConsoleSink {
public:
    static constexpr std::size_t kHistoryRows = 1000;

    TextGrid(LONG columns, LONG rows, UBYTE textPen, UBYTE backgroundPen);

    // Interprets bytes written to the console.
    void Write(const UBYTE *bytes, std::size_t length);
    // Shows printable characters as they are (the echo of a typed line).
    void PutText(const std::string &latin1);
    // The cursor to the start of the next line, scrolling at the bottom.
    void NewLine();
    // Scrolls the screen up by `count` rows, the cursor staying with its
    // text (used to make room below it).
    void ScrollUp(LONG count);

    // A new screen size. Rows leave the screen into the history at the top
    // (blank rows below the cursor are dropped first) and come back from
    // it when the screen grows; rows are not wrapped anew.
    void Resize(LONG columns, LONG rows);

    LONG Columns() const { return columns_; }
    LONG Rows() const { return screenRows_; }
    std::size_t HistoryRows() const { return rows_.size() - static_cast<std::size_t>(screenRows_); }
    std::size_t TotalRows() const { return rows_.size(); }
    // A row by its place in history and screen together (0 = the oldest).
    const ConsoleRow &Row(std::size_t absolute) const { return rows_[absolute]; }

    // The cursor on the screen: row 0 is the top; the column may be
    // Columns() after a character was put in the last column (the next
    // one then goes to a new line).
    LONG CursorRow() const { return cursorRow_; }
    LONG CursorColumn() const { return cursorColumn_; }
    bool CursorShown() const { return cursorShown_; }
    // A blank cell in the default pens.
    ConsoleCell BlankCell() const { return Blank(); }

    // How far the view is scrolled back into the history (0: the screen
    // itself); writing brings it back to 0.
    std::size_t ViewOffset() const { return viewOffset_; }
    void SetViewOffset(std::size_t offset);
    // The absolute row at the top of the view.
    std::size_t ViewTop() const { return HistoryRows() - viewOffset_; }

    // What the console owes its reader: answers to requests it was sent.
    std::string TakeReplies();
    ULONG Bells() const { return bells_; }

    // ConsoleSink
    void Print(UBYTE character) override;
    void Control(UBYTE code) override;
    void Sequence(const ConsoleSequence &sequence) override;

private:
    ConsoleRow &ScreenRow(LONG row) { return rows_[HistoryRows() + static_cast<std::size_t>(row)]; }
    ConsoleRow BlankRow();
    ConsoleCell Blank() const;
    void SetCell(LONG row, LONG column, const ConsoleCell &cell);
    void EraseCells(LONG row, LONG from, LONG to);   // to exclusive; past the end: the rest
    void LineFeed();
    void ReverseLineFeed();
    void ScrollOne();
    void TrimHistory();
    void ClearWindow();
    void MoveTo(LONG row, LONG column);
    void EraseDisplay(LONG mode);
    void EraseLine(LONG mode);
    void InsertCharacters(LONG count);
    void DeleteCharacters(LONG count);
    void InsertLines(LONG count);
    void DeleteLines(LONG count);
    void SelectGraphicRendition(const ConsoleSequence &sequence);
    void SetMode(const ConsoleSequence &sequence, bool on);
    void Reset();

    ConsoleDecoder decoder_;
    std::deque<ConsoleRow> rows_;
    LONG columns_;
    LONG screenRows_;
    LONG cursorRow_ = 0;
    LONG cursorColumn_ = 0;
    LONG savedRow_ = 0;
    LONG savedColumn_ = 0;
    UBYTE textPen_;
    UBYTE backgroundPen_;
    UBYTE pen_;
    UBYTE paper_;
    bool reverse_ = false;
    bool autoWrap_ = true;
    bool cursorShown_ = true;
    std::size_t viewOffset_ = 0;
    ULONG nextId_ = 1;
    ULONG bells_ = 0;
    std::string replies_;
};

}  // namespace hosted

#endif  // INTUITION_CONSOLE_TEXTGRID_H
