// settings/user_menu_file.cpp: reading and writing the user-menu file's image, byte for byte big-endian.
#include "user_menu_file.h"

#include <cstring>

const char UserMenuDefaultOutput[] = "CON:64/64/475/128/Kestrovane output/AUTO/CLOSE/WAIT";

namespace {

// `text` into a field of `size` bytes, cut to fit, NUL-terminated.
void CopyText(STRPTR field, ULONG size, CONST_STRPTR text)
{
    size_t length = text != nullptr ? strnlen(text, size - 1) : 0;
    if (length != 0)
        std::memcpy(field, text, length);
    field[length] = '\0';
}

// Walks an image. With `store` off it only checks; with it on it fills the
// view. Every read is bounded by the image's end.
class ImageReader {
public:
    ImageReader(const UBYTE *image, ULONG size) : image_(image), size_(size) {}

    bool Word(ULONG &value)
    {
        if (size_ - at_ < 4)
            return Fail(UserMenuFault::Truncated);
        const UBYTE *p = image_ + at_;
        value = ULONG(p[0]) << 24 | ULONG(p[1]) << 16 | ULONG(p[2]) << 8 | ULONG(p[3]);
        at_ += 4;
        return true;
    }

    bool Bytes(UBYTE out[4])
    {
        if (size_ - at_ < 4)
            return Fail(UserMenuFault::Truncated);
        std::memcpy(out, image_ + at_, 4);
        at_ += 4;
        return true;
    }

    // A padded string whose text fits a field of `fieldSize` bytes; copied
    // there when `field` is given.
    bool Text(STRPTR field, ULONG fieldSize)
    {
        const UBYTE *start = image_ + at_;
        const void *nul = std::memchr(start, 0, size_ - at_);
        if (nul == nullptr)
            return Fail(UserMenuFault::Truncated);
        ULONG length = ULONG(static_cast<const UBYTE *>(nul) - start);
        if (length >= fieldSize)
            return Fail(UserMenuFault::TextTooLong);
        ULONG taken = PaddedStringSize(length);
        // The NUL's word must be whole: a file may not end in its middle.
        if (taken > size_ - at_)
            return Fail(UserMenuFault::Truncated);
        if (field != nullptr) {
            std::memcpy(field, start, length);
            field[length] = '\0';
        }
        at_ += taken;
        return true;
    }

    bool Fail(UserMenuFault fault)
    {
        fault_ = fault;
        return false;
    }

    bool AtEnd() const { return at_ == size_; }
    UserMenuFault Fault() const { return fault_; }

private:
    const UBYTE *image_;
    ULONG size_;
    ULONG at_ = 0;
    UserMenuFault fault_ = UserMenuFault::None;
};

bool ReadCount(ImageReader &reader, ULONG &count, UserMenuFault outOfRange)
{
    if (!reader.Word(count))
        return false;
    if (count < 1 || count > UserMenuMax)
        return reader.Fail(outOfRange);
    return true;
}

// One pass over the image: a check (`view` nullptr) or the reading.
UserMenuFault Pass(const UBYTE *image, ULONG size, UserMenuFileView *view)
{
    ImageReader reader(image, size);
    ULONG menus = 0;
    if (!ReadCount(reader, menus, UserMenuFault::MenuCount))
        return reader.Fault();
    for (ULONG m = 0; m < menus; m++) {
        ULONG items = 0;
        if (!reader.Text(view != nullptr ? view->menuNames[m] : nullptr, UserMenuNameSize) ||
            !ReadCount(reader, items, UserMenuFault::ItemCount))
            return reader.Fault();
        for (ULONG i = 0; i < items; i++) {
            UserMenuItemFields *fields = view != nullptr ? view->items[m][i] : nullptr;
            UBYTE flags[4];
            ULONG stack = 0, startAlways = 0;
            if (!reader.Text(fields != nullptr ? fields->name : nullptr, UserMenuNameSize) ||
                !reader.Text(fields != nullptr ? fields->function : nullptr, UserMenuFunctionSize) ||
                !reader.Bytes(flags) || !reader.Word(stack) || !reader.Word(startAlways) ||
                !reader.Text(fields != nullptr ? fields->outputWindow : nullptr, UserMenuOutputSize))
                return reader.Fault();
            if (fields != nullptr) {
                fields->multitasking = flags[0];
                fields->priority = static_cast<BYTE>(flags[1]);
                fields->outputEnabled = flags[2];
                fields->allAtOnce = flags[3];
                fields->stack = stack;
                fields->startAlways = LONG(startAlways);
            }
        }
        if (view != nullptr)
            view->itemCounts[m] = items;
    }
    if (!reader.AtEnd())
        return UserMenuFault::TrailingBytes;
    if (view != nullptr)
        view->menuCount = menus;
    return UserMenuFault::None;
}

// Appends to an image, bounded by its size.
class ImageWriter {
public:
    ImageWriter(UBYTE *image, ULONG size) : image_(image), size_(size) {}

