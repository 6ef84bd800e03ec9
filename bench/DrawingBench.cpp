// Frame time of a page of text (40 lines of 80 characters) through our font
// and through the engine's built-in font, on each driver that draws pixels.
// What a glyph costs is the frame minus an empty frame, over the glyphs.
//
// The kinds of frame take turns within each iteration and every frame is
// timed on its own, in CPU time of the drawing thread, with Mesa's llvmpipe
// told to rasterise in that thread too; the figures are the medians. The
// machines are shared: wall-clock time there mostly measures the
// neighbours, and a slow spell then hits every kind of frame alike. The X
// server's share (putting the finished frame on screen) is the same for an
// empty frame and leaves with the subtraction.

#include "GlyphDrawPrototypes.h"
#include "support/BenchDevice.h"
#include "support/BenchFiles.h"
#include "support/SummaryReporter.h"
#include "support/TextSamples.h"
#include "support/ThreadCpuTime.h"

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

using namespace irr;
using namespace benchsupport;

namespace
{

const u32 Lines = 40;
const u32 Columns = 80;
const u32 GlyphsPerPage = Lines * Columns;
// Large enough for the widest page (the built-in font's ASCII); nothing of
// a page is clipped away, so every glyph is really drawn.
const core::dimension2d<u32> WindowSize(1024, 768);
const video::E_DRIVER_TYPE Drivers[] = {video::EDT_BURNINGSVIDEO, video::EDT_SOFTWARE,
                                        video::EDT_OPENGL};

enum FrameKind
{
    EmptyFrame,
    BuiltInAscii,
    OursAscii,
    OursMixed,
    //! What-if variants of our font's drawing, see GlyphDrawPrototypes.h.
    OursAsciiTightRects,
    OursAsciiBatched,
    //! The same font in atlas mode.
    AtlasAscii,
    AtlasMixed,
    FrameKindCount
};

const char* const FrameNames[FrameKindCount] = {"empty",       "builtin_ascii", "ours_ascii",
                                                "ours_mixed",  "tight_ascii",   "batched_ascii",
                                                "atlas_ascii", "atlas_mixed"};

std::vector<core::stringw> toEngineStrings(const std::vector<std::wstring>& page)
{
    std::vector<core::stringw> lines;
    for (const std::wstring& line : page)
        lines.push_back(core::stringw(line.c_str()));
    return lines;
}

// One device with both fonts. The first frames fill the glyph cache, so
// only drawing is measured.
class Scene
{
public:
    explicit Scene(video::E_DRIVER_TYPE type)
        : Device(type, WindowSize), Ours(0), Atlas(0),
          Ascii(toEngineStrings(asciiPage(Lines, Columns))),
          Mixed(toEngineStrings(mixedPage(Lines, Columns)))
    {
        if (!Device.ok())
            return;
        Ours = createIpaFont();
        Atlas = createIpaFont();
        if (!Ours || !Atlas)
            return;
        Atlas->setGlyphAtlas(true);
        for (int kind = 0; kind < FrameKindCount; ++kind)
            draw((FrameKind)kind);
    }

    ~Scene()
    {
        // The font removes its textures through the driver, so it goes first.
        if (Ours)
            Ours->drop();
        if (Atlas)
            Atlas->drop();
    }

    bool ready() const { return Device.ok() && Ours && Atlas; }

    void draw(FrameKind kind)
    {
        video::IVideoDriver* driver = Device.driver();
        driver->beginScene(true, false, Background);
        drawPage(kind);
        driver->endScene();
    }

    //! Pixels a frame inks, so that a driver that quietly draws nothing for
    //! one of the fonts shows in the report instead of looking fast; -1
    //! where the driver's screenshot cannot be read back (an empty frame
    //! then looks inked too).
    double inkedPixels(FrameKind kind)
    {
        const u32 empty = countInked(EmptyFrame);
        return empty ? -1.0 : (double)countInked(kind);
    }

private:
    u32 countInked(FrameKind kind)
    {
        draw(kind);
        video::IImage* shot = Device.driver()->createScreenShot();
        if (!shot)
            return 0;
        u32 inked = 0;
        const core::dimension2d<u32> size = shot->getDimension();
        for (u32 y = 0; y < size.Height; ++y)
            for (u32 x = 0; x < size.Width; ++x)
                inked += shot->getPixel(x, y).getRed() < 100;
        shot->drop();
        return inked;
    }

    void drawPage(FrameKind kind)
    {
        if (kind == EmptyFrame)
            return;
        video::IVideoDriver* driver = Device.driver();
        gui::IGUIFont* font = kind == BuiltInAscii ? Device.gui()->getBuiltInFont()
                              : kind == AtlasAscii || kind == AtlasMixed ? (gui::IGUIFont*)Atlas
                                                                         : (gui::IGUIFont*)Ours;
        const std::vector<core::stringw>& page =
            kind == OursMixed || kind == AtlasMixed ? Mixed : Ascii;
        const s32 lineHeight = (s32)font->getDimension(L"Ag").Height;
        const video::SColor black(255, 0, 0, 0);
        for (u32 i = 0; i < page.size(); ++i)
        {
            const core::position2d<s32> pen(0, (s32)i * lineHeight);
            if (kind == OursAsciiTightRects)
                drawWithTightRects(*Ours, *driver, page[i], pen, black);
            else if (kind == OursAsciiBatched)
                drawBatchedByGlyph(*Ours, *driver, page[i], pen, black);
            else
                font->draw(page[i],
                           core::rect<s32>(
                               pen, pen + core::position2d<s32>((s32)WindowSize.Width, lineHeight)),
                           black);
        }
    }

