// settings/config_record.cpp: the record's defaults, loading it from its file and writing it out.
#include "config_record.h"

#include <proto/dos.h>

#include <cstring>

void ConfigRecord::SetDefaults()
{
    std::memset(bytes, 0, sizeof bytes);
    SetCopyBufferSize(1 * ConfigMegabyte);
    SetListerBufferSize(2 * ConfigMegabyte);
    SetDirStackSize(1 * ConfigMegabyte);
    SetDirDepthSize(1 * ConfigMegabyte);
    SetBitmapSize(12 * ConfigMegabyte);
    SetDrawerTextColor(0x00EB4E11);
    SetListerTextColor(0x00100201);
    SetListerGradientBegin(0x002EE2B7);
    SetListerGradientEnd(0x00489702);
    SetExtraSpaceFilename(1);
    SetCopyDelay(75);
    SetDateFormat(0);
    SetDayNameSubstitution(1);
    SetWindowTextColor(0x00DBEFEC);
    SetWindowGradientBegin(0x0032A7AB);
    SetWindowGradientEnd(0x00EF0032);
    SetRenameString(RenameStringName);
    SetSortOrder(SortNameCase);
    SetDialogLeft(32);
    SetDialogTop(32);
    SetDialogInnerWidth(450);
    SetDialogInnerHeight(256);
    SetCopyComment(1);
}

LoadSettingsResult LoadSettings(ConfigRecord &record, CONST_STRPTR fileName)
{
    BPTR lock = Lock(fileName, SHARED_LOCK);
    if (lock == 0)
        return LoadSettingsResult::NoFile;

    // The FileInfoBlock is 264 bytes: small enough for the stack, and it
    // keeps this call free of allocations.
    struct FileInfoBlock fib;
    LoadSettingsResult result = LoadSettingsResult::Unreadable;
    if (Examine(lock, &fib)) {
        if (fib.fib_DirEntryType >= 0 || fib.fib_Size64 != ConfigRecordSize) {
            result = LoadSettingsResult::WrongSize;
        } else if (BPTR file = Open(fileName, MODE_OLDFILE)) {
            // Read into a copy so that a file cut short while we read it
            // cannot leave the record half old, half new.
            UBYTE image[ConfigRecordSize];
            if (Read(file, image, ConfigRecordSize) == LONG(ConfigRecordSize)) {
                std::memcpy(record.Bytes(), image, ConfigRecordSize);
                result = LoadSettingsResult::Loaded;
            }
            Close(file);
        }
    }
    UnLock(lock);
    return result;
}

BOOL WriteConfigRecord(const ConfigRecord &record, BPTR file)
{
    LONG written = Write(file, record.Bytes(), ConfigRecordSize);
    if (written == LONG(ConfigRecordSize))
        return TRUE;
    if (written >= 0)
        SetIoErr(ERROR_DISK_FULL);
    return FALSE;
}
