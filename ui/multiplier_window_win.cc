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
// dialog initializes and ends it before it is ever shown. All of it is
// guarded by mu_, which is never held while a message is sent, the host is
// called or the other thread is waited for.
//
// Leaving: Close runs at unload too, under the loader lock, where a thread
// cannot finish exiting (its exit needs that lock) and the library is
// unmapped as soon as Close returns. So the window thread says it is done
// and leaves our code in one step: it queues itself kernel32's ExitThread
// as an APC, then signals its exit event and waits alertably in one call
// (SignalObjectAndWait). Once the event is set the thread runs no
// instruction of ours again; Close waits for that event, not for the
// thread's end. A thread that does not get there in time (stuck in a slow
// host call) is abandoned: the library is pinned so that it is never
// unmapped under that thread, which leaves as soon as the host call
// returns or its window gets a message, without touching the plug-in's
// state again.
//
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

// An event that is never set, created once: the window thread's last wait
// and WaitUntil's COM wait use it.
HANDLE NeverSignalled() {
  static const HANDLE event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  return event;
}

// Sets exited and ends the calling thread without running any more of the
// library's code: ExitThread comes as an APC, delivered in the alertable
// wait that follows the signal in the same call.
[[noreturn]] void SignalAndExitThread(HANDLE exited) {
  // Through a plain function pointer type: ExitThread(DWORD) and an APC
  // routine (ULONG_PTR) take their one argument the same way.
  auto exitThread =
      reinterpret_cast<PAPCFUNC>(reinterpret_cast<void (*)()>(&ExitThread));
  if (QueueUserAPC(exitThread, GetCurrentThread(), 0) != 0 &&
      NeverSignalled() != nullptr) {
    SignalObjectAndWait(exited, NeverSignalled(), INFINITE, TRUE);
  }
  SetEvent(exited);  // only when the above could not be set up
  ExitThread(0);
}

// The exit event of one window thread. The host's thread holds it (shared
// by a Close and the calls nested in its wait); it is closed once seen set,
// and left open otherwise, since the thread may still set it.
class ThreadExit {
 public:
  ThreadExit() : event_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}
  ~ThreadExit() {
    if (event_ != nullptr && Left()) CloseHandle(event_);
  }
  ThreadExit(const ThreadExit&) = delete;
  ThreadExit& operator=(const ThreadExit&) = delete;

  HANDLE event() const { return event_; }
  // The thread runs none of our code any more.
  bool Left() const { return WaitForSingleObject(event_, 0) == WAIT_OBJECT_0; }

 private:
  const HANDLE event_;
};

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

// The host link as the window thread's poller sees it: each call is
// forwarded, and a thread abandoned while the call was under way leaves as
// soon as it returns.
class WindowHostLink : public HostLink {
 public:
  explicit WindowHostLink(WindowsMultiplierWindow* owner) : owner_(owner) {}
  void Attach(HostLink* host) { host_ = host; }

  void Connect() override {
    Call([this] { return (host_->Connect(), true); });
  }
  bool HasHost() override {
    return Call([this] { return host_->HasHost(); });
  }
  bool ReadHostState(int32_t* state) override {
    return Call([this, state] { return host_->ReadHostState(state); });
  }
  bool ReadHostFrequency(double* hz) override {
    return Call([this, hz] { return host_->ReadHostFrequency(hz); });
  }
  bool ReadEntryText(std::string* text) override {
    return Call([this, text] { return host_->ReadEntryText(text); });
  }
  bool RunHostMacro(const std::string& macro) override {
    return Call([this, &macro] { return host_->RunHostMacro(macro); });
  }
  void Release() override {
    Call([this] { return (host_->Release(), true); });
  }

  // True while the window thread waits for the host (window thread only).
  bool inCall() const { return inCall_; }

 private:
  template <typename Fn>
  bool Call(Fn fn) {
    inCall_ = true;
    bool result = fn();
    inCall_ = false;
    LeaveIfAbandoned();
    return result;
  }
  void LeaveIfAbandoned();

  WindowsMultiplierWindow* const owner_;
  HostLink* host_ = nullptr;
  bool inCall_ = false;
};

class WindowsMultiplierWindow : public MultiplierWindow {
 public:
  WindowsMultiplierWindow() : pollerLink_(this) {}

  void Attach(SharedState* state, HostLink* host, Settings* settings) override {
    state_ = state;
    host_ = host;
    settings_ = settings;
    pollerLink_.Attach(host);
    poller_ = new MultiplierPoller(state, &pollerLink_);
  }

  bool IsRunning() override EXCLUDES(mu_) {
    MutexLock lock(&mu_);
    return window_ != nullptr;
  }

