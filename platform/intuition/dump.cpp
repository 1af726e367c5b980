// intuition/dump.cpp: the automation's JSON picture of the screens, windows, gadgets, texts and menus.
#include "state.h"

#include <hosted/boopsi.h>

#include <cstdio>
#include <cstring>

namespace hosted {

namespace {

// Texts of the system are Latin-1; JSON wants UTF-8.
void AppendString(std::string &out, const char *text)
{
    out += '"';
    if (text != nullptr) {
        for (const unsigned char *p = reinterpret_cast<const unsigned char *>(text); *p != 0; p++) {
            unsigned char c = *p;
            switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (c < 0x20) {
                    char escape[8];
                    std::snprintf(escape, sizeof escape, "\\u%04x", c);
                    out += escape;
                } else if (c < 0x80) {
                    out += static_cast<char>(c);
                } else {
                    out += static_cast<char>(0xC0 | (c >> 6));
                    out += static_cast<char>(0x80 | (c & 0x3F));
                }
            }
        }
    }
    out += '"';
}

void AppendString(std::string &out, const std::string &text)
{
    AppendString(out, text.c_str());
}

void Key(std::string &out, const char *key)
{
    AppendString(out, key);
    out += ": ";
}

void Number(std::string &out, const char *key, long long value)
{
    Key(out, key);
    out += std::to_string(value);
}

void Bool(std::string &out, const char *key, bool value)
{
    Key(out, key);
    out += value ? "true" : "false";
}

void AppendItems(std::string &out, const struct MenuItem *first, bool withSubs)
{
    out += '[';
    for (const struct MenuItem *i = first; i != nullptr; i = i->NextItem) {
        if (i != first)
            out += ", ";
        out += '{';
        Key(out, "text");
        AppendString(out, ItemText(i));
        out += ", ";
        Bool(out, "enabled", (i->Flags & ITEMENABLED) != 0);
        out += ", ";
        Bool(out, "checked", (i->Flags & CHECKED) != 0);
        if (withSubs) {
            out += ", ";
            Key(out, "sub");
            AppendItems(out, i->SubItem, false);
        }
        out += '}';
    }
    out += ']';
}

void AppendMenus(std::string &out, const struct Menu *strip)
{
    out += '[';
    for (const struct Menu *m = strip; m != nullptr; m = m->NextMenu) {
        if (m != strip)
            out += ", ";
        out += '{';
        Key(out, "title");
        AppendString(out, reinterpret_cast<const char *>(m->MenuName));
        out += ", ";
        Bool(out, "enabled", (m->Flags & MENUENABLED) != 0);
        out += ", ";
        Key(out, "items");
        AppendItems(out, m->FirstItem, true);
        out += '}';
    }
    out += ']';
}

void AppendGadget(std::string &out, WindowRecord *w, struct Gadget *g)
{
    Box box = GadgetBoxOf(w, g);
    out += '{';
    Number(out, "id", g->GadgetID);
    out += ", ";
    Key(out, "class");
    AppendString(out, GadgetClassName(g));
    out += ", ";
    Key(out, "label");
    AppendString(out, GadgetLabel(g));
    out += ", ";
    Number(out, "left", box.x0 + w->window.LeftEdge);
    out += ", ";
    Number(out, "top", box.y0 + w->window.TopEdge);
    out += ", ";
    Number(out, "width", box.Width());
    out += ", ";
    Number(out, "height", box.Height());
    out += ", ";
    Bool(out, "selected", (g->Flags & GFLG_SELECTED) != 0);
    out += ", ";
    Bool(out, "disabled", (g->Flags & GFLG_DISABLED) != 0);
    GadgetDescription d;
    if (IsBoopsi(g) && DescribeGadget(g, &d)) {
        if (d.hasText) {
            out += ", ";
            Key(out, "value");
            AppendString(out, d.text);
        } else if (d.isInteger) {
            out += ", ";
            Number(out, "value", d.number);
        }
        if (d.hasPot) {
            out += ", ";
            Number(out, "pot", d.pot);
        }
    } else if ((g->GadgetType & GTYP_GTYPEMASK) == GTYP_STRGADGET && g->SpecialInfo != nullptr) {
        auto *si = static_cast<const struct StringInfo *>(g->SpecialInfo);
        out += ", ";
        if ((g->Activation & GACT_LONGINT) != 0)
            Number(out, "value", si->LongInt);
        else {
            Key(out, "value");
            AppendString(out, reinterpret_cast<const char *>(si->Buffer));
        }
    } else if ((g->GadgetType & GTYP_GTYPEMASK) == GTYP_PROPGADGET && g->SpecialInfo != nullptr) {
        auto *pi = static_cast<const struct PropInfo *>(g->SpecialInfo);
        out += ", ";
        Number(out, "pot", (pi->Flags & FREEHORIZ) != 0 ? pi->HorizPot : pi->VertPot);
    }
    out += '}';
}

void AppendWindow(std::string &out, WindowRecord *w)
{
    const struct Window &win = w->window;
    out += '{';
    Key(out, "title");
    AppendString(out, reinterpret_cast<const char *>(win.Title));
    out += ", ";
    Number(out, "left", win.LeftEdge);
    out += ", ";
    Number(out, "top", win.TopEdge);
    out += ", ";
    Number(out, "width", win.Width);
    out += ", ";
    Number(out, "height", win.Height);
    out += ", ";
    Key(out, "borders");
    out += "[" + std::to_string(win.BorderLeft) + ", " + std::to_string(win.BorderTop) + ", " +
           std::to_string(win.BorderRight) + ", " + std::to_string(win.BorderBottom) + "]";
    out += ", ";
    Bool(out, "active", State().active == w);
    out += ", ";
    Key(out, "text");
    out += '[';
    for (std::size_t i = 0; i < w->textLines.size(); i++) {
        if (i > 0)
            out += ", ";
        AppendString(out, w->textLines[i]);
    }
    out += "], ";
    Key(out, "gadgets");
    out += '[';
    for (struct Gadget *g = win.FirstGadget; g != nullptr; g = g->NextGadget) {
        if ((g->GadgetType & GTYP_SYSGADGET) != 0)
            continue;
        if (out.back() != '[')
            out += ", ";
        AppendGadget(out, w, g);
    }
    out += "], ";
    Key(out, "menus");
    AppendMenus(out, win.MenuStrip);
    out += '}';
}

}  // namespace

