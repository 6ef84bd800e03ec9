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

//! The edit box with its state open to the tests.
class TestEditBox : public irr::gui::CGUIEditBoxML
{
public:
    using irr::gui::CGUIEditBoxML::CGUIEditBoxML;

    using irr::gui::CGUIEditBoxML::breakText;
    using irr::gui::CGUIEditBoxML::calculateScrollPos;
    using irr::gui::CGUIEditBoxML::getCursorPos;
    using irr::gui::CGUIEditBoxML::getLineFromPos;
    using irr::gui::CGUIEditBoxML::setTextRect;

    using irr::gui::CGUIEditBoxML::BlinkStartTime;
    using irr::gui::CGUIEditBoxML::BrokenLines;
    using irr::gui::CGUIEditBoxML::BrokenLineStarts;
    using irr::gui::CGUIEditBoxML::ClipboardOperator;
    using irr::gui::CGUIEditBoxML::CollapsePairsPending;
    using irr::gui::CGUIEditBoxML::CurrentTextRect;
    using irr::gui::CGUIEditBoxML::CursorPos;
    using irr::gui::CGUIEditBoxML::FrameRect;
    using irr::gui::CGUIEditBoxML::HScrollPos;
    using irr::gui::CGUIEditBoxML::MouseSelecting;
    using irr::gui::CGUIEditBoxML::PasswordChar;
    using irr::gui::CGUIEditBoxML::SelectionEnd;
    using irr::gui::CGUIEditBoxML::SelectionStart;
    using irr::gui::CGUIEditBoxML::VScrollPos;

    const irr::core::stringw& text() const { return Text; }
    bool lineLayout() const { return hasLineLayout(); }
};

//! A box in env owned by parent, which belongs to env.
inline TestEditBox* makeBox(irr::gui::IGUIEnvironment* env, const wchar_t* text,
                            const irr::core::rect<irr::s32>& rect, irr::gui::IGUIElement* parent)
{
    TestEditBox* box = new TestEditBox(env, text, parent, rect);
    box->drop();
    return box;
}

//! IPA Gothic at the demo's 12 pixels made the skin's font; the skin keeps it.
inline irr::gui::IGUIFont* useIpaFont(irr::gui::IGUIEnvironment* env)
{
    irr::gui::CGUITTFace* face = new irr::gui::CGUITTFace();
    irr::gui::CGUITTFont* font = new irr::gui::CGUITTFont(env->getVideoDriver());
    EXPECT_TRUE(face->load(testsupport::ipaFontPath()));
    EXPECT_TRUE(font->attach(face, 12));
    env->getSkin()->setFont(font);
    face->drop();
    font->drop();
    return font;
}

using harness::keyEvent;

inline irr::SEvent mouseEvent(irr::EMOUSE_INPUT_EVENT type, irr::s32 x, irr::s32 y)
{
    irr::SEvent event;
    event.EventType = irr::EET_MOUSE_INPUT_EVENT;
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
class FakeClipboard : public irr::IOSOperator
{
public:
    const irr::core::stringc& getOperatingSystemVersion() const override { return Version; }
    void copyToClipboard(const irr::c8* text) const override
    {
        Content = text;
        ++Copies;
    }
    const irr::c8* getTextFromClipboard() const override { return Empty ? 0 : Content.c_str(); }
    bool getProcessorSpeedMHz(irr::u32*) const override { return false; }
    bool getSystemMemory(irr::u32*, irr::u32*) const override { return false; }

    mutable irr::core::stringc Content;
    mutable int Copies = 0;
    //! Gives no text at all, as a clipboard nobody owns.
    bool Empty = false;

private:
    irr::core::stringc Version;
};

inline void useClipboard(TestEditBox* box, irr::IOSOperator* clipboard)
{
    if (clipboard)
        clipboard->grab();
    if (box->ClipboardOperator)
        box->ClipboardOperator->drop();
    box->ClipboardOperator = clipboard;
}

//! A parent that records what its children hand on.
class RecordingParent : public irr::gui::IGUIElement
{
public:
    RecordingParent(irr::gui::IGUIEnvironment* env, const irr::core::rect<irr::s32>& rect)
        : irr::gui::IGUIElement(irr::gui::EGUIET_ELEMENT, env, env->getRootGUIElement(), -1, rect)
    {
    }
    bool OnEvent(const irr::SEvent& event) override
    {
        Events.push_back(event);
        return false;
    }
    std::vector<irr::SEvent> Events;
};

//! A font that draws and measures with another one and records every text
//! it was asked to draw.
class SpyFont : public irr::gui::IGUIFont
{
public:
    struct SDrawCall
    {
        std::wstring Text;
        irr::core::rect<irr::s32> Position;
        irr::video::SColor Color;
        bool HCenter;
        bool VCenter;
        irr::core::rect<irr::s32> Clip;
    };

    explicit SpyFont(irr::gui::IGUIFont* inner) : Inner(inner) { Inner->grab(); }

    void draw(const irr::core::stringw& text, const irr::core::rect<irr::s32>& position,
              irr::video::SColor color, bool hcenter = false, bool vcenter = false,
              const irr::core::rect<irr::s32>* clip = 0) override
    {
        SDrawCall call = {text.c_str(), position, color,
                          hcenter,      vcenter,  clip ? *clip : irr::core::rect<irr::s32>()};
        Calls.push_back(call);
        if (OnDraw)
            OnDraw();
        Inner->draw(text, position, color, hcenter, vcenter, clip);
    }
    irr::core::dimension2d<irr::u32> getDimension(const wchar_t* text) const override
    {
        return Inner->getDimension(text);
    }
    irr::s32 getCharacterFromPos(const wchar_t* text, irr::s32 x) const override
    {
        return Inner->getCharacterFromPos(text, x);
    }
    void setKerningWidth(irr::s32 kerning) override { Inner->setKerningWidth(kerning); }
    void setKerningHeight(irr::s32 kerning) override { Inner->setKerningHeight(kerning); }
    irr::s32 getKerningWidth(const wchar_t* a = 0, const wchar_t* b = 0) const override
    {
        return Inner->getKerningWidth(a, b);
    }
    irr::s32 getKerningHeight() const override { return Inner->getKerningHeight(); }
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
    irr::gui::IGUIFont* Inner;
};

inline std::vector<std::wstring> lines(const TestEditBox& box)
{
    std::vector<std::wstring> out;
    for (irr::u32 i = 0; i < box.BrokenLines.size(); ++i)
        out.push_back(box.BrokenLines[i].c_str());
    return out;
}

inline std::vector<irr::s32> starts(const TestEditBox& box)
{
    std::vector<irr::s32> out;
    for (irr::u32 i = 0; i < box.BrokenLineStarts.size(); ++i)
        out.push_back(box.BrokenLineStarts[i]);
    return out;
}

inline irr::s32 widthOf(irr::gui::IGUIFont* font, const wchar_t* text)
{
    return (irr::s32)font->getDimension(text).Width;
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
