#ifndef HARNESS_EDIT_BOX_SOUNDNESS_H_INCLUDED
#define HARNESS_EDIT_BOX_SOUNDNESS_H_INCLUDED

#include <irrlicht.h>

namespace harness
{

//! What an edit box's state must always satisfy, whatever it was sent: the
//! cursor and the selection within the text, and, with a line layout, lines
//! that start at 0, never go backwards, and are the text they start at
//! (breaks shown as spaces).
struct SEditBoxState
{
    const irr::core::stringw* Text;
    irr::s32 CursorPos;
    irr::s32 SelectionStart;
    irr::s32 SelectionEnd;
    bool LineLayout;
    const irr::core::array<irr::core::stringw>* Lines;
    const irr::core::array<irr::s32>* LineStarts;
};

//! Null when the state is sound, else what is wrong with it.
const char* findEditBoxFault(const SEditBoxState& state);

} // namespace harness

#endif
