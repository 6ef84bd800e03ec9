#ifndef FUZZ_FUZZ_EDIT_BOX_H_INCLUDED
#define FUZZ_FUZZ_EDIT_BOX_H_INCLUDED

#include "gui/editbox/CGUIEditBoxML.h"
#include "harness/KeyEvents.h"

#include <string>

namespace fuzzsupport
{

//! A clipboard of the process's own that remembers every copy, so that a
//! fuzzer can tell whether the box wrote to it at all.
class CFuzzClipboard : public irr::IOSOperator
{
public:
    const irr::core::stringc& getOperatingSystemVersion() const override { return Version; }
    void copyToClipboard(const irr::c8* text) const override
    {
        Content = text ? text : "";
        ++Copies;
    }
    const irr::c8* getTextFromClipboard() const override { return Empty ? 0 : Content.c_str(); }
    bool getProcessorSpeedMHz(irr::u32*) const override { return false; }
    bool getSystemMemory(irr::u32*, irr::u32*) const override { return false; }

    //! Bytes as a foreign program could leave them; the box sees them up to
    //! the first zero byte, like any C string from a clipboard.
    void set(const void* bytes, size_t length)
    {
        Content = std::string((const char*)bytes, length);
        Empty = false;
    }

    mutable std::string Content;
    mutable unsigned Copies = 0;
    //! Whether getTextFromClipboard answers null, as for an empty clipboard.
    bool Empty = false;

private:
    irr::core::stringc Version;
};

//! The edit box with the state its invariants are about open to the fuzzer.
class CFuzzEditBox : public irr::gui::CGUIEditBoxML
{
public:
    using irr::gui::CGUIEditBoxML::CGUIEditBoxML;

    using irr::gui::CGUIEditBoxML::BrokenLines;
    using irr::gui::CGUIEditBoxML::BrokenLineStarts;
    using irr::gui::CGUIEditBoxML::CursorPos;
    using irr::gui::CGUIEditBoxML::MouseSelecting;
    using irr::gui::CGUIEditBoxML::SelectionEnd;
    using irr::gui::CGUIEditBoxML::SelectionStart;

    const irr::core::stringw& text() const { return Text; }
    bool lineLayout() const { return hasLineLayout(); }

    void useClipboard(irr::IOSOperator* clipboard)
    {
        if (clipboard)
            clipboard->grab();
        if (ClipboardOperator)
            ClipboardOperator->drop();
        ClipboardOperator = clipboard;
    }
};

using harness::keyEvent;

} // namespace fuzzsupport

#endif
