#include "table_window.h"

#include <utility>

#include "scale.h"
#include "wide_text.h"

namespace zozi::ui {

WindowCore::WindowCore(HINSTANCE instance, const WindowDefinition& definition,
                       WindowServices& services)
    : next_(first_), instance_(instance), definition_(definition), services_(services) {
  first_ = this;
}

WindowCore::~WindowCore() {
  // Gone without its messages (the handlers are cut off first): no window keeps lending to it.
  onGoing();
  if (hwnd_) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
  for (WindowCore** link = &first_; *link; link = &(*link)->next_) {
    if (*link == this) {
      *link = next_;
      break;
    }
  }
}

WindowCore* WindowCore::owning(HWND hwnd) {
  if (!hwnd) return nullptr;
  // The window or one of its controls, found without asking the window system; a window inside
  // a control (none of the tables makes one) by its ancestry.
  for (WindowCore* window = first_; window; window = window->next_) {
    if (window->hwnd_ && (window->hwnd_ == hwnd || window->rowOf(hwnd))) return window;
  }
  for (WindowCore* window = first_; window; window = window->next_) {
    if (window->hwnd_ && IsChild(window->hwnd_, hwnd)) return window;
  }
  return nullptr;
}

const ControlSpec* WindowCore::rowOf(HWND child) const {
  if (!child) return nullptr;
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    if (controls_[i] == child) return &definition_.controls[i];
  }
  return nullptr;
}

void WindowCore::destroyWindow() {
  if (hwnd_) DestroyWindow(hwnd_);
}

HWND WindowCore::control(int id) const {
  const std::span<const ControlSpec> rows = definition_.controls;
  for (std::size_t i = 0; i < controls_.size() && i < rows.size(); ++i) {
    if (rows[i].id == id) return controls_[i];
  }
  return nullptr;
}

void WindowCore::show(int showCommand) {
  ShowWindow(hwnd_, showCommand);
  UpdateWindow(hwnd_);
  focusLastControl();
}

std::wstring WindowCore::controlText(int id) const { return windowText(control(id)); }

bool WindowCore::isChecked(int id) const {
  return SendMessageW(control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void WindowCore::showCheck(int id, bool checked) {
  if (isChecked(id) != checked) {
    SendMessageW(control(id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  }
}

bool WindowCore::makeWindow(HMENU menu, HWND placeBy, WNDPROC entry) {
  const WindowDefinition& def = definition_;
  if (!registerWindowClass(instance_, def.className, entry)) return false;
  if (!def.shortcuts.empty()) {
    accelerators_.reset(createAccelerators(def.shortcuts));
    if (!accelerators_) return false;
  }
  // A window opened from another goes on that one's monitor, where the user is looking.
  const UINT dpi = placeBy ? windowDpi(placeBy) : systemDpi();
  const RECT place = centredFrame(services_.workArea(placeBy), def.clientTwips, dpi, def.style,
                                  def.exStyle, menu != nullptr);
  CreateWindowExW(def.exStyle, def.className, def.title, def.style, place.left, place.top,
                  place.right - place.left, place.bottom - place.top, nullptr, menu, instance_,
                  this);
  return hwnd_ != nullptr;
}

bool WindowCore::makeControls() {
  const WindowDefinition& def = definition_;
  dpi_ = windowDpi(hwnd_);
  highContrast_ = services_.highContrast();
  loadIcons();
  fonts_ = ControlFonts(def.controls, dpi_);
  controls_.assign(def.controls.size(), nullptr);
  createControls(hwnd_, instance_, def.controls, dpi_, fonts_, controls_);
  for (HWND made : controls_) {
    if (!made) return false;
  }
  // A screen reader reads the controls' help texts from the tooltips, before any mouse comes
  // near: made now for it; otherwise at the first hover, which keeps the start short.
  if (services_.screenReader()) makeTooltips();
  return true;
}

void WindowCore::fitClientArea() {
  // Made on a monitor of another scale than the screen's, or with a menu bar that wraps: place
  // it again by what is measured.
  if (!hasClientSize(hwnd_, definition_.clientTwips, dpi_)) {
    placeCentred(hwnd_, definition_.clientTwips, dpi_, services_.workArea(hwnd_));
  }
}

void WindowCore::changeScale(UINT dpi, const RECT& suggested) {
  const WindowDefinition& def = definition_;
  dpi_ = dpi;
  // The old fonts live until no control uses them any more.
  const ControlFonts old = std::exchange(fonts_, ControlFonts(def.controls, dpi_));
  // Each control by the handle kept beside its row, new font and new place in one pass; the
  // moves in one batch.
  HDWP batch = BeginDeferWindowPos(static_cast<int>(def.controls.size()));
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    const ControlSpec& row = def.controls[i];
    const HWND child = controls_[i];
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.forRole(row.font)), FALSE);
    const RECT r = controlRect(def.controls, row, dpi_);
    constexpr UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (batch) {
      batch = DeferWindowPos(batch, child, nullptr, r.left, r.top, r.right - r.left,
                             r.bottom - r.top, flags);
    } else {
      SetWindowPos(child, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, flags);
    }
  }
  if (batch) EndDeferWindowPos(batch);
  placeAt(hwnd_, def.clientTwips, dpi_, suggested);
  // Grown past the work area's top or left edge: the caption is brought back within reach.
  keepCaptionOn(hwnd_, services_.workArea(hwnd_));
  InvalidateRect(hwnd_, nullptr, TRUE);
  loadIcons();
}

void WindowCore::loadIcons() {
  if (definition_.icon == 0) return;
  // Alt+Tab's and the taskbar's icon, and the caption's, each at its size at this scale; the
  // ones they replace go once the window no longer shows them.
  if (OwnedIcon icon{loadIconAt(instance_, definition_.icon, SM_CXICON, dpi_)}) {
    SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon.get()));
    bigIcon_ = std::move(icon);
  }
  if (OwnedIcon icon{loadIconAt(instance_, definition_.icon, SM_CXSMICON, dpi_)}) {
    SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon.get()));
    smallIcon_ = std::move(icon);
  }
}

