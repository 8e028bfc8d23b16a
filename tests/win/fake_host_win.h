// A stand-in for the host logger's automation object in the Windows tests.
//
// FakeHost runs an IDispatch object registered as the running object of
// "Talq2.Application" (its class id written under
// HKEY_CLASSES_ROOT\Talq2.Application\CLSID). Start puts it on a thread
// of its own that pumps messages as the host's GUI thread does, so calls
// from any other thread, the plug-in's included, are marshalled into it;
// StartOnThisThread puts it on the test's own thread instead, the real
// host's arrangement. The object answers:
//   dispatch id 1   property get: the state (VT_I4)
//   dispatch id 2   property get: the frequency in Hz (VT_R8)
//   dispatch id 8   method, one argument: the entry field's text (VT_BSTR)
//   dispatch id 16  method, one text argument: recorded as a macro
// and records every call. All members but StartOnThisThread and Stop after
// it may be called from any thread.
//
//   FakeHost host;
//   ASSERT_TRUE(host.Start());
//   host.SetEntryText("JA1ABC");
//   host.SetFrequency(14025000.0);
//   ... drive the plug-in ...
//   EXPECT_TRUE(host.WaitForMacros(1, std::chrono::seconds(5)));
//   EXPECT_EQ(host.Macros(), std::vector<std::string>{"<SP1>"});
//   host.Stop();  // also done by the destructor
#ifndef AADX_TESTS_WIN_FAKE_HOST_WIN_H_
#define AADX_TESTS_WIN_FAKE_HOST_WIN_H_

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace aadx {

// One Invoke as the object received it.
struct FakeHostCall {
  DISPID id = 0;
  WORD flags = 0;                 // DISPATCH_METHOD, DISPATCH_PROPERTYGET...
  std::vector<VARTYPE> argTypes;  // in natural order
  std::vector<std::string> args;  // each argument as ANSI text
  DWORD threadId = 0;             // the thread that ran the call
};

class FakeHost {
 public:
  FakeHost();
  ~FakeHost();
  FakeHost(const FakeHost&) = delete;
  FakeHost& operator=(const FakeHost&) = delete;

  // Starts the host thread, writes the class id and registers the object
  // as the running object. False, with *error set, when a step fails.
  bool Start(std::string* error = nullptr);
  // The same on the calling thread instead of a thread of its own, as the
  // real host does on its GUI thread: the plug-in's calls from this thread
  // then reach the object directly, and calls from other threads are served
  // only while this thread pumps messages (see PumpMessagesUntil). The
  // thread must have initialized COM apartment-threaded, and must call
  // Stop (or destroy the FakeHost) itself.
  bool StartOnThisThread(std::string* error = nullptr);
  // Revokes the registration, cuts the object off from every client (their
  // calls then fail), removes the class id and ends the thread. Does
  // nothing when not started.
  void Stop();
  // Takes the object out of the running object table but keeps it alive
  // and answering, as a host that is shutting down does.
  void Unregister();

  // What the object answers.
  void SetState(int32_t state);
  void SetFrequency(double hz);
  void SetEntryText(const std::string& ansiText);
  void SetEntryTextWide(const std::wstring& text);
  // While set, every call fails with DISP_E_EXCEPTION.
  void SetRefusing(bool refusing);
  // Each call is answered only after this long (0: at once), as a busy
  // host answers.
  void SetAnswerDelay(std::chrono::milliseconds delay);

  // What the object was asked.
  std::vector<std::string> Macros() const;  // dispatch id 16, in order
  std::vector<FakeHostCall> Calls() const;  // every Invoke, in order
  // How often a client asked the object for IDispatch (each lookup of
  // the running object through GetActiveObject asks once).
  int DispatchQueries() const;
  // How many calls have been answered (returned to their caller's proxy).
  int CallsAnswered() const;
  void ClearRecords();
  // Waits until at least count macros were recorded; false on timeout.
  bool WaitForMacros(size_t count, std::chrono::milliseconds timeout) const;

  // The thread the object lives on; 0 when not started.
  DWORD ThreadId() const { return threadId_; }

  // The class id written under "Talq2.Application".
  static const CLSID kClassId;

  struct Shared;  // state shared with the object, which may outlive us

 private:
  struct Registration;
  void Run(std::string* error, HANDLE started);

  std::shared_ptr<Shared> shared_;
  std::thread thread_;
  std::unique_ptr<Registration> callerRegistration_;  // StartOnThisThread
  DWORD threadId_ = 0;
};

// Dispatches the calling thread's messages until done() returns true or
// the timeout passes (false then). A thread that owns a FakeHost started
// with StartOnThisThread waits with this, so that calls marshalled into it
// are served meanwhile.
bool PumpMessagesUntil(const std::function<bool()>& done,
                       std::chrono::milliseconds timeout);

}  // namespace aadx

#endif  // AADX_TESTS_WIN_FAKE_HOST_WIN_H_
