// tools/multiview/guide_view.cpp: showing a help document's nodes, its bar of buttons, its link buttons, and moving between nodes.
#include "guide_view.h"

#include "file_bytes.h"
#include "guide_layout.h"

#include <intuition/gadgetclass.h>
#include <intuition/imageclass.h>
#include <proto/dos.h>
#include <proto/graphics.h>
#include <proto/intuition.h>

#include <cstring>

namespace hosted::multiview {

namespace {

constexpr const char *kButtonLabels[5] = {"Contents", "Index", "Retrace", "Browse <", "Browse >"};
constexpr LONG kButtonGap = 4;
constexpr LONG kBarPadding = 5;
// A help document opens between these many columns and lines of the
// font, whatever it holds, if the screen has room.
constexpr LONG kPreferredColumns = 80;
constexpr LONG kFewestColumns = 64;
constexpr LONG kPreferredLines = 34;
constexpr LONG kFewestLines = 12;
constexpr LONG kUnbounded = 1 << 28;
// Gadget ids are words: links past this many in one node are drawn but
// cannot be clicked.
constexpr LONG kMaxLinkButtons = 0xFFFF - IdFirstLink;

std::string Trimmed(const std::string &text)
{
    std::size_t begin = text.find_first_not_of(' ');
    if (begin == std::string::npos)
        return std::string();
    std::size_t end = text.find_last_not_of(' ');
    return text.substr(begin, end - begin + 1);
}

LONG RightEdge(const std::vector<StyledLine> &lines)
{
    LONG right = 0;
    for (const StyledLine &line : lines) {
        if (!line.spans.empty()) {
            const StyledSpan &last = line.spans.back();
            if (last.x + last.width > right)
                right = last.x + last.width;
        }
    }
    return right;
}

}  // namespace

GuideView::GuideView(GuideDocument document, std::string name, const Look &look) : look_(look)
{
    documents_.push_back({std::move(document), std::move(name)});
    InitRastPort(&measurePort_);
    SetFont(&measurePort_, look_.font);
    node_ = Document().MainNode();
}

GuideView::~GuideView()
{
    for (struct Gadget *g : links_)
        DisposeObject(g);
    for (struct Gadget *g : buttons_)
        DisposeObject(g);
    DisposeObject(frame_);
}

std::string GuideView::Title() const
{
    if (node_ >= 0 && !Document().nodes[static_cast<std::size_t>(node_)].title.empty())
        return Document().nodes[static_cast<std::size_t>(node_)].title;
    return Document().database;
}

void GuideView::PreferredSize(LONG &width, LONG &height)
{
    MeasureText measure = [this](const std::string &text, UBYTE style) {
        return SpanWidth(&measurePort_, text, style);
    };
    // As wide as the widest node wants, within reason, and as high as the
    // tallest needs at that width.
    LONG widest = 0;
    for (const GuideNode &node : Document().nodes) {
        LONG right = RightEdge(LayoutLines(node.lines, kUnbounded, measure));
        if (right > widest)
            widest = right;
    }
    LONG roomy = kPreferredColumns * look_.xSize;
    LONG narrow = kFewestColumns * look_.xSize;
    width = 2 * kMarginLeft + (widest < narrow ? narrow : (widest < roomy ? widest : roomy));
    if (width < MinimumWidth())
        width = MinimumWidth();
    std::size_t tallest = kFewestLines;
    for (const GuideNode &node : Document().nodes) {
        std::size_t rows = LayoutLines(node.lines, width - 2 * kMarginLeft, measure).size();
        if (rows > tallest)
            tallest = rows;
    }
    if (tallest > static_cast<std::size_t>(kPreferredLines))
        tallest = static_cast<std::size_t>(kPreferredLines);
    height = 2 * kMarginTop + static_cast<LONG>(tallest) * LineHeight();
}

LONG GuideView::BarHeight() const
{
    return ButtonHeight() + 2 * kBarPadding + 1;
}

LONG GuideView::ButtonWidth(const char *label) const
{
    return TextLength(&measurePort_, label, static_cast<ULONG>(std::strlen(label))) + 2 * look_.xSize;
}

LONG GuideView::MinimumWidth() const
{
    LONG width = 2 * (kBarPadding + 1);
    for (UWORD i = 0; i < 5; i++) {
        if (IdContents + i != IdIndex || HasIndex())
            width += ButtonWidth(kButtonLabels[i]) + kButtonGap;
    }
    return width;
}

LONG GuideView::TextTop() const
{
    if (notice_.empty())
        return kMarginTop;
    return kNoticePadding + static_cast<LONG>(notice_.size()) * LineHeight() + kNoticePadding + 3 + kMarginTop;
}

LONG GuideView::TopSourceLine() const
{
    if (shownTop_ < lines_.size())
        return lines_[static_cast<std::size_t>(shownTop_)].sourceLine;
    return 0;
}

void GuideView::Layout(LONG width, LONG height, ScrollAxis &horizontal, ScrollAxis &vertical)
{
    const bool nodeChanged = laidNode_ != node_;
    LONG keep = -1;
    if (pendingLine_ >= 0) {
        keep = pendingLine_;
        pendingLine_ = -1;
    } else if (!nodeChanged && laidWidth_ != width && vertical.top < lines_.size()) {
        // A new width wraps the lines anew: the same text stays at the top.
        keep = lines_[static_cast<std::size_t>(vertical.top)].sourceLine;
    }
    if (nodeChanged || laidWidth_ != width) {
        MeasureText measure = [this](const std::string &text, UBYTE style) {
            return SpanWidth(&measurePort_, text, style);
        };
        static const std::vector<StyledLine> kNone;
        const std::vector<StyledLine> &source =
            node_ >= 0 ? Document().nodes[static_cast<std::size_t>(node_)].lines : kNone;
        lines_ = LayoutLines(source, width - 2 * kMarginLeft, measure);
        laidNode_ = node_;
        laidWidth_ = width;
        if (nodeChanged)
            vertical.top = 0;
    }
    if (keep >= 0) {
        std::size_t top = 0;
        while (top + 1 < lines_.size() && lines_[top].sourceLine < keep)
            top++;
        vertical.top = top;
    }
    // A message stands in a band of its own above the text, wrapped to
    // the page.
    notice_.clear();
    if (!message_.empty()) {
        MeasureText measure = [this](const std::string &text, UBYTE style) {
            return SpanWidth(&measurePort_, text, style);
        };
        notice_ = LayoutLines({OneSpan(message_, SpanRole::Note)}, width - 2 * kMarginLeft, measure);
    }
    vertical.unit = LineHeight();
    vertical.total = lines_.size();
    LONG rows = (height - TextTop()) / LineHeight();
    vertical.visible = static_cast<UQUAD>(rows > 1 ? rows : 1);
    vertical.step = 1;
    if (revealFocus_) {
        revealFocus_ = false;
        LONG row = RowOfLink(focus_);
        if (row >= 0 && static_cast<UQUAD>(row) < vertical.top)
            vertical.top = static_cast<UQUAD>(row);
        else if (row >= 0 && static_cast<UQUAD>(row) >= vertical.top + vertical.visible)
            vertical.top = static_cast<UQUAD>(row) + 1 - vertical.visible;
    }
    horizontal.unit = 1;
    horizontal.total = static_cast<UQUAD>(width);
    horizontal.visible = static_cast<UQUAD>(width);
    horizontal.top = 0;
    horizontal.step = 1;
}

void GuideView::Paint(struct RastPort *rp, LONG width, LONG height, const ScrollAxis &horizontal,
                      const ScrollAxis &vertical)
{
    (void)horizontal;
    SetAPen(rp, look_.pens.paper);
    SetDrMd(rp, JAM2);
    RectFill(rp, 0, 0, width - 1, height - 1);
    if (!notice_.empty()) {
        LONG band = TextTop() - kMarginTop;
        SetAPen(rp, look_.pens.linkFace);
        RectFill(rp, 0, 0, width - 1, band - 3);
        SetAPen(rp, look_.pens.dim);
        RectFill(rp, 0, band - 3, width - 1, band - 3);
        for (std::size_t row = 0; row < notice_.size(); row++)
            PaintLine(rp, notice_[row], look_.pens, kMarginLeft, kNoticePadding + static_cast<LONG>(row) * LineHeight(),
                      LineHeight(), 2 + look_.baseline);
    }
    shownTop_ = vertical.top;
    shownRows_ = 0;
    for (UQUAD row = 0; row < vertical.visible && vertical.top + row < lines_.size(); row++) {
        const StyledLine &line = lines_[static_cast<std::size_t>(vertical.top + row)];
        PaintLine(rp, line, look_.pens, kMarginLeft, TextTop() + static_cast<LONG>(row) * LineHeight(), LineHeight(),
                  2 + look_.baseline, focus_);
        shownRows_ = row + 1;
    }
}

std::vector<std::string> GuideView::ShownText(const ScrollAxis &horizontal, const ScrollAxis &vertical)
{
    (void)horizontal;
    std::vector<std::string> text;
    for (const StyledLine &line : notice_)
        text.push_back(PlainText(line));
    for (UQUAD row = 0; row < vertical.visible && vertical.top + row < lines_.size(); row++)
        text.push_back(PlainText(lines_[static_cast<std::size_t>(vertical.top + row)]));
    return text;
}

bool GuideView::Opened(ViewerWindow &window)
{
    struct Window *w = window.Window();
    frame_ = static_cast<struct Image *>(NewObject(nullptr, FRAMEICLASS, IA_FrameType, FRAME_BUTTON, TAG_DONE));
    if (frame_ == nullptr)
        return false;
    LONG x = w->BorderLeft + kBarPadding + 1;
    const LONG y = w->BorderTop + kBarPadding;
    struct Gadget *previous = nullptr;
    struct Gadget *first = nullptr;
    UWORD count = 0;
    for (UWORD i = 0; i < 5; i++) {
        if (IdContents + i == IdIndex && !HasIndex())
            continue;   // a document without an index gets no Index button
        const char *label = kButtonLabels[i];
        LONG width = ButtonWidth(label);
        buttons_[i] = static_cast<struct Gadget *>(NewObject(
            nullptr, FRBUTTONCLASS, GA_ID, IdContents + i, GA_Text, label, GA_Image, frame_, GA_RelVerify, TRUE,
            GA_Left, x, GA_Top, y, GA_Width, width, GA_Height, ButtonHeight(), GA_DrawInfo, look_.drawInfo,
            GA_Previous, previous, TAG_DONE));
        if (buttons_[i] == nullptr)
            return false;
        if (first == nullptr)
            first = buttons_[i];
        previous = buttons_[i];
        count++;
        x += width + kButtonGap;
    }
    AddGList(w, first, static_cast<ULONG>(~0), count, nullptr);
    UpdateButtons(window);
    return true;
}

void GuideView::PaintBar(ViewerWindow &window)
{
    struct Window *w = window.Window();
    struct RastPort *rp = w->RPort;
    const LONG left = w->BorderLeft;
    const LONG top = w->BorderTop;
    const LONG right = w->Width - w->BorderRight - 1;
    const LONG bottom = top + BarHeight() - 1;
    if (right < left)
        return;
    SetDrMd(rp, JAM2);
    SetAPen(rp, look_.pens.linkFace);
    RectFill(rp, left, top, right, bottom - 1);
    SetAPen(rp, look_.pens.dim);
    RectFill(rp, left, bottom, right, bottom);
    for (struct Gadget *g : buttons_) {
        if (g != nullptr)
            RefreshGList(g, w, nullptr, 1);
    }
}

void GuideView::RemoveLinks(ViewerWindow &window)
{
    if (!links_.empty()) {
        RemoveGList(window.Window(), links_[0], static_cast<LONG>(links_.size()));
        for (struct Gadget *g : links_)
            DisposeObject(g);
    }
    links_.clear();
    faces_.clear();
}

void GuideView::Shown(ViewerWindow &window)
{
    RemoveLinks(window);
    struct IClass *linkClass = LinkButtonClass();
    if (linkClass == nullptr)
        return;
    const LONG pageRight = window.PageLeft() + window.PageWidth();
    struct Gadget *previous = nullptr;
    for (UQUAD row = 0; row < shownRows_; row++) {
        const StyledLine &line = lines_[static_cast<std::size_t>(shownTop_ + row)];
        for (const StyledSpan &span : line.spans) {
            if (span.role != SpanRole::Link || span.link < 0 || span.link >= kMaxLinkButtons)
                continue;
            LONG x = window.PageLeft() + kMarginLeft + span.x;
            LONG y = window.PageTop() + TextTop() + static_cast<LONG>(row) * LineHeight();
            LONG width = x + span.width > pageRight ? pageRight - x : span.width;
            if (width <= 0)
                continue;
            LinkFace face;
            face.label = span.text;
            face.name = Trimmed(span.text);
            face.style = span.style;
            face.pens = look_.pens;
            face.font = look_.font;
            face.baseline = 2 + look_.baseline;
            face.focused = span.link == focus_;
            faces_.push_back(std::move(face));
            LinkFace &kept = faces_.back();
            auto *g = static_cast<struct Gadget *>(
                NewObject(linkClass, nullptr, GA_ID, IdFirstLink + span.link, GA_Left, x, GA_Top, y, GA_Width, width,
                          GA_Height, LineHeight() - 1, GA_Text, kept.name.c_str(), GA_UserData, &kept, GA_RelVerify,
                          TRUE, GA_Previous, previous, TAG_DONE));
            if (g == nullptr) {
                faces_.pop_back();
                continue;   // drawn on the page all the same, only not clickable
            }
            links_.push_back(g);
            previous = g;
        }
    }
    if (links_.empty())
        return;
    AddGList(window.Window(), links_[0], static_cast<ULONG>(~0), static_cast<LONG>(links_.size()), nullptr);
    RefreshGList(links_[0], window.Window(), nullptr, static_cast<LONG>(links_.size()));
}

void GuideView::Closing(ViewerWindow &window)
{
    RemoveLinks(window);
    for (struct Gadget *g : buttons_) {
        if (g != nullptr)
            RemoveGList(window.Window(), g, 1);
    }
}

LONG GuideView::ContentsNode() const
{
    if (node_ >= 0) {
        LONG toc = Document().FindNode(Document().nodes[static_cast<std::size_t>(node_)].toc);
        if (toc >= 0)
            return toc;
    }
    LONG toc = Document().FindNode(Document().toc);
    return toc >= 0 ? toc : Document().MainNode();
}

LONG GuideView::PreviousNode() const
{
    if (node_ < 0)
        return -1;
    const GuideNode &node = Document().nodes[static_cast<std::size_t>(node_)];
    if (!node.prev.empty()) {
        LONG prev = Document().FindNode(node.prev);
        if (prev >= 0)
            return prev;
    }
    return node_ - 1;
}

LONG GuideView::NextNode() const
{
    if (node_ < 0)
        return -1;
    const GuideNode &node = Document().nodes[static_cast<std::size_t>(node_)];
    if (!node.next.empty()) {
        LONG next = Document().FindNode(node.next);
        if (next >= 0)
            return next;
    }
    return node_ + 1 < static_cast<LONG>(Document().nodes.size()) ? node_ + 1 : -1;
}

void GuideView::UpdateButtons(ViewerWindow &window)
{
    const bool disabled[5] = {
        ContentsNode() < 0,
        Document().FindNode(Document().index) < 0,
        history_.empty(),
        PreviousNode() < 0,
        NextNode() < 0,
    };
    for (int i = 0; i < 5; i++) {
        struct Gadget *g = buttons_[i];
        if (g != nullptr && ((g->Flags & GFLG_DISABLED) != 0) != disabled[i])
            SetGadgetAttrs(g, window.Window(), nullptr, GA_Disabled, disabled[i] ? TRUE : FALSE, TAG_DONE);
    }
}

void GuideView::GoTo(ViewerWindow &window, std::size_t document, LONG node, LONG line, bool remember)
{
    if (document >= documents_.size() || node < 0 ||
        node >= static_cast<LONG>(documents_[document].document.nodes.size()))
        return;
    if (remember && node_ >= 0)
        history_.push_back({current_, node_, TopSourceLine()});
    if (document != current_)
        laidNode_ = -1;   // the same number may name a node of the other document
    current_ = document;
    node_ = node;
    focus_ = -1;
    pendingLine_ = line >= 0 ? line : 0;
    message_.clear();
    UpdateButtons(window);
    window.Relayout();
}

void GuideView::Retrace(ViewerWindow &window)
{
    if (history_.empty())
        return;
    Place place = history_.back();
    history_.pop_back();
    GoTo(window, place.document, place.node, place.line, false);
}

void GuideView::Say(ViewerWindow &window, std::string message)
{
    message_ = std::move(message);
    window.Relayout();
}

void GuideView::Follow(ViewerWindow &window, LONG index)
{
    if (node_ < 0)
        return;
    const GuideNode &node = Document().nodes[static_cast<std::size_t>(node_)];
    if (index < 0 || index >= static_cast<LONG>(node.links.size()))
        return;
    const GuideLink link = node.links[static_cast<std::size_t>(index)];
    switch (link.action) {
    case LinkAction::Node: {
        LONG target = Document().FindNode(link.target);
        if (target >= 0)
            GoTo(window, target, link.line, true);
        else if (!FollowElsewhere(window, link))
            Say(window, "There is no node \"" + link.target + "\" in this document.");
        break;
    }
    case LinkAction::Command:
        Say(window, "Commands in documents are not run: " + link.target);
        break;
    case LinkAction::Script:
        Say(window, "Scripts in documents are not run: " + link.target);
        break;
    case LinkAction::Beep:
        DisplayBeep(look_.screen);
        break;
    case LinkAction::Close:
        window.Close();
        break;
    case LinkAction::Unknown:
        Say(window, "This link cannot be followed (\"" + link.target + "\").");
        break;
    }
}

bool GuideView::FollowElsewhere(ViewerWindow &window, const GuideLink &link)
{
    std::size_t slash = link.target.rfind('/');
    if (slash == std::string::npos || slash == 0)
        return false;
    const std::string file = link.target.substr(0, slash);
    const std::string nodeName = link.target.substr(slash + 1);
    // A path with a volume stands for itself; any other is taken from the
    // drawer the current document was read from.
    std::string path = file;
    if (file.find(':') == std::string::npos) {
        const std::string &here = documents_[current_].name;
        std::string drawer = here.substr(0, static_cast<std::size_t>(PathPart(here.c_str()) - here.c_str()));
        std::vector<char> joined(drawer.size() + file.size() + 2);
        std::memcpy(joined.data(), drawer.c_str(), drawer.size() + 1);
        if (!AddPart(joined.data(), file.c_str(), static_cast<ULONG>(joined.size())))
            return false;
        path = joined.data();
    }
    std::size_t index = 0;
    while (index < documents_.size() && documents_[index].name != path)
        index++;
    if (index == documents_.size()) {
        std::vector<UBYTE> bytes;
        LONG error = 0;
        BPTR handle = Open(path.c_str(), MODE_OLDFILE);
        if (handle == 0 || (error = ReadToEnd(handle, bytes)) != 0) {
            if (handle == 0)
                error = IoErr();
            Close(handle);
            char reason[100];
            Fault(error, nullptr, reason, sizeof reason);
            Say(window, "Cannot open \"" + file + "\": " + reason);
            return true;
        }
        Close(handle);
        GuideDocument other = ParseGuide(bytes.data(), bytes.size());
        if (other.nodes.empty()) {
            Say(window, "\"" + file + "\" is not a help document.");
            return true;
        }
        documents_.push_back({std::move(other), path});
    }
    const GuideDocument &target = documents_[index].document;
    LONG node = nodeName.empty() ? target.MainNode() : target.FindNode(nodeName);
    if (node < 0) {
        Say(window, "There is no node \"" + nodeName + "\" in \"" + file + "\".");
        return true;
    }
    GoTo(window, index, node, link.line, true);
    return true;
}

void GuideView::GadgetUp(ViewerWindow &window, UWORD id)
{
    switch (id) {
    case IdContents:
        GoTo(window, ContentsNode(), 0, true);
        break;
    case IdIndex:
        GoTo(window, Document().FindNode(Document().index), 0, true);
        break;
    case IdRetrace:
        Retrace(window);
        break;
    case IdBrowsePrevious:
        GoTo(window, PreviousNode(), 0, true);
        break;
    case IdBrowseNext:
        GoTo(window, NextNode(), 0, true);
        break;
    default:
        if (id >= IdFirstLink)
            Follow(window, id - IdFirstLink);
        break;
    }
}

LONG GuideView::RowOfLink(LONG link) const
{
    if (link < 0)
        return -1;
    for (std::size_t row = 0; row < lines_.size(); row++) {
        for (const StyledSpan &span : lines_[row].spans) {
            if (span.role == SpanRole::Link && span.link == link)
                return static_cast<LONG>(row);
        }
    }
    return -1;
}

void GuideView::MoveFocus(ViewerWindow &window, bool backwards)
{
    if (node_ < 0)
        return;
    const LONG count = static_cast<LONG>(Document().nodes[static_cast<std::size_t>(node_)].links.size());
    if (count == 0)
        return;
    if (focus_ < 0)
        focus_ = backwards ? count - 1 : 0;
    else
        focus_ = backwards ? (focus_ + count - 1) % count : (focus_ + 1) % count;
    revealFocus_ = true;
    window.Relayout();
}

bool GuideView::Key(ViewerWindow &window, UWORD rawKey, UWORD qualifier)
{
    switch (rawKey) {
    case RAWKEY_BACKSPACE:
        Retrace(window);
        return true;
    case RAWKEY_TAB:
        MoveFocus(window, (qualifier & (IEQUALIFIER_LSHIFT | IEQUALIFIER_RSHIFT)) != 0);
        return true;
    case RAWKEY_RETURN:
    case RAWKEY_ENTER:
        if (focus_ < 0)
            return false;
        Follow(window, focus_);
        return true;
    default:
        return false;
    }
}

}  // namespace hosted::multiview