std::optional<LRESULT> WindowCore::handleCommon(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ACTIVATE:
      return onActivate(LOWORD(wParam));
    case kHandOnActivation:
      onHandOnActivation();
      return 0;
    case WM_SETFOCUS:
      focusLastControl();
      return 0;
    case WM_NEXTDLGCTL:
      onNextControl(wParam, lParam);
      return 0;
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED) keepOptionTabStops(reinterpret_cast<HWND>(lParam));
      // Enter and Escape, made into IDOK and IDCANCEL by the dialog manager: Enter presses only
      // a push button that has the focus (there is no default button); Escape does nothing.
      if (LOWORD(wParam) == IDOK) onEnterKey();
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) return 0;
      return std::nullopt;
    case WM_CTLCOLORSTATIC:
      return onLabelColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_SETCURSOR:
      onSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam), HIWORD(lParam));
      return std::nullopt;  // the default handling sets the cursor, and beeps at HTERROR
    case WM_SETTINGCHANGE:
      onSettingChange(wParam);
      return std::nullopt;
    case WM_SYSCOLORCHANGE:
      onColorsChanged();
      return std::nullopt;
    case WM_DESTROY:
      onGoing();
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

void WindowCore::keepOptionTabStops(HWND clicked) {
  // Within a group of options only the selected one takes part in tabbing, as in a dialog: the
  // group runs from its first option to the next row that is no option or starts a group.
  const ControlSpec* row = rowOf(clicked);
  if (!row || row->kind != Kind::Radio) return;
  const std::span<const ControlSpec> rows = definition_.controls;
  std::size_t first = static_cast<std::size_t>(row - rows.data());
  while (first > 0 && !rows[first].startsGroup && rows[first - 1].kind == Kind::Radio) --first;
  for (std::size_t i = first; i < rows.size() && rows[i].kind == Kind::Radio; ++i) {
    if (i != first && rows[i].startsGroup) break;
    const HWND option = controls_[i];
    const LONG_PTR style = GetWindowLongPtrW(option, GWL_STYLE);
    const bool selected = SendMessageW(option, BM_GETCHECK, 0, 0) == BST_CHECKED;
    const LONG_PTR wanted = selected ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP);
    // Only a change is written: each write is a round trip and two messages to the option.
    if (wanted != style) SetWindowLongPtrW(option, GWL_STYLE, wanted);
  }
}

std::optional<LRESULT> WindowCore::onLabelColor(HDC dc, HWND child) {
  // A label whose row gives it a colour; every other control is the window's own to colour.
  const ControlSpec* row = rowOf(child);
  if (!row || row->kind != Kind::Label || row->textColor == kSystemTextColor) return std::nullopt;
  // In high contrast the labels take the system's text colour, as every text must.
  SetTextColor(dc, highContrast_ ? GetSysColor(COLOR_BTNTEXT) : row->textColor);
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

void WindowCore::onSettingChange(WPARAM setting) {
  // A screen reader started: it reads the controls' help texts from the tooltips, which are
  // tried again even if they could not be made before.
  if (setting == SPI_SETSCREENREADER && services_.screenReader()) {
    if (!tooltip_) tooltipTried_ = false;
    makeTooltips();
  }
  onColorsChanged();
}

void WindowCore::onColorsChanged() {
  // High contrast switched on or off, or the colour scheme changed: paint everything again.
  highContrast_ = services_.highContrast();
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void WindowCore::onGoing() {
  // A window that lent this one its input forgets it now, while the handle still names a
  // window: nothing is handed on to one that is going, nor later to whatever reuses the handle.
  for (WindowCore* window = first_; window; window = window->next_) {
    if (window->lentTo_ == this) window->lentTo_ = nullptr;
  }
}

void WindowCore::forgetWindow() {
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
  hwnd_ = nullptr;
  controls_.clear();
  tooltip_ = nullptr;
  tooltipTried_ = false;
  lastFocus_ = nullptr;
  lentTo_ = nullptr;
}

}  // namespace zozi::ui
