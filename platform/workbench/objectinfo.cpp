// workbench/objectinfo.cpp: the facts the information window shows: examining the object, its texts, its protection flags.
#include "wbprivate.h"

#include <dos/datetime.h>
#include <proto/dos.h>

#include <cstdio>
#include <vector>

namespace hosted::wb {

const char *const kFlagLabels[kFlagCount] = {"h", "s", "p", "a", "r", "w", "e", "d"};

namespace {

// The protection bit of each flag, in the window's order.
constexpr LONG kFlagBits[kFlagCount] = {FIBF_HOLD, FIBF_SCRIPT, FIBF_PURE, FIBF_ARCHIVE,
                                        FIBF_READ, FIBF_WRITE,  FIBF_EXECUTE, FIBF_DELETE};

bool Inverted(int flag)
{
    return flag >= 4;   // r w e d are set when the action is not allowed
}

// The full path of a lock, however long.
bool PathOfLock(BPTR lock, std::string &path)
{
    std::vector<char> buffer(1024);
    for (int tries = 0; tries < 6; tries++) {
        if (NameFromLock(lock, buffer.data(), static_cast<LONG>(buffer.size()))) {
            path = buffer.data();
            return true;
        }
        if (IoErr() != ERROR_LINE_TOO_LONG)
            return false;
        buffer.resize(buffer.size() * 4);
    }
    return false;
}

}  // namespace

bool FlagShown(LONG protection, int flag)
{
    bool set = (protection & kFlagBits[flag]) != 0;
    return Inverted(flag) ? !set : set;
}

LONG ProtectionWith(LONG original, const bool shown[kFlagCount])
{
    LONG protection = original;
    for (int flag = 0; flag < kFlagCount; flag++) {
        bool set = Inverted(flag) ? !shown[flag] : shown[flag];
        if (set)
            protection |= kFlagBits[flag];
        else
            protection &= ~kFlagBits[flag];
    }
    return protection;
}

bool ReadObjectInfo(BPTR lock, CONST_STRPTR name, ObjectInfo &info)
{
    BPTR old = CurrentDir(lock);
    BPTR object = Lock(name != nullptr ? name : "", SHARED_LOCK);
    LONG error = object == 0 ? IoErr() : 0;
    CurrentDir(old);
    if (object == 0) {
        SetIoErr(error);
        return false;
    }
    auto *fib = static_cast<struct FileInfoBlock *>(AllocDosObject(DOS_FIB, nullptr));
    bool ok = fib != nullptr && Examine(object, fib) && PathOfLock(object, info.path);
    error = fib == nullptr ? ERROR_NO_FREE_STORE : IoErr();
    if (ok) {
        info.name = fib->fib_FileName;
        info.kind = fib->fib_DirEntryType == ST_ROOT ? ObjectKind::Volume
                    : fib->fib_DirEntryType > 0      ? ObjectKind::Drawer
                                                     : ObjectKind::File;
        info.size = fib->fib_Size64;
        info.date = fib->fib_Date;
        info.protection = fib->fib_Protection;
        info.comment = fib->fib_Comment;
    }
    if (fib != nullptr)
        FreeDosObject(DOS_FIB, fib);
    UnLock(object);
    if (!ok)
        SetIoErr(error);
    return ok;
}

std::string KindText(ObjectKind kind)
{
    switch (kind) {
    case ObjectKind::Drawer: return "Drawer";
    case ObjectKind::Volume: return "Volume";
    case ObjectKind::File: break;
    }
    return "File";
}

std::string SizeText(UQUAD bytes)
{
    std::string text = std::to_string(bytes) + (bytes == 1 ? " byte" : " bytes");
    static const char *const units[] = {"KB", "MB", "GB", "TB", "PB"};
    if (bytes >= 1024) {
        double value = static_cast<double>(bytes);
        int unit = -1;
        while (value >= 1024 && unit < 4) {
            value /= 1024;
            unit++;
        }
        char rounded[32];
        std::snprintf(rounded, sizeof rounded, " (%.1f %s)", value, units[unit]);
        text += rounded;
    }
    return text;
}

std::string DateText(const struct DateStamp &date)
{
    char day[LEN_DATSTRING + 1] = {};
    char day2[LEN_DATSTRING + 1] = {};
    char time[LEN_DATSTRING + 1] = {};
    struct DateTime dt{};
    dt.dat_Stamp = date;
    dt.dat_Format = FORMAT_DOS;
    dt.dat_StrDay = day;
    dt.dat_StrDate = day2;
    dt.dat_StrTime = time;
    if (!DateToStr(&dt))
        return "?";
    return std::string(day) + " " + day2 + " " + time;
}

}  // namespace hosted::wb
