// variants/double_kestrovane.cpp: DoubleKestrovane: two listers side by side on a screen of their own.
#include <core/partner.h>
#include <core/partner_launcher.h>

#include <proto/dos.h>
#include <settings/config_record.h>

#include <cstring>

namespace {

const char VersionTag[] = "$VER: DoubleKestrovane 0.9u (1aug10)";

// Lister 2 is told apart by its colours and a slower copy.
void SecondListerDefaults(ConfigRecord &config)
{
    config.SetDrawerTextColor(0x00EC1C2C);
    config.SetListerTextColor(0x00021001);
    config.SetListerGradientBegin(0x0081A2E6);
    config.SetListerGradientEnd(0x0077AF72);
    config.SetCopyDelay(257);
    config.SetCopyDelayEnabled(1);
    config.Bytes()[0x3D] = 1;   // the byte after the delay switch
    config.SetWindowTextColor(0x00EEDDDD);
    config.SetWindowGradientBegin(0x00A68996);
    config.SetWindowGradientEnd(0x00EF3200);
}

const ProgramVariant FirstLister = {
    "DoubleKestrovane",
    VersionTag + 6,
    "To little memory for DoubleKestrovane to start\n",
    "CON:64/64/475/128/Kestrovane error message/AUTO/CLOSE/WAIT",
    "PROGDIR:Kestrovane.cfg",
    "PROGDIR:KestrovaneUsermenus.cfg",
    "DoubleKestrovane.guide",
    ListerRole::First,
    ListerRendering::Buffer,
    PartnerName,
    TRUE,
    nullptr,
};

const ProgramVariant SecondLister = {
    "DoubleKestrovane",
    VersionTag + 6,
    "To little memory for DoubleKestrovane to start\n",
    "CON:64/64/475/128/Kestrovane error message/AUTO/CLOSE/WAIT",
    "PROGDIR:KestrovaneB.cfg",
    "PROGDIR:KestrovaneUsermenusB.cfg",
    "DoubleKestrovane.guide",
    ListerRole::Second,
    ListerRendering::Buffer,
    PartnerName,
    TRUE,
    SecondListerDefaults,
};

}  // namespace

int main()
{
    CONST_STRPTR arguments = GetArgStr();
    return int(StartPairedListers(FirstLister, SecondLister, arguments, ULONG(std::strlen(arguments))));
}
