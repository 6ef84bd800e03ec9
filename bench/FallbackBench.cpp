// What fallback faces cost, on Burning's software renderer. Drawing (glyphs
// cached, frame minus empty frame): Japanese text the attached face maps,
// through a font without fallbacks and the same font with the system's
// Chinese and Korean faces as fallbacks; and a Korean line, every glyph
// from a fallback, against a Japanese line of the same length. First use
// (getDimension of characters never seen, on a fresh font each round):
// Hangul from the fallback against kanji from the attached face.
// Kinds of work take turns and are timed in CPU time, medians reported, as
// in the drawing benchmark.

#include "support/BenchDevice.h"
#include "support/BenchFiles.h"
#include "support/SummaryReporter.h"
#include "support/TextSamples.h"
#include "support/ThreadCpuTime.h"

#include "gui/font/SystemFonts.h"

#include <cstdlib>
#include <string>

using namespace irr;
using namespace benchsupport;

namespace
{

const u32 Lines = 20;
const u32 Columns = 40;
// The page is drawn this many times per frame, so that the glyphs, not
// clearing and presenting the frame, are most of what is timed.
const u32 Passes = 10;
const u32 FirstUseCharacters = 200;
const core::dimension2d<u32> WindowSize(800, 600);

enum Work
{
    EmptyFrame,
    JapanesePlain,
    JapaneseWithFallbacks,
    KoreanWithFallbacks,
    //! The same Korean line through a font whose attached face is the
    //! Korean fallback: what the glyphs themselves cost, without fallbacks.
    KoreanAttached,
    FirstUsePrimary,
    FirstUseFallback,
    WorkCount
};

const char* const WorkNames[WorkCount] = {"empty_us",         "ja_plain_us",    "ja_fallbacks_us",
                                          "ko_fallbacks_us",  "ko_attached_us", "first_primary_us",
                                          "first_fallback_us"};

// Every character distinct and none a space: each costs a full glyph.
std::wstring hangulLine(size_t length, u32 start)
{
    std::wstring line;
    for (size_t i = 0; i < length; ++i)
        line += (wchar_t)(0xAC00 + (start + i * 131) % 11172);
    return line;
}

// The first kanji after U+4E00 that IPA Gothic maps, as many as asked.
std::wstring kanjiRun(const gui::CGUITTFont& font, size_t length, u32 start)
{
    std::wstring run;
    for (u32 c = 0x4E00 + start; run.size() < length && c < 0x9FA0; ++c)
        if (font.getGlyphIndex((wchar_t)c))
            run += (wchar_t)c;
    return run;
}

// Japanese as it is written, kana and kanji in turn, no spaces: the same
// kind of line as the Hangul one.
std::wstring japaneseLine(const gui::CGUITTFont& font, size_t length)
{
    const std::wstring kanji = kanjiRun(font, length, 0x300);
    std::wstring line;
    for (size_t i = 0; i < length; ++i)
        line += i % 2 ? kanji[i] : (wchar_t)(0x3042 + (i * 7) % 80);
    return line;
}

bool addSystemFallbacks(gui::CGUITTFont* font)
{
    bool all = true;
    for (const char* language : {"zh-CN", "ko"})
    {
        gui::CGUITTFace* face = gui::loadSystemFace(language);
        all = all && face && font->addFallback(face);
        if (face)
            face->drop();
    }
    return all;
}

class Scene
{
public:
    Scene() : Device(video::EDT_BURNINGSVIDEO, WindowSize), Plain(0), Mixed(0), Korean(0)
    {
        if (!Device.ok())
            return;
        Plain = createIpaFont();
        Mixed = createIpaFont();
        if (!Plain || !Mixed || !addSystemFallbacks(Mixed))
            return;
        gui::CGUITTFace* korean = gui::loadSystemFace("ko");
        Korean = createIpaFont();
        if (!korean || !Korean || !Korean->attach(korean, 12))
        {
            if (korean)
                korean->drop();
            return;
        }
        korean->drop();
        JapaneseText = core::stringw(japaneseLine(*Plain, Columns).c_str());
        KoreanText = core::stringw(hangulLine(Columns, 0).c_str());
        for (int kind = EmptyFrame; kind <= KoreanAttached; ++kind)
            draw((Work)kind);
        Ready = true;
    }
    ~Scene()
    {
        if (Plain)
            Plain->drop();
        if (Mixed)
            Mixed->drop();
        if (Korean)
            Korean->drop();
    }

    bool ready() const { return Ready; }

    void draw(Work kind)
    {
        video::IVideoDriver* driver = Device.driver();
        driver->beginScene(true, false, video::SColor(255, 255, 255, 255));
        if (kind != EmptyFrame)
        {
            gui::CGUITTFont* font = kind == JapanesePlain    ? Plain
                                    : kind == KoreanAttached ? Korean
                                                             : Mixed;
            const core::stringw& line = kind >= KoreanWithFallbacks ? KoreanText : JapaneseText;
            for (u32 i = 0; i < Lines * Passes; ++i)
                font->draw(
                    line,
                    core::rect<s32>(0, (s32)(i % Lines) * 14, 800, (s32)(i % Lines) * 14 + 14),
                    video::SColor(255, 0, 0, 0));
        }
        driver->endScene();
    }

