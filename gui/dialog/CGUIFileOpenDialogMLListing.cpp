#include "gui/dialog/CGUIFileOpenDialogML.h"

#include "gui/dialog/WorkingDirectoryRecovery.h"
#include "text/UserLocaleText.h"
#include "text/DirectoryListing.h"

namespace irr
{
namespace gui
{

void CGUIFileOpenDialogML::fillEntryList()
{
    IGUISkin* skin = Environment ? Environment->getSkin() : 0;
    if (!FileSystem || !EntryListBox || !skin)
        return;

    // A directory removed while it was shown cannot be listed, and the file
    // system names none then: the nearest parent that still exists is where
    // a user expects to find themselves.
    returnToExistingDirectory(FileSystem, ListedDirectory);
    const io::path& current = FileSystem->getWorkingDirectory();
    if (current.size())
        ListedDirectory = current;

    if (DirectoryListing)
        DirectoryListing->drop();
    EntryListBox->clear();
    DirectoryListing = ime::createDirectoryListing(FileSystem);

    // Names come from the file system in the user's code page; the process
    // may run in another locale, which it gets back when the scope ends.
    ime::CUserLocaleScope userLocale;

    for (u32 i = 0; DirectoryListing && i < DirectoryListing->getFileCount(); ++i)
    {
        const io::path& name = DirectoryListing->getFileName(i);
        const EGUI_DEFAULT_ICON icon =
            DirectoryListing->isDirectory(i) ? EGDI_DIRECTORY : EGDI_FILE;
        EntryListBox->addItem(ime::decodeMultibyteLeniently(name.c_str(), name.size()).c_str(),
                              (s32)skin->getIcon(icon));
    }

    if (DirectoryText)
        DirectoryText->setText(
            ime::decodeMultibyteLeniently(ListedDirectory.c_str(), ListedDirectory.size()).c_str());
}

s32 CGUIFileOpenDialogML::selectedEntry() const
{
    if (!DirectoryListing || !EntryListBox)
        return -1;
    // Nothing selected, or a list that no longer matches the listing (an
    // item added from outside), must not index past the listing.
    const s32 selected = EntryListBox->getSelected();
    if (selected < 0 || (u32)selected >= DirectoryListing->getFileCount())
        return -1;
    return selected;
}

void CGUIFileOpenDialogML::recordSelectedFile(s32 entry)
{
    // Byte for byte on purpose: whoever narrows getFileName() again gets
    // exactly the path the file system gave, decodable or not.
    SelectedPath = DirectoryListing->getFullFileName((u32)entry);
}

bool CGUIFileOpenDialogML::onListBoxChanged(const SEvent& event)
{
    if (DirectoryListing && FileSystem)
    {
        const s32 entry = selectedEntry();
        if (entry < 0 || DirectoryListing->isDirectory((u32)entry))
            SelectedPath = L"";
        else
            recordSelectedFile(entry);
    }
    return IGUIElement::OnEvent(event);
}

bool CGUIFileOpenDialogML::onListBoxSelectedAgain(const SEvent& event)
{
    const s32 entry = selectedEntry();
    if (!FileSystem || entry < 0)
        return IGUIElement::OnEvent(event);

    if (!DirectoryListing->isDirectory((u32)entry))
    {
        recordSelectedFile(entry);
        return true;
    }

    // The undecoded name, so that directories whose names the locale cannot
    // decode can be entered as well. A refused change simply re-lists
    // whatever the working directory now is.
    FileSystem->changeWorkingDirectoryTo(DirectoryListing->getFileName((u32)entry));
    fillEntryList();
    SelectedPath = L"";
    return IGUIElement::OnEvent(event);
}

} // end namespace gui
} // end namespace irr
