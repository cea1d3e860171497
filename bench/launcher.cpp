// Starts the program and the floor alternately and measures, for each run, the time from
// process creation until the main window is shown and idle, and the process's peak working set.
// Prints the medians, the ratios, whether the targets hold, and the program file's size.
//
//   launcher [runs] [program.exe floor.exe]
//
// Defaults: 20 runs each, ..\ui\CorvelEditorZozi.exe and CorvelEditorZoziFloor.exe beside the
// launcher. Exit status: 0 the targets hold, 2 a target is missed, 1 a run failed.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr double kStartupRatioTarget = 1.15;
constexpr double kMemoryMarginTargetMiB = 2.0;
constexpr ULONGLONG kSizeTarget = 256 * 1024;
constexpr DWORD kTimeoutMs = 30000;
constexpr DWORD kSettleMs = 100;
constexpr double kMiB = 1024.0 * 1024.0;

struct Sample {
  double milliseconds = 0;  // process creation until the window is shown and idle
  SIZE_T peakWorkingSet = 0;
};

struct Search {
  DWORD processId;
  HWND found;
};

// A visible, unowned top-level window of the process: its main window once shown.
BOOL CALLBACK findShownWindow(HWND hwnd, LPARAM lParam) {
  auto* search = reinterpret_cast<Search*>(lParam);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid == search->processId && IsWindowVisible(hwnd) && !GetWindow(hwnd, GW_OWNER)) {
    search->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

double nowMs() {
  static const LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

std::wstring folderOf(const std::wstring& path) {
  const auto slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring(L".") : path.substr(0, slash);
}

// The process's main window once it is visible; nullptr if the process ends or the time is up.
HWND waitForShownWindow(const PROCESS_INFORMATION& process, double start) {
  Search search{process.dwProcessId, nullptr};
  for (;;) {
    EnumWindows(findShownWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found) return search.found;
    // Waiting on the process is the pause between looks and notices an early end.
    if (WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0) return nullptr;
    if (nowMs() - start > kTimeoutMs) return nullptr;
  }
}

bool runOnce(const std::wstring& exe, Sample& sample) {
  std::wstring commandLine = L"\"" + exe + L"\"";
  const std::wstring folder = folderOf(exe);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};

  const double start = nowMs();
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.c_str(), &startup, &process)) {
    std::fprintf(stderr, "cannot start %ls (error %lu)\n", exe.c_str(), GetLastError());
    return false;
  }
  // Shown and idle: the process first waits for input (both programs show their window before
  // their message loop), its main window is visible, and a message sent to it comes back.
  WaitForInputIdle(process.hProcess, kTimeoutMs);
  const HWND window = waitForShownWindow(process, start);
  DWORD_PTR ignored = 0;
  const bool answered =
      window && SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, kTimeoutMs, &ignored) != 0;
  sample.milliseconds = nowMs() - start;
  if (!answered) std::fprintf(stderr, "%ls showed no window that answers\n", exe.c_str());

  // The peak so far, read before the window is asked to close.
  bool ok = answered;
  HANDLE query =
      OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, process.dwProcessId);
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  if (query && GetProcessMemoryInfo(query, &counters, sizeof counters)) {
    sample.peakWorkingSet = counters.PeakWorkingSetSize;
  } else {
    std::fprintf(stderr, "cannot read the memory of %ls (error %lu)\n", exe.c_str(),
                 GetLastError());
    ok = false;
  }
  if (query) CloseHandle(query);

  // Ask politely, then wait; end it only if it does not go.
  if (window) PostMessageW(window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.hProcess, window ? kTimeoutMs : 0) != WAIT_OBJECT_0) {
    if (window) std::fprintf(stderr, "%ls did not close; ended\n", exe.c_str());
    TerminateProcess(process.hProcess, 1);
    WaitForSingleObject(process.hProcess, kTimeoutMs);
    ok = false;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  // Let the system finish tearing the process down before the next one starts.
  Sleep(kSettleMs);
  return ok;
}

