// intuition/console/lineeditor.h: the line a person is typing into a console, with its editing keys and history.
#ifndef INTUITION_CONSOLE_LINEEDITOR_H
#define INTUITION_CONSOLE_LINEEDITOR_H

#include <exec/types.h>

#include <string>
#include <vector>

namespace hosted {

// The line being typed (Latin-1) and the place of the cursor in it. The
// console shows it at its cursor; Return hands it over.
class LineEditor {
public:
    static constexpr std::size_t kMaxLength = 4096;     // longer lines take no more characters
    static constexpr std::size_t kHistoryLines = 50;    // lines Up and Down bring back

    const std::string &Text() const { return text_; }
    std::size_t Cursor() const { return cursor_; }
    // Grows with every change, so a painter can tell what it has shown.
    ULONG Version() const { return version_; }

    // Each returns true when the line or its cursor changed.
    bool Insert(UBYTE character);   // printable Latin-1 only
    bool BackSpace();
    bool Delete();
    bool Left();
    bool Right();
    bool Home();
    bool End();
    bool Erase();   // the whole line (Ctrl-X)
    bool Up();      // the line typed before this one
    bool Down();

    // Takes the line away (it joins the history when it is not empty) and
    // starts an empty one.
    std::string Take();

private:
    void Changed() { version_++; }

    std::string text_;
    std::size_t cursor_ = 0;
    ULONG version_ = 0;
    std::vector<std::string> history_;
    std::size_t historyPlace_ = 0;   // history_.size(): the line being typed
    std::string typed_;              // the line being typed while the history is shown
};

}  // namespace hosted

#endif  // INTUITION_CONSOLE_LINEEDITOR_H
