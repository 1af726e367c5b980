// core/drawer_paths.cpp: appending to and cutting drawer paths within their buffers.
#include "drawer_paths.h"

#include <lister/entry_buffer.h>
#include <proto/dos.h>

#include <cstring>

BOOL PathIsRoot(CONST_STRPTR path)
{
    size_t length = std::strlen(path);
    return length > 0 && path[length - 1] == ':';
}

BOOL AppendDrawerName(STRPTR path, ULONG size, CONST_STRPTR name)
{
    size_t length = strnlen(path, size);
    if (length >= size)
        return FALSE;
    bool slash = length > 0 && path[length - 1] != ':';
    size_t nameLength = std::strlen(name);
    if (length + (slash ? 1 : 0) + nameLength + 1 > size)
        return FALSE;
    if (slash)
        path[length++] = '/';
    std::memcpy(path + length, name, nameLength + 1);
    return TRUE;
}

ParentCut CutToParent(STRPTR path)
{
    size_t length = std::strlen(path);
    for (size_t i = length >= 2 ? length - 1 : 0; i-- > 0;) {
        if (path[i] == '/') {
            path[i] = '\0';
            return ParentCut::AtSlash;
        }
        if (path[i] == ':') {
            path[i + 1] = '\0';
            return ParentCut::AtColon;
        }
    }
    return ParentCut::NoSeparator;
}

BOOL CopyPath(STRPTR to, ULONG size, CONST_STRPTR from)
{
    size_t length = std::strlen(from);
    if (length + 1 > size)
        return FALSE;
    std::memmove(to, from, length + 1);
    return TRUE;
}

BOOL ResolveFullPath(STRPTR path, ULONG size)
{
    if (std::strchr(path, ':') != nullptr)
        return FALSE;
    BPTR lock = Lock(path, SHARED_LOCK);
    if (lock == 0)
        return FALSE;
    char full[ListerPathSize];
    BOOL named = NameFromLock(lock, full, sizeof full);
    UnLock(lock);
    if (!named)
        return FALSE;
    return CopyPath(path, size, full);
}
