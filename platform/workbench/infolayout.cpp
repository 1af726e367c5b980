// workbench/infolayout.cpp: the information window's geometry from the font: labels, values, flag buttons, comment, buttons.
#include "wbprivate.h"

#include <hosted/graphics.h>

#include <algorithm>

namespace hosted::wb {

namespace {

struct IBox Box(LONG left, LONG top, LONG width, LONG height)
{
    return {static_cast<WORD>(left), static_cast<WORD>(top), static_cast<WORD>(std::max<LONG>(width, 0)),
            static_cast<WORD>(std::max<LONG>(height, 0))};
}

}  // namespace

std::string FittedText(struct TextFont *font, const std::string &text, LONG width)
{
    TextMeasure measure(font);
    if (measure.Width(text) <= width)
        return text;
    std::string cut = text;
    while (!cut.empty() && measure.Width(cut + "...") > width)
        cut.pop_back();
    return cut.empty() ? std::string() : cut + "...";
}

InfoLayout LayoutInfo(struct TextFont *font, const std::vector<std::string> &labels,
                      const std::vector<std::string> &values, LONG maxInnerWidth)
{
    TextMeasure measure(font);
    const LONG y = font != nullptr ? std::max<LONG>(font->tf_YSize, 6) : 8;
    const LONG x = font != nullptr ? std::max<LONG>(font->tf_XSize, 4) : 8;
    const LONG margin = std::max<LONG>(y, 8);
    const LONG pitch = y + y / 2 + 4;        // from one row to the next
    const LONG fieldHeight = y + 6;
    const LONG flagWidth = std::max<LONG>(2 * x + 8, y + 8);
    const LONG flagHeight = y + 6;
    const LONG flagGap = 2;
    const LONG groupGap = x;
    const LONG buttonHeight = y + y / 2 + 4;
    const LONG buttonWidth = std::max<LONG>({8 * x, measure.Width("Save") + 4 * x, measure.Width("Cancel") + 4 * x});

    InfoLayout l;
    LONG labelWidth = 0;
    for (const std::string &label : labels)
        labelWidth = std::max(labelWidth, measure.Width(label));
    const LONG valueLeft = margin + labelWidth + 2 * x;
    const LONG flagsWidth = kFlagCount * flagWidth + (kFlagCount - 2) * flagGap + groupGap;
    LONG valueWidth = std::max<LONG>(flagsWidth, 36 * x);
    for (const std::string &value : values)
        valueWidth = std::max(valueWidth, measure.Width(value));
    valueWidth = std::min<LONG>(valueWidth, std::max<LONG>(maxInnerWidth - valueLeft - margin, flagsWidth));
    l.innerWidth = std::max<LONG>(valueLeft + valueWidth + margin, 2 * buttonWidth + 2 * margin + 2 * x);

    // One row per value, then the flags and the comment.
    LONG top = margin;
    for (std::size_t i = 0; i < values.size(); i++, top += pitch) {
        l.labels.push_back(Box(margin, top, labelWidth, pitch - 4));
        l.values.push_back(Box(valueLeft, top, valueWidth, pitch - 4));
    }
    l.labels.push_back(Box(margin, top, labelWidth, flagHeight));
    LONG left = valueLeft;
    for (int flag = 0; flag < kFlagCount; flag++) {
        l.flags[flag] = Box(left, top, flagWidth, flagHeight);
        left += flagWidth + (flag == 3 ? groupGap : flagGap);
    }
    top += flagHeight + margin / 2 + 2;
    l.labels.push_back(Box(margin, top, labelWidth, fieldHeight));
    l.comment = Box(valueLeft + 2, top, l.innerWidth - margin - 2 - valueLeft - 2, fieldHeight);
    top += fieldHeight + 2 + margin;
    l.save = Box(margin, top, buttonWidth, buttonHeight);
    l.cancel = Box(l.innerWidth - margin - buttonWidth, top, buttonWidth, buttonHeight);
    l.innerHeight = top + buttonHeight + margin;
    return l;
}

}  // namespace hosted::wb
