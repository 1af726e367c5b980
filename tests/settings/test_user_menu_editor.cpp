// The two user-menu editors on the headless display: ten at most, "Cancel" dropping what a level added, every item field stored.
#include <settings/windows/gadget_ids.h>
#include <settings/windows/user_menu_editor.h>

#include <hosted/display.h>
#include <hosted/intuition.h>
#include <hosted/task.h>
#include <intuition/gadgetclass.h>
#include <intuition/imageclass.h>
#include <proto/graphics.h>
#include <proto/intuition.h>

#include "support/headless.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <thread>

namespace {

struct Environment {
    Environment() { kvtest::UseHeadlessDisplay(); }
};
Environment gEnvironment;

void ClickGadget(struct Window *window, UWORD id)
{
    struct Gadget *gadget = kvtest::GadgetWithId(window, id);
    ASSERT_NE(gadget, nullptr) << id;
    LONG left = gadget->LeftEdge, width = gadget->Width;
    if (gadget->Flags & GFLG_RELRIGHT)
        left += window->Width - 1;
    if (gadget->Flags & GFLG_RELWIDTH)
        width += window->Width;
    kvtest::SettledClick(window->LeftEdge + left + width / 2,
                         window->TopEdge + gadget->TopEdge + gadget->Height / 2);
}

void Type(const std::string &text)
{
    kvtest::Settle();
    for (char c : text)
        hosted::PostCharacter(UBYTE(c));
    kvtest::Settle();
}

void PressKey(const char *name, int times = 1)
{
    UWORD rawKey = 0;
    ULONG character = 0;
    ASSERT_TRUE(hosted::RawKeyOfName(name, rawKey, character));
    for (int i = 0; i < times; i++)
        hosted::PostKeyStroke(rawKey, 0, character);
    kvtest::Settle();
}

bool Disabled(struct Window *window, UWORD id)
{
    struct Gadget *gadget = kvtest::GadgetWithId(window, id);
    return gadget != nullptr && (gadget->Flags & GFLG_DISABLED) != 0;
}

ULONG EntryButtons(struct Window *window)
{
    ULONG count = 0;
    for (ULONG i = 0; i < UserMenuMax + 1; i++)
        count += kvtest::GadgetWithId(window, UserMenuEntryId(i)) != nullptr;
    return count;
}

// The window with this title as it is now, waiting for it to open.
struct Window *Front(const std::string &title)
{
    struct Window *window = kvtest::WaitForWindow(title);
    EXPECT_NE(window, nullptr) << title;
    kvtest::Settle();
    return window;
}

class UserMenuEditor : public ::testing::Test {
protected:
    void SetUp() override
    {
        screen = LockPubScreen(nullptr);
        ASSERT_NE(screen, nullptr);
        drawInfo = GetScreenDrawInfo(screen);
        font = OpenFont(screen->Font);
        ASSERT_NE(font, nullptr);
        ASSERT_TRUE(BuildGlyphSet(glyphs, font));
        struct TagItem frameTags[] = {{IA_FrameType, FRAME_BUTTON}, {TAG_DONE, 0}};
        frame = static_cast<struct Image *>(NewObjectA(nullptr, "frameiclass", frameTags));
        ASSERT_NE(frame, nullptr);
        BuildGradient(gradient, config.WindowGradientBegin(), config.WindowGradientEnd());
        toolkit.borderTop = LONG(GetDrawInfoAttr(drawInfo, GDIA_WindowTopBorder, nullptr));
        toolkit.borderLeft = LONG(GetDrawInfoAttr(drawInfo, GDIA_WindowLeftBorder, nullptr));
        toolkit.bordersX = toolkit.borderLeft + LONG(GetDrawInfoAttr(drawInfo, GDIA_WindowRightBorder, nullptr));
        toolkit.bordersY = toolkit.borderTop + LONG(GetDrawInfoAttr(drawInfo, GDIA_WindowBottomBorder, nullptr));
        ULONG width = ULONG(screen->Width - toolkit.bordersX);
        canvas.assign(width * 4 * 256, 0);
        toolkit.canvas = RenderTarget{canvas.data(), width * 4, width, 256};
        toolkit.windowGradient = &gradient;
        toolkit.glyphs = &glyphs;
        toolkit.config = &config;
        toolkit.screen = screen;
        toolkit.frame = frame;
        toolkit.geometry = DialogGeometryFromRecord(config);
        context.toolkit = &toolkit;
        block = std::make_unique<UserMenuBlock>();
        ClearUserMenus(*block);
    }

    void TearDown() override
    {
        DisposeObject(frame);
        FreeGlyphSet(glyphs);
        CloseFont(font);
        FreeScreenDrawInfo(screen, drawInfo);
        UnlockPubScreen(nullptr, screen);
    }

