// fuzz/user_menu_fuzzer.cpp: feeds arbitrary bytes to the user-menu file reader; it must read them whole or refuse them untouched.
#include "user_menu_file.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

[[noreturn]] void Broken(const char *what)
{
    std::fprintf(stderr, "user-menu reader broke its contract: %s\n", what);
    std::abort();
}

// Every menu name and item slot, as the records hold them.
struct Storage {
    char names[UserMenuMax][UserMenuNameSize];
    UserMenuItemFields items[UserMenuMax][UserMenuMax];

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

bool Terminated(const char *field, size_t size)
{
    return std::memchr(field, 0, size) != nullptr;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 1u << 20)
        return 0;
    static auto storage = std::make_unique<Storage>();
    static auto untouched = std::make_unique<Storage>();
    std::memset(storage.get(), 0x5A, sizeof *storage);
    std::memset(untouched.get(), 0x5A, sizeof *untouched);
    UserMenuFileView view = storage->View();
    view.menuCount = 77;
    UserMenuFault fault = ReadUserMenuImage(data, ULONG(size), view);
    if (fault != UserMenuFault::None) {
        // A refused file reads nothing, not even its good first half.
        if (view.menuCount != 77 || std::memcmp(storage.get(), untouched.get(), sizeof *storage) != 0)
            Broken("a refused file changed the records");
        return 0;
    }
    if (view.menuCount < 1 || view.menuCount > UserMenuMax)
        Broken("a menu count out of range was accepted");
    for (ULONG m = 0; m < view.menuCount; m++) {
        if (view.itemCounts[m] < 1 || view.itemCounts[m] > UserMenuMax)
            Broken("an item count out of range was accepted");
        if (!Terminated(storage->names[m], UserMenuNameSize))
            Broken("a menu name without its NUL");
        for (ULONG i = 0; i < view.itemCounts[m]; i++) {
            const UserMenuItemFields &item = storage->items[m][i];
            if (!Terminated(item.name, sizeof item.name) || !Terminated(item.function, sizeof item.function) ||
                !Terminated(item.outputWindow, sizeof item.outputWindow))
                Broken("an item text without its NUL");
        }
    }
    // Written again, a file keeps its length (only filler and the "on"
    // values may differ), and reads back to the same records.
    std::vector<UBYTE> image(size + 4);
    ULONG length = 0;
    if (!WriteUserMenuImage(view, image.data(), ULONG(image.size()), length))
        Broken("an accepted file could not be written again");
    if (length != size)
        Broken("written again, the file changed its length");
    static auto again = std::make_unique<Storage>();
    std::memset(again.get(), 0, sizeof *again);
    UserMenuFileView second = again->View();
    if (ReadUserMenuImage(image.data(), length, second) != UserMenuFault::None || second.menuCount != view.menuCount)
        Broken("what was written cannot be read back");
    for (ULONG m = 0; m < view.menuCount; m++) {
        if (std::strcmp(again->names[m], storage->names[m]) != 0 || second.itemCounts[m] != view.itemCounts[m])
            Broken("a menu changed on the way back");
        for (ULONG i = 0; i < view.itemCounts[m]; i++) {
            const UserMenuItemFields &a = storage->items[m][i], &b = again->items[m][i];
            if (std::strcmp(a.name, b.name) != 0 || std::strcmp(a.function, b.function) != 0 ||
                std::strcmp(a.outputWindow, b.outputWindow) != 0 || a.priority != b.priority ||
                a.stack != b.stack || (a.multitasking != 0) != (b.multitasking != 0) ||
                (a.outputEnabled != 0) != (b.outputEnabled != 0) || (a.allAtOnce != 0) != (b.allAtOnce != 0) ||
                (a.startAlways != 0) != (b.startAlways != 0))
                Broken("an item changed on the way back");
        }
    }
    return 0;
}
