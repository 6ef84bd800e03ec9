// The TrueType font on a damaged font file: an installed font, edited by the
// input (its table directory, any table, glyph outlines, a cut-off end), is
// loaded into a face, attached at some size, and used to measure and draw
// random text on the null driver, with glyph textures or in atlas mode.
// Nothing may crash, and when the font goes every glyph texture must go with
// it. Half of the inputs give the damaged face to an intact IPA Gothic font
// as a fallback instead, which the text then adds, removes and outlives by
// attaching again.
//
// The fonts to damage are IPA Gothic and those named in MOJIBAN_FUZZ_FONTS
// (colon-separated; scripts/fuzz.sh gathers fonts of other formats from
// Debian's packages), and a grey bitmap strike written here, since no small
// package has one. The input is not a font but a list of edits to one, so
// inputs stay small and no font file enters the corpus:
//   selector (size, and font from its upper bits), edit count, then per
//   edit: region, offset (3 bytes), kind, operand bytes; the rest drives
//   the text and the calls.
// A region names one table of the file's directory (TrueType, OpenType, the
// first face of a collection, PCF), or the whole file.
#include "FuzzSupport.h"

#include "gui/font/CGUITTFace.h"
#include "gui/font/CGUITTFont.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <vector>

using namespace irr;
using namespace fuzzsupport;

namespace
{

struct SRegion
{
    size_t Begin;
    size_t Length;
};

//! One font to damage: its bytes, the regions edits aim at, and the work
//! copy FreeType reads.
struct SBaseFont
{
    std::vector<uint8_t> Original;
    std::vector<SRegion> Regions;
    std::string WorkPath;
    int WorkFile = -1;
};

std::vector<SBaseFont> Bases;

uint32_t bigEndian(const uint8_t* p, unsigned bytes)
{
    uint32_t value = 0;
    for (unsigned i = 0; i < bytes; ++i)
        value = (value << 8) | p[i];
    return value;
}

uint32_t littleEndian32(const uint8_t* p)
{
    return p[0] | (p[1] << 8) | (p[2] << 16) | ((uint32_t)p[3] << 24);
}

void addRegion(SBaseFont& font, size_t begin, size_t length)
{
    const size_t size = font.Original.size();
    if (begin < size && length > 0)
        font.Regions.push_back(SRegion{begin, std::min(length, size - begin)});
}

// The tables of an sfnt directory at offset at: 16-byte records of tag,
// checksum, offset and length.
void addSfntTables(SBaseFont& font, size_t at)
{
    const std::vector<uint8_t>& bytes = font.Original;
    if (at + 12 > bytes.size())
        return;
    const unsigned tables = bigEndian(&bytes[at + 4], 2);
    for (unsigned i = 0; i < tables && at + 12 + 16 * (i + 1) <= bytes.size(); ++i)
    {
        const uint8_t* record = &bytes[at + 12 + 16 * i];
        addRegion(font, bigEndian(record + 8, 4), bigEndian(record + 12, 4));
    }
}

// The tables of a PCF file: little-endian records of type, format, size and
// offset after the magic and the count.
void addPcfTables(SBaseFont& font)
{
    const std::vector<uint8_t>& bytes = font.Original;
    const unsigned tables = littleEndian32(&bytes[4]);
    for (unsigned i = 0; i < tables && 8 + 16 * (i + 1) <= bytes.size(); ++i)
    {
        const uint8_t* record = &bytes[8 + 16 * i];
        addRegion(font, littleEndian32(record + 12), littleEndian32(record + 8));
    }
}

void findRegions(SBaseFont& font)
{
    const std::vector<uint8_t>& bytes = font.Original;
    if (memcmp(bytes.data(), "ttcf", 4) == 0 && bytes.size() >= 16)
        addSfntTables(font, bigEndian(&bytes[12], 4));
    else if (memcmp(bytes.data(), "\1fcp", 4) == 0)
        addPcfTables(font);
    else if (memcmp(bytes.data(), "STARTFONT", 9) != 0)
        addSfntTables(font, 0);
    addRegion(font, 0, bytes.size());
}

void addBase(const std::vector<uint8_t>& bytes)
{
    require(bytes.size() > 12, "a font to damage is too short");
    SBaseFont font;
    font.Original = bytes;
    findRegions(font);
    char path[] = "/tmp/mojiban-fuzz-font-XXXXXX";
    font.WorkFile = mkstemp(path);
    require(font.WorkFile >= 0, "no work copy of the font");
    font.WorkPath = path;
    Bases.push_back(font);
}

std::vector<uint8_t> readFont(const char* path)
{
    std::vector<uint8_t> bytes;
    FILE* file = fopen(path, "rb");
    require(file != 0, "a font to damage is not installed");
    uint8_t buffer[65536];
    size_t got;
    while ((got = fread(buffer, 1, sizeof(buffer), file)) > 0)
        bytes.insert(bytes.end(), buffer, buffer + got);
    fclose(file);
    return bytes;
}

// A 12-pixel strike of two bits per pixel: eight glyphs of every grey
// level, a row padded to whole bytes.
std::vector<uint8_t> greyStrike()
{
    std::string bdf = "STARTFONT 2.1\nFONT -fuzz-grey--12-120-75-75-c-70-iso10646-1\n"
                      "SIZE 12 75 75 2\nFONTBOUNDINGBOX 7 12 0 -2\nSTARTPROPERTIES 2\n"
                      "FONT_ASCENT 10\nFONT_DESCENT 2\nENDPROPERTIES\nCHARS 8\n";
    for (int c = 0; c < 8; ++c)
    {
        char head[96];
        snprintf(head, sizeof(head),
                 "STARTCHAR g%d\nENCODING %d\nSWIDTH 583 0\nDWIDTH 7 0\nBBX 7 12 0 -2\nBITMAP\n", c,
                 'A' + c);
        bdf += head;
        for (int y = 0; y < 12; ++y)
        {
            char row[8];
            snprintf(row, sizeof(row), "%04X\n",
                     (unsigned)((0x1B6C * (c + 1) + y * 0x0F35) & 0xFFFC));
            bdf += row;
        }
        bdf += "ENDCHAR\n";
    }
    bdf += "ENDFONT\n";
    return std::vector<uint8_t>(bdf.begin(), bdf.end());
}

void writeBack(const SBaseFont& font, size_t begin, size_t length)
{
    require(pwrite(font.WorkFile, &font.Original[begin], length, (off_t)begin) == (ssize_t)length,
            "the work copy of the font could not be written");
}

// Applies the input's edits to a font's work file; restore() undoes them.
class CDamage
{
public:
    explicit CDamage(const SBaseFont& font) : Font(font) {}

