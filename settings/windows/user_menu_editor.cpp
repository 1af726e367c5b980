// settings/windows/user_menu_editor.cpp: "User menus settings": its menu level and item level, adding and linking.
#include "user_menu_editor.h"

#include "gadget_ids.h"
#include "window_layout.h"

#include <intuition/gadgetclass.h>
#include <proto/intuition.h>

#include <algorithm>
#include <cstring>

namespace {

constexpr CONST_STRPTR MenuLevelTitle = "User menus settings";
constexpr ULONG ButtonColumnRows = 5;             // two columns of five buttons
constexpr ULONG LevelRows = 1 + ButtonColumnRows;  // the name field, then the buttons

// What a level shows and adds: the menus, or the items of one menu.
class LevelRecords {
public:
    virtual ~LevelRecords() = default;
    virtual CONST_STRPTR Name(ULONG index) = 0;
    // Fills record `index` as a new one named `text`.
    virtual void Add(ULONG index, CONST_STRPTR text) = 0;
};

class MenuRecords : public LevelRecords {
public:
    explicit MenuRecords(UserMenuBlock &block) : block_(block) {}
    CONST_STRPTR Name(ULONG index) override { return block_.menus[index].name; }
    void Add(ULONG index, CONST_STRPTR text) override { FillUserMenu(block_.menus[index], *text != '\0' ? text : " "); }

private:
    UserMenuBlock &block_;
};

class ItemRecords : public LevelRecords {
public:
    explicit ItemRecords(UserMenu &menu) : menu_(menu) {}
    CONST_STRPTR Name(ULONG index) override { return menu_.items[index].fields.name; }
    void Add(ULONG index, CONST_STRPTR text) override { FillUserMenuItem(menu_.items[index], text); }

private:
    UserMenu &menu_;
};

enum class LevelAction : UBYTE { Ok, Cancel, Open, NotOpened };

struct LevelAnswer {
    LevelAction action = LevelAction::Cancel;
    ULONG index = 0;   // Open: the button's record
};

// One showing of a level's window.
class LevelWindow {
public:
    LevelWindow(DialogToolkit &toolkit, LevelRecords &records, ULONG &count, STRPTR field)
        : toolkit_(toolkit), layout_(toolkit, 3), records_(records), count_(count), field_(field)
    {
        LONG inner = toolkit.geometry.innerWidth;
        columnWidth_ = std::clamp<LONG>((inner - 3 * layout_.y) / 2, 4 * layout_.x, 20 * layout_.x);
    }

    LevelAnswer Run(CONST_STRPTR title, CONST_STRPTR label)
    {
        LevelAnswer answer;
        dialog_.description = DialogDescription::Common;
        dialog_.title = title;
        dialog_.innerHeight = layout_.InnerHeight(LevelRows);
        const ULONG textColour = toolkit_.config->WindowTextColor();
        AddDialogLabel(dialog_, layout_.y, layout_.LabelY(0), label, textColour);
        const LONG left = layout_.Column(layout_.y + layout_.TextWidth(label) + layout_.y);
        const LONG right = toolkit_.bordersX - toolkit_.borderLeft + layout_.y;
        nameField_ = AddDialogField(toolkit_, dialog_, UserMenuNameFieldId, field_, UserMenuNameSize, left,
                                    layout_.RowTop(0), -(left + right), layout_.y);
        for (ULONG i = 0; i < count_; i++)
            AddEntryButton(i);
        AddDialogButton(toolkit_, dialog_, SettingsOkId, "OK", layout_.LeftButton(LevelRows));
        add_ = AddDialogButton(toolkit_, dialog_, UserMenuAddId, "Add", layout_.LeftButton(LevelRows, 1));
        AddDialogButton(toolkit_, dialog_, SettingsCancelId, "Cancel", layout_.RightButton(LevelRows));
        if (count_ >= UserMenuMax)
            DisableAdding();
        if (!OpenDialog(toolkit_, dialog_)) {
            answer.action = LevelAction::NotOpened;
            return answer;
        }
        if (nameField_ != nullptr && count_ < UserMenuMax)
            ActivateGadget(nameField_, dialog_.window, nullptr);
        for (;;) {
            DialogEvent event = WaitDialogEvent(toolkit_, dialog_);
            if (event.kind == DialogEvent::Kind::Close)
                break;
            if (event.kind != DialogEvent::Kind::GadgetUp)
                continue;
            UWORD id = event.gadgetId;
            if (id == SettingsOkId) {
                answer.action = LevelAction::Ok;
                break;
            }
            if (id == SettingsCancelId)
                break;
            // Return in the field adds, as "Add" does; Tab only moves on.
            if (id == UserMenuAddId || (id == UserMenuNameFieldId && event.code == 0)) {
                Add();
                continue;
            }
            if (id >= UserMenuEntryId(0) && id < UserMenuEntryId(count_)) {
                answer.action = LevelAction::Open;
                answer.index = id - UserMenuEntryId(0);
                break;
            }
        }
        CloseDialog(toolkit_, dialog_);
        return answer;
    }

private:
    DialogBox EntryBox(ULONG index) const
    {
        ULONG column = index / ButtonColumnRows, row = 1 + index % ButtonColumnRows;
        return DialogBox{layout_.Column(layout_.y + LONG(column) * (columnWidth_ + layout_.y)), layout_.RowTop(row),
                         columnWidth_, layout_.y};
    }