    static const video::SColor Background;

    BenchDevice Device;
    gui::CGUITTFont* Ours;
    gui::CGUITTFont* Atlas;
    std::vector<core::stringw> Ascii;
    std::vector<core::stringw> Mixed;
};

const video::SColor Scene::Background(255, 200, 200, 200);

std::string counterName(FrameKind kind)
{
    return std::string(FrameNames[kind]) + "_us";
}

void drawFrames(benchmark::State& state, video::E_DRIVER_TYPE type)
{
    Scene scene(type);
    if (!scene.ready())
    {
        state.SkipWithError("no device or font for this driver");
        return;
    }
    TakingTurns turns(FrameKindCount);
    for (auto _ : state)
    {
        for (int step = 0; step < FrameKindCount; ++step)
        {
            const FrameKind kind = (FrameKind)turns.order(step);
            turns.time(kind, [&] { scene.draw(kind); });
        }
        turns.nextRound();
    }
    for (int kind = 0; kind < FrameKindCount; ++kind)
        state.counters[counterName((FrameKind)kind)] = turns.medianNs(kind) / 1000;
    state.counters["builtin_inked_px"] = scene.inkedPixels(BuiltInAscii);
    state.counters["ours_inked_px"] = scene.inkedPixels(OursAscii);
    state.counters["atlas_inked_px"] = scene.inkedPixels(AtlasAscii);
}

std::string benchName(video::E_DRIVER_TYPE type)
{
    return std::string("Drawing/") + driverName(type);
}

void registerAll()
{
    for (video::E_DRIVER_TYPE type : Drivers)
        benchmark::RegisterBenchmark(benchName(type).c_str(), drawFrames, type)
            ->Unit(benchmark::kMillisecond);
}

// Nanoseconds per glyph of a kind of frame, or -1 when it did not run.
double perGlyph(const SummaryReporter& results, video::E_DRIVER_TYPE type, FrameKind kind)
{
    const double page = results.counter(benchName(type), counterName(kind));
    const double empty = results.counter(benchName(type), counterName(EmptyFrame));
    if (page < 0 || empty < 0)
        return -1;
    return (page - empty) * 1000 / GlyphsPerPage;
}

// Atlas mode: on OpenGL against the built-in font; on the software drivers,
// which draw a glyph at a time either way, no worse than without the atlas.
void summarizeAtlas(const SummaryReporter& results, video::E_DRIVER_TYPE type, double builtIn)
{
    const std::string driver = driverName(type);
    const bool openGL = type == video::EDT_OPENGL;
    const double ascii = perGlyph(results, type, AtlasAscii);
    const double mixed = perGlyph(results, type, AtlasMixed);
    printFigure(driver + ": atlas, ASCII page", ascii, "ns/glyph");
    printFigure(driver + ": atlas, Japanese/ASCII page", mixed, "ns/glyph");
    printAgainstTarget(driver + ": atlas / built-in per glyph, ASCII", ratioOf(ascii, builtIn),
                       openGL ? 1.2 : 1.05);
    const double mixedRatio = ratioOf(mixed, builtIn);
    if (openGL)
        printAgainstTarget(driver + ": atlas Japanese/ASCII / built-in ASCII", mixedRatio, 1.5);
    else
        printFigure(driver + ": atlas Japanese/ASCII / built-in ASCII", mixedRatio, "x");
    printAgainstTarget(driver + ": atlas / per-glyph, Japanese/ASCII page",
                       ratioOf(mixed, perGlyph(results, type, OursMixed)), openGL ? 1.0 : 1.05);
}

void summarize(const SummaryReporter& results)
{
    printSummaryHeading("Drawing: CPU time per glyph drawn (frame minus empty frame)");
    for (video::E_DRIVER_TYPE type : Drivers)
    {
        const std::string driver = driverName(type);
        const double builtIn = perGlyph(results, type, BuiltInAscii);
        const double ours = perGlyph(results, type, OursAscii);
        printFigure(driver + ": built-in font, ASCII page", builtIn, "ns/glyph");
        printFigure(driver + ": our font, ASCII page", ours, "ns/glyph");
        printFigure(driver + ": our font, Japanese/ASCII page", perGlyph(results, type, OursMixed),
                    "ns/glyph");
        printAgainstTarget(driver + ": ours / built-in per glyph, ASCII", ratioOf(ours, builtIn),
                           1.2);
        printFigure(driver + ": ours Japanese/ASCII / built-in ASCII",
                    ratioOf(perGlyph(results, type, OursMixed), builtIn), "x");
        printFigure(driver + ": what-if tight source rects / built-in",
                    ratioOf(perGlyph(results, type, OursAsciiTightRects), builtIn), "x");
        printFigure(driver + ": what-if one batch per glyph / built-in",
                    ratioOf(perGlyph(results, type, OursAsciiBatched), builtIn), "x");
        summarizeAtlas(results, type, builtIn);
    }
}

} // namespace

int main(int argc, char** argv)
{
    // llvmpipe's rasteriser threads would take the work out of the thread
    // that is timed; a setting from the environment wins.
    setenv("LP_NUM_THREADS", "0", 0);
    return runBenchmarks(argc, argv, registerAll, summarize);
}
