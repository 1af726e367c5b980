// core/partner.cpp: the two listers of the dual build: their table, their round trips and their quit sequence.
#include "partner.h"

#include "core.h"
#include "drawer_paths.h"
#include "lister_ops.h"
#include "settings_commands.h"

#include <ui/requester.h>

#include <dos/dostags.h>
#include <proto/dos.h>
#include <proto/exec.h>
#include <proto/intuition.h>

#include <cstring>

const char PartnerName[] = "Double Kestrovane 1";

namespace {

// Counts lister 1's changes of the settings both listers follow, so lister
// 2 takes them only when they changed.
std::atomic<ULONG> gSettingsGeneration{0};

// Lister 2's own start: it waits for the program's screen, then runs as
// lister 2 in "RAM:" until lister 1 removes it.
LONG SecondListerEntry()
{
    const ProgramVariant &variant = *Partners().second;
    struct Library *dos = OpenLibrary("dos.library", 0);
    struct Library *intuition = OpenLibrary("intuition.library", 0);
    struct Screen *screen;
    while ((screen = LockPubScreen(variant.screenName)) == nullptr)
        Delay(8);
    UnlockPubScreen(nullptr, screen);
    CloseLibrary(intuition);
    CloseLibrary(dos);
    static const char start[] = "RAM:\n";
    return Startup(variant, start, sizeof start - 1);
}

BOOL Paired(const Lister &lister)
{
    return lister.variant != nullptr && lister.variant->paired;
}

std::atomic<IPTR> &OwnSlot(const Lister &lister)
{
    return Partners().ports[SlotOf(lister.variant->role)];
}

void NotePartnerPort(Lister &lister)
{
    if (lister.partnerPort == nullptr)
        lister.partnerPort = PortInSlot(PartnerSlotOf(lister.variant->role));
}

// Answers what waits at SharedPort while this lister waits for something
// else: the partner's messages are acted on as the loop would, window
// messages are dropped (as during any command). TRUE when `awaited` came
// back among them.
BOOL AnswerWaiting(Lister &lister, const struct Message *awaited)
{
    BOOL back = FALSE;
    NotePartnerPort(lister);
    while (struct Message *message = GetMsg(lister.sharedPort)) {
        if (message == awaited)
            back = TRUE;
        else if (IsPartnerMessage(lister, message))
            HandlePartnerMessage(lister, message);
        else
            ReplyMsg(message);
    }
    return back;
}

// One round trip: the message into the partner's port if it has one, and
// the reply awaited on this lister's port. FALSE when the partner had no
// port (it has not started, or has ended or is ending).
BOOL SendToPartner(Lister &lister, LONG word)
{
    if (lister.sharedPort == nullptr)
        return FALSE;
    PartnerMessage message{};
    message.message.mn_Node.ln_Type = NT_MESSAGE;
    message.message.mn_ReplyPort = lister.sharedPort;
    message.message.mn_Length = PartnerMessageLength;
    message.cls = IDCMP_NEWSIZE;
    message.word = word;
    // Read and sent under Forbid: a partner that is ending deletes its port
    // under Forbid after answering whatever is in it, so the message is
    // either answered or never sent.
    Forbid();
    struct MsgPort *port = PortInSlot(PartnerSlotOf(lister.variant->role));
    if (port != nullptr)
        PutMsg(port, &message.message);
    Permit();
    if (port == nullptr)
        return FALSE;
    while (!AnswerWaiting(lister, &message.message))
        WaitPort(lister.sharedPort);
    return TRUE;
}

void SnapshotFirstSettings(const Lister &lister)
{
    Forbid();
    Partners().firstSettings = lister.config;
    Permit();
    gSettingsGeneration++;
}

}  // namespace

PartnerTable &Partners()
{
    static PartnerTable table;
    return table;
}

ULONG SlotOf(ListerRole role)
{
    return role == ListerRole::First ? 0 : 1;
}

ULONG PartnerSlotOf(ListerRole role)
{
    return role == ListerRole::First ? 1 : 0;
}

struct MsgPort *PortInSlot(ULONG slot)
{
    IPTR value = Partners().ports[slot].load();
    return value == 0 || value == PartnerSlotQuitting ? nullptr : reinterpret_cast<struct MsgPort *>(value);
}

void JoinPartners(Lister &lister)
{
    if (!Paired(lister) || lister.sharedPort == nullptr)
        return;
    OwnSlot(lister).store(reinterpret_cast<IPTR>(lister.sharedPort));
    if (lister.variant->role == ListerRole::Second) {
        lister.partnerPort = PortInSlot(SlotOf(ListerRole::First));
        Partners().secondSettled = TRUE;
    }
}

void PublishEntryBuffer(Lister &lister)
{
    if (!Paired(lister) || !lister.entries.Usable())
        return;
    Forbid();
    Partners().entries[SlotOf(lister.variant->role)] = lister.entries.Header();
    Permit();
}

void WithdrawEntryBuffer(Lister &lister)
{
    if (!Paired(lister))
        return;
    Forbid();
    Partners().entries[SlotOf(lister.variant->role)] = nullptr;
    Permit();
}

