// workbench/wbprivate.h: what the information window's files share: the object's facts, its protection, the layout.
#ifndef WORKBENCH_WBPRIVATE_H
#define WORKBENCH_WBPRIVATE_H

#include <dos/dos.h>
#include <intuition/intuition.h>

#include <string>
#include <vector>

namespace hosted::wb {

// --- The object ---------------------------------------------------------------------

enum class ObjectKind : UBYTE { File, Drawer, Volume };

struct ObjectInfo {
    std::string name;        // the object's name; a volume's name without the colon
    std::string path;        // where changes go: its full path
    ObjectKind kind = ObjectKind::File;
    UQUAD size = 0;          // files: bytes
    struct DateStamp date{};
    LONG protection = 0;     // fib_Protection
    std::string comment;
};

// Examines the object `name` in the drawer of `lock` ("" for the drawer
// itself; a volume's root is a volume). False with IoErr set when it
// cannot be found or examined.
bool ReadObjectInfo(BPTR lock, CONST_STRPTR name, ObjectInfo &info);

// The texts the window shows: "File", "Drawer", "Volume"; the size in bytes
// (with a rounded form for large sizes); the date and time as DateToStr
// gives them.
std::string KindText(ObjectKind kind);
std::string SizeText(UQUAD bytes);
std::string DateText(const struct DateStamp &date);

// --- Protection --------------------------------------------------------------------

// The eight flags the window shows, in its order: h s p a r w e d.
constexpr int kFlagCount = 8;
extern const char *const kFlagLabels[kFlagCount];

// Whether a flag shows as set: h s p a when their bit is set, r w e d (whose
// bits mean "not allowed") when their bit is clear.
bool FlagShown(LONG protection, int flag);

// The protection with the flags as shown; the other bits (group, other)
// stay as they were in `original`.
LONG ProtectionWith(LONG original, const bool shown[kFlagCount]);

// --- Layout ---------------------------------------------------------------------------

enum GadgetId : UWORD { IdSave = 1, IdCancel, IdComment, IdFlagBase = 10 };

struct InfoLayout {
    LONG innerWidth = 0;
    LONG innerHeight = 0;
    std::vector<struct IBox> labels;   // Name, Type, [Size,] Date, Protection, Comment
    std::vector<struct IBox> values;   // the value texts of Name, Type, [Size,] Date
    struct IBox flags[kFlagCount]{};
    struct IBox comment{};             // the field's text area (its frame lies 2 pixels outside)
    struct IBox save{};
    struct IBox cancel{};
};

// Lays the window out for a font: a column of labels, the values beside
// them (cut to maxInnerWidth), the eight flag buttons in two groups, the
// comment field, and "Save" at the left and "Cancel" at the right.
InfoLayout LayoutInfo(struct TextFont *font, const std::vector<std::string> &labels,
                      const std::vector<std::string> &values, LONG maxInnerWidth);

// A text cut to a width in the font, ending in "..." when it had to be cut.
std::string FittedText(struct TextFont *font, const std::string &text, LONG width);

// Shows the window and runs it until it is closed. False when it cannot open.
bool RunInfoWindow(ObjectInfo &info, struct Screen *screen);

}  // namespace hosted::wb

#endif  // WORKBENCH_WBPRIVATE_H
