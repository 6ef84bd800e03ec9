#include "support/BenchFiles.h"

#include "harness/IpaFont.h"
#include "support/BenchDevice.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

using namespace irr;

namespace benchsupport
{

namespace
{

// Appends the code points of UTF-8 text; malformed bytes are dropped rather
// than guessed at, since the list is expected to be clean.
void decodeUtf8(const std::string& bytes, std::wstring& out)
{
    size_t i = 0;
    while (i < bytes.size())
    {
        const unsigned char lead = (unsigned char)bytes[i];
        size_t length = 1;
        unsigned long code = lead;
        if (lead >= 0xF0)
        {
            length = 4;
            code = lead & 0x07;
        }
        else if (lead >= 0xE0)
        {
            length = 3;
            code = lead & 0x0F;
        }
        else if (lead >= 0xC0)
        {
            length = 2;
            code = lead & 0x1F;
        }
        else if (lead >= 0x80)
        {
            ++i;
            continue;
        }
        if (i + length > bytes.size())
            break;
        bool valid = true;
        for (size_t k = 1; k < length; ++k)
        {
            const unsigned char next = (unsigned char)bytes[i + k];
            valid = valid && (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        i += valid ? length : 1;
        if (valid)
            out += (wchar_t)code;
    }
}

} // namespace

const char* ipaFontPath()
{
    const char* path = harness::findIpaFont();
    if (!path)
    {
        fprintf(stderr, "%s\n", harness::missingIpaFontMessage());
        exit(1);
    }
    return path;
}

std::string joyoKanjiPath()
{
    const char* overridden = getenv("MOJIBAN_JOYO_KANJI");
    return overridden && *overridden ? overridden : MOJIBAN_JOYO_KANJI;
}

bool readJoyoKanji(std::wstring& kanji, std::string& why)
{
    const std::string path = joyoKanjiPath();
    std::ifstream file(path.c_str(), std::ios::binary);
    if (!file)
    {
        why = "cannot read " + path + " (set MOJIBAN_JOYO_KANJI to the list)";
        return false;
    }
    const std::string bytes((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
    std::wstring decoded;
    decodeUtf8(bytes, decoded);
    kanji.clear();
    for (wchar_t c : decoded)
    {
        if (c > L' ' && c != 0xFEFF)
            kanji += c;
    }
    if (kanji.empty())
    {
        why = path + " holds no characters";
        return false;
    }
    return true;
}

gui::CGUITTFont* createIpaFont(u32 size)
{
    gui::CGUITTFace* face = new gui::CGUITTFace();
    if (!face->load(ipaFontPath()))
    {
        fprintf(stderr, "cannot load %s (install Debian's fonts-ipafont-gothic)\n", ipaFontPath());
        face->drop();
        return 0;
    }
    gui::CGUITTFont* font = new gui::CGUITTFont(currentDriver());
    const bool attached = font->attach(face, size);
    face->drop();
    if (!attached)
    {
        fprintf(stderr, "the font has no video driver to attach to\n");
        font->drop();
        return 0;
    }
    return font;
}

} // namespace benchsupport