    //! Dark pixels of a frame: a font that quietly draws nothing shows in
    //! the report instead of looking fast.
    double inkedPixels(Work kind)
    {
        draw(kind);
        video::IImage* shot = Device.driver()->createScreenShot();
        if (!shot)
            return -1;
        u32 inked = 0;
        const core::dimension2d<u32> size = shot->getDimension();
        for (u32 y = 0; y < size.Height; ++y)
            for (u32 x = 0; x < size.Width; ++x)
                inked += shot->getPixel(x, y).getRed() < 100;
        shot->drop();
        return inked;
    }

    // A fresh font with the fallbacks, made outside the timing, and the
    // characters it has not seen yet.
    gui::CGUITTFont* freshFont() const
    {
        gui::CGUITTFont* font = createIpaFont();
        if (font)
            addSystemFallbacks(font);
        return font;
    }

private:
    BenchDevice Device;
    gui::CGUITTFont* Plain;
    gui::CGUITTFont* Mixed;
    gui::CGUITTFont* Korean;
    core::stringw JapaneseText;
    core::stringw KoreanText;
    bool Ready = false;
};

void firstUse(TakingTurns& turns, Work kind, const Scene& scene, u32 round)
{
    gui::CGUITTFont* font = scene.freshFont();
    if (!font)
        return;
    const std::wstring text = kind == FirstUsePrimary
                                  ? kanjiRun(*font, FirstUseCharacters, round * 7)
                                  : hangulLine(FirstUseCharacters, round * 7);
    turns.time(kind, [&] { benchmark::DoNotOptimize(font->getDimension(text.c_str())); });
    font->drop();
}

void run(benchmark::State& state)
{
    Scene scene;
    if (!scene.ready())
    {
        state.SkipWithError("no device, font or system fallback for zh-CN and ko");
        return;
    }
    TakingTurns turns(WorkCount);
    u32 round = 0;
    for (auto _ : state)
    {
        for (int step = 0; step < WorkCount; ++step)
        {
            const Work kind = (Work)turns.order(step);
            if (kind == FirstUsePrimary || kind == FirstUseFallback)
                firstUse(turns, kind, scene, round);
            else
                turns.time(kind, [&] { scene.draw(kind); });
        }
        turns.nextRound();
        ++round;
    }
    for (int kind = 0; kind < WorkCount; ++kind)
        state.counters[WorkNames[kind]] = turns.medianNs(kind) / 1000;
    state.counters["ja_plain_px"] = scene.inkedPixels(JapanesePlain);
    state.counters["ja_fallbacks_px"] = scene.inkedPixels(JapaneseWithFallbacks);
    state.counters["ko_fallbacks_px"] = scene.inkedPixels(KoreanWithFallbacks);
    state.counters["ko_attached_px"] = scene.inkedPixels(KoreanAttached);
}

const char* const BenchName = "Fallbacks/burnings";

void registerAll()
{
    benchmark::RegisterBenchmark(BenchName, run)->Unit(benchmark::kMillisecond);
}

double drawn(const SummaryReporter& results, Work kind)
{
    const double frame = results.counter(BenchName, WorkNames[kind]);
    const double empty = results.counter(BenchName, WorkNames[EmptyFrame]);
    return frame < 0 || empty < 0 ? -1 : frame - empty;
}

void summarize(const SummaryReporter& results)
{
    printSummaryHeading("Fallback faces: CPU time, drawing cached glyphs and first use");
    const double glyphs = Lines * Columns * Passes;
    const double plain = drawn(results, JapanesePlain);
    const double withFallbacks = drawn(results, JapaneseWithFallbacks);
    const double korean = drawn(results, KoreanWithFallbacks);
    printFigure("Japanese, no fallbacks", plain * 1000 / glyphs, "ns/glyph");
    printFigure("Japanese, with fallbacks", withFallbacks * 1000 / glyphs, "ns/glyph");
    printFigure("Korean, from the fallback", korean * 1000 / glyphs, "ns/glyph");
    printAgainstTarget("Japanese with / without fallbacks", ratioOf(withFallbacks, plain), 1.05);
    printAgainstTarget("Korean line / Japanese line, with fallbacks",
                       ratioOf(korean, withFallbacks), 1.2);
    printFigure("Korean line from the fallback / from the same face attached",
                ratioOf(korean, drawn(results, KoreanAttached)), "x");
    const double primary = results.counter(BenchName, WorkNames[FirstUsePrimary]);
    const double fallback = results.counter(BenchName, WorkNames[FirstUseFallback]);
    printFigure("first use, kanji from the attached face", primary * 1000 / FirstUseCharacters,
                "ns/char");
    printFigure("first use, Hangul from a fallback", fallback * 1000 / FirstUseCharacters,
                "ns/char");
    printAgainstTarget("first use, fallback / attached face", ratioOf(fallback, primary), 2.0);
}

} // namespace

int main(int argc, char** argv)
{
    setenv("LP_NUM_THREADS", "0", 0);
    return runBenchmarks(argc, argv, registerAll, summarize);
}
