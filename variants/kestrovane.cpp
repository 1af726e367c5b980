// variants/kestrovane.cpp: Kestrovane: one lister window on the default public screen.
#include <core/core.h>

#include <proto/dos.h>

#include <cstring>

namespace {

const char VersionTag[] = "$VER: Kestrovane 0.9u (1aug10)";

const ProgramVariant Kestrovane = {
    "Kestrovane",
    VersionTag + 6,
    "To little memory for Kestrovane to start\n",
    "CON:64/64/475/128/Kestrovane error message/AUTO/CLOSE/WAIT",
    "PROGDIR:Kestrovane.cfg",
    "PROGDIR:KestrovaneUsermenus.cfg",
    "Kestrovane.guide",
    ListerRole::First,
};

}  // namespace

int main()
{
    CONST_STRPTR arguments = GetArgStr();
    return int(Startup(Kestrovane, arguments, ULONG(std::strlen(arguments))));
}
