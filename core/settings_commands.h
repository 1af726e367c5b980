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

#endif /* CORE_SETTINGS_COMMANDS_H */
