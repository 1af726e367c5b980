// datatypes/objects.cpp: making picture objects from files or memory, and freeing them.
#include "object.h"

#include <hosted/graphics.h>
#include <intuition/screens.h>
#include <proto/dos.h>
#include <proto/graphics.h>
#include <proto/utility.h>

#include <cstring>
#include <memory>
#include <new>
#include <vector>

namespace hosted::datatypes {

namespace {

// Files larger than the largest picture can be (a 32-plane ILBM of the
// largest size, uncompressed, and its chunks) are refused unread.
constexpr unsigned long long MaxSourceSize = (1ULL << 30) + (1ULL << 20);

// Bytes enough to recognise every kind of picture.
constexpr LONG SniffBytes = 16;

// Reads `length` bytes (fewer at the end of the file) into data. 0, or the
// dos error.
LONG ReadMore(BPTR file, std::vector<UBYTE> &data, std::size_t length, bool &atEnd)
{
    std::size_t old = data.size();
    data.resize(old + length);
    std::size_t got = 0;
    while (got < length) {
        LONG n = Read(file, data.data() + old + got, static_cast<LONG>(length - got));
        if (n < 0) {
            data.resize(old + got);
            LONG error = IoErr();
            return error != 0 ? error : ERROR_SEEK_ERROR;
        }
        if (n == 0) {
            atEnd = true;
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    data.resize(old + got);
    return 0;
}

// Reads the rest of an open picture file after checking its first bytes:
// they must be a picture this host knows (DTERROR_UNKNOWN_DATATYPE) of the
// group asked for (ERROR_OBJECT_WRONG_TYPE). 0, or the error.
LONG ReadOpenPicture(BPTR file, ULONG groupID, std::vector<UBYTE> &data)
{
    bool atEnd = false;
    if (LONG error = ReadMore(file, data, SniffBytes, atEnd))
        return error;
    if (IdentifyPicture(data.data(), data.size()) == PictureKind::Unknown)
        return DTERROR_UNKNOWN_DATATYPE;
    if (groupID != 0 && groupID != GID_PICTURE)
        return ERROR_OBJECT_WRONG_TYPE;
    struct FileInfoBlock fib{};
    if (ExamineFH(file, &fib)) {
        if (fib.fib_Size64 > MaxSourceSize)
            return ERROR_NO_FREE_STORE;
        data.reserve(static_cast<std::size_t>(fib.fib_Size64));
    }
    while (!atEnd) {
        if (data.size() > MaxSourceSize)
            return ERROR_NO_FREE_STORE;
        if (LONG error = ReadMore(file, data, 1 << 20, atEnd))
            return error;
    }
    return 0;
}

// Reads a picture file whole (see ReadOpenPicture). 0, or the error.
LONG ReadPictureFile(CONST_STRPTR name, ULONG groupID, std::vector<UBYTE> &data)
{
    BPTR file = Open(name, MODE_OLDFILE);
    if (file == 0) {
        LONG error = IoErr();
        return error != 0 ? error : ERROR_OBJECT_NOT_FOUND;
    }
    LONG error;
    try {
        error = ReadOpenPicture(file, groupID, data);
    } catch (const std::bad_alloc &) {
        error = ERROR_NO_FREE_STORE;
    }
    Close(file);
    return error;
}

// Puts the pixels straight into a chunky bitmap in the format of the
// screen's bitmap (PIXFMT_BGRA32 without a screen).
class BitMapSink final : public PixelSink {
public:
    explicit BitMapSink(struct BitMap *friendBitMap)
        : friend_(hosted::ChunkyOf(friendBitMap) != nullptr ? friendBitMap : nullptr)
    {
    }
    ~BitMapSink() { FreeBitMap(bitMap_); }
    BitMapSink(const BitMapSink &) = delete;
    BitMapSink &operator=(const BitMapSink &) = delete;

    LONG Begin(ULONG width, ULONG height) override
    {
        FreeBitMap(bitMap_);
        bitMap_ = AllocBitMap(width, height, 32, 0, friend_);
        chunky_ = hosted::ChunkyOf(bitMap_);
        if (chunky_ == nullptr || chunky_->width != static_cast<LONG>(width) ||
            chunky_->height != static_cast<LONG>(height)) {
            FreeBitMap(bitMap_);
            bitMap_ = nullptr;
            chunky_ = nullptr;
            return ERROR_NO_FREE_STORE;
        }
        return 0;
    }

    void PutRow(ULONG y, const UBYTE *rgba) override
    {
        if (chunky_ == nullptr || y >= static_cast<ULONG>(chunky_->height))
            return;
        UBYTE *out = chunky_->pixels + static_cast<std::size_t>(y) * chunky_->bytesPerRow;
        const std::size_t width = static_cast<std::size_t>(chunky_->width);
        switch (chunky_->pixelFormat) {
        case PIXFMT_RGBA32:
            std::memcpy(out, rgba, width * 4);
            break;
        case PIXFMT_ARGB32:
            for (std::size_t x = 0; x < width; x++, out += 4, rgba += 4) {
                out[0] = rgba[3];
                out[1] = rgba[0];
                out[2] = rgba[1];
                out[3] = rgba[2];
            }
            break;
        default:   // PIXFMT_BGRA32
            for (std::size_t x = 0; x < width; x++, out += 4, rgba += 4) {
                out[0] = rgba[2];
                out[1] = rgba[1];
                out[2] = rgba[0];
                out[3] = rgba[3];
            }
            break;
        }
    }

    // Hands the finished bitmap over to its owner.
    struct BitMap *Take()
    {
        struct BitMap *bitMap = bitMap_;
        bitMap_ = nullptr;
        chunky_ = nullptr;
        return bitMap;
    }

private:
    struct BitMap *friend_ = nullptr;
    struct BitMap *bitMap_ = nullptr;
    hosted::ChunkyBitMap *chunky_ = nullptr;
};

LONG Decode(PictureKind kind, const UBYTE *data, std::size_t size, PictureObject &object)
{
    BitMapSink sink(object.screen != nullptr ? object.screen->RastPort.BitMap : nullptr);
    LONG error = DTERROR_UNKNOWN_DATATYPE;
    switch (kind) {
    case PictureKind::Ilbm: error = ReadIlbm(data, size, object.info, sink); break;
    case PictureKind::Png: error = ReadPng(data, size, object.info, sink); break;
    case PictureKind::Jpeg: error = ReadJpeg(data, size, object.info, sink); break;
    case PictureKind::Unknown: break;
    }
    if (error == 0)
        object.bitMap = sink.Take();
    return error;
}

// Makes the object; 0 and the new record, or the error.
LONG MakeObject(APTR name, const struct TagItem *attrs, PictureObject *&made)
{
    const ULONG sourceType = static_cast<ULONG>(GetTagData(DTA_SourceType, DTST_FILE, attrs));
    const ULONG groupID = static_cast<ULONG>(GetTagData(DTA_GroupID, 0, attrs));
    std::vector<UBYTE> fileData;
    const UBYTE *data = nullptr;
    std::size_t size = 0;
    if (sourceType == DTST_FILE) {
        if (name == nullptr)
            return ERROR_REQUIRED_ARG_MISSING;
        if (LONG error = ReadPictureFile(static_cast<CONST_STRPTR>(name), groupID, fileData))
            return error;
        data = fileData.data();
        size = fileData.size();
    } else if (sourceType == DTST_MEMORY) {
        data = reinterpret_cast<const UBYTE *>(GetTagData(DTA_SourceAddress, 0, attrs));
        size = static_cast<std::size_t>(GetTagData(DTA_SourceSize, 0, attrs));
        if (data == nullptr && size != 0)
            return ERROR_REQUIRED_ARG_MISSING;
    } else {
        return ERROR_NOT_IMPLEMENTED;
    }
    const PictureKind kind = data != nullptr ? IdentifyPicture(data, size) : PictureKind::Unknown;
    if (kind == PictureKind::Unknown)
        return DTERROR_UNKNOWN_DATATYPE;
    if (groupID != 0 && groupID != GID_PICTURE)
        return ERROR_OBJECT_WRONG_TYPE;

    auto object = std::make_unique<PictureObject>();
    object->sourceType = sourceType;
    object->dataType = DataTypeOf(kind);
    if (sourceType == DTST_FILE) {
        object->hasName = true;
        object->name = static_cast<CONST_STRPTR>(name);
    }
    ApplySettings(*object, attrs);
    if (LONG error = Decode(kind, data, size, *object))
        return error;
    if (!object->info.name.empty())
        object->objName = object->info.name;
    else if (object->hasName)
        object->objName = FilePart(object->name.c_str());
    made = object.release();
    return 0;
}

}  // namespace

PictureObject *RecordOf(Object *o)
{
    auto *object = reinterpret_cast<PictureObject *>(o);
    if (object == nullptr || object->cookie != PictureObject::Cookie)
        return nullptr;
    return object;
}

void ApplySettings(PictureObject &object, const struct TagItem *attrs)
{
    const struct TagItem *walk = attrs;
    while (struct TagItem *item = NextTagItem(&walk)) {
        switch (item->ti_Tag) {
        case PDTA_Remap: object.remap = item->ti_Data != 0; break;
        case PDTA_Screen: object.screen = reinterpret_cast<struct Screen *>(item->ti_Data); break;
        case PDTA_DestMode: object.destMode = static_cast<ULONG>(item->ti_Data); break;
        default: break;
        }
    }
}

}  // namespace hosted::datatypes

using hosted::datatypes::PictureObject;

/* Makes a picture object from a file (DTST_FILE, the default) or from
   memory (DTST_MEMORY); the picture is read and decoded whole before the
   call returns, into a 32-bit chunky bitmap in the screen's format. NULL
   with IoErr on failure: the dos error of the file, DTERROR_UNKNOWN_DATATYPE
   for data no reader recognises, ERROR_OBJECT_WRONG_TYPE when DTA_GroupID
   asks for a group other than pictures, the reader's error for broken
   data, ERROR_NO_FREE_STORE when memory is short or the picture is past
   this host's limits. Where this host differs: remapping never happens
   (every screen is 32-bit), and PMODE_V42 gets the same chunky bitmap. */
Object *NewDTObjectA(APTR name, const struct TagItem *attrs)
{
    PictureObject *object = nullptr;
    LONG error;
    try {
        error = hosted::datatypes::MakeObject(name, attrs, object);
    } catch (const std::bad_alloc &) {
        error = ERROR_NO_FREE_STORE;
    }
    if (error != 0) {
        SetIoErr(error);
        return nullptr;
    }
    return reinterpret_cast<Object *>(object);
}

/* Frees an object with its bitmap and everything else it holds. NULL (and
   anything that is not a living picture object) is ignored. */
void DisposeDTObject(Object *o)
{
    PictureObject *object = hosted::datatypes::RecordOf(o);
    if (object == nullptr)
        return;
    object->cookie = 0;
    FreeBitMap(object->bitMap);
    delete object;
}
