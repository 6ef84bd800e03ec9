#ifndef BENCH_SUPPORT_TEXT_SAMPLES_H_INCLUDED
#define BENCH_SUPPORT_TEXT_SAMPLES_H_INCLUDED

#include <string>
#include <vector>

namespace benchsupport
{

//! Exactly length characters of ASCII words (letters and digits, one to nine
//! long) separated by single spaces; the same seed gives the same text.
std::wstring asciiWords(size_t length, unsigned seed = 1);

//! asciiWords with a line feed in place of the first space after every
//! columns characters: lines of about that length.
std::wstring asciiLines(size_t length, size_t columns = 64, unsigned seed = 1);

//! Exactly length characters of Japanese (kana and common kanji) in runs of
//! a few characters, mixed with short ASCII words set off by spaces.
std::wstring mixedWords(size_t length, unsigned seed = 1);

//! A page of lines, each exactly columns characters, of asciiWords or
//! mixedWords.
std::vector<std::wstring> asciiPage(size_t lines = 40, size_t columns = 80);
std::vector<std::wstring> mixedPage(size_t lines = 40, size_t columns = 80);

} // namespace benchsupport

#endif
