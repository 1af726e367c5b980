// strgclass: keyboard editing, the character limit, ending keys, undo, integer fields, clicks, scrolling and looks.
#include "boopsi_fixture.h"

#include <cstring>
#include <string>

namespace {

using boopsitest::BoopsiTest;

// The raw key of a character on the US keyboard the classes read by default.
UWORD RawFor(char c, UWORD *qualifier)
{
    static const char plain[] = "`1234567890-=\\\0\0qwertyuiop[]\0\0\0\0asdfghjkl;'#\0\0\0\0<zxcvbnm,./";
    *qualifier = 0;
    if (c == ' ')
        return RAWKEY_SPACE;
    if (c >= 'A' && c <= 'Z') {
        *qualifier = IEQUALIFIER_LSHIFT;
        c = static_cast<char>(c - 'A' + 'a');
    }
    for (UWORD code = 0; code < sizeof plain - 1; code++) {
        if (plain[code] == c && c != 0)
            return code;
    }
    ADD_FAILURE() << "no key for " << c;
    return 0;
}

struct StringInfo *SI(APTR g) { return static_cast<struct StringInfo *>(static_cast<struct Gadget *>(g)->SpecialInfo); }

class String : public BoopsiTest {
protected:
    void TypeText(APTR g, const char *text)
    {
        for (const char *p = text; *p != '\0'; p++) {
            UWORD qualifier = 0;
            UWORD code = RawFor(*p, &qualifier);
            EXPECT_EQ(Type(g, code, qualifier), static_cast<IPTR>(GMR_MEACTIVE));
        }
    }
    std::string Text(APTR g) { return SI(g)->Buffer; }

