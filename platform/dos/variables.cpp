// dos/variables.cpp: environment variables: files below ENV: (and ENVARC: when saved).
#include "dosprivate.h"

#include <strings.h>

#include <cstring>
#include <string>

using hosted::Fail;

namespace {

// The file name of a variable below an assign. Names may hold "/" for
// subdrawers and may start with "ENV:"; they may not climb out of it.
bool VariablePath(CONST_STRPTR name, const char *assign, std::string &path)
{
    if (name == nullptr || name[0] == 0) {
        Fail(ERROR_REQUIRED_ARG_MISSING);
        return false;
    }
    const char *bare = name;
    if (strncasecmp(bare, "ENV:", 4) == 0)
        bare += 4;
    if (bare[0] == 0 || bare[0] == '/' || std::strchr(bare, ':') != nullptr || std::strstr(bare, "//") != nullptr) {
        Fail(ERROR_INVALID_COMPONENT_NAME);
        return false;
    }
    path = std::string(assign) + ":" + bare;
    return true;
}

// Creates the drawers a variable's name asks for.
void MakeDrawers(const std::string &path)
{
    for (size_t slash = path.find('/'); slash != std::string::npos; slash = path.find('/', slash + 1)) {
        BPTR lock = CreateDir(path.substr(0, slash).c_str());
        UnLock(lock);
    }
}

bool WriteVariable(const std::string &path, CONST_STRPTR buffer, LONG size)
{
    MakeDrawers(path);
    BPTR file = Open(path.c_str(), MODE_NEWFILE);
    if (file == 0)
        return false;
    bool ok = size == 0 || Write(file, buffer, size) == size;
    LONG error = IoErr();
    if (!Close(file))
        return false;
    if (!ok)
        SetIoErr(error);
    return ok;
}

}  // namespace

/* Reads a variable into buffer (size bytes). Text: stops at the first line
   feed, cut to size - 1 bytes and zero-terminated. GVF_BINARY_VAR: the raw
   bytes, zero-terminated unless GVF_DONT_NULL_TERM (then up to size
   bytes). Returns the count of bytes put in the buffer (without the zero);
   IoErr then holds the whole variable's length. -1 with IoErr
   ERROR_OBJECT_NOT_FOUND when there is no such variable (also for
   GVF_LOCAL_ONLY: this host keeps no local variables), ERROR_BAD_NUMBER
   for a buffer of no size. */
LONG GetVar(CONST_STRPTR name, STRPTR buffer, LONG size, LONG flags)
{
    if (buffer == nullptr || size <= 0) {
        Fail(ERROR_BAD_NUMBER);
        return -1;
    }
    buffer[0] = 0;
    if (flags & GVF_LOCAL_ONLY) {
        Fail(ERROR_OBJECT_NOT_FOUND);
        return -1;
    }
    std::string path;
    if (!VariablePath(name, "ENV", path))
        return -1;
    BPTR file = Open(path.c_str(), MODE_OLDFILE);
    if (file == 0) {
        if (IoErr() == ERROR_OBJECT_WRONG_TYPE)
            Fail(ERROR_OBJECT_NOT_FOUND);
        return -1;
    }
    struct FileInfoBlock fib;
    LONG total = ExamineFH(file, &fib) ? fib.fib_Size : 0;
    bool binary = (flags & GVF_BINARY_VAR) != 0;
    bool terminate = !(binary && (flags & GVF_DONT_NULL_TERM));
    LONG room = terminate ? size - 1 : size;
    LONG got = room > 0 ? Read(file, buffer, room) : 0;
    LONG error = IoErr();
    Close(file);
    if (got < 0) {
        buffer[0] = 0;
        SetIoErr(error);
        return -1;
    }
    if (!binary) {
        auto *lineFeed = static_cast<char *>(std::memchr(buffer, '\n', static_cast<size_t>(got)));
        if (lineFeed != nullptr)
            got = static_cast<LONG>(lineFeed - buffer);
    }
    if (terminate)
        buffer[got] = 0;
    SetIoErr(total);
    return got;
}

/* Sets a variable: size bytes of buffer (-1: up to its zero). Drawers
   named in the variable's name are made. GVF_SAVE_VAR writes ENVARC: too,
   so that the value outlives the session. FALSE with IoErr set on
   failure; GVF_LOCAL_ONLY fails with ERROR_NOT_IMPLEMENTED (no local
   variables on this host). */
BOOL SetVar(CONST_STRPTR name, CONST_STRPTR buffer, LONG size, LONG flags)
{
    if (flags & GVF_LOCAL_ONLY) {
        Fail(ERROR_NOT_IMPLEMENTED);
        return FALSE;
    }
    if (buffer == nullptr)
        return DeleteVar(name, static_cast<ULONG>(flags));
    if (size < 0)
        size = static_cast<LONG>(std::strlen(buffer));
    std::string path;
    if (!VariablePath(name, "ENV", path) || !WriteVariable(path, buffer, size))
        return FALSE;
    if (flags & GVF_SAVE_VAR) {
        std::string archive;
        if (!VariablePath(name, "ENVARC", archive) || !WriteVariable(archive, buffer, size))
            return FALSE;
    }
    return TRUE;
}

/* Deletes a variable (with GVF_SAVE_VAR also its ENVARC: copy). FALSE with
   IoErr ERROR_OBJECT_NOT_FOUND when there is none. */
BOOL DeleteVar(CONST_STRPTR name, ULONG flags)
{
    std::string path;
    if (!VariablePath(name, "ENV", path))
        return FALSE;
    bool deleted = DeleteFile(path.c_str()) != 0;
    LONG error = IoErr();
    if (flags & GVF_SAVE_VAR) {
        std::string archive;
        if (VariablePath(name, "ENVARC", archive) && DeleteFile(archive.c_str()))
            deleted = true;
        else if (!deleted)
            error = IoErr();
    }
    if (!deleted) {
        SetIoErr(error);
        return FALSE;
    }
    return TRUE;
}

/* This host keeps no local variables: always NULL with IoErr
   ERROR_OBJECT_NOT_FOUND. */
struct LocalVar *FindVar(CONST_STRPTR name, ULONG type)
{
    (void)name;
    (void)type;
    Fail(ERROR_OBJECT_NOT_FOUND);
    return nullptr;
}
