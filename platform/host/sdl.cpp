// host/sdl.cpp: the SDL2 display: a host window showing the front screen, the mouse and keyboard as input.
#include <hosted/display.h>

#include <devices/inputevent.h>

#include <SDL.h>

#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <thread>

namespace hosted {

namespace {

// The raw key of a host key (by its position, as the system's keyboard
// numbers keys), or RAWKEY_NONE.
UWORD RawKeyOfScancode(SDL_Scancode code)
{
    UWORD raw = RAWKEY_NONE;
    UWORD qualifier = 0;
    if (code >= SDL_SCANCODE_A && code <= SDL_SCANCODE_Z) {
        RawKeyOfCharacter('a' + (code - SDL_SCANCODE_A), raw, qualifier);
        return raw;
    }
    if (code >= SDL_SCANCODE_1 && code <= SDL_SCANCODE_9) {
        RawKeyOfCharacter('1' + (code - SDL_SCANCODE_1), raw, qualifier);
        return raw;
    }
    if (code >= SDL_SCANCODE_F1 && code <= SDL_SCANCODE_F10)
        return static_cast<UWORD>(RAWKEY_F1 + (code - SDL_SCANCODE_F1));
    switch (code) {
    case SDL_SCANCODE_0: return 0x0A;
    case SDL_SCANCODE_GRAVE: return 0x00;
    case SDL_SCANCODE_MINUS: return 0x0B;
    case SDL_SCANCODE_EQUALS: return 0x0C;
    case SDL_SCANCODE_BACKSLASH: return 0x0D;
    case SDL_SCANCODE_LEFTBRACKET: return 0x1A;
    case SDL_SCANCODE_RIGHTBRACKET: return 0x1B;
    case SDL_SCANCODE_SEMICOLON: return 0x29;
    case SDL_SCANCODE_APOSTROPHE: return 0x2A;
    case SDL_SCANCODE_NONUSHASH: return 0x2B;
    case SDL_SCANCODE_NONUSBACKSLASH: return 0x30;
    case SDL_SCANCODE_COMMA: return 0x38;
    case SDL_SCANCODE_PERIOD: return 0x39;
    case SDL_SCANCODE_SLASH: return 0x3A;
    case SDL_SCANCODE_SPACE: return RAWKEY_SPACE;
    case SDL_SCANCODE_BACKSPACE: return RAWKEY_BACKSPACE;
    case SDL_SCANCODE_TAB: return RAWKEY_TAB;
    case SDL_SCANCODE_KP_ENTER: return RAWKEY_ENTER;
    case SDL_SCANCODE_RETURN: return RAWKEY_RETURN;
    case SDL_SCANCODE_ESCAPE: return RAWKEY_ESC;
    case SDL_SCANCODE_DELETE: return RAWKEY_DEL;
    case SDL_SCANCODE_INSERT: return RAWKEY_INSERT;
    case SDL_SCANCODE_PAGEUP: return RAWKEY_PAGEUP;
    case SDL_SCANCODE_PAGEDOWN: return RAWKEY_PAGEDOWN;
    case SDL_SCANCODE_UP: return RAWKEY_UP;
    case SDL_SCANCODE_DOWN: return RAWKEY_DOWN;
    case SDL_SCANCODE_RIGHT: return RAWKEY_RIGHT;
    case SDL_SCANCODE_LEFT: return RAWKEY_LEFT;
    case SDL_SCANCODE_HOME: return RAWKEY_HOME;
    case SDL_SCANCODE_END: return RAWKEY_END;
    case SDL_SCANCODE_F11: return RAWKEY_HELP;
    case SDL_SCANCODE_LSHIFT: return RAWKEY_LSHIFT;
    case SDL_SCANCODE_RSHIFT: return RAWKEY_RSHIFT;
    case SDL_SCANCODE_CAPSLOCK: return RAWKEY_CAPSLOCK;
    case SDL_SCANCODE_LCTRL:
    case SDL_SCANCODE_RCTRL: return RAWKEY_CONTROL;
    case SDL_SCANCODE_LALT: return RAWKEY_LALT;
    case SDL_SCANCODE_RALT: return RAWKEY_RALT;
    case SDL_SCANCODE_LGUI: return RAWKEY_LAMIGA;
    case SDL_SCANCODE_RGUI: return RAWKEY_RAMIGA;
    default: return RAWKEY_NONE;
    }
}

// The Super (Windows) keys are the Amiga keys.
UWORD QualifierOfModifiers(Uint16 modifiers)
{
    UWORD q = 0;
    if (modifiers & KMOD_LSHIFT) q |= IEQUALIFIER_LSHIFT;
    if (modifiers & KMOD_RSHIFT) q |= IEQUALIFIER_RSHIFT;
    if (modifiers & KMOD_CAPS) q |= IEQUALIFIER_CAPSLOCK;
    if (modifiers & KMOD_CTRL) q |= IEQUALIFIER_CONTROL;
    if (modifiers & KMOD_LALT) q |= IEQUALIFIER_LALT;
    if (modifiers & KMOD_RALT) q |= IEQUALIFIER_RALT;
    if (modifiers & KMOD_LGUI) q |= IEQUALIFIER_LCOMMAND;
    if (modifiers & KMOD_RGUI) q |= IEQUALIFIER_RCOMMAND;
    return q;
}

// Decodes UTF-8 text into code points.
std::vector<ULONG> CodePoints(const char *text)
{
    std::vector<ULONG> points;
    const auto *p = reinterpret_cast<const unsigned char *>(text);
    while (*p != 0) {
        ULONG c = *p++;
        int more = 0;
        if (c >= 0xF0) { c &= 0x07; more = 3; }
        else if (c >= 0xE0) { c &= 0x0F; more = 2; }
        else if (c >= 0xC0) { c &= 0x1F; more = 1; }
        for (; more > 0 && (*p & 0xC0) == 0x80; more--)
            c = (c << 6) | (*p++ & 0x3F);
        points.push_back(c);
    }
    return points;
}

// The display. SDL's video calls all run on one thread of its own, which
// uploads the changed parts of the frame and turns host events into
// HostInput. It is not a task of the system: it never calls exec, so it
// does not count for the idle rule.
class SdlDisplay final : public DisplayBackend {
public:
    ~SdlDisplay() override = default;

