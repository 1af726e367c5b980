// intuition/console/textgrid.cpp: a console's text: the screen of rows and columns, the cursor, the lines scrolled away.
#include "textgrid.h"

#include <algorithm>

namespace hosted {

namespace {

constexpr LONG kTabWidth = 8;

}  // namespace

std::string RowText(const ConsoleRow &row)
{
    std::string text;
    text.reserve(row.cells.size());
    for (const ConsoleCell &cell : row.cells)
        text += static_cast<char>(cell.character);
    std::size_t end = text.find_last_not_of(' ');
    text.resize(end == std::string::npos ? 0 : end + 1);
    return text;
}

TextGrid::TextGrid(LONG columns, LONG rows, UBYTE textPen, UBYTE backgroundPen)
    : columns_(std::max<LONG>(columns, 1)), screenRows_(std::max<LONG>(rows, 1)), textPen_(textPen),
      backgroundPen_(backgroundPen), pen_(textPen), paper_(backgroundPen)
{
    for (LONG i = 0; i < screenRows_; i++)
        rows_.push_back(BlankRow());
}

ConsoleRow TextGrid::BlankRow()
{
    ConsoleRow row;
    row.id = nextId_++;
    return row;
}

ConsoleCell TextGrid::Blank() const
{
    ConsoleCell cell;
    cell.pen = textPen_;
    cell.paper = backgroundPen_;
    return cell;
}

void TextGrid::Write(const UBYTE *bytes, std::size_t length)
{
    viewOffset_ = 0;
    decoder_.Feed(bytes, length, *this);
}

void TextGrid::PutText(const std::string &latin1)
{
    viewOffset_ = 0;
    for (char c : latin1) {
        auto byte = static_cast<UBYTE>(c);
        if (byte >= 0x20 && byte != 0x7F && (byte < 0x80 || byte >= 0xA0))
            Print(byte);
    }
}

void TextGrid::NewLine()
{
    viewOffset_ = 0;
    cursorColumn_ = 0;
    LineFeed();
}

void TextGrid::SetViewOffset(std::size_t offset)
{
    viewOffset_ = std::min(offset, HistoryRows());
}

std::string TextGrid::TakeReplies()
{
    std::string replies;
    replies.swap(replies_);
    return replies;
}

void TextGrid::SetCell(LONG row, LONG column, const ConsoleCell &cell)
{
    ConsoleRow &r = ScreenRow(row);
    auto at = static_cast<std::size_t>(column);
    if (r.cells.size() <= at)
        r.cells.resize(at + 1, Blank());
    r.cells[at] = cell;
}

void TextGrid::EraseCells(LONG row, LONG from, LONG to)
{
    ConsoleRow &r = ScreenRow(row);
    auto size = static_cast<LONG>(r.cells.size());
    from = std::max<LONG>(from, 0);
    if (from >= size)
        return;
    if (to >= size) {
        r.cells.resize(static_cast<std::size_t>(from));
    } else {
        for (LONG i = from; i < to; i++)
            r.cells[static_cast<std::size_t>(i)] = Blank();
    }
}

void TextGrid::Print(UBYTE character)
{
    if (cursorColumn_ >= columns_) {
        if (autoWrap_) {
            cursorColumn_ = 0;
            LineFeed();
        } else {
            cursorColumn_ = columns_ - 1;
        }
    }
    ConsoleCell cell;
    cell.character = character;
    cell.pen = reverse_ ? paper_ : pen_;
    cell.paper = reverse_ ? pen_ : paper_;
    SetCell(cursorRow_, cursorColumn_, cell);
    cursorColumn_++;
}

void TextGrid::Control(UBYTE code)
{
    switch (code) {
    case 0x07:   // BEL
        bells_++;
        break;
    case 0x08:   // BS
        cursorColumn_ = std::min(cursorColumn_, columns_ - 1);
        if (cursorColumn_ > 0)
            cursorColumn_--;
        break;
    case 0x09:   // TAB
        if (cursorColumn_ < columns_ - 1)
            cursorColumn_ = std::min((cursorColumn_ / kTabWidth + 1) * kTabWidth, columns_ - 1);
        break;
    case 0x0A:   // LF: the system's consoles start the next line at its beginning
    case 0x85:   // NEL
        cursorColumn_ = 0;
        LineFeed();
        break;
    case 0x84:   // IND
        cursorColumn_ = std::min(cursorColumn_, columns_ - 1);
        LineFeed();
        break;
    case 0x0B:   // VT: a line up, as the system's console has it
    case 0x8D:   // RI
        cursorColumn_ = std::min(cursorColumn_, columns_ - 1);
        ReverseLineFeed();
        break;
    case 0x0C:   // FF
        ClearWindow();
        break;
    case 0x0D:   // CR
        cursorColumn_ = 0;
        break;
    default:
        break;   // SI, SO, NUL and the rest show nothing
    }
}

void TextGrid::LineFeed()
{
    if (cursorRow_ < screenRows_ - 1)
        cursorRow_++;
    else
        ScrollOne();
}

void TextGrid::ReverseLineFeed()
{
    if (cursorRow_ > 0) {
        cursorRow_--;
        return;
    }
    // At the top the screen moves down a line; its last row goes.
    rows_.insert(rows_.begin() + static_cast<std::ptrdiff_t>(HistoryRows()), BlankRow());
    rows_.pop_back();
}

void TextGrid::ScrollOne()
{
    rows_.push_back(BlankRow());
    TrimHistory();
}

void TextGrid::ScrollUp(LONG count)
{
    for (LONG i = 0; i < count; i++) {
        ScrollOne();
        if (cursorRow_ > 0)
            cursorRow_--;
    }
}

void TextGrid::TrimHistory()
{
    while (HistoryRows() > kHistoryRows)
        rows_.pop_front();
    viewOffset_ = std::min(viewOffset_, HistoryRows());
}

void TextGrid::ClearWindow()
{
    // The text shown so far scrolls up into the history, so that nothing
    // written is lost from sight for good; blank rows do not.
    LONG used = 0;
    for (LONG r = 0; r < screenRows_; r++) {
        if (!ScreenRow(r).cells.empty())
            used = r + 1;
    }
    for (LONG i = 0; i < used; i++)
        ScrollOne();
    for (LONG r = 0; r < screenRows_; r++)
        ScreenRow(r).cells.clear();
    cursorRow_ = 0;
    cursorColumn_ = 0;
}

void TextGrid::MoveTo(LONG row, LONG column)
{
    cursorRow_ = std::clamp<LONG>(row, 0, screenRows_ - 1);
    cursorColumn_ = std::clamp<LONG>(column, 0, columns_ - 1);
}

void TextGrid::EraseDisplay(LONG mode)
{
    switch (mode) {
    case 0:
        EraseCells(cursorRow_, cursorColumn_, 0x7FFFFFFF);
        for (LONG r = cursorRow_ + 1; r < screenRows_; r++)
            EraseCells(r, 0, 0x7FFFFFFF);
        break;
    case 1:
        for (LONG r = 0; r < cursorRow_; r++)
            EraseCells(r, 0, 0x7FFFFFFF);
        EraseCells(cursorRow_, 0, cursorColumn_ + 1);
        break;
    case 2:
    case 3:
        for (LONG r = 0; r < screenRows_; r++)
            EraseCells(r, 0, 0x7FFFFFFF);
        if (mode == 3) {
            std::size_t history = HistoryRows();
            rows_.erase(rows_.begin(), rows_.begin() + static_cast<std::ptrdiff_t>(history));
            viewOffset_ = 0;
        }
        break;
    default:
        break;
    }
}

void TextGrid::EraseLine(LONG mode)
{
    switch (mode) {
    case 0:
        EraseCells(cursorRow_, cursorColumn_, 0x7FFFFFFF);
        break;
    case 1:
        EraseCells(cursorRow_, 0, cursorColumn_ + 1);
        break;
    case 2:
        EraseCells(cursorRow_, 0, 0x7FFFFFFF);
        break;
    default:
        break;
    }
}

void TextGrid::InsertCharacters(LONG count)
{
    ConsoleRow &row = ScreenRow(cursorRow_);
    auto column = static_cast<std::size_t>(std::min(cursorColumn_, columns_ - 1));
    if (column >= row.cells.size())
        return;
    std::size_t keep = std::max(row.cells.size(), static_cast<std::size_t>(columns_));
    count = std::min<LONG>(count, columns_);
    row.cells.insert(row.cells.begin() + static_cast<std::ptrdiff_t>(column), static_cast<std::size_t>(count), Blank());
    if (row.cells.size() > keep)
        row.cells.resize(keep);
}

void TextGrid::DeleteCharacters(LONG count)
{
    ConsoleRow &row = ScreenRow(cursorRow_);
    auto column = static_cast<std::size_t>(std::min(cursorColumn_, columns_ - 1));
    if (column >= row.cells.size())
        return;
    std::size_t end = std::min(row.cells.size(), column + static_cast<std::size_t>(count));
    row.cells.erase(row.cells.begin() + static_cast<std::ptrdiff_t>(column),
                    row.cells.begin() + static_cast<std::ptrdiff_t>(end));
}

void TextGrid::InsertLines(LONG count)
{
    count = std::min(count, screenRows_ - cursorRow_);
    auto at = rows_.begin() + static_cast<std::ptrdiff_t>(HistoryRows() + static_cast<std::size_t>(cursorRow_));
    for (LONG i = 0; i < count; i++)
        at = rows_.insert(at, BlankRow());
    for (LONG i = 0; i < count; i++)
        rows_.pop_back();
    cursorColumn_ = 0;
}

void TextGrid::DeleteLines(LONG count)
{
    count = std::min(count, screenRows_ - cursorRow_);
    auto at = rows_.begin() + static_cast<std::ptrdiff_t>(HistoryRows() + static_cast<std::size_t>(cursorRow_));
    rows_.erase(at, at + count);
    for (LONG i = 0; i < count; i++)
        rows_.push_back(BlankRow());
    cursorColumn_ = 0;
}

void TextGrid::Reset()
{
    pen_ = textPen_;
    paper_ = backgroundPen_;
    reverse_ = false;
    autoWrap_ = true;
    cursorShown_ = true;
    ClearWindow();
}

void TextGrid::Resize(LONG columns, LONG rows)
{
    columns = std::max<LONG>(columns, 1);
    rows = std::max<LONG>(rows, 1);
    while (screenRows_ > rows) {
        bool lastBlank = ScreenRow(screenRows_ - 1).cells.empty();
        if (cursorRow_ < screenRows_ - 1 && lastBlank) {
            rows_.pop_back();   // an empty row below the cursor is not worth keeping
        } else {
            cursorRow_--;       // the top row joins the history
        }
        screenRows_--;
        cursorRow_ = std::max<LONG>(cursorRow_, 0);
    }
    while (screenRows_ < rows) {
        if (HistoryRows() > 0) {
            cursorRow_++;       // a row of the history comes back on top
        } else {
            rows_.push_back(BlankRow());
        }
        screenRows_++;
    }
    TrimHistory();
    columns_ = columns;
    cursorColumn_ = std::min(cursorColumn_, columns_);
    savedRow_ = std::min(savedRow_, screenRows_ - 1);
    savedColumn_ = std::min(savedColumn_, columns_ - 1);
}

}  // namespace hosted
