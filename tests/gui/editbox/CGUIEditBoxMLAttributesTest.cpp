#include "EditBoxTestSupport.h"

#include "support/ScopedDevice.h"

#include <string>
#include <vector>

using namespace irr;
using namespace editboxtest;

namespace
{

//! Also opens the alignments, which no getter reports.
class AttributeBox : public TestEditBox
{
public:
    using gui::CGUIEditBoxML::HTextAlign;
    using gui::CGUIEditBoxML::VTextAlign;
    using TestEditBox::TestEditBox;
};

class EditBoxAttributes : public ::testing::Test
{
protected:
    EditBoxAttributes()
        : Root(App.gui()->getRootGUIElement()),
          Attributes(App.device()->getFileSystem()->createEmptyAttributes())
    {
    }
    ~EditBoxAttributes() override { Attributes->drop(); }

    AttributeBox* box(const wchar_t* text,
                      const core::rect<s32>& rect = core::rect<s32>(0, 0, 120, 60))
    {
        AttributeBox* made = new AttributeBox(App.gui(), text, Root, rect);
        made->drop();
        return made;
    }

    //! Attributes written by a box set up by configure, for another box to read.
    template <typename Configure> void writeFrom(const wchar_t* text, Configure configure)
    {
        AttributeBox* source = box(text);
        configure(source);
        Attributes->clear();
        source->serializeAttributes(Attributes);
        source->remove();
    }

