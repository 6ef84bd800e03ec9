// The TrueType font on a damaged font file: the installed IPA Gothic, edited
// by the input (its table directory, any table, glyph outlines, a cut-off
// end), is loaded into a face, attached at some size, and used to measure
// and draw random text on the null driver. Nothing may crash, and when the
// font goes every glyph texture must go with it.
//
// The input is not a font but a list of edits to the real one, so inputs
// stay small and the font file never enters the corpus:
//   size selector, edit count, then per edit: region, offset (3 bytes),
//   kind, operand bytes; the rest drives the text and the calls.
// A region names one table of the file's directory, or the whole file.
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

std::vector<uint8_t> Original;
std::vector<SRegion> Regions;
std::string WorkPath;
int WorkFile = -1;

uint32_t bigEndian(const uint8_t* p, unsigned bytes)
{
    uint32_t value = 0;
    for (unsigned i = 0; i < bytes; ++i)
        value = (value << 8) | p[i];
    return value;
}

void readFont(const char* path)
{
    FILE* file = fopen(path, "rb");
    require(file != 0, "the font to damage is not installed");
    uint8_t buffer[65536];
    size_t got;
    while ((got = fread(buffer, 1, sizeof(buffer), file)) > 0)
        Original.insert(Original.end(), buffer, buffer + got);
    fclose(file);
    require(Original.size() > 12, "the font is too short");

    const unsigned tables = bigEndian(&Original[4], 2);
    for (unsigned i = 0; i < tables && 12 + 16 * (i + 1) <= Original.size(); ++i)
    {
        const uint8_t* record = &Original[12 + 16 * i];
        SRegion region = {bigEndian(record + 8, 4), bigEndian(record + 12, 4)};
        if (region.Begin < Original.size() && region.Length > 0)
        {
            region.Length = std::min(region.Length, Original.size() - region.Begin);
            Regions.push_back(region);
        }
    }
    SRegion whole = {0, Original.size()};
    Regions.push_back(whole);
}

void writeBack(size_t begin, size_t length)
{
    require(pwrite(WorkFile, &Original[begin], length, (off_t)begin) == (ssize_t)length,
            "the work copy of the font could not be written");
}

// Applies the input's edits to the work file; restore() undoes them.
class CDamage
{
public:
    void apply(CInput& in)
    {
        for (unsigned edits = in.pick(9); edits > 0 && !in.empty(); --edits)
        {
            const SRegion& region = Regions[in.pick((unsigned)Regions.size())];
            const size_t pos = region.Begin + in.u24() % region.Length;
            const uint8_t kind = in.byte();
            switch (kind % 5)
            {
            case 0: // overwrite with the input's bytes
            {
                uint8_t bytes[4];
                const size_t n = std::min<size_t>(kind / 5 % 4 + 1, Original.size() - pos);
                for (size_t i = 0; i < n; ++i)
                    bytes[i] = in.byte();
                put(pos, bytes, n);
                break;
            }
            case 1: // flip bits
            {
                const uint8_t b = Original[pos] ^ (in.byte() | 1);
                put(pos, &b, 1);
                break;
            }
            case 2: // a 16-bit field nudged up or down (counts, offsets, coordinates)
            {
                if (pos + 2 > Original.size())
                    break;
                const int delta = (int8_t)in.byte();
                const uint16_t v = (uint16_t)(bigEndian(&Original[pos], 2) + delta);
                const uint8_t bytes[2] = {(uint8_t)(v >> 8), (uint8_t)v};
                put(pos, bytes, 2);
                break;
            }
            case 3: // the extremes
            {
                const uint8_t value = (kind & 0x80) ? 0xFF : 0x00;
                const uint8_t bytes[4] = {value, value, value, (uint8_t)(value ^ 0x80)};
                put(pos, bytes, std::min<size_t>(4, Original.size() - pos));
                break;
            }
            default: // the file ends early
                if (!Truncated || pos < TruncatedAt)
                {
                    Truncated = true;
                    TruncatedAt = pos;
                    require(ftruncate(WorkFile, (off_t)pos) == 0, "cannot cut the work copy");
                }
                break;
            }
        }
    }

    void restore()
    {
        for (const SRegion& edit : Edits)
            writeBack(edit.Begin, edit.Length);
        if (Truncated)
            writeBack(TruncatedAt, Original.size() - TruncatedAt);
        Edits.clear();
        Truncated = false;
    }

private:
    void put(size_t pos, const uint8_t* bytes, size_t n)
    {
        require(pwrite(WorkFile, bytes, n, (off_t)pos) == (ssize_t)n, "cannot edit the work copy");
        SRegion edit = {pos, n};
        Edits.push_back(edit);
    }

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

void useFont(CInput& in, gui::CGUITTFont* font, video::IVideoDriver* driver)
{
    for (unsigned steps = in.pick(6) + 1; steps > 0; --steps)
    {
        const core::stringw text = randomText(in);
        switch (in.pick(5))
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
    readFont(MLGUI_IPA_FONT);
    char path[] = "/tmp/mlgui-fuzz-font-XXXXXX";
    WorkFile = mkstemp(path);
    require(WorkFile >= 0, "no work copy of the font");
    WorkPath = path;
    writeBack(0, Original.size());
    atexit([] { unlink(WorkPath.c_str()); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const u32 Sizes[] = {12, 12, 12, 0, 1, 5, 33, 200};
    CInput in(data, size);
    const u32 pixelSize = Sizes[in.pick(8)];
    CDamage damage;
    damage.apply(in);

    video::IVideoDriver* driver = appDevice()->getVideoDriver();
    const u32 textures = driver->getTextureCount();
    gui::CGUITTFace* face = new gui::CGUITTFace();
    if (face->load(WorkPath.c_str()))
    {
        gui::CGUITTFont* font = new gui::CGUITTFont();
        if (font->attach(face, pixelSize))
            useFont(in, font, driver);
        font->drop();
    }
    face->drop();
    require(driver->getTextureCount() == textures, "glyph textures outlived their font");

    damage.restore();
    return 0;
}
