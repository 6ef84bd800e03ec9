// First use of the 2,136 Jōyō kanji through getDimension: FreeType renders
// each twice (anti-aliased and monochrome) and the font makes both textures.
// The anchor is FreeType alone doing the same two renderings of the same
// glyphs, in the same rounds. Also reports what the cache holds per glyph.

#include "gui/font/CGUITTGlyphAtlas.h"
#include "harness/FreeTypeCallCounter.h"
#include "support/BenchDevice.h"
#include "support/BenchFiles.h"
#include "support/CallgrindMarker.h"
#include "support/SummaryReporter.h"
#include "support/ThreadCpuTime.h"

#include <malloc.h>

#include <cstdio>
#include <string>
#include <vector>

using namespace irr;
using namespace benchsupport;

namespace
{

const u32 FontSize = 12;
const video::E_DRIVER_TYPE Drivers[] = {video::EDT_NULL, video::EDT_BURNINGSVIDEO};

std::wstring Kanji;

enum Variant
{
    OursFill,
    FreeTypeBoth,
    FreeTypeAntiAliased,
    FreeTypeMonochrome,
    //! The engine alone: as many textures, of the same sizes and names, as
    //! the fill makes, to show what registering them with the driver costs.
    EngineTexturesOnly,
    //! Our font in atlas mode, through getDimension as OursFill.
    AtlasFill,
    VariantCount
};

// A FreeType face of its own, so that the anchor shares nothing with the
// font under measurement.
class RawFace
{
public:
    RawFace() : Library(0), Face(0)
    {
        if (FT_Init_FreeType(&Library))
            Library = 0;
        else if (FT_New_Face(Library, ipaFontPath(), 0, &Face))
            Face = 0;
    }
    ~RawFace()
    {
        if (Face)
            FT_Done_Face(Face);
        if (Library)
            FT_Done_FreeType(Library);
    }
    bool ok() const { return Face != 0; }
    long glyphCount() const { return Face->num_glyphs; }

    //! The font's two renderings of every kanji, without anything around them.
    void render(bool antiAliased, bool monochrome)
    {
        FT_Set_Pixel_Sizes(Face, 0, FontSize);
        for (wchar_t k : Kanji)
        {
            const FT_UInt index = FT_Get_Char_Index(Face, (FT_ULong)k);
            if (antiAliased &&
                !FT_Load_Glyph(Face, index, FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) &&
                Face->glyph->format == FT_GLYPH_FORMAT_OUTLINE &&
                !FT_Render_Glyph(Face->glyph, FT_RENDER_MODE_NORMAL))
                benchmark::DoNotOptimize(Face->glyph->bitmap.buffer[0]);
            if (monochrome &&
                !FT_Load_Glyph(Face, index,
                               FT_LOAD_RENDER | FT_LOAD_NO_HINTING | FT_LOAD_MONOCHROME))
                benchmark::DoNotOptimize(Face->glyph->bitmap.buffer);
        }
    }

private:
    FT_Library Library;
    FT_Face Face;
};

struct CacheMemory
{
    double AccountedPerGlyph; // coverage copy and both textures at their formats
    double HeapPerGlyph;      // what the fill took from the heap, all told
};

size_t heapInUse()
{
    return mallinfo2().uordblks;
}

// What the records of the kanji hold once cached.
double accountedBytes(gui::CGUITTFont& font)
{
    double bytes = 0;
    for (wchar_t k : Kanji)
    {
        const gui::CGUITTGlyph* glyph = font.getGlyph(font.getGlyphIndex(k));
        if (!glyph)
            continue;
        bytes += glyph->Coverage.allocated_size();
        bytes += glyph->TexWidth * glyph->TexHeight * 4.0;
        bytes += glyph->TexWidth16 * glyph->TexHeight16 * 2.0;
    }
    return bytes;
}

BENCH_MEASURED_WORK void fillOurCache(gui::CGUITTFont& font)
{
    wchar_t text[2] = {0, 0};
    for (wchar_t k : Kanji)
    {
        text[0] = k;
        benchmark::DoNotOptimize(font.getDimension(text));
    }
}

// The same through a font in atlas mode; a function of its own (not a call
// of fillOurCache), so that callgrind counts the two fills apart.
BENCH_MEASURED_WORK void fillAtlasCache(gui::CGUITTFont& font)
{
    wchar_t text[2] = {0, 0};
    for (wchar_t k : Kanji)
    {
        text[0] = k;
        benchmark::DoNotOptimize(font.getDimension(text));
    }
}

// The two textures of every kanji as the font names them, from blank
// images of the sizes a 12 pixel kanji gets; removed again untimed.
class EngineTextures;
BENCH_MEASURED_WORK void registerTexturesWithEngine(EngineTextures& textures);
BENCH_MEASURED_WORK void renderWithFreeTypeAlone(RawFace& face);

class EngineTextures
{
public:
    explicit EngineTextures(video::IVideoDriver& driver) : Driver(driver)
    {
        const core::dimension2d<u32> side(16, 16);
        Wide = Driver.createImage(video::ECF_A8R8G8B8, side);
        Narrow = Driver.createImage(video::ECF_A1R5G5B5, side);
    }
    ~EngineTextures()
    {
        Wide->drop();
        Narrow->drop();
    }

