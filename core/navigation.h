// core/navigation.h: showing a drawer and the commands that change which one is shown.
#ifndef CORE_NAVIGATION_H
#define CORE_NAVIGATION_H

#include "lister.h"

// Reads the lister's path, sorts, lays out and draws it, opens the window at
// the size the list needs and presents it; then tells the user about entries
// or lines that did not fit their buffers. FALSE when the window could not
// be opened (the lister then quits).
[[nodiscard]] BOOL ShowListerDrawer(Lister &lister);

// GoToDrawer: shows the drawer `path` (the HistoryList records it).
// A path longer than the path buffer is refused with a requester and the
// lister stays as it was.
void GoToDrawer(Lister &lister, CONST_STRPTR path);

// "Refresh", "Parent", a double-click on a drawer, "Open".
void RefreshDrawer(Lister &lister);
void GoToParent(Lister &lister);
// "Root" (dual build): the path cut after the volume's ":", "Parent" off.
void GoToRoot(Lister &lister);
void EnterDrawer(Lister &lister, CONST_STRPTR name);
void OpenDrawerRequester(Lister &lister);
void SetDestinationRequester(Lister &lister);

// Makes the start directory current again and releases the drawer's lock
// (at quit, and before "Restart" frees the EntryBuffer that keeps it).
void ReleaseDrawerLock(Lister &lister);

// Lays the current entries out and draws them again (after a sort change).
void RedrawEntries(Lister &lister);

#endif /* CORE_NAVIGATION_H */
