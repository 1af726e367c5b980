// graphics/fontbuild.cpp: lays glyph images out as a TextFont: one bit strip with locations, advances and kerning.
#include "fontimage.h"

#include <new>

namespace hosted {

HostFont *BuildFont(const FontImage &image)
{
    auto *f = new (std::nothrow) HostFont;
    if (f == nullptr)
        return nullptr;
    try {
        ULONG totalBits = 0;
        for (const GlyphImage &g : image.glyphs)
            totalBits += g.advance;
        UWORD modulo = static_cast<UWORD>(((totalBits + 15) / 16) * 2);
        f->name = image.name;
        f->charData.assign(static_cast<std::size_t>(modulo) * image.ySize, 0);
        f->charLoc.resize(kGlyphCount);
        f->charSpace.resize(kGlyphCount);
        f->charKern.resize(kGlyphCount);
        ULONG offset = 0;
        bool proportional = false;
        for (int i = 0; i < kGlyphCount; i++) {
            const GlyphImage &g = image.glyphs[i];
            f->charLoc[i] = (offset << 16) | g.advance;
            f->charSpace[i] = static_cast<WORD>(g.advance);
            f->charKern[i] = 0;
            if (i < 256 && g.advance != image.glyphs[0].advance)
                proportional = true;
            for (UWORD y = 0; y < image.ySize && y < g.rows.size(); y++) {
                ULONG bits = g.rows[y];
                for (UWORD x = 0; x < g.advance; x++) {
                    if ((bits & (0x80000000u >> x)) == 0)
                        continue;
                    ULONG bit = offset + x;
                    f->charData[static_cast<std::size_t>(y) * modulo + bit / 8] |= static_cast<UBYTE>(0x80 >> (bit % 8));
                }
            }
            offset += g.advance;
        }
        struct TextFont &tf = f->font;
        tf.tf_Message.mn_Node.ln_Type = NT_FONT;
        tf.tf_Message.mn_Node.ln_Name = f->name.data();
        tf.tf_Message.mn_Length = sizeof(struct TextFont);
        tf.tf_YSize = image.ySize;
        tf.tf_Style = FS_NORMAL;
        tf.tf_Flags = static_cast<UBYTE>(image.flags & ~FPF_PROPORTIONAL);
        if (proportional)
            tf.tf_Flags |= FPF_PROPORTIONAL;
        tf.tf_XSize = image.xSize;
        tf.tf_Baseline = image.baseline;
        tf.tf_BoldSmear = 1;
        tf.tf_Accessors = 0;
        tf.tf_LoChar = 0;
        tf.tf_HiChar = 255;
        tf.tf_CharData = f->charData.data();
        tf.tf_Modulo = modulo;
        tf.tf_CharLoc = f->charLoc.data();
        tf.tf_CharSpace = f->charSpace.data();
        tf.tf_CharKern = f->charKern.data();
    } catch (const std::bad_alloc &) {
        delete f;
        return nullptr;
    }
    return f;
}

}  // namespace hosted
