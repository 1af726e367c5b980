// intuition/console/unit.h: one console: its text, the line being typed, its window, and what was typed and not yet read.
#ifndef INTUITION_CONSOLE_UNIT_H
#define INTUITION_CONSOLE_UNIT_H

#include "lineeditor.h"
#include "textgrid.h"
#include "view.h"

#include <hosted/console.h>

#include <deque>
#include <string>
#include <utility>
#include <vector>

struct Task;

namespace hosted {

// One console window and its streams. Every call is made with
// ConsoleLock() held; the handler task calls the ones for the window's
// messages, the streams the others.
//
// How it lives:
//  * The window opens when the console is opened, or with AUTO at the
//    first read or write.
//  * Closing its close gadget (CLOSE) closes the window for good: what
//    was typed before is still read, then every read gives end of file;
//    writes are taken and go nowhere.
//  * When the last stream closes, the window closes too; with WAIT it
//    stays, served by the handler, until the person closes it with its
//    close gadget or Ctrl-\.
class ConsoleUnit {
public:
    explicit ConsoleUnit(const ConsoleSpec &shape);
    ConsoleUnit(const ConsoleUnit &) = delete;
    ConsoleUnit &operator=(const ConsoleUnit &) = delete;

    const ConsoleSpec &Shape() const { return shape_; }
    struct Window *Window() const { return view_.Window(); }
    const TextGrid &Grid() const { return grid_; }

    // --- The streams' side ---
    // Opens the window unless it is open or the person closed it. False
    // with `error` set when it cannot open.
    bool OpenWindow(LONG &error);
    // A stream more, or one fewer. Detach returns true when the console is
    // over (its window closed and no reason to keep it).
    void Attach();
    bool Detach();
    // False once the person closed the window or the console is over: a
    // new "CONSOLE:" then opens a new window.
    bool Usable() const { return !closedByPerson_ && !over_; }
    // Shows what a program wrote. Returns `length`; -1 with `error` set
    // when an AUTO window cannot open.
    LONG Write(const UBYTE *bytes, LONG length, LONG &error);
    // A read would return at once: a line (or an end of file) is waiting,
    // or the window was closed.
    bool InputReady() const;
    // Takes what a read returns: at most one line, `length` bytes of it at
    // most (the rest stays for the next read); 0 for an end of file.
    LONG TakeInput(UBYTE *buffer, LONG length);
    // Someone reads this console: it shows its cursor from now on.
    void NoteReader();
    // Tasks waiting in a read, signalled when input comes.
    void AddWaiter(struct Task *task, ULONG signals);
    void RemoveWaiter(struct Task *task);

    // --- The window's messages ---
    void Key(UWORD character, UWORD qualifier);
    void RawKey(UWORD code, UWORD qualifier);
    void CloseGadget();
    void Repaint(bool full);
    // Draws what writes changed since the window was last drawn.
    void PaintIfChanged()
    {
        if (changed_)
            Repaint(false);
    }
    void ScrollerHeld(bool held);
    void ScrollerMoved(ULONG top);
    // True when the console is over: the handler forgets it.
    bool Over() const { return over_; }
    ULONG Breaks() const { return breaks_; }

private:
    ConsoleUnit(const ConsoleSpec &shape, ConsolePens pens);

    struct Input {
        std::string bytes;
        bool endOfFile = false;
    };

    void Return();
    void EndOfFile();
    void PersonCloses();
    void Edited(bool changed);
    void ScrollView(LONG rows);
    void MakeRoomForTyping();
    void WakeReaders();
    void Queue(std::string bytes, bool endOfFile);

    ConsoleSpec shape_;
    TextGrid grid_;
    LineEditor editor_;
    ConsoleView view_;
    std::deque<Input> input_;
    std::vector<std::pair<struct Task *, ULONG>> waiters_;
    int streams_ = 0;
    bool closedByPerson_ = false;
    bool lingering_ = false;   // WAIT: the streams are closed, the window stays
    bool over_ = false;
    ULONG breaks_ = 0;         // Ctrl-C typed so far
    bool readerSeen_ = false;
    bool changed_ = false;     // written to and not drawn yet
    ULONG bellsShown_ = 0;
};

}  // namespace hosted

#endif  // INTUITION_CONSOLE_UNIT_H
