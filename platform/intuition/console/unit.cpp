// intuition/console/unit.cpp: one console: its text, the line being typed, its window, and what was typed and not yet read.
#include "unit.h"

#include "handler.h"

#include <devices/inputevent.h>
#include <dos/dos.h>
#include <intuition/gadgetclass.h>
#include <proto/exec.h>
#include <proto/intuition.h>

#include <algorithm>
#include <cstring>

namespace hosted {

namespace {

// The grid a console has before its window says how large it is.
constexpr LONG kFirstColumns = 80;
constexpr LONG kFirstRows = 24;
// Rows the mouse wheel moves.
constexpr LONG kWheelRows = 3;

constexpr UWORD kCtrlC = 0x03;
constexpr UWORD kCtrlBackslash = 0x1C;
constexpr UWORD kCtrlX = 0x18;

bool IsCtrlBackslash(UWORD character, UWORD qualifier)
{
    return character == kCtrlBackslash || (character == '\\' && (qualifier & IEQUALIFIER_CONTROL) != 0);
}

bool IsCtrlC(UWORD character, UWORD qualifier)
{
    return character == kCtrlC || ((character == 'c' || character == 'C') && (qualifier & IEQUALIFIER_CONTROL) != 0);
}

}  // namespace

ConsoleUnit::ConsoleUnit(const ConsoleSpec &shape) : ConsoleUnit(shape, ConsoleView::ScreenPens())
{
}

ConsoleUnit::ConsoleUnit(const ConsoleSpec &shape, ConsolePens pens)
    : shape_(shape), grid_(kFirstColumns, kFirstRows, pens.text, pens.background)
{
}

bool ConsoleUnit::OpenWindow(LONG &error)
{
    if (view_.IsOpen() || closedByPerson_ || over_)
        return true;
    struct MsgPort *port = ConsoleHandlerPort();
    if (port == nullptr) {
        error = ERROR_NO_FREE_STORE;
        return false;
    }
    if (!view_.Open(shape_, port, error))
        return false;
    Repaint(true);
    return true;
}

void ConsoleUnit::Attach()
{
    streams_++;
    if (lingering_) {
        lingering_ = false;
        Repaint(false);
    }
}

bool ConsoleUnit::Detach()
{
    if (streams_ > 0)
        streams_--;
    if (streams_ > 0 || over_)
        return over_;
    if (view_.IsOpen() && shape_.wait && !closedByPerson_) {
        // WAIT: the window stays for the person to read, without a cursor.
        lingering_ = true;
        Repaint(false);
        return false;
    }
    view_.Close();
    over_ = true;
    WakeReaders();
    return true;
}

LONG ConsoleUnit::Write(const UBYTE *bytes, LONG length, LONG &error)
{
    if (closedByPerson_ || over_)
        return length;   // the person closed the window: the text goes nowhere
    if (!OpenWindow(error))
        return -1;
    grid_.Write(bytes, static_cast<std::size_t>(length));
    std::string replies = grid_.TakeReplies();
    if (!replies.empty())
        Queue(std::move(replies), false);
    if (grid_.Bells() != bellsShown_) {
        bellsShown_ = grid_.Bells();
        DisplayBeep(view_.Window()->WScreen);
    }
    // The handler draws it: a burst of writes is drawn once.
    if (!changed_) {
        changed_ = true;
        RequestConsolePaint();
    }
    return length;
}

bool ConsoleUnit::InputReady() const
{
    return !input_.empty() || closedByPerson_ || over_;
}

LONG ConsoleUnit::TakeInput(UBYTE *buffer, LONG length)
{
    if (input_.empty() || length <= 0)
        return 0;
    Input &front = input_.front();
    if (front.endOfFile) {
        input_.pop_front();
        return 0;
    }
    auto count = static_cast<LONG>(std::min<std::size_t>(front.bytes.size(), static_cast<std::size_t>(length)));
    std::memcpy(buffer, front.bytes.data(), static_cast<std::size_t>(count));
    front.bytes.erase(0, static_cast<std::size_t>(count));
    if (front.bytes.empty())
        input_.pop_front();
    return count;
}

void ConsoleUnit::NoteReader()
{
    if (readerSeen_)
        return;
    readerSeen_ = true;
    Repaint(false);
}

void ConsoleUnit::AddWaiter(struct Task *task, ULONG signals)
{
    waiters_.emplace_back(task, signals);
}

void ConsoleUnit::RemoveWaiter(struct Task *task)
{
    auto it = std::find_if(waiters_.begin(), waiters_.end(), [task](const auto &w) { return w.first == task; });
    if (it != waiters_.end())
        waiters_.erase(it);
}

void ConsoleUnit::WakeReaders()
{
    for (const auto &[task, signals] : waiters_)
        Signal(task, signals);
}

void ConsoleUnit::Queue(std::string bytes, bool endOfFile)
{
    input_.push_back(Input{std::move(bytes), endOfFile});
    WakeReaders();
}

void ConsoleUnit::Key(UWORD character, UWORD qualifier)
{
    if (lingering_) {
        if (IsCtrlBackslash(character, qualifier))
            PersonCloses();
        return;
    }
    if (IsCtrlBackslash(character, qualifier)) {
        EndOfFile();
        return;
    }
    if (IsCtrlC(character, qualifier)) {
        breaks_++;
        return;
    }
    switch (character) {
    case 13:
    case 10:
        Return();
        return;
    case 8:
        Edited(editor_.BackSpace());
        return;
    case 127:
        Edited(editor_.Delete());
        return;
    case kCtrlX:
        Edited(editor_.Erase());
        return;
    default:
        if (character <= 0xFF)
            Edited(editor_.Insert(static_cast<UBYTE>(character)));
        return;
    }
}

void ConsoleUnit::RawKey(UWORD code, UWORD qualifier)
{
    if ((code & IECODE_UP_PREFIX) != 0)
        return;
    const bool shift = (qualifier & (IEQUALIFIER_LSHIFT | IEQUALIFIER_RSHIFT)) != 0;
    const LONG page = std::max<LONG>(grid_.Rows() - 1, 1);
    switch (code) {
    case NM_WHEEL_UP:
        ScrollView(kWheelRows);
        return;
    case NM_WHEEL_DOWN:
        ScrollView(-kWheelRows);
        return;
    case RAWKEY_PAGEUP:
        ScrollView(page);
        return;
    case RAWKEY_PAGEDOWN:
        ScrollView(-page);
        return;
    default:
        break;
    }
    if (lingering_)
        return;
    switch (code) {
    case RAWKEY_UP:
        if (shift)
            ScrollView(page);
        else
            Edited(editor_.Up());
        return;
    case RAWKEY_DOWN:
        if (shift)
            ScrollView(-page);
        else
            Edited(editor_.Down());
        return;
    case RAWKEY_LEFT:
        Edited(shift ? editor_.Home() : editor_.Left());
        return;
    case RAWKEY_RIGHT:
        Edited(shift ? editor_.End() : editor_.Right());
        return;
    case RAWKEY_HOME:
        Edited(editor_.Home());
        return;
    case RAWKEY_END:
        Edited(editor_.End());
        return;
    default:
        return;
    }
}

void ConsoleUnit::Return()
{
    std::string line = editor_.Take();
    grid_.PutText(line);
    grid_.NewLine();
    Queue(line + "\n", false);
    Repaint(false);
}

void ConsoleUnit::EndOfFile()
{
    // What is typed so far is read first, without a line feed; then the
    // reader sees the end of the input. Later reads wait for more.
    std::string line = editor_.Take();
    if (!line.empty()) {
        grid_.PutText(line);
        Queue(line, false);
    }
    Queue(std::string(), true);
    Repaint(false);
}

void ConsoleUnit::CloseGadget()
{
    PersonCloses();
}

void ConsoleUnit::PersonCloses()
{
    closedByPerson_ = true;
    view_.Close();
    if (lingering_ || streams_ == 0)
        over_ = true;
    lingering_ = false;
    WakeReaders();
}

void ConsoleUnit::Edited(bool changed)
{
    if (!changed)
        return;
    grid_.SetViewOffset(0);
    Repaint(false);
}

void ConsoleUnit::ScrollView(LONG rows)
{
    LONG offset = static_cast<LONG>(grid_.ViewOffset()) + rows;
    grid_.SetViewOffset(static_cast<std::size_t>(std::max<LONG>(offset, 0)));
    Repaint(false);
}

void ConsoleUnit::ScrollerHeld(bool held)
{
    view_.SetScrollerHeld(held);
    ULONG top = 0;
    if (!held && view_.Scroller() != nullptr && GetAttr(PGA_Top, view_.Scroller(), &top) != 0)
        ScrollerMoved(top);   // where the knob was let go
}

void ConsoleUnit::ScrollerMoved(ULONG top)
{
    std::size_t history = grid_.HistoryRows();
    std::size_t shownTop = std::min<std::size_t>(top, history);
    grid_.SetViewOffset(history - shownTop);
    view_.NoteScrollerTop(static_cast<ULONG>(grid_.ViewTop()));
    Repaint(false);
}

void ConsoleUnit::MakeRoomForTyping()
{
    // The typed line hangs from the cursor; it must not run off the bottom.
    const std::size_t length = editor_.Text().size();
    if (length == 0)
        return;
    const std::size_t columns = static_cast<std::size_t>(grid_.Columns());
    const LONG below = static_cast<LONG>((static_cast<std::size_t>(grid_.CursorColumn()) + length) / columns);
    const LONG overflow = grid_.CursorRow() + below - (grid_.Rows() - 1);
    if (overflow > 0)
        grid_.ScrollUp(std::min(overflow, grid_.CursorRow()));
}

void ConsoleUnit::Repaint(bool full)
{
    changed_ = false;
    if (!view_.IsOpen())
        return;
    LONG columns, rows;
    view_.GridSize(columns, rows);
    if (columns != grid_.Columns() || rows != grid_.Rows()) {
        grid_.Resize(columns, rows);
        full = true;
    }
    const bool typing = !lingering_;
    if (typing)
        MakeRoomForTyping();
    const bool cursor = readerSeen_ && typing && grid_.CursorShown();
    view_.Paint(ComposeRows(grid_, typing ? &editor_ : nullptr, cursor), grid_, full);
}

}  // namespace hosted
