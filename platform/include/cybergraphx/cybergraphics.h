/* cybergraphx/cybergraphics.h: chunky pixel formats, bitmap attributes and pixel-array transfer. */
#ifndef CYBERGRAPHX_CYBERGRAPHICS_H
#define CYBERGRAPHX_CYBERGRAPHICS_H

#include <graphics/gfx.h>
#include <utility/tagitem.h>

#define CYBERGFXNAME "cybergraphics.library"
#define CYBERGFX_INCLUDE_VERSION 41UL

/* GetCyberMapAttr() attributes */
#define CYBRMATTR_XMOD 0x80000001        /* bytes per row */
#define CYBRMATTR_BPPIX 0x80000002       /* bytes per pixel */
#define CYBRMATTR_DISPADR 0x80000003     /* private */
#define CYBRMATTR_PIXFMT 0x80000004      /* PIXFMT_... */
#define CYBRMATTR_WIDTH 0x80000005       /* pixels */
#define CYBRMATTR_HEIGHT 0x80000006      /* rows */
#define CYBRMATTR_DEPTH 0x80000007       /* bits per pixel */
#define CYBRMATTR_ISCYBERGFX 0x80000008  /* -1 for a chunky bitmap */
#define CYBRMATTR_ISLINEARMEM 0x80000009 /* -1 when its memory can be addressed directly */
#define CYBRMATTR_COLORMAP 0x8000000A

/* GetCyberIDAttr() attributes */
#define CYBRIDATTR_PIXFMT 0x80000001
#define CYBRIDATTR_WIDTH 0x80000002
#define CYBRIDATTR_HEIGHT 0x80000003
#define CYBRIDATTR_DEPTH 0x80000004
#define CYBRIDATTR_BPPIX 0x80000005

/* Pixel formats. Names give the order of the bytes in memory:
   PIXFMT_BGRA32 is blue, green, red, alpha (the host screen's format);
   PIXFMT_ARGB32 is alpha, red, green, blue. */
#define PIXFMT_LUT8 0UL
#define PIXFMT_RGB15 1UL
#define PIXFMT_BGR15 2UL
#define PIXFMT_RGB15PC 3UL
#define PIXFMT_BGR15PC 4UL
#define PIXFMT_RGB16 5UL
#define PIXFMT_BGR16 6UL
#define PIXFMT_RGB16PC 7UL
#define PIXFMT_BGR16PC 8UL
#define PIXFMT_RGB24 9UL
#define PIXFMT_BGR24 10UL
#define PIXFMT_ARGB32 11UL
#define PIXFMT_BGRA32 12UL
#define PIXFMT_RGBA32 13UL

/* Source and destination formats of the pixel-array calls, by memory
   order: RECTFMT_RGB 3 bytes R,G,B; RECTFMT_RGBA 4 bytes R,G,B,A;
   RECTFMT_ARGB 4 bytes A,R,G,B (a big-endian 0xAARRGGBB longword);
   RECTFMT_LUT8 one pen number a pixel; RECTFMT_GREY8 one grey level. */
#define RECTFMT_RGB 0
#define RECTFMT_RGBA 1
#define RECTFMT_ARGB 2
#define RECTFMT_LUT8 3
#define RECTFMT_GREY8 4
#define RECTFMT_RAW 5

/* WriteLUTPixelArray() colour table format: ULONGs 0x00RRGGBB */
#define CTABFMT_XRGB8 0

/* LockBitMapTagList() tags: each ti_Data points to a variable that receives
   the value: an APTR for LBMI_BASEADDRESS, a ULONG for the others. */
#define LBMI_WIDTH 0x84001001
#define LBMI_HEIGHT 0x84001002
#define LBMI_DEPTH 0x84001003
#define LBMI_PIXFMT 0x84001004
#define LBMI_BYTESPERPIX 0x84001005
#define LBMI_BYTESPERROW 0x84001006
#define LBMI_BASEADDRESS 0x84001007

/* UnLockBitMapTagList() tags */
#define UBMI_UPDATERECTS 0x85001001
#define UBMI_REALLYUNLOCK 0x85001002

#endif /* CYBERGRAPHX_CYBERGRAPHICS_H */
