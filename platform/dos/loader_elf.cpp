// dos/loader_elf.cpp: reads ELF executables as segments of their loadable contents, without relocation.
#include "loader.h"

#include <new>

namespace hosted::loader {

namespace {

constexpr UBYTE kClass32 = 1;
constexpr UBYTE kClass64 = 2;
constexpr UBYTE kLittleEndian = 1;
constexpr UBYTE kBigEndian = 2;
constexpr uint64_t kTypeRelocatable = 1;
constexpr uint64_t kTypeExecutable = 2;
constexpr uint64_t kTypeShared = 3;
constexpr uint64_t kProgramLoad = 1;       // PT_LOAD
constexpr uint64_t kSectionNoBits = 8;     // SHT_NOBITS: memory only, nothing in the file
constexpr uint64_t kSectionAlloc = 0x2;    // SHF_ALLOC: occupies memory when loaded
constexpr uint64_t kMaxTableBytes = 16u << 20;   // far beyond any real header table

// Where each field sits in one class of the format, and how wide it is.
struct Layout {
    size_t headerSize;
    size_t addressWidth;                                        // 4 or 8
    size_t phOffset, phEntrySize, phCount;                      // file header: program headers
    size_t shOffset, shEntrySize, shCount;                      // file header: section headers
    size_t phMinimum, phType, phFileOffset, phFileSize, phMemorySize;
    size_t shMinimum, shType, shFlags, shFileOffset, shSize;
};

constexpr Layout kLayout32 = {52, 4, 28, 42, 44, 32, 46, 48, 32, 0, 4, 16, 20, 40, 4, 8, 16, 20};
constexpr Layout kLayout64 = {64, 8, 32, 54, 56, 40, 58, 60, 56, 0, 8, 32, 40, 64, 4, 8, 24, 32};

// One piece of the file that becomes a segment: `fileSize` bytes at
// `offset`, then zeroes up to `memorySize`.
struct Piece {
    uint64_t offset;
    uint64_t fileSize;
    uint64_t memorySize;
};

class ElfLoader {
public:
    explicit ElfLoader(Source &source) : source_(source) {}

    BPTR Load(LONG &error)
    {
        UBYTE identity[16];
        if (!source_.ReadAt(0, identity, sizeof identity, error))
            return 0;
        if (identity[4] != kClass32 && identity[4] != kClass64)
            return Fail(ERROR_FILE_NOT_OBJECT, error);
        if (identity[5] != kLittleEndian && identity[5] != kBigEndian)
            return Fail(ERROR_FILE_NOT_OBJECT, error);
        layout_ = identity[4] == kClass64 ? &kLayout64 : &kLayout32;
        bigEndian_ = identity[5] == kBigEndian;
        header_.resize(layout_->headerSize);
        if (!source_.ReadAt(0, header_.data(), header_.size(), error))
            return 0;

        std::vector<Piece> pieces;
        uint64_t type = Field(header_.data(), 16, 2);
        bool found;
        if (type == kTypeExecutable || type == kTypeShared)
            found = ProgramPieces(pieces, error);
        else if (type == kTypeRelocatable)
            found = SectionPieces(pieces, error);
        else
            return Fail(ERROR_FILE_NOT_OBJECT, error);
        if (!found)
            return 0;
        if (pieces.empty())
            return Fail(ERROR_FILE_NOT_OBJECT, error);
        return LoadPieces(pieces, error);
    }

private:
    static BPTR Fail(LONG code, LONG &error)
    {
        error = code;
        return 0;
    }

    uint64_t Field(const UBYTE *bytes, size_t offset, size_t width) const
    {
        uint64_t value = 0;
        for (size_t i = 0; i < width; i++)
            value = (value << 8) | bytes[offset + (bigEndian_ ? i : width - 1 - i)];
        return value;
    }

