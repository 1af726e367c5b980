// core/variant.h: what distinguishes the programs built from this source: names, texts, files and the lister's role.
#ifndef CORE_VARIANT_H
#define CORE_VARIANT_H

#include <exec/types.h>

// Which lister a process runs. The single-lister programs run lister 1;
// the dual build runs lister 1 in the launching process and lister 2 in
// the process lister 1 creates.
enum class ListerRole : UBYTE {
    First = 1,
    Second = 2
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
};

#endif /* CORE_VARIANT_H */