    struct Gadget *AddEntryButton(ULONG index)
    {
        return AddDialogButton(toolkit_, dialog_, UWORD(UserMenuEntryId(index)), records_.Name(index),
                               EntryBox(index));
    }

    void SetDisabled(struct Gadget *gadget)
    {
        if (gadget == nullptr)
            return;
        struct TagItem tags[] = {{GA_Disabled, TRUE}, {TAG_DONE, 0}};
        SetGadgetAttrsA(gadget, dialog_.window, nullptr, tags);
        if (dialog_.window != nullptr)
            RefreshGList(gadget, dialog_.window, nullptr, 1);
    }

    // At ten there is no record left to fill.
    void DisableAdding()
    {
        SetDisabled(nameField_);
        SetDisabled(add_);
    }

    // The next record filled and shown as a new button; the field empties
    // for the next name.
    void Add()
    {
        if (count_ >= UserMenuMax)
            return;
        records_.Add(count_, field_);
        // The gadgets leave the window while the new one joins their chain.
        RemoveGList(dialog_.window, dialog_.First(), -1);
        struct Gadget *button = AddEntryButton(count_);
        AddGList(dialog_.window, dialog_.First(), ULONG(-1), -1, nullptr);
        if (button == nullptr)
            return;   // no memory for a button: the record is not counted
        count_++;
        RefreshGList(button, dialog_.window, nullptr, 1);
        struct TagItem empty[] = {{STRINGA_TextVal, reinterpret_cast<IPTR>("")}, {TAG_DONE, 0}};
        SetGadgetAttrsA(nameField_, dialog_.window, nullptr, empty);
        RefreshGList(nameField_, dialog_.window, nullptr, 1);
        if (count_ >= UserMenuMax)
            DisableAdding();
        else
            ActivateGadget(nameField_, dialog_.window, nullptr);
    }

    DialogToolkit &toolkit_;
    const SettingsLayout layout_;
    LevelRecords &records_;
    ULONG &count_;
    STRPTR field_;
    LONG columnWidth_ = 0;
    Dialog dialog_;
    struct Gadget *nameField_ = nullptr;
    struct Gadget *add_ = nullptr;
};

// The item level of `menu`: FALSE when a window could not be opened.
BOOL EditItems(const SettingsContext &context, UserMenu &menu)
{
    ItemRecords records(menu);
    // What is linked is what the level starts with; added slots count
    // until the level is left.
    ULONG count = LinkedItemCount(menu);
    char field[UserMenuNameSize] = "";
    for (;;) {
        LevelWindow window(*context.toolkit, records, count, field);
        LevelAnswer answer = window.Run(menu.name, "Menuitem name:");
        switch (answer.action) {
        case LevelAction::Ok:
            LinkUserMenuItems(menu, count);
            return TRUE;
        case LevelAction::Cancel:
            return TRUE;
        case LevelAction::NotOpened:
            return FALSE;
        case LevelAction::Open:
            if (RunItemSettingsEditor(context, menu, menu.items[answer.index]).ending ==
                SettingsOutcome::Ending::NotOpened)
                return FALSE;
            break;
        }
    }
}

}  // namespace

SettingsOutcome RunUserMenuEditor(const SettingsContext &context, UserMenuBlock &block)
{
    SettingsOutcome outcome;
    MenuRecords records(block);
    ULONG count = LinkedUserMenuCount(block);
    char field[UserMenuNameSize] = "";
    for (;;) {
        LevelWindow window(*context.toolkit, records, count, field);
        LevelAnswer answer = window.Run(MenuLevelTitle, "Usermenu name:");
        switch (answer.action) {
        case LevelAction::Ok: {
            // A menu without items cannot be shown: the strip ends before it.
            ULONG linked = 0;
            while (linked < count && LinkedItemCount(block.menus[linked]) != 0)
                linked++;
            if (linked != 0)
                LinkUserMenus(block, linked);
            outcome.ending = SettingsOutcome::Ending::Confirmed;
            return outcome;
        }
        case LevelAction::Cancel:
            return outcome;
        case LevelAction::NotOpened:
            outcome.ending = SettingsOutcome::Ending::NotOpened;
            return outcome;
        case LevelAction::Open:
            if (!EditItems(context, block.menus[answer.index])) {
                outcome.ending = SettingsOutcome::Ending::NotOpened;
                return outcome;
            }
            break;
        }
    }
}
