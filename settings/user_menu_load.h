// settings/user_menu_load.h: the user-menu file read from disk into the buffer that holds its image.
#ifndef SETTINGS_USER_MENU_LOAD_H
#define SETTINGS_USER_MENU_LOAD_H

#include <exec/types.h>

enum class UserMenuLoad : UBYTE {
    Missing,      // no such file: there are no user menus, and nothing to say
    Loaded,       // the image is in the buffer
    Damaged,      // larger than the buffer, a drawer, or shorter than it said: not a user-menu file
    Unreadable    // it could not be examined, opened or read whole: `error` says why
};

// Reads the file `path` whole into `buffer` (`size` bytes); `length` is
// its size. `error` is the code of the call that failed (Unreadable), taken
// right after it.
[[nodiscard]] UserMenuLoad LoadUserMenuImage(CONST_STRPTR path, UBYTE *buffer, ULONG size, ULONG &length,
                                             LONG &error);

#endif /* SETTINGS_USER_MENU_LOAD_H */
