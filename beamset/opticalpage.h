// beamset/opticalpage.h: what the input and output pages share; each page passes in its own members.
#pragma once

#include <afxwin.h>

#include "opticalstore.h"

// Checks the radio button of the direction's current state and sets nState to its index; leaves both
// alone where the state could not be read or the family switches nothing.
void ShowOpticalState(CWnd& page, OpticalDirection direction, int& nState);

// 11-point Arial at 96 DPI, given to the descriptions, the radio buttons and the heading.
void SetPageFont(CWnd& page, CFont& font);

// After either radio button was clicked: a changed selection flips nState and is counted, then nState
// is read back from the buttons. A first choice where there was none counts as a change.
void CountRadioClick(CWnd& page, CButton& btnEnabled, int& nState, int& nToggleCount);

// Shows the description of the radio button whose zone holds point (client pixels) and hides the other;
// outside both zones, both are hidden.
void ShowHoverDescription(CWnd& page, CPoint point);

// Hides both descriptions, e.g. while a window opens over the page; a page without a window is skipped.
void HideHoverDescriptions(CWnd& page);

// White text and no background fill over the page bitmap; hbrBase is the base class's answer.
HBRUSH PageCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor, HBRUSH hbrBase);