    void apply(CInput& in)
    {
        const std::vector<uint8_t>& original = Font.Original;
        for (unsigned edits = in.pick(9); edits > 0 && !in.empty(); --edits)
        {
            const SRegion& region = Font.Regions[in.pick((unsigned)Font.Regions.size())];
            const size_t pos = region.Begin + in.u24() % region.Length;
            const uint8_t kind = in.byte();
            switch (kind % 5)
            {
            case 0: // overwrite with the input's bytes
            {
                uint8_t bytes[4];
                const size_t n = std::min<size_t>(kind / 5 % 4 + 1, original.size() - pos);
                for (size_t i = 0; i < n; ++i)
                    bytes[i] = in.byte();
                put(pos, bytes, n);
                break;
            }
            case 1: // flip bits
            {
                const uint8_t b = original[pos] ^ (in.byte() | 1);
                put(pos, &b, 1);
                break;
            }
            case 2: // a 16-bit field nudged up or down (counts, offsets, coordinates)
            {
                if (pos + 2 > original.size())
                    break;
                const int delta = (int8_t)in.byte();
                const uint16_t v = (uint16_t)(bigEndian(&original[pos], 2) + delta);
                const uint8_t bytes[2] = {(uint8_t)(v >> 8), (uint8_t)v};
                put(pos, bytes, 2);
                break;
            }
            case 3: // the extremes
            {
                const uint8_t value = (kind & 0x80) ? 0xFF : 0x00;
                const uint8_t bytes[4] = {value, value, value, (uint8_t)(value ^ 0x80)};
                put(pos, bytes, std::min<size_t>(4, original.size() - pos));
                break;
            }
            default: // the file ends early
                if (!Truncated || pos < TruncatedAt)
                {
                    Truncated = true;
                    TruncatedAt = pos;
                    require(ftruncate(Font.WorkFile, (off_t)pos) == 0, "cannot cut the work copy");
                }
                break;
            }
        }
    }

    void restore()
    {
        for (const SRegion& edit : Edits)
            writeBack(Font, edit.Begin, edit.Length);
        if (Truncated)
            writeBack(Font, TruncatedAt, Font.Original.size() - TruncatedAt);
        Edits.clear();
        Truncated = false;
    }

private:
    void put(size_t pos, const uint8_t* bytes, size_t n)
    {
        require(pwrite(Font.WorkFile, bytes, n, (off_t)pos) == (ssize_t)n,
                "cannot edit the work copy");
        SRegion edit = {pos, n};
        Edits.push_back(edit);
    }

