// settings/user_menu_load.cpp: reading the user-menu file whole, bounded by its buffer.
#include "user_menu_load.h"

#include <proto/dos.h>

UserMenuLoad LoadUserMenuImage(CONST_STRPTR path, UBYTE *buffer, ULONG size, ULONG &length, LONG &error)
{
    length = 0;
    error = 0;
    BPTR lock = Lock(path, SHARED_LOCK);
    if (lock == 0) {
        error = IoErr();
        // Only a file that is not there means "no user menus"; one that is
        // there and cannot be reached is worth a word.
        return error == ERROR_OBJECT_NOT_FOUND || error == ERROR_DEVICE_NOT_MOUNTED ? UserMenuLoad::Missing
                                                                                    : UserMenuLoad::Unreadable;
    }
    // On the stack: loading the user menus allocates nothing.
    struct FileInfoBlock fib;
    UserMenuLoad result = UserMenuLoad::Unreadable;
    if (!Examine(lock, &fib)) {
        error = IoErr();
    } else if (fib.fib_DirEntryType >= 0 || fib.fib_Size64 > size) {
        result = UserMenuLoad::Damaged;
    } else if (BPTR file = Open(path, MODE_OLDFILE)) {
        ULONG wanted = ULONG(fib.fib_Size64);
        LONG got = wanted != 0 ? Read(file, buffer, wanted) : 0;
        if (got == LONG(wanted)) {
            length = wanted;
            result = UserMenuLoad::Loaded;
        } else if (got < 0) {
            error = IoErr();
        } else {
            result = UserMenuLoad::Damaged;   // cut short since it was examined
        }
        Close(file);
    } else {
        error = IoErr();
    }
    UnLock(lock);
    return result;
}
