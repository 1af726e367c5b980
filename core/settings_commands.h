// core/settings_commands.h: the "Settings" sub-items: each runs its window and applies what it changed.
#ifndef CORE_SETTINGS_COMMANDS_H
#define CORE_SETTINGS_COMMANDS_H

struct Lister;

void ShowListerColorsSettings(Lister &lister);
void ShowWindowsColorsSettings(Lister &lister);
void ShowBufferSizesSettings(Lister &lister);
void ShowDateFormatSettings(Lister &lister);
void ShowListerViewSettings(Lister &lister);
void ShowCopySettings(Lister &lister);

// Allocates or frees the DirectBitMap so that it exists exactly when
// "no cgx_wpa:" is on (at start-up and after "Lister view settings").
void SyncDirectBitMap(Lister &lister);

#endif /* CORE_SETTINGS_COMMANDS_H */
