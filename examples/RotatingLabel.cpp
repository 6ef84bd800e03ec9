// A rotating cube under a Japanese label and a second label in Japanese,
// simplified Chinese and Korean, and an edit box below it that takes typed
// and input-method text in all three. The Chinese and Korean characters the
// Japanese font lacks come from the system's fonts for those languages.
// Options:
//   --font PATH        the TrueType font (default: Debian's IPA Gothic)
//   --frames N         ends after N frames (default: runs until closed)
//   --seconds S        ends after S seconds
//   --screenshot FILE  writes the last frame to FILE (PNG) before ending
#include <mojiban.h>
#include <irrlicht.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace irr;

namespace
{

struct SOptions
{
    const char* FontPath = "/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf";
    long Frames = -1;
    long Seconds = -1;
    const char* Screenshot = nullptr;
};

bool parseOptions(int argc, char** argv, SOptions& options)
{
    for (int i = 1; i + 1 < argc; i += 2)
    {
        if (!strcmp(argv[i], "--font"))
            options.FontPath = argv[i + 1];
        else if (!strcmp(argv[i], "--frames"))
            options.Frames = strtol(argv[i + 1], nullptr, 10);
        else if (!strcmp(argv[i], "--seconds"))
            options.Seconds = strtol(argv[i + 1], nullptr, 10);
        else if (!strcmp(argv[i], "--screenshot"))
            options.Screenshot = argv[i + 1];
        else
            return false;
    }
    return argc % 2 == 1;
}

gui::CGUITTFont* loadFont(video::IVideoDriver* driver, const char* path, u32 size)
{
    gui::CGUITTFace* face = new gui::CGUITTFace();
    gui::CGUITTFont* font = nullptr;
    if (face->load(path))
    {
        font = new gui::CGUITTFont(driver);
        font->setGlyphAtlas(true);     // glyphs on a few shared textures, a line in one draw
        if (!font->attach(face, size)) // the font grabs the face it keeps
        {
            font->drop();
            font = nullptr;
        }
    }
    face->drop();
    return font;
}

// Characters the font's own face lacks are drawn from these faces, in this
// order. A language without a system font only leaves its characters blank.
void addSystemFallbacks(gui::CGUITTFont* font)
{
    const char* const languages[] = {"zh-CN", "ko"};
    for (const char* language : languages)
    {
        gui::CGUITTFace* face = gui::loadSystemFace(language);
        if (!face)
        {
            fprintf(stderr, "no system font for %s\n", language);
            continue;
        }
        font->addFallback(face); // the font grabs the face
        face->drop();
    }
}

// The label's three parts, each in a cell of its own.
const wchar_t* const LabelParts[] = {L"日本語", L"汉语", L"한국어"};
const s32 LabelCellWidth = 200;

void drawLabels(gui::CGUITTFont* font)
{
    font->draw(L"回る立方体と日本語のラベル", core::rect<s32>(20, 20, 620, 60),
               video::SColor(255, 255, 255, 0));
    for (s32 i = 0; i < 3; ++i)
    {
        const s32 left = 20 + i * LabelCellWidth;
        font->draw(LabelParts[i], core::rect<s32>(left, 70, left + LabelCellWidth, 110),
                   video::SColor(255, 0, 255, 255));
    }
}

void buildScene(scene::ISceneManager* scene)
{
    scene::ISceneNode* cube = scene->addCubeSceneNode(10.0f);
    video::SMaterial& material = cube->getMaterial(0);
    material.DiffuseColor = video::SColor(255, 230, 120, 40);
    material.AmbientColor = video::SColor(255, 90, 50, 20);
    scene->setAmbientLight(video::SColorf(0.3f, 0.3f, 0.3f));
    scene->addLightSceneNode(0, core::vector3df(-20, 30, -30), video::SColorf(1, 1, 1), 100.0f);
    scene::ISceneNodeAnimator* spin =
        scene->createRotationAnimator(core::vector3df(0.3f, 0.8f, 0.0f));
    cube->setRotation(core::vector3df(20, 30, 0));
    cube->addAnimator(spin);
    spin->drop();
    scene->addCameraSceneNode(0, core::vector3df(0, 8, -25), core::vector3df(0, 0, 0));
}

void saveScreenshot(video::IVideoDriver* driver, const char* path)
{
    video::IImage* shot = driver->createScreenShot();
    if (shot)
    {
        driver->writeImageToFile(shot, path);
        shot->drop();
    }
}

} // namespace

int main(int argc, char** argv)
{
    SOptions options;
    if (!parseOptions(argc, argv, options))
    {
        fprintf(stderr, "usage: %s [--font PATH] [--frames N] [--seconds S] [--screenshot FILE]\n",
                argv[0]);
        return 2;
    }

    // The platform layer makes the window, so that input-method text reaches it.
    IrrlichtDevice* device =
        ime::createDevice(video::EDT_BURNINGSVIDEO, core::dimension2d<u32>(640, 480), 32, false,
                          false, false, nullptr);
    if (!device)
        return 1;
    device->setWindowCaption(L"Mojiban example");
    video::IVideoDriver* driver = device->getVideoDriver();
    gui::IGUIEnvironment* env = device->getGUIEnvironment();

    gui::CGUITTFont* font = loadFont(driver, options.FontPath, 24);
    if (!font)
    {
        fprintf(stderr, "cannot use the font %s\n", options.FontPath);
        device->drop();
        return 1;
    }
    addSystemFallbacks(font);
    buildScene(device->getSceneManager());

    gui::CGUIEditBoxML* box =
        new gui::CGUIEditBoxML(env, L"ここに入力・在这里输入・여기에 입력",
                               env->getRootGUIElement(), core::rect<s32>(20, 420, 620, 456));
    box->setOverrideFont(font);
    box->setInlineComposition(true); // the reading is drawn in the box itself
    env->setFocus(box);
    box->drop(); // the root element keeps it

    CIrrInputMethod* pump = new CIrrInputMethod(device);
    const u32 start = ime::getTickCount();
    for (long frame = 0; pump->run(); ++frame)
    {
        driver->beginScene(true, true, video::SColor(255, 20, 30, 80));
        device->getSceneManager()->drawAll();
        drawLabels(font);
        env->drawAll();
        driver->endScene();
        const bool framesDone = options.Frames >= 0 && frame + 1 >= options.Frames;
        const bool timeDone =
            options.Seconds >= 0 && ime::getTickCount() - start >= (u32)options.Seconds * 1000u;
        if (framesDone || timeDone)
        {
            if (options.Screenshot)
                saveScreenshot(driver, options.Screenshot);
            break;
        }
    }
    pump->drop();
    font->drop();
    device->drop();
    return 0;
}
