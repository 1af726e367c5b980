// Reading the automation's dump: windows by title, their gadgets and text lines.
#include "dump.h"

#include "host_files.h"

#include <gtest/gtest.h>

namespace kvtest {

Json ReadDump(const std::string &path)
{
    std::string text = ReadHostFile(path);
    std::string error;
    Json json = ParseJson(text, &error);
    EXPECT_TRUE(error.empty()) << path << ": " << error << "\n" << text;
    return json;
}

const Json *DumpWindow(const Json &dump, const std::string &title)
{
    for (const Json &screen : dump["screens"].array) {
        for (const Json &window : screen["windows"].array) {
            if (window["title"].string == title)
                return &window;
        }
    }
    return nullptr;
}

std::vector<std::string> DumpWindowTitles(const Json &dump)
{
    std::vector<std::string> titles;
    for (const Json &screen : dump["screens"].array) {
        for (const Json &window : screen["windows"].array)
            titles.push_back(window["title"].string);
    }
    return titles;
}

const Json *DumpGadgetWithId(const Json &window, long id)
{
    for (const Json &gadget : window["gadgets"].array) {
        if (gadget["id"].number == static_cast<double>(id))
            return &gadget;
    }
    return nullptr;
}

const Json *DumpGadgetLabelled(const Json &window, const std::string &label)
{
    for (const Json &gadget : window["gadgets"].array) {
        if (gadget["label"].string == label)
            return &gadget;
    }
    return nullptr;
}

std::vector<std::string> DumpText(const Json &window)
{
    std::vector<std::string> lines;
    for (const Json &line : window["text"].array)
        lines.push_back(line.string);
    return lines;
}

}  // namespace kvtest
