// tests/graphics/fontsheet.cpp: a tool that renders a font's 256 codes and a sample line to a PNG, to judge how fonts look.
//
// Usage: graphics_fontsheet OUT.png [Family:size | test]
#include <hosted/graphics.h>
#include <proto/cybergraphics.h>
#include <proto/graphics.h>

#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

bool WritePng(const char *path, const struct BitMap *bm)
{
    auto *c = hosted::ChunkyOf(bm);
    FILE *file = std::fopen(path, "wb");
    if (file == nullptr)
        return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, c->width, c->height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<png_byte> row(static_cast<std::size_t>(c->width) * 3);
    for (LONG y = 0; y < c->height; y++) {
        const UBYTE *p = c->pixels + static_cast<std::size_t>(y) * c->bytesPerRow;
        for (LONG x = 0; x < c->width; x++) {
            row[3 * x] = p[4 * x + 2];
            row[3 * x + 1] = p[4 * x + 1];
            row[3 * x + 2] = p[4 * x];
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    std::fclose(file);
    return true;
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUT.png [Family:size|test]\n", argv[0]);
        return 1;
    }
    if (argc > 2)
        setenv("KESTROVANE_FONT", argv[2], 1);
    struct TextFont *font = hosted::ScreenFont();
    std::printf("%s: YSize %u XSize %u Baseline %u flags 0x%02x\n", font->tf_Message.mn_Node.ln_Name,
                font->tf_YSize, font->tf_XSize, font->tf_Baseline, font->tf_Flags);
    LONG line = font->tf_YSize + 4;
    struct BitMap *bm = AllocBitMap(16 * 40 + 20, 20 * line, 32, BMF_CLEAR, nullptr);
    struct RastPort rp;
    InitRastPort(&rp);
    rp.BitMap = bm;
    SetFont(&rp, font);
    SetAPen(&rp, 2);
    SetRast(&rp, 2);
    SetABPenDrMd(&rp, 1, 2, JAM1);
    for (int code = 0; code < 256; code++) {
        char c = static_cast<char>(code);
        Move(&rp, 10 + (code % 16) * 40, 4 + (code / 16) * line + font->tf_Baseline);
        Text(&rp, &c, 1);
    }
    const char *samples[] = {"Kestrovane  12 files 40960 bytes  Mon 01-Aug-10 12:34:56",
                             "The quick brown fox jumps over the lazy dog. 0123456789 {}[]()<>|",
                             "\xC4\xD6\xDC\xE4\xF6\xFC\xDF \xE9\xE8\xEA\xE7\xE0 \xC5\xE5\xD8\xF8 Stra\xDF" "e na\xEFve"};
    for (int i = 0; i < 3; i++) {
        SetABPenDrMd(&rp, i == 1 ? 2 : 1, 3, i == 1 ? JAM2 : JAM1);
        Move(&rp, 10, 4 + (16 + i) * line + font->tf_Baseline);
        Text(&rp, samples[i], static_cast<ULONG>(std::string(samples[i]).size()));
    }
    bool ok = WritePng(argv[1], bm);
    FreeBitMap(bm);
    return ok ? 0 : 1;
}
