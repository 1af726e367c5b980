// asl/session.h: one showing of the file requester: its window and gadgets, what it lists, and how it answers the person.
#ifndef ASL_SESSION_H
#define ASL_SESSION_H

#include "aslprivate.h"

namespace hosted::asl {

class Session {
public:
    Session(FileRequest &request, const Settings &settings);
    ~Session();
    Session(const Session &) = delete;
    Session &operator=(const Session &) = delete;

    // Opens the window; false (IoErr set) when it cannot.
    bool Open();
    // Runs until the person chooses (1) or cancels (0).
    int Run();
    // What was chosen.
    std::string Drawer() const { return drawerText_; }
    std::string File() const { return settings_.drawersOnly ? std::string() : std::string(fileText_); }

private:
    enum class Outcome { Running, Chosen, Cancelled };

    // --- window and gadgets (session.cpp)
    bool MakeGadgets();
    void FreeGadgets();
    void Paint();
    void Relayout();
    void SetField(struct Gadget *field, const std::string &text);

    // --- the list (listing.cpp)
    void GoTo(const std::string &drawer);
    void ShowVolumes();
    void ShowListing(std::vector<Entry> entries, const std::string &message);
    void SetTop(LONG top, bool fromScroller);
    void Select(LONG index);
    void ShowSelection();
    void UpdateRows();
    void UpdateScroller();

    // --- answering (answers.cpp)
    void Handle(ULONG cls, UWORD code, UWORD qualifier, APTR address, ULONG seconds, ULONG micros);
    void RowPressed(LONG row, ULONG seconds, ULONG micros);
    void Typed(UWORD code);
    void Accept();
    void Parent();
    void Key(UWORD code);

    FileRequest &request_;
    Settings settings_;
    Outcome outcome_ = Outcome::Running;

    struct Screen *screen_ = nullptr;
    bool screenLocked_ = false;
    struct DrawInfo *drawInfo_ = nullptr;
    struct TextFont *font_ = nullptr;
    struct Window *window_ = nullptr;
    struct Window *activeBefore_ = nullptr;
    Layout layout_;

    struct Image *buttonFrame_ = nullptr;
    struct Image *listFrame_ = nullptr;
    std::vector<struct Gadget *> rows_;
    std::vector<RowView> views_;
    struct Gadget *scroller_ = nullptr;
    struct Gadget *drawerField_ = nullptr;
    struct Gadget *fileField_ = nullptr;
    struct Gadget *buttons_[4] = {};
    struct Gadget *first_ = nullptr;

    // The list: a drawer's entries or the volumes.
    std::string current_;       // the drawer listed
    bool volumes_ = false;
    std::vector<Entry> entries_;
    std::string message_;       // shown in place of the entries (a drawer that cannot be read)
    LONG top_ = 0;
    LONG selected_ = -1;
    LONG lastPressed_ = -1;
    ULONG lastSeconds_ = 0, lastMicros_ = 0;

    // The fields' buffers: the gadgets edit them in place.
    char drawerText_[4096] = {};
    char fileText_[256] = {};
};

}  // namespace hosted::asl

#endif  // ASL_SESSION_H