    const SBaseFont& Font;
    std::vector<SRegion> Edits;
    bool Truncated = false;
    size_t TruncatedAt = 0;
};

core::stringw randomText(CInput& in)
{
    core::stringw text;
    for (unsigned n = in.pick(24); n > 0; --n)
    {
        const wchar_t c = in.character();
        if (c)
            text.append(c);
    }
    return text;
}

// An intact face to attach when the damaged one is a fallback, loaded once.
gui::CGUITTFace* intactFace()
{
    static gui::CGUITTFace* face = 0;
    if (!face)
    {
        face = new gui::CGUITTFace();
        face->load(ipaFont());
    }
    return face;
}

// Takes the fallback out or puts it back, or attaches the intact face again
// at another size, which the fallback must follow.
void changeFallbacks(CInput& in, gui::CGUITTFont* font, gui::CGUITTFace* fallback)
{
    if (!fallback)
        return;
    if (in.flag())
        font->attach(intactFace(), 1 + in.pick(40));
    else if (font->getFallbackCount())
        require(font->removeFallback(fallback), "a fallback in the list was not removed");
    else
        require(font->addFallback(fallback), "a loaded fallback was refused");
}

void useFont(CInput& in, gui::CGUITTFont* font, video::IVideoDriver* driver,
             gui::CGUITTFace* fallback)
{
    for (unsigned steps = in.pick(6) + 1; steps > 0; --steps)
    {
        const core::stringw text = randomText(in);
        switch (in.pick(6))
        {
        case 0:
            font->getDimension(text.c_str());
            break;
        case 1:
        {
            const s32 x = (s32)(int16_t)in.u16();
            const s32 index = font->getCharacterFromPos(text.c_str(), x);
            require(index >= -1 && index < (s32)text.size(),
                    "getCharacterFromPos points outside the text");
            break;
        }
        case 2:
        {
            font->AntiAlias = in.flag();
            font->Transparency = in.flag();
            const core::rect<s32> box((s32)(int8_t)in.byte(), (s32)(int8_t)in.byte(),
                                      (s32)in.u16() % 700, (s32)in.u16() % 500);
            const core::rect<s32> clip(0, 0, in.byte(), in.byte());
            driver->beginScene(true, true, video::SColor(255, 200, 200, 200));
            font->draw(text, box, video::SColor(in.byte(), 0, 0, 0), in.flag(), in.flag(),
                       in.flag() ? &clip : 0);
            driver->endScene();
            break;
        }
        case 3:
            font->setKerningWidth((s32)(int8_t)in.byte());
            font->setKerningHeight((s32)(int8_t)in.byte());
            break;
        case 4:
            changeFallbacks(in, font, fallback);
            break;
        default:
            font->setInvisibleCharacters(text.c_str());
            break;
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    appDevice();
    addBase(readFont(ipaFont()));
    if (const char* list = getenv("MOJIBAN_FUZZ_FONTS"))
    {
        std::string paths = list;
        for (size_t begin = 0; begin <= paths.size();)
        {
            const size_t end = std::min(paths.find(':', begin), paths.size());
            if (end > begin)
                addBase(readFont(paths.substr(begin, end - begin).c_str()));
            begin = end + 1;
        }
    }
    addBase(greyStrike());
    for (const SBaseFont& font : Bases)
        writeBack(font, 0, font.Original.size());
    atexit(
        []
        {
            for (const SBaseFont& font : Bases)
                unlink(font.WorkPath.c_str());
        });
    return 0;
}

// A face with bitmap strikes renders only at their sizes; the first two
// size choices take one of them, so that the strikes are drawn at all.
u32 pixelSizeFor(const gui::CGUITTFace& face, uint8_t selector)
{
    static const u32 Sizes[] = {12, 12, 12, 0, 1, 5, 33, 200};
    const FT_Face ft = face.Face;
    if (selector % 8 < 2 && ft->num_fixed_sizes > 0)
    {
        const FT_Bitmap_Size& strike =
            ft->available_sizes[(selector / 64) % (unsigned)ft->num_fixed_sizes];
        return (u32)((strike.y_ppem + 32) >> 6);
    }
    return Sizes[selector % 8];
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CInput in(data, size);
    const uint8_t selector = in.byte();
    const SBaseFont& base = Bases[(selector / 8) % Bases.size()];
    CDamage damage(base);
    damage.apply(in);

    video::IVideoDriver* driver = appDevice()->getVideoDriver();
    const u32 textures = driver->getTextureCount();
    const bool asFallback = in.flag();
    gui::CGUITTFace* face = new gui::CGUITTFace();
    if (face->load(base.WorkPath.c_str()))
    {
        gui::CGUITTFont* font = new gui::CGUITTFont(driver);
        font->setGlyphAtlas(in.flag());
        const u32 size = pixelSizeFor(*face, selector);
        if (asFallback && intactFace()->Loaded)
        {
            if (font->attach(intactFace(), size) && font->addFallback(face))
                useFont(in, font, driver, face);
        }
        else if (font->attach(face, size))
        {
            useFont(in, font, driver, 0);
        }
        font->drop();
    }
    face->drop();
    require(driver->getTextureCount() == textures, "glyph textures outlived their font");

    damage.restore();
    return 0;
}
