// The user-menu file: round trips at the field limits, the byte layout, every kind of damage refused with nothing read, and reading it from disk.
#include <settings/user_menu_file.h>
#include <settings/user_menu_load.h>

#include <hosted/dos.h>
#include <proto/dos.h>

#include "../lister/dos_support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// Plain storage for every menu and item slot, and its view.
struct Storage {
    char names[UserMenuMax][UserMenuNameSize] = {};
    UserMenuItemFields items[UserMenuMax][UserMenuMax] = {};

    UserMenuFileView View()
    {
        UserMenuFileView view;
        for (ULONG m = 0; m < UserMenuMax; m++) {
            view.menuNames[m] = names[m];
            for (ULONG i = 0; i < UserMenuMax; i++)
                view.items[m][i] = &items[m][i];
        }
        return view;
    }
};

std::vector<UBYTE> Write(const UserMenuFileView &view, ULONG size = 200000)
{
    std::vector<UBYTE> image(size);
    ULONG length = 0;
    if (!WriteUserMenuImage(view, image.data(), size, length))
        return {};
    image.resize(length);
    return image;
}

// A file built by hand, word by word.
struct Image {
    std::vector<UBYTE> bytes;

    Image &Word(ULONG value)
    {
        for (int shift = 24; shift >= 0; shift -= 8)
            bytes.push_back(UBYTE(value >> shift));
        return *this;
    }
    Image &Raw(const std::string &text)
    {
        bytes.insert(bytes.end(), text.begin(), text.end());
        return *this;
    }
    // A padded string as the format has it.
    Image &Text(const std::string &text)
    {
        Raw(text);
        size_t padded = (text.size() + 1 + 3) / 4 * 4;
        bytes.resize(bytes.size() + padded - text.size(), 0);
        return *this;
    }
    // A whole item of default values named `name`.
    Image &Item(const std::string &name, const std::string &function = "x")
    {
        return Text(name).Text(function).Word(0x00000000).Word(16384).Word(0).Text("CON:");
    }
};

UserMenuFault Read(const std::vector<UBYTE> &image, Storage &storage, UserMenuFileView &view)
{
    view = storage.View();
    return ReadUserMenuImage(image.data(), ULONG(image.size()), view);
}

TEST(UserMenuFile, TenMenusOfTenItemsAtTheirLimitsComeBackAsTheyWere)
{
    Storage saved;
    UserMenuFileView view = saved.View();
    view.menuCount = UserMenuMax;
    ULONG expected = 4;
    for (ULONG m = 0; m < UserMenuMax; m++) {
        std::string name(UserMenuNameSize - 1, char('A' + m));
        std::strcpy(saved.names[m], name.c_str());
        view.itemCounts[m] = UserMenuMax;
        expected += 20 + 4;
        for (ULONG i = 0; i < UserMenuMax; i++) {
            UserMenuItemFields &item = saved.items[m][i];
            SetDefaultItemFields(item, std::string(19, char('a' + i)).c_str());
            std::memset(item.function, '0' + char(i), UserMenuFunctionSize - 1);
            std::memset(item.outputWindow, 'o', UserMenuOutputSize - 1);
            item.multitasking = i & 1;
            item.priority = LONG(i) - 5;
            item.outputEnabled = i & 2;
            item.allAtOnce = i & 4;
            item.startAlways = i & 8;
            item.stack = 1024 * (i + 1);
            expected += 20 + 1024 + 4 + 4 + 4 + 488;
        }
    }
    std::vector<UBYTE> image = Write(view);
    ASSERT_EQ(image.size(), expected);
    EXPECT_LT(image.size(), 1024000u);   // inside the smallest copy buffer, even with the record's longest output window

    Storage loaded;
    UserMenuFileView back;
    ASSERT_EQ(Read(image, loaded, back), UserMenuFault::None);
    EXPECT_EQ(back.menuCount, UserMenuMax);
    for (ULONG m = 0; m < UserMenuMax; m++) {
        EXPECT_STREQ(loaded.names[m], saved.names[m]);
        EXPECT_EQ(back.itemCounts[m], UserMenuMax);
        for (ULONG i = 0; i < UserMenuMax; i++) {
            const UserMenuItemFields &a = saved.items[m][i], &b = loaded.items[m][i];
            EXPECT_STREQ(b.name, a.name);
            EXPECT_STREQ(b.function, a.function);
            EXPECT_STREQ(b.outputWindow, a.outputWindow);
            EXPECT_EQ(b.multitasking != 0, a.multitasking != 0);
            EXPECT_EQ(b.priority, a.priority);
            EXPECT_EQ(b.outputEnabled != 0, a.outputEnabled != 0);
            EXPECT_EQ(b.allAtOnce != 0, a.allAtOnce != 0);
            EXPECT_EQ(b.startAlways != 0, a.startAlways != 0);
            EXPECT_EQ(b.stack, a.stack);
        }
    }
    EXPECT_EQ(Write(back), image);   // and written again byte for byte
}

