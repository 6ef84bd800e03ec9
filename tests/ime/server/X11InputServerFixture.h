#ifndef TESTS_IME_X11_INPUT_SERVER_FIXTURE_H_INCLUDED
#define TESTS_IME_X11_INPUT_SERVER_FIXTURE_H_INCLUDED

#include "platform/X11InputFixture.h"
#include "ime/server/XInputMethodServer.h"

namespace x11test
{

//! Two edit boxes fed by a real input method server. The parameter is
//! "server locale".
class X11InputServer : public X11Input
{
protected:
    void SetUp() override
    {
        const std::string param = GetParam();
        Name = param.substr(0, param.find(' '));
        if (!testsupport::XInputMethodServer::available(Name))
            GTEST_SKIP() << Name << " or libnss-wrapper is not installed (scripts/install-deps.sh)";
        testsupport::useVirtualDisplay();
        Server = testsupport::XInputMethodServer::shared(Name);
        ASSERT_TRUE(Server) << Name << " did not start";
        X11Input::SetUp();
        ASSERT_TRUE(pumpUntil([] { return testsupport::x11::hasInputContext(); }));
        First = addBox(irr::core::rect<irr::s32>(350, 80, 550, 100));
        Second = addBox(irr::core::rect<irr::s32>(350, 110, 550, 130));
    }

    const char* modifiers() const override
    {
        return testsupport::XInputMethodServer::modifiers(Name);
    }
    std::string locale() const override
    {
        const std::string param = GetParam();
        return param.substr(param.find(' ') + 1);
    }

    std::wstring text(irr::gui::CGUIEditBoxML* box) const { return box->getText(); }

    void clickInto(irr::gui::CGUIEditBoxML* box)
    {
        const irr::core::rect<irr::s32>& r = box->getAbsolutePosition();
        click(r.UpperLeftCorner.X + 10, r.getCenter().Y);
        ASSERT_TRUE(Device->getGUIEnvironment()->hasFocus(box));
    }

    //! Makes the server compose for the focused box, switching it on when
    //! it is off, and leaves the box's text as it was. The server's proof
    //! character (あ for "a" with Anthy) committed is the proof; anything
    //! else says it is off, or not ready yet (fcitx5 loads its input methods
    //! late, IBus takes its engine only once a context has the focus). A
    //! busy server hands keys back late, so each answer is waited for rather
    //! than assumed after a pause.
    bool composeInto(irr::gui::CGUIEditBoxML* box)
    {
        const std::wstring before = text(box);
        for (int attempt = 0; attempt < 10; ++attempt)
        {
            type(Server->proofKeys());
            send({"key", Server->proofCommitKeys()});
            pumpUntil([&] { return text(box) != before; });
            const bool composing = text(box) == before + Server->proofText();
            if (text(box) != before)
            {
                box->setText(before.c_str());
                send({"key", "End"});
            }
            if (composing)
            {
                Device->Posted.clear();
                return true;
            }
            // An engine IBus has just taken may already compose (libpinyin,
            // chewing, hangul): try it before switching, which would turn it off.
            if (attempt % 2 == 0 && Server->attachFocusedClient())
                continue;
            send({"key", Server->toggleKey()});
        }
        return false;
    }

    void type(const char* keys) { send({"type", "--delay", "20", keys}); }

    //! Whether every key the engine saw was a committed character: the keys
    //! that composed them were the server's.
    bool onlyCommitsPressed() const
    {
        for (const SKey& k : presses())
            if (k.Key != irr::KEY_ACCEPT)
                return false;
        return true;
    }

    std::string Name;
    testsupport::XInputMethodServer* Server = 0;
    irr::gui::CGUIEditBoxML* First = 0;
    irr::gui::CGUIEditBoxML* Second = 0;
};

} // namespace x11test

#endif
