// The Multiplier window on Windows: dialog 104 run modally on a thread of
// its own, polling the host on timer 1500 and painting the worked-before
// grid. What a tick computes lives in MultiplierPoller (portable); this file
// moves it onto the screen and does the handshake between the host's
// thread and the window's.
//
// Handshake: the multiplier window pointer (window_) is published by Start
// on the host's thread before the window thread exists, so a Close that
// follows at once always sees it. Start then waits (bounded) until the
// dialog's handle is published, so that a window thread never sits in its
// start-up, where it may need the loader lock, when the library is being
// unloaded. A close requested before the handle exists is noticed when the
// dialog initializes and ends it before it is ever shown. The window thread
// clears the pointer as the very last thing it does. All of it is guarded
// by mu_, which is never held while a message is sent, the host is called
// or the other thread is waited for.
//
// Timers belong to the window's thread: a re-arm asked for from the host's
// thread is posted to the window as kArmPollTimer.
#include <windows.h>

#include <memory>
#include <new>
#include <string>

#include "base/module_win.h"
#include "base/mutex.h"
#include "base/settings.h"
#include "base/thread_annotations.h"
#include "host/host_link.h"
#include "ui/info_button_win.h"
#include "ui/multiplier_view.h"
#include "ui/multiplier_window.h"
#include "ui/resource.h"
#include "ui/window_position.h"

namespace aadx {
namespace {

// Posted by ArmPollTimer: the window restarts its poll timer at 300 ms.
constexpr UINT kArmPollTimer = WM_APP + 1;

// Start and Close poll the window thread's progress this often, and give
// up after kHandshakeWaitMs rather than hang the host.
constexpr DWORD kHandshakePollMs = 20;
constexpr DWORD kHandshakeWaitMs = 5000;
// After its pointer is clear the window thread only returns. Close waits
// this long for it to be gone, so the library is not unmapped under its
// last instructions. At unload the thread then waits for the loader lock
// outside our code, and the wait ends by its time limit.
constexpr DWORD kThreadExitWaitMs = 250;
// How long an unload waits for a stuck thread it ended to be gone.
constexpr DWORD kTerminateWaitMs = 2000;

class WindowsMultiplierWindow;

// The dialog of one opening of the window; lives on the window thread.
class Multiplier {
 public:
  explicit Multiplier(WindowsMultiplierWindow* owner) : owner_(owner) {}
  Multiplier(const Multiplier&) = delete;
  Multiplier& operator=(const Multiplier&) = delete;

  // Runs the dialog on the calling thread until it ends.
  void DoModal();

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wparam,
                                     LPARAM lparam);
  INT_PTR OnMessage(UINT message, WPARAM wparam, LPARAM lparam);
  void OnInitDialog();
  void OnSetCursor();
  void OnSize(int width, int height);
  void OnTimer();
  void End();

  WindowsMultiplierWindow* const owner_;
  HWND hwnd_ = nullptr;
  CCqWwInfoButton grid_;
  bool ticking_ = false;  // a tick is waiting for the host
};

class WindowsMultiplierWindow : public MultiplierWindow {
 public:
  WindowsMultiplierWindow(SharedState* state, HostLink* host,
                          Settings* settings)
      : state_(state),
        host_(host),
        settings_(settings),
        poller_(std::make_unique<MultiplierPoller>(state, host)) {}

  bool IsRunning() override EXCLUDES(mu_) {
    MutexLock lock(&mu_);
    return window_ != nullptr;
  }

  void Start() override EXCLUDES(mu_) {
    if (IsRunning()) Close();
    Multiplier* window = new (std::nothrow) Multiplier(this);
    if (window == nullptr) return;
    {
      MutexLock lock(&mu_);
      if (window_ != nullptr) {
        // The old window did not close in time; it stays the only one.
        delete window;
        return;
      }
      window_ = window;
      hwnd_ = nullptr;
      closeRequested_ = false;
    }
    HANDLE thread = CreateThread(nullptr, 0, &ThreadProc, this, 0, nullptr);
    if (thread == nullptr) {
      MutexLock lock(&mu_);
      window_ = nullptr;
      delete window;
      return;
    }
    ForgetThread();
    thread_ = thread;
    WaitUntil([this, window] {
      MutexLock lock(&mu_);
      return hwnd_ != nullptr || window_ != window;
    });
  }

