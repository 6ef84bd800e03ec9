#include "gui/editbox/CGUIEditBoxMLFactory.h"

#include "gui/editbox/CGUIEditBoxML.h"

#include <cstring>

namespace irr
{
namespace gui
{

CGUIEditBoxMLFactory::CGUIEditBoxMLFactory(IGUIEnvironment* environment) : Environment(environment)
{
}

IGUIElement* CGUIEditBoxMLFactory::addGUIElement(EGUI_ELEMENT_TYPE type, IGUIElement* parent)
{
    if (type != EGUIET_EDIT_BOX || !Environment)
        return 0;
    if (!parent)
        parent = Environment->getRootGUIElement();

    // The size is a placeholder: loading sets the rectangle right after.
    CGUIEditBoxML* box =
        new CGUIEditBoxML(Environment, L"", parent, core::rect<s32>(0, 0, 100, 100));
    box->drop();
    return box;
}

IGUIElement* CGUIEditBoxMLFactory::addGUIElement(const c8* typeName, IGUIElement* parent)
{
    if (!typeName || std::strcmp(typeName, GUIElementTypeNames[EGUIET_EDIT_BOX]) != 0)
        return 0;
    return addGUIElement(EGUIET_EDIT_BOX, parent);
}

s32 CGUIEditBoxMLFactory::getCreatableGUIElementTypeCount() const
{
    return 1;
}

EGUI_ELEMENT_TYPE CGUIEditBoxMLFactory::getCreateableGUIElementType(s32 idx) const
{
    return idx == 0 ? EGUIET_EDIT_BOX : EGUIET_ELEMENT;
}

const c8* CGUIEditBoxMLFactory::getCreateableGUIElementTypeName(s32 idx) const
{
    return idx == 0 ? GUIElementTypeNames[EGUIET_EDIT_BOX] : 0;
}

const c8* CGUIEditBoxMLFactory::getCreateableGUIElementTypeName(EGUI_ELEMENT_TYPE type) const
{
    return type == EGUIET_EDIT_BOX ? GUIElementTypeNames[EGUIET_EDIT_BOX] : 0;
}

void registerEditBoxMLFactory(IGUIEnvironment* environment)
{
    if (!environment)
        return;
    CGUIEditBoxMLFactory* factory = new CGUIEditBoxMLFactory(environment);
    environment->registerGUIElementFactory(factory);
    factory->drop();
}

} // end namespace gui
} // end namespace irr
