// intuition/console/view.cpp: a console's window: opening it from a description, and drawing its text, typed line and cursor.
#include "view.h"

#include <dos/dos.h>
#include <hosted/intuition.h>
#include <intuition/gadgetclass.h>
#include <intuition/icclass.h>
#include <proto/graphics.h>
#include <proto/intuition.h>

#include <algorithm>
#include <mutex>

namespace hosted {

namespace {

// Room between the frame and the text.
constexpr LONG kMargin = 2;
// What a window's description leaves out.
constexpr LONG kDefaultWidth = 640;
constexpr LONG kDefaultHeight = 200;

constexpr ULONG kIdcmp = IDCMP_NEWSIZE | IDCMP_VANILLAKEY | IDCMP_RAWKEY | IDCMP_ACTIVEWINDOW |
                         IDCMP_INACTIVEWINDOW | IDCMP_IDCMPUPDATE | IDCMP_GADGETDOWN | IDCMP_GADGETUP;

bool SameLook(const ShownRow &a, const ShownRow &b)
{
    return a.cursor == b.cursor && a.cells == b.cells;
}

}  // namespace

ConsolePens ConsoleView::ScreenPens()
{
    ConsolePens pens;
    struct Screen *screen = LockPubScreen(nullptr);
    if (screen == nullptr)
        return pens;
    if (struct DrawInfo *dri = GetScreenDrawInfo(screen)) {
        pens.text = static_cast<UBYTE>(dri->dri_Pens[TEXTPEN]);
        pens.background = static_cast<UBYTE>(dri->dri_Pens[BACKGROUNDPEN]);
        FreeScreenDrawInfo(screen, dri);
    }
    UnlockPubScreen(nullptr, screen);
    return pens;
}

bool ConsoleView::Open(const ConsoleSpec &shape, struct MsgPort *port, LONG &error)
{
    if (window_ != nullptr)
        return true;
    // A named screen that is not there (any more) gives the default one, as
    // a window is better than none.
    struct Screen *screen = shape.screen.empty() ? nullptr : LockPubScreen(shape.screen.c_str());
    CONST_STRPTR locked = screen != nullptr ? shape.screen.c_str() : nullptr;
    if (screen == nullptr)
        screen = LockPubScreen(nullptr);
    if (screen == nullptr) {
        error = ERROR_NO_FREE_STORE;
        return false;
    }
    LONG lineHeight = 8;
    if (struct DrawInfo *dri = GetScreenDrawInfo(screen)) {
        textPen_ = static_cast<UBYTE>(dri->dri_Pens[TEXTPEN]);
        backgroundPen_ = static_cast<UBYTE>(dri->dri_Pens[BACKGROUNDPEN]);
        fillPen_ = static_cast<UBYTE>(dri->dri_Pens[FILLPEN]);
        fillTextPen_ = static_cast<UBYTE>(dri->dri_Pens[FILLTEXTPEN]);
        if (dri->dri_Font != nullptr)
            lineHeight = dri->dri_Font->tf_YSize;
        FreeScreenDrawInfo(screen, dri);
    }
    title_ = shape.title;
    LONG left = shape.left >= 0 ? shape.left : 0;
    LONG top = shape.top >= 0 ? shape.top : screen->BarHeight + 1;
    LONG width = shape.width > 0 ? shape.width : kDefaultWidth;
    LONG height = shape.height > 0 ? shape.height : kDefaultHeight;
    window_ = OpenWindowTags(nullptr, WA_Left, left, WA_Top, top, WA_Width, width, WA_Height, height,
                             WA_Title, title_.c_str(), WA_DragBar, TRUE, WA_DepthGadget, TRUE,
                             WA_SizeGadget, TRUE, WA_CloseGadget, shape.close ? TRUE : FALSE,
                             WA_Activate, TRUE, WA_NoCareRefresh, TRUE, WA_PubScreen, screen,
                             WA_MinWidth, 96, WA_MinHeight, 3 * lineHeight + 2 * kMargin + 24,
                             WA_MaxWidth, screen->Width, WA_MaxHeight, screen->Height, TAG_DONE);
    UnlockPubScreen(locked, screen);
    if (window_ == nullptr) {
        error = ERROR_NO_FREE_STORE;
        return false;
    }
    Measure();

    // The scroller for the lines scrolled away, in the right border beside
    // the sizing gadget; it tells every move of its knob as it happens.
    const LONG rb = window_->BorderRight, tb = window_->BorderTop, bb = window_->BorderBottom;
    struct TagItem tags[] = {
        {GA_ID, 1},
        {GA_Immediate, TRUE},
        {GA_RelVerify, TRUE},
        {GA_RightBorder, TRUE},
        {PGA_Borderless, TRUE},
        {PGA_Freedom, FREEVERT},
        {PGA_NotifyBehaviour, PG_BEHAVIOUR_NICE},
        {PGA_RenderBehaviour, PG_BEHAVIOUR_NICE},
        {GA_RelRight, static_cast<IPTR>(3 - rb)},
        {GA_Width, static_cast<IPTR>(std::max<LONG>(rb - 4, 1))},
        {GA_Top, static_cast<IPTR>(tb + 1)},
        {GA_RelHeight, static_cast<IPTR>(-(tb + bb + 2))},
        {PGA_Total, 1},
        {PGA_Visible, 1},
        {PGA_Top, 0},
        {ICA_TARGET, ICTARGET_IDCMP},
        {TAG_DONE, 0},
    };
    scroller_ = static_cast<struct Gadget *>(NewObjectA(nullptr, "propgclass", tags));
    if (scroller_ != nullptr) {
        AddGList(window_, scroller_, static_cast<ULONG>(-1), 1, nullptr);
        RefreshGList(scroller_, window_, nullptr, 1);
    }
    scrollerTotal_ = scrollerVisible_ = 1;
    scrollerTop_ = 0;
    window_->UserPort = port;
    ModifyIDCMP(window_, kIdcmp | (shape.close ? IDCMP_CLOSEWINDOW : 0));
    shown_.clear();
    reported_.clear();
    return true;
}

void ConsoleView::Close()
{
    if (window_ == nullptr)
        return;
    if (scroller_ != nullptr)
        RemoveGList(window_, scroller_, 1);
    // The port is the caller's: CloseWindow takes this window's messages
    // off it and leaves it alone.
    CloseWindow(window_);
    window_ = nullptr;
    DisposeObject(scroller_);
    scroller_ = nullptr;
    scrollerHeld_ = false;
    shown_.clear();
    reported_.clear();
}

bool ConsoleView::Active() const
{
    if (window_ == nullptr)
        return false;
    std::lock_guard<std::recursive_mutex> guard(IntuitionLock());
    return (window_->Flags & WFLG_WINDOWACTIVE) != 0;
}

void ConsoleView::Measure()
{
    struct RastPort *rp = window_->RPort;
    const struct TextFont *font = rp->Font;
    lineHeight_ = std::max<LONG>(font != nullptr ? font->tf_YSize : 8, 1);
    baseline_ = font != nullptr ? font->tf_Baseline : lineHeight_ - 2;
    LONG widest = font != nullptr ? font->tf_XSize : 8;
    for (int c = 0; c < 256; c++) {
        char ch = static_cast<char>(c);
        advance_[c] = static_cast<UWORD>(std::max<WORD>(TextLength(rp, &ch, 1), 0));
        if (c >= 0x20 && c < 0x7F)
            widest = std::max<LONG>(widest, advance_[c]);
    }
    // One cell holds any printable ASCII character: a grid of its size
    // keeps columns straight in a proportional font too.
    cellWidth_ = std::max<LONG>(widest, 1);
}

void ConsoleView::GridSize(LONG &columns, LONG &rows) const
{
    columns = rows = 1;
    if (window_ == nullptr)
        return;
    std::lock_guard<std::recursive_mutex> guard(IntuitionLock());
    LONG innerWidth = window_->Width - window_->BorderLeft - window_->BorderRight - 2 * kMargin;
    LONG innerHeight = window_->Height - window_->BorderTop - window_->BorderBottom - 2 * kMargin;
    columns = std::max<LONG>(innerWidth / cellWidth_, 1);
    rows = std::max<LONG>(innerHeight / lineHeight_, 1);
}

void ConsoleView::Paint(const std::vector<ShownRow> &rows, const TextGrid &grid, bool full)
{
    if (window_ == nullptr)
        return;
    struct RastPort *rp = window_->RPort;
    LONG innerRight, innerBottom;
    {
        std::lock_guard<std::recursive_mutex> guard(IntuitionLock());
        innerRight = window_->Width - window_->BorderRight - 1;
        innerBottom = window_->Height - window_->BorderBottom - 1;
    }
    if (grid.Columns() != shownColumns_ || rows.size() != shown_.size())
        full = true;
    bool active = Active();
    if (active != shownActive_) {
        // The cursor is solid in the active window, an outline otherwise.
        for (ShownRow &row : shown_) {
            if (row.cursor >= 0)
                row.cursor = -2;
        }
        shownActive_ = active;
    }
    const LONG textTop = window_->BorderTop + kMargin;
    if (full) {
        SetAPen(rp, backgroundPen_);
        RectFill(rp, window_->BorderLeft, window_->BorderTop, innerRight, innerBottom);
        shown_.assign(rows.size(), ShownRow{});
        shownColumns_ = grid.Columns();
    } else if (!rows.empty() && rows[0].id != 0 && rows[0].id != shown_[0].id) {
        // Text moved up: move what is drawn along rather than draw it again.
        for (std::size_t k = 1; k < shown_.size(); k++) {
            if (shown_[k].id != rows[0].id)
                continue;
            SetBPen(rp, backgroundPen_);
            ScrollRaster(rp, 0, static_cast<LONG>(k) * lineHeight_, window_->BorderLeft, textTop, innerRight,
                         textTop + static_cast<LONG>(rows.size()) * lineHeight_ - 1);
            shown_.erase(shown_.begin(), shown_.begin() + static_cast<std::ptrdiff_t>(k));
            shown_.resize(rows.size());
            break;
        }
    }
    for (std::size_t i = 0; i < rows.size(); i++) {
        if (!SameLook(rows[i], shown_[i]))
            PaintRow(rp, static_cast<LONG>(i), rows[i]);
        shown_[i] = rows[i];
    }
    UpdateScroller(grid);
    std::vector<std::string> lines = ShownText(rows);
    if (lines != reported_) {
        SetWindowTextLines(window_, lines);
        reported_ = std::move(lines);
    }
}

void ConsoleView::PaintRow(struct RastPort *rp, LONG index, const ShownRow &row)
{
    const LONG x0 = window_->BorderLeft + kMargin;
    const LONG y = window_->BorderTop + kMargin + index * lineHeight_;
    LONG innerRight;
    {
        std::lock_guard<std::recursive_mutex> guard(IntuitionLock());
        innerRight = window_->Width - window_->BorderRight - 1;
    }
    SetDrMd(rp, JAM1);
    SetAPen(rp, backgroundPen_);
    RectFill(rp, window_->BorderLeft, y, innerRight, y + lineHeight_ - 1);

    const LONG count = std::min<LONG>(static_cast<LONG>(row.cells.size()), shownColumns_);
    // Backgrounds other than the window's first, then the characters.
    for (LONG c = 0; c < count;) {
        UBYTE paper = row.cells[static_cast<std::size_t>(c)].paper;
        LONG end = c + 1;
        while (end < count && row.cells[static_cast<std::size_t>(end)].paper == paper)
            end++;
        if (paper != backgroundPen_) {
            SetAPen(rp, paper);
            RectFill(rp, x0 + c * cellWidth_, y, x0 + end * cellWidth_ - 1, y + lineHeight_ - 1);
        }
        c = end;
    }
    std::string run;
    for (LONG c = 0; c < count;) {
        const ConsoleCell &cell = row.cells[static_cast<std::size_t>(c)];
        if (cell.character == ' ') {
            c++;
            continue;
        }
        SetAPen(rp, cell.pen);
        if (advance_[cell.character] == cellWidth_) {
            // Characters exactly one cell wide go out together.
            run.clear();
            LONG end = c;
            while (end < count) {
                const ConsoleCell &next = row.cells[static_cast<std::size_t>(end)];
                if (next.character == ' ' || next.pen != cell.pen || advance_[next.character] != cellWidth_)
                    break;
                run += static_cast<char>(next.character);
                end++;
            }
            Move(rp, x0 + c * cellWidth_, y + baseline_);
            Text(rp, run.data(), static_cast<ULONG>(run.size()));
            c = end;
        } else {
            // Narrower (or wider) characters stand in the middle of their cell.
            char ch = static_cast<char>(cell.character);
            Move(rp, x0 + c * cellWidth_ + (cellWidth_ - advance_[cell.character]) / 2, y + baseline_);
            Text(rp, &ch, 1);
            c++;
        }
    }
    if (row.cursor >= 0 && row.cursor < shownColumns_)
        PaintCursor(rp, index, row);
}

void ConsoleView::PaintCursor(struct RastPort *rp, LONG index, const ShownRow &row)
{
    const LONG x = window_->BorderLeft + kMargin + row.cursor * cellWidth_;
    const LONG y = window_->BorderTop + kMargin + index * lineHeight_;
    SetAPen(rp, fillPen_);
    if (!shownActive_) {
        Move(rp, x, y);
        Draw(rp, x + cellWidth_ - 1, y);
        Draw(rp, x + cellWidth_ - 1, y + lineHeight_ - 1);
        Draw(rp, x, y + lineHeight_ - 1);
        Draw(rp, x, y);
        return;
    }
    RectFill(rp, x, y, x + cellWidth_ - 1, y + lineHeight_ - 1);
    auto at = static_cast<std::size_t>(row.cursor);
    UBYTE character = at < row.cells.size() ? row.cells[at].character : ' ';
    if (character != ' ') {
        char ch = static_cast<char>(character);
        SetAPen(rp, fillTextPen_);
        SetDrMd(rp, JAM1);
        Move(rp, x + (cellWidth_ - advance_[character]) / 2, y + baseline_);
        Text(rp, &ch, 1);
    }
}

void ConsoleView::UpdateScroller(const TextGrid &grid)
{
    if (scroller_ == nullptr || scrollerHeld_)
        return;
    auto total = static_cast<ULONG>(grid.TotalRows());
    auto visible = static_cast<ULONG>(grid.Rows());
    auto top = static_cast<ULONG>(grid.ViewTop());
    if (total == scrollerTotal_ && visible == scrollerVisible_ && top == scrollerTop_)
        return;
    scrollerTotal_ = total;
    scrollerVisible_ = visible;
    scrollerTop_ = top;
    SetGadgetAttrs(scroller_, window_, nullptr, PGA_Total, total, PGA_Visible, visible, PGA_Top, top, TAG_DONE);
}

}  // namespace hosted
