// Helpers of the viewer's tests: the headless display with the test font, a drawer of files, starting viewers and driving their windows.
#ifndef TESTS_MULTIVIEW_VIEWER_FIXTURE_H
#define TESTS_MULTIVIEW_VIEWER_FIXTURE_H

#include <dos/dos.h>
#include <intuition/intuition.h>

#include "support/test_volume.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mvtest {

// Each test gets a fresh drawer as its current directory, and the viewers
// it starts read their files from there.
class ViewerTest : public ::testing::Test {
public:
    // A gadget of the window by its label (GA_Text) or, for labelless
    // ones, NULL.
    static struct Gadget *GadgetByLabel(struct Window *window, const std::string &label);

protected:
    void SetUp() override;
    void TearDown() override;

    // Writes a file into the test's drawer; returns its host path.
    std::string Write(const std::string &name, const std::string &bytes);
    std::string HostPath(const std::string &name) const { return root_ + "/" + name; }

    // Runs "Multiview "name"" in the background, as programs start it.
    LONG Start(const std::string &name);

    // Waits until the system is idle.
    static void Settle();

    // The window of that title on the default public screen, waiting for
    // it to appear; NULL when none does.
    static struct Window *WaitForWindow(const std::string &title, long milliseconds = 10000);
    static struct Window *FindWindow(const std::string &title);
    // Waits until no window has that title.
    static bool WaitForNoWindow(const std::string &title, long milliseconds = 10000);
    static std::string TitleOf(struct Window *window);
    static std::vector<std::string> TextOf(struct Window *window);
    static std::vector<std::string> WindowTitles();

    static struct Gadget *GadgetById(struct Window *window, UWORD id);
    // The gadget's box in screen coordinates.
    static void ScreenBox(struct Window *window, struct Gadget *gadget, LONG &left, LONG &top, LONG &width,
                          LONG &height);

    // Input as a person gives it.
    static void Click(LONG x, LONG y);
    static void ClickGadget(struct Window *window, const std::string &label);
    static void Drag(LONG x1, LONG y1, LONG x2, LONG y2);
    static void Key(UWORD rawKey, UWORD qualifier = 0);
    static void Wheel(LONG steps);
    // Clicks the window's close gadget and waits until it is gone.
    static void CloseByGadget(struct Window *window);

    // Waits until every background command has ended.
    static bool WaitForBackground(long milliseconds = 10000);

    kvtest::TestVolume volume_;
    std::string root_;
    BPTR rootLock_ = 0;
};

}  // namespace mvtest

#endif  // TESTS_MULTIVIEW_VIEWER_FIXTURE_H
