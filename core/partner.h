// core/partner.h: the dual build's PartnerTable and PartnerMessages: what two listers on one screen share and say to each other.
#ifndef CORE_PARTNER_H
#define CORE_PARTNER_H

#include "variant.h"

#include <exec/ports.h>

#include <lister/entry_buffer.h>
#include <settings/config_record.h>

#include <atomic>

struct Lister;

// The name of the program's public screen and of lister 2's process.
extern const char PartnerName[];

// The word of a PartnerMessage.
constexpr LONG PartnerReread = -1;   // read your drawer again and redraw
constexpr LONG PartnerQuit = 0;      // quit (lister 2; lister 1 re-reads)

// The length a PartnerMessage declares: an IntuiMessage's header as far as
// its class, and the word where an IntuiMessage has code and qualifier.
constexpr UWORD PartnerMessageLength = 28;

// The exit word lister 1 returns from the program.
constexpr LONG PartnerExitNoMemory = 10;   // after the start failure text
constexpr LONG PartnerExitNoBitmap = 15;   // after "To little memory for bitmap\n"

// A message of one lister to the other, on the receiver's SharedPort. The
// sender owns it, waits for the reply on its own port and only then goes on.
struct PartnerMessage {
    struct Message message;   // NT_MESSAGE, reply port the sender's port, length 28
    ULONG cls;                // IDCMP_NEWSIZE (2)
    LONG word;                // PartnerReread or PartnerQuit
};

// What the two lister processes share; nothing else of theirs is shared.
// A port slot holds 0 before its lister has started and after it has ended,
// PartnerSlotQuitting while it quits, else its SharedPort; it is written
// only by its owner. The entry buffers, the settings lister 2 follows and
// the paths read through them are read and written under Forbid().
struct PartnerTable {
    std::atomic<IPTR> ports[2] = {0, 0};
    ListerHeader *entries[2] = {nullptr, nullptr};
    std::atomic<LONG> exitWord{0};
    std::atomic<BOOL> secondSettled{FALSE};   // lister 2 has a port in its slot, or has given up
    BPTR input = 0;                           // the launcher's Input() and Output(), for lister 2
    BPTR output = 0;
    const ProgramVariant *second = nullptr;   // lister 2's description
    ConfigRecord firstSettings;               // lister 1's record as lister 2 last took it
};

constexpr IPTR PartnerSlotQuitting = IPTR(-1);

// The program's one table.
PartnerTable &Partners();

// Slot of a role (0 for lister 1, 1 for lister 2) and of its partner.
ULONG SlotOf(ListerRole role);
ULONG PartnerSlotOf(ListerRole role);

// The port in a slot, or nullptr for 0 and PartnerSlotQuitting.
struct MsgPort *PortInSlot(ULONG slot);

// --- What a paired lister does (all do nothing for a single lister) -------------

// After SharedPort is made: it goes into the lister's slot.
void JoinPartners(Lister &lister);

// After the BufferSet is allocated (start and "Restart"), and before it is
// released: the EntryBuffer the partner reads this lister's path from.
void PublishEntryBuffer(Lister &lister);
void WithdrawEntryBuffer(Lister &lister);

// Lister 1, once its window is shown: starts lister 2 with CreateNewProc and
// waits until it has its port in its slot or has given up. FALSE (and a
// requester) when the process cannot be started; lister 1 then runs alone.
BOOL StartSecondLister(Lister &lister);

// Before a copy or a user-menu run: the partner's current drawer path
// into the DestinationPath, so that both write into the partner's drawer.
// When there is no partner any more the destination stays as it was.
void TakePartnerDestination(Lister &lister);

// After a copy: the partner is told to re-read its drawer and this lister
// waits until it has; when the partner has ended or is ending, this lister
// quits.
void TellPartnerCopied(Lister &lister);

// Lister 1, after "Lister view" or "Copy" settings changed the settings both
// listers follow: lister 2 takes them and redraws.
void TellPartnerSettingsChanged(Lister &lister);

// Lister 2 takes from lister 1's record the settings both follow: extra
// space, no cgx_wpa, copy delay and its switch, rename string, stay
// selected, unprotects and the status-and-comment columns.
void FollowFirstSettings(Lister &lister);

// Acts on what the partner's messages asked for since the loop last looked
// (a re-read, or lister 2's quit). Called by the event loop between
// messages, never inside a drain.
// TRUE when it did something.
BOOL ActOnPartnerRequests(Lister &lister);

// The quit sequence, after the event loop and before Shutdown: the window
// closed, this lister's slot set to quitting, the partner told; lister 1
// then waits until lister 2 has released everything and removes its
// process. The port is answered empty and deleted here.
void LeavePartners(Lister &lister);

// After Shutdown: the slot back to 0. Lister 1 returns; lister 2 parks in
// Wait(0) until lister 1 removes its process and never returns.
void EndPartner(Lister &lister);

// A lister that could not start or could not get its buffers back records
// the exit word lister 1 returns.
void RecordPartnerExit(Lister &lister, LONG word);

#endif /* CORE_PARTNER_H */
