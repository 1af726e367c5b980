// fileops/expand_function.h: ExpandFunction: a user menu item's function text made into one command line.
#ifndef FILEOPS_EXPAND_FUNCTION_H
#define FILEOPS_EXPAND_FUNCTION_H

#include <exec/types.h>

// One selected entry of the lister as a user menu run sees it.
struct MenuRunEntry {
    CONST_STRPTR name = nullptr;      // relative to the current directory
    CONST_STRPTR comment = nullptr;
    ULONG row = 0;                    // its place in the display order; only the selection reads it
};

// The row before the first: SelectedAfter(BeforeFirstRow, …) gives the first.
constexpr ULONG BeforeFirstRow = ~ULONG(0);

// The lister's selection, in display order. The lister gives its own; a
// test gives a list.
class MenuRunSelection {
public:
    virtual ~MenuRunSelection() = default;

    // The first selected entry after row `row`. FALSE when there is none.
    virtual BOOL SelectedAfter(ULONG row, MenuRunEntry &entry) = 0;

    // The run has finished with `entry`: it is deselected, unless the
    // person keeps entries selected after operations.
    virtual void ActedOn(const MenuRunEntry &entry) = 0;
};

// Who answers "%i…%i": the prompt dialog with the item's name as its title.
class ArgumentPrompt {
public:
    virtual ~ArgumentPrompt() = default;

    // TRUE with the typed text in `text` (`size` bytes); FALSE when the
    // person cancelled or closed it.
    virtual BOOL AskArguments(CONST_STRPTR title, CONST_STRPTR prompt, STRPTR text, ULONG size) = 0;
};

// What one expansion works from.
struct ExpandRequest {
    CONST_STRPTR function = "";           // the item's function text
    ULONG from = 0;                       // where this command line starts in it: 0, or just after a "%n"
    const MenuRunEntry *current = nullptr;  // nullptr: no entry (start always, nothing selected)
    BOOL allAtOnce = FALSE;               // "%s" is the current and every later selected name
    MenuRunSelection *selection = nullptr;  // for those later names
    CONST_STRPTR drawer = "";             // "%p": the lister's drawer
    CONST_STRPTR destination = "";        // "%d": the DestinationPath
    CONST_STRPTR itemName = "";           // the title of the "%i" dialog
    ArgumentPrompt *prompt = nullptr;     // nullptr: "%i" is never answered
};

// Where the command line is built (the CopyBuffer) and where the texts of
// "%C…%C" and "%i…%i" are kept while it is (the Dir depth buffer; at
// least 3 × 1024 bytes).
struct ExpandBuffers {
    STRPTR line = nullptr;
    ULONG lineSize = 0;
    STRPTR scratch = nullptr;
    ULONG scratchSize = 0;
};

enum class ExpandStatus : UBYTE {
    Command,       // `line` holds a command to run
    GoToDrawer,    // "%l": `goTo` names the drawer to show; nothing runs
    Unclosed,      // a "%C" or "%i" without its closing marker: nothing runs, the run ends
    TooLong,       // the line, or a marker's text, would outgrow its buffer: refused, nothing cut
    NotAnswered    // the "%i" dialog was cancelled or closed: this entry is skipped
};

struct ExpandResult {
    ExpandStatus status = ExpandStatus::Command;
    BOOL more = FALSE;                   // a "%n" ended the line: the next one starts at `next`
    ULONG next = 0;
    CONST_STRPTR directory = nullptr;    // "%c" or "%C…%C": the drawer to run in (nullptr: the current one)
    BOOL refresh = FALSE;                // "%r": read the drawer again when the run ends
    CONST_STRPTR goTo = nullptr;         // "%l": the rest of the function text
};

// ExpandFunction: copies the function text from `request.from` into
// `buffers.line` until its end or a "%n", replacing the placeholders:
//   %s  the current entry's name as it is; with all at once the current
//       and every later selected entry's name, each in double quotes (and
//       escaped inside them as the shell reads it), one blank apart
//   %h  the current entry's comment
//   %p  the drawer; %P the same followed by "/" unless it ends in ":"
//   %d  the destination; %D the same followed by "/" unless it ends in ":"
//   %c  the destination is the drawer to run in; inserts nothing
//   %C…%C  the text between the markers is the drawer to run in
//   %i…%i  the text between is a prompt; what is typed goes here
//   %n  ends this line; the rest is the next command for the same entry
//   %l  the rest of the text is a drawer to show; nothing runs
//   %r  the drawer is read again at the end; inserts nothing
// A "%" before any other character is copied with it, a final "%" as it
// is; placeholders are case-sensitive. With no current entry "%s" and "%h"
// insert nothing. The line is NUL-terminated; on TooLong it holds nothing
// meant to run. Failure is the status; nothing else is reported here.
[[nodiscard]] ExpandResult ExpandFunction(const ExpandRequest &request, const ExpandBuffers &buffers);

#endif /* FILEOPS_EXPAND_FUNCTION_H */
