// fileops/names.cpp: NameRefusal: a name is checked whole before any call is made with it.
#include "names.h"

#include <cstring>
#include <texts/texts.h>

namespace {

constexpr ULONG IconSuffixLength = 5;   // ".info"

}  // namespace

CONST_STRPTR NameRefusal(CONST_STRPTR name, ULONG pathMax, BOOL withIcon)
{
    size_t length = std::strlen(name);
    if (length > pathMax)
        return NameTooLongForBufferText;
    // "Work:" or "Drawer/" names no object of its own to give an icon to.
    if (withIcon && length != 0 && (name[length - 1] == '/' || name[length - 1] == ':'))
        return NoDrawerNameForIconText;
    size_t part = 0;
    for (size_t i = 0; i <= length; i++) {
        if (i == length || name[i] == '/' || name[i] == ':') {
            if (part > ObjectNameMax)
                return NameTooLongText;
            if (i == length && withIcon && part > ObjectNameMax - IconSuffixLength)
                return NameTooLongForIconText;
            part = 0;
        } else {
            part++;
        }
    }
    return nullptr;
}
