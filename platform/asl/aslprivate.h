// asl/aslprivate.h: what the file requester's files share: entries, paths, settings, the requester record, the layout.
#ifndef ASL_ASLPRIVATE_H
#define ASL_ASLPRIVATE_H

#include <intuition/classes.h>
#include <intuition/intuition.h>
#include <libraries/asl.h>

#include <string>
#include <vector>

namespace hosted::asl {

// --- What the list shows ---------------------------------------------------------

enum class EntryKind : UBYTE { File, Drawer, Volume, Assign };

struct Entry {
    std::string name;
    EntryKind kind = EntryKind::File;
    UQUAD size = 0;   // files: bytes
};

// A drawer's entries, or the volumes and assigns; error is the IoErr code
// when the drawer could not be read (entries then hold what was read).
struct Listing {
    std::vector<Entry> entries;
    LONG error = 0;
};

// Reads a drawer with Lock, Examine and ExNext: drawers first, then files,
// each in name order (case ignored). drawersOnly leaves out files,
// rejectIcons names ending in ".info".
Listing ReadDrawer(const std::string &drawer, bool drawersOnly, bool rejectIcons);

// The volumes, then the assigns, of the DOS list, as "Name:".
Listing ReadVolumes();

void SortEntries(std::vector<Entry> &entries);

// --- Paths -----------------------------------------------------------------------

// A name in a drawer: "Work:" + "a" = "Work:a", "Work:a" + "b" = "Work:a/b",
// "" + "b" = "b".
std::string JoinPath(const std::string &drawer, const std::string &name);

// The drawer above `drawer`, worked out from its text ("Work:a/b" ->
// "Work:a" -> "Work:") or, for a relative one, through its lock. False at
// a volume's root or when the drawer cannot be found: the list of volumes
// is the place above.
bool ParentPath(const std::string &drawer, std::string &parent);

// What a path names: 1 a drawer, -1 a file, 0 nothing that can be found.
int PathKind(const std::string &path);

// --- Settings: the tags --------------------------------------------------------------

struct Settings {
    std::string title;
    std::string positive = "OK";
    std::string negative = "Cancel";
    std::string drawer;
    std::string file;
    std::string pattern;
    std::string publicScreen;
    bool publicScreenGiven = false;
    struct Window *window = nullptr;
    struct Screen *screen = nullptr;
    bool titleGiven = false;
    bool drawersOnly = false;
    bool saveMode = false;
    bool rejectIcons = false;
    bool showVolumes = false;     // this time only
    APTR userData = nullptr;
    // Where the window goes; each part only when given (or remembered).
    LONG left = 0, top = 0, width = 0, height = 0;
    bool leftGiven = false, topGiven = false, widthGiven = false, heightGiven = false;
};

// Applies ASLFR_ tags (and the flag words) to settings.
void ApplyTags(Settings &settings, const struct TagItem *tags);

// --- The requester record -------------------------------------------------------------

// What AllocAslRequest hands out: the FileRequester first, so the
// program's pointer is the record's.
struct FileRequest {
    struct FileRequester fr{};
    Settings settings;
    std::string file;     // behind fr_File
    std::string drawer;   // behind fr_Drawer
    std::string pattern;  // behind fr_Pattern
};

// The window box of the last file requester that closed in this run, for
// requesters that have no place of their own yet. False when none closed.
bool LastWindowBox(LONG &left, LONG &top, LONG &width, LONG &height);
void RememberWindowBox(LONG left, LONG top, LONG width, LONG height);

// Shows the requester and runs it until the person chooses or cancels.
// 1: chosen (drawer and file set), 0: cancelled, -1: failed (IoErr set).
int RunFileRequester(FileRequest &request, std::string &drawer, std::string &file);

// --- Layout: where everything lies, from the font and the inner size ---------------------

enum GadgetId : UWORD {
    IdPositive = 1,
    IdVolumes,
    IdParent,
    IdNegative,
    IdDrawer,
    IdFile,
    IdScroller,
    IdRowBase = 100,
};

struct Layout {
    struct IBox list{};          // the recessed frame around the rows
    struct IBox rows{};          // inside it: the rows, then what is left over
    LONG rowHeight = 0;
    LONG rowCount = 0;
    struct IBox scroller{};
    struct IBox drawerLabel{};   // where "Drawer" is written
    struct IBox drawerField{};   // the text area of the field (its frame lies 2 pixels outside)
    struct IBox fileLabel{};
    struct IBox fileField{};     // Width 0 in drawers-only mode
    struct IBox buttons[4]{};    // positive, "Volumes", "Parent", negative
};

// Lays the requester out in an inner area of innerWidth x innerHeight.
Layout LayoutRequester(struct TextFont *font, LONG innerWidth, LONG innerHeight, bool drawersOnly,
                       const std::string &positive, const std::string &negative);

// The smallest inner size the layout works in, and the size it starts at.
void MinimumInnerSize(struct TextFont *font, bool drawersOnly, const std::string &positive,
                      const std::string &negative, LONG &width, LONG &height);
void DefaultInnerSize(struct TextFont *font, bool drawersOnly, const std::string &positive,
                      const std::string &negative, LONG &width, LONG &height);

// --- The list's rows ----------------------------------------------------------------------

enum class RowStyle : UBYTE { Blank, Message, File, Drawer, Volume };

// What one row gadget shows; the gadget's GA_UserData points at it.
struct RowView {
    std::string left;     // the name (or the message)
    std::string right;    // "Drawer", "Volume", "Assign" or the size
    RowStyle style = RowStyle::Blank;
    bool selected = false;
};

// The private class of the row gadgets: each draws its RowView and, when it
// shows an entry, answers a press with IDCMP_GADGETUP at once (so two
// presses are a double-click by their times).
struct IClass *RowClass();

}  // namespace hosted::asl

#endif  // ASL_ASLPRIVATE_H
