// End-to-end tests of the settings windows: script pieces, the record on disk and pixels they share.
#ifndef TESTS_E2E_SETTINGS_SCRIPT_H
#define TESTS_E2E_SETTINGS_SCRIPT_H

#include "session.h"

#include <settings/config_record.h>
#include <settings/windows/gadget_ids.h>

#include <cstdio>
#include <string>
#include <vector>

namespace e2e {

inline std::string Quoted(const std::string &text)
{
    return "\"" + text + "\"";
}

// Picks a "Settings" sub-item and waits for its window.
inline std::string OpenSettings(const std::string &item, const std::string &title)
{
    return "wait-idle\nmenu \"Project\" \"Settings\" " + Quoted(item) + "\nexpect-window " + Quoted(title) + "\n";
}

// Clicks a gadget by its GA_ID.
inline std::string ClickId(const std::string &title, long id)
{
    return "gadget " + Quoted(title) + " \"#" + std::to_string(id) + "\"\n";
}

// Clicks a button by its text and waits for the window to go.
inline std::string Finish(const std::string &title, const std::string &button)
{
    return "gadget " + Quoted(title) + " " + Quoted(button) + "\nexpect-no-window " + Quoted(title) + "\nwait-idle\n";
}

// Clicks a number field, clears it, types `text` (nothing when empty) and enters it.
inline std::string Retype(const std::string &title, long id, const std::string &text)
{
    std::string script = ClickId(title, id) + "key End\n";
    for (int i = 0; i < 4; i++)
        script += "key BackSpace\n";
    if (!text.empty())
        script += "type " + Quoted(text) + "\n";
    return script + "key Return\n";
}

// "Save settings", answering "Overwrite" when the file is there already.
inline std::string SaveSettings(bool fileExists)
{
    std::string script = "menu \"Project\" \"Save settings\"\n";
    if (fileExists)
        script += "expect-window \"System Request\"\ngadget \"System Request\" \"Overwrite\"\n"
                  "expect-no-window \"System Request\"\n";
    return script + "wait-idle\n";
}

inline std::string ConfigPath(const Session &session)
{
    return session.ProgDir() + "/Kestrovane.cfg";
}

inline std::vector<uint8_t> BytesOf(const ConfigRecord &config)
{
    return std::vector<uint8_t>(config.Bytes(), config.Bytes() + ConfigRecordSize);
}

inline void WriteConfig(const Session &session, const ConfigRecord &config)
{
    session.WriteFileBytes(ConfigPath(session), BytesOf(config));
}

// The offsets at which two records differ, for messages that say what changed.
inline std::string Differences(const std::vector<uint8_t> &a, const std::vector<uint8_t> &b)
{
    if (a.size() != b.size())
        return "sizes " + std::to_string(a.size()) + " and " + std::to_string(b.size());
    std::string offsets;
    for (size_t i = 0; i < a.size(); i++) {
        if (a[i] == b[i])
            continue;
        char offset[24];
        std::snprintf(offset, sizeof offset, " 0x%02zX", i);
        offsets += offset;
    }
    return offsets;
}

// A gadget's value and pot in a dump's window (-1 when missing).
inline long ValueOf(const WindowInfo &window, long id)
{
    const Json *gadget = window.Gadget(id);
    return gadget != nullptr ? (*gadget)["value"].Int() : -1;
}
inline long PotOf(const WindowInfo &window, long id)
{
    const Json *gadget = window.Gadget(id);
    return gadget != nullptr ? (*gadget)["pot"].Int() : -1;
}
inline bool Flag(const WindowInfo &window, long id, const char *flag)
{
    const Json *gadget = window.Gadget(id);
    return gadget != nullptr && (*gadget)[flag].boolean;
}

// A drag of a slider's knob (a framed slider of PGA_Visible 1: 8 pixels
// wide inside a 2-pixel rim) to `toX`.
inline std::string DragKnob(const WindowInfo &window, long id, long toX)
{
    const Json &slider = *window.Gadget(id);
    long left = slider["left"].Int(), width = slider["width"].Int();
    long y = slider["top"].Int() + slider["height"].Int() / 2;
    long room = width - 4 - 8;
    long knob = left + 2 + (room * slider["pot"].Int() + 32767) / 65535 + 4;
    return "drag " + std::to_string(knob) + " " + std::to_string(y) + " " + std::to_string(toX) + " " +
           std::to_string(y) + " 8\n";
}

// The pixels of a window's inside in a screenshot, row after row.
inline std::vector<uint32_t> InnerPixels(const Png &shot, const WindowInfo &window)
{
    std::vector<uint32_t> pixels;
    for (long y = window.InnerTop(); y < window.InnerTop() + window.InnerHeight(); y++)
        for (long x = window.InnerLeft(); x < window.InnerLeft() + window.InnerWidth(); x++)
            pixels.push_back(shot.At(x, y));
    return pixels;
}

// The lines of the requester in a dump.
inline std::string RequesterText(const Json &dump)
{
    WindowInfo request = FindWindow(dump, "System Request");
    std::string text;
    for (const Json &line : request.json["text"].array)
        text += line.string + "\n";
    return text;
}

}  // namespace e2e

#endif  // TESTS_E2E_SETTINGS_SCRIPT_H
