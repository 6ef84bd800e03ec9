#ifndef GUI_EDITBOX_CR_LF_PAIRS_H_INCLUDED
#define GUI_EDITBOX_CR_LF_PAIRS_H_INCLUDED

#include <irrlicht.h>

namespace irr
{
namespace gui
{

//! Whether text holds a CR directly followed by an LF.
bool hasCrLfPair(const core::stringw& text);

//! Makes each CR LF pair of text one break: the pair's LF goes. Each of the
//! count indices into text moves back by the LFs removed before it.
/** \return False, changing nothing, when text has no pair. */
bool collapseCrLfPairs(core::stringw& text, s32* indices = 0, u32 count = 0);

} // end namespace gui
} // end namespace irr

#endif
