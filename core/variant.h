// core/variant.h: what distinguishes the programs built from this source: names, texts, files and the lister's role.
#ifndef CORE_VARIANT_H
#define CORE_VARIANT_H

#include <exec/types.h>

class ConfigRecord;

// Which lister a process runs. The single-lister programs run lister 1;
// the dual build runs lister 1 in the launching process and lister 2 in
// the process lister 1 creates.
enum class ListerRole : UBYTE {
    First = 1,
    Second = 2
};

// Where a program composes its lister and how the picture reaches the window.
enum class ListerRendering : UBYTE {
    // In the "Bitmap" buffer of the BufferSet, pixels 0, red, green, blue,
    // copied with WritePixelArray (or the "no cgx_wpa:" direct path).
    Buffer,
    // Straight in a BGRA32 graphics bitmap of the screen, allocated per
    // drawer and blitted; the BufferSet has no "Bitmap" buffer, and the
    // record's "Bitmap" size field carries the status line buffer's size.
    ScreenBitMap
};

// A program's description. Every text here is shown or used as it stands.
// Descriptions are constant data: several listers may read one at once.
struct ProgramVariant {
    CONST_STRPTR programName;        // "Kestrovane"
    CONST_STRPTR versionText;        // the "About" body: name, version, date
    CONST_STRPTR startFailureText;   // written to the error console when the buffers cannot be had
    CONST_STRPTR errorConsoleName;   // the "CON:" window of fatal messages
    CONST_STRPTR configFileName;     // "PROGDIR:Kestrovane.cfg"
    CONST_STRPTR userMenuFileName;   // "PROGDIR:KestrovaneUsermenus.cfg"
    CONST_STRPTR helpFileName;       // "Kestrovane.guide", looked for in the start drawer, then PROGDIR:
    ListerRole role;
    ListerRendering rendering = ListerRendering::Buffer;
    // The public screen the lister's windows, the viewer and the help open
    // on; nullptr: the default public screen.
    CONST_STRPTR screenName = nullptr;
    // Two listers side by side on the program's own screen, each copying
    // into the other's drawer (the dual build). Their windows have no size
    // gadget and are placed by role; their menus are the role's.
    BOOL paired = FALSE;
    // Changes the record's built-in defaults before its file is read
    // (lister 2 of the dual build has colours and a copy delay of its own).
    void (*adjustDefaults)(ConfigRecord &config) = nullptr;
};

#endif /* CORE_VARIANT_H */
