#include "support/TextSamples.h"

namespace benchsupport
{

namespace
{

// A fixed generator rather than the library's: the texts, and so the
// figures, must not change with the standard library in use.
class Lcg
{
public:
    explicit Lcg(unsigned seed) : State(seed * 2654435761u + 1) {}
    unsigned next(unsigned bound)
    {
        State = State * 1664525u + 1013904223u;
        return (State >> 8) % bound;
    }

private:
    unsigned State;
};

const wchar_t AsciiLetters[] =
    L"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789etaoinshrdlu";

// Common kanji, hiragana and katakana, all in IPA Gothic, so that every
// character of a sample is a real glyph.
const wchar_t JapaneseLetters[] =
    L"日本語文字入力変換漢字表示編集画面設定確認保存開閉新規作成削除検索置換選択"
    L"あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもやゆよ"
    L"らりるれろわをんがぎぐげござじずぜぞだでどばびぶべぼぱぴぷぺぽ"
    L"アイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモラリルレロン";

template <size_t N> wchar_t pick(Lcg& random, const wchar_t (&letters)[N])
{
    return letters[random.next(N - 1)];
}

} // namespace

std::wstring asciiWords(size_t length, unsigned seed)
{
    Lcg random(seed);
    std::wstring text;
    text.reserve(length);
    while (text.size() < length)
    {
        if (!text.empty())
            text += L' ';
        const unsigned word = 1 + random.next(9);
        for (unsigned i = 0; i < word && text.size() < length; ++i)
            text += pick(random, AsciiLetters);
    }
    text.resize(length);
    return text;
}

std::wstring asciiLines(size_t length, size_t columns, unsigned seed)
{
    std::wstring text = asciiWords(length, seed);
    size_t lineStart = 0;
    for (size_t i = 0; i < text.size(); ++i)
    {
        if (text[i] == L' ' && i - lineStart >= columns)
        {
            text[i] = L'\n';
            lineStart = i + 1;
        }
    }
    return text;
}

std::wstring mixedWords(size_t length, unsigned seed)
{
    Lcg random(seed);
    std::wstring text;
    text.reserve(length);
    while (text.size() < length)
    {
        const unsigned run = 3 + random.next(8);
        for (unsigned i = 0; i < run && text.size() < length; ++i)
            text += pick(random, JapaneseLetters);
        text += L' ';
        const unsigned word = 2 + random.next(6);
        for (unsigned i = 0; i < word && text.size() < length; ++i)
            text += pick(random, AsciiLetters);
        text += L' ';
    }
    text.resize(length);
    return text;
}

std::vector<std::wstring> asciiPage(size_t lines, size_t columns)
{
    std::vector<std::wstring> page;
    for (size_t i = 0; i < lines; ++i)
        page.push_back(asciiWords(columns, (unsigned)i + 1));
    return page;
}

std::vector<std::wstring> mixedPage(size_t lines, size_t columns)
{
    std::vector<std::wstring> page;
    for (size_t i = 0; i < lines; ++i)
        page.push_back(mixedWords(columns, (unsigned)i + 1));
    return page;
}

} // namespace benchsupport
