#include "main_window.h"

#include <array>

#include <imm.h>

#include "resource.h"
#include "wide_text.h"

namespace zozi::ui {

namespace {

static_assert(kComponentIds.size() == kComponentCount && kPresetIds.size() == kPresetCount);

// Index of an id in one of the id tables, or -1.
template <std::size_t N>
int indexOf(const std::array<int, N>& ids, int id) {
  for (std::size_t i = 0; i < N; ++i) {
    if (ids[i] == id) return static_cast<int>(i);
  }
  return -1;
}

LRESULT CALLBACK debugTextProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  // Escape in a multi-line box would ask its parent to close; here it closes nothing.
  if ((message == WM_KEYDOWN || message == WM_CHAR) && wParam == VK_ESCAPE) return 0;
  return callEditProcedure(hwnd, message, wParam, lParam);
}

}  // namespace

const WindowDefinition& MainWindow::definition() {
  static const WindowDefinition main{
      .className = kMainClassName,
      .title = kAppTitleWide,
      .style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
      .clientTwips = kMainClient,
      .controls = mainControls(),
      .menu = mainMenu(),
      .shortcuts = kMainShortcuts,
      .icon = IDI_APP,
  };
  return main;
}

MainWindow::MainWindow(HINSTANCE instance, Shell& shell, bool quitOnDestroy)
    : TableWindow(instance, shell), quitOnDestroy_(quitOnDestroy), tray_(shell) {}

bool MainWindow::onCreate() {
  // The component fields pass every typed character through the key filter first, and take no
  // characters from an input method: characters composed by one would arrive without passing
  // the filter, as they do not in a numeric field. Escape in the log box closes nothing.
  for (int id : kComponentIds) {
    subclassEdit(control(id), componentFieldProc);
    ImmAssociateContextEx(control(id), nullptr, 0);
  }
  subclassEdit(control(kDebugText), debugTextProc);

  // The load step. The check boxes start as the records say; the options as the layout says.
  showComponentTexts(loadStep(state_));
  showTextModeChecks();
  showColorMode();
  return true;
}

std::optional<LRESULT> MainWindow::dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      onCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:  // a disabled text box asks as a static control does
      return onFieldColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_MOUSEMOVE:  // the tray icon's callback message (the record's uCallbackMessage)
      onTrayCallback(lParam);
      return 0;
    case WM_ENDSESSION:
      onEndSession(wParam != FALSE);
      return 0;
    case WM_DESTROY:
      onDestroy();
      return 0;
    default:
      if (tray_.isTaskbarCreated(message)) {
        tray_.addAgain(hwnd());
        return 0;
      }
      return std::nullopt;
  }
}

// Control events.

void MainWindow::onTextModeClick(int id) {
  const auto value = static_cast<std::uint16_t>(isChecked(id));
  if (id == kLocalizedText) {
    state_.textModePair.localizedValue = value;
    localizedTextClick(state_.textModePair, state_.settings);
  } else {
    state_.textModePair.standardValue = value;
    standardTextClick(state_.textModePair, state_.settings);
  }
  showTextModeChecks();
}

void MainWindow::onColorModeClick(int id) {
  const auto value = static_cast<std::uint16_t>(isChecked(id));
  if (id == kCheckDefault) {
    state_.colors.defaultValue = value;
    checkDefaultClick(state_.colors);
  } else {
    state_.colors.manualValue = value;
    checkManualClick(state_.colors);
  }
  showColorMode();
}

void MainWindow::onPresetClick(int id) {
  const int index = indexOf(kPresetIds, id);
  if (index < 0) return;
  showComponentTexts(applyColorPreset(static_cast<ColorPreset>(index)));
}

void MainWindow::onIconClick(int id) {
  const int index = indexOf(kIconIds, id);
  if (index < 0) return;
  selectIcon(state_.settings, static_cast<IconOption>(index));
}

// Showing what the rules wrote. Only what differs is written: each write to a control is a round
// trip to the window system.

void MainWindow::showTextModeChecks() {
  showCheck(kLocalizedText, state_.textModePair.localizedValue != 0);
  showCheck(kStandardText, state_.textModePair.standardValue != 0);
}