TEST(UserMenuFile, WordsAndStringsLieWhereTheFormatPutsThem)
{
    Storage storage;
    UserMenuFileView view = storage.View();
    view.menuCount = 2;
    std::strcpy(storage.names[0], "Abc");    // 3 + NUL: one word
    std::strcpy(storage.names[1], "Abcd");   // 4 + NUL: two words
    view.itemCounts[0] = 1;
    view.itemCounts[1] = 1;
    for (ULONG m = 0; m < 2; m++) {
        UserMenuItemFields &item = storage.items[m][0];
        SetDefaultItemFields(item, "I");
        std::strcpy(item.function, "f");
        std::strcpy(item.outputWindow, "CON:");
        item.multitasking = 7;    // any "on" is written as 1
        item.priority = -1;
        item.outputEnabled = 1;   // and this one as 0xFF
        item.allAtOnce = 1;
        item.startAlways = 1;
        item.stack = 0x12345678;
    }
    Image expected;
    expected.Word(2).Raw(std::string("Abc\0", 4)).Word(1);
    expected.Text("I").Text("f").Raw("\x01\xFF\xFF\x01").Word(0x12345678).Word(1).Text("CON:");
    expected.Raw(std::string("Abcd\0\0\0\0", 8)).Word(1);
    expected.Text("I").Text("f").Raw("\x01\xFF\xFF\x01").Word(0x12345678).Word(1).Text("CON:");
    EXPECT_EQ(Write(view), expected.bytes);

    // The priority byte comes back sign-extended; the others as "on".
    Storage loaded;
    UserMenuFileView back;
    ASSERT_EQ(Read(expected.bytes, loaded, back), UserMenuFault::None);
    EXPECT_EQ(loaded.items[0][0].priority, -1);
    EXPECT_NE(loaded.items[0][0].outputEnabled, 0);
    EXPECT_STREQ(loaded.names[0], "Abc");
    EXPECT_STREQ(loaded.names[1], "Abcd");

    // Filler means nothing: junk after a NUL reads the same.
    std::vector<UBYTE> junk = expected.bytes;
    junk[14] = 'Z';   // after the item name "I"
    junk[18] = 'Q';   // after the function "f"
    Storage again;
    ASSERT_EQ(Read(junk, again, back), UserMenuFault::None);
    EXPECT_STREQ(again.items[0][0].name, "I");
}

