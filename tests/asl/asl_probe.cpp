// asl_probe: a small program that shows the file requester with tags from its arguments and prints what was chosen.
//
//   asl_probe [title=T] [drawer=D] [file=F] [positive=P] [negative=N] [drawers] [save] [icons] [volumes]
//             [left=X] [top=Y] [width=W] [height=H] [times=N] [parent]
//
// Each showing prints "result R ioerr E drawer=<fr_Drawer> file=<fr_File> box=L,T,W,H".
#include <proto/asl.h>
#include <proto/dos.h>
#include <proto/exec.h>
#include <proto/intuition.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

int main(int argc, char **argv)
{
    std::vector<struct TagItem> tags;
    std::vector<std::string> texts;
    texts.reserve(static_cast<std::size_t>(argc));
    int times = 1;
    bool parent = false;
    for (int i = 1; i < argc; i++) {
        std::string arg = argv[i];
        std::size_t equals = arg.find('=');
        std::string key = arg.substr(0, equals);
        std::string value = equals == std::string::npos ? std::string() : arg.substr(equals + 1);
        texts.push_back(value);
        IPTR text = reinterpret_cast<IPTR>(texts.back().c_str());
        if (key == "title")
            tags.push_back({ASLFR_TitleText, text});
        else if (key == "drawer")
            tags.push_back({ASLFR_InitialDrawer, text});
        else if (key == "file")
            tags.push_back({ASLFR_InitialFile, text});
        else if (key == "positive")
            tags.push_back({ASLFR_PositiveText, text});
        else if (key == "negative")
            tags.push_back({ASLFR_NegativeText, text});
        else if (key == "drawers")
            tags.push_back({ASLFR_DrawersOnly, TRUE});
        else if (key == "save")
            tags.push_back({ASLFR_DoSaveMode, TRUE});
        else if (key == "icons")
            tags.push_back({ASLFR_RejectIcons, TRUE});
        else if (key == "volumes")
            tags.push_back({ASLFR_InitialShowVolumes, TRUE});
        else if (key == "left")
            tags.push_back({ASLFR_InitialLeftEdge, static_cast<IPTR>(std::atol(value.c_str()))});
        else if (key == "top")
            tags.push_back({ASLFR_InitialTopEdge, static_cast<IPTR>(std::atol(value.c_str()))});
        else if (key == "width")
            tags.push_back({ASLFR_InitialWidth, static_cast<IPTR>(std::atol(value.c_str()))});
        else if (key == "height")
            tags.push_back({ASLFR_InitialHeight, static_cast<IPTR>(std::atol(value.c_str()))});
        else if (key == "times")
            times = std::atoi(value.c_str());
        else if (key == "parent")
            parent = true;
    }
    struct Window *window = nullptr;
    if (parent) {
        window = OpenWindowTags(nullptr, WA_Title, "Probe parent", WA_Left, 20, WA_Top, 30, WA_Width, 600,
                                WA_Height, 500, WA_DragBar, TRUE, WA_Activate, TRUE, WA_IDCMP, IDCMP_MOUSEBUTTONS,
                                TAG_DONE);
        tags.push_back({ASLFR_Window, reinterpret_cast<IPTR>(window)});
    }
    tags.push_back({TAG_DONE, 0});
    auto *request = static_cast<struct FileRequester *>(AllocAslRequest(ASL_FileRequest, nullptr));
    if (request == nullptr) {
        std::printf("no requester\n");
        return 20;
    }
    for (int i = 0; i < times; i++) {
        BOOL result = AslRequest(request, i == 0 ? tags.data() : nullptr);
        LONG error = IoErr();
        std::printf("result %d ioerr %ld drawer=%s file=%s box=%d,%d,%d,%d\n", result ? 1 : 0,
                    static_cast<long>(error), request->fr_Drawer, request->fr_File, request->fr_LeftEdge,
                    request->fr_TopEdge, request->fr_Width, request->fr_Height);
        std::fflush(stdout);
    }
    FreeAslRequest(request);
    if (window != nullptr) {
        while (struct Message *m = GetMsg(window->UserPort))
            ReplyMsg(m);
        CloseWindow(window);
    }
    return 0;
}