void MainWindow::showColorMode() {
  showCheck(kCheckDefault, state_.colors.defaultValue != 0);
  showCheck(kCheckManual, state_.colors.manualValue != 0);
  for (std::size_t i = 0; i < kPresetCount; ++i) {
    EnableWindow(control(kPresetIds[i]), state_.colors.optionEnabled[i]);
  }
  // Before the window is first shown there is nothing on the screen to repaint.
  const bool shown = IsWindowVisible(hwnd()) != FALSE;
  for (std::size_t i = 0; i < kComponentCount; ++i) {
    HWND edit = control(kComponentIds[i]);
    EnableWindow(edit, state_.colors.fields[i].enabled);  // sends nothing when the state stays
    // The background is drawn from the record: repaint in case only it changed.
    if (shown) InvalidateRect(edit, nullptr, TRUE);
  }
}

void MainWindow::showComponentTexts(const ComponentTexts& texts) {
  for (std::size_t i = 0; i < kComponentCount; ++i) {
    SetWindowTextW(control(kComponentIds[i]), widen(texts[i]).c_str());
  }
}

void MainWindow::onScaleChanged() { tray_.changeIcon(smallIcon()); }

void MainWindow::onTrayCallback(LPARAM lParam) {
  // The icon's callback message is WM_MOUSEMOVE, which the mouse sends too while the window is
  // shown: only a hidden window hears from the icon.
  if (tray_.hidden() && TrayIcon::restores(lParam)) restoreFromTray();
}

// Messages.

std::optional<LRESULT> MainWindow::onFieldColor(HDC dc, HWND child) {
  // The component fields' backgrounds follow the colour panel; every other control keeps the
  // default colours.
  const int field = indexOf(kComponentIds, GetDlgCtrlID(child));
  if (field < 0) return std::nullopt;
  // In high contrast the 3D-light shade may not stand apart from the text: a disabled field
  // takes the dialog colour the system pairs with grey text.
  const bool light3D =
      state_.colors.fields[static_cast<std::size_t>(field)].background == FieldBackground::Light3D;
  const int color = !light3D ? COLOR_WINDOW : highContrast() ? COLOR_BTNFACE : COLOR_3DLIGHT;
  SetBkColor(dc, GetSysColor(color));
  SetTextColor(dc, GetSysColor(IsWindowEnabled(child) ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(color));
}

void MainWindow::onEndSession(bool ending) {
  // Logging off or shutting down unloads the window like any other close, so the unload step
  // still removes the tray icon. A cancelled end of the session changes nothing.
  if (ending) DestroyWindow(hwnd());
}

void MainWindow::onDestroy() {
  // The unload step: the tray delete goes out with the record as it stands, even all zero.
  tray_.remove();
  about_.reset();
  if (quitOnDestroy_) PostQuitMessage(0);
}

int MainWindow::showNotice(const Notice& notice) {
  return showBox([&](HWND owner) { return services().show(owner, notice); });
}

// The component fields and the log box, subclassed.

LRESULT CALLBACK MainWindow::componentFieldProc(HWND hwnd, UINT message, WPARAM wParam,
                                                LPARAM lParam) noexcept {
  try {
    if (message == WM_GETDLGCODE && lParam) {
      // Enter and Escape must reach the key filter, not become the dialog manager's IDOK and
      // IDCANCEL; Tab still moves the focus.
      const auto* msg = reinterpret_cast<const MSG*>(lParam);
      const bool enterOrEscape = (msg->message == WM_KEYDOWN || msg->message == WM_CHAR) &&
                                 (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE);
      const LRESULT code = callEditProcedure(hwnd, message, wParam, lParam);
      return enterOrEscape ? (code | DLGC_WANTMESSAGE) : code;
    }
    if (message == WM_CHAR) {
      MainWindow* self = fromHandle(GetParent(hwnd));
      if (self && !self->onComponentChar(wParam)) return 0;
    }
  } catch (...) {
    return 0;
  }
  return callEditProcedure(hwnd, message, wParam, lParam);
}

bool MainWindow::onComponentChar(WPARAM code) {
  if (filterComponentKey(static_cast<std::uint16_t>(code)) == KeyVerdict::Accepted) return true;
  showNotice(rejectedKeyWarning());
  return false;
}

}  // namespace zozi::ui
