/* intuition/preferences.h: the system preferences record that GetPrefs() copies out. */
#ifndef INTUITION_PREFERENCES_H
#define INTUITION_PREFERENCES_H

#include <exec/types.h>
#include <devices/timer.h>

#define FILENAME_SIZE 30
#define DEVNAME_SIZE 16
#define POINTERSIZE ((1 + 16 + 1) * 2)

#define TOPAZ_EIGHTY 8
#define TOPAZ_SIXTY 9

/* Laid out byte for byte as on the real system: the first 28 bytes hold
   FontHeight, PrinterPort, BaudRate and the three time values, each two
   32-bit words (seconds, microseconds). */
struct Preferences {
    BYTE FontHeight;
    UBYTE PrinterPort;
    UWORD BaudRate;
    struct TimeVal KeyRptSpeed;     /* offset 4 */
    struct TimeVal KeyRptDelay;     /* offset 12 */
    struct TimeVal DoubleClick;     /* offset 20: the longest gap of a double-click */
    UWORD PointerMatrix[POINTERSIZE];
    BYTE XOffset;
    BYTE YOffset;
    UWORD color17;
    UWORD color18;
    UWORD color19;
    UWORD PointerTicks;
    UWORD color0;
    UWORD color1;
    UWORD color2;
    UWORD color3;
    BYTE ViewXOffset;
    BYTE ViewYOffset;
    WORD ViewInitX, ViewInitY;
    BOOL EnableCLI;
    UWORD PrinterType;
    UBYTE PrinterFilename[FILENAME_SIZE];
    UWORD PrintPitch;
    UWORD PrintQuality;
    UWORD PrintSpacing;
    UWORD PrintLeftMargin;
    UWORD PrintRightMargin;
    UWORD PrintImage;
    UWORD PrintAspect;
    UWORD PrintShade;
    WORD PrintThreshold;
    UWORD PaperSize;
    UWORD PaperLength;
    UWORD PaperType;
    UBYTE SerRWBits;
    UBYTE SerStopBuf;
    UBYTE SerParShk;
    UBYTE LaceWB;
    UBYTE Pad[12];
    UBYTE PrtDevName[DEVNAME_SIZE];
    UBYTE DefaultPrtUnit;
    UBYTE DefaultSerUnit;
    BYTE RowSizeChange;
    BYTE ColumnSizeChange;
    UWORD PrintFlags;
    UWORD PrintMaxWidth;
    UWORD PrintMaxHeight;
    UBYTE PrintDensity;
    UBYTE PrintXOffset;
    UWORD wb_Width;
    UWORD wb_Height;
    UBYTE wb_Depth;
    UBYTE ext_size;
};

#define LACEWB 0x01
#define LW_RESERVED 1

#define PARALLEL_PRINTER 0x00
#define SERIAL_PRINTER 0x01

#define BAUD_110 0x00
#define BAUD_300 0x01
#define BAUD_1200 0x02
#define BAUD_2400 0x03
#define BAUD_4800 0x04
#define BAUD_9600 0x05
#define BAUD_19200 0x06
#define BAUD_MIDI 0x07

#endif /* INTUITION_PREFERENCES_H */
