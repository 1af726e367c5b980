// core/save_settings.cpp: "Save settings": the configuration record into its file, then the user menus.
#include "lister_ops.h"

#include <fileops/replace_object.h>
#include <proto/dos.h>
#include <ui/requester.h>

namespace {

BOOL WriteRecord(BPTR file, void *context)
{
    return WriteConfigRecord(*static_cast<const ConfigRecord *>(context), file);
}

}  // namespace

void SaveSettings(Lister &lister)
{
    CONST_STRPTR fileName = lister.variant->configFileName;
    BPTR existing = Lock(fileName, SHARED_LOCK);
    if (existing != 0) {
        UnLock(existing);
        if (!SystemRequest(lister.Requests(), "The file already exist, overwrite ?", nullptr, "Overwrite", "Cancel"))
            return;
    }
    StoreDialogGeometry(lister.dialogs.geometry, lister.config);
    // Written beside the old file and swapped in only when whole: a full
    // disk leaves the settings saved last time, not a short file.
    LONG error = ReplaceObject(fileName, WriteRecord, &lister.config);
    if (error != 0) {
        FaultRequester(lister.Requests(), fileName, error, FaultButtons::AbortOnly);
        return;
    }
    (void)SaveUserMenus(lister);
}
