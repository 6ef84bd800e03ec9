// getDimension and getCharacterFromPos of our font on one line of 10 to
// 10,000 characters, once every glyph is cached: the cost per character
// should not grow with the line, and FreeType should render nothing. The
// engine's built-in font measuring the same ASCII lines is the anchor.

#include "harness/FreeTypeCallCounter.h"
#include "support/BenchDevice.h"
#include "support/BenchFiles.h"
#include "support/SummaryReporter.h"
#include "support/TextSamples.h"

#include <memory>
#include <string>

using namespace irr;
using namespace benchsupport;

namespace
{

const s32 Lengths[] = {10, 100, 1000, 10000};

enum Operation
{
    Dimension,
    CharacterFromPos
};

enum FontKind
{
    OurFont,
    BuiltInFont
};

enum Script
{
    Ascii,
    Mixed
};

// One null device with both fonts for the whole program.
class Fonts
{
public:
    Fonts() : Device(video::EDT_NULL, core::dimension2d<u32>(640, 480)), Ours(0)
    {
        if (Device.ok())
            Ours = createIpaFont();
    }
    ~Fonts()
    {
        if (Ours)
            Ours->drop();
    }
    gui::IGUIFont* get(FontKind kind)
    {
        if (!Ours)
            return 0;
        return kind == OurFont ? (gui::IGUIFont*)Ours : Device.gui()->getBuiltInFont();
    }

private:
    BenchDevice Device;
    gui::CGUITTFont* Ours;
};

std::unique_ptr<Fonts> TheFonts;

void measure(benchmark::State& state, Operation operation, FontKind kind, Script script)
{
    gui::IGUIFont* font = TheFonts->get(kind);
    if (!font)
    {
        state.SkipWithError("no device or font");
        return;
    }
    const s32 length = (s32)state.range(0);
    const core::stringw line(
        (script == Ascii ? asciiWords((size_t)length) : mixedWords((size_t)length)).c_str());
    // Measuring once caches every glyph of the line; the pixel is the
    // line's right edge, so the search walks all of it.
    const s32 lastPixel = (s32)font->getDimension(line.c_str()).Width;

    fonttest::FreeTypeCalls::reset();
    for (auto _ : state)
    {
        if (operation == Dimension)
            benchmark::DoNotOptimize(font->getDimension(line.c_str()));
        else
            benchmark::DoNotOptimize(font->getCharacterFromPos(line.c_str(), lastPixel));
    }
    state.SetComplexityN(length);
    state.counters["ft_renders"] = fonttest::FreeTypeCalls::get().Renderings;
}

std::string benchName(Operation operation, FontKind kind, Script script)
{
    return std::string("Measuring/") +
           (operation == Dimension ? "getDimension" : "getCharacterFromPos") + "/" +
           (kind == OurFont ? "ours" : "builtin") + "/" + (script == Ascii ? "ascii" : "mixed");
}

struct Case
{
    Operation Op;
    FontKind Kind;
    Script Text;
};

const Case Cases[] = {{Dimension, OurFont, Ascii},        {Dimension, OurFont, Mixed},
                      {Dimension, BuiltInFont, Ascii},    {CharacterFromPos, OurFont, Ascii},
                      {CharacterFromPos, OurFont, Mixed}, {CharacterFromPos, BuiltInFont, Ascii}};

void registerAll()
{
    TheFonts.reset(new Fonts());
    for (const Case& c : Cases)
    {
        benchmark::internal::Benchmark* bench = benchmark::RegisterBenchmark(
            benchName(c.Op, c.Kind, c.Text).c_str(), measure, c.Op, c.Kind, c.Text);
        for (s32 length : Lengths)
            bench->Arg(length);
        bench->Complexity(benchmark::oN);
    }
}

double nsPerChar(const SummaryReporter& results, const Case& c, s32 length)
{
    const SummaryReporter::Result* result =
        results.find(benchName(c.Op, c.Kind, c.Text) + "/" + std::to_string(length));
    return result ? result->CpuNs / length : -1;
}

double rendersDuringRuns(const SummaryReporter& results, const Case& c)
{
    double renders = -1;
    for (s32 length : Lengths)
    {
        const double counted = results.counter(
            benchName(c.Op, c.Kind, c.Text) + "/" + std::to_string(length), "ft_renders");
        if (counted >= 0)
            renders = (renders < 0 ? 0 : renders) + counted;
    }
    return renders;
}

void summarize(const SummaryReporter& results)
{
    TheFonts.reset();
    printSummaryHeading("Measuring: CPU time per character of one line, glyphs cached");
    for (const Case& c : Cases)
    {
        const std::string name = benchName(c.Op, c.Kind, c.Text).substr(10);
        for (s32 length : Lengths)
            printFigure(name + " " + std::to_string(length), nsPerChar(results, c, length),
                        "ns/char");
        const double shortLine = nsPerChar(results, c, 100);
        const double longLine = nsPerChar(results, c, 10000);
        // Linear work keeps the cost per character flat; a quadratic term
        // would make the long line's a hundred times the short one's.
        printFigure(name + ": per char at 10000 / at 100", ratioOf(longLine, shortLine), "x");
        if (c.Kind == OurFont)
            printAgainstTarget(name + ": FreeType renderings while measuring",
                               rendersDuringRuns(results, c), 0, "");
    }
    for (Operation op : {Dimension, CharacterFromPos})
    {
        const double ours = nsPerChar(results, {op, OurFont, Ascii}, 1000);
        const double builtIn = nsPerChar(results, {op, BuiltInFont, Ascii}, 1000);
        printFigure(benchName(op, OurFont, Ascii).substr(10) + " 1000: ours / built-in",
                    ratioOf(ours, builtIn), "x");
    }
}

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv, registerAll, summarize);
}
