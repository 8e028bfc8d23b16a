#include "tests/win/fake_host_win.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>

namespace aadx {

// {6C1E3F0A-4B7D-4E52-9A4C-2F8D3B1E7A55}: a class id of the tests' own.
const CLSID FakeHost::kClassId = {
    0x6c1e3f0a,
    0x4b7d,
    0x4e52,
    {0x9a, 0x4c, 0x2f, 0x8d, 0x3b, 0x1e, 0x7a, 0x55}};

struct FakeHost::Shared {
  mutable std::mutex mu;
  mutable std::condition_variable changed;
  int32_t state = 0;
  double frequency = 0.0;
  std::wstring entryText;
  bool refusing = false;
  DWORD answerDelayMs = 0;
  int answered = 0;
  std::vector<std::string> macros;
  std::vector<FakeHostCall> calls;
  int dispatchQueries = 0;
};

namespace {

const wchar_t kProgIdKey[] = L"Talq2.Application";
const wchar_t kClsidKey[] = L"Talq2.Application\\CLSID";
// Asks the host thread to revoke its running object registration; wParam
// is an event to set when done.
const UINT kUnregisterMessage = WM_APP + 1;

std::string Ansi(const wchar_t* text, size_t length) {
  if (length == 0) return std::string();
  int n = WideCharToMultiByte(CP_ACP, 0, text, static_cast<int>(length),
                              nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, 0, text, static_cast<int>(length), &out[0], n,
                      nullptr, nullptr);
  return out;
}

std::wstring Wide(const std::string& text) {
  if (text.empty()) return std::wstring();
  int n = MultiByteToWideChar(CP_ACP, 0, text.data(),
                              static_cast<int>(text.size()), nullptr, 0);
  std::wstring out(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                      &out[0], n);
  return out;
}

// An argument as text, for the call records.
std::string ArgumentText(VARIANT* arg) {
  VARIANT text;
  VariantInit(&text);
  std::string out;
  if (SUCCEEDED(VariantChangeType(&text, arg, 0, VT_BSTR))) {
    out = Ansi(text.bstrVal, SysStringLen(text.bstrVal));
  }
  VariantClear(&text);
  return out;
}

class HostObject final : public IDispatch {
 public:
  explicit HostObject(std::shared_ptr<FakeHost::Shared> shared)
      : shared_(std::move(shared)) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (out == nullptr) return E_POINTER;
    if (IsEqualIID(iid, IID_IDispatch)) {
      std::lock_guard<std::mutex> lock(shared_->mu);
      ++shared_->dispatchQueries;
    }
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch)) {
      *out = static_cast<IDispatch*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  ULONG STDMETHODCALLTYPE Release() override {
    ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
  }

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (count == nullptr) return E_POINTER;
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
    if (info != nullptr) *info = nullptr;
    return E_NOTIMPL;
  }
  // The plug-in calls by dispatch identifier only.
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID,
                                          DISPID*) override {
    return DISP_E_UNKNOWNNAME;
  }

  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags,
                                   DISPPARAMS* params, VARIANT* result,
                                   EXCEPINFO* excep, UINT*) override {
    UINT count = params != nullptr ? params->cArgs : 0;
    FakeHostCall call;
    call.id = id;
    call.flags = flags;
    call.threadId = GetCurrentThreadId();
    for (UINT i = count; i > 0; --i) {  // rgvarg holds them last to first
      call.argTypes.push_back(params->rgvarg[i - 1].vt);
      call.args.push_back(ArgumentText(&params->rgvarg[i - 1]));
    }

    // Counted when the answer goes back, after the lock below is let go.
    struct Answered {
      FakeHost::Shared* shared;
      ~Answered() {
        std::lock_guard<std::mutex> lock(shared->mu);
        ++shared->answered;
      }
    } answered{shared_.get()};
    std::unique_lock<std::mutex> lock(shared_->mu);
    shared_->calls.push_back(call);
    shared_->changed.notify_all();
    if (shared_->answerDelayMs != 0) {
      DWORD delay = shared_->answerDelayMs;
      lock.unlock();
      Sleep(delay);
      lock.lock();
    }
    if (shared_->refusing) {
      if (excep != nullptr) {
        *excep = EXCEPINFO{};
        excep->scode = E_FAIL;
        excep->bstrSource = SysAllocString(L"Talq2.Application");
        excep->bstrDescription = SysAllocString(L"call refused");
      }
      return DISP_E_EXCEPTION;
    }
    switch (id) {
      case 1:
      case 2:
        if ((flags & DISPATCH_PROPERTYGET) == 0) return DISP_E_MEMBERNOTFOUND;
        if (count != 0) return DISP_E_BADPARAMCOUNT;
        if (result == nullptr) return S_OK;
        VariantInit(result);
        if (id == 1) {
          result->vt = VT_I4;
          result->lVal = shared_->state;
        } else {
          result->vt = VT_R8;
          result->dblVal = shared_->frequency;
        }
        return S_OK;
      case 8:
        if ((flags & DISPATCH_METHOD) == 0) return DISP_E_MEMBERNOTFOUND;
        if (count != 1) return DISP_E_BADPARAMCOUNT;
        if (result == nullptr) return S_OK;
        VariantInit(result);
        result->vt = VT_BSTR;
        result->bstrVal =
            SysAllocStringLen(shared_->entryText.data(),
                              static_cast<UINT>(shared_->entryText.size()));
        return S_OK;
      case 16:
        if ((flags & DISPATCH_METHOD) == 0) return DISP_E_MEMBERNOTFOUND;
        if (count != 1) return DISP_E_BADPARAMCOUNT;
        shared_->macros.push_back(call.args[0]);
        shared_->changed.notify_all();
        if (result != nullptr) VariantInit(result);
        return S_OK;
      default:
        return DISP_E_MEMBERNOTFOUND;
    }
  }

 private:
  std::shared_ptr<FakeHost::Shared> shared_;
  std::atomic<ULONG> refs_{1};
};