BOOL StartSecondLister(Lister &lister)
{
    if (!Paired(lister) || lister.variant->role != ListerRole::First || Partners().second == nullptr)
        return FALSE;
    PartnerTable &table = Partners();
    SnapshotFirstSettings(lister);
    table.secondSettled = FALSE;
    struct TagItem tags[] = {
        {NP_Input, IPTR(table.input)},
        {NP_Output, IPTR(table.output)},
        {NP_Error, IPTR(table.output)},
        {NP_Entry, reinterpret_cast<IPTR>(SecondListerEntry)},
        {NP_PPCStackSize, 16384},
        {NP_CodeType, CODETYPE_PPC},
        {NP_CommandName, reinterpret_cast<IPTR>(PartnerName)},
        {NP_Cli, TRUE},
        {NP_CloseError, FALSE},
        {NP_CopyVars, FALSE},
        {NP_CloseInput, FALSE},
        {NP_CloseOutput, FALSE},
        {NP_Name, reinterpret_cast<IPTR>(PartnerName)},
        {TAG_DONE, 0},
    };
    if (CreateNewProc(tags) == nullptr) {
        char reason[FaultTextSize];
        FaultText(IoErr(), reason);
        MessageRequest(lister.Requests(), "The second lister could not be started:", reason);
        return FALSE;
    }
    // Until lister 2 has its port in its slot (or has given up), nothing
    // may depend on its slot: a quit now would not know whether to wait.
    while (!table.secondSettled.load()) {
        AnswerWaiting(lister, nullptr);
        Delay(1);
    }
    NotePartnerPort(lister);
    return TRUE;
}

void TakePartnerDestination(Lister &lister)
{
    if (!Paired(lister) || lister.destination == nullptr)
        return;
    Forbid();
    const ListerHeader *partner = Partners().entries[PartnerSlotOf(lister.variant->role)];
    if (partner != nullptr)
        (void)CopyPath(lister.destination, DestinationPathSize, partner->path);
    Permit();
}

void TellPartnerCopied(Lister &lister)
{
    if (!Paired(lister))
        return;
    if (!SendToPartner(lister, PartnerReread))
        lister.quit = TRUE;
}

void TellPartnerSettingsChanged(Lister &lister)
{
    if (!Paired(lister) || lister.variant->role != ListerRole::First)
        return;
    SnapshotFirstSettings(lister);
    (void)SendToPartner(lister, PartnerReread);
}

void FollowFirstSettings(Lister &lister)
{
    if (!Paired(lister) || lister.variant->role != ListerRole::Second)
        return;
    ConfigRecord &own = lister.config;
    Forbid();
    const ConfigRecord &first = Partners().firstSettings;
    own.SetExtraSpaceFilename(first.ExtraSpaceFilename());
    own.SetNoCgxWpa(first.NoCgxWpa());
    own.SetCopyDelay(first.CopyDelay());
    own.SetCopyDelayEnabled(first.CopyDelayEnabled());
    own.SetRenameString(first.RenameString());
    own.SetStaySelected(first.StaySelected());
    own.SetUnprotects(first.Unprotects());
    // The columns follow lister 1 once it has chosen them; at start each
    // lister keeps its own.
    if (lister.settingsSeen != 0)
        own.SetHideStatusAndComment(first.HideStatusAndComment());
    Permit();
    lister.settingsSeen = gSettingsGeneration.load();
}

void HandlePartnerMessage(Lister &lister, struct Message *message)
{
    LONG word = reinterpret_cast<PartnerMessage *>(message)->word;
    ReplyMsg(message);
    if (lister.variant->role == ListerRole::Second && word >= 0)
        lister.quit = TRUE;
    else
        lister.partnerReread = TRUE;
}

BOOL ActOnPartnerRequests(Lister &lister)
{
    if (!lister.partnerReread || lister.quit)
        return FALSE;
    lister.partnerReread = FALSE;
    if (lister.variant->role == ListerRole::Second && lister.settingsSeen != gSettingsGeneration.load()) {
        FollowFirstSettings(lister);
        SyncDirectBitMap(lister);
    }
    RefreshDrawer(lister);
    return TRUE;
}

void LeavePartners(Lister &lister)
{
    if (!Paired(lister))
        return;
    CloseListerWindow(lister);
    PartnerTable &table = Partners();
    std::atomic<IPTR> &own = OwnSlot(lister);
    if (own.load() != 0)
        own.store(PartnerSlotQuitting);
    if (lister.variant->role == ListerRole::First) {
        BOOL started = table.ports[1].load() != 0;
        (void)SendToPartner(lister, PartnerQuit);
        // Lister 2 releases everything it holds before its slot goes to 0.
        while (started && table.ports[1].load() != 0) {
            if (lister.sharedPort != nullptr)
                AnswerWaiting(lister, nullptr);
            Delay(8);
        }
        if (struct Task *second = FindTask(PartnerName))
            RemTask(second);
    } else {
        (void)SendToPartner(lister, PartnerQuit);
        table.secondSettled = TRUE;
    }
    if (lister.sharedPort != nullptr) {
        Forbid();
        while (struct Message *message = GetMsg(lister.sharedPort))
            ReplyMsg(message);
        DeleteMsgPort(lister.sharedPort);
        lister.sharedPort = nullptr;
        Permit();
    }
}

void EndPartner(Lister &lister)
{
    if (!Paired(lister))
        return;
    OwnSlot(lister).store(0);
    if (lister.variant->role == ListerRole::Second)
        for (;;)
            Wait(0);
}

void RecordPartnerExit(Lister &lister, LONG word)
{
    if (!Paired(lister))
        return;
    LONG none = 0;
    Partners().exitWord.compare_exchange_strong(none, word);
}
