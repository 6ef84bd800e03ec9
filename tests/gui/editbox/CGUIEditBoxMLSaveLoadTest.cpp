#include "EditBoxTestSupport.h"

#include "gui/editbox/CGUIEditBoxMLFactory.h"
#include "support/ScopedDevice.h"

#include <string>
#include <vector>

using namespace irr;
using namespace editboxtest;

namespace
{

const wchar_t* const JapaneseText = L"日本語の文章を入力できます。\n二行目も折り返して表示します。";

bool isOurs(gui::IGUIElement* element)
{
    return dynamic_cast<gui::CGUIEditBoxML*>(element) != 0;
}

//! Every element below start that saving writes, depth first, as one line of
//! its type, whether it is ours, and every attribute it writes.
void describe(gui::IGUIElement* start, io::IFileSystem* fileSystem, const std::wstring& indent,
              std::vector<std::wstring>& out)
{
    const core::list<gui::IGUIElement*>& children = start->getChildren();
    for (core::list<gui::IGUIElement*>::ConstIterator it = children.begin(); it != children.end();
         ++it)
    {
        gui::IGUIElement* child = *it;
        if (child->isSubElement())
            continue;
        io::IAttributes* attributes = fileSystem->createEmptyAttributes();
        child->serializeAttributes(attributes);
        std::wstring line = indent + core::stringw(child->getTypeName()).c_str() +
                            (isOurs(child) ? L" (ours)" : L"");
        for (u32 i = 0; i < attributes->getAttributeCount(); ++i)
        {
            line += L" " +
                    std::wstring(core::stringw(attributes->getAttributeName((s32)i)).c_str()) +
                    L"=" + attributes->getAttributeAsStringW((s32)i).c_str();
        }
        attributes->drop();
        out.push_back(line);
        describe(child, fileSystem, indent + L"  ", out);
    }
}

std::vector<std::wstring> describe(const testsupport::ScopedDevice& app)
{
    std::vector<std::wstring> out;
    describe(app.gui()->getRootGUIElement(), app.device()->getFileSystem(), L"", out);
    return out;
}

gui::IGUIElement* findByName(gui::IGUIEnvironment* env, const char* name)
{
    std::vector<gui::IGUIElement*> pending(1, env->getRootGUIElement());
    while (!pending.empty())
    {
        gui::IGUIElement* element = pending.back();
        pending.pop_back();
        if (std::string(element->getName()) == name)
            return element;
        const core::list<gui::IGUIElement*>& children = element->getChildren();
        for (core::list<gui::IGUIElement*>::ConstIterator it = children.begin();
             it != children.end(); ++it)
            pending.push_back(*it);
    }
    return 0;
}

//! The demo's screen with a window holding engine elements and, inside it
//! and on the root, the two kinds of box the demo shows.
void buildScreen(gui::IGUIEnvironment* env)
{
    gui::IGUIElement* root = env->getRootGUIElement();
    env->addButton(core::rect<s32>(10, 210, 110, 242), 0, 101, L"Quit", L"Exits Program");
    env->addStaticText(L"Transparent Control:", core::rect<s32>(150, 20, 350, 40), true, true, 0,
                       -1, false);
    env->addScrollBar(true, core::rect<s32>(150, 45, 350, 60), 0, 104)->setPos(40);
    env->addListBox(core::rect<s32>(50, 110, 250, 180), 0, -1, false)->addItem(L"ログ");
    gui::IGUIWindow* window = env->addWindow(core::rect<s32>(300, 150, 600, 400), false, L"窓");
    env->addCheckBox(true, core::rect<s32>(10, 30, 100, 50), window, 5, L"check");

    TestEditBox* multi = makeBox(env, JapaneseText, core::rect<s32>(10, 60, 160, 200), window);
    multi->setName("multi");
    multi->setMultiLine(true);
    multi->setWordWrap(true);
    multi->setOverrideColor(video::SColor(255, 0, 0, 128));
    multi->setTextAlignment(gui::EGUIA_CENTER, gui::EGUIA_UPPERLEFT);
    multi->setMax(100);

    TestEditBox* password = makeBox(env, L"秘密 secret", core::rect<s32>(350, 110, 550, 130), root);
    password->setName("password");
    password->setPasswordBox(true, L'●');
    password->setAutoScroll(false);
}

class EditBoxSaveLoad : public ::testing::Test
{
protected:
    EditBoxSaveLoad() : File((Directory.path() + "/screen.xml").c_str()) {}

