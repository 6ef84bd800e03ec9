#ifndef GUI_EDITBOX_C_GUI_EDIT_BOX_ML_FACTORY_H_INCLUDED
#define GUI_EDITBOX_C_GUI_EDIT_BOX_ML_FACTORY_H_INCLUDED

#include <irrlicht.h>

namespace irr
{
namespace gui
{

//! Makes CGUIEditBoxML the edit box that a GUI environment creates by type,
//! as loadGUI does for every "editBox" it reads. Answers for no other type,
//! so the engine's own factory still makes every other element.
class CGUIEditBoxMLFactory : public IGUIElementFactory
{
public:
    explicit CGUIEditBoxMLFactory(IGUIEnvironment* environment);

    //! A new box in the factory's environment, owned by parent (the root
    //! element when parent is null), which must belong to that environment.
    //! Null for any other type.
    virtual IGUIElement* addGUIElement(EGUI_ELEMENT_TYPE type, IGUIElement* parent = 0);
    virtual IGUIElement* addGUIElement(const c8* typeName, IGUIElement* parent = 0);

    virtual s32 getCreatableGUIElementTypeCount() const;
    virtual EGUI_ELEMENT_TYPE getCreateableGUIElementType(s32 idx) const;
    virtual const c8* getCreateableGUIElementTypeName(s32 idx) const;
    virtual const c8* getCreateableGUIElementTypeName(EGUI_ELEMENT_TYPE type) const;

private:
    // Not grabbed: the environment holds the factory, and a reference back
    // would keep both alive for ever.
    IGUIEnvironment* Environment;
};

//! Registers a CGUIEditBoxMLFactory with environment. The environment asks
//! the factory registered last first, so call this after any other factory
//! that also makes edit boxes.
void registerEditBoxMLFactory(IGUIEnvironment* environment);

} // end namespace gui
} // end namespace irr

#endif
