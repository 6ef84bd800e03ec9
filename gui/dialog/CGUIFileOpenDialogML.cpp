#include "gui/dialog/CGUIFileOpenDialogML.h"

namespace irr
{
namespace gui
{

namespace
{

const s32 DialogWidth = 350;
const s32 DialogHeight = 250;
// Without a skin there is no title-button size to ask for; this is the
// engine's default skin's, so the layout looks the same either way.
const s32 FallbackWindowButtonWidth = 15;

core::rect<s32> centredIn(IGUIElement* parent)
{
    s32 x = 0;
    s32 y = 0;
    if (parent)
    {
        const core::rect<s32>& area = parent->getAbsolutePosition();
        x = (area.getWidth() - DialogWidth) / 2;
        y = (area.getHeight() - DialogHeight) / 2;
    }
    return core::rect<s32>(x, y, x + DialogWidth, y + DialogHeight);
}

const wchar_t* skinTextOr(IGUISkin* skin, EGUI_DEFAULT_TEXT which, const wchar_t* fallback)
{
    return skin ? skin->getDefaultText(which) : fallback;
}

} // namespace

CGUIFileOpenDialogML::CGUIFileOpenDialogML(IGUIEnvironment* environment, IGUIElement* parent)
    : IGUIFileOpenDialog(environment, parent, -1, centredIn(parent)), DragOrigin(0, 0),
      IsDragging(false), TitleCloseButton(0), OkButton(0), CancelButton(0), EntryListBox(0),
      DirectoryText(0), FileSystem(0), DirectoryListing(0)
{
    setText(L"Please choose a file.");

    createChildren();

    FileSystem = Environment ? Environment->getFileSystem() : 0;
    if (FileSystem)
        FileSystem->grab();

    setTabGroup(true);
    fillEntryList();
}

CGUIFileOpenDialogML::~CGUIFileOpenDialogML()
{
    IReferenceCounted* const held[] = {TitleCloseButton, OkButton,   CancelButton,    EntryListBox,
                                       DirectoryText,    FileSystem, DirectoryListing};
    for (IReferenceCounted* object : held)
        if (object)
            object->drop();
}

void CGUIFileOpenDialogML::createChildren()
{
    if (!Environment)
        return;

    IGUISkin* skin = Environment->getSkin();
    IGUISpriteBank* sprites = skin ? skin->getSpriteBank() : 0;
    const video::SColor symbolColour =
        skin ? skin->getColor(EGDC_WINDOW_SYMBOL) : video::SColor(0xFFFFFFFF);
    const s32 bw = skin ? skin->getSize(EGDS_WINDOW_BUTTON_WIDTH) : FallbackWindowButtonWidth;
    const s32 w = RelativeRect.getWidth();

    TitleCloseButton =
        Environment->addButton(core::rect<s32>(w - bw - 4, 3, w - 4, 3 + bw), this, -1, L"",
                               skinTextOr(skin, EGDT_WINDOW_CLOSE, L"Close"));
    adoptChild(TitleCloseButton, EGUIA_LOWERRIGHT, EGUIA_LOWERRIGHT, EGUIA_UPPERLEFT,
               EGUIA_UPPERLEFT);
    if (TitleCloseButton)
    {
        TitleCloseButton->setTabStop(false);
        if (sprites)
        {
            TitleCloseButton->setSpriteBank(sprites);
            const s32 icon = (s32)skin->getIcon(EGDI_WINDOW_CLOSE);
            TitleCloseButton->setSprite(EGBS_BUTTON_UP, icon, symbolColour, false);
            TitleCloseButton->setSprite(EGBS_BUTTON_DOWN, icon, symbolColour, false);
        }
    }

    OkButton = Environment->addButton(core::rect<s32>(w - 80, 30, w - 10, 50), this, -1,
                                      skinTextOr(skin, EGDT_MSG_BOX_OK, L"OK"));
    adoptChild(OkButton, EGUIA_LOWERRIGHT, EGUIA_LOWERRIGHT, EGUIA_UPPERLEFT, EGUIA_UPPERLEFT);

    CancelButton = Environment->addButton(core::rect<s32>(w - 80, 55, w - 10, 75), this, -1,
                                          skinTextOr(skin, EGDT_MSG_BOX_CANCEL, L"Cancel"));
    adoptChild(CancelButton, EGUIA_LOWERRIGHT, EGUIA_LOWERRIGHT, EGUIA_UPPERLEFT, EGUIA_UPPERLEFT);

    EntryListBox = Environment->addListBox(core::rect<s32>(10, 55, w - 90, 230), this, -1, true);
    adoptChild(EntryListBox, EGUIA_UPPERLEFT, EGUIA_LOWERRIGHT, EGUIA_UPPERLEFT, EGUIA_LOWERRIGHT);

    DirectoryText = Environment->addStaticText(0, core::rect<s32>(10, 30, w - 90, 50), true, false,
                                               this, -1, false);
    adoptChild(DirectoryText, EGUIA_UPPERLEFT, EGUIA_LOWERRIGHT, EGUIA_UPPERLEFT, EGUIA_UPPERLEFT);
}

void CGUIFileOpenDialogML::adoptChild(IGUIElement* child, EGUI_ALIGNMENT left, EGUI_ALIGNMENT right,
                                      EGUI_ALIGNMENT top, EGUI_ALIGNMENT bottom)
{
    if (!child)
        return;
    child->setSubElement(true);
    child->setAlignment(left, right, top, bottom);
    child->grab();
}

const wchar_t* CGUIFileOpenDialogML::getFileName() const
{
    return SelectedPath.c_str();
}

const io::path& CGUIFileOpenDialogML::getDirectoryName()
{
    static const io::path NoDirectory;
    return FileSystem ? FileSystem->getWorkingDirectory() : NoDirectory;
}

} // end namespace gui
} // end namespace irr
