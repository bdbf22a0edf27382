// The grid control's messages (sent by its parent) and notification codes
// (sent to its parent as WM_COMMAND with the control id in the low word and
// the code in the high word of wParam).
#pragma once

#include "platform/win/WinTypes.h"

namespace quor::grid {

using win::UINT;
using win::WM_USER;
using win::WORD;

inline constexpr UINT GRM_SETCELLPROTECTION = WM_USER + 11;
inline constexpr UINT GRM_SETNEWCELLPROTECTION = WM_USER + 12;
inline constexpr UINT GRM_SETCELLTEXT = WM_USER + 13;
// lParam: a std::string* that receives the text; the result is its length.
inline constexpr UINT GRM_GETCELLTEXT = WM_USER + 14;
inline constexpr UINT GRM_CLEARCELLS = WM_USER + 15;
inline constexpr UINT GRM_SETDIMENSIONS = WM_USER + 16;
inline constexpr UINT GRM_DELETECELL = WM_USER + 17;
inline constexpr UINT GRM_MOVECURSOR = WM_USER + 18;
inline constexpr UINT GRM_SETAUTOGROWROWS = WM_USER + 19;
inline constexpr UINT GRM_GETOWNERDRAWVALUE = WM_USER + 20;
inline constexpr UINT GRM_SETCOLUMNWIDTH = WM_USER + 21;
inline constexpr UINT GRM_SETHEADINGHEIGHT = WM_USER + 22;
inline constexpr UINT GRM_GETCELLKIND = WM_USER + 23;
inline constexpr UINT GRM_ISCELLPROTECTED = WM_USER + 24;
inline constexpr UINT GRM_TOGGLEFOCUSFRAME = WM_USER + 25;
inline constexpr UINT GRM_SETROWHEIGHT = WM_USER + 26;
inline constexpr UINT GRM_SETFOCUSFRAMECOLOR = WM_USER + 27;
inline constexpr UINT GRM_SETPROTECTEDCOLOR = WM_USER + 28;
inline constexpr UINT GRM_SETUNPROTECTEDCOLOR = WM_USER + 29;
inline constexpr UINT GRM_SETROWNUMBERING = WM_USER + 30;
inline constexpr UINT GRM_SETCOLUMNLETTERING = WM_USER + 31;
inline constexpr UINT GRM_SETROWHIGHLIGHT = WM_USER + 32;
inline constexpr UINT GRM_GETROWCOUNT = WM_USER + 33;
inline constexpr UINT GRM_GETCOLUMNCOUNT = WM_USER + 34;
inline constexpr UINT GRM_ANNOUNCEROW = WM_USER + 35;
inline constexpr UINT GRM_ANNOUNCECOLUMN = WM_USER + 36;
inline constexpr UINT GRM_GETCURSORROW = WM_USER + 37;
inline constexpr UINT GRM_GETCURSORCOLUMN = WM_USER + 38;
inline constexpr UINT GRM_REPAINT = WM_USER + 39;
inline constexpr UINT GRM_GETCOLUMNWIDTH = WM_USER + 40;
inline constexpr UINT GRM_GETROWHEIGHT = WM_USER + 41;
inline constexpr UINT GRM_GETHEADINGHEIGHT = WM_USER + 42;
inline constexpr UINT GRM_SETTITLEHEIGHT = WM_USER + 43;
inline constexpr UINT GRM_SETHIGHLIGHTCOLOR = WM_USER + 44;
inline constexpr UINT GRM_SETHIGHLIGHTTEXTCOLOR = WM_USER + 45;
inline constexpr UINT GRM_SETEDITABLE = WM_USER + 46;
inline constexpr UINT GRM_SETLINECOLOR = WM_USER + 47;
inline constexpr UINT GRM_SETSTRETCHLASTCOLUMN = WM_USER + 48;
inline constexpr UINT GRM_SETWHOLEROWS = WM_USER + 49;
inline constexpr UINT GRM_SETELLIPSIS = WM_USER + 50;
inline constexpr UINT GRM_SETAUTOWIDTH = WM_USER + 51;
inline constexpr UINT GRM_SETCOLUMNSIZING = WM_USER + 52;
inline constexpr UINT GRM_SETTITLEFONT = WM_USER + 53;
inline constexpr UINT GRM_SETHEADINGFONT = WM_USER + 54;
inline constexpr UINT GRM_SETCOLUMNKIND = WM_USER + 55;

inline constexpr WORD GRN_BADCELL = 3;
inline constexpr WORD GRN_DRAWCELL = 4;
inline constexpr WORD GRN_CURSORMOVED = 5;
inline constexpr WORD GRN_ROWCHANGED = 6;
inline constexpr WORD GRN_COLUMNCHANGED = 7;
inline constexpr WORD GRN_EDITSTARTED = 8;
inline constexpr WORD GRN_DELETEKEY = 9;
inline constexpr WORD GRN_EDITFINISHED = 10;
inline constexpr WORD GRN_FKEY1 = 11;
inline constexpr WORD GRN_FKEY12 = 22;
inline constexpr WORD GRN_FOCUSGAINED = 23;
inline constexpr WORD GRN_FOCUSLOST = 24;
inline constexpr WORD GRN_CELLCLICK = 25;
inline constexpr WORD GRN_CELLDOUBLECLICK = 32;

// Cell kinds as GRM_GETCELLKIND reports them; 0 is an absent cell.
inline constexpr int kKindText = 1;
inline constexpr int kKindNumber = 2;
inline constexpr int kKindChecked = 3;
inline constexpr int kKindUnchecked = 4;
inline constexpr int kKindOwnerDrawn = 5;

}  // namespace quor::grid
