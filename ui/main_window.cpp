#include "main_window.h"

#include <array>

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

}  // namespace

const WindowDefinition& MainWindow::definition() {
  static const WindowDefinition main{kMainClassName,
                                     kAppTitleWide,
                                     WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                                     0,
                                     kMainClient,
                                     mainControls(),
                                     kFrame1,
                                     IDI_APP};
  return main;
}

MainWindow::MainWindow(HINSTANCE instance, Shell& shell, bool quitOnDestroy)
    : TableWindow(instance), shell_(shell), quitOnDestroy_(quitOnDestroy), tray_(shell) {}

bool MainWindow::create() {
  OwnedMenu menu(createMenu());
  // The window owns the menu from its creation on; if it was not made, the owner frees it.
  if (!createWindow(menu.get())) return false;
  menu.release();
  return true;
}

HMENU MainWindow::createMenu() {
  HMENU bar = CreateMenu();
  HMENU popup = nullptr;
  for (const MenuSpec& row : mainMenu()) {
    switch (row.row) {
      case MenuRow::Popup:
        popup = CreatePopupMenu();
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), row.text);
        break;
      case MenuRow::Item:
        AppendMenuW(popup, MF_STRING, static_cast<UINT_PTR>(row.id), row.text);
        break;
      case MenuRow::Separator:
        AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
        break;
    }
  }
  return bar;
}

void MainWindow::show(int showCommand) {
  ShowWindow(hwnd(), showCommand);
  UpdateWindow(hwnd());
  SetFocus(control(kEntryText));
}

bool MainWindow::onCreate() {
  highContrast_ = shell_.highContrast();
  prepareFields();
  // A screen reader reads the controls' help texts from the tooltips, before any mouse comes
  // near: made now for it; otherwise at the first hover, which keeps the start short.
  if (shell_.screenReader()) createTooltips();

  // The load step. The check boxes start as the records say; the options as the layout says.
  showComponentTexts(loadStep(state_));
  showTextModeChecks();
  showColorMode();

  accelerators_.reset(createAccelerators());
  return accelerators_.get() != nullptr;
}

HACCEL MainWindow::createAccelerators() {
  std::array<ACCEL, kMainShortcuts.size()> keys{};
  for (std::size_t i = 0; i < keys.size(); ++i) {
    const ShortcutSpec& key = kMainShortcuts[i];
    keys[i] = ACCEL{static_cast<BYTE>(FVIRTKEY | (key.control ? FCONTROL : 0)),
                    static_cast<WORD>(key.virtualKey), static_cast<WORD>(key.command)};
  }
  return CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size()));
}

std::optional<LRESULT> MainWindow::dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      onCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_CTLCOLOREDIT:
      return onControlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), false);
    case WM_CTLCOLORSTATIC:
      return onControlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), true);
    case WM_MOUSEMOVE:
      onTrayCallback(lParam);
      return 0;
    case WM_NEXTDLGCTL:
      onNextControl(wParam, lParam);
      return 0;
    case WM_ACTIVATE:
      return onActivate(LOWORD(wParam));
    case kActivateAbout:
      onActivateAbout();
      return 0;
    case WM_SETFOCUS:
      onSetFocus();
      return 0;
    case WM_SETCURSOR:
      onSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam), HIWORD(lParam));
      return std::nullopt;  // the default handling sets the cursor, and beeps at HTERROR
    case WM_ENDSESSION:
      onEndSession(wParam != FALSE);
      return 0;
    case WM_SETTINGCHANGE:
      onSettingChange(wParam);
      return std::nullopt;
    case WM_SYSCOLORCHANGE:
      onColorsChanged();
      return std::nullopt;
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