  void Start() override EXCLUDES(mu_) {
    if (IsRunning()) Close();
    if (poller_ == nullptr) return;  // never attached
    std::shared_ptr<ThreadExit> exit(new (std::nothrow) ThreadExit());
    if (exit == nullptr || exit->event() == nullptr) return;
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
      abandoned_ = false;
      exited_ = exit->event();
    }
    HANDLE thread = CreateThread(nullptr, 0, &ThreadProc, this, 0, nullptr);
    if (thread == nullptr) {
      MutexLock lock(&mu_);
      window_ = nullptr;
      delete window;
      SetEvent(exit->event());  // no thread will
      return;
    }
    CloseHandle(thread);
    lastThread_ = exit;
    WaitUntil([this, window] {
      MutexLock lock(&mu_);
      return hwnd_ != nullptr || window_ != window;
    });
  }

  void Close() override EXCLUDES(mu_) {
    // A copy: a call nested in the wait below may start another thread.
    std::shared_ptr<ThreadExit> exit = lastThread_;
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
      settings_->WriteText("Talq_Good", "0");
    }
    // Also after the operator closed the window: its thread may still be on
    // its way out.
    if (exit == nullptr) return;
    WaitUntil([&exit] { return exit->Left(); });
    if (exit->Left()) {
      if (lastThread_ == exit) lastThread_.reset();
      return;
    }
    Abandon(exit->event());
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

  // On the window thread: when the host's thread gave up waiting for it,
  // ends the thread at once. The plug-in's state may be gone by now, so
  // nothing of it is touched; the dialog goes with the thread.
  void LeaveIfAbandoned() EXCLUDES(mu_) {
    HANDLE exited;
    {
      MutexLock lock(&mu_);
      if (!abandoned_ || GetCurrentThreadId() != windowThreadId_) return;
      exited = exited_;
      window_ = nullptr;
      hwnd_ = nullptr;
    }
    SignalAndExitThread(exited);
  }

  bool inHostCall() const { return pollerLink_.inCall(); }
  SharedState* state() const { return state_; }
  Settings* settings() const { return settings_; }
  MultiplierPoller* poller() const { return poller_; }
  // The position last read from or written to the settings. Used by one
  // window thread at a time: a new one starts only after the last ended.
  WindowPosition* savedPosition() { return &savedPosition_; }

 private:
  static DWORD WINAPI ThreadProc(LPVOID param) {
    // Never returns: the thread leaves through SignalAndExitThread.
    static_cast<WindowsMultiplierWindow*>(param)->RunThread();
  }

  [[noreturn]] void RunThread() EXCLUDES(mu_) {
    Multiplier* window;
    HANDLE exited;
    {
      MutexLock lock(&mu_);
      window = window_;
      exited = exited_;
      windowThreadId_ = GetCurrentThreadId();
    }
    try {
      // The host link asks each thread that calls it again and again to
      // keep COM initialized for its whole life.
      HRESULT com = CoInitialize(nullptr);
      window->DoModal();
      if (SUCCEEDED(com)) CoUninitialize();
      delete window;
    } catch (...) {
    }
    {
      MutexLock lock(&mu_);
      window_ = nullptr;
      hwnd_ = nullptr;
    }
    SignalAndExitThread(exited);
  }

  // Host thread: the window thread whose exit event this is did not leave
  // in time. It is told to leave at its next chance, and the library is
  // pinned, so that FreeLibrary never unmaps it under that thread.
  void Abandon(HANDLE exited) EXCLUDES(mu_) {
    {
      MutexLock lock(&mu_);
      if (exited_ == exited) abandoned_ = true;
    }
    HMODULE self = nullptr;
    GetModuleHandleExA(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
        reinterpret_cast<LPCSTR>(&NeverSignalled), &self);
  }

  // Polls done() every kHandshakePollMs for at most kHandshakeWaitMs.
  // Meanwhile this thread serves what the window's thread may be waiting
  // for: messages sent to this thread's windows and, when this thread is in
  // a single-threaded apartment (the host's GUI thread, where the host
  // object lives), the COM calls marshalled into it. In that apartment the
  // wait is COM's modal loop, which dispatches posted messages too, so the
  // host's own messages (and calls into the exports they make) may run
  // here; elsewhere only sent messages are served and posted ones stay
  // queued for the host's own loop.
  template <typename Done>
  static void WaitUntil(Done done) {
    const DWORD start = GetTickCount();
    APTTYPE type;
    APTTYPEQUALIFIER qualifier;
    const bool sta = SUCCEEDED(CoGetApartmentType(&type, &qualifier)) &&
                     (type == APTTYPE_STA || type == APTTYPE_MAINSTA);
    while (!done()) {
      if (GetTickCount() - start >= kHandshakeWaitMs) return;
      HANDLE never = NeverSignalled();
      if (never == nullptr) {
        Sleep(kHandshakePollMs);
      } else if (sta) {
        DWORD index = 0;
        CoWaitForMultipleHandles(0, kHandshakePollMs, 1, &never, &index);
      } else {
        MsgWaitForMultipleObjectsEx(0, nullptr, kHandshakePollMs,
                                    QS_SENDMESSAGE, 0);
        MSG msg;
        PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
      }
    }
  }

  SharedState* state_ = nullptr;
  HostLink* host_ = nullptr;
  Settings* settings_ = nullptr;
  WindowHostLink pollerLink_;
  MultiplierPoller* poller_ = nullptr;  // keeps the macro frequency
  WindowPosition savedPosition_;
  // The last window thread's exit; host thread only, like Start and Close.
  std::shared_ptr<ThreadExit> lastThread_;

  Mutex mu_;
  Multiplier* window_ GUARDED_BY(mu_) = nullptr;
  HWND hwnd_ GUARDED_BY(mu_) = nullptr;
  bool closeRequested_ GUARDED_BY(mu_) = false;
  // The running window thread: its exit event, its id, and whether the
  // host's thread gave up waiting for it.
  HANDLE exited_ GUARDED_BY(mu_) = nullptr;
  DWORD windowThreadId_ GUARDED_BY(mu_) = 0;
  bool abandoned_ GUARDED_BY(mu_) = false;
};

void WindowHostLink::LeaveIfAbandoned() { owner_->LeaveIfAbandoned(); }

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
  // Not inside a host call: COM's modal loop delivers messages while the
  // call waits, and the thread leaves when the call returns.
  if (!owner_->inHostCall()) owner_->LeaveIfAbandoned();
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

MultiplierWindow* DefaultMultiplierWindow() {
  // Never destroyed: a window thread that did not end within the close's
  // wait may still use it.
  static MultiplierWindow* const window = new WindowsMultiplierWindow();
  return window;
}

}  // namespace aadx
