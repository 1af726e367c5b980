// settings/windows/settings_rules.h: how the settings windows turn gadget values into record fields and back.
#ifndef SETTINGS_WINDOWS_SETTINGS_RULES_H
#define SETTINGS_WINDOWS_SETTINGS_RULES_H

#include <settings/config_record.h>

// These rules know nothing of windows: each takes what the gadgets hold and
// gives what the record stores (or the other way round).

// `value` bounded to low … high.
LONG ClampSetting(LONG value, LONG low, LONG high);

// Red, green and blue (0 … 255 each) of a colour word 0x00RRGGBB, and the
// word packed from three channels (each bounded to 0 … 255).
void SplitColor(ULONG colour, ULONG channels[3]);
ULONG PackColor(const ULONG channels[3]);

// A buffer size as its row shows it: whole Mb of 1,024,000 bytes, rounded
// down, no more than the row's slider reaches.
ULONG MegabytesShown(ULONG bytes, ULONG sliderMaximum);

// The bytes a row stores: its Mb (0 counts as 1) × 1,024,000.
ULONG BufferBytesOf(ULONG megabytes);

// The rows of "Buffers sizes settings", in the record's order.
struct BufferSizeValues {
    ULONG megabytes[ConfigBufferCount] = {};
    BOOL shown[ConfigBufferCount] = {TRUE, TRUE, TRUE, TRUE, TRUE};   // a row left out keeps its size
};
void StoreBufferSizes(const BufferSizeValues &values, ConfigRecord &config);

// A boolean byte for a check box: the stored byte when its state is
// unchanged (another program's 1 stays 1), else `onValue` or 0.
UBYTE ToggleByte(UBYTE stored, BOOL on, UBYTE onValue = 0xFF);

// "Date format settings": the chosen format (0 "DOS" … 3 "Canadian") and
// "Day name" (TRUE: DTF_SUBST, 1) or "No day name" (0). A stored format
// outside 0 … 3 opens as "DOS", so that exactly one button is on.
UBYTE DateFormatChoice(UBYTE stored);
void StoreDateFormat(ULONG format, BOOL dayName, ConfigRecord &config);

// "Lister view settings". The four place and size fields hold up to four
// digits; anything typed is bounded to 0 … 9999 first, and the left and
// top edges to the screen (a place off the screen is one the next start
// would not take).
struct ListerViewValues {
    LONG extraSpace = 0;     // 0 … 9
    BOOL staySelected = FALSE;
    BOOL statusAndComment = TRUE;
    LONG left = 0;
    LONG top = 0;            // 0: the default top
    LONG maxWidth = 0;       // 0: the screen's; 1 … 255 stored as 256
    LONG maxHeight = 0;
    BOOL noCgxWpa = FALSE;
    BOOL noCgxWpaShown = TRUE;   // the row is left out: the byte is kept
    LONG leftLimit = 9999;       // the place stays on the screen: below its width
    LONG topLimit = 9999;        // and its height
};
ListerViewValues ListerViewOf(const ConfigRecord &config);
void StoreListerView(const ListerViewValues &values, ConfigRecord &config);

// A largest width or height: 0 stays 0 (the screen's), 1 … 255 become 256
// (the smallest window the lister opens), the rest stay.
UWORD ListerLimitStored(LONG value);

// The three starts of the rename field, in the order of their buttons.
enum class RenameChoice : UBYTE { Name, Stays, Empty };
RenameChoice RenameChoiceOf(UBYTE stored);   // 0xFF "Name", 1 "Stays", anything else "Empty"
UBYTE RenameByteOf(RenameChoice choice);     // "Name" 0xFF, "Stays" 1, "Empty" 0

// "Copy, rename settings".
struct CopySettingsValues {
    BOOL copyComment = TRUE;
    BOOL unprotects = FALSE;
    RenameChoice rename = RenameChoice::Name;
    BOOL delayEnabled = FALSE;
    LONG delay = 75;          // the slider, 0 … 999; 0 is stored as 1
};
CopySettingsValues CopySettingsOf(const ConfigRecord &config);
void StoreCopySettings(const CopySettingsValues &values, ConfigRecord &config);

#endif /* SETTINGS_WINDOWS_SETTINGS_RULES_H */
