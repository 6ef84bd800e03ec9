#include "app/DriverPrompt.h"

const char* const DriverPromptText = "Please select the driver you want for this example:\n"
                                     " (a) Direct3D 9.0c\n"
                                     " (b) Direct3D 8.1\n"
                                     " (c) OpenGL 1.5\n"
                                     " (d) Software Renderer\n"
                                     " (e) Burning's Software Renderer\n"
                                     " (f) NullDevice\n"
                                     " (otherKey) exit\n\n";

bool promptForDriver(std::istream& in, std::ostream& out, irr::video::E_DRIVER_TYPE& driver)
{
    out << DriverPromptText;
    out.flush();

    char letter = 0;
    if (!(in >> letter))
        return false;

    switch (letter)
    {
    case 'a':
        driver = irr::video::EDT_DIRECT3D9;
        return true;
    case 'b':
        driver = irr::video::EDT_DIRECT3D8;
        return true;
    case 'c':
        driver = irr::video::EDT_OPENGL;
        return true;
    case 'd':
        driver = irr::video::EDT_SOFTWARE;
        return true;
    case 'e':
        driver = irr::video::EDT_BURNINGSVIDEO;
        return true;
    case 'f':
        driver = irr::video::EDT_NULL;
        return true;
    default:
        return false;
    }
}
