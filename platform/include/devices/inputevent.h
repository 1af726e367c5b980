/* devices/inputevent.h: input events (keys, mouse) as intuition and gadgets see them. */
#ifndef DEVICES_INPUTEVENT_H
#define DEVICES_INPUTEVENT_H

#include <exec/types.h>
#include <devices/timer.h>

/* ie_Class */
#define IECLASS_NULL 0x00
#define IECLASS_RAWKEY 0x01
#define IECLASS_RAWMOUSE 0x02
#define IECLASS_EVENT 0x03
#define IECLASS_POINTERPOS 0x04
#define IECLASS_TIMER 0x06
#define IECLASS_GADGETDOWN 0x07
#define IECLASS_GADGETUP 0x08
#define IECLASS_REQUESTER 0x09
#define IECLASS_MENULIST 0x0A
#define IECLASS_CLOSEWINDOW 0x0B
#define IECLASS_SIZEWINDOW 0x0C
#define IECLASS_REFRESHWINDOW 0x0D
#define IECLASS_NEWPREFS 0x0E
#define IECLASS_DISKREMOVED 0x0F
#define IECLASS_DISKINSERTED 0x10
#define IECLASS_ACTIVEWINDOW 0x11
#define IECLASS_INACTIVEWINDOW 0x12
#define IECLASS_NEWPOINTERPOS 0x13
#define IECLASS_MENUHELP 0x14
#define IECLASS_CHANGEWINDOW 0x15
#define IECLASS_MAX 0x15

/* ie_Code of IECLASS_RAWKEY: the raw key number; IECODE_UP_PREFIX is set
   when the key is released. */
#define IECODE_UP_PREFIX 0x80
#define IECODE_KEY_CODE_FIRST 0x00
#define IECODE_KEY_CODE_LAST 0x77
#define IECODE_COMM_CODE_FIRST 0x78
#define IECODE_COMM_CODE_LAST 0x7F

/* ie_Code of IECLASS_RAWMOUSE */
#define IECODE_LBUTTON 0x68
#define IECODE_RBUTTON 0x69
#define IECODE_MBUTTON 0x6A
#define IECODE_NOBUTTON 0xFF

/* Raw key numbers of keys without a character (the host's keyboard is
   translated to these). The mouse wheel arrives as the raw keys
   NM_WHEEL_UP and NM_WHEEL_DOWN. */
#define RAWKEY_SPACE 0x40
#define RAWKEY_BACKSPACE 0x41
#define RAWKEY_TAB 0x42
#define RAWKEY_ENTER 0x43
#define RAWKEY_RETURN 0x44
#define RAWKEY_ESC 0x45
#define RAWKEY_DEL 0x46
#define RAWKEY_INSERT 0x47
#define RAWKEY_PAGEUP 0x48
#define RAWKEY_PAGEDOWN 0x49
#define RAWKEY_UP 0x4C
#define RAWKEY_DOWN 0x4D
#define RAWKEY_RIGHT 0x4E
#define RAWKEY_LEFT 0x4F
#define RAWKEY_F1 0x50
#define RAWKEY_F10 0x59
#define RAWKEY_HELP 0x5F
#define RAWKEY_LSHIFT 0x60
#define RAWKEY_RSHIFT 0x61
#define RAWKEY_CAPSLOCK 0x62
#define RAWKEY_CONTROL 0x63
#define RAWKEY_LALT 0x64
#define RAWKEY_RALT 0x65
#define RAWKEY_LAMIGA 0x66
#define RAWKEY_RAMIGA 0x67
#define RAWKEY_HOME 0x70
#define RAWKEY_END 0x71
#define NM_WHEEL_UP 0x7A
#define NM_WHEEL_DOWN 0x7B

/* ie_Qualifier */
#define IEQUALIFIER_LSHIFT 0x0001
#define IEQUALIFIER_RSHIFT 0x0002
#define IEQUALIFIER_CAPSLOCK 0x0004
#define IEQUALIFIER_CONTROL 0x0008
#define IEQUALIFIER_LALT 0x0010
#define IEQUALIFIER_RALT 0x0020
#define IEQUALIFIER_LCOMMAND 0x0040
#define IEQUALIFIER_RCOMMAND 0x0080
#define IEQUALIFIER_NUMERICPAD 0x0100
#define IEQUALIFIER_REPEAT 0x0200
#define IEQUALIFIER_INTERRUPT 0x0400
#define IEQUALIFIER_MULTIBROADCAST 0x0800
#define IEQUALIFIER_MIDBUTTON 0x1000
#define IEQUALIFIER_RBUTTON 0x2000
#define IEQUALIFIER_LEFTBUTTON 0x4000
#define IEQUALIFIER_RELATIVEMOUSE 0x8000

#define IEQUALIFIERB_LSHIFT 0
#define IEQUALIFIERB_RSHIFT 1
#define IEQUALIFIERB_CAPSLOCK 2
#define IEQUALIFIERB_CONTROL 3
#define IEQUALIFIERB_LALT 4
#define IEQUALIFIERB_RALT 5
#define IEQUALIFIERB_LCOMMAND 6
#define IEQUALIFIERB_RCOMMAND 7
#define IEQUALIFIERB_NUMERICPAD 8
#define IEQUALIFIERB_REPEAT 9
#define IEQUALIFIERB_LEFTBUTTON 14
#define IEQUALIFIERB_RBUTTON 13

/* One input event, as gadgets receive it in gpi_IEvent. ie_X/ie_Y hold the
   pointer position of mouse events; for keys ie_Code is the raw key number
   (with IECODE_UP_PREFIX on release) and MapRawKey() gives the characters. */
struct InputEvent {
    struct InputEvent *ie_NextEvent;
    UBYTE ie_Class;
    UBYTE ie_SubClass;
    UWORD ie_Code;
    UWORD ie_Qualifier;
    union {
        struct {
            WORD ie_x;
            WORD ie_y;
        } ie_xy;
        APTR ie_addr;
        struct {
            UBYTE ie_prev1DownCode;
            UBYTE ie_prev1DownQual;
            UBYTE ie_prev2DownCode;
            UBYTE ie_prev2DownQual;
        } ie_dead;
    } ie_position;
    struct TimeVal ie_TimeStamp;
};

#define ie_X ie_position.ie_xy.ie_x
#define ie_Y ie_position.ie_xy.ie_y
#define ie_EventAddress ie_position.ie_addr
#define ie_Prev1DownCode ie_position.ie_dead.ie_prev1DownCode
#define ie_Prev1DownQual ie_position.ie_dead.ie_prev1DownQual
#define ie_Prev2DownCode ie_position.ie_dead.ie_prev2DownCode
#define ie_Prev2DownQual ie_position.ie_dead.ie_prev2DownQual

#endif /* DEVICES_INPUTEVENT_H */