  void Close() override EXCLUDES(mu_) {
    HWND hwnd;
    bool running;
    {
      MutexLock lock(&mu_);
      running = window_ != nullptr;
      closeRequested_ = running;
      hwnd = hwnd_;
    }
    if (running) {
      if (host_->HasHost()) host_->Release();
      // Posted, not sent: the window's thread may be in a call on a host
      // object that lives on this thread, and only gets to the message once
      // this thread serves that call (see WaitUntil). The window kills its
      // timer as it handles WM_CLOSE.
      if (hwnd != nullptr) PostMessageA(hwnd, WM_CLOSE, 0, 0);
      // Unsaved, the mode macro is simply not sent again: harmless.
      settings_->WriteText("Talq_Good", "0").IgnoreError();
      WaitUntil([this] {
        MutexLock lock(&mu_);
        return window_ == nullptr;
      });
    }
    if (thread_ == nullptr) return;
    if (StatsUnloading() && IsRunning()) {
      // The window did not close in time: its thread is stuck (in a host
      // call, say) and would run the library's code again when it returns,
      // but the library is unmapped as soon as the unload returns. It is
      // ended where it stands. A thread ended so runs no detach code, so
      // its end, which comes asynchronously, needs no loader lock and is
      // waited for.
      if (TerminateThread(thread_, 0)) {
        WaitForSingleObject(thread_, kTerminateWaitMs);
      }
      ForgetThread();
    } else if (!IsRunning()) {
      // After the operator closed the window: its thread may still be on
      // its way out.
      WaitForSingleObject(thread_, kThreadExitWaitMs);
      ForgetThread();
    }
  }

  void ArmPollTimer() override EXCLUDES(mu_) {
    HWND hwnd;
    {
      MutexLock lock(&mu_);
      hwnd = hwnd_;
    }
    // Before the dialog exists there is nothing to re-arm: it arms its
    // timer itself when it opens.
    if (hwnd != nullptr) PostMessageA(hwnd, kArmPollTimer, 0, 0);
  }

  // Window thread side.

  // The dialog's window exists: publishes its handle. True when a close
  // was requested before, so the dialog ends without being shown.
  bool Opened(HWND hwnd) EXCLUDES(mu_) {
    MutexLock lock(&mu_);
    hwnd_ = hwnd;
    return closeRequested_;
  }

  // The dialog's window is going away: no more messages for it.
  void Closing() EXCLUDES(mu_) {
    MutexLock lock(&mu_);
    hwnd_ = nullptr;
  }

  SharedState* state() const { return state_; }
  Settings* settings() const { return settings_; }
  MultiplierPoller* poller() const { return poller_.get(); }
  // The position last read from or written to the settings. Used by one
  // window thread at a time: a new one starts only after the last one's
  // window is gone.
  WindowPosition* savedPosition() { return &savedPosition_; }

 private:
  static DWORD WINAPI ThreadProc(LPVOID param) {
    try {
      return static_cast<WindowsMultiplierWindow*>(param)->RunThread();
    } catch (...) {
      return 0;
    }
  }

  DWORD RunThread() EXCLUDES(mu_) {
    Multiplier* window;
    {
      MutexLock lock(&mu_);
      window = window_;
    }
    if (window == nullptr) return 1;  // no window to run
    // The host link asks each thread that calls it again and again to
    // keep COM initialized for its whole life.
    HRESULT com = CoInitialize(nullptr);
    window->DoModal();
    if (SUCCEEDED(com)) CoUninitialize();
    delete window;
    // The last step: once the pointer is clear the library may be
    // unloaded, so nothing of it may run after this but the return.
    MutexLock lock(&mu_);
    window_ = nullptr;
    hwnd_ = nullptr;
    return 0;
  }

  // Polls done() every kHandshakePollMs for at most kHandshakeWaitMs.
  // Meanwhile this thread serves what the window's thread may be waiting
  // for: messages sent to this thread's windows and, when this thread is in
  // a single-threaded apartment (the host's GUI thread, where the host
  // object lives), the COM calls marshalled into it. Other posted messages
  // stay queued for the host's own loop.
  template <typename Done>
  static void WaitUntil(Done done) {
    const DWORD start = GetTickCount();
    APTTYPE type;
    APTTYPEQUALIFIER qualifier;
    const bool sta = SUCCEEDED(CoGetApartmentType(&type, &qualifier)) &&
                     (type == APTTYPE_STA || type == APTTYPE_MAINSTA);
    while (!done()) {
      if (GetTickCount() - start >= kHandshakeWaitMs) return;
      if (NeverSignalled() == nullptr) {
        Sleep(kHandshakePollMs);
      } else if (sta) {
        DWORD index = 0;
        CoWaitForMultipleHandles(0, kHandshakePollMs, 1, &NeverSignalled(),
                                 &index);
      } else {
        MsgWaitForMultipleObjectsEx(0, nullptr, kHandshakePollMs,
                                    QS_SENDMESSAGE, 0);
        MSG msg;
        PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
      }
    }
  }

  // Host thread only, like Start and Close.
  void ForgetThread() {
    if (thread_ != nullptr) CloseHandle(thread_);
    thread_ = nullptr;
  }

  static HANDLE& NeverSignalled() {
    static HANDLE event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    return event;
  }

  SharedState* const state_;
  HostLink* const host_;
  Settings* const settings_;
  const std::unique_ptr<MultiplierPoller> poller_;  // keeps the macro frequency
  WindowPosition savedPosition_;

