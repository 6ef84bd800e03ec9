#ifndef GUI_DIALOG_C_GUI_FILE_OPEN_DIALOG_ML_H_INCLUDED
#define GUI_DIALOG_C_GUI_FILE_OPEN_DIALOG_ML_H_INCLUDED

#include <irrlicht.h>

namespace irr
{
namespace gui
{

//! A file-open dialog that walks the process's working directory and shows
//! entry names decoded from the user's multibyte code page, so that Japanese
//! and other non-Latin names are readable. The chosen path is kept byte for
//! byte (see getFileName), and directories are entered with the undecoded
//! name, so an entry whose name cannot be decoded still opens.
class CGUIFileOpenDialogML : public IGUIFileOpenDialog
{
public:
    //! Centres a 350x250 dialog in parent and lists the working directory.
    CGUIFileOpenDialogML(IGUIEnvironment* environment, IGUIElement* parent);
    virtual ~CGUIFileOpenDialogML();

    virtual bool OnEvent(const SEvent& event);
    virtual void draw();

    //! The chosen file's full path, widened one byte per wide character
    //! (no decoding). Narrowing it again with the engine's wide-to-narrow
    //! string conversion gives the file system's bytes back, whatever the
    //! locale. Empty until a file is chosen.
    virtual const wchar_t* getFileName() const;

    //! The directory being shown: the process's working directory.
    virtual const io::path& getDirectoryName();

protected:
    //! Re-reads the working directory into the entry list and the
    //! directory text.
    void fillEntryList();

    core::position2d<s32> DragOrigin;
    core::stringw SelectedPath;
    bool IsDragging;

    IGUIButton* TitleCloseButton;
    IGUIButton* OkButton;
    IGUIButton* CancelButton;
    IGUIListBox* EntryListBox;
    IGUIStaticText* DirectoryText;
    io::IFileSystem* FileSystem;
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
