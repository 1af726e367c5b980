// host/headless.cpp: the headless display: frames stay in memory, input comes only from the automation.
#include <hosted/display.h>

namespace hosted {

namespace {

// Nothing to show: the composed frame is the result. Tests and the
// automation read it through intuition.
class HeadlessDisplay final : public DisplayBackend {
public:
    const char *Name() const override { return "headless"; }
    void Show(const UBYTE *, LONG, LONG, LONG) override {}
    void Present(const DisplayRect *, std::size_t) override {}
};

}  // namespace

std::unique_ptr<DisplayBackend> OpenHeadlessDisplay()
{
    return std::make_unique<HeadlessDisplay>();
}

}  // namespace hosted
