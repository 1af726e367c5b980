// asl/answers.cpp: how the file requester answers the person: rows, buttons, fields, keys, the wheel and the scroller.
#include "session.h"

#include <devices/inputevent.h>
#include <intuition/gadgetclass.h>
#include <proto/dos.h>
#include <proto/exec.h>
#include <proto/intuition.h>
#include <proto/utility.h>

#include <algorithm>

namespace hosted::asl {

namespace {

constexpr LONG kWheelRows = 3;

}  // namespace

int Session::Run()
{
    struct MsgPort *port = window_->UserPort;
    while (outcome_ == Outcome::Running) {
        WaitPort(port);
        while (outcome_ == Outcome::Running) {
            auto *im = reinterpret_cast<struct IntuiMessage *>(GetMsg(port));
            if (im == nullptr)
                break;
            const ULONG cls = im->Class;
            const UWORD code = im->Code;
            const UWORD qualifier = im->Qualifier;
            APTR address = im->IAddress;
            const ULONG seconds = im->Seconds;
            const ULONG micros = im->Micros;
            // The tags of an update go back with the message: read them first.
            LONG scrollerTop = -1;
            if (cls == IDCMP_IDCMPUPDATE) {
                const auto *tags = static_cast<const struct TagItem *>(address);
                if (GetTagData(GA_ID, 0, tags) == IdScroller) {
                    if (const struct TagItem *top = FindTagItem(PGA_Top, tags))
                        scrollerTop = static_cast<LONG>(top->ti_Data);
                }
                address = nullptr;
            }
            ReplyMsg(&im->ExecMessage);
            if (cls == IDCMP_IDCMPUPDATE) {
                if (scrollerTop >= 0)
                    SetTop(scrollerTop, true);
                continue;
            }
            Handle(cls, code, qualifier, address, seconds, micros);
        }
    }
    return outcome_ == Outcome::Chosen ? 1 : 0;
}

void Session::Handle(ULONG cls, UWORD code, UWORD qualifier, APTR address, ULONG seconds, ULONG micros)
{
    (void)qualifier;
    switch (cls) {
    case IDCMP_GADGETUP: {
        const UWORD id = static_cast<struct Gadget *>(address)->GadgetID;
        if (id >= IdRowBase) {
            RowPressed(id - IdRowBase, seconds, micros);
            return;
        }
        switch (id) {
        case IdPositive: Accept(); return;
        case IdVolumes: ShowVolumes(); return;
        case IdParent: Parent(); return;
        case IdNegative: outcome_ = Outcome::Cancelled; return;
        case IdDrawer: Typed(code); return;
        case IdFile:
            if (code == 0)   // Return, not Tab
                Accept();
            return;
        case IdScroller: {
            IPTR top = 0;
            if (GetAttr(PGA_Top, scroller_, &top))
                SetTop(static_cast<LONG>(top), true);
            return;
        }
        default: return;
        }
    }
    case IDCMP_NEWSIZE:
        Relayout();
        return;
    case IDCMP_CLOSEWINDOW:
        outcome_ = Outcome::Cancelled;
        return;
    case IDCMP_VANILLAKEY:
        if (code == 13)
            Accept();
        else if (code == 27)
            outcome_ = Outcome::Cancelled;
        return;
    case IDCMP_RAWKEY:
        Key(code);
        return;
    default:
        return;
    }
}

// One press selects; a second press on the same entry within the
// double-click interval opens a drawer or chooses a file. In the list of
// volumes one press enters the volume.
void Session::RowPressed(LONG row, ULONG seconds, ULONG micros)
{
    const LONG index = top_ + row;
    if (!message_.empty() || index < 0 || index >= static_cast<LONG>(entries_.size()))
        return;
    const Entry entry = entries_[static_cast<std::size_t>(index)];
    const bool twice = index == lastPressed_ && DoubleClick(lastSeconds_, lastMicros_, seconds, micros);
    lastPressed_ = twice ? -1 : index;
    lastSeconds_ = seconds;
    lastMicros_ = micros;
    if (volumes_) {
        GoTo(entry.name);
        return;
    }
    if (twice) {
        if (entry.kind == EntryKind::Drawer) {
            GoTo(JoinPath(current_, entry.name));
        } else {
            SetField(fileField_, entry.name);
            Accept();
        }
        return;
    }
    Select(index);
    if (entry.kind == EntryKind::Drawer) {
        if (settings_.drawersOnly)
            SetField(drawerField_, JoinPath(current_, entry.name));
    } else {
        SetField(fileField_, entry.name);
    }
}

// A path typed into the drawer field (code: 0 for Return, 9 for Tab).
// Return reads the drawer again even when its name is unchanged; a file's
// path opens its drawer with the file chosen in the file field.
void Session::Typed(UWORD code)
{
    const std::string text = drawerText_;
    if (code != 0 && !volumes_ && text == current_)
        return;
    if (!settings_.drawersOnly && PathKind(text) < 0) {
        std::string path = text;
        std::string name = FilePart(path.data());
        std::string drawer = path.substr(0, static_cast<std::size_t>(PathPart(path.data()) - path.data()));
        GoTo(drawer);
        SetField(fileField_, name);
        for (std::size_t i = 0; i < entries_.size(); i++) {
            if (entries_[i].name == name)
                Select(static_cast<LONG>(i));
        }
        return;
    }
    GoTo(text);
}

// The positive button, Return: the choice is made, unless what is chosen
// is a place to go first (a volume, a drawer selected or named in the
// file field).
void Session::Accept()
{
    const bool hasSelection = selected_ >= 0 && selected_ < static_cast<LONG>(entries_.size());
    if (volumes_) {
        if (hasSelection)
            GoTo(entries_[static_cast<std::size_t>(selected_)].name);
        else if (settings_.drawersOnly && drawerText_[0] != 0)
            outcome_ = Outcome::Chosen;
        return;
    }
    if (!settings_.drawersOnly) {
        if (fileText_[0] == 0 && hasSelection && entries_[static_cast<std::size_t>(selected_)].kind == EntryKind::Drawer) {
            GoTo(JoinPath(current_, entries_[static_cast<std::size_t>(selected_)].name));
            return;
        }
        if (fileText_[0] != 0 && !settings_.saveMode) {
            std::string named = JoinPath(drawerText_, fileText_);
            if (PathKind(named) > 0) {
                GoTo(named);
                SetField(fileField_, "");
                return;
            }
        }
    }
    outcome_ = Outcome::Chosen;
}

void Session::Parent()
{
    if (volumes_)
        return;
    std::string above;
    if (ParentPath(current_, above))
        GoTo(above);
    else
        ShowVolumes();
}

void Session::Key(UWORD code)
{
    const LONG count = static_cast<LONG>(entries_.size());
    switch (code) {
    case NM_WHEEL_UP:
        SetTop(top_ - kWheelRows, false);
        return;
    case NM_WHEEL_DOWN:
        SetTop(top_ + kWheelRows, false);
        return;
    case RAWKEY_PAGEUP:
        SetTop(top_ - std::max<LONG>(layout_.rowCount - 1, 1), false);
        return;
    case RAWKEY_PAGEDOWN:
        SetTop(top_ + std::max<LONG>(layout_.rowCount - 1, 1), false);
        return;
    case RAWKEY_UP:
    case RAWKEY_DOWN: {
        if (count == 0 || !message_.empty())
            return;
        LONG next = selected_ < 0 ? (code == RAWKEY_DOWN ? 0 : count - 1)
                                  : selected_ + (code == RAWKEY_DOWN ? 1 : -1);
        next = std::clamp<LONG>(next, 0, count - 1);
        Select(next);
        const Entry &entry = entries_[static_cast<std::size_t>(next)];
        if (!volumes_ && entry.kind == EntryKind::File)
            SetField(fileField_, entry.name);
        else if (!volumes_ && settings_.drawersOnly)
            SetField(drawerField_, JoinPath(current_, entry.name));
        return;
    }
    default:
        return;
    }
}

}  // namespace hosted::asl
