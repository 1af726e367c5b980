// asl/settings.cpp: the file requester's ASLFR_ tags, and where its windows were last.
#include "aslprivate.h"

#include <proto/utility.h>

#include <mutex>

namespace hosted::asl {

namespace {

std::string Text(IPTR data)
{
    const char *text = reinterpret_cast<const char *>(data);
    return text != nullptr ? text : "";
}

std::mutex gBoxLock;
bool gBoxKnown = false;
LONG gBox[4] = {};

}  // namespace

void ApplyTags(Settings &s, const struct TagItem *tags)
{
    const struct TagItem *walk = tags;
    while (struct TagItem *tag = NextTagItem(&walk)) {
        IPTR d = tag->ti_Data;
        switch (tag->ti_Tag) {
        case ASLFR_Window: s.window = reinterpret_cast<struct Window *>(d); break;
        case ASLFR_Screen: s.screen = reinterpret_cast<struct Screen *>(d); break;
        case ASLFR_PubScreenName:
            s.publicScreen = Text(d);
            s.publicScreenGiven = d != 0;
            break;
        case ASLFR_UserData: s.userData = reinterpret_cast<APTR>(d); break;
        case ASLFR_TitleText:
            s.title = Text(d);
            s.titleGiven = d != 0;
            break;
        case ASLFR_PositiveText: s.positive = d != 0 ? Text(d) : "OK"; break;
        case ASLFR_NegativeText: s.negative = d != 0 ? Text(d) : "Cancel"; break;
        case ASLFR_InitialLeftEdge:
            s.left = static_cast<WORD>(d);
            s.leftGiven = true;
            break;
        case ASLFR_InitialTopEdge:
            s.top = static_cast<WORD>(d);
            s.topGiven = true;
            break;
        case ASLFR_InitialWidth:
            s.width = static_cast<WORD>(d);
            s.widthGiven = s.width > 0;
            break;
        case ASLFR_InitialHeight:
            s.height = static_cast<WORD>(d);
            s.heightGiven = s.height > 0;
            break;
        case ASLFR_InitialFile: s.file = Text(d); break;
        case ASLFR_InitialDrawer: s.drawer = Text(d); break;
        case ASLFR_InitialPattern: s.pattern = Text(d); break;
        case ASLFR_InitialShowVolumes: s.showVolumes = d != 0; break;
        case ASLFR_DoSaveMode: s.saveMode = d != 0; break;
        case ASLFR_DrawersOnly: s.drawersOnly = d != 0; break;
        case ASLFR_RejectIcons: s.rejectIcons = d != 0; break;
        case ASLFR_Flags1: s.saveMode = (d & FRF_DOSAVEMODE) != 0; break;
        case ASLFR_Flags2:
            s.drawersOnly = (d & FR2F_DRAWERSONLY) != 0;
            s.rejectIcons = (d & FR2F_REJECTICONS) != 0;
            break;
        default:
            // Patterns, filters, hooks, multiple selection, sorting, fonts and
            // locales are accepted and have no effect on this host.
            break;
        }
    }
}

bool LastWindowBox(LONG &left, LONG &top, LONG &width, LONG &height)
{
    std::lock_guard<std::mutex> guard(gBoxLock);
    if (!gBoxKnown)
        return false;
    left = gBox[0];
    top = gBox[1];
    width = gBox[2];
    height = gBox[3];
    return true;
}

void RememberWindowBox(LONG left, LONG top, LONG width, LONG height)
{
    std::lock_guard<std::mutex> guard(gBoxLock);
    gBoxKnown = true;
    gBox[0] = left;
    gBox[1] = top;
    gBox[2] = width;
    gBox[3] = height;
}

}  // namespace hosted::asl
