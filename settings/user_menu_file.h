// settings/user_menu_file.h: the image of the user-menu file: checked whole, read into the records, written from them.
#ifndef SETTINGS_USER_MENU_FILE_H
#define SETTINGS_USER_MENU_FILE_H

#include <exec/types.h>

// The file is big-endian 32-bit words and padded strings, in this order:
//
//   u32 menu count M (1 … 10)
//   M times:  padded menu name
//             u32 item count N (1 … 10)
//             N times:  padded item name
//                       padded function
//                       u8 multitasking (0/1), u8 priority (two's complement),
//                       u8 output window enabled (0/0xFF), u8 all at once (0/1)
//                       u32 stack in bytes
//                       u32 start always (0/1)
//                       padded output window
//
// A padded string is its text, one NUL and filler up to the next multiple
// of four bytes: (length + 1) rounded up to 4. Filler means nothing.

constexpr ULONG UserMenuMax = 10;                 // menus, and items in a menu
constexpr ULONG UserMenuNameSize = 20;            // 19 characters and the NUL
constexpr ULONG UserMenuFunctionSize = 1024;      // 1023 characters
constexpr ULONG UserMenuOutputSize = 488;         // the record's room; 127 characters are edited
constexpr ULONG UserMenuOutputEditSize = 128;
constexpr ULONG UserMenuDefaultStack = 16384;

// The console a new item's command writes to when its output window is on.
extern const char UserMenuDefaultOutput[];

// An item's own values, in the order its record holds them after the
// menu structures. Booleans are 0 off, anything else on.
struct UserMenuItemFields {
    char name[UserMenuNameSize];
    char function[UserMenuFunctionSize];
    LONG multitasking;
    ULONG stack;
    LONG priority;
    LONG outputEnabled;
    LONG allAtOnce;
    LONG startAlways;
    char outputWindow[UserMenuOutputSize];
};

// A new item: `name` (cut to 19 characters), an empty function, 16384
// bytes of stack, priority 0, every switch off, the default output window.
void SetDefaultItemFields(UserMenuItemFields &fields, CONST_STRPTR name);

// The records as the file sees them: how many menus and items are linked,
// and where each name and item lives. Reading fills the counts and the
// storage the pointers name; writing reads them. Only the first
// `menuCount` menus and the first `itemCounts[m]` items of each are used.
struct UserMenuFileView {
    ULONG menuCount = 0;
    STRPTR menuNames[UserMenuMax] = {};                  // UserMenuNameSize bytes each
    ULONG itemCounts[UserMenuMax] = {};
    UserMenuItemFields *items[UserMenuMax][UserMenuMax] = {};
};

// Why an image was refused.
enum class UserMenuFault : UBYTE {
    None,
    Truncated,       // it ends inside a word or before a string's NUL
    MenuCount,       // a menu count of 0 or more than 10
    ItemCount,       // an item count of 0 or more than 10
    TextTooLong,     // a text longer than its field holds
    TrailingBytes,   // bytes after the last menu
    TooLarge         // larger than the buffer that holds it
};

// Reads the image of `size` bytes into `view`, whose pointers must all
// name storage (every menu name and every item slot). The whole image is checked
// before the first byte of a record is written: on any fault the records
// and `view.menuCount` are left as they were. Result: UserMenuFault::None
// when it was read.
[[nodiscard]] UserMenuFault ReadUserMenuImage(const UBYTE *image, ULONG size, UserMenuFileView &view);

// The image of `view` in `image` (`size` bytes); `length` is what it
// takes. Counts of 0 menus are written as they are (the caller writes no
// file then); an item count of 0 is written as 1 (a linked menu always has
// its first item). Filler is zero. FALSE when the counts are out of range
// or the image does not fit `size` (nothing useful is in `image` then).
[[nodiscard]] BOOL WriteUserMenuImage(const UserMenuFileView &view, UBYTE *image, ULONG size, ULONG &length);

// The bytes a padded string of `length` characters takes.
constexpr ULONG PaddedStringSize(ULONG length)
{
    return (length + 1 + 3) & ~ULONG(3);
}

#endif /* SETTINGS_USER_MENU_FILE_H */
