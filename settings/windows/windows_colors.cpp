// settings/windows/windows_colors.cpp: "Windows colors settings": the dialogs' gradient and text colour.
#include "color_window.h"

namespace {

const ColorGroupSpec WindowGroups[] = {
    {"Begin gradient colors", &ConfigRecord::WindowGradientBegin, &ConfigRecord::SetWindowGradientBegin, PreviewBegin,
     PreviewText},
    {"End gradient colors", &ConfigRecord::WindowGradientEnd, &ConfigRecord::SetWindowGradientEnd, PreviewEnd,
     PreviewText},
    {"Text color", &ConfigRecord::WindowTextColor, &ConfigRecord::SetWindowTextColor, PreviewText, PreviewText},
};

}  // namespace

SettingsOutcome RunWindowsColorsSettings(const SettingsContext &context, ConfigRecord &config)
{
    ColorWindowSpec spec;
    spec.title = "Windows colors settings";
    spec.groups = WindowGroups;
    spec.groupCount = sizeof WindowGroups / sizeof WindowGroups[0];
    spec.startGradient = context.toolkit->windowGradient;
    // The lister keeps its look; the next dialog opens in the new colours.
    spec.confirmEffects = SettingsRebuildWindowGradient;
    return RunColorWindow(context, config, spec);
}