    // A field at (20, 30), 80 x 12: ten characters of the test font.
    APTR MakeField(ULONG maxChars = 64)
    {
        return NewObject(nullptr, STRGCLASS, GA_Left, 20, GA_Top, 30, GA_Width, 80, GA_Height, 12, GA_ID, 5,
                         STRINGA_MaxChars, maxChars, TAG_DONE);
    }
};

TEST_F(String, KeysInsertMoveAndDelete)
{
    APTR g = MakeField();
    ASSERT_NE(g, nullptr);
    ASSERT_EQ(Press(g, 5, 5), static_cast<IPTR>(GMR_MEACTIVE));
    TypeText(g, "hello World");
    EXPECT_EQ(Text(g), "hello World");
    EXPECT_EQ(SI(g)->NumChars, 11);
    EXPECT_EQ(SI(g)->BufferPos, 11);

    Type(g, RAWKEY_LEFT);
    Type(g, RAWKEY_LEFT);
    TypeText(g, "X");
    EXPECT_EQ(Text(g), "hello WorXld");
    EXPECT_EQ(SI(g)->BufferPos, 10);
    Type(g, RAWKEY_HOME);
    EXPECT_EQ(SI(g)->BufferPos, 0);
    Type(g, RAWKEY_DEL);
    EXPECT_EQ(Text(g), "ello WorXld");
    Type(g, RAWKEY_BACKSPACE);   // nothing before the cursor
    EXPECT_EQ(Text(g), "ello WorXld");
    Type(g, RAWKEY_END);
    EXPECT_EQ(SI(g)->BufferPos, 11);
    Type(g, RAWKEY_DEL);         // nothing after it
    Type(g, RAWKEY_BACKSPACE);
    EXPECT_EQ(Text(g), "ello WorXl");
    Type(g, RAWKEY_RIGHT);       // already at the end
    EXPECT_EQ(SI(g)->BufferPos, 10);

    // Shift with the arrows goes to the ends.
    Type(g, RAWKEY_LEFT, IEQUALIFIER_LSHIFT);
    EXPECT_EQ(SI(g)->BufferPos, 0);
    Type(g, RAWKEY_RIGHT, IEQUALIFIER_RSHIFT);
    EXPECT_EQ(SI(g)->BufferPos, 10);
    // Shift with the deleting keys deletes to an end.
    Type(g, RAWKEY_LEFT);
    Type(g, RAWKEY_LEFT);
    Type(g, RAWKEY_DEL, IEQUALIFIER_LSHIFT);
    EXPECT_EQ(Text(g), "ello Wor");
    Type(g, RAWKEY_LEFT);
    Type(g, RAWKEY_BACKSPACE, IEQUALIFIER_LSHIFT);
    EXPECT_EQ(Text(g), "r");
    EXPECT_EQ(SI(g)->BufferPos, 0);
    // Key releases and keys that type nothing change nothing.
    Type(g, RAWKEY_BACKSPACE | IECODE_UP_PREFIX);
    Type(g, RAWKEY_UP);
    Type(g, RAWKEY_F1);
    EXPECT_EQ(Text(g), "r");
    DisposeObject(g);
}

TEST_F(String, MaxCharsCountsTheTerminatingZero)
{
    APTR g = MakeField(4);
    ASSERT_NE(g, nullptr);
    Press(g, 5, 5);
    TypeText(g, "abcdef");
    EXPECT_EQ(Text(g), "abc");
    Type(g, RAWKEY_HOME);
    TypeText(g, "z");
    EXPECT_EQ(Text(g), "abc");
    // Text set from outside is cut to fit as well.
    SetAttrs(g, STRINGA_TextVal, "longer text", TAG_DONE);
    EXPECT_EQ(Text(g), "lon");
    DisposeObject(g);
}

TEST_F(String, ReturnTabAndEscapeEndEditing)
{
    APTR g = MakeField();
    ASSERT_NE(g, nullptr);
    SetAttrs(g, STRINGA_TextVal, "start", TAG_DONE);

    Press(g, 79, 5);
    TypeText(g, "ed");
    LONG termination = -1;
    EXPECT_EQ(Input(g, GM_HANDLEINPUT, Key(RAWKEY_RETURN), 0, 0, &termination),
              static_cast<IPTR>(GMR_NOREUSE | GMR_VERIFY));
    EXPECT_EQ(termination, 0);
    GoInactive(g);
    EXPECT_EQ(Text(g), "started");

    Press(g, 79, 5);
    EXPECT_EQ(Input(g, GM_HANDLEINPUT, Key(RAWKEY_ENTER), 0, 0, &termination),
              static_cast<IPTR>(GMR_NOREUSE | GMR_VERIFY));
    GoInactive(g);

    Press(g, 79, 5);
    EXPECT_EQ(Input(g, GM_HANDLEINPUT, Key(RAWKEY_TAB), 0, 0, &termination),
              static_cast<IPTR>(GMR_NOREUSE | GMR_VERIFY | GMR_NEXTACTIVE));
    EXPECT_EQ(termination, 9);
    GoInactive(g);
    Press(g, 79, 5);
    EXPECT_EQ(Input(g, GM_HANDLEINPUT, Key(RAWKEY_TAB, IEQUALIFIER_LSHIFT), 0, 0, &termination),
              static_cast<IPTR>(GMR_NOREUSE | GMR_VERIFY | GMR_PREVACTIVE));
    GoInactive(g);

    // Escape gives back the text the field had when editing began.
    Press(g, 79, 5);
    Type(g, RAWKEY_BACKSPACE);
    TypeText(g, "xyz");
    EXPECT_EQ(Text(g), "startexyz");
    EXPECT_EQ(Type(g, RAWKEY_ESC), static_cast<IPTR>(GMR_NOREUSE));
    GoInactive(g);
    EXPECT_EQ(Text(g), "started");

    // Right Amiga X clears, Right Amiga Q undoes.
    Press(g, 79, 5);
    UWORD unused = 0;
    Type(g, RawFor('x', &unused), IEQUALIFIER_RCOMMAND);
    EXPECT_EQ(Text(g), "");
    Type(g, RawFor('q', &unused), IEQUALIFIER_RCOMMAND);
    EXPECT_EQ(Text(g), "started");
    GoInactive(g);

    // Help ends editing only when asked to.
    Press(g, 79, 5);
    EXPECT_EQ(Type(g, RAWKEY_HELP), static_cast<IPTR>(GMR_MEACTIVE));
    GoInactive(g);
    SetAttrs(g, STRINGA_ExitHelp, TRUE, TAG_DONE);
    Press(g, 79, 5);
    EXPECT_EQ(Input(g, GM_HANDLEINPUT, Key(RAWKEY_HELP), 0, 0, &termination),
              static_cast<IPTR>(GMR_NOREUSE | GMR_VERIFY));
    EXPECT_EQ(termination, RAWKEY_HELP);
    GoInactive(g);
    DisposeObject(g);
}

TEST_F(String, IntegerFieldsTakeDigitsAndOneLeadingMinus)
{
    APTR g = NewObject(nullptr, STRGCLASS, GA_Width, 80, GA_Height, 12, STRINGA_LongVal, 42, STRINGA_MaxChars, 12,
                       TAG_DONE);
    ASSERT_NE(g, nullptr);
    EXPECT_NE(static_cast<struct Gadget *>(g)->Activation & GACT_LONGINT, 0);
    EXPECT_EQ(Text(g), "42");
    LONG value = 0;
    EXPECT_TRUE(GetAttr(STRINGA_LongVal, g, &value));
    EXPECT_EQ(value, 42);

    Press(g, 79, 5);   // right of the text: the cursor goes to its end
    TypeText(g, "7a b.");
    EXPECT_EQ(Text(g), "427");
    EXPECT_EQ(SI(g)->LongInt, 427);
    GetAttr(STRINGA_LongVal, g, &value);
    EXPECT_EQ(value, 427);
    TypeText(g, "-");              // a minus only in front
    EXPECT_EQ(Text(g), "427");
    Type(g, RAWKEY_HOME);
    TypeText(g, "-");
    TypeText(g, "-");
    EXPECT_EQ(Text(g), "-427");
    EXPECT_EQ(SI(g)->LongInt, -427);
    Type(g, RAWKEY_HOME);
    TypeText(g, "5");              // no digit before the minus
    EXPECT_EQ(Text(g), "-427");
    Type(g, RAWKEY_END, IEQUALIFIER_LSHIFT);
    Type(g, RAWKEY_BACKSPACE, IEQUALIFIER_LSHIFT);
    EXPECT_EQ(Text(g), "");
    EXPECT_EQ(SI(g)->LongInt, 0);
    TypeText(g, "-");
    EXPECT_EQ(SI(g)->LongInt, 0);
    // Beyond a LONG's range the value saturates.
    TypeText(g, "99999999999");
    EXPECT_EQ(SI(g)->LongInt, -2147483647 - 1);
    Type(g, RAWKEY_HOME);
    Type(g, RAWKEY_DEL);
    EXPECT_EQ(SI(g)->LongInt, 2147483647);
    Type(g, RAWKEY_RETURN);
    GoInactive(g);

    SetAttrs(g, STRINGA_LongVal, -15, TAG_DONE);
    EXPECT_EQ(Text(g), "-15");
    DisposeObject(g);
}

TEST_F(String, EditsLandInTheProgramsBuffer)
{
    char buffer[16];
    std::memset(buffer, 'z', sizeof buffer);   // no terminating zero within MaxChars
    APTR g = NewObject(nullptr, STRGCLASS, GA_Width, 80, GA_Height, 12, STRINGA_Buffer, buffer, STRINGA_MaxChars,
                       8, TAG_DONE);
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(SI(g)->Buffer, buffer);
    EXPECT_EQ(std::string(buffer), "zzzzzzz");   // cut at MaxChars, never read past
    EXPECT_EQ(buffer[8], 'z');                   // nothing written past it
    Press(g, 79, 5);
    Type(g, RAWKEY_BACKSPACE, IEQUALIFIER_LSHIFT);
    TypeText(g, "Ram");
    EXPECT_EQ(std::string(buffer), "Ram");
    IPTR text = 0;
    EXPECT_TRUE(GetAttr(STRINGA_TextVal, g, &text));
    EXPECT_EQ(reinterpret_cast<char *>(text), buffer);
    DisposeObject(g);
}

TEST_F(String, ClickPlacesTheCursorAndLongTextScrolls)
{
    APTR g = MakeField();
    ASSERT_NE(g, nullptr);
    SetAttrs(g, STRINGA_TextVal, "nnnnn", TAG_DONE);
    // The test font's "n" is 8 pixels: a click in a character's left half
    // puts the cursor before it, in its right half after it.
    Press(g, 17, 5);
    EXPECT_EQ(SI(g)->BufferPos, 2);
    Input(g, GM_HANDLEINPUT, Mouse(IECODE_LBUTTON), 21, 5);
    EXPECT_EQ(SI(g)->BufferPos, 3);
    Input(g, GM_HANDLEINPUT, Mouse(IECODE_LBUTTON), 79, 5);
    EXPECT_EQ(SI(g)->BufferPos, 5);
    // A click outside ends editing and is used again there.
    EXPECT_EQ(Input(g, GM_HANDLEINPUT, Mouse(IECODE_LBUTTON), 90, 5), static_cast<IPTR>(GMR_REUSE));
    GoInactive(g);

    // Twenty characters in a field of ten: the start scrolls out of view so
    // that the cursor shows, and comes back with Home.
    Press(g, 79, 5);
    TypeText(g, "nnnnnnnnnnnnnnn");
    EXPECT_EQ(SI(g)->NumChars, 20);
    EXPECT_GT(SI(g)->DispPos, 0);
    EXPECT_LE((SI(g)->BufferPos - SI(g)->DispPos + 1) * 8, 80);
    Type(g, RAWKEY_HOME);
    EXPECT_EQ(SI(g)->DispPos, 0);
    Type(g, RAWKEY_END);
    EXPECT_EQ(SI(g)->DispPos, 11);   // 9 characters and the cursor
    EXPECT_EQ(SI(g)->DispCount, 9);
    GoInactive(g);
    // Not being edited, the field keeps showing what it showed.
    EXPECT_EQ(SI(g)->DispPos, 10);   // the cursor's room given back
    // A click lands on the character under it as shown: the eighth shown,
    // counted from the first visible one.
    Press(g, 7 * 8 + 2, 5);
    EXPECT_EQ(SI(g)->BufferPos, 10 + 7);
    GoInactive(g);
    // A new text shows from its start.
    SetAttrs(g, STRINGA_TextVal, "abcdefghijklmnopqrstuvwxyz", TAG_DONE);
    Render(g);
    EXPECT_EQ(SI(g)->DispPos, 0);
    DisposeObject(g);
}

TEST_F(String, PensShowWhetherTheFieldIsBeingEdited)
{
    APTR g = NewObject(nullptr, STRGCLASS, GA_Left, 20, GA_Top, 30, GA_Width, 80, GA_Height, 12, STRINGA_Pens,
                       boopsitest::kBlack | (boopsitest::kWhite << 8), STRINGA_ActivePens,
                       boopsitest::kBlack | (boopsitest::kBlue << 8), TAG_DONE);
    ASSERT_NE(g, nullptr);
    IPTR pens = 0;
    EXPECT_TRUE(GetAttr(STRINGA_Pens, g, &pens));
    EXPECT_EQ(pens, static_cast<IPTR>(boopsitest::kBlack | (boopsitest::kWhite << 8)));
    SetAttrs(g, STRINGA_TextVal, "nn", TAG_DONE);
    Render(g);
    // A recessed well around the field: dark above and left, light below and right.
    EXPECT_EQ(Pen(18, 40), boopsitest::kOrange);
    EXPECT_EQ(Pen(50, 28), boopsitest::kOrange);
    EXPECT_EQ(Pen(101, 40), boopsitest::kWhite);
    EXPECT_EQ(Pen(50, 43), boopsitest::kWhite);
    // Inside, the inactive background and black text.
    EXPECT_EQ(Pen(19, 35), boopsitest::kWhite);
    EXPECT_EQ(Pen(90, 35), boopsitest::kWhite);
    EXPECT_GT(CountPen(boopsitest::kBlack, 20, 30, 16, 12), 10);
    EXPECT_EQ(CountPen(boopsitest::kBlue, 19, 29, 82, 14), 0);

    // Being edited: the active background, and a block cursor after the text.
    Press(g, 79, 5);
    EXPECT_EQ(Pen(90, 35), boopsitest::kBlue);
    EXPECT_EQ(CountPen(boopsitest::kBlack, 36, 30, 5, 12), 5 * 12);
    GoInactive(g);
    EXPECT_EQ(Pen(90, 35), boopsitest::kWhite);
    EXPECT_EQ(CountPen(boopsitest::kBlack, 36, 30, 5, 12), 0);
    DisposeObject(g);
}

TEST_F(String, DisabledFieldIsNotEdited)
{
    APTR g = MakeField();
    ASSERT_NE(g, nullptr);
    SetAttrs(g, GA_Disabled, TRUE, TAG_DONE);
    EXPECT_EQ(HitTest(g, 5, 5), 0u);
    EXPECT_EQ(Press(g, 5, 5), static_cast<IPTR>(GMR_NOREUSE));
    DisposeObject(g);
}

ULONG GermanUmlauts(const struct InputEvent *event)
{
    // The host's text input for a key the US table lacks.
    return event->ie_Code == 0x2A ? 0xE4 : 0;
}

TEST_F(String, CharactersComeFromTheInstalledTranslator)
{
    APTR g = MakeField();
    ASSERT_NE(g, nullptr);
    Press(g, 5, 5);
    hosted::KeyTranslator saved = hosted::CurrentKeyTranslator();
    hosted::SetKeyTranslator(GermanUmlauts);
    Type(g, 0x2A);
    Type(g, 0x20);   // 'a' on the US keyboard: nothing here
    hosted::SetKeyTranslator(nullptr);
    Type(g, 0x20);   // without a translator, the US keyboard
    hosted::SetKeyTranslator(saved);
    EXPECT_EQ(Text(g), "\xE4" "a");
    DisposeObject(g);
}

}  // namespace
