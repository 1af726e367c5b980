/* devices/timer.h: the system's time value and the timer device's name. */
#ifndef DEVICES_TIMER_H
#define DEVICES_TIMER_H

#include <exec/types.h>

#define TIMERNAME "timer.device"

#define UNIT_MICROHZ 0
#define UNIT_VBLANK 1
#define UNIT_ECLOCK 2
#define UNIT_WAITUNTIL 3
#define UNIT_WAITECLOCK 4

/* A point or span of time: 32-bit seconds and microseconds, laid out as on
   the real system (8 bytes), so structures that embed it (Preferences,
   InputEvent) keep their offsets on this 64-bit host.

   The host's C library has a struct timeval of its own (two 64-bit fields).
   Structures of the system embed struct TimeVal, which is always this
   layout. struct timeval is the same record under its traditional name when
   this header is seen before the C library's; a file that includes both in
   the other order gets the C library's and should use struct TimeVal. */
struct TimeVal {
    ULONG tv_secs;
    ULONG tv_micro;
};

#if !defined(__timeval_defined) && !defined(_STRUCT_TIMEVAL)
#define __timeval_defined 1
#define _STRUCT_TIMEVAL 1
struct timeval {
    ULONG tv_secs;
    ULONG tv_micro;
};
#endif

struct EClockVal {
    ULONG ev_hi;
    ULONG ev_lo;
};

#endif /* DEVICES_TIMER_H */
