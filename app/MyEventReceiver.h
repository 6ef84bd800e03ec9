#ifndef APP_MY_EVENT_RECEIVER_H_INCLUDED
#define APP_MY_EVENT_RECEIVER_H_INCLUDED

#include <irrlicht.h>

//! The demo's receiver: the three buttons and the transparency scroll bar.
class MyEventReceiver : public irr::IEventReceiver
{
public:
    virtual ~MyEventReceiver() {}
    virtual bool OnEvent(const irr::SEvent& event);
};

#endif
