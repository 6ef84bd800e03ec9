#include "FuzzSupport.h"

#include "harness/IpaFont.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>

using namespace irr;

namespace fuzzsupport
{

namespace
{
const char* const UserLocales[UserLocaleCount] = {"ja_JP.UTF-8", "ja_JP.EUC-JP", "ja_JP.SJIS"};
}

const char* ipaFont()
{
    const char* path = harness::findIpaFont();
    if (!path)
    {
        fprintf(stderr, "%s\n", harness::missingIpaFontMessage());
        abort();
    }
    return path;
}

IrrlichtDevice* appDevice()
{
    static IrrlichtDevice* device = 0;
    if (!device)
    {
        device = createDevice(video::EDT_NULL, core::dimension2d<u32>(640, 480));
        require(device != 0, "the null device could not be created");
        device->getLogger()->setLogLevel(ELL_NONE);
        setlocale(LC_ALL, "C");
    }
    return device;
}

const char* userLocaleName(unsigned index)
{
    return UserLocales[index % UserLocaleCount];
}

void useUserLocale(unsigned index)
{
    const char* name = userLocaleName(index);
    setenv("LC_ALL", name, 1);
    static bool checked[UserLocaleCount] = {};
    if (!checked[index % UserLocaleCount])
    {
        const char* saved = setlocale(LC_ALL, 0);
        char previous[256];
        snprintf(previous, sizeof(previous), "%s", saved ? saved : "C");
        if (!setlocale(LC_ALL, name))
        {
            fprintf(stderr, "locale %s is not installed (scripts/install-deps.sh makes it)\n",
                    name);
            abort();
        }
        setlocale(LC_ALL, previous);
        checked[index % UserLocaleCount] = true;
    }
}

void require(bool condition, const char* what)
{
    if (condition)
        return;
    fprintf(stderr, "invariant broken: %s\n", what);
    abort();
}

uint16_t CInput::u16()
{
    const uint16_t low = byte();
    return (uint16_t)(low | (byte() << 8));
}

uint32_t CInput::u24()
{
    const uint32_t low = u16();
    return low | ((uint32_t)byte() << 16);
}

size_t CInput::take(const uint8_t*& bytes, size_t maxLength)
{
    size_t length = remaining() < maxLength ? remaining() : maxLength;
    bytes = Data + Pos;
    Pos += length;
    return length;
}

wchar_t CInput::character()
{
    // Kinds weighted towards what users type; the raw forms reach every value.
    static const wchar_t Interesting[] = {
        L'\r',    L'\n',      L'\t',
        L' ',     0,          0x1B,
        0x7F,     L'*',       0x3000,
        0x65E5,   0x672C,     0x8A9E,
        0x3042,   0x30A2,     0xFF76,
        0x00A5,   0x203E,     0xFFFD,
        0xFEFF,   0xD800,     0xDFFF,
        0x1F600,  0x20B9F,    0x10FFFF,
        0x110000, 0x7FFFFFFF, (wchar_t)0xFFFFFFFFu,
    };
    const unsigned count = sizeof(Interesting) / sizeof(Interesting[0]);
    const uint8_t kind = byte();
    switch (kind % 4)
    {
    case 0:
        return (wchar_t)(0x20 + byte() % 0x5F);
    case 1:
        return Interesting[byte() % count];
    case 2:
        return (wchar_t)u16();
    default:
        return (wchar_t)(u24() % 0x110000);
    }
}

} // namespace fuzzsupport
