#include "layout.h"

namespace zozi::ui {

ControlClass controlClass(const ControlSpec& row) {
  constexpr DWORD base = WS_CHILD | WS_VISIBLE;
  switch (row.kind) {
    case Kind::Frame:
      return {L"BUTTON", base | BS_GROUPBOX | WS_CLIPSIBLINGS | WS_GROUP, 0};
    case Kind::EtchedFrame:
      return {L"STATIC", base | SS_ETCHEDFRAME | WS_GROUP, 0};
    case Kind::Edit:
      return {L"EDIT", base | WS_TABSTOP | WS_GROUP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case Kind::MultiEdit:
      // No scroll bars: text wraps, and the caret still reaches the lines below the box.
      return {
          L"EDIT",
          base | WS_TABSTOP | WS_GROUP | ES_LEFT | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN,
          WS_EX_CLIENTEDGE};
    case Kind::Check:
      return {L"BUTTON", base | WS_TABSTOP | WS_GROUP | BS_AUTOCHECKBOX, 0};
    case Kind::Radio:
      // Within an option group only the selected option takes part in tabbing; the first one
      // starts selected, so the window need not change the others' styles before first show.
      return {L"BUTTON", base | BS_AUTORADIOBUTTON | (row.startsGroup ? WS_GROUP | WS_TABSTOP : 0),
              0};
    case Kind::Button:
      return {L"BUTTON", base | WS_TABSTOP | WS_GROUP | BS_PUSHBUTTON, 0};
    case Kind::Label:
      return {L"STATIC", base | WS_GROUP | SS_LEFT | SS_NOPREFIX, 0};
  }
  return {L"STATIC", base, 0};
}

RECT controlRect(std::span<const ControlSpec> table, const ControlSpec& row, UINT dpi) {
  int left = row.rect.left;
  int top = row.rect.top;
  if (row.frameId != 0) {
    if (const ControlSpec* frame = findSpec(table, row.frameId)) {
      left += frame->rect.left;
      top += frame->rect.top;
    }
  }
  // Edges are converted, not sizes, so neighbours that touch in twips touch in pixels.
  return RECT{twipsToPixels(left, dpi), twipsToPixels(top, dpi),
              twipsToPixels(left + row.rect.width, dpi), twipsToPixels(top + row.rect.height, dpi)};
}

}  // namespace zozi::ui
