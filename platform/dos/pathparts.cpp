// dos/pathparts.cpp: FilePart, PathPart and AddPart: taking paths apart and joining them as text.
#include "dosprivate.h"

#include <cstring>
#include <string>

/* The last component of a path: after its last "/" or ":", else the whole
   path. Points into path. */
STRPTR FilePart(CONST_STRPTR path)
{
    if (path == nullptr)
        return nullptr;
    const char *part = path;
    for (const char *c = path; *c != 0; c++) {
        if (*c == '/' || *c == ':')
            part = c + 1;
    }
    return const_cast<STRPTR>(part);
}

/* Where the last component of a path begins, including the "/" that joins
   it to the drawer before it: "Work:a/b" gives "/b", "Work:b" and "b" give
   "b". Slashes that stand for parents ("//b", "Work:/b") are kept.
   Writing a zero there leaves the drawer's path. Points into path. */
STRPTR PathPart(CONST_STRPTR path)
{
    if (path == nullptr)
        return nullptr;
    const char *last = nullptr;
    for (const char *c = path; *c != 0; c++) {
        if (*c == '/' || *c == ':')
            last = c;
    }
    if (last == nullptr)
        return const_cast<STRPTR>(path);
    if (*last == ':' || last == path || last[-1] == '/' || last[-1] == ':')
        return const_cast<STRPTR>(last + 1);
    return const_cast<STRPTR>(last);
}

/* Appends a name (or a relative path) to a drawer path in place, adding a
   "/" where one is needed. A name holding ":" replaces the drawer path; each
   leading "/" of the name takes one component off the drawer path (where
   there is none left to take, the "/" is kept). FALSE, with dirName
   unchanged and IoErr ERROR_LINE_TOO_LONG, when the result and its zero do
   not fit in size bytes. */
BOOL AddPart(STRPTR dirName, CONST_STRPTR fileName, ULONG size)
{
    if (dirName == nullptr || fileName == nullptr) {
        hosted::Fail(ERROR_REQUIRED_ARG_MISSING);
        return FALSE;
    }
    std::string result;
    if (std::strchr(fileName, ':') != nullptr) {
        result = fileName;
    } else {
        result = dirName;
        const char *rest = fileName;
        while (*rest == '/') {
            rest++;
            if (result.empty() || result.back() == ':' || result.back() == '/') {
                result += '/';
                continue;
            }
            const char *cut = PathPart(result.c_str());
            result.resize(static_cast<size_t>(cut - result.c_str()));
        }
        if (*rest != 0) {
            if (!result.empty() && result.back() != ':' && result.back() != '/')
                result += '/';
            result += rest;
        }
    }
    if (result.size() + 1 > size) {
        hosted::Fail(ERROR_LINE_TOO_LONG);
        return FALSE;
    }
    std::memcpy(dirName, result.c_str(), result.size() + 1);
    return TRUE;
}
