// The drawer icon the platform ships: a whole icon file of the system's format, installed in ENVARC: and copied to ENV: at start.
#include "dos_test_support.h"

#include <dos/var.h>
#include <workbench/workbench.h>

#include <filesystem>
#include <set>

namespace {

using dostest::DosTest;

std::string HostOf(const char *name)
{
    std::string path;
    hosted::ResolvePath(name, path);
    return path;
}

// Reads an icon file field by field as the system's icon reader does:
// big-endian records, pointers standing for "follows".
class IconReader {
public:
    explicit IconReader(const std::string &bytes) : bytes_(bytes) {}

    UBYTE Byte() { return at_ < bytes_.size() ? UBYTE(bytes_[at_++]) : (overrun_ = true, 0); }
    UWORD Word()
    {
        UWORD high = Byte();
        return UWORD(high << 8 | Byte());
    }
    ULONG Long()
    {
        ULONG high = Word();
        return high << 16 | Word();
    }
    void Skip(size_t count)
    {
        for (size_t i = 0; i < count; i++)
            Byte();
    }
    bool AtEnd() const { return at_ == bytes_.size() && !overrun_; }
    bool Overrun() const { return overrun_; }

private:
    const std::string &bytes_;
    size_t at_ = 0;
    bool overrun_ = false;
};

struct IconImage {
    UWORD width = 0, height = 0, depth = 0;
    std::vector<std::vector<UBYTE>> pens;   // [y][x]
};

IconImage ReadImage(IconReader &in)
{
    IconImage image;
    in.Skip(4);   // LeftEdge, TopEdge
    image.width = in.Word();
    image.height = in.Word();
    image.depth = in.Word();
    EXPECT_NE(in.Long(), 0u);           // ImageData follows
    UBYTE planePick = in.Byte();
    in.Byte();                          // PlaneOnOff
    EXPECT_EQ(in.Long(), 0u);           // NextImage
    EXPECT_EQ(planePick, (1 << image.depth) - 1);
    image.pens.assign(image.height, std::vector<UBYTE>(image.width, 0));
    ULONG words = (image.width + 15) / 16;
    for (ULONG plane = 0; plane < image.depth; plane++)
        for (ULONG y = 0; y < image.height; y++)
            for (ULONG w = 0; w < words; w++) {
                UWORD bits = in.Word();
                for (ULONG b = 0; b < 16 && w * 16 + b < image.width; b++)
                    if (bits & (0x8000 >> b))
                        image.pens[y][w * 16 + b] |= UBYTE(1 << plane);
            }
    return image;
}

TEST_F(DosTest, TheShippedDrawerIconIsAWholeIconFileOfADrawer)
{
    std::string archive = dostest::ReadHostFile(HostOf("ENVARC:sys/def_drawer.info"));
    ASSERT_FALSE(archive.empty());
    // The program reads it exactly as it reads any template: raw, from ENV:.
    std::vector<char> buffer(65536);
    LONG length = GetVar("ENV:sys/def_drawer.info", buffer.data(), LONG(buffer.size()),
                         GVF_GLOBAL_ONLY | GVF_BINARY_VAR | GVF_DONT_NULL_TERM);
    ASSERT_EQ(length, LONG(archive.size()));
    EXPECT_EQ(std::string(buffer.data(), size_t(length)), archive);

    IconReader in(archive);
    EXPECT_EQ(in.Word(), 0xE310);       // do_Magic
    EXPECT_EQ(in.Word(), 1);            // do_Version
    EXPECT_EQ(in.Long(), 0u);           // NextGadget
    in.Skip(4);
    UWORD width = in.Word(), height = in.Word(), flags = in.Word();
    in.Skip(4);                         // Activation, GadgetType
    EXPECT_NE(in.Long(), 0u);           // GadgetRender
    bool selectImage = in.Long() != 0;  // SelectRender
    EXPECT_EQ(selectImage, (flags & 0x0002) != 0);
    EXPECT_NE(flags & 0x0004, 0);       // GFLG_GADGIMAGE
    in.Skip(14);                        // GadgetText, MutualExclude, SpecialInfo, GadgetID
    ULONG revision = in.Long();         // UserData
    EXPECT_EQ(in.Byte(), WBDRAWER);
    in.Byte();
    EXPECT_EQ(in.Long(), 0u);           // DefaultTool
    EXPECT_EQ(in.Long(), 0u);           // ToolTypes
    in.Skip(8);                         // CurrentX, CurrentY
    ASSERT_NE(in.Long(), 0u);           // DrawerData: a drawer has its window
    EXPECT_EQ(in.Long(), 0u);           // ToolWindow
    in.Long();                          // StackSize
    in.Skip(4);
    UWORD windowWidth = in.Word(), windowHeight = in.Word();
    EXPECT_GT(windowWidth, 0);
    EXPECT_GT(windowHeight, 0);
    in.Skip(56 - 8);
    IconImage normal = ReadImage(in);
    EXPECT_EQ(normal.width, width);
    EXPECT_EQ(normal.height, height);
    ASSERT_TRUE(selectImage);
    IconImage selected = ReadImage(in);
    ASSERT_EQ(revision & 0xFF, 1u);     // the drawer data's second part follows
    in.Skip(6);
    EXPECT_TRUE(in.AtEnd()) << "the file is exactly the records it announces";

    // A picture of all four pens, and its selected look the complement.
    std::set<UBYTE> used;
    for (UWORD y = 0; y < height; y++)
        for (UWORD x = 0; x < width; x++) {
            used.insert(normal.pens[y][x]);
            EXPECT_EQ(selected.pens[y][x], normal.pens[y][x] ^ 3);
        }
    EXPECT_EQ(used.size(), 4u);
}

TEST_F(DosTest, AtStartENVGetsWhatItLacksFromENVARCAndKeepsWhatItHas)
{
    std::string current = HostOf("ENV:sys/def_drawer.info"), archive = HostOf("ENVARC:sys/def_drawer.info");
    std::string shipped = dostest::ReadHostFile(archive);
    ASSERT_FALSE(shipped.empty());

    ASSERT_TRUE(SetVar("sys/def_drawer.info", "mine", 4, GVF_GLOBAL_ONLY | GVF_BINARY_VAR));
    hosted::ReloadDosConfiguration();
    EXPECT_EQ(dostest::ReadHostFile(current), "mine");

    ASSERT_TRUE(DeleteVar("sys/def_drawer.info", GVF_GLOBAL_ONLY));
    hosted::ReloadDosConfiguration();
    EXPECT_EQ(dostest::ReadHostFile(current), shipped);

    // Deleted from ENVARC: by its owner, it stays deleted.
    ASSERT_TRUE(DeleteVar("sys/def_drawer.info", GVF_GLOBAL_ONLY | GVF_SAVE_VAR));
    hosted::ReloadDosConfiguration();
    EXPECT_FALSE(dostest::HostExists(current));
    EXPECT_FALSE(dostest::HostExists(archive));

    // A home without ENVARC:sys (a new one) gets it again.
    std::filesystem::remove_all(std::filesystem::path(archive).parent_path());
    hosted::ReloadDosConfiguration();
    EXPECT_EQ(dostest::ReadHostFile(archive), shipped);
    EXPECT_EQ(dostest::ReadHostFile(current), shipped);
}

}  // namespace