    testsupport::TemporaryDirectory Directory;
    const io::path File;
};

TEST_F(EditBoxSaveLoad, ABoxWrittenToAFileComesBackAsOursWithItsTextAndProperties)
{
    std::vector<std::wstring> saved;
    std::vector<std::wstring> savedLines;
    {
        testsupport::ScopedDevice app;
        gui::registerEditBoxMLFactory(app.gui());
        useIpaFont(app.gui());
        buildScreen(app.gui());
        saved = describe(app);
        savedLines = lines(*static_cast<TestEditBox*>(findByName(app.gui(), "multi")));
        ASSERT_TRUE(app.gui()->saveGUI(File));
    }

    testsupport::ScopedDevice app;
    gui::registerEditBoxMLFactory(app.gui());
    useIpaFont(app.gui());
    ASSERT_TRUE(app.gui()->loadGUI(File));
    // Each element, ours and the engine's, is back with the same type,
    // parent, order and attributes, caption text included.
    EXPECT_EQ(describe(app), saved);

    gui::IGUIElement* multiElement = findByName(app.gui(), "multi");
    ASSERT_TRUE(isOurs(multiElement));
    TestEditBox* multi = static_cast<TestEditBox*>(multiElement);
    EXPECT_EQ(multi->getParent()->getType(), gui::EGUIET_WINDOW);
    EXPECT_EQ(std::wstring(multi->getText()), JapaneseText);
    EXPECT_TRUE(multi->isMultiLineEnabled());
    EXPECT_TRUE(multi->isWordWrapEnabled());
    EXPECT_EQ(multi->getOverrideColor(), video::SColor(255, 0, 0, 128));
    EXPECT_EQ(multi->getAbsolutePosition(), core::rect<s32>(310, 210, 460, 350));
    // Wrapped as before, at the loaded size and with the loaded flags.
    EXPECT_EQ(lines(*multi), savedLines);
    EXPECT_GT(savedLines.size(), 2u);
    expectSound(*multi);

    gui::IGUIElement* passwordElement = findByName(app.gui(), "password");
    ASSERT_TRUE(isOurs(passwordElement));
    TestEditBox* password = static_cast<TestEditBox*>(passwordElement);
    EXPECT_EQ(std::wstring(password->getText()), L"秘密 secret");
    EXPECT_TRUE(password->isPasswordBox());
    EXPECT_EQ(password->PasswordChar, L'●');
    EXPECT_FALSE(password->isAutoScrollEnabled());
    EXPECT_FALSE(password->isMultiLineEnabled());
    expectSound(*password);
}

TEST_F(EditBoxSaveLoad, OnlyTheEditBoxIsMadeByOurFactory)
{
    testsupport::ScopedDevice app;
    gui::IGUIEnvironment* env = app.gui();
    gui::registerEditBoxMLFactory(env);

    gui::IGUIElement* box = env->addGUIElement("editBox");
    ASSERT_TRUE(isOurs(box));
    EXPECT_EQ(box->getParent(), env->getRootGUIElement());
    gui::IGUIElement* window = env->addGUIElement("window");
    gui::IGUIElement* inWindow = env->addGUIElement("editBox", window);
    EXPECT_TRUE(isOurs(inWindow));
    EXPECT_EQ(inWindow->getParent(), window);

    const char* engineTypes[] = {"button",  "window",    "staticText",
                                 "listBox", "scrollBar", "checkBox"};
    for (const char* name : engineTypes)
    {
        gui::IGUIElement* element = env->addGUIElement(name);
        ASSERT_TRUE(element) << name;
        EXPECT_STREQ(element->getTypeName(), name);
        EXPECT_FALSE(isOurs(element)) << name;
    }
}

// The factory makes its boxes in the environment it serves, not in the
// application's: such a box hangs under that environment's root, measures
// with its skin's font and takes the focus there.
TEST_F(EditBoxSaveLoad, AnotherEnvironmentGetsOurBoxInItself)
{
    testsupport::ScopedDevice app;
    IrrlichtDevice* other = createDevice(video::EDT_NULL);
    ASSERT_TRUE(other);
    gui::IGUIEnvironment* env = other->getGUIEnvironment();
    gui::registerEditBoxMLFactory(env);
    gui::IGUIElement* box = env->addGUIElement("editBox");
    ASSERT_TRUE(isOurs(box));
    EXPECT_EQ(box->getParent(), env->getRootGUIElement());
    EXPECT_EQ(static_cast<gui::IGUIEditBox*>(box)->getActiveFont(), env->getSkin()->getFont());

    EXPECT_TRUE(box->OnEvent(mouseEvent(EMIE_LMOUSE_PRESSED_DOWN, 5, 5)));
    EXPECT_EQ(env->getFocus(), box);
    EXPECT_EQ(app.gui()->getFocus(), (gui::IGUIElement*)0);
    other->drop();
}

} // namespace
