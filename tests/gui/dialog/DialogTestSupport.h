#ifndef TESTS_GUI_DIALOG_DIALOG_TEST_SUPPORT_H_INCLUDED
#define TESTS_GUI_DIALOG_DIALOG_TEST_SUPPORT_H_INCLUDED

#include "gui/dialog/CGUIFileOpenDialogML.h"

#include <irrlicht.h>

#include <ostream>
#include <string>
#include <vector>

namespace irr
{
namespace core
{
// Readable failure messages: non-ASCII characters as code points.
inline void PrintTo(const stringw& text, std::ostream* os)
{
    *os << '"';
    for (u32 i = 0; i < text.size(); ++i)
    {
        if (text[i] >= 0x20 && text[i] < 0x7f)
            *os << (char)text[i];
        else
            *os << "\\u{" << std::hex << (unsigned long)(u32)text[i] << std::dec << '}';
    }
    *os << '"';
}
inline void PrintTo(const rect<s32>& r, std::ostream* os)
{
    *os << '(' << r.UpperLeftCorner.X << ", " << r.UpperLeftCorner.Y << ", " << r.LowerRightCorner.X
        << ", " << r.LowerRightCorner.Y << ')';
}
} // namespace core
} // namespace irr

namespace dialogtest
{

//! Makes dir the process's working directory while the object lives.
class ScopedWorkingDirectory
{
public:
    explicit ScopedWorkingDirectory(const std::string& dir);
    ~ScopedWorkingDirectory();

private:
    std::string Saved;
};

void makeDirectory(const std::string& path);
void writeFile(const std::string& path);

//! The dialog with its state in view, and a flag that tells when it is gone.
class DialogProbe : public irr::gui::CGUIFileOpenDialogML
{
public:
    DialogProbe(irr::gui::IGUIEnvironment* env, irr::gui::IGUIElement* parent, bool* destroyed = 0)
        : CGUIFileOpenDialogML(env, parent), Destroyed(destroyed)
    {
        if (Destroyed)
            *Destroyed = false;
    }
    ~DialogProbe() override
    {
        if (Destroyed)
            *Destroyed = true;
    }

    irr::gui::IGUIButton* closeButton() const { return TitleCloseButton; }
    irr::gui::IGUIButton* okButton() const { return OkButton; }
    irr::gui::IGUIButton* cancelButton() const { return CancelButton; }
    irr::gui::IGUIListBox* list() const { return EntryListBox; }
    irr::gui::IGUIStaticText* directoryText() const { return DirectoryText; }
    irr::io::IFileList* listing() const { return DirectoryListing; }
    void refill() { fillEntryList(); }

private:
    bool* Destroyed;
};

//! A plain 640x480 element below the root that keeps every GUI event its
//! children send, and what the dialog reported as its file name meanwhile.
class RecordingParent : public irr::gui::IGUIElement
{
public:
    struct Record
    {
        irr::gui::EGUI_EVENT_TYPE Type;
        irr::gui::IGUIElement* Caller;
        irr::gui::IGUIElement* Element;
        irr::core::stringw FileName;
    };

    explicit RecordingParent(irr::gui::IGUIEnvironment* env);
    bool OnEvent(const irr::SEvent& event) override;

    std::vector<Record> Records;
    //! Closes the dialog itself on its result, as a hasty parent might.
    bool RemoveDialogOnResult;
};

//! Index of the list item with this text, or -1.
irr::s32 itemIndex(irr::gui::IGUIListBox* list, const wchar_t* text);

//! What the list box sends when the user clicks item index (once or again).
bool selectItem(DialogProbe* dialog, irr::s32 index, bool again = false);

//! A button press as the button reports it to its parent.
bool clickButton(irr::gui::IGUIElement* dialog, irr::gui::IGUIButton* button);

bool sendMouse(irr::gui::IGUIElement* target, irr::EMOUSE_INPUT_EVENT type, irr::s32 x, irr::s32 y,
               irr::f32 wheel = 0.f);

bool hasChild(irr::gui::IGUIElement* parent, irr::gui::IGUIElement* child);

} // namespace dialogtest

#endif
