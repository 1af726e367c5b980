// core/settings_commands.cpp: the settings windows run on the lister, and their changes applied to it.
#include "settings_commands.h"

#include "error_console.h"
#include "lister_ops.h"
#include "partner.h"
#include "rendering.h"
#include "restart.h"

#include <settings/windows/settings_windows.h>
#include <texts/texts.h>

namespace {

using SettingsWindow = SettingsOutcome (*)(const SettingsContext &, ConfigRecord &);

void Apply(Lister &lister, ULONG effects, const ConfigRecord &previous)
{
    const ConfigRecord &config = lister.config;
    if (effects & SettingsRebuildListerGradient)
        BuildListerGradient(lister);
    if ((effects & SettingsRebuildWindowGradient) && lister.windowGradient != nullptr)
        BuildGradient(*lister.windowGradient, config.WindowGradientBegin(), config.WindowGradientEnd());
    if (effects & SettingsRemakeDates) {
        SetDateRequestFormat(lister.dates, config.DateFormat(), config.DayNameSubstitution());
        lister.dateWidth = MeasureDateWidth(lister.dates);
    }
    if (effects & SettingsSyncDirectBitMap)
        SyncDirectBitMap(lister);
    if (effects & SettingsRestart)
        RestartLister(lister, previous);
    else if (effects & SettingsRereadLister)
        RefreshDrawer(lister);
}

void RunSettingsWindow(Lister &lister, SettingsWindow window)
{
    SettingsContext context;
    context.toolkit = &lister.dialogs;
    context.listerGradient = &lister.listerGradient;
    DescribeSettingsFor(lister, context);
    const ConfigRecord previous = lister.config;
    SettingsOutcome outcome = window(context, lister.config);
    switch (outcome.ending) {
    case SettingsOutcome::Ending::Confirmed:
        Apply(lister, outcome.effects, previous);
        // Lister 2 of the dual build follows these two windows' settings.
        if (window == RunListerViewSettings || window == RunCopySettings)
            TellPartnerSettingsChanged(lister);
        break;
    case SettingsOutcome::Ending::NoMemory:
        ShowFatalMessage(lister.variant->errorConsoleName, "To little memory for bitmap\n");
        break;
    case SettingsOutcome::Ending::NotOpened:
        MessageRequest(lister.Requests(), SettingsWindowFailedText);
        break;
    case SettingsOutcome::Ending::Cancelled:
        break;
    }
}

}  // namespace

void SyncDirectBitMap(Lister &lister)
{
    // Only a lister drawn in the "Bitmap" buffer has a direct path to take.
    BOOL wanted = lister.HasBitmapBuffer() && lister.config.NoCgxWpa() != 0;
    // Without the screen-compatible bitmap the lister presents through
    // WritePixelArray: slower, never wrong, so a failed allocation is no error.
    if (wanted && lister.direct.bitmap == nullptr)
        (void)AllocDirectBitMap(lister.direct, ULONG(lister.metrics.screenWidth - lister.metrics.BordersX()),
                                ULONG(lister.metrics.screenHeight - lister.metrics.BordersY()),
                                lister.screen->RastPort.BitMap);
    else if (!wanted && lister.direct.bitmap != nullptr)
        FreeDirectBitMap(lister.direct);
}

void ShowListerColorsSettings(Lister &lister)
{
    RunSettingsWindow(lister, RunListerColorsSettings);
}

void ShowWindowsColorsSettings(Lister &lister)
{
    RunSettingsWindow(lister, RunWindowsColorsSettings);
}

void ShowBufferSizesSettings(Lister &lister)
{
    RunSettingsWindow(lister, RunBufferSizesSettings);
}

void ShowDateFormatSettings(Lister &lister)
{
    RunSettingsWindow(lister, RunDateFormatSettings);
}

void ShowListerViewSettings(Lister &lister)
{
    RunSettingsWindow(lister, RunListerViewSettings);
}

void ShowCopySettings(Lister &lister)
{
    RunSettingsWindow(lister, RunCopySettings);
}
