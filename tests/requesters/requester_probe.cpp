// requester_probe: a small program that asks one system request over a window of its own and prints the answer.
//
//   requester_probe auto POSITIVE NEGATIVE LINE...     AutoRequest ("-" for no positive button)
//   requester_probe easy TITLE TEXTFORMAT GADGETS ARG... EasyRequestArgs (TITLE "-" for none; ARGs are strings)
//
// It prints "answer N" and ends. The tests drive it with automation scripts.
#include <proto/exec.h>
#include <proto/intuition.h>

#include <cstdio>
#include <cstring>
#include <vector>

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::printf("usage: requester_probe auto|easy ...\n");
        return 20;
    }
    struct Window *parent = OpenWindowTags(nullptr, WA_Title, "Probe parent", WA_Left, 40, WA_Top, 40, WA_Width, 500,
                                           WA_Height, 300, WA_DragBar, TRUE, WA_DepthGadget, TRUE, WA_Activate, TRUE,
                                           WA_IDCMP, IDCMP_MOUSEBUTTONS, TAG_DONE);
    if (parent == nullptr) {
        std::printf("no window\n");
        return 20;
    }
    LONG answer = -9;
    if (std::strcmp(argv[1], "auto") == 0 && argc >= 4) {
        std::vector<struct IntuiText> body(static_cast<std::size_t>(argc > 4 ? argc - 4 : 0));
        for (std::size_t i = 0; i < body.size(); i++) {
            body[i] = {AUTOFRONTPEN, AUTOBACKPEN, AUTODRAWMODE, AUTOLEFTEDGE, static_cast<WORD>(AUTOTOPEDGE + 14 * i),
                       AUTOITEXTFONT, argv[4 + i], i + 1 < body.size() ? &body[i + 1] : nullptr};
        }
        struct IntuiText positive = {AUTOFRONTPEN, AUTOBACKPEN, AUTODRAWMODE, AUTOLEFTEDGE, AUTOTOPEDGE,
                                     AUTOITEXTFONT, argv[2], AUTONEXTTEXT};
        struct IntuiText negative = {AUTOFRONTPEN, AUTOBACKPEN, AUTODRAWMODE, AUTOLEFTEDGE, AUTOTOPEDGE,
                                     AUTOITEXTFONT, argv[3], AUTONEXTTEXT};
        answer = AutoRequest(parent, body.empty() ? nullptr : &body[0],
                             std::strcmp(argv[2], "-") == 0 ? nullptr : &positive, &negative, 0, 0, 0, 0);
    } else if (std::strcmp(argv[1], "easy") == 0 && argc >= 5) {
        struct EasyStruct es = {sizeof(struct EasyStruct), 0, std::strcmp(argv[2], "-") == 0 ? nullptr : argv[2],
                                argv[3], argv[4]};
        std::vector<IPTR> args;
        for (int i = 5; i < argc; i++)
            args.push_back(reinterpret_cast<IPTR>(argv[i]));
        args.push_back(0);
        answer = EasyRequestArgs(parent, &es, nullptr, args.data());
    }
    std::printf("answer %ld\n", static_cast<long>(answer));
    std::fflush(stdout);
    while (struct Message *m = GetMsg(parent->UserPort))
        ReplyMsg(m);
    CloseWindow(parent);
    return 0;
}
