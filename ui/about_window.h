// The About window: the tool's name, version, author and address, and a Close button. While it
// is open the main window is disabled, so it behaves like a modal box though shown modeless.
#pragma once

#include <windows.h>

#include <optional>

#include "table_window.h"

namespace zozi::ui {

inline constexpr wchar_t kAboutClassName[] = L"CorvelEditorZoziAbout";

class AboutWindow : public TableWindow<AboutWindow> {
 public:
  AboutWindow(HINSTANCE instance, WindowCore& mainWindow, WindowServices& services);
  ~AboutWindow() { destroyWindow(); }

  // Shows it in front, with the focus on Close.
  void show();
  // Gives the main window back, enabled, then unloads this one.
  void close();

  static const WindowDefinition& definition();

 private:
  friend class TableWindow<AboutWindow>;
  bool onCreate();
  std::optional<LRESULT> dispatch(UINT message, WPARAM wParam, LPARAM lParam);
  void onCommand(int id);
  void onDestroy();

  WindowCore& main_;
};

}  // namespace zozi::ui
