// One character typed at the end of a long text: in the engine's own edit
// box and in ours with the same built-in font, and in ours with the
// TrueType font; single-line, multi-line with word wrap, and multi-line
// without it, on one long line and on lines of about 64 characters. The three boxes
// take turns on every keystroke, so their ratio holds on a busy machine;
// the lengths show whether a keystroke grows linearly with the text.

#include "gui/editbox/CGUIEditBoxML.h"
#include "support/BenchDevice.h"
#include "support/CallgrindMarker.h"
#include "support/BenchFiles.h"
#include "support/SummaryReporter.h"
#include "support/TextSamples.h"
#include "support/ThreadCpuTime.h"
#include "harness/KeyEvents.h"

#include <cstdio>
#include <string>

using namespace irr;
using namespace benchsupport;

namespace
{

const s32 Lengths[] = {1000, 10000, 100000};
// Keystrokes before every box gets its original text back, so a text
// grows by at most this many characters while it is measured.
const int KeystrokesPerText = 16;

enum BoxKind
{
    EngineBox,
    OurBoxBuiltInFont,
    OurBoxTrueType,
    BoxKindCount
};

const char* const BoxCounters[BoxKindCount] = {"engine_us", "ours_builtin_us", "ours_ttf_us"};

enum Layout
{
    SingleLine,
    MultiLineWrap,
    MultiLinePlain,
    MultiLineLines
};
const Layout Layouts[] = {SingleLine, MultiLineWrap, MultiLinePlain, MultiLineLines};

const char* layoutName(Layout layout)
{
    switch (layout)
    {
    case SingleLine:
        return "single";
    case MultiLineWrap:
        return "multi_wrap";
    case MultiLinePlain:
        return "multi_plain";
    default:
        return "multi_lines";
    }
}

// Every layout takes one run of words, but for the line feeds of the last.
std::wstring sampleText(Layout layout, s32 length)
{
    return layout == MultiLineLines ? asciiLines((size_t)length) : asciiWords((size_t)length);
}

const SEvent TypeA = harness::keyEvent(KEY_KEY_A, L'a');
const SEvent ControlEnd = harness::keyEvent(KEY_END, 0, false, true);

// One measured keystroke per kind of box, each under its own name for
// callgrind.
BENCH_MEASURED_WORK void typeIntoEngineBox(gui::IGUIEditBox& box)
{
    box.OnEvent(TypeA);
}
BENCH_MEASURED_WORK void typeIntoOurBoxWithBuiltInFont(gui::IGUIEditBox& box)
{
    box.OnEvent(TypeA);
}
BENCH_MEASURED_WORK void typeIntoOurBoxWithTrueTypeFont(gui::IGUIEditBox& box)
{
    box.OnEvent(TypeA);
}
void (*const TypeInto[BoxKindCount])(gui::IGUIEditBox&) = {
    typeIntoEngineBox, typeIntoOurBoxWithBuiltInFont, typeIntoOurBoxWithTrueTypeFont};

// Three boxes of the same size on one null device, all holding the same text.
class Boxes
{
public:
    Boxes(Layout layout, const std::wstring& text) : Text(text.c_str()), Font(0)
    {
        const core::rect<s32> area(10, 10, 410, 310);
        gui::IGUIEnvironment* gui = Device.gui();
        Box[EngineBox] = gui->addEditBox(Text.c_str(), area, true, gui->getRootGUIElement());
        Box[OurBoxBuiltInFont] =
            new gui::CGUIEditBoxML(gui, Text.c_str(), gui->getRootGUIElement(), area);
        Box[OurBoxBuiltInFont]->drop();
        Box[OurBoxTrueType] =
            new gui::CGUIEditBoxML(gui, Text.c_str(), gui->getRootGUIElement(), area);
        Box[OurBoxTrueType]->drop();
        Font = createIpaFont();
        if (Font)
            Box[OurBoxTrueType]->setOverrideFont(Font);
        for (gui::IGUIEditBox* box : Box)
        {
            // Wrap first: the engine's box breaks a long text without wrap
            // far more slowly, and that is not what is measured here.
            box->setWordWrap(layout == MultiLineWrap);
            box->setMultiLine(layout != SingleLine);
            reset(*box);
        }
    }

