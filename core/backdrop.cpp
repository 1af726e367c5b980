// core/backdrop.cpp: the backdrop window of the dual build's screen and its picture, loaded through datatypes.
#include "backdrop.h"

#include <datatypes/pictureclass.h>
#include <proto/datatypes.h>
#include <proto/dos.h>
#include <proto/exec.h>
#include <proto/graphics.h>
#include <proto/intuition.h>

#include <algorithm>

namespace {

constexpr ULONG BackdropPathSize = 1024;

Object *LoadPicture(CONST_STRPTR name)
{
    return NewDTObject(const_cast<STRPTR>(name), DTA_GroupID, GID_PICTURE, PDTA_DestMode, PMODE_V43, PDTA_Remap,
                       FALSE, TAG_DONE);
}

}  // namespace

BOOL DrawBackdropPicture(struct Window *window, CONST_STRPTR pictureName)
{
    Object *picture = LoadPicture(pictureName);
    if (picture == nullptr) {
        // An installed program keeps its picture beside itself.
        char path[BackdropPathSize] = "PROGDIR:";
        if (AddPart(path, pictureName, sizeof path))
            picture = LoadPicture(path);
    }
    if (picture == nullptr)
        return FALSE;
    struct BitMap *bitMap = nullptr;
    struct BitMapHeader *header = nullptr;
    GetDTAttrs(picture, PDTA_BitMap, &bitMap, PDTA_BitMapHeader, &header, TAG_DONE);
    BOOL drawn = FALSE;
    if (bitMap != nullptr && header != nullptr) {
        LONG width = std::min<LONG>(header->bmh_Width, window->Width);
        LONG height = std::min<LONG>(header->bmh_Height, window->Height);
        BltBitMapRastPort(bitMap, 0, 0, window->RPort, 0, 0, width, height, 0xC0);
        drawn = TRUE;
    }
    DisposeDTObject(picture);
    return drawn;
}

BOOL OpenBackdrop(Backdrop &backdrop, struct Screen *screen, CONST_STRPTR pictureName)
{
    LONG top = screen->BarHeight + 1;
    struct TagItem tags[] = {
        {WA_Left, 0},
        {WA_Top, IPTR(top)},
        {WA_Width, IPTR(screen->Width)},
        {WA_Height, IPTR(std::max<LONG>(screen->Height - top, 1))},
        {WA_Backdrop, TRUE},
        {WA_Borderless, TRUE},
        {WA_CloseGadget, FALSE},
        {WA_DepthGadget, FALSE},
        {WA_SizeGadget, FALSE},
        {WA_Activate, FALSE},
        {WA_IDCMP, 0},
        {WA_NoCareRefresh, TRUE},
        {WA_BackFill, reinterpret_cast<IPTR>(LAYERS_NOBACKFILL)},
        {WA_CustomScreen, reinterpret_cast<IPTR>(screen)},
        {TAG_DONE, 0},
    };
    backdrop.window = OpenWindowTagList(nullptr, tags);
    if (backdrop.window == nullptr)
        return FALSE;
    backdrop.dataTypes = OpenLibrary("datatypes.library", 0);
    if (backdrop.dataTypes != nullptr && pictureName != nullptr)
        (void)DrawBackdropPicture(backdrop.window, pictureName);
    return TRUE;
}

void CloseBackdrop(Backdrop &backdrop)
{
    if (backdrop.window != nullptr)
        CloseWindow(backdrop.window);
    backdrop.window = nullptr;
    if (backdrop.dataTypes != nullptr)
        CloseLibrary(backdrop.dataTypes);
    backdrop.dataTypes = nullptr;
}