TEST(UserMenuFile, EveryKindOfDamageIsRefusedWithNothingRead)
{
    std::string longName(UserMenuNameSize, 'n');   // one character too many
    struct Case {
        const char *what;
        Image image;
        UserMenuFault fault;
    };
    std::vector<Case> cases = {
        {"empty", Image(), UserMenuFault::Truncated},
        {"half a count", Image().Raw(std::string("\0\0", 2)), UserMenuFault::Truncated},
        {"no menus", Image().Word(0), UserMenuFault::MenuCount},
        {"eleven menus", Image().Word(11), UserMenuFault::MenuCount},
        {"a huge count", Image().Word(0xFFFFFFFF), UserMenuFault::MenuCount},
        {"no items", Image().Word(1).Text("M").Word(0), UserMenuFault::ItemCount},
        {"eleven items", Image().Word(1).Text("M").Word(11), UserMenuFault::ItemCount},
        {"a name without its NUL", Image().Word(1).Raw("Menu"), UserMenuFault::Truncated},
        {"a NUL whose word is cut", Image().Word(1).Raw(std::string("Me\0", 3)), UserMenuFault::Truncated},
        {"a menu name too long", Image().Word(1).Text(longName).Word(1).Item("I"), UserMenuFault::TextTooLong},
        {"an item name too long", Image().Word(1).Text("M").Word(1).Item(longName), UserMenuFault::TextTooLong},
        {"a function too long", Image().Word(1).Text("M").Word(1).Item("I", std::string(1024, 'f')),
         UserMenuFault::TextTooLong},
        {"an output window too long",
         Image().Word(1).Text("M").Word(1).Text("I").Text("f").Word(0).Word(16384).Word(0).Text(std::string(488, 'o')),
         UserMenuFault::TextTooLong},
        {"cut inside the flags", Image().Word(1).Text("M").Word(1).Text("I").Text("f").Raw(std::string("\0\0", 2)),
         UserMenuFault::Truncated},
        {"cut before the output window", Image().Word(1).Text("M").Word(1).Text("I").Text("f").Word(0).Word(1).Word(0),
         UserMenuFault::Truncated},
        {"fewer items than counted", Image().Word(1).Text("M").Word(2).Item("I"), UserMenuFault::Truncated},
        {"fewer menus than counted", Image().Word(2).Text("M").Word(1).Item("I"), UserMenuFault::Truncated},
        {"a byte left over", Image().Word(1).Text("M").Word(1).Item("I").Raw("x"), UserMenuFault::TrailingBytes},
        {"a second file after the first", Image().Word(1).Text("M").Word(1).Item("I").Word(1).Text("M"),
         UserMenuFault::TrailingBytes},
        // A good first menu must not be loaded when the second is broken.
        {"damage in the last menu", Image().Word(2).Text("Good").Word(1).Item("I").Text("Bad").Word(12),
         UserMenuFault::ItemCount},
    };
    for (const Case &c : cases) {
        Storage storage;
        std::strcpy(storage.names[0], "untouched");
        storage.items[0][0].priority = 42;
        UserMenuFileView view = storage.View();
        view.menuCount = 99;
        EXPECT_EQ(ReadUserMenuImage(c.image.bytes.data(), ULONG(c.image.bytes.size()), view), c.fault) << c.what;
        EXPECT_EQ(view.menuCount, 99u) << c.what;
        EXPECT_STREQ(storage.names[0], "untouched") << c.what;
        EXPECT_EQ(storage.items[0][0].priority, 42) << c.what;
    }
    // The smallest good file, for contrast.
    Storage storage;
    UserMenuFileView view;
    EXPECT_EQ(Read(Image().Word(1).Text("").Word(1).Item("").bytes, storage, view), UserMenuFault::None);
    EXPECT_EQ(view.menuCount, 1u);
}

TEST(UserMenuFile, AnImageThatDoesNotFitItsBufferIsNotWritten)
{
    Storage storage;
    UserMenuFileView view = storage.View();
    view.menuCount = 1;
    view.itemCounts[0] = 0;   // a linked menu always writes its first item
    SetDefaultItemFields(storage.items[0][0], "I");
    std::vector<UBYTE> image = Write(view);
    ASSERT_FALSE(image.empty());
    EXPECT_EQ(image[4 + 4 + 3], 1);   // the item count
    ULONG length = 0;
    std::vector<UBYTE> small(image.size() - 1);
    EXPECT_FALSE(WriteUserMenuImage(view, small.data(), ULONG(small.size()), length));
    view.menuCount = 11;
    EXPECT_FALSE(WriteUserMenuImage(view, image.data(), ULONG(image.size()), length));
}

class UserMenuLoadFile : public listertest::DosDrawerTest {};

TEST_F(UserMenuLoadFile, MissingLargerThanItsBufferADrawerOrUnreadable)
{
    std::vector<UBYTE> buffer(64);
    ULONG length = 1;
    LONG error = 1;
    EXPECT_EQ(LoadUserMenuImage("LTest:none.cfg", buffer.data(), 64, length, error), UserMenuLoad::Missing);

    listertest::WriteHostFile(Host("menus.cfg"), std::string(64, 'x'));
    EXPECT_EQ(LoadUserMenuImage("LTest:menus.cfg", buffer.data(), 64, length, error), UserMenuLoad::Loaded);
    EXPECT_EQ(length, 64u);
    EXPECT_EQ(LoadUserMenuImage("LTest:menus.cfg", buffer.data(), 63, length, error), UserMenuLoad::Damaged);

    MakeHostDrawer("drawer.cfg");
    EXPECT_EQ(LoadUserMenuImage("LTest:drawer.cfg", buffer.data(), 64, length, error), UserMenuLoad::Damaged);

    hosted::SetDosFault(hosted::DosCall::Read, 1, ERROR_SEEK_ERROR);
    EXPECT_EQ(LoadUserMenuImage("LTest:menus.cfg", buffer.data(), 64, length, error), UserMenuLoad::Unreadable);
    hosted::ClearDosFaults();
    EXPECT_EQ(error, ERROR_SEEK_ERROR);
    EXPECT_EQ(length, 0u);
}

}  // namespace
