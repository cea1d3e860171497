// Corvel Editor Zozi: composes taskHint statements for mission scripts.
#include <windows.h>
#include <commctrl.h>

#include "main_window.h"
#include "message_loop.h"
#include "shell.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);

  zozi::ui::SystemShell shell;
  zozi::ui::MainWindow main(instance, shell);
  if (!main.create()) return 1;
  main.show(showCommand);
  return zozi::ui::runMessageLoop(main);
}
