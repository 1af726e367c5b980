// asl/listing.cpp: what the file requester's list shows: a drawer or the volumes, scrolled and with its selection.
#include "session.h"

#include <hosted/intuition.h>
#include <intuition/gadgetclass.h>
#include <proto/dos.h>
#include <proto/intuition.h>

#include <algorithm>

namespace hosted::asl {

namespace {

std::string RightText(const Entry &e)
{
    switch (e.kind) {
    case EntryKind::Drawer: return "Drawer";
    case EntryKind::Volume: return "Volume";
    case EntryKind::Assign: return "Assign";
    case EntryKind::File: break;
    }
    return std::to_string(e.size);
}

RowStyle StyleOf(const Entry &e)
{
    switch (e.kind) {
    case EntryKind::Drawer: return RowStyle::Drawer;
    case EntryKind::Volume:
    case EntryKind::Assign: return RowStyle::Volume;
    case EntryKind::File: break;
    }
    return RowStyle::File;
}

// The system's text for an error, after the drawer's name.
std::string FaultText(LONG code, const std::string &drawer)
{
    std::vector<char> text(drawer.size() + 128);
    Fault(code, drawer.empty() ? nullptr : drawer.c_str(), text.data(), static_cast<LONG>(text.size()));
    return text.data();
}

}  // namespace

void Session::GoTo(const std::string &drawer)
{
    current_ = drawer;
    volumes_ = false;
    SetField(drawerField_, drawer);
    Listing listing = ReadDrawer(drawer, settings_.drawersOnly, settings_.rejectIcons);
    ShowListing(std::move(listing.entries), listing.error != 0 ? FaultText(listing.error, drawer) : std::string());
}

void Session::ShowVolumes()
{
    volumes_ = true;
    ShowListing(ReadVolumes().entries, std::string());
}

void Session::ShowListing(std::vector<Entry> entries, const std::string &message)
{
    {
        std::lock_guard<std::recursive_mutex> guard(IntuitionLock());
        entries_ = std::move(entries);
        message_ = message;
    }
    if (!message_.empty())
        entries_.clear();
    top_ = 0;
    selected_ = -1;
    lastPressed_ = -1;
    UpdateRows();
    UpdateScroller();
}

void Session::SetTop(LONG top, bool fromScroller)
{
    const LONG count = message_.empty() ? static_cast<LONG>(entries_.size()) : 0;
    top = std::clamp<LONG>(top, 0, std::max<LONG>(count - layout_.rowCount, 0));
    if (top == top_)
        return;
    top_ = top;
    UpdateRows();
    if (!fromScroller)
        UpdateScroller();
}

void Session::Select(LONG index)
{
    selected_ = index;
    ShowSelection();
    UpdateRows();
}

// Scrolls so that the selected entry shows.
void Session::ShowSelection()
{
    if (selected_ < 0 || layout_.rowCount <= 0)
        return;
    if (selected_ < top_)
        SetTop(selected_, false);
    else if (selected_ >= top_ + layout_.rowCount)
        SetTop(selected_ - layout_.rowCount + 1, false);
}

void Session::UpdateRows()
{
    if (window_ == nullptr || rows_.empty())
        return;
    std::vector<std::string> shown;
    {
        // The automation's dump reads the rows' labels under this lock.
        std::lock_guard<std::recursive_mutex> guard(IntuitionLock());
        for (std::size_t i = 0; i < rows_.size(); i++) {
            RowView &view = views_[i];
            const std::size_t index = static_cast<std::size_t>(top_) + i;
            view = RowView{};
            if (!message_.empty()) {
                if (i == 0) {
                    view.left = message_;
                    view.style = RowStyle::Message;
                    shown.push_back(message_);
                }
            } else if (index < entries_.size()) {
                const Entry &e = entries_[index];
                view.left = e.name;
                view.right = RightText(e);
                view.style = StyleOf(e);
                view.selected = static_cast<LONG>(index) == selected_;
                shown.push_back(view.left + "\t" + view.right);
            }
            const bool entry = view.style != RowStyle::Blank && view.style != RowStyle::Message;
            SetAttrs(rows_[i], GA_Text, entry ? view.left.c_str() : nullptr, GA_Disabled, entry ? FALSE : TRUE,
                     GA_Selected, view.selected ? TRUE : FALSE, TAG_DONE);
        }
    }
    RefreshGList(rows_.front(), window_, nullptr, static_cast<LONG>(rows_.size()));
    SetWindowTextLines(window_, shown);
}

void Session::UpdateScroller()
{
    if (window_ == nullptr || scroller_ == nullptr)
        return;
    const LONG count = message_.empty() ? static_cast<LONG>(entries_.size()) : 0;
    SetGadgetAttrs(scroller_, window_, nullptr, PGA_Total, std::max<LONG>(count, 1), PGA_Visible,
                   std::max<LONG>(layout_.rowCount, 1), PGA_Top, top_, TAG_DONE);
}

}  // namespace hosted::asl