bool WriteClassId(std::string* error) {
  wchar_t text[64] = {};
  StringFromGUID2(FakeHost::kClassId, text, 64);
  HKEY key = nullptr;
  LONG rc = RegCreateKeyExW(HKEY_CLASSES_ROOT, kClsidKey, 0, nullptr, 0,
                            KEY_WRITE, nullptr, &key, nullptr);
  if (rc != ERROR_SUCCESS) {
    *error =
        "cannot create HKCR\\Talq2.Application\\CLSID: " + std::to_string(rc);
    return false;
  }
  rc = RegSetValueExW(key, nullptr, 0, REG_SZ,
                      reinterpret_cast<const BYTE*>(text),
                      static_cast<DWORD>((wcslen(text) + 1) * sizeof(wchar_t)));
  RegCloseKey(key);
  if (rc != ERROR_SUCCESS) {
    *error = "cannot write the class id: " + std::to_string(rc);
    return false;
  }
  return true;
}

void RemoveClassId() {
  RegDeleteKeyW(HKEY_CLASSES_ROOT, kClsidKey);
  RegDeleteKeyW(HKEY_CLASSES_ROOT, kProgIdKey);
}

}  // namespace

// The object and its running object registration, owned by one thread.
struct FakeHost::Registration {
  HostObject* object = nullptr;
  DWORD cookie = 0;

  // Creates the object on the calling thread (which has COM initialized)
  // and makes it the running "Talq2.Application".
  bool Open(const std::shared_ptr<Shared>& shared, std::string* error) {
    object = new HostObject(shared);
    if (!WriteClassId(error)) return false;
    HRESULT hr =
        RegisterActiveObject(object, kClassId, ACTIVEOBJECT_STRONG, &cookie);
    if (FAILED(hr)) {
      cookie = 0;
      *error = "RegisterActiveObject failed: " + std::to_string(hr);
      return false;
    }
    return true;
  }

  void Revoke() {
    if (cookie != 0) RevokeActiveObject(cookie, nullptr);
    cookie = 0;
  }

  // On the owning thread. Clients still holding proxies get errors from
  // now on, and the references they held are given back.
  void Close() {
    Revoke();
    if (object != nullptr) {
      CoDisconnectObject(object, 0);
      object->Release();
      object = nullptr;
      RemoveClassId();
    }
  }
};

FakeHost::FakeHost() : shared_(std::make_shared<Shared>()) {}

FakeHost::~FakeHost() { Stop(); }

bool FakeHost::Start(std::string* error) {
  std::string ignored;
  if (error == nullptr) error = &ignored;
  if (threadId_ != 0) {
    *error = "already started";
    return false;
  }
  HANDLE started = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  std::string threadError;
  thread_ = std::thread(&FakeHost::Run, this, &threadError, started);
  WaitForSingleObject(started, INFINITE);
  CloseHandle(started);
  if (!threadError.empty()) {
    thread_.join();
    threadId_ = 0;
    *error = threadError;
    return false;
  }
  return true;
}

