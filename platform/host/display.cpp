// host/display.cpp: choosing the display backend (KESTROVANE_DISPLAY) and the default screen size.
#include <hosted/display.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace hosted {

std::mutex &FrameLock()
{
    static auto *lock = new std::mutex;
    return *lock;
}

namespace {

[[noreturn]] void NoDisplay(const char *why)
{
    std::fprintf(stderr,
                 "%s: no display: %s.\n"
                 "Set KESTROVANE_DISPLAY=headless to run without one, or KESTROVANE_DISPLAY=sdl "
                 "on a desktop.\n",
                 program_invocation_short_name, why);
    std::fflush(stderr);
    _exit(1);
}

DisplayBackend *ChooseBackend()
{
    const char *choice = std::getenv("KESTROVANE_DISPLAY");
    std::string error;
    if (choice != nullptr && *choice != 0) {
        if (std::strcmp(choice, "headless") == 0)
            return OpenHeadlessDisplay().release();
        if (std::strcmp(choice, "sdl") == 0) {
            auto sdl = OpenSdlDisplay(error);
            if (!sdl)
                NoDisplay(("KESTROVANE_DISPLAY=sdl, but SDL cannot start (" + error + ")").c_str());
            return sdl.release();
        }
        NoDisplay(("KESTROVANE_DISPLAY=" + std::string(choice) +
                   " is not a display (use sdl or headless)").c_str());
    }
    const char *x11 = std::getenv("DISPLAY");
    const char *wayland = std::getenv("WAYLAND_DISPLAY");
    if ((x11 == nullptr || *x11 == 0) && (wayland == nullptr || *wayland == 0))
        NoDisplay("KESTROVANE_DISPLAY is not set and neither DISPLAY nor WAYLAND_DISPLAY is");
    auto sdl = OpenSdlDisplay(error);
    if (!sdl)
        NoDisplay(("KESTROVANE_DISPLAY is not set and SDL cannot start (" + error + ")").c_str());
    return sdl.release();
}

}  // namespace

DisplayBackend &Display()
{
    // Never destroyed: the display lives as long as the process.
    static DisplayBackend *backend = ChooseBackend();
    return *backend;
}

void DefaultScreenSize(LONG &width, LONG &height)
{
    width = 1280;
    height = 800;
    const char *size = std::getenv("KESTROVANE_SCREEN");
    if (size == nullptr)
        return;
    long w = 0;
    long h = 0;
    char tail = 0;
    if (std::sscanf(size, "%ldx%ld%c", &w, &h, &tail) != 2)
        return;
    if (w < 320 || h < 200 || w > 8192 || h > 8192)
        return;
    width = static_cast<LONG>(w);
    height = static_cast<LONG>(h);
}

}  // namespace hosted