    void add()
    {
        c8 name[32];
        for (u32 i = 0; i < Kanji.size(); ++i)
        {
            snprintf(name, sizeof(name), "TTFontGlyph%u", 20000 + i);
            Made.push_back(Driver.addTexture(name, Wide));
            snprintf(name, sizeof(name), "TTFontGlyph%u_16", 20000 + i);
            Made.push_back(Driver.addTexture(name, Narrow));
        }
    }

    void remove()
    {
        for (u32 i = 0; i < Made.size(); ++i)
            if (Made[i])
                Driver.removeTexture(Made[i]);
        Made.clear();
    }

private:
    video::IVideoDriver& Driver;
    video::IImage* Wide;
    video::IImage* Narrow;
    core::array<video::ITexture*> Made;
};

void registerTexturesWithEngine(EngineTextures& textures)
{
    textures.add();
}

void renderWithFreeTypeAlone(RawFace& face)
{
    face.render(true, true);
}

void fillCache(benchmark::State& state, video::E_DRIVER_TYPE type)
{
    BenchDevice device(type, core::dimension2d<u32>(640, 480));
    RawFace raw;
    if (!device.ok() || !raw.ok())
    {
        state.SkipWithError("no device or no font");
        return;
    }

    TakingTurns turns(VariantCount);
    EngineTextures engine(*device.driver());
    CacheMemory memory = {0, 0};
    double renderings = 0;
    double rawRenderings = 0;
    bool measuredMemory = false;
    for (auto _ : state)
    {
        for (int step = 0; step < VariantCount; ++step)
        {
            const int variant = turns.order(step);
            if (variant == EngineTexturesOnly)
            {
                turns.time(variant, [&] { registerTexturesWithEngine(engine); });
                engine.remove();
                continue;
            }
            if (variant == AtlasFill)
            {
                gui::CGUITTFont* atlas = createIpaFont(FontSize);
                if (!atlas)
                {
                    state.SkipWithError("the font did not load");
                    return;
                }
                atlas->setGlyphAtlas(true);
                turns.time(AtlasFill, [&] { fillAtlasCache(*atlas); });
                atlas->drop();
                continue;
            }
            if (variant != OursFill)
            {
                fonttest::FreeTypeCalls::reset();
                turns.time(variant,
                           [&]
                           {
                               if (variant == FreeTypeBoth)
                                   renderWithFreeTypeAlone(raw);
                               else
                                   raw.render(variant == FreeTypeAntiAliased,
                                              variant == FreeTypeMonochrome);
                           });
                if (variant == FreeTypeBoth)
                    rawRenderings = fonttest::FreeTypeCalls::get().Renderings;
                continue;
            }
            // A fresh font each time: making and dropping it (and its
            // textures) is not part of the fill.
            gui::CGUITTFont* font = createIpaFont(FontSize);
            if (!font)
            {
                state.SkipWithError("the font did not load");
                return;
            }
            const size_t heapBefore = heapInUse();
            fonttest::FreeTypeCalls::reset();
            turns.time(OursFill, [&] { fillOurCache(*font); });
            renderings = fonttest::FreeTypeCalls::get().Renderings;
            if (!measuredMemory)
            {
                measuredMemory = true;
                memory.HeapPerGlyph = (double)(heapInUse() - heapBefore) / Kanji.size();
                memory.AccountedPerGlyph = accountedBytes(*font) / Kanji.size();
            }
            font->drop();
        }
        turns.nextRound();
    }

    const double kanji = (double)Kanji.size();
    state.counters["ours_us_per_kanji"] = turns.medianNs(OursFill) / kanji / 1000;
    state.counters["ft_both_us_per_kanji"] = turns.medianNs(FreeTypeBoth) / kanji / 1000;
    state.counters["ft_aa_us_per_kanji"] = turns.medianNs(FreeTypeAntiAliased) / kanji / 1000;
    state.counters["ft_mono_us_per_kanji"] = turns.medianNs(FreeTypeMonochrome) / kanji / 1000;
    state.counters["engine_us_per_kanji"] = turns.medianNs(EngineTexturesOnly) / kanji / 1000;
    state.counters["atlas_us_per_kanji"] = turns.medianNs(AtlasFill) / kanji / 1000;
    // As the font tests count them: FreeType's own render call inside a
    // rendering load counts as well, so both sides show 3 for 2 renderings.
    state.counters["ours_renders_per_kanji"] = renderings / kanji;
    state.counters["ft_renders_per_kanji"] = rawRenderings / kanji;
    state.counters["bytes_per_glyph"] = memory.AccountedPerGlyph;
    state.counters["heap_bytes_per_glyph"] = memory.HeapPerGlyph;
    state.counters["heap_kib_for_set"] = memory.HeapPerGlyph * kanji / 1024;
    // Every glyph of the face has a record from the start, cached or not.
    state.counters["record_array_kib"] = raw.glyphCount() * sizeof(gui::CGUITTGlyph) / 1024.0;
}

std::string benchName(video::E_DRIVER_TYPE type)
{
    return std::string("GlyphCacheFill/") + driverName(type);
}

const u32 KanjiPerLine = 40;

// The text as lines of KanjiPerLine, drawn in one frame from the top left.
void drawLines(gui::CGUITTFont& font, video::IVideoDriver& driver, const std::wstring& text,
               u32 size)
{
    driver.beginScene(true, false, video::SColor(255, 200, 200, 200));
    for (size_t at = 0, line = 0; at < text.size(); at += KanjiPerLine, ++line)
    {
        const core::stringw part(text.substr(at, KanjiPerLine).c_str());
        const s32 top = (s32)(line * size) % 480;
        font.draw(part, core::rect<s32>(0, top, 640, top + (s32)size), video::SColor(255, 0, 0, 0));
    }
    driver.endScene();
}

// The whole set drawn for the first time by a fresh font in atlas mode:
// FreeType's renderings, the pages and the drawing, in one frame.
void firstDraw(benchmark::State& state, video::E_DRIVER_TYPE type)
{
    BenchDevice device(type, core::dimension2d<u32>(640, 480));
    if (!device.ok())
    {
        state.SkipWithError("no device");
        return;
    }
    std::vector<double> samples;
    for (auto _ : state)
    {
        gui::CGUITTFont* font = createIpaFont(FontSize);
        if (!font)
        {
            state.SkipWithError("the font did not load");
            return;
        }
        font->setGlyphAtlas(true);
        const double start = threadCpuNs();
        drawLines(*font, *device.driver(), Kanji, FontSize);
        samples.push_back(threadCpuNs() - start);
        font->drop();
    }
    state.counters["atlas_ms_for_set"] = medianOf(samples) / 1e6;
}

// Texture memory for the first thousand kanji, drawn once, in both modes.
double textureBytesPerThousand(video::IVideoDriver& driver, u32 size, bool atlasMode, double& pages)
{
    const std::wstring thousand = Kanji.substr(0, 1000);
    gui::CGUITTFont* font = createIpaFont(size);
    if (!font)
        return -1;
    font->setGlyphAtlas(atlasMode);
    drawLines(*font, driver, thousand, size);
    double bytes = 0;
    if (atlasMode)
    {
        bytes = font->getGlyphAtlas()->getTextureBytes();
        pages = font->getGlyphAtlas()->getPageCount();
    }
    else
    {
        for (wchar_t k : thousand)
        {
            const gui::CGUITTGlyph* glyph = font->getGlyph(font->getGlyphIndex(k));
            if (glyph)
                bytes += glyph->TexWidth * glyph->TexHeight * 4.0 +
                         glyph->TexWidth16 * glyph->TexHeight16 * 2.0;
        }
    }
    font->drop();
    return bytes * 1000 / thousand.size();
}

void textureMemory(benchmark::State& state)
{
    BenchDevice device(video::EDT_BURNINGSVIDEO, core::dimension2d<u32>(640, 480));
    if (!device.ok())
    {
        state.SkipWithError("no device");
        return;
    }
    for (auto _ : state)
    {
        for (u32 size : {12u, 24u})
        {
            double pages = 0;
            const std::string at = std::to_string(size);
            state.counters["per_glyph_kib_" + at] =
                textureBytesPerThousand(*device.driver(), size, false, pages) / 1024;
            state.counters["atlas_kib_" + at] =
                textureBytesPerThousand(*device.driver(), size, true, pages) / 1024;
            state.counters["atlas_pages_" + at] = pages;
        }
    }
}

void registerAll()
{
    std::string why;
    if (!readJoyoKanji(Kanji, why))
    {
        printf("Glyph cache fill skipped: %s\n", why.c_str());
        return;
    }
    for (video::E_DRIVER_TYPE type : Drivers)
        benchmark::RegisterBenchmark(benchName(type).c_str(), fillCache, type)
            ->Unit(benchmark::kMillisecond);
    for (video::E_DRIVER_TYPE type : {video::EDT_BURNINGSVIDEO, video::EDT_OPENGL})
        benchmark::RegisterBenchmark((std::string("AtlasFirstDraw/") + driverName(type)).c_str(),
                                     firstDraw, type)
            ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("TextureMemory/burnings", textureMemory)->Iterations(1);
}

void summarize(const SummaryReporter& results)
{
    printSummaryHeading("Glyph cache fill: first use of the Joyo kanji through getDimension");
    printf("  %zu kanji from %s\n", Kanji.size(), joyoKanjiPath().c_str());
    for (video::E_DRIVER_TYPE type : Drivers)
    {
        const std::string name = benchName(type);
        const std::string driver = driverName(type);
        auto counter = [&](const char* counterName) { return results.counter(name, counterName); };
        const double ours = counter("ours_us_per_kanji");
        const double both = counter("ft_both_us_per_kanji");
        printFigure(driver + ": ours, per kanji", ours, "us");
        printFigure(driver + ": FreeType both renderings, per kanji", both, "us");
        printFigure(driver + ": FreeType anti-aliased (reference 4.2 us)",
                    counter("ft_aa_us_per_kanji"), "us");
        printFigure(driver + ": FreeType monochrome (reference 11.3 us)",
                    counter("ft_mono_us_per_kanji"), "us");
        printAgainstTarget(driver + ": ours / FreeType", ratioOf(ours, both), 2.0);
        printFigure(driver + ": atlas, per kanji", counter("atlas_us_per_kanji"), "us");
        printAgainstTarget(driver + ": atlas / FreeType both renderings",
                           ratioOf(counter("atlas_us_per_kanji"), both), 3.0);
        printFigure(driver + ": engine alone, registering the same textures",
                    counter("engine_us_per_kanji"), "us");
        printFigure(driver + ": FreeType render calls per kanji, ours",
                    counter("ours_renders_per_kanji"), "");
        printFigure(driver + ": FreeType render calls per kanji, FreeType alone",
                    counter("ft_renders_per_kanji"), "");
        printFigure(driver + ": textures and coverage per glyph", counter("bytes_per_glyph"),
                    "bytes");
        printFigure(driver + ": heap taken per glyph", counter("heap_bytes_per_glyph"), "bytes");
        printFigure(driver + ": heap taken for the set", counter("heap_kib_for_set"), "KiB");
        printFigure(driver + ": records of all the face's glyphs (before any use)",
                    counter("record_array_kib"), "KiB");
    }
    for (video::E_DRIVER_TYPE type : {video::EDT_BURNINGSVIDEO, video::EDT_OPENGL})
        printAgainstTarget(
            std::string(driverName(type)) + ": atlas, whole set first drawn in one frame",
            results.counter(std::string("AtlasFirstDraw/") + driverName(type), "atlas_ms_for_set"),
            100, "ms");
    for (const char* size : {"12", "24"})
    {
        auto memory = [&](const char* what)
        { return results.counter("TextureMemory/burnings", std::string(what) + size); };
        printFigure(std::string("texture memory per 1,000 kanji at ") + size + " px, per glyph",
                    memory("per_glyph_kib_"), "KiB");
        printFigure(std::string("texture memory per 1,000 kanji at ") + size + " px, atlas",
                    memory("atlas_kib_"), "KiB");
        printFigure(std::string("atlas pages for them at ") + size + " px", memory("atlas_pages_"),
                    "");
    }
}

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv, registerAll, summarize);
}