    // Reads a table of `count` entries at `offset` that must lie inside the
    // file, entries at least `minimum` bytes long; `entrySize` comes back.
    bool ReadTable(size_t offsetField, size_t sizeField, size_t countField, size_t minimum,
                   std::vector<UBYTE> &table, size_t &entrySize, LONG &error)
    {
        uint64_t offset = Field(header_.data(), offsetField, layout_->addressWidth);
        uint64_t size = Field(header_.data(), sizeField, 2);
        uint64_t count = Field(header_.data(), countField, 2);
        uint64_t fileSize = source_.Size();
        entrySize = static_cast<size_t>(size);
        if (count == 0) {
            table.clear();
            return true;
        }
        if (size < minimum || offset > fileSize || count > (fileSize - offset) / size ||
            size * count > kMaxTableBytes) {
            error = ERROR_BAD_HUNK;
            return false;
        }
        table.resize(static_cast<size_t>(size * count));
        return source_.ReadAt(offset, table.data(), table.size(), error);
    }

    bool AddPiece(std::vector<Piece> &pieces, const Piece &piece, LONG &error)
    {
        uint64_t fileSize = source_.Size();
        if (piece.fileSize > piece.memorySize || piece.offset > fileSize ||
            piece.fileSize > fileSize - piece.offset) {
            error = ERROR_BAD_HUNK;
            return false;
        }
        if (piece.memorySize > kMaxLoadBytes || pieces.size() >= kMaxSegments) {
            error = ERROR_NO_FREE_STORE;
            return false;
        }
        if (piece.memorySize != 0)
            pieces.push_back(piece);
        return true;
    }

    // Executables and shared objects: each PT_LOAD entry of the program headers.
    bool ProgramPieces(std::vector<Piece> &pieces, LONG &error)
    {
        const Layout &l = *layout_;
        std::vector<UBYTE> table;
        size_t entrySize;
        if (!ReadTable(l.phOffset, l.phEntrySize, l.phCount, l.phMinimum, table, entrySize, error))
            return false;
        for (size_t at = 0; at < table.size(); at += entrySize) {
            const UBYTE *entry = table.data() + at;
            if (Field(entry, l.phType, 4) != kProgramLoad)
                continue;
            Piece piece{Field(entry, l.phFileOffset, l.addressWidth), Field(entry, l.phFileSize, l.addressWidth),
                        Field(entry, l.phMemorySize, l.addressWidth)};
            if (!AddPiece(pieces, piece, error))
                return false;
        }
        return true;
    }

    // Relocatable objects (the form the system's own PowerPC programs take):
    // each section that occupies memory, its file bytes or zeroes.
    bool SectionPieces(std::vector<Piece> &pieces, LONG &error)
    {
        const Layout &l = *layout_;
        std::vector<UBYTE> table;
        size_t entrySize;
        if (!ReadTable(l.shOffset, l.shEntrySize, l.shCount, l.shMinimum, table, entrySize, error))
            return false;
        for (size_t at = 0; at < table.size(); at += entrySize) {
            const UBYTE *entry = table.data() + at;
            if ((Field(entry, l.shFlags, l.addressWidth) & kSectionAlloc) == 0)
                continue;
            uint64_t size = Field(entry, l.shSize, l.addressWidth);
            bool noBits = Field(entry, l.shType, 4) == kSectionNoBits;
            Piece piece{noBits ? 0 : Field(entry, l.shFileOffset, l.addressWidth), noBits ? 0 : size, size};
            if (!AddPiece(pieces, piece, error))
                return false;
        }
        return true;
    }

    BPTR LoadPieces(const std::vector<Piece> &pieces, LONG &error)
    {
        std::vector<uint64_t> sizes;
        for (const Piece &piece : pieces)
            sizes.push_back(piece.memorySize);
        SegmentList segments;
        if (!segments.Allocate(sizes, true, error))
            return 0;
        for (size_t i = 0; i < pieces.size(); i++) {
            if (!source_.ReadAt(pieces[i].offset, segments.Data(i), static_cast<size_t>(pieces[i].fileSize), error))
                return 0;
        }
        return segments.Release();
    }

    Source &source_;
    const Layout *layout_ = nullptr;
    bool bigEndian_ = false;
    std::vector<UBYTE> header_;
};

}  // namespace

BPTR LoadElfExecutable(Source &source, LONG &error)
{
    try {
        ElfLoader loader(source);
        return loader.Load(error);
    } catch (const std::bad_alloc &) {
        error = ERROR_NO_FREE_STORE;
        return 0;
    }
}

}  // namespace hosted::loader