void MainWindow::onCommand(int id, int code) {
  // Buttons and menu items arrive with code 0, shortcut keys with 1; other notifications
  // (focus, text changes) have no handler.
  if (code != 0 && code != 1) return;
  using Handler = void (*)(MainWindow&, int);
  struct Route {
    int id;
    Handler run;
  };
  static const Route routes[] = {
      {kProceedButton, [](MainWindow& w, int) { w.proceedCommand(ProceedTrigger::Button); }},
      {kMnuProceed, [](MainWindow& w, int) { w.proceedCommand(ProceedTrigger::Menu); }},
      {kClearTextButton, [](MainWindow& w, int) { w.clearEntryCommand(); }},
      {kClearButton, [](MainWindow& w, int) { w.clearLogCommand(); }},
      {kExitButton, [](MainWindow& w, int) { w.exitCommand(); }},
      {kMnuExit, [](MainWindow& w, int) { w.exitCommand(); }},
      {kClipboardButton, [](MainWindow& w, int) { w.copyToClipboardCommand(); }},
      {kMnuClipboard, [](MainWindow& w, int) { w.copyToClipboardCommand(); }},
      {kMnuHelpContents, [](MainWindow& w, int) { w.helpContentsCommand(); }},
      {kMnuAbout, [](MainWindow& w, int) { w.aboutCommand(); }},
      {kMnuMinimize, [](MainWindow& w, int) { w.minimize_to_tray(); }},
      {kLocalizedText, [](MainWindow& w, int id) { w.onTextModeClick(id); }},
      {kStandardText, [](MainWindow& w, int id) { w.onTextModeClick(id); }},
      {kCheckDefault, [](MainWindow& w, int id) { w.onColorModeClick(id); }},
      {kCheckManual, [](MainWindow& w, int id) { w.onColorModeClick(id); }},
      {kWhiteRadio, [](MainWindow& w, int id) { w.onPresetClick(id); }},
      {kGreenRadio, [](MainWindow& w, int id) { w.onPresetClick(id); }},
      {kRedRadio, [](MainWindow& w, int id) { w.onPresetClick(id); }},
      {kBlueRadio, [](MainWindow& w, int id) { w.onPresetClick(id); }},
      {kGreyRadio, [](MainWindow& w, int id) { w.onPresetClick(id); }},
      {kNewRadio, [](MainWindow& w, int id) { w.onIconClick(id); }},
      {kCurrentRadio, [](MainWindow& w, int id) { w.onIconClick(id); }},
      {kDoneRadio, [](MainWindow& w, int id) { w.onIconClick(id); }},
      {kFailedRadio, [](MainWindow& w, int id) { w.onIconClick(id); }},
      {kCanceledRadio, [](MainWindow& w, int id) { w.onIconClick(id); }},
      // Enter, made into IDOK by the dialog manager, is no default button: it presses only a
      // button that has the focus. Escape (IDCANCEL) does nothing.
      {IDOK, [](MainWindow& w, int) { w.onEnterKey(); }},
  };
  for (const auto& route : routes) {
    if (route.id == id) {
      route.run(*this, id);
      return;
    }
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
  showOptionTabStops();
}

void MainWindow::onIconClick(int id) {
  const int index = indexOf(kIconIds, id);
  if (index < 0) return;
  selectIcon(state_.settings, static_cast<IconOption>(index));
  showOptionTabStops();
}

// Showing what the rules wrote. Only what differs is written: each write to a control is a round
// trip to the window system.

void MainWindow::showCheck(int id, std::uint16_t value) {
  if (isChecked(id) != (value != 0)) {
    SendMessageW(control(id), BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
  }
}

void MainWindow::showTextModeChecks() {
  showCheck(kLocalizedText, state_.textModePair.localizedValue);
  showCheck(kStandardText, state_.textModePair.standardValue);
}

void MainWindow::showColorMode() {
  showCheck(kCheckDefault, state_.colors.defaultValue);
  showCheck(kCheckManual, state_.colors.manualValue);
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

void MainWindow::showOptionTabStops() {
  // Within an option group only the selected option takes part in tabbing.
  const auto sync = [this](const auto& ids) {
    for (int id : ids) {
      HWND option = control(id);
      const LONG_PTR style = GetWindowLongPtrW(option, GWL_STYLE);
      const LONG_PTR wanted = isChecked(id) ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP);
      // Only a change is written: each write is a round trip and two messages to the option.
      if (wanted != style) SetWindowLongPtrW(option, GWL_STYLE, wanted);
    }
  };
  sync(kPresetIds);
  sync(kIconIds);
}

// Minimize: the window hidden behind its icon in the notification area, brought back by a
// left-button press or a right-button release on it.

// The tray shows the caption's icon, at the window's scale.
void MainWindow::minimize_to_tray() { tray_.hide(hwnd(), smallIcon()); }

void MainWindow::restoreFromTray() { tray_.restore(hwnd()); }

void MainWindow::onScaleChanged() { tray_.changeIcon(smallIcon()); }

void MainWindow::onTrayCallback(LPARAM lParam) {
  if (TrayIcon::restores(lParam)) restoreFromTray();
}

// Messages.

LRESULT MainWindow::onControlColor(HDC dc, HWND child, bool isStatic) {
  const int id = GetDlgCtrlID(child);
  if (const int field = indexOf(kComponentIds, id); field >= 0) {
    // In high contrast the 3D-light shade may not stand apart from the text: a disabled field
    // takes the dialog colour the system pairs with grey text.
    const bool light3D = state_.colors.fields[static_cast<std::size_t>(field)].background ==
                         FieldBackground::Light3D;
    const int color = !light3D ? COLOR_WINDOW : highContrast_ ? COLOR_BTNFACE : COLOR_3DLIGHT;
    SetBkColor(dc, GetSysColor(color));
    SetTextColor(dc, GetSysColor(IsWindowEnabled(child) ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(color));
  }
  const ControlSpec* row = findSpec(mainControls(), id);
  if (isStatic && row && row->kind == Kind::Label && row->textColor != kSystemTextColor) {
    // In high contrast the labels take the system's text colour, as every text must.
    SetTextColor(dc, highContrast_ ? GetSysColor(COLOR_BTNTEXT) : row->textColor);
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
  }
  return DefWindowProcW(hwnd(), isStatic ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT,
                        reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(child));
}

void MainWindow::onEndSession(bool ending) {
  // Logging off or shutting down unloads the window like any other close, so the unload step
  // still removes the tray icon. A cancelled end of the session changes nothing.
  if (ending) DestroyWindow(hwnd());
}

void MainWindow::onSettingChange(WPARAM setting) {
  // A screen reader started: it reads the controls' help texts from the tooltips.
  if (setting == SPI_SETSCREENREADER && shell_.screenReader()) createTooltips();
  onColorsChanged();
}

void MainWindow::onColorsChanged() {
  // High contrast switched on or off, or the colour scheme changed: paint everything again.
  highContrast_ = shell_.highContrast();
  RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void MainWindow::onDestroy() {
  // The unload step: the tray delete goes out with the record as it stands, even all zero.
  tray_.remove();
  about_.reset();
  if (quitOnDestroy_) PostQuitMessage(0);
}

int MainWindow::showNotice(const Notice& notice) {
  // A message box disables this window before it appears. Where that takes the focus from the
  // controls (older Wine and other window managers do; current Wine and Windows, only from the
  // window itself), the save at the deactivation would come too late: save it now, and put it
  // back once the box is gone.
  saveFocus();
  const int answer = shell_.show(hwnd(), notice);
  restoreFocus();
  return answer;
}

std::wstring MainWindow::controlText(int id) const { return windowText(control(id)); }

bool MainWindow::isChecked(int id) const {
  return SendMessageW(control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

}  // namespace zozi::ui
