/* graphics/displayinfo.h: display mode identifiers. */
#ifndef GRAPHICS_DISPLAYINFO_H
#define GRAPHICS_DISPLAYINFO_H

#include <exec/types.h>
#include <graphics/gfx.h>

typedef APTR DisplayInfoHandle;

/* Display mode identifiers. This host has one display whose mode depends
   only on the screen's size; every valid identifier stands for it. */
#define INVALID_ID (~0UL)
#define DEFAULT_MONITOR_ID 0x00000000UL
#define LORES_KEY 0x00000000UL
#define HIRES_KEY 0x00008000UL

#define DTAG_DISP 0x80000000UL
#define DTAG_DIMS 0x80001000UL
#define DTAG_MNTR 0x80002000UL
#define DTAG_NAME 0x80003000UL

#endif /* GRAPHICS_DISPLAYINFO_H */