    bool Start(std::string &error)
    {
        std::unique_lock<std::mutex> lock(mutex_);
        std::thread([this] { Run(); }).detach();
        started_.wait(lock, [this] { return state_ != State::Starting; });
        if (state_ == State::Failed) {
            error = error_;
            return false;
        }
        return true;
    }

    const char *Name() const override { return "sdl"; }

    void Show(const UBYTE *pixels, LONG width, LONG height, LONG bytesPerRow) override
    {
        {
            std::lock_guard<std::mutex> guard(mutex_);
            pixels_ = pixels;
            width_ = width;
            height_ = height;
            bytesPerRow_ = bytesPerRow;
            newFrame_ = true;
            rects_.clear();
        }
        Wake();
    }

    void Present(const DisplayRect *rects, std::size_t count) override
    {
        {
            std::lock_guard<std::mutex> guard(mutex_);
            for (std::size_t i = 0; i < count; i++)
                rects_.push_back(rects[i]);
            // Many small rectangles cost more to upload one by one than
            // their bounding box does.
            if (rects_.size() > 48) {
                DisplayRect box = rects_[0];
                LONG right = box.left + box.width;
                LONG bottom = box.top + box.height;
                for (const DisplayRect &r : rects_) {
                    box.left = std::min(box.left, r.left);
                    box.top = std::min(box.top, r.top);
                    right = std::max(right, r.left + r.width);
                    bottom = std::max(bottom, r.top + r.height);
                }
                box.width = right - box.left;
                box.height = bottom - box.top;
                rects_.assign(1, box);
            }
        }
        Wake();
    }

private:
    enum class State { Starting, Running, Failed };

    void Wake()
    {
        if (wakeType_ == 0 || wakePending_.exchange(true))
            return;
        SDL_Event event{};
        event.type = wakeType_;
        SDL_PushEvent(&event);
    }

    // The last thing the thread does with the display when SDL cannot
    // start: Start() returns and the display is freed.
    void Fail(const char *what, const std::string &why)
    {
        std::lock_guard<std::mutex> guard(mutex_);
        error_ = std::string(what) + ": " + why;
        state_ = State::Failed;
        started_.notify_all();
    }