    testsupport::ScopedDevice App;
    gui::IGUIElement* Root;
    io::IAttributes* Attributes;
};

TEST_F(EditBoxAttributes, DefaultsAreWrittenInOrderBeforeTheElementKeys)
{
    box(L"Editable Text1")->serializeAttributes(Attributes);

    struct SKey
    {
        const char* Name;
        io::E_ATTRIBUTE_TYPE Type;
        const wchar_t* Value;
    };
    const SKey expected[] = {
        {"OverrideColorEnabled", io::EAT_BOOL, L"false"},
        {"OverrideColor", io::EAT_COLOR, 0},
        {"MaxChars", io::EAT_INT, L"0"},
        {"WordWrap", io::EAT_BOOL, L"false"},
        {"MultiLine", io::EAT_BOOL, L"false"},
        {"AutoScroll", io::EAT_BOOL, L"true"},
        {"PasswordBox", io::EAT_BOOL, L"false"},
        {"PasswordChar", io::EAT_STRING, L"*"},
        {"HTextAlign", io::EAT_ENUM, L"upperLeft"},
        {"VTextAlign", io::EAT_ENUM, L"center"},
        // The element's own keys follow, beginning with its name.
        {"Name", io::EAT_STRING, L""},
    };
    const u32 count = sizeof(expected) / sizeof(expected[0]);
    ASSERT_GT(Attributes->getAttributeCount(), count);
    for (u32 i = 0; i < count; ++i)
    {
        SCOPED_TRACE(expected[i].Name);
        EXPECT_STREQ(Attributes->getAttributeName((s32)i), expected[i].Name);
        EXPECT_EQ(Attributes->getAttributeType((s32)i), expected[i].Type);
        if (expected[i].Value)
        {
            EXPECT_EQ(std::wstring(Attributes->getAttributeAsStringW((s32)i).c_str()),
                      expected[i].Value);
        }
    }
    EXPECT_EQ(Attributes->getAttributeAsColor("OverrideColor"), video::SColor(101, 255, 255, 255));
    EXPECT_EQ(Attributes->getAttributeAsStringW("PasswordChar").size(), 1u);
    EXPECT_EQ(std::wstring(Attributes->getAttributeAsStringW("Caption").c_str()),
              L"Editable Text1");
}

TEST_F(EditBoxAttributes, EveryKeyTravelsToAnotherBox)
{
    const video::SColor colour(200, 10, 20, 30);
    writeFrom(L"日本語の テキスト\n二行目",
              [&](AttributeBox* b)
              {
                  b->setID(7);
                  b->setRelativePosition(core::rect<s32>(5, 6, 85, 96));
                  b->setOverrideColor(colour);
                  b->setMax(40);
                  b->setMultiLine(true);
                  b->setWordWrap(true);
                  b->setAutoScroll(false);
                  b->setTextAlignment(gui::EGUIA_LOWERRIGHT, gui::EGUIA_SCALE);
              });
    AttributeBox* multi = box(L"something else");
    multi->deserializeAttributes(Attributes);
    EXPECT_EQ(std::wstring(multi->getText()), L"日本語の テキスト\n二行目");
    EXPECT_EQ(multi->getID(), 7);
    EXPECT_EQ(multi->getRelativePosition(), core::rect<s32>(5, 6, 85, 96));
    EXPECT_TRUE(multi->isOverrideColorEnabled());
    EXPECT_EQ(multi->getOverrideColor(), colour);
    EXPECT_EQ(multi->getMax(), 40u);
    EXPECT_TRUE(multi->isMultiLineEnabled());
    EXPECT_TRUE(multi->isWordWrapEnabled());
    EXPECT_FALSE(multi->isAutoScrollEnabled());
    EXPECT_FALSE(multi->isPasswordBox());
    EXPECT_EQ(multi->HTextAlign, gui::EGUIA_LOWERRIGHT);
    EXPECT_EQ(multi->VTextAlign, gui::EGUIA_SCALE);
    // The lines are those of the new text and flags, not of the old text.
    expectSound(*multi);
    EXPECT_GE(multi->BrokenLines.size(), 2u);

    writeFrom(L"hidden", [](AttributeBox* b) { b->setPasswordBox(true, L'#'); });
    AttributeBox* password = box(L"plain");
    password->deserializeAttributes(Attributes);
    EXPECT_EQ(std::wstring(password->getText()), L"hidden");
    EXPECT_TRUE(password->isPasswordBox());
    EXPECT_EQ(password->PasswordChar, L'#');
    EXPECT_FALSE(password->isOverrideColorEnabled());
    EXPECT_EQ(password->getOverrideColor(), video::SColor(101, 255, 255, 255));
    EXPECT_EQ(password->HTextAlign, gui::EGUIA_UPPERLEFT);
    EXPECT_EQ(password->VTextAlign, gui::EGUIA_CENTER);
}

TEST_F(EditBoxAttributes, APasswordBoxNeverComesBackMultiLine)
{
    writeFrom(L"one two\nthree",
              [](AttributeBox* b)
              {
                  b->setMultiLine(true);
                  b->setWordWrap(true);
              });
    Attributes->setAttribute("PasswordBox", true);
    Attributes->setAttribute("PasswordChar", L"");

    AttributeBox* target = box(L"x");
    target->setPasswordBox(true, L'#');
    target->deserializeAttributes(Attributes);
    EXPECT_TRUE(target->isPasswordBox());
    EXPECT_FALSE(target->isMultiLineEnabled());
    EXPECT_FALSE(target->isWordWrapEnabled());
    // An empty character would mask with nothing; the asterisk stands in.
    EXPECT_EQ(target->PasswordChar, L'*');
    EXPECT_FALSE(target->lineLayout());
    expectSound(*target);
    target->draw();
    EXPECT_EQ(lines(*target), std::vector<std::wstring>{L"*************"});
}

TEST_F(EditBoxAttributes, StoredColourStaysOffWhenTheFlagSaysSo)
{
    writeFrom(L"x",
              [](AttributeBox* b)
              {
                  b->setOverrideColor(video::SColor(255, 1, 2, 3));
                  b->enableOverrideColor(false);
              });
    AttributeBox* target = box(L"y");
    target->deserializeAttributes(Attributes);
    EXPECT_FALSE(target->isOverrideColorEnabled());
    EXPECT_EQ(target->getOverrideColor(), video::SColor(255, 1, 2, 3));
}

TEST_F(EditBoxAttributes, MaxCharsCutsTheCaptionAndKeepsIndicesInside)
{
    writeFrom(L"Editable", [](AttributeBox* b) { b->setMultiLine(true); });
    Attributes->setAttribute("MaxChars", 5);

    AttributeBox* target = box(L"a much longer text than the caption");
    target->CursorPos = 30;
    target->SelectionStart = 20;
    target->SelectionEnd = 34;
    target->deserializeAttributes(Attributes);
    EXPECT_EQ(std::wstring(target->getText()), L"Edita");
    EXPECT_EQ(target->getMax(), 5u);
    EXPECT_EQ(lines(*target), std::vector<std::wstring>{L"Edita"});
    expectSound(*target);
}

TEST_F(EditBoxAttributes, AlignmentLiteralsBothWays)
{
    const gui::EGUI_ALIGNMENT all[] = {gui::EGUIA_UPPERLEFT, gui::EGUIA_LOWERRIGHT,
                                       gui::EGUIA_CENTER, gui::EGUIA_SCALE};
    const char* literals[] = {"upperLeft", "lowerRight", "center", "scale"};
    AttributeBox* source = box(L"x");
    AttributeBox* target = box(L"y");
    for (u32 h = 0; h < 4; ++h)
    {
        const u32 v = 3 - h;
        source->setTextAlignment(all[h], all[v]);
        Attributes->clear();
        source->serializeAttributes(Attributes);
        EXPECT_EQ(std::string(Attributes->getAttributeAsString("HTextAlign").c_str()), literals[h]);
        EXPECT_EQ(std::string(Attributes->getAttributeAsString("VTextAlign").c_str()), literals[v]);

        Attributes->setAttribute("HTextAlign", literals[h], gui::GUIAlignmentNames);
        Attributes->setAttribute("VTextAlign", literals[v], gui::GUIAlignmentNames);
        target->deserializeAttributes(Attributes);
        EXPECT_EQ(target->HTextAlign, all[h]);
        EXPECT_EQ(target->VTextAlign, all[v]);
    }

    // A literal the engine does not know, or none at all, is upper-left, and
    // is written back as a literal that reads again.
    Attributes->clear();
    Attributes->addString("HTextAlign", "middle");
    target->deserializeAttributes(Attributes);
    EXPECT_EQ(target->HTextAlign, gui::EGUIA_UPPERLEFT);
    EXPECT_EQ(target->VTextAlign, gui::EGUIA_UPPERLEFT);
    Attributes->clear();
    target->serializeAttributes(Attributes);
    EXPECT_EQ(std::string(Attributes->getAttributeAsString("VTextAlign").c_str()), "upperLeft");
}

TEST_F(EditBoxAttributes, LinesFollowTheFlagsThatWereRead)
{
    // Single-line before, multi-line after: the old single line must not
    // survive to the next drawing.
    writeFrom(L"ab\ncd", [](AttributeBox* b) { b->setMultiLine(true); });
    AttributeBox* target = box(L"zz");
    target->deserializeAttributes(Attributes);
    EXPECT_EQ(lines(*target), (std::vector<std::wstring>{L"ab ", L"cd"}));

    // And back: a password box read over a multi-line one shows one mask.
    writeFrom(L"ab\ncd", [](AttributeBox* b) { b->setPasswordBox(true, L'#'); });
    target->deserializeAttributes(Attributes);
    EXPECT_FALSE(target->lineLayout());
    expectSound(*target);
}

} // namespace
