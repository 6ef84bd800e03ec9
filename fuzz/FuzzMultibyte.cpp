// Arbitrary bytes through every conversion between the user's multibyte
// text and wide text, in UTF-8, EUC-JP and Shift_JIS: strings the input
// method commits (the pump), clipboard text pasted into and copied out of the
// edit box, and file names listed by the file-open dialog.
#include "FuzzEditBox.h"
#include "FuzzSupport.h"

#include "gui/dialog/CGUIFileOpenDialogML.h"
#include "text/UserLocaleText.h"
#include "ime/CIrrInputMethod.h"
#include "text/CUserLocaleScope.h"
#include "harness/X11BackendProbe.h"
#include "harness/CRecordingDevice.h"

#include <climits>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using namespace irr;
using namespace fuzzsupport;

namespace
{

typedef std::vector<wchar_t> WideText;

testsupport::CRecordingDevice* PumpDevice = 0;
CIrrInputMethod* Pump = 0;
std::string ListedDirectory;

//! The dialog with its list open to the fuzzer.
class CFuzzDialog : public gui::CGUIFileOpenDialogML
{
public:
    using gui::CGUIFileOpenDialogML::CGUIFileOpenDialogML;
    gui::IGUIListBox* list() const { return EntryListBox; }
};

// What the C library makes of the bytes up to the first zero byte in the
// user's locale, character by character; false when they are not valid.
bool referenceDecode(const char* bytes, WideText& out)
{
    ime::CUserLocaleScope locale;
    out.clear();
    mbstate_t state;
    memset(&state, 0, sizeof(state));
    const size_t length = strlen(bytes);
    size_t pos = 0;
    while (pos < length)
    {
        wchar_t c = 0;
        const size_t used = mbrtowc(&c, bytes + pos, length - pos, &state);
        if (used == (size_t)-1 || used == (size_t)-2 || used == 0)
            return false;
        out.push_back(c);
        pos += used;
    }
    return true;
}

bool sameText(const core::stringw& a, const WideText& b)
{
    if (a.size() != b.size())
        return false;
    for (u32 i = 0; i < a.size(); ++i)
        if (a[i] != b[i])
            return false;
    return true;
}

// A single-line box may keep the line feed of a pasted CR LF pair or drop
// it; the text is the same either way for what is compared here.
core::stringw withoutPairedLineFeeds(const core::stringw& text)
{
    core::stringw out;
    for (u32 i = 0; i < text.size(); ++i)
        if (!(i > 0 && text[i] == L'\n' && text[i - 1] == L'\r'))
            out.append(text[i]);
    return out;
}

void checkPump(const std::string& bytes, bool valid, const WideText& expected)
{
    testsupport::x11::queueCommittedString(bytes.data(), (u32)bytes.size());
    PumpDevice->Posted.clear();
    require(Pump->run(), "the pump asked to quit");

    const std::vector<SEvent>& posted = PumpDevice->Posted;
    if (!valid)
    {
        require(posted.empty(), "invalid committed bytes posted characters");
        return;
    }
    require(posted.size() == expected.size(), "pump posted another number of characters");
    for (size_t i = 0; i < posted.size(); ++i)
    {
        require(posted[i].EventType == EET_KEY_INPUT_EVENT, "pump posted a non-key event");
        require(posted[i].KeyInput.Key == KEY_ACCEPT, "pump posted another key");
        require(posted[i].KeyInput.PressedDown, "pump posted a release");
        require(posted[i].KeyInput.Char == expected[i], "pump posted another character");
    }
}

void copyAll(CFuzzEditBox* box)
{
    box->OnEvent(keyEvent(KEY_KEY_A, 0, false, true));
    box->OnEvent(keyEvent(KEY_KEY_C, 0, false, true));
}

// The user's multibyte form of one character; empty when it has none.
std::string encodeCharacter(wchar_t c)
{
    ime::CUserLocaleScope locale;
    char bytes[MB_LEN_MAX + 1];
    mbstate_t state;
    memset(&state, 0, sizeof(state));
    const size_t length = wcrtomb(bytes, c, &state);
    return length == (size_t)-1 ? std::string() : std::string(bytes, length);
}

// Whatever the box copies must read back as the text it copied, character
// for character. Some encodings fold two characters onto the same bytes
// (EUC-JP writes U+00A5 as a backslash, Shift_JIS reads a backslash as
// U+00A5), so a character counts as read back when it has the same bytes;
// and the C library writes no bytes at all for the language tags
// U+E0000 to U+E007F in the Japanese encodings, so those are not expected.
void checkCopiedText(CFuzzEditBox* box, CFuzzClipboard* clipboard)
{
    const unsigned copies = clipboard->Copies;
    copyAll(box);
    if (clipboard->Copies == copies)
        return;
    WideText back;
    require(referenceDecode(clipboard->Content.c_str(), back),
            "copied bytes are not valid in the user's locale");

    std::vector<std::string> expected;
    const core::stringw& text = box->text();
    for (u32 i = 0; i < text.size(); ++i)
    {
        const std::string bytes = encodeCharacter(text[i]);
        if (!bytes.empty())
            expected.push_back(bytes);
    }
    if (back.size() != expected.size())
    {
        fprintf(stderr, "text:");
        for (u32 i = 0; i < text.size(); ++i)
            fprintf(stderr, " %X", (unsigned)text[i]);
        fprintf(stderr, "\nbytes:");
        for (unsigned char c : clipboard->Content)
            fprintf(stderr, " %02X", c);
        fprintf(stderr, "\n");
    }
    require(back.size() == expected.size(),
            "copied bytes read back as another number of characters");
    for (size_t i = 0; i < back.size(); ++i)
        require(encodeCharacter(back[i]) == expected[i],
                "copied bytes do not read back as the text");
}

void checkClipboard(CInput& in, const std::string& bytes, bool valid, const WideText& expected)
{
    gui::IGUIEnvironment* env = appDevice()->getGUIEnvironment();
    CFuzzEditBox* box =
        new CFuzzEditBox(env, L"xy", env->getRootGUIElement(), core::rect<s32>(10, 10, 300, 40));
    CFuzzClipboard* clipboard = new CFuzzClipboard();
    box->useClipboard(clipboard);

    clipboard->set(bytes.data(), bytes.size());
    box->CursorPos = 1;
    box->OnEvent(keyEvent(KEY_KEY_V, 0, false, true));
    const core::stringw text = withoutPairedLineFeeds(box->text());
    if (valid)
    {
        WideText whole(1, L'x');
        whole.insert(whole.end(), expected.begin(), expected.end());
        whole.push_back(L'y');
        core::stringw wanted;
        for (wchar_t c : whole)
            wanted.append(c);
        require(text == withoutPairedLineFeeds(wanted), "pasted text differs from the bytes");
    }
    else
    {
        require(box->text() == L"xy", "invalid clipboard bytes changed the text");
    }
    require(box->CursorPos >= 0 && box->CursorPos <= (s32)box->text().size(),
            "cursor outside the text after a paste");
    checkCopiedText(box, clipboard);

    // Wide text of any kind on the way out: either the locale expresses it
    // all and it reads back, or the clipboard keeps what it had.
    core::stringw any;
    for (unsigned n = in.pick(12); n > 0; --n)
    {
        const wchar_t c = in.character();
        if (c)
            any.append(c);
    }
    box->setText(any.c_str());
    checkCopiedText(box, clipboard);

    box->remove();
    box->drop();
    clipboard->drop();
}

void checkLenientDecoding(const std::string& bytes, bool valid, const WideText& expected)
{
    core::stringw decoded;
    {
        ime::CUserLocaleScope locale;
        decoded = ime::decodeMultibyteLeniently(bytes.data(), (u32)bytes.size());
    }
    require(decoded.size() <= bytes.size(), "lenient decoding made more characters than bytes");
    for (u32 i = 0; i < decoded.size(); ++i)
        require(decoded[i] != 0, "lenient decoding produced a zero character");
    if (valid && strlen(bytes.c_str()) == bytes.size())
        require(sameText(decoded, expected), "lenient decoding differs on valid text");
}

// A file or directory of that name in the listed directory must be listed,
// decoded like any name, beside the others.
void checkListing(CInput& in, const std::string& bytes)
{
    std::string name;
    for (char c : bytes)
        if (c != '/' && c != 0 && name.size() < 255)
            name += c;
    if (name.empty() || name == "." || name == "..")
        return;

    const std::string path = ListedDirectory + "/" + name;
    const bool directory = in.flag();
    if (directory)
    {
        if (mkdir(path.c_str(), 0700) != 0)
            return;
    }
    else
    {
        const int file = creat(path.c_str(), 0600);
        if (file < 0)
            return;
        close(file);
    }

    // The dialog lists the working directory; libFuzzer's paths may be
    // relative to the one the run started in.
    gui::IGUIEnvironment* env = appDevice()->getGUIEnvironment();
    io::IFileSystem* files = env->getFileSystem();
    const io::path started = files->getWorkingDirectory();
    files->changeWorkingDirectoryTo(ListedDirectory.c_str());
    CFuzzDialog* dialog = new CFuzzDialog(env, env->getRootGUIElement());
    files->changeWorkingDirectoryTo(started);
    core::stringw shown;
    {
        ime::CUserLocaleScope locale;
        shown = ime::decodeMultibyteLeniently(name.data(), (u32)name.size());
    }
    bool found = false;
    gui::IGUIListBox* list = dialog->list();
    for (u32 i = 0; list && i < list->getItemCount(); ++i)
        found = found || shown == list->getListItem(i);
    // The engine's listing takes a backslash for a path separator and keeps
    // only what follows it (docs/ROBUSTNESS.md); such names are only run.
    if (name.find('\\') == std::string::npos && !found)
    {
        fprintf(stderr, "%s %s not listed among:\n", directory ? "directory" : "file",
                name.c_str());
        for (u32 i = 0; list && i < list->getItemCount(); ++i)
            fprintf(stderr, "  %ls\n", list->getListItem(i));
        require(found, "a name of the directory is not listed as decoded");
    }
    dialog->remove();
    dialog->drop();

    if (directory)
        rmdir(path.c_str());
    else
        unlink(path.c_str());
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    IrrlichtDevice* device = appDevice();
    PumpDevice = new testsupport::CRecordingDevice(device);
    Pump = new CIrrInputMethod(PumpDevice);

    char directory[] = "/tmp/mojiban-fuzz-listing-XXXXXX";
    require(mkdtemp(directory) != 0, "no temporary directory");
    ListedDirectory = directory;
    atexit([] { rmdir(ListedDirectory.c_str()); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CInput in(data, size);
    useUserLocale(in.byte());
    const uint8_t* raw = 0;
    const size_t length = in.take(raw, in.pick(256) + 1);
    const std::string bytes((const char*)raw, length);

    WideText expected;
    const bool valid = referenceDecode(bytes.c_str(), expected);

    checkPump(bytes, valid, expected);
    checkClipboard(in, bytes, valid, expected);
    checkLenientDecoding(bytes, valid, expected);
    checkListing(in, bytes);

    require(strcmp(setlocale(LC_ALL, 0), "C") == 0, "the process locale was not restored");
    return 0;
}