    ~Boxes()
    {
        for (gui::IGUIEditBox* box : Box)
            box->remove();
        if (Font)
            Font->drop();
    }

    //! Null when every box takes a typed character at the end of its text;
    //! otherwise what went wrong, for the report.
    const char* check()
    {
        if (!Font)
            return "the TrueType font did not load";
        for (gui::IGUIEditBox* box : Box)
        {
            box->OnEvent(TypeA);
            const core::stringw now = box->getText();
            const bool atEnd = now.size() == Text.size() + 1 && now[Text.size()] == L'a';
            reset(*box);
            if (!atEnd)
                return "a box did not append the typed character";
        }
        return 0;
    }

    gui::IGUIEditBox& operator[](int kind) { return *Box[kind]; }

    //! The original text again, cursor at its end, as a user would leave it.
    void reset(gui::IGUIEditBox& box)
    {
        box.setText(Text.c_str());
        box.OnEvent(ControlEnd);
    }

private:
    BenchDevice Device{video::EDT_NULL, core::dimension2d<u32>(640, 480)};
    core::stringw Text;
    gui::CGUITTFont* Font;
    gui::IGUIEditBox* Box[BoxKindCount];
};

void typeAtEnd(benchmark::State& state, Layout layout, s32 length)
{
    Boxes boxes(layout, sampleText(layout, length));
    if (const char* failure = boxes.check())
    {
        state.SkipWithError(failure);
        return;
    }
    TakingTurns turns(BoxKindCount);
    int typed = 0;
    for (auto _ : state)
    {
        for (int step = 0; step < BoxKindCount; ++step)
        {
            const int kind = turns.order(step);
            turns.time(kind, [&] { TypeInto[kind](boxes[kind]); });
        }
        turns.nextRound();
        if (++typed == KeystrokesPerText)
        {
            typed = 0;
            for (int kind = 0; kind < BoxKindCount; ++kind)
                boxes.reset(boxes[kind]);
        }
    }
    for (int kind = 0; kind < BoxKindCount; ++kind)
        state.counters[BoxCounters[kind]] = turns.medianNs(kind) / 1000;
}

std::string benchName(Layout layout, s32 length)
{
    return std::string("Typing/") + layoutName(layout) + "/" + std::to_string(length);
}

void registerAll()
{
    for (Layout layout : Layouts)
        for (s32 length : Lengths)
            benchmark::RegisterBenchmark(benchName(layout, length).c_str(), typeAtEnd, layout,
                                         length)
                ->Unit(benchmark::kMicrosecond);
}

double keystrokeUs(const SummaryReporter& results, Layout layout, s32 length, BoxKind kind)
{
    return results.counter(benchName(layout, length), BoxCounters[kind]);
}

void summarize(const SummaryReporter& results)
{
    printSummaryHeading("Editing: CPU time of one typed character at the end of the text");
    const char* const boxNames[BoxKindCount] = {"engine's box, built-in font",
                                                "our box, built-in font", "our box, TrueType font"};
    for (Layout layout : Layouts)
    {
        const std::string name = layoutName(layout);
        for (s32 length : Lengths)
            for (int kind = 0; kind < BoxKindCount; ++kind)
                printFigure(name + " " + std::to_string(length) + ": " + boxNames[kind],
                            keystrokeUs(results, layout, length, (BoxKind)kind), "us");
        printAgainstTarget(name + " 10000: ours / engine's, same built-in font",
                           ratioOf(keystrokeUs(results, layout, 10000, OurBoxBuiltInFont),
                                   keystrokeUs(results, layout, 10000, EngineBox)),
                           1.0);
        // Linear growth makes ten times the text cost about ten times the
        // keystroke; a quadratic term would make it a hundred.
        for (int kind = 0; kind < BoxKindCount; ++kind)
            printFigure(name + ": 100000 / 10000 chars, " + boxNames[kind],
                        ratioOf(keystrokeUs(results, layout, 100000, (BoxKind)kind),
                                keystrokeUs(results, layout, 10000, (BoxKind)kind)),
                        "x");
    }
}

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv, registerAll, summarize);
}
