// asl/requester.cpp: AllocAslRequest, AslRequest and FreeAslRequest: the file requester's record and its results.
#include "session.h"

#include <proto/asl.h>
#include <proto/dos.h>

#include <mutex>
#include <new>
#include <unordered_set>

namespace hosted::asl {

namespace {

std::mutex &LiveLock()
{
    static auto *lock = new std::mutex;
    return *lock;
}

std::unordered_set<FileRequest *> &Live()
{
    static auto *live = new std::unordered_set<FileRequest *>;
    return *live;
}

FileRequest *Find(APTR requester)
{
    std::lock_guard<std::mutex> guard(LiveLock());
    auto *r = static_cast<FileRequest *>(requester);
    return Live().count(r) != 0 ? r : nullptr;
}

// Points the program's fields at what the record holds.
void Publish(FileRequest &r)
{
    r.fr.fr_File = r.file.data();
    r.fr.fr_Drawer = r.drawer.data();
    r.fr.fr_Pattern = r.pattern.data();
    r.fr.fr_UserData = r.settings.userData;
}

std::string DefaultTitle(const Settings &s)
{
    if (s.drawersOnly)
        return "Select a drawer";
    return s.saveMode ? "Save a file" : "Select a file";
}

}  // namespace

int RunFileRequester(FileRequest &request, std::string &drawer, std::string &file)
{
    Settings settings = request.settings;
    request.settings.showVolumes = false;   // for this showing only
    if (!settings.titleGiven)
        settings.title = DefaultTitle(settings);
    Session session(request, settings);
    if (!session.Open())
        return -1;
    int result = session.Run();
    if (result == 1) {
        drawer = session.Drawer();
        file = session.File();
    }
    return result;
}

}  // namespace hosted::asl

using namespace hosted::asl;

/* Makes a file requester (reqType ASL_FileRequest) whose settings start
   from the ASLFR_ tags. NULL for other kinds (IoErr ERROR_NOT_IMPLEMENTED:
   this host has no font or screen mode requester) and when memory is short
   (ERROR_NO_FREE_STORE). */
APTR AllocAslRequest(ULONG reqType, const struct TagItem *tagList)
{
    if (reqType != ASL_FileRequest) {
        SetIoErr(ERROR_NOT_IMPLEMENTED);
        return nullptr;
    }
    auto *r = new (std::nothrow) FileRequest;
    if (r == nullptr) {
        SetIoErr(ERROR_NO_FREE_STORE);
        return nullptr;
    }
    try {
        ApplyTags(r->settings, tagList);
        r->drawer = r->settings.drawer;
        r->file = r->settings.file;
        r->pattern = r->settings.pattern;
        Publish(*r);
        std::lock_guard<std::mutex> guard(LiveLock());
        Live().insert(r);
    } catch (const std::bad_alloc &) {
        delete r;
        SetIoErr(ERROR_NO_FREE_STORE);
        return nullptr;
    }
    return &r->fr;
}

/* Shows the file requester and waits: a window (on ASLFR_Window's screen,
   ASLFR_Screen, ASLFR_PubScreenName or the default public screen) listing
   the drawer (ASLFR_InitialDrawer, else the last one chosen), drawers
   first; a drawer field, a file field (not with ASLFR_DrawersOnly), and
   the buttons positive ("OK"), "Volumes", "Parent" and negative
   ("Cancel"). One click selects (and fills the file field, or in
   drawers-only mode the drawer field), a double-click opens a drawer or
   chooses a file, a path typed into the drawer field is gone to. The
   window can be sized and keeps its size and place for the rest of the
   run (a requester shown for the first time takes the size and place the
   last one had, but opens over ASLFR_Window when it has one). The tags
   add to those given before. TRUE when a choice was made:
   fr_Drawer and fr_File hold it (the requester's, valid until the next
   AslRequest or FreeAslRequest) and the next showing starts there. FALSE
   with IoErr 0 when the person cancelled, FALSE with IoErr set when the
   requester cannot be shown (ERROR_REQUIRED_ARG_MISSING for something that
   is no requester). */
BOOL AslRequest(APTR requester, const struct TagItem *tagList)
{
    FileRequest *r = Find(requester);
    if (r == nullptr) {
        SetIoErr(ERROR_REQUIRED_ARG_MISSING);
        return FALSE;
    }
    try {
        ApplyTags(r->settings, tagList);
        std::string drawer, file;
        int result = RunFileRequester(*r, drawer, file);
        if (result < 0)
            return FALSE;
        r->fr.fr_UserData = r->settings.userData;
        if (result == 0) {
            SetIoErr(0);
            return FALSE;
        }
        r->drawer = drawer;
        r->file = file;
        r->settings.drawer = drawer;
        r->settings.file = file;
        Publish(*r);
        SetIoErr(0);
        return TRUE;
    } catch (const std::bad_alloc &) {
        SetIoErr(ERROR_NO_FREE_STORE);
        return FALSE;
    }
}

/* Frees a requester made by AllocAslRequest, with its texts. NULL (and
   anything that is no requester) is ignored. */
void FreeAslRequest(APTR requester)
{
    FileRequest *r = Find(requester);
    if (r == nullptr)
        return;
    {
        std::lock_guard<std::mutex> guard(LiveLock());
        Live().erase(r);
    }
    delete r;
}
