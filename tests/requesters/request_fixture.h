// Helpers of the requesters' in-process tests: a request asked on a task of its own, its window found and its buttons pressed.
#ifndef TESTS_REQUESTERS_REQUEST_FIXTURE_H
#define TESTS_REQUESTERS_REQUEST_FIXTURE_H

#include "intuition_fixture.h"

#include <hosted/intuition.h>
#include <intuition/gadgetclass.h>

#include "support/headless.h"

#include <chrono>
#include <future>
#include <string>

namespace reqtest {

// The frontmost window of the default public screen with this title (but
// `except`), or nullptr. Waits up to `milliseconds` for it to appear.
inline struct Window *FindWindow(const std::string &title, long milliseconds = 5000, struct Window *except = nullptr)
{
    return kvtest::WaitForWindow(title, milliseconds, except);
}

// The label of a BOOPSI gadget (GA_Text), "" without one.
inline std::string LabelOf(struct Gadget *gadget)
{
    IPTR text = 0;
    if (GetAttr(GA_Text, gadget, &text) && text != 0)
        return reinterpret_cast<const char *>(text);
    return "";
}

// The window's gadget with this label, or nullptr.
inline struct Gadget *GadgetLabelled(struct Window *window, const std::string &label)
{
    for (struct Gadget *g = window->FirstGadget; g != nullptr; g = g->NextGadget) {
        if ((g->GadgetType & GTYP_SYSGADGET) == 0 && LabelOf(g) == label)
            return g;
    }
    return nullptr;
}

// The labels of the window's own gadgets, in list order.
inline std::vector<std::string> Labels(struct Window *window)
{
    std::vector<std::string> labels;
    for (struct Gadget *g = window->FirstGadget; g != nullptr; g = g->NextGadget) {
        if ((g->GadgetType & GTYP_SYSGADGET) == 0)
            labels.push_back(LabelOf(g));
    }
    return labels;
}

// Clicks the middle of a gadget (placed without relative flags).
inline void ClickGadget(struct Window *window, struct Gadget *gadget)
{
    ASSERT_NE(gadget, nullptr);
    itest::Click(window->LeftEdge + gadget->LeftEdge + gadget->Width / 2,
                 window->TopEdge + gadget->TopEdge + gadget->Height / 2);
}

inline void ClickLabelled(struct Window *window, const std::string &label)
{
    struct Gadget *g = GadgetLabelled(window, label);
    ASSERT_NE(g, nullptr) << "no gadget " << label;
    ClickGadget(window, g);
}

// A key as the keyboard gives it: Return, Escape.
inline void PressReturn() { itest::Key(RAWKEY_RETURN, 0, 13); }
inline void PressEscape() { itest::Key(RAWKEY_ESC, 0, 27); }

// Waits for an answer given on another task; false when none came.
template <typename T>
bool Answered(std::future<T> &answer, long milliseconds = 10000)
{
    return answer.wait_for(std::chrono::milliseconds(milliseconds)) == std::future_status::ready;
}

}  // namespace reqtest

#endif  // TESTS_REQUESTERS_REQUEST_FIXTURE_H
