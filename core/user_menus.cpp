// core/user_menus.cpp: the user menus on a lister: read at start-up and "Restart", written by "Save settings", edited, in the strip.
#include "user_menus.h"

#include "lister_ops.h"

#include <fileops/replace_object.h>
#include <proto/dos.h>
#include <proto/intuition.h>
#include <settings/user_menu_load.h>
#include <settings/windows/user_menu_editor.h>
#include <ui/requester.h>
#include <texts/texts.h>

namespace {

static_assert(sizeof(UserMenuBlock) <= UserMenuBlockSize, "the user menus must fit their BufferSet entry");


struct ImageToWrite {
    const UBYTE *bytes;
    ULONG length;
};

BOOL WriteImage(BPTR file, void *context)
{
    const auto &image = *static_cast<const ImageToWrite *>(context);
    LONG written = Write(file, image.bytes, LONG(image.length));
    if (written == LONG(image.length))
        return TRUE;
    if (written >= 0)
        SetIoErr(ERROR_DISK_FULL);
    return FALSE;
}

}  // namespace

UserMenuBlock &UserMenusOf(Lister &lister)
{
    return *static_cast<UserMenuBlock *>(lister.buffers.Address(BufferUserMenus));
}

void LoadUserMenus(Lister &lister)
{
    UserMenuBlock &block = UserMenusOf(lister);
    ClearUserMenus(block);
    SetUserMenus(lister.menus, nullptr);
    CONST_STRPTR fileName = lister.variant->userMenuFileName;
    UBYTE *image = lister.buffers.Bytes(BufferCopy);
    ULONG length = 0;
    LONG error = 0;
    switch (LoadUserMenuImage(fileName, image, lister.buffers.Length(BufferCopy), length, error)) {
    case UserMenuLoad::Missing:
        return;
    case UserMenuLoad::Unreadable: {
        char reason[FaultTextSize];
        FaultText(error, reason);
        MessageRequest(lister.Requests(), fileName, reason);
        return;
    }
    case UserMenuLoad::Damaged:
        MessageRequest(lister.Requests(), fileName, UserMenuFileDamagedText);
        return;
    case UserMenuLoad::Loaded:
        break;
    }
    if (BuildUserMenus(block, image, length) != UserMenuFault::None) {
        MessageRequest(lister.Requests(), fileName, UserMenuFileDamagedText);
        return;
    }
    SetUserMenus(lister.menus, block.strip);
}

BOOL SaveUserMenus(Lister &lister)
{
    UserMenuBlock &block = UserMenusOf(lister);
    UserMenuFileView view = UserMenuViewOf(block);
    // No user menus: an older file stays, to be read at the next start.
    if (view.menuCount == 0)
        return TRUE;
    CONST_STRPTR fileName = lister.variant->userMenuFileName;
    ImageToWrite image{lister.buffers.Bytes(BufferCopy), 0};
    if (!WriteUserMenuImage(view, lister.buffers.Bytes(BufferCopy), lister.buffers.Length(BufferCopy), image.length)) {
        FaultRequester(lister.Requests(), fileName, ERROR_OBJECT_TOO_LARGE, FaultButtons::AbortOnly);
        return FALSE;
    }
    // Beside the old file until it is whole, as the settings file is.
    LONG error = ReplaceObject(fileName, WriteImage, &image);
    if (error != 0) {
        FaultRequester(lister.Requests(), fileName, error, FaultButtons::AbortOnly);
        return FALSE;
    }
    return TRUE;
}

struct Menu *UserMenuStrip(Lister &lister)
{
    if (!lister.buffers.Allocated())
        return nullptr;
    return UserMenusOf(lister).strip;
}

void ShowUserMenuSettings(Lister &lister)
{
    if (lister.window != nullptr)
        ClearMenuStrip(lister.window);
    SettingsContext context;
    context.toolkit = &lister.dialogs;
    context.listerGradient = &lister.listerGradient;
    SettingsOutcome outcome = RunUserMenuEditor(context, UserMenusOf(lister));
    // An item level's "OK" links at once, so the strip is set again
    // whatever the editor's ending.
    SetUserMenus(lister.menus, UserMenuStrip(lister));
    if (lister.window != nullptr)
        SetMenuStrip(lister.window, lister.menus.Strip());
    if (outcome.ending == SettingsOutcome::Ending::NotOpened)
        MessageRequest(lister.Requests(), SettingsWindowFailedText);
}
