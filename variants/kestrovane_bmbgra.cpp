// variants/kestrovane_bmbgra.cpp: KestrovaneBMBGRA: Kestrovane with its lister drawn straight into a BGRA32 screen bitmap.
#include <core/core.h>

#include <proto/dos.h>

#include <cstring>

namespace {

const char VersionTag[] = "$VER: KestrovaneBMBGRA 0.9u (1aug10)";

const ProgramVariant KestrovaneBMBGRA = {
    "KestrovaneBMBGRA",
    VersionTag + 6,
    "To little memory for Kestrovane_BMBGRA to start\n",
    "CON:64/64/475/128/Kestrovane error message/AUTO/CLOSE/WAIT",
    "PROGDIR:Kestrovane.cfg",
    "PROGDIR:KestrovaneUsermenus.cfg",
    "Kestrovane.guide",
    ListerRole::First,
    ListerRendering::ScreenBitMap,
};

}  // namespace

int main()
{
    CONST_STRPTR arguments = GetArgStr();
    return int(Startup(KestrovaneBMBGRA, arguments, ULONG(std::strlen(arguments))));
}
