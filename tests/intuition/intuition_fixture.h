// Helpers of intuition's tests: the headless display with the test font, input as a person gives it, and messages.
#ifndef TESTS_INTUITION_FIXTURE_H
#define TESTS_INTUITION_FIXTURE_H

#include <hosted/display.h>
#include <hosted/intuition.h>
#include <proto/exec.h>
#include <proto/graphics.h>
#include <proto/intuition.h>

#include "support/headless.h"

#include <gtest/gtest.h>

#include <vector>

namespace itest {

// Every test runs on the headless display with the deterministic font.
struct Environment {
    Environment() { kvtest::UseHeadlessDisplay(); }
};
inline Environment gEnvironment;

// Waits until intuition has handled everything given to it.
using kvtest::Settle;

inline void Post(hosted::HostInputKind kind, LONG x = 0, LONG y = 0, UBYTE button = hosted::HostButtonLeft)
{
    kvtest::PostHostInput(kind, x, y, button);
}

inline void Move(LONG x, LONG y)
{
    Post(hosted::HostInputKind::PointerMove, x, y);
    Settle();
}

inline void Press(bool right = false)
{
    Post(hosted::HostInputKind::ButtonDown, 0, 0, right ? hosted::HostButtonRight : hosted::HostButtonLeft);
    Settle();
}

inline void Release(bool right = false)
{
    Post(hosted::HostInputKind::ButtonUp, 0, 0, right ? hosted::HostButtonRight : hosted::HostButtonLeft);
    Settle();
}

inline void Click(LONG x, LONG y)
{
    kvtest::SettledClick(x, y);
}

inline void Key(UWORD rawKey, UWORD qualifier, ULONG character)
{
    hosted::PostKeyStroke(rawKey, qualifier, character);
    Settle();
}

// What the tests keep of a message: it is replied at once.
struct Received {
    ULONG cls = 0;
    UWORD code = 0;
    UWORD qualifier = 0;
    APTR address = nullptr;
    WORD mouseX = 0;
    WORD mouseY = 0;
    ULONG seconds = 0;
    ULONG micros = 0;
    struct Window *window = nullptr;
    struct MsgPort *replyPort = nullptr;
};

inline std::vector<Received> Drain(struct MsgPort *port)
{
    std::vector<Received> messages;
    if (port == nullptr)
        return messages;
    while (struct IntuiMessage *im = reinterpret_cast<struct IntuiMessage *>(GetMsg(port))) {
        Received m;
        m.cls = im->Class;
        m.code = im->Code;
        m.qualifier = im->Qualifier;
        m.address = im->IAddress;
        m.mouseX = im->MouseX;
        m.mouseY = im->MouseY;
        m.seconds = im->Seconds;
        m.micros = im->Micros;
        m.window = im->IDCMPWindow;
        m.replyPort = im->ExecMessage.mn_ReplyPort;
        messages.push_back(m);
        ReplyMsg(&im->ExecMessage);
    }
    Settle();
    return messages;
}

// The messages of one class.
inline std::vector<Received> OfClass(const std::vector<Received> &messages, ULONG cls)
{
    std::vector<Received> found;
    for (const Received &m : messages) {
        if (m.cls == cls)
            found.push_back(m);
    }
    return found;
}

inline ULONG Pixel(LONG x, LONG y)
{
    return hosted::FramePixel(x, y);
}

// The colour of a pen of the default public screen.
inline ULONG PenRGB(ULONG pen)
{
    struct Screen *screen = LockPubScreen(nullptr);
    ULONG rgb[3] = {0, 0, 0};
    GetRGB32(screen->ViewPort.ColorMap, pen, 1, rgb);
    UnlockPubScreen(nullptr, screen);
    return ((rgb[0] >> 24) << 16) | ((rgb[1] >> 24) << 8) | (rgb[2] >> 24);
}

// A window on the default public screen with the usual frame.
inline struct Window *OpenFramed(const char *title, LONG left, LONG top, LONG width, LONG height, ULONG idcmp,
                                 bool size = true)
{
    return OpenWindowTags(nullptr, WA_Title, title, WA_Left, left, WA_Top, top, WA_Width, width, WA_Height, height,
                          WA_CloseGadget, TRUE, WA_DepthGadget, TRUE, WA_DragBar, TRUE, WA_SizeGadget, size ? TRUE : FALSE,
                          WA_Activate, TRUE, WA_IDCMP, idcmp, TAG_DONE);
}

// Closes a window after taking its messages, as programs must.
inline void CloseQuietly(struct Window *window)
{
    if (window == nullptr)
        return;
    ClearMenuStrip(window);
    if (window->UserPort != nullptr)
        Drain(window->UserPort);
    CloseWindow(window);
    Settle();
}

}  // namespace itest

#endif  // TESTS_INTUITION_FIXTURE_H
