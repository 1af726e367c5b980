// boopsi/describe.cpp: what intuition's automation learns about a BOOPSI gadget: class, label, value, pot.
#include "classdata.h"

#include <hosted/boopsi.h>
#include <proto/intuition_boopsi.h>

namespace hosted {
namespace {

bool IsBoopsi(const struct Gadget *gadget)
{
    return gadget != nullptr && (gadget->GadgetType & GTYP_GTYPEMASK) == GTYP_CUSTOMGADGET;
}

bool DerivesFrom(struct IClass *cl, struct IClass *base)
{
    for (; cl != nullptr; cl = cl->cl_Super) {
        if (cl == base)
            return true;
    }
    return false;
}

}  // namespace

bool DescribeGadget(struct Gadget *gadget, GadgetDescription *description)
{
    if (!IsBoopsi(gadget) || description == nullptr)
        return false;
    *description = GadgetDescription{};
    auto *obj = reinterpret_cast<Object *>(gadget);
    struct IClass *cl = OCLASS(obj);
    for (struct IClass *c = cl; c != nullptr; c = c->cl_Super) {
        if (c->cl_ID != nullptr) {
            description->className = c->cl_ID;
            break;
        }
    }
    const boopsi::BuiltinClasses &builtin = boopsi::Builtin();
    if (DerivesFrom(cl, builtin.gadget))
        description->label = boopsi::GadgetOf(obj)->label;
    if (DerivesFrom(cl, builtin.strg) && gadget->SpecialInfo != nullptr) {
        auto *si = static_cast<const struct StringInfo *>(gadget->SpecialInfo);
        if ((gadget->Activation & GACT_LONGINT) != 0) {
            description->isInteger = true;
            description->number = boopsi::EditParseLong(si->Buffer);
        } else {
            description->hasText = true;
            description->text = si->Buffer;
        }
    }
    if (DerivesFrom(cl, builtin.prop) && gadget->SpecialInfo != nullptr) {
        auto *pi = static_cast<const struct PropInfo *>(gadget->SpecialInfo);
        description->hasPot = true;
        description->pot = (pi->Flags & FREEHORIZ) != 0 ? pi->HorizPot : pi->VertPot;
    }
    return true;
}

bool TakesKeys(const struct Gadget *gadget)
{
    return IsBoopsi(gadget) && DerivesFrom(OCLASS(reinterpret_cast<const Object *>(gadget)), boopsi::Builtin().strg);
}

}  // namespace hosted
