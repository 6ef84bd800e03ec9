#ifndef TESTS_GUI_EDITBOX_EDIT_BOX_TEST_SUPPORT_H_INCLUDED
#define TESTS_GUI_EDITBOX_EDIT_BOX_TEST_SUPPORT_H_INCLUDED

#include "gui/editbox/CGUIEditBoxML.h"
#include "gui/font/CGUITTFont.h"
#include "support/TestEnvironment.h"
#include "harness/EditBoxSoundness.h"
#include "harness/KeyEvents.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace editboxtest
{

using namespace irr;

//! The edit box with its state open to the tests.
class TestEditBox : public gui::CGUIEditBoxML
{
public:
    using gui::CGUIEditBoxML::CGUIEditBoxML;

    using gui::CGUIEditBoxML::breakText;
    using gui::CGUIEditBoxML::calculateScrollPos;
    using gui::CGUIEditBoxML::getCursorPos;
    using gui::CGUIEditBoxML::getLineFromPos;
    using gui::CGUIEditBoxML::setTextRect;

    using gui::CGUIEditBoxML::BlinkStartTime;
    using gui::CGUIEditBoxML::BrokenLines;
    using gui::CGUIEditBoxML::BrokenLineStarts;
    using gui::CGUIEditBoxML::ClipboardOperator;
    using gui::CGUIEditBoxML::CollapsePairsPending;
    using gui::CGUIEditBoxML::CurrentTextRect;
    using gui::CGUIEditBoxML::CursorPos;
    using gui::CGUIEditBoxML::FrameRect;
    using gui::CGUIEditBoxML::HScrollPos;
    using gui::CGUIEditBoxML::MouseSelecting;
    using gui::CGUIEditBoxML::PasswordChar;
    using gui::CGUIEditBoxML::SelectionEnd;
    using gui::CGUIEditBoxML::SelectionStart;
    using gui::CGUIEditBoxML::VScrollPos;

    const core::stringw& text() const { return Text; }
    bool lineLayout() const { return hasLineLayout(); }
};

//! A box in env owned by parent, which belongs to env.
inline TestEditBox* makeBox(gui::IGUIEnvironment* env, const wchar_t* text,
                            const core::rect<s32>& rect, gui::IGUIElement* parent)
{
    TestEditBox* box = new TestEditBox(env, text, parent, rect);
    box->drop();
    return box;
}

//! IPA Gothic at the demo's 12 pixels made the skin's font; the skin keeps it.
inline gui::IGUIFont* useIpaFont(gui::IGUIEnvironment* env)
{
    gui::CGUITTFace* face = new gui::CGUITTFace();
    gui::CGUITTFont* font = new gui::CGUITTFont(env->getVideoDriver());
    EXPECT_TRUE(face->load(testsupport::ipaFontPath()));
    EXPECT_TRUE(font->attach(face, 12));
    env->getSkin()->setFont(font);
    face->drop();
    font->drop();
    return font;
}

using harness::keyEvent;

inline SEvent mouseEvent(EMOUSE_INPUT_EVENT type, s32 x, s32 y)
{
    SEvent event;
    event.EventType = EET_MOUSE_INPUT_EVENT;
    event.MouseInput.Event = type;
    event.MouseInput.X = x;
    event.MouseInput.Y = y;
    event.MouseInput.Wheel = 0;
    event.MouseInput.ButtonStates = 0;
    event.MouseInput.Shift = false;
    event.MouseInput.Control = false;
    return event;
}

//! A clipboard of the process's own, for tests that need no X server.
class FakeClipboard : public IOSOperator
{
public:
    const core::stringc& getOperatingSystemVersion() const override { return Version; }
    void copyToClipboard(const c8* text) const override
    {
        Content = text;
        ++Copies;
    }
    const c8* getTextFromClipboard() const override { return Empty ? 0 : Content.c_str(); }
    bool getProcessorSpeedMHz(u32*) const override { return false; }
    bool getSystemMemory(u32*, u32*) const override { return false; }

    mutable core::stringc Content;
    mutable int Copies = 0;
    //! Gives no text at all, as a clipboard nobody owns.
    bool Empty = false;

private:
    core::stringc Version;
};

inline void useClipboard(TestEditBox* box, IOSOperator* clipboard)
{
    if (clipboard)
        clipboard->grab();
    if (box->ClipboardOperator)
        box->ClipboardOperator->drop();
    box->ClipboardOperator = clipboard;
}

//! A parent that records what its children hand on.
class RecordingParent : public gui::IGUIElement
{
public:
    RecordingParent(gui::IGUIEnvironment* env, const core::rect<s32>& rect)
        : gui::IGUIElement(gui::EGUIET_ELEMENT, env, env->getRootGUIElement(), -1, rect)
    {
    }
    bool OnEvent(const SEvent& event) override
    {
        Events.push_back(event);
        return false;
    }
    std::vector<SEvent> Events;
};

//! A font that draws and measures with another one and records every text
//! it was asked to draw.
class SpyFont : public gui::IGUIFont
{
public:
    struct SDrawCall
    {
        std::wstring Text;
        core::rect<s32> Position;
        video::SColor Color;
        bool HCenter;
        bool VCenter;
        core::rect<s32> Clip;
    };

    explicit SpyFont(gui::IGUIFont* inner) : Inner(inner) { Inner->grab(); }

    void draw(const core::stringw& text, const core::rect<s32>& position, video::SColor color,
              bool hcenter = false, bool vcenter = false, const core::rect<s32>* clip = 0) override
    {
        SDrawCall call = {text.c_str(), position, color,
                          hcenter,      vcenter,  clip ? *clip : core::rect<s32>()};
        Calls.push_back(call);
        if (OnDraw)
            OnDraw();
        Inner->draw(text, position, color, hcenter, vcenter, clip);
    }
    core::dimension2d<u32> getDimension(const wchar_t* text) const override
    {
        return Inner->getDimension(text);
    }
    s32 getCharacterFromPos(const wchar_t* text, s32 x) const override
    {
        return Inner->getCharacterFromPos(text, x);
    }
    void setKerningWidth(s32 kerning) override { Inner->setKerningWidth(kerning); }
    void setKerningHeight(s32 kerning) override { Inner->setKerningHeight(kerning); }
    s32 getKerningWidth(const wchar_t* a = 0, const wchar_t* b = 0) const override
    {
        return Inner->getKerningWidth(a, b);
    }
    s32 getKerningHeight() const override { return Inner->getKerningHeight(); }
    void setInvisibleCharacters(const wchar_t* s) override { Inner->setInvisibleCharacters(s); }

    //! The calls that drew text.
    std::vector<SDrawCall> Calls;
    //! Called at every draw, to look at the drawing element meanwhile.
    std::function<void()> OnDraw;

    //! The first call that drew text, or null.
    const SDrawCall* find(const std::wstring& text) const
    {
        for (const SDrawCall& call : Calls)
            if (call.Text == text)
                return &call;
        return 0;
    }

protected:
    ~SpyFont() override { Inner->drop(); }

private:
    gui::IGUIFont* Inner;
};

inline std::vector<std::wstring> lines(const TestEditBox& box)
{
    std::vector<std::wstring> out;
    for (u32 i = 0; i < box.BrokenLines.size(); ++i)
        out.push_back(box.BrokenLines[i].c_str());
    return out;
}

inline std::vector<s32> starts(const TestEditBox& box)
{
    std::vector<s32> out;
    for (u32 i = 0; i < box.BrokenLineStarts.size(); ++i)
        out.push_back(box.BrokenLineStarts[i]);
    return out;
}

inline s32 widthOf(gui::IGUIFont* font, const wchar_t* text)
{
    return (s32)font->getDimension(text).Width;
}

//! What must hold after every operation, whatever came before: indices in
//! the text, line arrays of equal length, and in line layout lines that are
//! the text itself, in order, with breaks shown as spaces.
inline void expectSound(const TestEditBox& box)
{
    const harness::SEditBoxState state = {
        &box.text(),      box.CursorPos,    box.SelectionStart,   box.SelectionEnd,
        box.lineLayout(), &box.BrokenLines, &box.BrokenLineStarts};
    const char* fault = harness::findEditBoxFault(state);
    ASSERT_FALSE(fault) << fault;
}

} // namespace editboxtest

#endif
