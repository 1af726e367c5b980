// fileops/rename.cpp: the field's text per entry under the "Rename string:" setting, and one rename.
#include "rename.h"

#include "names.h"

#include <proto/dos.h>

#include <cstring>

namespace {

constexpr UBYTE SettingStays = 1;
constexpr UBYTE SettingEmpty = 0;

// The field holds at most this many characters.
constexpr ULONG RenameTextMax = 255;

}  // namespace

RenameFill RenameFillOf(UBYTE setting)
{
    switch (setting) {
    case SettingStays:
        return RenameFill::Stays;
    case SettingEmpty:
        return RenameFill::Empty;
    default:
        return RenameFill::Name;
    }
}

BOOL FillRenameField(RenameFill fill, BOOL first, CONST_STRPTR name, STRPTR field, ULONG size)
{
    if (size == 0)
        return FALSE;
    if (fill == RenameFill::Stays && !first)
        return FALSE;
    if (fill == RenameFill::Empty) {
        field[0] = '\0';
        return TRUE;
    }
    std::strncpy(field, name, size - 1);
    field[size - 1] = '\0';
    return TRUE;
}

RenameAttempt RenameEntry(CONST_STRPTR from, CONST_STRPTR to)
{
    RenameAttempt attempt;
    attempt.refusal = NameRefusal(to, RenameTextMax);
    if (attempt.refusal != nullptr)
        return attempt;
    attempt.renamed = Rename(from, to);
    if (!attempt.renamed)
        attempt.error = IoErr();
    return attempt;
}
