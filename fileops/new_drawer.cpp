// fileops/new_drawer.cpp: a drawer made or found, and its icon written whole beside it before it takes its name.
#include "new_drawer.h"

#include "replace_object.h"
#include "scoped.h"

#include <dos/var.h>
#include <proto/dos.h>

#include <cstring>

namespace {

constexpr LONG TemplateFlags = GVF_GLOBAL_ONLY | GVF_BINARY_VAR | GVF_DONT_NULL_TERM;   // 0x0D00
constexpr char TemplateVariable[] = "ENV:sys/def_drawer.info";
constexpr char TemplatePathVariable[] = "ENV:DefIcon_Path";
constexpr char TemplateName[] = "def_drawer.info";
constexpr char IconSuffix[] = ".info";

BOOL IsDrawer(CONST_STRPTR name)
{
    ScopedLock lock(Lock(name, SHARED_LOCK));
    if (!lock)
        return FALSE;
    struct FileInfoBlock fib;
    return Examine(lock.Get(), &fib) && fib.fib_DirEntryType > 0;
}

}  // namespace

LONG MakeDrawer(CONST_STRPTR name)
{
    BPTR lock = CreateDir(name);
    if (lock != 0) {
        UnLock(lock);
        return 0;
    }
    LONG error = IoErr();
    if (error == ERROR_OBJECT_EXISTS && IsDrawer(name))
        return 0;
    return error;
}

LONG ReadDrawerIconTemplate(UBYTE *buffer, ULONG size)
{
    if (buffer == nullptr || size == 0)
        return -1;
    LONG length = GetVar(TemplateVariable, reinterpret_cast<STRPTR>(buffer), LONG(size), TemplateFlags);
    if (length >= 0)
        return length;
    char path[DefIconPathSize];
    if (GetVar(TemplatePathVariable, path, sizeof path, GVF_GLOBAL_ONLY) < 0)
        return -1;
    // The value names a drawer of ENV: and ends in "/" or ":": the file
    // name goes straight behind it.
    size_t used = std::strlen(path);
    if (used + sizeof TemplateName > sizeof path)
        return -1;
    std::memcpy(path + used, TemplateName, sizeof TemplateName);
    return GetVar(path, reinterpret_cast<STRPTR>(buffer), LONG(size), TemplateFlags);
}

IconOutcome MakeDrawerIcon(CONST_STRPTR name, UBYTE *buffer, ULONG size, OperationControl &control)
{
    LONG length = ReadDrawerIconTemplate(buffer, size);
    if (length < 0)
        return IconOutcome::NoTemplate;

    char icon[DrawerNameMax + sizeof IconSuffix];
    size_t nameLength = std::strlen(name);
    if (nameLength > DrawerNameMax)
        return IconOutcome::NoTemplate;   // NameRefusal keeps such names from coming here
    std::memcpy(icon, name, nameLength);
    std::memcpy(icon + nameLength, IconSuffix, sizeof IconSuffix);
    {
        ScopedLock existing(Lock(icon, SHARED_LOCK));
        if (existing)
            return IconOutcome::Exists;
    }

    char temporary[SidePathSize];
    if (!MakeSideName(icon, SideName::Temporary, temporary, sizeof temporary)) {
        control.Failure(icon, ERROR_OBJECT_TOO_LARGE, FaultButtons::AbortOnly);
        return IconOutcome::Failed;
    }
    ScopedFile file(Open(temporary, MODE_NEWFILE));
    if (!file) {
        LONG error = IoErr();
        control.Failure(icon, error, FaultButtons::AbortOnly);
        return IconOutcome::Failed;
    }
    LONG written = Write(file.Get(), buffer, length);
    LONG error = written == length ? 0 : written < 0 ? IoErr() : ERROR_DISK_FULL;
    if (!file.Close() && error == 0)
        error = IoErr();
    if (error == 0 && !Rename(temporary, icon)) {
        error = IoErr();
        // Someone made the icon meanwhile: theirs stays.
        if (error == ERROR_OBJECT_EXISTS) {
            DeleteFile(temporary);
            return IconOutcome::Exists;
        }
    }
    if (error != 0) {
        DeleteFile(temporary);
        control.Failure(icon, error, FaultButtons::AbortOnly);
        return IconOutcome::Failed;
    }
    return IconOutcome::Written;
}
