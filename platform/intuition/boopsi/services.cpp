// boopsi/services.cpp: what the classes ask of intuition's window side: locked rastports, GadgetInfos, IDCMP updates.
#include "classdata.h"

#include <hosted/boopsi.h>
#include <proto/exec.h>
#include <proto/intuition_boopsi.h>

#include <atomic>
#include <cstring>
#include <mutex>

namespace {

std::mutex &ServicesLock()
{
    static std::mutex lock;
    return lock;
}

hosted::WindowServices &Services()
{
    static hosted::WindowServices services{};
    return services;
}

hosted::WindowServices CurrentServices()
{
    std::lock_guard<std::mutex> guard(ServicesLock());
    return Services();
}

// A rastport handed out without a window side: a private copy of the
// GadgetInfo's, so that a gadget's pens and font never leak into it.
struct PrivatePort {
    struct RastPort rp;
    ULONG magic;
};
constexpr ULONG kPrivatePortMagic = 0x47495250;   // "GIRP"

struct SetJob {
    struct Gadget *gadget;
    const struct TagItem *tags;
    ULONG result;
};

void SetInWindow(struct GadgetInfo *info, void *data)
{
    auto *job = static_cast<SetJob *>(data);
    struct opSet msg{};
    msg.MethodID = OM_SET;
    msg.ops_AttrList = const_cast<struct TagItem *>(job->tags);
    msg.ops_GInfo = info;
    job->result = static_cast<ULONG>(DoMethodA(reinterpret_cast<Object *>(job->gadget), reinterpret_cast<Msg>(&msg)));
}

}  // namespace

namespace hosted {

void SetWindowServices(const WindowServices &services)
{
    std::lock_guard<std::mutex> guard(ServicesLock());
    Services() = services;
}

WindowServices CurrentWindowServices() { return CurrentServices(); }

}  // namespace hosted

namespace hosted::boopsi {

// Sends IDCMP_IDCMPUPDATE through the window side; dropped without one.
void SendIdcmpUpdate(struct GadgetInfo *info, struct Gadget *gadget, const struct TagItem *tags, UWORD code)
{
    WindowServices services = CurrentServices();
    if (services.sendUpdate != nullptr && info != nullptr)
        services.sendUpdate(info, gadget, tags, code);
}

}  // namespace hosted::boopsi

/* Sets a gadget's attributes (OM_SET) with the GadgetInfo of the window or
   requester it is in, so that it redraws itself there when its look
   changes. With window NULL it is SetAttrsA. Returns OM_SET's result. */
ULONG SetGadgetAttrsA(struct Gadget *gadget, struct Window *window, struct Requester *requester,
                      const struct TagItem *tagList)
{
    if (gadget == nullptr)
        return 0;
    hosted::WindowServices services = CurrentServices();
    if (window == nullptr || services.withGadgetInfo == nullptr)
        return SetAttrsA(gadget, tagList);
    SetJob job{gadget, tagList, 0};
    services.withGadgetInfo(window, requester, SetInWindow, &job);
    return job.result;
}

/* A rastport to draw a gadget with outside GM_RENDER, locked against the
   window's other drawing until ReleaseGIRPort. NULL when gInfo is NULL or
   the window cannot be drawn now. Without intuition's window side (the
   classes' own tests) it is a copy of gInfo's rastport. */
struct RastPort *ObtainGIRPort(struct GadgetInfo *gInfo)
{
    if (gInfo == nullptr)
        return nullptr;
    hosted::WindowServices services = CurrentServices();
    if (services.obtainRPort != nullptr)
        return services.obtainRPort(gInfo);
    if (gInfo->gi_RastPort == nullptr)
        return nullptr;
    auto *port = static_cast<PrivatePort *>(AllocVec(sizeof(PrivatePort), MEMF_CLEAR));
    if (port == nullptr)
        return nullptr;
    std::memcpy(&port->rp, gInfo->gi_RastPort, sizeof(struct RastPort));
    port->magic = kPrivatePortMagic;
    return &port->rp;
}

/* Gives back a rastport from ObtainGIRPort; NULL is ignored. */
void ReleaseGIRPort(struct RastPort *rp)
{
    if (rp == nullptr)
        return;
    hosted::WindowServices services = CurrentServices();
    if (services.releaseRPort != nullptr) {
        services.releaseRPort(rp);
        return;
    }
    auto *port = reinterpret_cast<PrivatePort *>(rp);
    if (port->magic == kPrivatePortMagic) {
        port->magic = 0;
        FreeVec(port);
    }
}
