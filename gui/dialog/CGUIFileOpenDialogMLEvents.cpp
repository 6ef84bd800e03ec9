#include "gui/dialog/CGUIFileOpenDialogML.h"

namespace irr
{
namespace gui
{

bool CGUIFileOpenDialogML::OnEvent(const SEvent& event)
{
    if (event.EventType == EET_MOUSE_INPUT_EVENT)
        return onMouseEvent(event);
    if (event.EventType != EET_GUI_EVENT)
        return IGUIElement::OnEvent(event);

    switch (event.GUIEvent.EventType)
    {
    case EGET_ELEMENT_FOCUS_LOST:
        IsDragging = false;
        break;
    case EGET_BUTTON_CLICKED:
        if (event.GUIEvent.Caller == TitleCloseButton || event.GUIEvent.Caller == CancelButton)
        {
            sendResultAndClose(EGET_FILE_CHOOSE_DIALOG_CANCELLED);
            return true;
        }
        if (event.GUIEvent.Caller == OkButton && SelectedPath.size())
        {
            sendResultAndClose(EGET_FILE_SELECTED);
            return true;
        }
        break;
    case EGET_LISTBOX_CHANGED:
        if (event.GUIEvent.Caller == EntryListBox)
            return onListBoxChanged(event);
        break;
    case EGET_LISTBOX_SELECTED_AGAIN:
        if (event.GUIEvent.Caller == EntryListBox)
            return onListBoxSelectedAgain(event);
        break;
    default:
        break;
    }
    return IGUIElement::OnEvent(event);
}

bool CGUIFileOpenDialogML::onMouseEvent(const SEvent& event)
{
    switch (event.MouseInput.Event)
    {
    case EMIE_LMOUSE_PRESSED_DOWN:
        DragOrigin.X = event.MouseInput.X;
        DragOrigin.Y = event.MouseInput.Y;
        IsDragging = true;
        if (Environment)
            Environment->setFocus(this);
        return true;
    case EMIE_LMOUSE_LEFT_UP:
        IsDragging = false;
        return true;
    case EMIE_MOUSE_MOVED:
        if (!IsDragging)
            break;
        dragTo(event.MouseInput.X, event.MouseInput.Y);
        return true;
    case EMIE_MOUSE_WHEEL:
        return EntryListBox ? EntryListBox->OnEvent(event) : false;
    default:
        break;
    }
    return IGUIElement::OnEvent(event);
}

void CGUIFileOpenDialogML::dragTo(s32 x, s32 y)
{
    if (Parent)
    {
        // Outside the parent the dialog waits where it is; it catches up
        // from the last accepted position once the pointer is back.
        const core::rect<s32>& area = Parent->getAbsolutePosition();
        if (x < area.UpperLeftCorner.X + 1 || y < area.UpperLeftCorner.Y + 1 ||
            x > area.LowerRightCorner.X - 1 || y > area.LowerRightCorner.Y - 1)
            return;
    }
    move(core::position2d<s32>(x - DragOrigin.X, y - DragOrigin.Y));
    DragOrigin.X = x;
    DragOrigin.Y = y;
}

void CGUIFileOpenDialogML::sendResultAndClose(EGUI_EVENT_TYPE result)
{
    // The parent may remove the dialog while it handles the result; hold it
    // until the dialog has finished removing itself.
    grab();
    if (Parent)
    {
        SEvent event;
        event.EventType = EET_GUI_EVENT;
        event.GUIEvent.Caller = this;
        event.GUIEvent.Element = 0;
        event.GUIEvent.EventType = result;
        Parent->OnEvent(event);
    }
    remove();
    drop();
}

void CGUIFileOpenDialogML::draw()
{
    if (!isVisible())
        return;

    // Without a skin there is no frame to draw; the children still are.
    IGUISkin* skin = Environment ? Environment->getSkin() : 0;
    if (skin)
    {
        core::rect<s32> caption = skin->draw3DWindowBackground(
            this, true, skin->getColor(EGDC_ACTIVE_BORDER), AbsoluteRect, &AbsoluteClippingRect);
        if (Text.size())
        {
            caption.UpperLeftCorner.X += 2;
            caption.LowerRightCorner.X -= skin->getSize(EGDS_WINDOW_BUTTON_WIDTH) + 5;
            if (IGUIFont* font = skin->getFont(EGDF_WINDOW))
                font->draw(Text, caption, skin->getColor(EGDC_ACTIVE_CAPTION), false, true,
                           &AbsoluteClippingRect);
        }
    }
    IGUIElement::draw();
}

} // end namespace gui
} // end namespace irr