template <typename T>
T median(std::vector<T> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  if (n == 0) return T{};
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

std::wstring fullPath(const std::wstring& path) {
  wchar_t full[MAX_PATH];
  const DWORD length = GetFullPathNameW(path.c_str(), MAX_PATH, full, nullptr);
  return length > 0 && length < MAX_PATH ? std::wstring(full, length) : path;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::wstring self(MAX_PATH, L'\0');
  self.resize(GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size())));
  const std::wstring here = folderOf(self);
  int runs = 20;
  std::wstring program = here + L"\\..\\ui\\CorvelEditorZozi.exe";
  std::wstring floor = here + L"\\CorvelEditorZoziFloor.exe";
  if (argc > 1) runs = std::max(1, _wtoi(argv[1]));
  if (argc > 3) {
    program = argv[2];
    floor = argv[3];
  }
  program = fullPath(program);
  floor = fullPath(floor);

  // One unmeasured run of each first: the system's libraries then come from the cache for both.
  Sample warm;
  if (!runOnce(program, warm) || !runOnce(floor, warm)) return 1;

  std::vector<double> programMs, floorMs;
  std::vector<SIZE_T> programPeak, floorPeak;
  std::printf("run    program ms   MiB    floor ms   MiB\n");
  for (int i = 0; i < runs; ++i) {
    // Alternately, and each first every other time, so neither always follows the other.
    Sample p, f;
    const bool programFirst = i % 2 == 0;
    if (programFirst && !runOnce(program, p)) return 1;
    if (!runOnce(floor, f)) return 1;
    if (!programFirst && !runOnce(program, p)) return 1;
    programMs.push_back(p.milliseconds);
    programPeak.push_back(p.peakWorkingSet);
    floorMs.push_back(f.milliseconds);
    floorPeak.push_back(f.peakWorkingSet);
    std::printf("%3d  %9.1f  %6.2f  %9.1f  %6.2f\n", i + 1, p.milliseconds,
                static_cast<double>(p.peakWorkingSet) / kMiB, f.milliseconds,
                static_cast<double>(f.peakWorkingSet) / kMiB);
  }

  const double pMs = median(programMs);
  const double fMs = median(floorMs);
  const double pMiB = static_cast<double>(median(programPeak)) / kMiB;
  const double fMiB = static_cast<double>(median(floorPeak)) / kMiB;
  const double ratio = pMs / fMs;
  const double extraMiB = pMiB - fMiB;

  WIN32_FILE_ATTRIBUTE_DATA file{};
  ULONGLONG size = 0;
  if (GetFileAttributesExW(program.c_str(), GetFileExInfoStandard, &file)) {
    size = (static_cast<ULONGLONG>(file.nFileSizeHigh) << 32) | file.nFileSizeLow;
  }

  const bool startupHolds = ratio <= kStartupRatioTarget;
  const bool memoryHolds = extraMiB <= kMemoryMarginTargetMiB;
  const bool sizeHolds = size > 0 && size <= kSizeTarget;
  std::printf("\nmedians of %d runs each\n", runs);
  std::printf("start-up      program %7.1f ms   floor %7.1f ms   ratio %.3f (target <= %.2f): %s\n",
              pMs, fMs, ratio, kStartupRatioTarget, startupHolds ? "holds" : "MISSED");
  std::printf(
      "peak working  program %7.2f MiB  floor %7.2f MiB  %+.2f MiB (target <= +%.0f MiB): %s\n",
      pMiB, fMiB, extraMiB, kMemoryMarginTargetMiB, memoryHolds ? "holds" : "MISSED");
  // The fastest runs, beside the medians: start-up times under Wine come in two modes, and the
  // fastest run of each shows what the window itself costs with the least noise.
  const double pBest = *std::min_element(programMs.begin(), programMs.end());
  const double fBest = *std::min_element(floorMs.begin(), floorMs.end());
  std::printf("fastest       program %7.1f ms   floor %7.1f ms   ratio %.3f (for reference)\n",
              pBest, fBest, pBest / fBest);
  std::printf("program file  %llu bytes (target <= %llu): %s\n", size, kSizeTarget,
              sizeHolds ? "holds" : "MISSED");
  std::fflush(stdout);
  return startupHolds && memoryHolds && sizeHolds ? 0 : 2;
}
