// datatypes/types.cpp: the descriptors of the picture types this host reads (DTA_DataType, DTA_BaseName).
#include "object.h"

#include <proto/exec.h>

namespace hosted::datatypes {

namespace {

struct Descriptor {
    struct DataTypeHeader header{};
    struct DataType type{};
};

void Describe(Descriptor &d, const char *name, const char *baseName, ULONG id, UWORD flags)
{
    d.header.dth_Name = const_cast<STRPTR>(name);
    d.header.dth_BaseName = const_cast<STRPTR>(baseName);
    d.header.dth_Pattern = const_cast<STRPTR>("#?");
    d.header.dth_GroupID = GID_PICTURE;
    d.header.dth_ID = id;
    d.header.dth_Flags = flags;
    d.type.dtn_Node1.ln_Name = d.header.dth_Name;
    d.type.dtn_Node2.ln_Name = d.header.dth_Name;
    d.type.dtn_Header = &d.header;
    NewList(&d.type.dtn_ToolList);
    d.type.dtn_Length = sizeof(struct DataType);
}

struct Descriptors {
    Descriptor ilbm, png, jpeg;
    Descriptors()
    {
        Describe(ilbm, "ILBM", "ilbm", MAKE_ID('I', 'L', 'B', 'M'), DTF_IFF);
        Describe(png, "PNG", "png", MAKE_ID('P', 'N', 'G', ' '), DTF_BINARY);
        Describe(jpeg, "JPEG", "jpeg", MAKE_ID('J', 'P', 'E', 'G'), DTF_BINARY);
    }
};

}  // namespace

struct DataType *DataTypeOf(PictureKind kind)
{
    static Descriptors descriptors;
    switch (kind) {
    case PictureKind::Png: return &descriptors.png.type;
    case PictureKind::Jpeg: return &descriptors.jpeg.type;
    default: return &descriptors.ilbm.type;
    }
}

}  // namespace hosted::datatypes