    bool Word(ULONG value)
    {
        UBYTE bytes[4] = {UBYTE(value >> 24), UBYTE(value >> 16), UBYTE(value >> 8), UBYTE(value)};
        return Bytes(bytes);
    }

    bool Bytes(const UBYTE bytes[4])
    {
        if (size_ - at_ < 4)
            return false;
        std::memcpy(image_ + at_, bytes, 4);
        at_ += 4;
        return true;
    }

    // The text of a field of `fieldSize` bytes (up to its NUL, or its
    // last byte where another program left none), the NUL and zero filler.
    bool Text(CONST_STRPTR field, ULONG fieldSize)
    {
        ULONG length = ULONG(strnlen(field, fieldSize - 1));
        ULONG taken = PaddedStringSize(length);
        if (taken > size_ - at_)
            return false;
        std::memcpy(image_ + at_, field, length);
        std::memset(image_ + at_ + length, 0, taken - length);
        at_ += taken;
        return true;
    }

    ULONG Length() const { return at_; }

private:
    UBYTE *image_;
    ULONG size_;
    ULONG at_ = 0;
};

}  // namespace

void SetDefaultItemFields(UserMenuItemFields &fields, CONST_STRPTR name)
{
    std::memset(&fields, 0, sizeof fields);
    CopyText(fields.name, sizeof fields.name, name);
    fields.stack = UserMenuDefaultStack;
    CopyText(fields.outputWindow, sizeof fields.outputWindow, UserMenuDefaultOutput);
}

UserMenuFault ReadUserMenuImage(const UBYTE *image, ULONG size, UserMenuFileView &view)
{
    // The whole image first: a damaged file loads nothing, not its first half.
    UserMenuFault fault = Pass(image, size, nullptr);
    if (fault != UserMenuFault::None)
        return fault;
    return Pass(image, size, &view);
}

BOOL WriteUserMenuImage(const UserMenuFileView &view, UBYTE *image, ULONG size, ULONG &length)
{
    length = 0;
    if (view.menuCount > UserMenuMax)
        return FALSE;
    ImageWriter writer(image, size);
    if (!writer.Word(view.menuCount))
        return FALSE;
    for (ULONG m = 0; m < view.menuCount; m++) {
        ULONG items = view.itemCounts[m] != 0 ? view.itemCounts[m] : 1;
        if (items > UserMenuMax || !writer.Text(view.menuNames[m], UserMenuNameSize) || !writer.Word(items))
            return FALSE;
        for (ULONG i = 0; i < items; i++) {
            const UserMenuItemFields &fields = *view.items[m][i];
            const UBYTE flags[4] = {UBYTE(fields.multitasking != 0 ? 1 : 0), UBYTE(fields.priority),
                                    UBYTE(fields.outputEnabled != 0 ? 0xFF : 0), UBYTE(fields.allAtOnce != 0 ? 1 : 0)};
            if (!writer.Text(fields.name, UserMenuNameSize) || !writer.Text(fields.function, UserMenuFunctionSize) ||
                !writer.Bytes(flags) || !writer.Word(fields.stack) || !writer.Word(fields.startAlways != 0 ? 1 : 0) ||
                !writer.Text(fields.outputWindow, UserMenuOutputSize))
                return FALSE;
        }
    }
    length = writer.Length();
    return TRUE;
}
