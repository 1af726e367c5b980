// settings/windows/gadget_ids.h: the GA_ID of every gadget of the settings windows.
#ifndef SETTINGS_WINDOWS_GADGET_IDS_H
#define SETTINGS_WINDOWS_GADGET_IDS_H

#include <exec/types.h>

// The buttons that end or act in a window.
constexpr UWORD SettingsOkId = 1;
constexpr UWORD SettingsCancelId = 2;
constexpr UWORD SettingsTestId = 3;
constexpr UWORD SettingsRestartId = 4;

// Colour groups, top to bottom (0 …), channels R, G, B (0 … 2).
constexpr UWORD ColorSliderId(ULONG group, ULONG channel) { return UWORD(100 + 10 * group + 2 * channel); }
constexpr UWORD ColorFieldId(ULONG group, ULONG channel) { return UWORD(ColorSliderId(group, channel) + 1); }

// Buffer size rows in the record's order: Copy, Lister, Dir stack, Dir depth, Bitmap.
constexpr UWORD BufferSliderId(ULONG row) { return UWORD(200 + 2 * row); }
constexpr UWORD BufferFieldId(ULONG row) { return UWORD(BufferSliderId(row) + 1); }

// Date formats: the four formats in the order of the format byte, then the day names.
constexpr UWORD DateFormatId(ULONG format) { return UWORD(300 + format); }
constexpr UWORD DayNameId = 310;
constexpr UWORD NoDayNameId = 311;

// Lister view.
constexpr UWORD ExtraSpaceId = 400;
constexpr UWORD StaySelectedId = 401;
constexpr UWORD StatusAndCommentId = 402;
constexpr UWORD ListerLeftId = 403;
constexpr UWORD ListerTopId = 404;
constexpr UWORD ListerMaxWidthId = 405;
constexpr UWORD ListerMaxHeightId = 406;
constexpr UWORD NoCgxWpaId = 407;

// Copy, rename.
constexpr UWORD CopyCommentId = 500;
constexpr UWORD UnprotectsId = 501;
constexpr UWORD RenameNameId = 502;
constexpr UWORD RenameStaysId = 503;
constexpr UWORD RenameEmptyId = 504;
constexpr UWORD CopyDelayToggleId = 505;
constexpr UWORD CopyDelaySliderId = 506;
constexpr UWORD CopyDelayFieldId = 507;

// "User menus settings": the name field, "Add", and a button for each menu or item (0 … 9).
constexpr UWORD UserMenuNameFieldId = 600;
constexpr UWORD UserMenuAddId = 601;
constexpr UWORD UserMenuEntryId(ULONG entry) { return UWORD(610 + entry); }

// "Usermenuitem function settings".
constexpr UWORD ItemMenuNameId = 620;
constexpr UWORD ItemNameId = 621;
constexpr UWORD ItemFunctionId = 622;
constexpr UWORD ItemOutputId = 623;
constexpr UWORD ItemOutputToggleId = 624;
constexpr UWORD ItemStackId = 625;
constexpr UWORD ItemPriorityId = 626;
constexpr UWORD ItemMultitaskingId = 627;
constexpr UWORD ItemAllAtOnceId = 628;
constexpr UWORD ItemStartAlwaysId = 629;

#endif /* SETTINGS_WINDOWS_GADGET_IDS_H */
