#ifndef GUI_EDITBOX_C_GUI_EDIT_BOX_ML_FACTORY_H_INCLUDED
#define GUI_EDITBOX_C_GUI_EDIT_BOX_ML_FACTORY_H_INCLUDED

#include <irrlicht.h>

namespace irr
{
namespace gui
{

//! Makes CGUIEditBoxML the edit box that a GUI environment creates by type.
/** loadGUI creates every "editBox" it reads this way. The factory answers
for no other type, so the engine's own factory still makes every other
element. */
class CGUIEditBoxMLFactory : public IGUIElementFactory
{
public:
    //! \param environment: The environment whose boxes the factory makes.
    //! Not grabbed: the environment holds the factory.
    explicit CGUIEditBoxMLFactory(IGUIEnvironment* environment);

    //! Creates an edit box.
    /** \param type: Must be EGUIET_EDIT_BOX.
    \param parent: Element that owns the box, which must belong to the
    factory's environment; null for the environment's root element.
    \return The new box in the factory's environment, owned by parent: the
    caller does not drop it. Null for any other type or without an
    environment. */
    IGUIElement* addGUIElement(EGUI_ELEMENT_TYPE type, IGUIElement* parent = 0) override;
    //! Creates an edit box by type name.
    /** \param typeName: Must be "editBox".
    \param parent: As for the other form.
    \return As for the other form. */
    IGUIElement* addGUIElement(const c8* typeName, IGUIElement* parent = 0) override;

    //! \return 1: the factory makes one type.
    s32 getCreatableGUIElementTypeCount() const override;
    //! \return EGUIET_EDIT_BOX for idx 0, else EGUIET_ELEMENT.
    EGUI_ELEMENT_TYPE getCreateableGUIElementType(s32 idx) const override;
    //! \return "editBox" for idx 0, else null. A static string.
    const c8* getCreateableGUIElementTypeName(s32 idx) const override;
    //! \return "editBox" for EGUIET_EDIT_BOX, else null. A static string.
    const c8* getCreateableGUIElementTypeName(EGUI_ELEMENT_TYPE type) const override;

private:
    // Not grabbed: the environment holds the factory, and a reference back
    // would keep both alive for ever.
    IGUIEnvironment* Environment;
};

//! Registers a CGUIEditBoxMLFactory with an environment.
/** The environment asks the factory registered last first, so call this
after any other factory that also makes edit boxes.
\param environment: The environment that takes the factory and holds it;
nothing happens for null. */
void registerEditBoxMLFactory(IGUIEnvironment* environment);

} // end namespace gui
} // end namespace irr

#endif