    void Run()
    {
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "0");
        SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
        if (SDL_Init(SDL_INIT_VIDEO) != 0) {
            Fail("SDL_Init", SDL_GetError());
            return;
        }
        LONG width = 0;
        LONG height = 0;
        DefaultScreenSize(width, height);
        window_ = SDL_CreateWindow(program_invocation_short_name, SDL_WINDOWPOS_CENTERED,
                                   SDL_WINDOWPOS_CENTERED, width, height, SDL_WINDOW_RESIZABLE);
        if (window_ == nullptr) {
            std::string why = SDL_GetError();
            SDL_Quit();
            Fail("SDL_CreateWindow", why);
            return;
        }
        renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED);
        if (renderer_ == nullptr)
            renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
        if (renderer_ == nullptr) {
            std::string why = SDL_GetError();
            SDL_DestroyWindow(window_);
            SDL_Quit();
            Fail("SDL_CreateRenderer", why);
            return;
        }
        wakeType_ = SDL_RegisterEvents(1);
        {
            std::lock_guard<std::mutex> guard(mutex_);
            state_ = State::Running;
            started_.notify_all();
        }
        Loop();
    }

    void Loop()
    {
        for (;;) {
            SDL_Event event;
            if (!SDL_WaitEventTimeout(&event, 250)) {
                FlushPendingKey();
                continue;
            }
            do {
                Handle(event);
            } while (SDL_PollEvent(&event));
            FlushPendingKey();
            Draw();
        }
    }