std::string GadgetLabel(struct Gadget *g)
{
    if (IsBoopsi(g)) {
        GadgetDescription d;
        if (DescribeGadget(g, &d) && d.label != nullptr)
            return d.label;
        if ((g->Flags & GFLG_LABELMASK) == GFLG_LABELITEXT && g->GadgetText != nullptr &&
            g->GadgetText->IText != nullptr)
            return reinterpret_cast<const char *>(g->GadgetText->IText);
        return "";
    }
    if (g->GadgetText == nullptr)
        return "";
    switch (g->Flags & GFLG_LABELMASK) {
    case GFLG_LABELSTRING:
        return reinterpret_cast<const char *>(g->GadgetText);
    case GFLG_LABELIMAGE:
        return "";
    default:
        return g->GadgetText->IText != nullptr ? reinterpret_cast<const char *>(g->GadgetText->IText) : "";
    }
}

std::string GadgetClassName(struct Gadget *g)
{
    GadgetDescription d;
    if (IsBoopsi(g) && DescribeGadget(g, &d) && d.className != nullptr)
        return d.className;
    switch (g->GadgetType & GTYP_GTYPEMASK) {
    case GTYP_PROPGADGET: return "propgadget";
    case GTYP_STRGADGET: return "stringgadget";
    case GTYP_CUSTOMGADGET: return "gadgetclass";
    default: return "boolgadget";
    }
}

WindowRecord *FindWindowByTitle(const std::string &title)
{
    for (ScreenRecord *s : State().screens) {
        for (WindowRecord *w : s->windows) {
            if (w->window.Title != nullptr && title == reinterpret_cast<const char *>(w->window.Title))
                return w;
        }
    }
    return nullptr;
}

std::string DumpJson()
{
    std::string out = "{\"screens\": [";
    IntuitionState &st = State();
    for (std::size_t i = 0; i < st.screens.size(); i++) {
        ScreenRecord *s = st.screens[i];
        if (i > 0)
            out += ", ";
        out += '{';
        Key(out, "title");
        AppendString(out, reinterpret_cast<const char *>(s->screen.Title));
        out += ", ";
        Key(out, "public_name");
        AppendString(out, s->publicName);
        out += ", ";
        Number(out, "width", s->screen.Width);
        out += ", ";
        Number(out, "height", s->screen.Height);
        out += ", ";
        Bool(out, "front", i == 0);
        out += ", ";
        Key(out, "windows");
        out += '[';
        for (std::size_t j = 0; j < s->windows.size(); j++) {
            if (j > 0)
                out += ", ";
            AppendWindow(out, s->windows[j]);
        }
        out += "]}";
    }
    out += "]}\n";
    return out;
}

}  // namespace hosted
