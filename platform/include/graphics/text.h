/* graphics/text.h: fonts, text attributes and text extents. */
#ifndef GRAPHICS_TEXT_H
#define GRAPHICS_TEXT_H

#include <exec/ports.h>
#include <graphics/gfx.h>
#include <utility/tagitem.h>

/* Text styles (ta_Style, tf_Style) */
#define FS_NORMAL 0
#define FSB_UNDERLINED 0
#define FSF_UNDERLINED 0x01
#define FSB_BOLD 1
#define FSF_BOLD 0x02
#define FSB_ITALIC 2
#define FSF_ITALIC 0x04
#define FSB_EXTENDED 3
#define FSF_EXTENDED 0x08
#define FSB_COLORFONT 6
#define FSF_COLORFONT 0x40
#define FSB_TAGGED 7
#define FSF_TAGGED 0x80

/* Font preferences and flags (ta_Flags, tf_Flags) */
#define FPB_ROMFONT 0
#define FPF_ROMFONT 0x01
#define FPB_DISKFONT 1
#define FPF_DISKFONT 0x02
#define FPB_REVPATH 2
#define FPF_REVPATH 0x04
#define FPB_TALLDOT 3
#define FPF_TALLDOT 0x08
#define FPB_WIDEDOT 4
#define FPF_WIDEDOT 0x10
#define FPB_PROPORTIONAL 5
#define FPF_PROPORTIONAL 0x20
#define FPB_DESIGNED 6
#define FPF_DESIGNED 0x40
#define FPB_REMOVED 7
#define FPF_REMOVED 0x80

struct TextAttr {
    STRPTR ta_Name;   /* name of the font, "xxx.font" */
    UWORD ta_YSize;   /* height */
    UBYTE ta_Style;
    UBYTE ta_Flags;
};

struct TTextAttr {
    STRPTR tta_Name;
    UWORD tta_YSize;
    UBYTE tta_Style;
    UBYTE tta_Flags;
    struct TagItem *tta_Tags;
};

#define TA_DeviceDPI (1 | TAG_USER)
#define MAXFONTMATCHWEIGHT 32767

/* A font in memory. Glyph images lie side by side in one strip of
   tf_YSize rows of tf_Modulo bytes (tf_CharData); for each code from
   tf_LoChar to tf_HiChar, plus one more entry for the glyph of codes the
   font lacks, tf_CharLoc holds a ULONG (bit offset << 16 | bit width),
   tf_CharSpace a WORD advance and tf_CharKern a WORD offset. Row 0 is the
   top of the font; tf_Baseline is the row of the baseline counted from
   there, so Text() at y draws rows y - tf_Baseline to
   y - tf_Baseline + tf_YSize - 1. */
struct TextFont {
    struct Message tf_Message;   /* ln_Name is the font's name */
    UWORD tf_YSize;
    UBYTE tf_Style;
    UBYTE tf_Flags;
    UWORD tf_XSize;
    UWORD tf_Baseline;
    UWORD tf_BoldSmear;
    UWORD tf_Accessors;
    UBYTE tf_LoChar;
    UBYTE tf_HiChar;
    APTR tf_CharData;
    UWORD tf_Modulo;
    APTR tf_CharLoc;
    APTR tf_CharSpace;
    APTR tf_CharKern;
};

#define tf_Extension tf_Message.mn_ReplyPort

struct TextExtent {
    UWORD te_Width;               /* same as TextLength */
    UWORD te_Height;              /* same as tf_YSize */
    struct Rectangle te_Extent;   /* relative to the pen position */
};

#endif /* GRAPHICS_TEXT_H */
