// datatypes/attributes.cpp: reading and setting a picture object's attributes, and its methods.
#include "object.h"

#include <proto/datatypes.h>
#include <proto/utility.h>

namespace hosted::datatypes {

namespace {

// One attribute's value, and whether it is a pointer (stored as one) or a
// number (stored as a ULONG).
struct Value {
    IPTR data = 0;
    bool pointer = false;
};

inline Value Number(ULONG n) { return {n, false}; }

template <typename T>
inline Value Pointer(T *p)
{
    return {reinterpret_cast<IPTR>(p), true};
}

// A text attribute: the text, or NULL when the picture has none.
inline Value Text(const std::string &text)
{
    return Pointer(text.empty() ? nullptr : text.c_str());
}

// The value of an attribute; false for one the object does not know.
bool ValueOf(PictureObject &object, Tag tag, Value &value)
{
    const struct BitMapHeader &header = object.info.header;
    switch (tag) {
    case DTA_Name: value = Pointer(object.hasName ? object.name.c_str() : nullptr); return true;
    case DTA_ObjName: value = Text(object.objName); return true;
    case DTA_ObjAuthor: value = Text(object.info.author); return true;
    case DTA_ObjCopyright: value = Text(object.info.copyright); return true;
    case DTA_ObjAnnotation: value = Text(object.info.annotation); return true;
    case DTA_BaseName: value = Pointer(object.dataType->dtn_Header->dth_BaseName); return true;
    case DTA_DataType: value = Pointer(object.dataType); return true;
    case DTA_GroupID: value = Number(GID_PICTURE); return true;
    case DTA_SourceType: value = Number(object.sourceType); return true;
    case DTA_NominalHoriz:
    case DTA_TotalHoriz: value = Number(header.bmh_Width); return true;
    case DTA_NominalVert:
    case DTA_TotalVert: value = Number(header.bmh_Height); return true;
    case DTA_HorizUnit:
    case DTA_VertUnit: value = Number(1); return true;
    case PDTA_ModeID: value = Number(object.info.modeID); return true;
    case PDTA_BitMapHeader: value = Pointer(&object.info.header); return true;
    case PDTA_BitMap:
    case PDTA_DestBitMap: value = Pointer(object.bitMap); return true;
    case PDTA_NumColors: value = Number(object.info.numColors); return true;
    case PDTA_ColorRegisters:
        value = Pointer(object.info.numColors != 0 ? object.info.colors : nullptr);
        return true;
    case PDTA_Remap: value = Number(object.remap ? TRUE : FALSE); return true;
    case PDTA_Screen: value = Pointer(object.screen); return true;
    case PDTA_SourceMode: value = Number(PMODE_V43); return true;
    case PDTA_DestMode: value = Number(object.destMode); return true;
    default: return false;
    }
}

}  // namespace

}  // namespace hosted::datatypes

using hosted::datatypes::PictureObject;

/* Reads attributes into the variables the tags point to: pointers for
   pointer attributes, ULONGs for numbers (see proto/datatypes.h). Returns
   the number of attributes filled; unknown attributes and NULL storage are
   skipped. 0 for a NULL object or one that is not a picture object. Where
   this host differs: a number is written as a ULONG even where the
   storage is an IPTR; its upper half is left alone. */
ULONG GetDTAttrsA(Object *o, const struct TagItem *attrs)
{
    PictureObject *object = hosted::datatypes::RecordOf(o);
    if (object == nullptr)
        return 0;
    ULONG filled = 0;
    const struct TagItem *walk = attrs;
    while (struct TagItem *item = NextTagItem(&walk)) {
        hosted::datatypes::Value value;
        if (item->ti_Data == 0 || !hosted::datatypes::ValueOf(*object, item->ti_Tag, value))
            continue;
        if (value.pointer)
            *reinterpret_cast<APTR *>(item->ti_Data) = reinterpret_cast<APTR>(value.data);
        else
            *reinterpret_cast<ULONG *>(item->ti_Data) = static_cast<ULONG>(value.data);
        filled++;
    }
    return filled;
}

/* Sets PDTA_Remap, PDTA_Screen and PDTA_DestMode; other attributes are
   ignored. Returns 0 (nothing needs drawing again). Where this host
   differs: the bitmap is not made again for a new screen, since every
   screen has the same pixel format. */
ULONG SetDTAttrsA(Object *o, struct Window *win, struct Requester *req, const struct TagItem *attrs)
{
    (void)win;
    (void)req;
    if (PictureObject *object = hosted::datatypes::RecordOf(o))
        hosted::datatypes::ApplySettings(*object, attrs);
    return 0;
}

/* Performs a method on an object. DTM_PROCLAYOUT and DTM_ASYNCLAYOUT
   return TRUE (the picture was laid out when it was read); OM_GET reads
   one attribute into its IPTR storage (TRUE when it is known); OM_SET is
   SetDTAttrsA. Other methods, a NULL message and a NULL object give 0. */
IPTR DoDTMethodA(Object *o, struct Window *win, struct Requester *req, Msg msg)
{
    PictureObject *object = hosted::datatypes::RecordOf(o);
    if (object == nullptr || msg == nullptr)
        return 0;
    switch (msg->MethodID) {
    case DTM_PROCLAYOUT:
    case DTM_ASYNCLAYOUT:
        return TRUE;
    case OM_GET: {
        auto *get = reinterpret_cast<struct opGet *>(msg);
        hosted::datatypes::Value value;
        if (get->opg_Storage == nullptr || !hosted::datatypes::ValueOf(*object, get->opg_AttrID, value))
            return FALSE;
        *get->opg_Storage = value.data;
        return TRUE;
    }
    case OM_SET:
        return SetDTAttrsA(o, win, req, reinterpret_cast<struct opSet *>(msg)->ops_AttrList);
    default:
        return 0;
    }
}