    // Runs the editor here while `person` works it from a thread of its own.
    SettingsOutcome Edit(const std::function<void()> &person)
    {
        std::thread other(person);
        SettingsOutcome outcome = RunUserMenuEditor(context, *block);
        hosted::BeginHostWait();
        other.join();
        hosted::EndHostWait();
        return outcome;
    }

    // Types `name` into the level's field and presses "Add".
    void Add(struct Window *window, const std::string &name)
    {
        Type(name);
        ClickGadget(window, UserMenuAddId);
    }

    // One linked menu "Tools" with one item "Keep".
    void OneMenu()
    {
        FillUserMenu(block->menus[0], "Tools");
        FillUserMenuItem(block->menus[0].items[0], "Keep");
        LinkUserMenuItems(block->menus[0], 1);
        LinkUserMenus(*block, 1);
    }

    struct Screen *screen = nullptr;
    struct DrawInfo *drawInfo = nullptr;
    struct TextFont *font = nullptr;
    struct Image *frame = nullptr;
    GlyphSet glyphs;
    GradientTable gradient{};
    ConfigRecord config;
    std::vector<UBYTE> canvas;
    DialogToolkit toolkit;
    SettingsContext context;
    std::unique_ptr<UserMenuBlock> block;
};

TEST_F(UserMenuEditor, TenItemsDisableAddingAndOkLinksThemInOrder)
{
    SettingsOutcome outcome = Edit([&] {
        struct Window *menus = Front("User menus settings");
        Add(menus, "Tools");
        EXPECT_EQ(EntryButtons(menus), 1u);
        ClickGadget(menus, UserMenuEntryId(0));
        struct Window *items = Front("Tools");
        for (int i = 0; i < 10; i++) {
            EXPECT_FALSE(Disabled(items, UserMenuAddId)) << i;
            Add(items, "Item" + std::to_string(i));
        }
        EXPECT_EQ(EntryButtons(items), 10u);
        EXPECT_TRUE(Disabled(items, UserMenuAddId));
        EXPECT_TRUE(Disabled(items, UserMenuNameFieldId));
        // Neither the button nor Return in the field adds an eleventh.
        ClickGadget(items, UserMenuAddId);
        PressKey("Return");
        EXPECT_EQ(EntryButtons(items), 10u);
        ClickGadget(items, SettingsOkId);
        menus = Front("User menus settings");
        ClickGadget(menus, SettingsOkId);
    });
    EXPECT_EQ(outcome.ending, SettingsOutcome::Ending::Confirmed);
    ASSERT_EQ(block->strip, &block->menus[0].menu);
    EXPECT_EQ(LinkedUserMenuCount(*block), 1u);
    ASSERT_EQ(LinkedItemCount(block->menus[0]), 10u);
    for (ULONG i = 0; i < 10; i++)
        EXPECT_EQ(std::string(block->menus[0].items[i].fields.name), "Item" + std::to_string(i));
    EXPECT_EQ(block->menus[0].items[3].fields.stack, UserMenuDefaultStack);

    // The same at the menu level: ten menus, then no more.
    ClearUserMenus(*block);
    Edit([&] {
        struct Window *menus = Front("User menus settings");
        for (int i = 0; i < 10; i++)
            Add(menus, "M" + std::to_string(i));
        EXPECT_TRUE(Disabled(menus, UserMenuAddId));
        EXPECT_TRUE(Disabled(menus, UserMenuNameFieldId));
        EXPECT_EQ(EntryButtons(menus), 10u);
        ClickGadget(menus, SettingsOkId);
    });
    // None of them has an item: the strip stays as it was.
    EXPECT_EQ(block->strip, nullptr);
}

TEST_F(UserMenuEditor, CancelDropsWhatItsLevelAdded)
{
    OneMenu();
    SettingsOutcome outcome = Edit([&] {
        struct Window *menus = Front("User menus settings");
        EXPECT_EQ(EntryButtons(menus), 1u);
        Add(menus, "");   // an empty name becomes " "
        EXPECT_EQ(EntryButtons(menus), 2u);
        ClickGadget(menus, UserMenuEntryId(0));
        struct Window *items = Front("Tools");
        EXPECT_EQ(EntryButtons(items), 1u);
        Add(items, "Dropped");
        ClickGadget(items, SettingsCancelId);
        // The new menu gets an item with "OK" on its level ...
        menus = Front("User menus settings");
        ClickGadget(menus, UserMenuEntryId(1));
        items = Front(" ");
        Add(items, "Inner");
        ClickGadget(items, SettingsOkId);
        // ... but the menu level is cancelled.
        menus = Front("User menus settings");
        ClickGadget(menus, SettingsCancelId);
    });
    EXPECT_EQ(outcome.ending, SettingsOutcome::Ending::Cancelled);
    EXPECT_EQ(LinkedUserMenuCount(*block), 1u);
    EXPECT_EQ(LinkedItemCount(block->menus[0]), 1u);
    EXPECT_STREQ(block->menus[0].items[0].fields.name, "Keep");
    EXPECT_STREQ(block->menus[1].name, " ");

    // Opened again, the levels show what is linked, nothing of what was dropped.
    outcome = Edit([&] {
        struct Window *menus = Front("User menus settings");
        EXPECT_EQ(EntryButtons(menus), 1u);
        ClickGadget(menus, UserMenuEntryId(0));
        struct Window *items = Front("Tools");
        EXPECT_EQ(EntryButtons(items), 1u);
        LONG x, y;
        ASSERT_TRUE(kvtest::CloseGadgetCentre(items, x, y));
        kvtest::SettledClick(x, y);   // the close gadget is "Cancel"
        menus = Front("User menus settings");
        Add(menus, "Second");
        ClickGadget(menus, UserMenuEntryId(1));
        items = Front("Second");
        Add(items, "Run");
        ClickGadget(items, SettingsOkId);
        menus = Front("User menus settings");
        ClickGadget(menus, SettingsOkId);
    });
    EXPECT_EQ(outcome.ending, SettingsOutcome::Ending::Confirmed);
    EXPECT_EQ(LinkedUserMenuCount(*block), 2u);
    EXPECT_STREQ(block->menus[1].menu.MenuName, "Second");
}

TEST_F(UserMenuEditor, TheItemWindowStoresEveryFieldOnOkAndNothingOnCancel)
{
    OneMenu();
    UserMenu &menu = block->menus[0];
    UserMenuItem &item = menu.items[0];
    item.fields.stack = 32768;
    SettingsOutcome outcome;
    auto clickField = [](struct Window *window, UWORD id) {
        ClickGadget(window, id);
        PressKey("End");
        PressKey("BackSpace", 60);
    };
    std::thread person([&] {
        struct Window *window = Front("Usermenuitem function settings");
        // The output window's text can be edited only while it is enabled.
        EXPECT_TRUE(Disabled(window, ItemOutputId));
        ClickGadget(window, ItemOutputToggleId);
        EXPECT_FALSE(Disabled(window, ItemOutputId));
        clickField(window, ItemMenuNameId);   // emptied
        clickField(window, ItemNameId);
        Type("Pack");

        clickField(window, ItemFunctionId);
        Type("Lha a %s");
        clickField(window, ItemOutputId);
        Type("CON:0/0/200/100/Out");
        clickField(window, ItemStackId);
        Type("64");
        clickField(window, ItemPriorityId);
        Type("200");   // no priority past 127
        for (UWORD id : {ItemMultitaskingId, ItemAllAtOnceId, ItemStartAlwaysId})
            ClickGadget(window, id);
        ClickGadget(window, SettingsOkId);
    });
    outcome = RunItemSettingsEditor(context, menu, item);
    hosted::BeginHostWait();
    person.join();
    hosted::EndHostWait();
    EXPECT_EQ(outcome.ending, SettingsOutcome::Ending::Confirmed);
    EXPECT_STREQ(menu.name, " ");
    EXPECT_STREQ(item.fields.name, "Pack");
    EXPECT_STREQ(item.fields.function, "Lha a %s");
    EXPECT_STREQ(item.fields.outputWindow, "CON:0/0/200/100/Out");
    EXPECT_NE(item.fields.outputEnabled, 0);
    EXPECT_EQ(item.fields.stack, 64u * 1024);
    EXPECT_EQ(item.fields.priority, 127);
    EXPECT_NE(item.fields.multitasking, 0);
    EXPECT_NE(item.fields.allAtOnce, 0);
    EXPECT_NE(item.fields.startAlways, 0);

    const UserMenuItemFields before = item.fields;
    std::thread canceller([&] {
        struct Window *window = Front("Usermenuitem function settings");
        // The stack shows in Kb.
        struct Gadget *stack = kvtest::GadgetWithId(window, ItemStackId);
        ASSERT_NE(stack, nullptr);
        IPTR text = 0;
        GetAttr(STRINGA_TextVal, stack, &text);
        EXPECT_STREQ(reinterpret_cast<CONST_STRPTR>(text), "64");
        ClickGadget(window, ItemNameId);
        Type("changed");
        ClickGadget(window, ItemMultitaskingId);
        ClickGadget(window, SettingsCancelId);
    });
    outcome = RunItemSettingsEditor(context, menu, item);
    hosted::BeginHostWait();
    canceller.join();
    hosted::EndHostWait();
    EXPECT_EQ(outcome.ending, SettingsOutcome::Ending::Cancelled);
    EXPECT_EQ(std::memcmp(&before, &item.fields, sizeof before), 0);
}

}  // namespace
