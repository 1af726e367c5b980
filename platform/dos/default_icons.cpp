// dos/default_icons.cpp: the drawer icon the platform ships, drawn here and written in the system's icon format.
#include "dosprivate.h"

#include <workbench/workbench.h>

namespace hosted {

namespace {

// The picture, four colours of the desktop's palette: "." background
// grey (pen 0), "#" black (1), "o" white (2), "+" blue (3). A drawer
// cabinet seen from the front, its drawer shut.
const char *const DrawerPicture[] = {
    "...oooooooooooooooooooooooooooooooooooooooooo.",
    "..o++++++++++++++++++++++++++++++++++++++++##.",
    ".o++++++++++++++++++++++++++++++++++++++++#+#.",
    "o++++++++++++++++++++++++++++++++++++++++#++#.",
    "ooooooooooooooooooooooooooooooooooooooooo#++#.",
    "o........................................#++#.",
    "o........................................#++#.",
    "o........................................#++#.",
    "o...#################################o...#++#.",
    "o...#++++++++++++++++++++++++++++++++o...#++#.",
    "o...#++++++++++++++++++++++++++++++++o...#++#.",
    "o...#++++++++++++++++++++++++++++++++o...#++#.",
    "o...#+++++++++++ooooooooo#+++++++++++o...#++#.",
    "o...#+++++++++++o........#+++++++++++o...#++#.",
    "o...#+++++++++++o#########+++++++++++o...#++#.",
    "o...#++++++++++++++++++++++++++++++++o...#++#.",
    "o...#++++++++++++++++++++++++++++++++o...#++#.",
    "o...#++++++++++++++++++++++++++++++++o...#++#.",
    "o...#++++++++++++++++++++++++++++++++o...#++#.",
    "o...#ooooooooooooooooooooooooooooooooo...#++#.",
    "o........................................#+#..",
    "o........................................##...",
    "o#########################################....",
};

constexpr UWORD IconWidth = sizeof("...oooooooooooooooooooooooooooooooooooooooooo.") - 1;
constexpr UWORD IconHeight = sizeof DrawerPicture / sizeof DrawerPicture[0];
constexpr UWORD IconDepth = 2;

// Sizes of the records as the file keeps them (in-memory structures of
// the original 32-bit machine, big-endian; pointers stand as "present"
// flags).
constexpr size_t DiskObjectSize = 78;
constexpr size_t OldDrawerDataSize = 56;
constexpr size_t ImageSize = 20;
constexpr size_t DrawerData2Size = 6;

constexpr UWORD DiskMagic = 0xE310;
constexpr UWORD DiskVersion = 1;
constexpr ULONG DiskRevision = 1;             // gadget UserData: the drawer data's second part follows
constexpr LONG NoIconPosition = LONG(0x80000000);
constexpr UWORD GadgetImage = 0x0004;          // GFLG_GADGIMAGE
constexpr UWORD GadgetHighImage = 0x0002;      // GFLG_GADGHIMAGE: a second image when selected
constexpr UWORD RelVerifyImmediate = 0x0003;   // GACT_RELVERIFY | GACT_IMMEDIATE
constexpr UWORD BoolGadget = 0x0001;
constexpr ULONG Present = 1;                   // a pointer field that says "follows"

class Writer {
public:
    explicit Writer(std::vector<UBYTE> &out) : out_(out) {}
    void Byte(UBYTE v) { out_.push_back(v); }
    void Word(UWORD v)
    {
        Byte(UBYTE(v >> 8));
        Byte(UBYTE(v));
    }
    void Long(ULONG v)
    {
        Word(UWORD(v >> 16));
        Word(UWORD(v));
    }

private:
    std::vector<UBYTE> &out_;
};

UBYTE PenAt(ULONG x, ULONG y)
{
    switch (DrawerPicture[y][x]) {
    case '#':
        return 1;
    case 'o':
        return 2;
    case '+':
        return 3;
    default:
        return 0;
    }
}

// An Image record and its planes; `selected` complements every pen, the
// look of a picked icon.
void WriteImage(Writer &out, bool selected)
{
    out.Word(0);
    out.Word(0);
    out.Word(IconWidth);
    out.Word(IconHeight);
    out.Word(IconDepth);
    out.Long(Present);                      // ImageData
    out.Byte((1 << IconDepth) - 1);         // PlanePick: every plane has data
    out.Byte(0);                            // PlaneOnOff
    out.Long(0);                            // NextImage
    const ULONG wordsPerRow = (IconWidth + 15) / 16;
    for (ULONG plane = 0; plane < IconDepth; plane++) {
        for (ULONG y = 0; y < IconHeight; y++) {
            for (ULONG word = 0; word < wordsPerRow; word++) {
                UWORD bits = 0;
                for (ULONG bit = 0; bit < 16; bit++) {
                    ULONG x = word * 16 + bit;
                    if (x >= IconWidth)
                        continue;
                    UBYTE pen = PenAt(x, y);
                    if (selected)
                        pen ^= (1 << IconDepth) - 1;
                    if ((pen >> plane) & 1)
                        bits |= UWORD(0x8000 >> bit);
                }
                out.Word(bits);
            }
        }
    }
}

}  // namespace

std::vector<UBYTE> DefaultDrawerIcon()
{
    std::vector<UBYTE> bytes;
    const size_t planeBytes = size_t((IconWidth + 15) / 16) * 2 * IconHeight * IconDepth;
    bytes.reserve(DiskObjectSize + OldDrawerDataSize + 2 * (ImageSize + planeBytes) + DrawerData2Size);
    Writer out(bytes);

    // DiskObject with its Gadget.
    out.Word(DiskMagic);
    out.Word(DiskVersion);
    out.Long(0);                        // NextGadget
    out.Word(0);                        // LeftEdge
    out.Word(0);                        // TopEdge
    out.Word(IconWidth);
    out.Word(IconHeight);
    out.Word(GadgetImage | GadgetHighImage);
    out.Word(RelVerifyImmediate);
    out.Word(BoolGadget);
    out.Long(Present);                  // GadgetRender: the image
    out.Long(Present);                  // SelectRender: the selected image
    out.Long(0);                        // GadgetText
    out.Long(0);                        // MutualExclude
    out.Long(0);                        // SpecialInfo
    out.Word(0);                        // GadgetID
    out.Long(DiskRevision);             // UserData
    out.Byte(WBDRAWER);
    out.Byte(0);
    out.Long(0);                        // DefaultTool
    out.Long(0);                        // ToolTypes
    out.Long(ULONG(NoIconPosition));    // CurrentX: the desktop places it
    out.Long(ULONG(NoIconPosition));    // CurrentY
    out.Long(Present);                  // DrawerData
    out.Long(0);                        // ToolWindow
    out.Long(0);                        // StackSize

    // The drawer's window: a NewWindow and the scroll position inside it.
    out.Word(50);                       // LeftEdge
    out.Word(50);                       // TopEdge
    out.Word(400);                      // Width
    out.Word(150);                      // Height
    out.Byte(0xFF);                     // DetailPen: the screen's
    out.Byte(0xFF);                     // BlockPen
    out.Long(0);                        // IDCMPFlags
    out.Long(0);                        // Flags
    for (int pointer = 0; pointer < 5; pointer++)
        out.Long(0);                    // FirstGadget, CheckMark, Title, Screen, BitMap
    out.Word(90);                       // MinWidth
    out.Word(40);                       // MinHeight
    out.Word(0xFFFF);                   // MaxWidth
    out.Word(0xFFFF);                   // MaxHeight
    out.Word(1);                        // Type: WBENCHSCREEN
    out.Long(0);                        // CurrentX
    out.Long(0);                        // CurrentY

    WriteImage(out, false);
    WriteImage(out, true);

    // The drawer data's second part: show icons the parent's way, view by icon.
    out.Long(0);                        // Flags
    out.Word(0);                        // ViewModes
    return bytes;
}

}  // namespace hosted
