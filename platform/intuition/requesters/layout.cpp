// requesters/layout.cpp: the geometry of a system requester: wrapping its body, sizing its box and placing its buttons.
#include "sysrequest.h"

#include <hosted/graphics.h>

#include <algorithm>

namespace hosted {

namespace {

// The longest start of `text` no wider than `width` (at least one character).
std::size_t FittingLength(TextMeasure &measure, const std::string &text, LONG width)
{
    std::size_t low = 1;
    std::size_t high = text.size();
    while (low < high) {
        std::size_t middle = (low + high + 1) / 2;
        if (measure.Width(text.substr(0, middle)) <= width)
            low = middle;
        else
            high = middle - 1;
    }
    return low;
}

std::vector<std::string> Wrap(TextMeasure &measure, const std::string &line, LONG width)
{
    std::vector<std::string> out;
    std::string rest = line;
    while (measure.Width(rest) > width && rest.size() > 1) {
        std::size_t fits = FittingLength(measure, rest, width);
        // Break at the last blank inside what fits, or after the last "/"
        // of a path, whichever comes later; otherwise the word itself is
        // broken.
        std::size_t cut = rest.find_last_of(' ', fits);
        if (cut == std::string::npos)
            cut = 0;
        std::size_t slash = rest.find_last_of('/', fits - 1);
        if (slash != std::string::npos && slash + 1 > cut)
            cut = slash + 1;
        if (cut == 0)
            cut = fits;
        std::string head = rest.substr(0, cut);
        while (!head.empty() && head.back() == ' ')
            head.pop_back();
        out.push_back(head);
        std::size_t next = rest.find_first_not_of(' ', cut);
        rest = next == std::string::npos ? std::string() : rest.substr(next);
        if (rest.empty())
            return out;
    }
    out.push_back(rest);
    return out;
}

}  // namespace

std::vector<std::string> WrapLine(struct TextFont *font, const std::string &line, LONG width)
{
    TextMeasure measure(font);
    return Wrap(measure, line, std::max<LONG>(width, 1));
}

SysRequestLayout LayoutSysRequest(struct TextFont *font, const std::vector<std::string> &lines,
                                  const std::vector<std::string> &buttons, LONG maxInnerWidth,
                                  LONG maxInnerHeight)
{
    TextMeasure measure(font);
    const LONG y = font != nullptr ? std::max<LONG>(font->tf_YSize, 1) : 8;
    const LONG x = font != nullptr ? std::max<LONG>(font->tf_XSize, 1) : 8;
    const LONG margin = std::max<LONG>(y, 8);
    const LONG padding = std::max<LONG>(y * 3 / 4, 6);
    const LONG pitch = y + 3;
    const LONG buttonHeight = y + y / 2 + 4;
    const LONG gap = 2 * x;

    SysRequestLayout layout;
    layout.linePitch = pitch;

    // The buttons: one width for all, their widest label with room.
    LONG buttonWidth = 8 * x;
    for (const std::string &label : buttons)
        buttonWidth = std::max<LONG>(buttonWidth, measure.Width(label) + 4 * x);
    const LONG count = static_cast<LONG>(buttons.size());
    const LONG rowWidth = count * buttonWidth + std::max<LONG>(count - 1, 0) * gap;

    // The body: wrapped at a comfortable measure, or at the room there is.
    LONG room = maxInnerWidth - 2 * margin - 2 * padding;
    LONG measureWidth = std::min<LONG>(room, std::max<LONG>(60 * x, maxInnerWidth / 2));
    measureWidth = std::max<LONG>(measureWidth, 8 * x);
    std::vector<std::string> wrapped;
    for (const std::string &line : lines) {
        for (std::string &part : Wrap(measure, line, measureWidth))
            wrapped.push_back(std::move(part));
    }
    if (wrapped.empty())
        wrapped.emplace_back();

    // As many lines as the height allows; the last one shown says more follow.
    const LONG fixed = 3 * margin + 2 * padding + buttonHeight;
    LONG fitting = std::max<LONG>((maxInnerHeight - fixed + (pitch - y)) / pitch, 1);
    if (static_cast<LONG>(wrapped.size()) > fitting) {
        wrapped.resize(static_cast<std::size_t>(fitting));
        std::string &last = wrapped.back();
        const std::string more = "...";
        while (!last.empty() && measure.Width(last + more) > measureWidth)
            last.pop_back();
        last += more;
    }
    layout.shown = wrapped;

    LONG textWidth = 0;
    for (const std::string &line : layout.shown)
        textWidth = std::max<LONG>(textWidth, measure.Width(line));
    const LONG lineCount = static_cast<LONG>(layout.shown.size());
    const LONG textHeight = lineCount * pitch - (pitch - y);

    layout.innerWidth = std::max<LONG>({textWidth + 2 * padding + 2 * margin, rowWidth + 2 * margin, 28 * x});
    layout.innerHeight = fixed + textHeight;
    layout.textBox = {static_cast<WORD>(margin), static_cast<WORD>(margin),
                      static_cast<WORD>(layout.innerWidth - 2 * margin), static_cast<WORD>(textHeight + 2 * padding)};
    layout.textLeft = margin + padding;
    layout.textTop = margin + padding;

    const LONG buttonTop = margin + layout.textBox.Height + margin;
    for (LONG i = 0; i < count; i++) {
        LONG left = margin;
        if (count == 1)
            left = (layout.innerWidth - buttonWidth) / 2;
        else
            left = margin + i * (layout.innerWidth - 2 * margin - buttonWidth) / (count - 1);
        layout.buttons.push_back({static_cast<WORD>(left), static_cast<WORD>(buttonTop),
                                  static_cast<WORD>(buttonWidth), static_cast<WORD>(buttonHeight)});
    }
    return layout;
}

}  // namespace hosted
