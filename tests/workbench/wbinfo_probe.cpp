// wbinfo_probe: a small program that shows the information window of one object and prints WBInfo's result.
//
//   wbinfo_probe DRAWER NAME      (the object NAME in the drawer DRAWER; NAME may be "")
//
// It prints "result R ioerr E" when the window has closed.
#include <proto/dos.h>
#include <proto/wb.h>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::printf("usage: wbinfo_probe DRAWER NAME\n");
        return 20;
    }
    BPTR lock = Lock(argv[1], SHARED_LOCK);
    if (lock == 0) {
        std::printf("no drawer %s\n", argv[1]);
        return 20;
    }
    ULONG result = WBInfo(lock, argv[2], nullptr);
    LONG error = IoErr();
    std::printf("result %lu ioerr %ld\n", static_cast<unsigned long>(result), static_cast<long>(error));
    UnLock(lock);
    return 0;
}
