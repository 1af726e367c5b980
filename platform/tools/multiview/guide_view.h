// tools/multiview/guide_view.h: the view of a hypertext help document: a node's page, its links as buttons, and moving between nodes.
#ifndef MULTIVIEW_GUIDE_VIEW_H
#define MULTIVIEW_GUIDE_VIEW_H

#include "guide.h"
#include "linkgclass.h"
#include "viewer_window.h"

#include <graphics/rastport.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace hosted::multiview {

// The buttons above the page, by GA_ID.
enum GuideButtonId : UWORD {
    IdContents = IdFirstFree,
    IdIndex,
    IdRetrace,
    IdBrowsePrevious,
    IdBrowseNext,
    IdFirstLink = 1000,   // a link button: IdFirstLink + the link's index in its node
};

// Shows one node at a time. The window's title is the node's title. Long
// lines are wrapped to the page's width (the page never scrolls sideways).
// The bar holds "Contents" (the node's @toc, else the document's, else
// the main node), "Index" (only when the document names an index node),
// "Retrace" (back along the nodes shown, and to where each was scrolled),
// "Browse <" and "Browse >" (the node's @prev and @next, else the nodes
// before and after it in the document); a button with nowhere to go is
// disabled. BackSpace retraces too; Tab and Shift+Tab move a focus
// through the node's links, Return follows the one with the focus. A link that goes nowhere (no such
// node, a command, a script) leaves the page as it is and says why in a
// band above the text, until the next move; commands in a document are
// never run.
class GuideView : public View {
public:
    // `name` is the document's path, which links into other documents
    // ("other.guide/node") are taken relative to.
    GuideView(GuideDocument document, std::string name, const Look &look);
    ~GuideView() override;
    GuideView(const GuideView &) = delete;
    GuideView &operator=(const GuideView &) = delete;

    std::string Title() const override;
    void PreferredSize(LONG &width, LONG &height) override;
    LONG BarHeight() const override;
    LONG MinimumWidth() const override;
    void Layout(LONG width, LONG height, ScrollAxis &horizontal, ScrollAxis &vertical) override;
    void Paint(struct RastPort *rp, LONG width, LONG height, const ScrollAxis &horizontal,
               const ScrollAxis &vertical) override;
    std::vector<std::string> ShownText(const ScrollAxis &horizontal, const ScrollAxis &vertical) override;
    bool Opened(ViewerWindow &window) override;
    void PaintBar(ViewerWindow &window) override;
    void Shown(ViewerWindow &window) override;
    void GadgetUp(ViewerWindow &window, UWORD id) override;
    bool Key(ViewerWindow &window, UWORD rawKey, UWORD qualifier) override;
    void Closing(ViewerWindow &window) override;

    // Rows and margins of the page.
    LONG LineHeight() const { return look_.fontHeight + 5; }
    static constexpr LONG kMarginLeft = 8;
    static constexpr LONG kMarginTop = 6;
    static constexpr LONG kNoticePadding = 3;

private:
    // A node of one of the documents and the line of its text at the top
    // of the page.
    struct Place {
        std::size_t document;
        LONG node;
        LONG line;
    };

    // A document shown in the window, and the path it was read from.
    struct Loaded {
        GuideDocument document;
        std::string name;
    };

    const GuideDocument &Document() const { return documents_[current_].document; }
    void GoTo(ViewerWindow &window, std::size_t document, LONG node, LONG line, bool remember);
    void GoTo(ViewerWindow &window, LONG node, LONG line, bool remember)
    {
        GoTo(window, current_, node, line, remember);
    }
    // Follows a link into another document: "file/node", the file's path
    // taken from the current document's drawer. False when the target
    // names no file; otherwise true, having gone there or said why not.
    bool FollowElsewhere(ViewerWindow &window, const GuideLink &link);
    void Follow(ViewerWindow &window, LONG link);
    // Moves the keyboard's focus to the next (or previous) link of the
    // node and brings it into view.
    void MoveFocus(ViewerWindow &window, bool backwards);
    // The laid out line a link stands on, -1 when none.
    LONG RowOfLink(LONG link) const;
    void Retrace(ViewerWindow &window);
    void Say(ViewerWindow &window, std::string message);
    LONG ContentsNode() const;
    LONG PreviousNode() const;
    LONG NextNode() const;
    void UpdateButtons(ViewerWindow &window);
    void RemoveLinks(ViewerWindow &window);
    LONG TopSourceLine() const;
    // Where the node's text begins on the page: below the message, if any.
    LONG TextTop() const;
    LONG ButtonHeight() const { return look_.fontHeight + 6; }
    LONG ButtonWidth(const char *label) const;
    bool HasIndex() const { return Document().FindNode(Document().index) >= 0; }

    std::vector<Loaded> documents_;   // the first one is the window's own
    std::size_t current_ = 0;
    const Look &look_;
    mutable struct RastPort measurePort_{};
    LONG node_ = -1;
    std::vector<Place> history_;
    std::string message_;              // why the last link went nowhere
    std::vector<StyledLine> notice_;   // the message laid out above the text

    // The current node laid out for the page's width.
    std::vector<StyledLine> lines_;
    LONG laidNode_ = -1;
    LONG laidWidth_ = -1;
    LONG pendingLine_ = -1;   // a line to bring to the top at the next layout
    LONG focus_ = -1;         // the link with the keyboard's focus
    bool revealFocus_ = false;  // the next layout scrolls the focused link into view
    UQUAD shownTop_ = 0;      // the first line on the page
    UQUAD shownRows_ = 0;

    struct Image *frame_ = nullptr;
    struct Gadget *buttons_[5] = {};   // by id - IdContents; Index may be missing

    // The link buttons on the page now, and how each looks. Faces are kept
    // in a deque so the addresses the buttons hold stay put.
    std::vector<struct Gadget *> links_;
    std::deque<LinkFace> faces_;
};

}  // namespace hosted::multiview

#endif  // MULTIVIEW_GUIDE_VIEW_H
