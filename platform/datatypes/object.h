// datatypes/object.h: the record behind every data type object, shared by the library's files.
#ifndef DATATYPES_OBJECT_H
#define DATATYPES_OBJECT_H

#include "decoders.h"

#include <datatypes/datatypes.h>
#include <intuition/classusr.h>
#include <utility/tagitem.h>

#include <string>

struct Screen;

namespace hosted::datatypes {

// A picture object. The Object * programs hold is the record's address.
struct PictureObject {
    static constexpr ULONG Cookie = MAKE_ID('p', 'D', 'T', 'o');
    ULONG cookie = Cookie;            // cleared when the object is disposed
    ULONG sourceType = 0;             // DTST_FILE or DTST_MEMORY
    std::string name;                 // DTA_Name: the file name as given
    bool hasName = false;             // false for objects made from memory
    std::string objName;              // DTA_ObjName: the picture's own name, else the file's
    struct DataType *dataType = nullptr;   // the type that recognised the data
    PictureInfo info;
    struct BitMap *bitMap = nullptr;  // owned; freed with the object
    // Settings of the application (NewDTObjectA and SetDTAttrsA).
    ULONG destMode = PMODE_V43;
    bool remap = true;
    struct Screen *screen = nullptr;
};

// The record of an object, or nullptr for NULL and for anything that is
// not a living picture object.
PictureObject *RecordOf(Object *o);

// Applies the attributes an application may set: PDTA_Remap, PDTA_Screen,
// PDTA_DestMode. Others are ignored.
void ApplySettings(PictureObject &object, const struct TagItem *attrs);

// The data type descriptor of a kind of picture (never nullptr for a known kind).
struct DataType *DataTypeOf(PictureKind kind);

}  // namespace hosted::datatypes

#endif  // DATATYPES_OBJECT_H
