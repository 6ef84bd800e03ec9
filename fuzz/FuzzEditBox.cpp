// The edit box under whatever a user can do to it: the input is decoded into
// a sequence of key events (every key code, any character, Shift and Control
// in any combination, releases), mouse events anywhere, property changes,
// setText, attribute round trips, focus changes, frames and clipboard
// contents of any bytes, in a UTF-8, EUC-JP or Shift_JIS user locale. After
// every step the box must be sound: cursor and selection inside the text,
// line arrays that describe the text, and a password box must never have
// written to the clipboard.
#include "FuzzEditBox.h"
#include "FuzzSupport.h"

#include "gui/font/CGUITTFace.h"
#include "gui/font/CGUITTFont.h"
#include "harness/EditBoxSoundness.h"
#include "platform/InputMethodPlatform.h"
#include "platform/TickCountOverride.h"

#include <clocale>
#include <cstring>

using namespace irr;
using namespace fuzzsupport;

namespace
{

gui::IGUIFont* IpaFont = 0;

void checkSound(const CFuzzEditBox* box)
{
    const harness::SEditBoxState state = {
        &box->text(),      box->CursorPos,    box->SelectionStart,   box->SelectionEnd,
        box->lineLayout(), &box->BrokenLines, &box->BrokenLineStarts};
    const char* fault = harness::findEditBoxFault(state);
    require(!fault, fault);
}

core::stringw randomText(CInput& in, unsigned maxLength)
{
    core::stringw text;
    for (unsigned n = in.pick(maxLength + 1); n > 0; --n)
        text.append(in.character());
    // The box takes a C string: a zero character ends the text there.
    return core::stringw(text.c_str());
}

EKEY_CODE randomKey(CInput& in)
{
    // Mostly the keys the box acts on, but any code can come.
    static const EKEY_CODE Keys[] = {KEY_BACK,  KEY_DELETE, KEY_RETURN, KEY_LEFT,   KEY_RIGHT,
                                     KEY_HOME,  KEY_END,    KEY_UP,     KEY_DOWN,   KEY_KEY_A,
                                     KEY_KEY_C, KEY_KEY_X,  KEY_KEY_V,  KEY_ACCEPT, KEY_SPACE,
                                     KEY_TAB,   KEY_ESCAPE, KEY_SHIFT,  KEY_F1,     KEY_PRIOR};
    const uint8_t b = in.byte();
    if (b & 1)
        return Keys[(b >> 1) % (sizeof(Keys) / sizeof(Keys[0]))];
    return (EKEY_CODE)(in.byte() % KEY_KEY_CODES_COUNT);
}

void sendKey(CInput& in, CFuzzEditBox* box, CFuzzClipboard* clipboard, gui::IGUIEnvironment* env)
{
    const EKEY_CODE key = randomKey(in);
    const wchar_t c = in.character();
    const uint8_t flags = in.byte();
    const SEvent event = keyEvent(key, c, flags & 1, flags & 2, (flags & 12) != 12);

    const bool password = box->isPasswordBox();
    const unsigned copies = clipboard->Copies;
    if (flags & 16)
        env->postEventFromUser(event);
    else
        box->OnEvent(event);
    if (password)
        require(clipboard->Copies == copies, "a password box wrote to the clipboard");
}

void sendMouse(CInput& in, CFuzzEditBox* box, gui::IGUIEnvironment* env)
{
    SEvent event;
    memset(&event, 0, sizeof(event));
    event.EventType = EET_MOUSE_INPUT_EVENT;
    event.MouseInput.Event = (EMOUSE_INPUT_EVENT)in.pick(EMIE_COUNT);
    // Mostly near the box, sometimes anywhere a pointer can be.
    const bool near = in.flag();
    event.MouseInput.X = near ? (s32)in.byte() - 40 : (s32)(int16_t)in.u16();
    event.MouseInput.Y = near ? (s32)(in.byte() % 140) - 30 : (s32)(int16_t)in.u16();
    event.MouseInput.Wheel = (f32)(int8_t)in.byte();
    if (in.flag())
        env->postEventFromUser(event);
    else
        box->OnEvent(event);
}

void changeProperty(CInput& in, CFuzzEditBox* box, gui::IGUIEnvironment* env)
{
    switch (in.pick(11))
    {
    case 0:
        box->setMultiLine(in.flag());
        break;
    case 1:
        box->setWordWrap(in.flag());
        break;
    case 2:
        box->setPasswordBox(in.flag(), in.character());
        break;
    case 3:
        box->setMax(in.flag() ? 0 : in.byte() % 40);
        break;
    case 4:
        box->setTextAlignment((gui::EGUI_ALIGNMENT)in.pick(4), (gui::EGUI_ALIGNMENT)in.pick(4));
        break;
    case 5:
        box->setAutoScroll(in.flag());
        break;
    case 6:
        box->setDrawBorder(in.flag());
        break;
    case 7:
    {
        gui::IGUIFont* const fonts[] = {0, env->getBuiltInFont(), IpaFont};
        box->setOverrideFont(fonts[in.pick(3)]);
        break;
    }
    case 8:
        box->setEnabled(in.pick(4) != 0);
        break;
    case 9:
    {
        // Any size, down to nothing and inside out.
        const s32 x = (s32)(int8_t)in.byte(), y = (s32)(int8_t)in.byte();
        box->setRelativePosition(
            core::rect<s32>(x, y, x + (s32)(int8_t)in.byte() * 3, y + (s32)(int8_t)in.byte()));
        break;
    }
    default:
        box->getTextDimension();
        break;
    }
}

void setText(CInput& in, CFuzzEditBox* box)
{
    core::stringw text = randomText(in, 40);
    // Now and then a long text, so that scrolling and wrapping have work.
    for (unsigned repeat = in.flag() ? in.byte() : 0; repeat > 0; --repeat)
        text.append(L"\x65e5\x672c word ");
    box->setText(text.c_str());
}

void setClipboard(CInput& in, CFuzzClipboard* clipboard)
{
    const uint8_t b = in.byte();
    clipboard->Empty = (b & 7) == 0;
    const uint8_t* bytes = 0;
    const size_t length = in.take(bytes, b >> 2);
    clipboard->set(bytes, length);
}

void roundTripAttributes(CInput& in, CFuzzEditBox* box, gui::IGUIEnvironment* env)
{
    io::IAttributes* attributes =
        env->getFileSystem()->createEmptyAttributes(env->getVideoDriver());
    box->serializeAttributes(attributes);
    // A hand-edited GUI file can hold anything under the box's keys.
    switch (in.pick(5))
    {
    case 0:
        attributes->setAttribute("MaxChars", (s32)in.u24() - 0x800000);
        break;
    case 1:
        attributes->setAttribute("PasswordChar", randomText(in, 3).c_str());
        break;
    case 2:
        attributes->setAttribute(in.flag() ? "HTextAlign" : "VTextAlign",
                                 in.flag() ? "middle" : "");
        break;
    case 3:
        attributes->setAttribute(in.flag() ? "MultiLine" : "PasswordBox", in.flag());
        attributes->setAttribute("WordWrap", in.flag());
        break;
    default:
        attributes->setAttribute("Caption", randomText(in, 20).c_str());
        break;
    }
    box->deserializeAttributes(attributes);
    attributes->drop();
}

void drawFrame(gui::IGUIEnvironment* env)
{
    video::IVideoDriver* driver = env->getVideoDriver();
    driver->beginScene(true, true, video::SColor(255, 200, 200, 200));
    env->drawAll();
    driver->endScene();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    appDevice();
    gui::CGUITTFace* face = new gui::CGUITTFace();
    gui::CGUITTFont* font = new gui::CGUITTFont(appDevice()->getVideoDriver());
    require(face->load(ipaFont()), "IPA Gothic did not load");
    require(font->attach(face, 12), "IPA Gothic did not attach");
    face->drop();
    IpaFont = font;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CInput in(data, size);
    useUserLocale(in.byte());
    ime::setTickCountOverride(true, in.u24());

    gui::IGUIEnvironment* env = appDevice()->getGUIEnvironment();
    CFuzzEditBox* box = new CFuzzEditBox(env, L"Editable Text1", env->getRootGUIElement(),
                                         core::rect<s32>(10, 10, 130, 70));
    CFuzzClipboard* clipboard = new CFuzzClipboard();
    box->useClipboard(clipboard);
    if (in.flag())
        env->setFocus(box);

    for (unsigned steps = 0; !in.empty() && steps < 256; ++steps)
    {
        switch (in.pick(12))
        {
        case 0:
        case 1:
        case 2:
        case 3:
            sendKey(in, box, clipboard, env);
            break;
        case 4:
        case 5:
            sendMouse(in, box, env);
            break;
        case 6:
            changeProperty(in, box, env);
            break;
        case 7:
            setText(in, box);
            break;
        case 8:
            setClipboard(in, clipboard);
            break;
        case 9:
            drawFrame(env);
            break;
        case 10:
            if (in.flag())
                env->setFocus(box);
            else
                env->removeFocus(box);
            ime::setTickCountOverride(true, in.u24());
            break;
        default:
            roundTripAttributes(in, box, env);
            break;
        }
        checkSound(box);
        require(strcmp(setlocale(LC_ALL, 0), "C") == 0, "the process locale was not restored");
    }

    env->removeFocus(box);
    box->remove();
    box->drop();
    clipboard->drop();
    return 0;
}
