// core/save_settings.cpp: "Save settings": the configuration record into its file, then the user menus.
#include "lister_ops.h"

#include "requester.h"

#include <proto/dos.h>

void SaveSettings(Lister &lister)
{
    CONST_STRPTR fileName = lister.variant->configFileName;
    BPTR existing = Lock(fileName, SHARED_LOCK);
    if (existing != 0) {
        UnLock(existing);
        if (!SystemRequest(lister, "The file already exist, overwrite ?", nullptr, "Overwrite", "Cancel"))
            return;
    }
    StoreDialogGeometry(lister.dialogs.geometry, lister.config);
    BPTR file = Open(fileName, MODE_NEWFILE);
    if (file == 0) {
        FaultRequester(lister, fileName, FaultButtons::AbortOnly);
        return;
    }
    if (!WriteConfigRecord(lister.config, file)) {
        FaultRequester(lister, fileName, FaultButtons::AbortOnly);
        Close(file);
        return;
    }
    if (!Close(file)) {
        FaultRequester(lister, fileName, FaultButtons::AbortOnly);
        return;
    }
    SaveUserMenus(lister);
}
