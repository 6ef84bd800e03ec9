#ifndef GUI_DIALOG_C_GUI_FILE_OPEN_DIALOG_ML_H_INCLUDED
#define GUI_DIALOG_C_GUI_FILE_OPEN_DIALOG_ML_H_INCLUDED

#include <irrlicht.h>

namespace irr
{
namespace gui
{

//! A file-open dialog for names in the user's multibyte code page.
/** Walks the process's working directory and shows entry names decoded
from the user's code page, so that Japanese and other non-Latin names are
readable. The chosen path is kept byte for byte (see getFileName), and
directories are entered with the undecoded name, so an entry whose name
cannot be decoded still opens.

\warning Entering a directory changes the process's working directory.

\par This element sends the following events of type EGUI_EVENT_TYPE to its
parent, with itself as Caller:
\li EGET_FILE_SELECTED when OK is pressed while a file is chosen;
\li EGET_FILE_CHOOSE_DIALOG_CANCELLED for Cancel and the title bar's close
button.

After either event the dialog removes itself from its parent, whose drop
then destroys it unless someone else holds it. */
class CGUIFileOpenDialogML : public IGUIFileOpenDialog
{
public:
    //! Creates a 350 by 250 dialog centred in parent and lists the working
    //! directory.
    /** \param environment: The GUI environment that makes the children and
    gives the skin and file system. Not grabbed; it must outlive the dialog.
    \param parent: Element that takes the dialog as a child and so holds a
    reference to it; the creator may drop its own right after. */
    CGUIFileOpenDialogML(IGUIEnvironment* environment, IGUIElement* parent);
    //! Drops the children, the file system and the listing it holds.
    ~CGUIFileOpenDialogML() override;

    //! Handles the buttons, the entry list, dragging and the mouse wheel.
    /** \return True when the event was consumed; otherwise the parent's
    result for the same event, or false without a parent. */
    bool OnEvent(const SEvent& event) override;
    //! Draws the window frame, the caption and the children; nothing while
    //! hidden.
    void draw() override;

    //! The chosen file's full path, widened one byte per wide character.
    /** No decoding: narrowing it again with the engine's wide-to-narrow
    string conversion gives the file system's bytes back, whatever the
    locale.
    \return Empty until a file is chosen. Owned by the dialog; valid until
    the selection changes or the dialog is destroyed. */
    const wchar_t* getFileName() const override;

    //! The directory being shown: the process's working directory.
    /** \return The file system's working directory, valid until it
    changes; an empty path without a file system. */
    const io::path& getDirectoryName() override;

protected:
    //! Re-reads the working directory into the entry list and the
    //! directory text.
    void fillEntryList();

    //! Mouse position, in screen pixels, at the start or last step of a drag.
    core::position2d<s32> DragOrigin;
    //! Full path of the chosen file, one wide character per byte; empty
    //! while a directory or nothing is chosen.
    core::stringw SelectedPath;
    //! The dialog follows the mouse.
    bool IsDragging;

    //! The children; each grabbed besides its link to the dialog.
    IGUIButton* TitleCloseButton;
    IGUIButton* OkButton;
    IGUIButton* CancelButton;
    IGUIListBox* EntryListBox;
    IGUIStaticText* DirectoryText;
    //! The environment's file system; grabbed.
    io::IFileSystem* FileSystem;
    //! The listing the entry list shows, entry for entry; owned.
    io::IFileList* DirectoryListing;
    //! The working directory as it was last listed: where to look for an
    //! existing parent when it is removed.
    io::path ListedDirectory;

private:
    CGUIFileOpenDialogML(const CGUIFileOpenDialogML&);
    CGUIFileOpenDialogML& operator=(const CGUIFileOpenDialogML&);

    void createChildren();
    void adoptChild(IGUIElement* child, EGUI_ALIGNMENT left, EGUI_ALIGNMENT right,
                    EGUI_ALIGNMENT top, EGUI_ALIGNMENT bottom);

    bool onListBoxChanged(const SEvent& event);
    bool onListBoxSelectedAgain(const SEvent& event);
    bool onMouseEvent(const SEvent& event);
    void dragTo(s32 x, s32 y);
    //! Index of the listing entry selected in the list, or -1.
    s32 selectedEntry() const;
    void recordSelectedFile(s32 entry);
    void sendResultAndClose(EGUI_EVENT_TYPE result);
};

} // end namespace gui
} // end namespace irr

#endif
