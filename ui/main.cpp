// Corvel Editor Zozi: composes taskHint statements for mission scripts.
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>

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
  return zozi::ui::runMessageLoop();
}

#if defined(__GLIBCXX__)
// libstdc++'s default terminate handler prints the exception's demangled type, which links in
// the whole demangler. A GUI program has nowhere to print it: end at once instead.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx
#endif
