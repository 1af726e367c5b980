// The keyboard: raw key numbers of characters and names, and the characters keys type.
#include <devices/inputevent.h>
#include <hosted/display.h>

#include <gtest/gtest.h>

namespace {

TEST(Keys, CharactersAndTheirKeysRoundTrip)
{
    for (ULONG c = 0x20; c < 0x7F; c++) {
        UWORD raw = 0, qualifier = 0;
        ASSERT_TRUE(hosted::RawKeyOfCharacter(c, raw, qualifier)) << c;
        EXPECT_EQ(hosted::CharacterOfRawKey(raw, qualifier), c) << static_cast<char>(c);
    }
    UWORD raw = 0, qualifier = 0;
    ASSERT_TRUE(hosted::RawKeyOfCharacter('a', raw, qualifier));
    EXPECT_EQ(raw, 0x20);
    EXPECT_EQ(qualifier, 0);
    ASSERT_TRUE(hosted::RawKeyOfCharacter('A', raw, qualifier));
    EXPECT_EQ(raw, 0x20);
    EXPECT_EQ(qualifier, IEQUALIFIER_LSHIFT);
    EXPECT_FALSE(hosted::RawKeyOfCharacter(0xE9, raw, qualifier));   // not on the keyboard
}

TEST(Keys, QualifiersChangeWhatKeysType)
{
    EXPECT_EQ(hosted::CharacterOfRawKey(0x20, IEQUALIFIER_RSHIFT), static_cast<ULONG>('A'));
    EXPECT_EQ(hosted::CharacterOfRawKey(0x20, IEQUALIFIER_CAPSLOCK), static_cast<ULONG>('A'));
    EXPECT_EQ(hosted::CharacterOfRawKey(0x20, IEQUALIFIER_CAPSLOCK | IEQUALIFIER_LSHIFT), static_cast<ULONG>('a'));
    EXPECT_EQ(hosted::CharacterOfRawKey(0x01, IEQUALIFIER_CAPSLOCK), static_cast<ULONG>('1'));
    EXPECT_EQ(hosted::CharacterOfRawKey(0x33, IEQUALIFIER_CONTROL), 3u);   // Ctrl-C
    EXPECT_EQ(hosted::CharacterOfRawKey(0x20 | IECODE_UP_PREFIX, 0), 0u);   // releases type nothing
    EXPECT_EQ(hosted::CharacterOfRawKey(RAWKEY_RETURN, 0), 13u);
    EXPECT_EQ(hosted::CharacterOfRawKey(RAWKEY_BACKSPACE, 0), 8u);
    EXPECT_EQ(hosted::CharacterOfRawKey(RAWKEY_DEL, 0), 127u);
    EXPECT_EQ(hosted::CharacterOfRawKey(RAWKEY_LEFT, 0), 0u);
}

TEST(Keys, TheAutomationsKeyNames)
{
    const char *names[] = {"Return", "Escape", "Tab", "BackSpace", "Delete", "Left", "Right", "Up", "Down", "Home",
                           "End"};
    const UWORD codes[] = {RAWKEY_RETURN, RAWKEY_ESC, RAWKEY_TAB, RAWKEY_BACKSPACE, RAWKEY_DEL, RAWKEY_LEFT,
                           RAWKEY_RIGHT, RAWKEY_UP, RAWKEY_DOWN, RAWKEY_HOME, RAWKEY_END};
    for (int i = 0; i < 11; i++) {
        UWORD raw = 0;
        ULONG character = 1;
        ASSERT_TRUE(hosted::RawKeyOfName(names[i], raw, character)) << names[i];
        EXPECT_EQ(raw, codes[i]) << names[i];
    }
    UWORD raw = 0;
    ULONG character = 0;
    EXPECT_TRUE(hosted::RawKeyOfName("Escape", raw, character));
    EXPECT_EQ(character, 27u);
    EXPECT_FALSE(hosted::RawKeyOfName("return", raw, character));   // names are exact
}

}  // namespace
