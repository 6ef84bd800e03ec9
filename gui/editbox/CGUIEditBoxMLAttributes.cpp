#include "gui/editbox/CGUIEditBoxML.h"

namespace irr
{
namespace gui
{

namespace
{

// An unknown or missing literal reads as -1, which names no alignment and
// is not a value the enumeration can hold. It lays out as upper-left, so it
// is kept as that; writing it back then gives a literal that reads again.
EGUI_ALIGNMENT readAlignment(io::IAttributes* in, const c8* name)
{
    const s32 value = in->getAttributeAsEnumeration(name, GUIAlignmentNames);
    if (value < EGUIA_UPPERLEFT || value > EGUIA_SCALE)
        return EGUIA_UPPERLEFT;
    return (EGUI_ALIGNMENT)value;
}

} // namespace

void CGUIEditBoxML::serializeAttributes(io::IAttributes* out,
                                        io::SAttributeReadWriteOptions* options) const
{
    out->addBool("OverrideColorEnabled", OverrideColorEnabled);
    out->addColor("OverrideColor", OverrideColor);
    out->addInt("MaxChars", (s32)MaxChars);
    out->addBool("WordWrap", WordWrap);
    out->addBool("MultiLine", MultiLine);
    out->addBool("AutoScroll", AutoScroll);
    out->addBool("PasswordBox", PasswordBox);

    core::stringw passwordChar(L" ");
    passwordChar[0] = PasswordChar;
    out->addString("PasswordChar", passwordChar.c_str());

    out->addEnum("HTextAlign", HTextAlign, GUIAlignmentNames);
    out->addEnum("VTextAlign", VTextAlign, GUIAlignmentNames);

    IGUIEditBox::serializeAttributes(out, options);
}

// Every value goes through its public setter, in an order where each later
// setter settles what an earlier one implied: the colour setter switches the
// override on before the stored flag decides, and a password box turns
// multi-line and word wrap off after they were read.
void CGUIEditBoxML::deserializeAttributes(io::IAttributes* in,
                                          io::SAttributeReadWriteOptions* options)
{
    IGUIEditBox::deserializeAttributes(in, options);

    setOverrideColor(in->getAttributeAsColor("OverrideColor"));
    enableOverrideColor(in->getAttributeAsBool("OverrideColorEnabled"));
    setMax((u32)in->getAttributeAsInt("MaxChars"));
    setWordWrap(in->getAttributeAsBool("WordWrap"));
    setMultiLine(in->getAttributeAsBool("MultiLine"));
    setAutoScroll(in->getAttributeAsBool("AutoScroll"));

    const core::stringw passwordChar = in->getAttributeAsStringW("PasswordChar");
    setPasswordBox(in->getAttributeAsBool("PasswordBox"),
                   passwordChar.size() ? passwordChar[0] : L'*');

    const EGUI_ALIGNMENT vertical = readAlignment(in, "VTextAlign");
    const EGUI_ALIGNMENT horizontal = readAlignment(in, "HTextAlign");
    setTextAlignment(horizontal, vertical);

    // The lines must match the flags as they ended up, whichever setter ran
    // last, before anything draws or moves the cursor through them.
    clampIndices();
    breakText();
}

} // end namespace gui
} // end namespace irr
