#ifndef APP_MY_EVENT_RECEIVER_H_INCLUDED
#define APP_MY_EVENT_RECEIVER_H_INCLUDED

#include <irrlicht.h>

//! Ids of the elements the receiver acts on; the application gives them.
enum EDemoGuiId
{
    QuitButtonId = 101,
    NewWindowButtonId = 102,
    FileOpenButtonId = 103,
    TransparencyScrollBarId = 104
};

//! The demo's receiver: the three buttons and the transparency scroll bar.
/** Reads AppDevice and AppLogListBox, and advances AppWindowOffset. */
class MyEventReceiver : public irr::IEventReceiver
{
public:
    ~MyEventReceiver() override {}
    //! Quit closes the device, New Window opens a test window, File Open a
    //! file dialog; the scroll bar sets the alpha of every skin colour.
    /** \return True for the three button clicks, which only the receiver
    handles; false for everything else, the scroll bar's changes included,
    so that the GUI still sees them. */
    bool OnEvent(const irr::SEvent& event) override;
};

#endif
