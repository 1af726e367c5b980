// Picture objects: made from files and memory, their attributes and methods, and every way making one can fail.
#include "support.h"

#include <hosted/graphics.h>
#include <hosted/task.h>
#include <intuition/screens.h>
#include <proto/exec.h>
#include <proto/graphics.h>

#include <sys/stat.h>

#include <cstring>

namespace dttest {

namespace {

class Objects : public PictureTest {
protected:
    // A 3 x 2 ILBM with colours red, green, blue on the first row and
    // white, black, red on the second.
    Bytes SmallIlbm()
    {
        IlbmPicture p;
        p.width = 3;
        p.height = 2;
        p.planes = 2;
        p.cmap = {0xFF, 0x01, 0x01, 0x01, 0xFF, 0x01, 0x01, 0x01, 0xFF, 0xFF, 0xFF, 0xFF};
        p.pixels = {0, 1, 2, 3, 3, 0};
        return IlbmFile(p);
    }

    void ExpectFailure(Object *object, LONG error)
    {
        EXPECT_EQ(object, nullptr);
        EXPECT_EQ(IoErr(), error);
        DisposeDTObject(object);
    }
};

}  // namespace

TEST_F(Objects, TheProgramsBackdropLoadsFromTheCurrentDrawer)
{
    Write("DoubleKestrovane.img", SmallIlbm());
    Object *object = Load("DoubleKestrovane.img");
    ASSERT_NE(object, nullptr) << "IoErr " << IoErr();
    struct BitMap *bitMap = nullptr;
    struct BitMapHeader *header = nullptr;
    ASSERT_EQ(GetDTAttrs(object, PDTA_BitMap, &bitMap, PDTA_BitMapHeader, &header, TAG_DONE), 2u);
    ASSERT_NE(bitMap, nullptr);
    EXPECT_EQ(header->bmh_Width, 3);
    EXPECT_EQ(header->bmh_Height, 2);

    // Memory bytes blue, green, red, alpha.
    const hosted::ChunkyBitMap *chunky = hosted::ChunkyOf(bitMap);
    ASSERT_NE(chunky, nullptr);
    EXPECT_EQ(chunky->pixelFormat, PIXFMT_BGRA32);
    const UBYTE firstRow[12] = {0x01, 0x01, 0xFF, 0xFF, 0x01, 0xFF, 0x01, 0xFF, 0xFF, 0x01, 0x01, 0xFF};
    EXPECT_EQ(0, std::memcmp(chunky->pixels, firstRow, sizeof firstRow));

    // It blits into a screen-format bitmap as the program copies it.
    struct BitMap *screen = AllocBitMap(10, 10, 32, BMF_CLEAR, nullptr);
    ASSERT_NE(screen, nullptr);
    EXPECT_NE(BltBitMap(bitMap, 0, 0, screen, 4, 5, 3, 2, 0xC0, 0xFF, nullptr), 0);
    const hosted::ChunkyBitMap *target = hosted::ChunkyOf(screen);
    const UBYTE *white = target->pixels + 6 * target->bytesPerRow + 4 * 4;
    EXPECT_EQ(white[0], 0xFF);
    EXPECT_EQ(white[1], 0xFF);
    EXPECT_EQ(white[2], 0xFF);
    FreeBitMap(screen);
    DisposeDTObject(object);
}

TEST_F(Objects, PathsHaveTheSystemsGrammar)
{
    ASSERT_EQ(mkdir(HostPath("sub").c_str(), 0755), 0);
    Write("sub/pic.ilbm", SmallIlbm());
    for (const char *name : {"sub/pic.ilbm", "DTTest:sub/pic.ilbm", "dttest:sub/pic.ilbm"}) {
        Object *object = Load(name);
        EXPECT_NE(object, nullptr) << name << ": IoErr " << IoErr();
        DisposeDTObject(object);
    }
    BPTR sub = Lock("sub", SHARED_LOCK);
    ASSERT_NE(sub, 0);
    BPTR old = CurrentDir(sub);
    Object *parent = Load("/sub/pic.ilbm");
    EXPECT_NE(parent, nullptr) << "IoErr " << IoErr();
    DisposeDTObject(parent);
    UnLock(CurrentDir(old));
}

TEST_F(Objects, MissingFilesDrawersAndOtherDataFail)
{
    SetIoErr(0);
    ExpectFailure(Load("missing.img"), ERROR_OBJECT_NOT_FOUND);
    SetIoErr(0);
    ExpectFailure(Load("NoSuchVolume:missing.img"), ERROR_DEVICE_NOT_MOUNTED);
    ASSERT_EQ(mkdir(HostPath("drawer").c_str(), 0755), 0);
    SetIoErr(0);
    EXPECT_EQ(Load("drawer"), nullptr);
    EXPECT_NE(IoErr(), 0);

    const std::string text = "Just some text, no picture at all.\n";
    SetIoErr(0);
    ExpectFailure(Load(Write("notes.txt", Bytes(text.begin(), text.end()))), DTERROR_UNKNOWN_DATATYPE);
    SetIoErr(0);
    ExpectFailure(Load(Write("empty", {})), DTERROR_UNKNOWN_DATATYPE);

    // A picture, but the caller wants a sound.
    Write("pic.ilbm", SmallIlbm());
    SetIoErr(0);
    ExpectFailure(NewDTObject(const_cast<char *>("pic.ilbm"), DTA_GroupID, GID_SOUND, TAG_DONE), ERROR_OBJECT_WRONG_TYPE);
    // Without a group any picture will do.
    Object *any = NewDTObject(const_cast<char *>("pic.ilbm"), TAG_DONE);
    EXPECT_NE(any, nullptr);
    DisposeDTObject(any);
}

TEST_F(Objects, SourcesOtherThanFilesAndMemory)
{
    SetIoErr(0);
    ExpectFailure(NewDTObject(nullptr, DTA_GroupID, GID_PICTURE, TAG_DONE), ERROR_REQUIRED_ARG_MISSING);
    SetIoErr(0);
    ExpectFailure(NewDTObject(nullptr, DTA_SourceType, DTST_RAM, DTA_GroupID, GID_PICTURE, TAG_DONE),
                  ERROR_NOT_IMPLEMENTED);
    SetIoErr(0);
    ExpectFailure(NewDTObject(nullptr, DTA_SourceType, DTST_MEMORY, DTA_SourceSize, 100, TAG_DONE),
                  ERROR_REQUIRED_ARG_MISSING);

    const Bytes file = SmallIlbm();
    Object *object = LoadMemory(file);
    ASSERT_NE(object, nullptr);
    STRPTR name = reinterpret_cast<STRPTR>(1), objName = reinterpret_cast<STRPTR>(1);
    ULONG sourceType = 0;
    ASSERT_EQ(GetDTAttrs(object, DTA_Name, &name, DTA_ObjName, &objName, DTA_SourceType, &sourceType, TAG_DONE), 3u);
    EXPECT_EQ(name, nullptr);
    EXPECT_EQ(objName, nullptr);
    EXPECT_EQ(sourceType, static_cast<ULONG>(DTST_MEMORY));
    EXPECT_EQ(PixelAt(object, 2, 0), (Rgba{0x01, 0x01, 0xFF, 0xFF}));
    DisposeDTObject(object);
}

TEST_F(Objects, AttributesAreStoredByTheirType)
{
    Object *object = Load(Write("Backdrop.ilbm", SmallIlbm()));
    ASSERT_NE(object, nullptr);
    STRPTR name = nullptr, objName = nullptr, baseName = nullptr;
    ULONG group = 0, destMode = 99, remap = 99;
    struct DataType *type = nullptr;
    struct BitMap *bitMap = nullptr, *destBitMap = nullptr;
    EXPECT_EQ(GetDTAttrs(object, DTA_Name, &name, DTA_ObjName, &objName, DTA_BaseName, &baseName, DTA_GroupID,
                         &group, DTA_DataType, &type, PDTA_DestMode, &destMode, PDTA_Remap, &remap, PDTA_BitMap,
                         &bitMap, PDTA_DestBitMap, &destBitMap, TAG_DONE),
              9u);
    EXPECT_STREQ(name, "Backdrop.ilbm");
    EXPECT_STREQ(objName, "Backdrop.ilbm");
    EXPECT_STREQ(baseName, "ilbm");
    EXPECT_EQ(group, GID_PICTURE);
    ASSERT_NE(type, nullptr);
    EXPECT_STREQ(type->dtn_Header->dth_Name, "ILBM");
    EXPECT_EQ(type->dtn_Header->dth_GroupID, GID_PICTURE);
    EXPECT_EQ(destMode, static_cast<ULONG>(PMODE_V43));
    EXPECT_EQ(remap, static_cast<ULONG>(FALSE));
    EXPECT_EQ(bitMap, destBitMap);

    // A number fills four bytes and no more; unknown tags are skipped and
    // their storage left alone.
    struct {
        ULONG value;
        ULONG guard;
    } mode = {0xDEAD, 0xBEEF};
    IPTR unknown = 0x1234;
    EXPECT_EQ(GetDTAttrs(object, PDTA_ModeID, &mode.value, DTA_Dummy + 999, &unknown, TAG_DONE), 1u);
    EXPECT_EQ(mode.value, 0u);
    EXPECT_EQ(mode.guard, 0xBEEFu);
    EXPECT_EQ(unknown, 0x1234u);
    EXPECT_EQ(GetDTAttrs(nullptr, PDTA_ModeID, &mode.value, TAG_DONE), 0u);
    DisposeDTObject(object);
    DisposeDTObject(nullptr);
}

TEST_F(Objects, SettingsAndMethods)
{
    Object *object = Load(Write("pic.ilbm", SmallIlbm()));
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(SetDTAttrs(object, nullptr, nullptr, PDTA_Remap, TRUE, PDTA_DestMode, PMODE_V42, TAG_DONE), 0u);
    ULONG remap = 0, destMode = 0;
    ASSERT_EQ(GetDTAttrs(object, PDTA_Remap, &remap, PDTA_DestMode, &destMode, TAG_DONE), 2u);
    EXPECT_EQ(remap, static_cast<ULONG>(TRUE));
    EXPECT_EQ(destMode, static_cast<ULONG>(PMODE_V42));

    EXPECT_EQ(DoDTMethod(object, nullptr, nullptr, DTM_PROCLAYOUT, nullptr, TRUE), static_cast<IPTR>(TRUE));
    EXPECT_EQ(DoDTMethod(object, nullptr, nullptr, DTM_PRINT, nullptr), 0u);
    IPTR width = 0;
    EXPECT_EQ(DoDTMethod(object, nullptr, nullptr, OM_GET, DTA_NominalHoriz, &width), static_cast<IPTR>(TRUE));
    EXPECT_EQ(width, 3u);
    EXPECT_EQ(DoDTMethod(object, nullptr, nullptr, OM_GET, DTA_Dummy + 999, &width), static_cast<IPTR>(FALSE));
    EXPECT_EQ(DoDTMethod(nullptr, nullptr, nullptr, DTM_PROCLAYOUT, nullptr, TRUE), 0u);
    DisposeDTObject(object);
}

TEST_F(Objects, TheBitmapTakesTheScreensPixelFormat)
{
    struct BitMap *friendBitMap =
        AllocBitMap(4, 4, 32, BMF_SPECIALFMT | SHIFT_PIXFMT(PIXFMT_ARGB32), nullptr);
    ASSERT_NE(friendBitMap, nullptr);
    struct Screen screen {};
    screen.RastPort.BitMap = friendBitMap;
    Write("pic.ilbm", SmallIlbm());
    Object *object = NewDTObject(const_cast<char *>("pic.ilbm"), DTA_GroupID, GID_PICTURE, PDTA_DestMode, PMODE_V43,
                                 PDTA_Screen, &screen, TAG_DONE);
    ASSERT_NE(object, nullptr);
    struct BitMap *bitMap = nullptr;
    struct Screen *got = nullptr;
    ASSERT_EQ(GetDTAttrs(object, PDTA_BitMap, &bitMap, PDTA_Screen, &got, TAG_DONE), 2u);
    EXPECT_EQ(got, &screen);
    const hosted::ChunkyBitMap *chunky = hosted::ChunkyOf(bitMap);
    ASSERT_NE(chunky, nullptr);
    EXPECT_EQ(chunky->pixelFormat, PIXFMT_ARGB32);
    const UBYTE green[4] = {0xFF, 0x01, 0xFF, 0x01};   // alpha, red, green, blue
    EXPECT_EQ(0, std::memcmp(chunky->pixels + 4, green, 4));
    DisposeDTObject(object);
    FreeBitMap(friendBitMap);
}

TEST_F(Objects, ShortMemoryFailsCleanly)
{
    IlbmPicture p;
    p.width = 200;
    p.height = 200;
    p.planes = 1;
    p.compression = cmpByteRun1;
    p.pixels.assign(200 * 200, 1);
    const Bytes file = IlbmFile(p);
    hosted::SetAllocFailure(100000, 0);   // the bitmap needs 160000 bytes
    SetIoErr(0);
    Object *object = LoadMemory(file);
    hosted::SetAllocFailure(0, 0);
    ExpectFailure(object, ERROR_NO_FREE_STORE);
    object = LoadMemory(file);
    EXPECT_NE(object, nullptr);
    DisposeDTObject(object);
}

TEST_F(Objects, TheLibraryOpensByName)
{
    struct Library *base = OpenLibrary(DATATYPESNAME, 0);
    ASSERT_NE(base, nullptr);
    EXPECT_STREQ(base->lib_Node.ln_Name, "datatypes.library");
    CloseLibrary(base);
}

}  // namespace dttest
