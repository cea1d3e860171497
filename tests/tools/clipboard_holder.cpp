// Another program busy with the clipboard: opens it, signals the first named event, and keeps
// it open until the second named event is set (or a minute passes), then closes it.
//   clipboard_holder READY-EVENT RELEASE-EVENT
// Exits 0 after holding the clipboard, 1 on bad arguments or events, 2 when it could not open it.
#include <windows.h>

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) return 1;
  HANDLE ready = OpenEventW(EVENT_MODIFY_STATE, FALSE, argv[1]);
  HANDLE release = OpenEventW(SYNCHRONIZE, FALSE, argv[2]);
  if (!ready || !release) return 1;
  if (!OpenClipboard(nullptr)) return 2;
  SetEvent(ready);
  WaitForSingleObject(release, 60000);
  CloseClipboard();
  return 0;
}
