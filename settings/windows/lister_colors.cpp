// settings/windows/lister_colors.cpp: "Listers colors settings": the lister's gradient and text colours.
#include "color_window.h"

namespace {

const ColorGroupSpec ListerGroups[] = {
    {"Begin gradient colors", &ConfigRecord::ListerGradientBegin, &ConfigRecord::SetListerGradientBegin, PreviewBegin,
     PreviewText},
    {"End gradient colors", &ConfigRecord::ListerGradientEnd, &ConfigRecord::SetListerGradientEnd, PreviewEnd,
     PreviewText},
    {"Text color", &ConfigRecord::ListerTextColor, &ConfigRecord::SetListerTextColor, PreviewText, PreviewText},
    {"Drawer text color", &ConfigRecord::DrawerTextColor, &ConfigRecord::SetDrawerTextColor, PreviewDrawerText,
     PreviewDrawerText},
};

}  // namespace

SettingsOutcome RunListerColorsSettings(const SettingsContext &context, ConfigRecord &config)
{
    ColorWindowSpec spec;
    spec.title = "Listers colors settings";
    spec.groups = ListerGroups;
    spec.groupCount = sizeof ListerGroups / sizeof ListerGroups[0];
    spec.startGradient = context.listerGradient;
    spec.startGradientOrder = context.listerGradientOrder;
    spec.confirmEffects = SettingsRebuildListerGradient | SettingsRereadLister;
    return RunColorWindow(context, config, spec);
}
