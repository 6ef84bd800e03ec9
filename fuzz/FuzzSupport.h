#ifndef FUZZ_FUZZ_SUPPORT_H_INCLUDED
#define FUZZ_FUZZ_SUPPORT_H_INCLUDED

#include <irrlicht.h>

#include <cstddef>
#include <cstdint>

namespace fuzzsupport
{

//! The engine's null device, made once for the whole run and set as the
//! application's AppDevice and AppGuiEnvironment. Its log stays quiet.
irr::IrrlichtDevice* appDevice();

//! Debian's IPA Gothic, found as the tests find it; ends the run with a
//! message when it is not installed.
const char* ipaFont();

//! The user's default locales the fuzzers switch between: UTF-8, EUC-JP and
//! Shift_JIS. The process itself stays in "C"; the conversions switch to the
//! user's locale as they do in the program.
const unsigned UserLocaleCount = 3;
const char* userLocaleName(unsigned index);
//! Makes locale index % UserLocaleCount the user's default locale. Ends the
//! run at once when it is not installed: a fuzzer that silently converted in
//! "C" would test nothing.
void useUserLocale(unsigned index);

//! Ends the run with a report when an invariant does not hold, so that
//! libFuzzer keeps the input that broke it.
void require(bool condition, const char* what);

//! Reads a fuzzer's input front to back; past the end every read gives 0.
class CInput
{
public:
    CInput(const uint8_t* data, size_t size) : Data(data), Size(size), Pos(0) {}

    bool empty() const { return Pos >= Size; }
    size_t remaining() const { return Size - Pos; }
    uint8_t byte() { return Pos < Size ? Data[Pos++] : 0; }
    uint16_t u16();
    uint32_t u24();
    bool flag() { return byte() & 1; }
    //! A value from 0 to count - 1.
    unsigned pick(unsigned count) { return count ? byte() % count : 0; }
    //! Up to maxLength of the next bytes, as they are.
    size_t take(const uint8_t*& bytes, size_t maxLength);
    //! A character of any kind: ASCII and control characters, Japanese,
    //! line breaks, characters outside the Basic Multilingual Plane, the
    //! surrogate range and the highest values a wchar_t holds.
    wchar_t character();

private:
    const uint8_t* Data;
    size_t Size;
    size_t Pos;
};

} // namespace fuzzsupport

#endif
