// intuition/prefs.cpp: preferences, the double-click test, the current time and Remember lists.
#include "state.h"

#include <proto/exec.h>
#include <proto/intuition.h>

#include <algorithm>
#include <cstring>

using namespace hosted;

/* Copies the first `size` bytes of the current preferences into
   prefBuffer (at most the whole record). The double-click interval is
   0.5 s on this host. Returns prefBuffer; NULL for a NULL buffer. */
struct Preferences *GetPrefs(struct Preferences *prefBuffer, LONG size)
{
    StartIntuition();
    if (prefBuffer == nullptr || size <= 0)
        return prefBuffer;
    std::lock_guard<std::recursive_mutex> guard(IntuitionLock());
    std::size_t bytes = std::min<std::size_t>(static_cast<std::size_t>(size), sizeof(struct Preferences));
    std::memcpy(prefBuffer, &State().prefs, bytes);
    return prefBuffer;
}

/* The preferences the system starts with; on this host the same as the
   current ones. */
struct Preferences *GetDefPrefs(struct Preferences *prefBuffer, LONG size)
{
    return GetPrefs(prefBuffer, size);
}

/* TRUE when the time (cSeconds, cMicros) lies no later than the
   double-click interval after (sSeconds, sMicros). The true difference of
   the two times is compared, so clicks across a change of second count. A
   second time before the first is never a double-click. */
BOOL DoubleClick(ULONG sSeconds, ULONG sMicros, ULONG cSeconds, ULONG cMicros)
{
    StartIntuition();
    struct TimeVal interval;
    {
        std::lock_guard<std::recursive_mutex> guard(IntuitionLock());
        interval = State().prefs.DoubleClick;
    }
    long long first = static_cast<long long>(sSeconds) * 1000000 + sMicros;
    long long second = static_cast<long long>(cSeconds) * 1000000 + cMicros;
    long long limit = static_cast<long long>(interval.tv_secs) * 1000000 + interval.tv_micro;
    long long gap = second - first;
    return gap >= 0 && gap <= limit ? TRUE : FALSE;
}

/* The current time, local, in seconds and microseconds since 1 January
   1978: the clock of IntuiMessage.Seconds/Micros. */
void CurrentTime(ULONG *seconds, ULONG *micros)
{
    ULONG s = 0;
    ULONG m = 0;
    HostTime(s, m);
    if (seconds != nullptr)
        *seconds = s;
    if (micros != nullptr)
        *micros = m;
}

/* Allocates memory (AllocMem flags) and remembers it on a list, so that
   FreeRemember can free all of it at once. NULL when memory is short. */
APTR AllocRemember(struct Remember **rememberKey, ULONG size, ULONG flags)
{
    if (rememberKey == nullptr || size == 0)
        return nullptr;
    auto *node = static_cast<struct Remember *>(AllocMem(sizeof(struct Remember), MEMF_CLEAR));
    if (node == nullptr)
        return nullptr;
    node->Memory = static_cast<UBYTE *>(AllocMem(size, flags));
    if (node->Memory == nullptr) {
        FreeMem(node, sizeof(struct Remember));
        return nullptr;
    }
    node->RememberSize = size;
    node->NextRemember = *rememberKey;
    *rememberKey = node;
    return node->Memory;
}

/* Frees everything on a Remember list (reallyForget TRUE), or only the
   list's own nodes, leaving the memory allocated (FALSE). */
void FreeRemember(struct Remember **rememberKey, BOOL reallyForget)
{
    if (rememberKey == nullptr)
        return;
    struct Remember *node = *rememberKey;
    while (node != nullptr) {
        struct Remember *next = node->NextRemember;
        if (reallyForget)
            FreeMem(node->Memory, node->RememberSize);
        FreeMem(node, sizeof(struct Remember));
        node = next;
    }
    *rememberKey = nullptr;
}