  Mutex mu_;
  Multiplier* window_ GUARDED_BY(mu_) = nullptr;
  HWND hwnd_ GUARDED_BY(mu_) = nullptr;
  bool closeRequested_ GUARDED_BY(mu_) = false;
  HANDLE thread_ = nullptr;  // the last window thread; host thread only
};

void Multiplier::DoModal() {
  DialogBoxParamA(StatsModule(), MAKEINTRESOURCEA(IDD_MULTIPLIER), nullptr,
                  &DialogProc, reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK Multiplier::DialogProc(HWND hwnd, UINT message, WPARAM wparam,
                                        LPARAM lparam) {
  try {
    Multiplier* self;
    if (message == WM_INITDIALOG) {
      self = reinterpret_cast<Multiplier*>(lparam);
      SetWindowLongPtrA(hwnd, DWLP_USER, lparam);
      self->hwnd_ = hwnd;
    } else {
      // Null for the few messages before WM_INITDIALOG.
      self = reinterpret_cast<Multiplier*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    }
    if (self == nullptr) return FALSE;
    return self->OnMessage(message, wparam, lparam);
  } catch (...) {
    return FALSE;
  }
}

INT_PTR Multiplier::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG:
      OnInitDialog();
      return TRUE;
    case WM_SETCURSOR:
      OnSetCursor();
      return FALSE;  // the default processing sets the cursor
    case WM_SIZE:
      OnSize(LOWORD(lparam), HIWORD(lparam));
      return FALSE;
    case WM_TIMER:
      OnTimer();
      return FALSE;
    case kArmPollTimer:
      SetTimer(hwnd_, kPollTimerId, kPollFirstMs, nullptr);
      return TRUE;
    case WM_DRAWITEM:
      if (wparam != IDC_MULTIPLIER_GRID) return FALSE;
      grid_.DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
      SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, TRUE);
      return TRUE;
    case WM_CLOSE:
      End();
      return TRUE;
    case WM_COMMAND:
      // Enter and Esc end the dialog as the caption's close button does.
      if (LOWORD(wparam) == IDOK || LOWORD(wparam) == IDCANCEL) {
        End();
        return TRUE;
      }
      return FALSE;
    case WM_DESTROY:
      KillTimer(hwnd_, kPollTimerId);
      owner_->Closing();
      return FALSE;
    default:
      return FALSE;
  }
}

void Multiplier::OnInitDialog() {
  grid_.Attach(GetDlgItem(hwnd_, IDC_MULTIPLIER_GRID), owner_->state());

  WindowPosition* saved = owner_->savedPosition();
  *saved = LoadWindowPosition(owner_->settings());
  SetWindowPos(hwnd_, nullptr, saved->x, saved->y, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER);
  SetWindowPos(hwnd_, HWND_TOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

  HICON icon = LoadIconA(StatsModule(), MAKEINTRESOURCEA(IDI_MULTIPLIER));
  SendMessageA(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));

  SetTimer(hwnd_, kPollTimerId, kPollFirstMs, nullptr);
  if (owner_->Opened(hwnd_)) End();
}

void Multiplier::OnSetCursor() {
  // The mouse is over the window: a good moment to remember where the
  // operator has put it.
  RECT r;
  if (!GetWindowRect(hwnd_, &r)) return;
  SaveWindowPosition(owner_->settings(), owner_->savedPosition(), r.left,
                     r.top);
}

void Multiplier::OnSize(int width, int height) {
  HWND button = GetDlgItem(hwnd_, IDC_MULTIPLIER_GRID);
  if (button != nullptr) MoveWindow(button, 1, 1, width - 4, height - 4, TRUE);
}

void Multiplier::OnTimer() {
  // A tick waits for the host in a modal loop that may deliver the timer
  // again (re-armed meanwhile by the call check); the running tick
  // re-arms it when it completes.
  if (ticking_) return;
  KillTimer(hwnd_, kPollTimerId);
  TickResult result;
  ticking_ = true;
  try {
    result = owner_->poller()->Tick();
  } catch (...) {
    result = TickResult();  // ends the tick; the call check re-arms
  }
  ticking_ = false;
  if (result.setTitle) SetWindowTextA(hwnd_, result.title.c_str());
  if (result.completed()) {
    SetTimer(hwnd_, kPollTimerId, kPollNextMs, nullptr);
    InvalidateRect(grid_.hwnd(), nullptr, FALSE);
  }
}

void Multiplier::End() {
  KillTimer(hwnd_, kPollTimerId);
  EndDialog(hwnd_, IDCANCEL);
}

}  // namespace

std::unique_ptr<MultiplierWindow> NewMultiplierWindow(SharedState* state,
                                                      HostLink* host,
                                                      Settings* settings) {
  return std::make_unique<WindowsMultiplierWindow>(state, host, settings);
}

}  // namespace aadx
