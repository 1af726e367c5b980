// core/root_command.cpp: "Root": the lister goes to the root of the volume its drawer is on.
#include "lister_ops.h"

#include <cstring>

void GoToRoot(Lister &lister)
{
    char path[ListerPathSize];
    std::memcpy(path, lister.Path(), ListerPathSize);
    path[ListerPathSize - 1] = '\0';
    // The path is always a full one; ":" alone names the root of the current
    // directory's volume for one that is not.
    char *colon = std::strchr(path, ':');
    if (colon != nullptr)
        colon[1] = '\0';
    else
        std::strcpy(path, ":");
    GoToDrawer(lister, path);
}