    void Handle(const SDL_Event &event)
    {
        if (event.type != SDL_TEXTINPUT && event.type != wakeType_)
            FlushPendingKey();
        HostInput input;
        switch (event.type) {
        case SDL_MOUSEMOTION:
            input.kind = HostInputKind::PointerMove;
            input.x = event.motion.x;
            input.y = event.motion.y;
            ClampPointer(input);
            PostInput(input);
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            if (event.button.button == SDL_BUTTON_LEFT)
                input.button = HostButtonLeft;
            else if (event.button.button == SDL_BUTTON_RIGHT)
                input.button = HostButtonRight;
            else if (event.button.button == SDL_BUTTON_MIDDLE)
                input.button = HostButtonMiddle;
            else
                break;
            // The position first, in case the host did not report a motion.
            input.kind = HostInputKind::PointerMove;
            input.x = event.button.x;
            input.y = event.button.y;
            ClampPointer(input);
            PostInput(input);
            input.kind = event.type == SDL_MOUSEBUTTONDOWN ? HostInputKind::ButtonDown : HostInputKind::ButtonUp;
            PostInput(input);
            break;
        case SDL_MOUSEWHEEL:
            if (event.wheel.y != 0) {
                input.kind = HostInputKind::Wheel;
                input.y = event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? event.wheel.y : -event.wheel.y;
                PostInput(input);
            }
            break;
        case SDL_KEYDOWN:
        case SDL_KEYUP: {
            input.rawKey = RawKeyOfScancode(event.key.keysym.scancode);
            input.qualifier = QualifierOfModifiers(event.key.keysym.mod);
            if (event.key.repeat)
                input.qualifier |= IEQUALIFIER_REPEAT;
            if (input.rawKey == RAWKEY_NONE)
                break;
            if (event.type == SDL_KEYUP) {
                input.kind = HostInputKind::KeyUp;
                PostInput(input);
                break;
            }
            input.kind = HostInputKind::KeyDown;
            // The character follows as SDL_TEXTINPUT (it knows the host's
            // keyboard layout); hold the key until then.
            pendingKey_ = input;
            havePendingKey_ = true;
            break;
        }
        case SDL_TEXTINPUT:
            for (ULONG c : CodePoints(event.text.text)) {
                if (c > 0xFF)
                    continue;
                if (havePendingKey_) {
                    pendingKey_.character = c;
                    PostInput(pendingKey_);
                    havePendingKey_ = false;
                    continue;
                }
                PostCharacter(c);
            }
            break;
        case SDL_QUIT:
            input.kind = HostInputKind::CloseRequest;
            PostInput(input);
            break;
        case SDL_WINDOWEVENT:
            if (event.window.event == SDL_WINDOWEVENT_EXPOSED ||
                event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED)
                redrawAll_ = true;
            if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
                // Buttons let go of elsewhere never come back as releases;
                // intuition ignores releases of buttons that are not held.
                input.kind = HostInputKind::ButtonUp;
                for (UBYTE button : {HostButtonLeft, HostButtonRight, HostButtonMiddle}) {
                    input.button = button;
                    PostInput(input);
                }
            }
            break;
        default:
            if (event.type == wakeType_)
                wakePending_.store(false);
            break;
        }
    }

    // A key whose character did not come as text (control keys, keys held
    // with Ctrl or Amiga) gets the one the keyboard table gives.
    void FlushPendingKey()
    {
        if (!havePendingKey_)
            return;
        havePendingKey_ = false;
        pendingKey_.character = CharacterOfRawKey(pendingKey_.rawKey, pendingKey_.qualifier);
        PostInput(pendingKey_);
    }

    void ClampPointer(HostInput &input)
    {
        std::lock_guard<std::mutex> guard(mutex_);
        input.x = std::max<LONG>(0, std::min<LONG>(input.x, width_ > 0 ? width_ - 1 : 0));
        input.y = std::max<LONG>(0, std::min<LONG>(input.y, height_ > 0 ? height_ - 1 : 0));
    }

    void Draw()
    {
        std::vector<DisplayRect> rects;
        bool newFrame = false;
        LONG width = 0;
        LONG height = 0;
        {
            std::lock_guard<std::mutex> guard(mutex_);
            rects.swap(rects_);
            newFrame = newFrame_;
            newFrame_ = false;
            width = width_;
            height = height_;
        }
        if (width <= 0 || height <= 0)
            return;
        if (newFrame && (texture_ == nullptr || width != textureWidth_ || height != textureHeight_)) {
            if (texture_ != nullptr)
                SDL_DestroyTexture(texture_);
            // The screen's fourth byte is no alpha: programs leave it 0 (the
            // BGRA build) or carry whatever their buffers hold, so the texture
            // must ignore it (an ARGB texture would blend those pixels away).
            texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                                         width, height);
            if (texture_ == nullptr)
                return;
            textureWidth_ = width;
            textureHeight_ = height;
            SDL_SetWindowSize(window_, width, height);
            SDL_RenderSetLogicalSize(renderer_, width, height);
        }
        if (texture_ == nullptr)
            return;
        if (newFrame)
            rects.assign(1, DisplayRect{0, 0, width, height});
        if (rects.empty() && !redrawAll_)
            return;
        redrawAll_ = false;
        {
            std::lock_guard<std::mutex> frame(FrameLock());
            std::lock_guard<std::mutex> guard(mutex_);
            for (const DisplayRect &r : rects) {
                LONG left = std::max<LONG>(r.left, 0);
                LONG top = std::max<LONG>(r.top, 0);
                LONG right = std::min<LONG>(r.left + r.width, width_);
                LONG bottom = std::min<LONG>(r.top + r.height, height_);
                if (right <= left || bottom <= top || pixels_ == nullptr)
                    continue;
                SDL_Rect area{left, top, right - left, bottom - top};
                SDL_UpdateTexture(texture_, &area, pixels_ + static_cast<std::size_t>(top) * bytesPerRow_ + 4 * left,
                                  bytesPerRow_);
            }
        }
        SDL_RenderClear(renderer_);
        SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
        SDL_RenderPresent(renderer_);
    }

    std::mutex mutex_;                 // everything below that Show/Present touch
    std::condition_variable started_;
    State state_ = State::Starting;
    std::string error_;
    const UBYTE *pixels_ = nullptr;
    LONG width_ = 0;
    LONG height_ = 0;
    LONG bytesPerRow_ = 0;
    bool newFrame_ = false;
    std::vector<DisplayRect> rects_;

    std::atomic<Uint32> wakeType_{0};
    std::atomic<bool> wakePending_{false};

    // The SDL thread's own.
    SDL_Window *window_ = nullptr;
    SDL_Renderer *renderer_ = nullptr;
    SDL_Texture *texture_ = nullptr;
    LONG textureWidth_ = 0;
    LONG textureHeight_ = 0;
    bool redrawAll_ = false;
    HostInput pendingKey_;
    bool havePendingKey_ = false;
};

}  // namespace

std::unique_ptr<DisplayBackend> OpenSdlDisplay(std::string &error)
{
    // The display lives as long as the process: its thread keeps running.
    auto display = std::make_unique<SdlDisplay>();
    if (!display->Start(error))
        return nullptr;
    return display;
}

}  // namespace hosted