bool FakeHost::StartOnThisThread(std::string* error) {
  std::string ignored;
  if (error == nullptr) error = &ignored;
  if (threadId_ != 0) {
    *error = "already started";
    return false;
  }
  auto registration = std::make_unique<Registration>();
  if (!registration->Open(shared_, error)) {
    registration->Close();
    return false;
  }
  callerRegistration_ = std::move(registration);
  threadId_ = GetCurrentThreadId();
  return true;
}

void FakeHost::Stop() {
  if (callerRegistration_ != nullptr) {
    callerRegistration_->Close();
    callerRegistration_.reset();
    threadId_ = 0;
    return;
  }
  if (!thread_.joinable()) return;
  PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
  thread_.join();
  threadId_ = 0;
}

void FakeHost::Unregister() {
  if (callerRegistration_ != nullptr) {
    callerRegistration_->Revoke();
    return;
  }
  if (!thread_.joinable()) return;
  HANDLE done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  if (PostThreadMessageW(threadId_, kUnregisterMessage,
                         reinterpret_cast<WPARAM>(done), 0)) {
    WaitForSingleObject(done, 10000);
  }
  CloseHandle(done);
}

void FakeHost::Run(std::string* error, HANDLE started) {
  // The message queue must exist before Start returns, so that Stop's and
  // Unregister's thread messages are never lost.
  MSG msg;
  PeekMessageW(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
  threadId_ = GetCurrentThreadId();

  if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {
    *error = "CoInitializeEx failed";
    SetEvent(started);
    return;
  }
  Registration registration;
  bool ok = registration.Open(shared_, error);
  SetEvent(started);  // error and started are not touched after this

  if (ok) {
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
      if (msg.hwnd == nullptr && msg.message == kUnregisterMessage) {
        registration.Revoke();
        SetEvent(reinterpret_cast<HANDLE>(msg.wParam));
        continue;
      }
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  registration.Close();
  CoUninitialize();
}

void FakeHost::SetState(int32_t state) {
  std::lock_guard<std::mutex> lock(shared_->mu);
  shared_->state = state;
}

void FakeHost::SetFrequency(double hz) {
  std::lock_guard<std::mutex> lock(shared_->mu);
  shared_->frequency = hz;
}

void FakeHost::SetEntryText(const std::string& ansiText) {
  SetEntryTextWide(Wide(ansiText));
}

void FakeHost::SetEntryTextWide(const std::wstring& text) {
  std::lock_guard<std::mutex> lock(shared_->mu);
  shared_->entryText = text;
}

void FakeHost::SetRefusing(bool refusing) {
  std::lock_guard<std::mutex> lock(shared_->mu);
  shared_->refusing = refusing;
}

void FakeHost::SetAnswerDelay(std::chrono::milliseconds delay) {
  std::lock_guard<std::mutex> lock(shared_->mu);
  shared_->answerDelayMs = static_cast<DWORD>(delay.count());
}

int FakeHost::CallsAnswered() const {
  std::lock_guard<std::mutex> lock(shared_->mu);
  return shared_->answered;
}

std::vector<std::string> FakeHost::Macros() const {
  std::lock_guard<std::mutex> lock(shared_->mu);
  return shared_->macros;
}

std::vector<FakeHostCall> FakeHost::Calls() const {
  std::lock_guard<std::mutex> lock(shared_->mu);
  return shared_->calls;
}

int FakeHost::DispatchQueries() const {
  std::lock_guard<std::mutex> lock(shared_->mu);
  return shared_->dispatchQueries;
}

void FakeHost::ClearRecords() {
  std::lock_guard<std::mutex> lock(shared_->mu);
  shared_->macros.clear();
  shared_->calls.clear();
  shared_->dispatchQueries = 0;
}

bool FakeHost::WaitForMacros(size_t count,
                             std::chrono::milliseconds timeout) const {
  std::unique_lock<std::mutex> lock(shared_->mu);
  return shared_->changed.wait_for(
      lock, timeout, [&] { return shared_->macros.size() >= count; });
}

}  // namespace aadx

namespace aadx {

bool PumpMessagesUntil(const std::function<bool()>& done,
                       std::chrono::milliseconds timeout) {
  auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    if (done()) return true;
    auto now = std::chrono::steady_clock::now();
    if (now >= deadline) return false;
    auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - now);
    DWORD wait = static_cast<DWORD>(std::min<long long>(left.count(), 10));
    MsgWaitForMultipleObjects(0, nullptr, FALSE, wait, QS_ALLINPUT);
  }
}

}  // namespace aadx
