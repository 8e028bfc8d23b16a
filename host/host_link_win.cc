// The host link over COM. The host object is kept in the process's global
// interface table rather than as a raw pointer: every call fetches the
// calling thread's own pointer for it (a proxy when the object lives in
// another apartment), so the Multiplier window's thread talks to the host
// properly marshalled.
#include <windows.h>

#include <memory>
#include <utility>

#include "base/mutex.h"
#include "base/thread_annotations.h"
#include "host/dispatch_driver_win.h"
#include "host/host_link.h"

namespace aadx {
namespace {

const wchar_t kHostProgId[] = L"Talq2.Application";
constexpr DISPID kStateId = 1;
constexpr DISPID kFrequencyId = 2;
constexpr DISPID kEntryTextId = 8;
constexpr DISPID kRunMacroId = 16;
constexpr LONG kEntryField = 5;  // the argument the entry text call takes

// COM on the calling thread for the length of one call. A thread that has
// initialized COM itself only sees its count go up and down; one that has
// not gets an apartment for the call. A thread already in the
// multithreaded apartment keeps it (and nothing is to be balanced).
class ComScope {
 public:
  ComScope() : hr_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~ComScope() {
    if (SUCCEEDED(hr_)) CoUninitialize();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

  bool usable() const { return SUCCEEDED(hr_) || hr_ == RPC_E_CHANGED_MODE; }

 private:
  HRESULT hr_;
};

// Releases a COM pointer when it goes out of scope.
template <typename T>
class ComRef {
 public:
  ComRef() = default;
  ~ComRef() {
    if (p_ != nullptr) p_->Release();
  }
  ComRef(const ComRef&) = delete;
  ComRef& operator=(const ComRef&) = delete;

  T* get() const { return p_; }
  T** out() { return &p_; }
  void** out_void() { return reinterpret_cast<void**>(&p_); }

 private:
  T* p_ = nullptr;
};

bool OpenGlobalTable(ComRef<IGlobalInterfaceTable>* table) {
  return SUCCEEDED(CoCreateInstance(
      CLSID_StdGlobalInterfaceTable, nullptr, CLSCTX_INPROC_SERVER,
      IID_IGlobalInterfaceTable, table->out_void()));
}

// One registration of the host object in the global interface table. It is
// shared by the link and by calls in flight, and revoked when the last of
// them lets go, always inside a ComScope.
class HostRegistration {
 public:
  HostRegistration() = default;
  ~HostRegistration() {
    if (cookie_ == 0) return;
    ComRef<IGlobalInterfaceTable> table;
    if (OpenGlobalTable(&table)) {
      table.get()->RevokeInterfaceFromGlobal(cookie_);
    }
  }
  HostRegistration(const HostRegistration&) = delete;
  HostRegistration& operator=(const HostRegistration&) = delete;

  bool Register(IDispatch* object) {
    ComRef<IGlobalInterfaceTable> table;
    return OpenGlobalTable(&table) &&
           SUCCEEDED(table.get()->RegisterInterfaceInGlobal(
               object, IID_IDispatch, &cookie_));
  }

  // The calling thread's own pointer to the host object.
  bool Fetch(ComRef<IDispatch>* object) const {
    ComRef<IGlobalInterfaceTable> table;
    return OpenGlobalTable(&table) &&
           SUCCEEDED(table.get()->GetInterfaceFromGlobal(cookie_, IID_IDispatch,
                                                         object->out_void())) &&
           object->get() != nullptr;
  }

 private:
  DWORD cookie_ = 0;
};

class ComHostLink : public HostLink {
 public:
  void Connect() override EXCLUDES(mu_) {
    try {
      ComScope com;
      if (!com.usable()) return;
      // A failed lookup of the class id leaves it null, and the running
      // object lookup below fails on it.
      CLSID clsid = {};
      CLSIDFromProgID(kHostProgId, &clsid);
      ComRef<IUnknown> unknown;
      if (FAILED(GetActiveObject(clsid, nullptr, unknown.out())) ||
          unknown.get() == nullptr) {
        return;
      }
      ComRef<IDispatch> object;
      if (FAILED(unknown.get()->QueryInterface(IID_IDispatch,
                                               object.out_void())) ||
          object.get() == nullptr) {
        return;
      }
      auto fresh = std::make_shared<HostRegistration>();
      if (!fresh->Register(object.get())) return;
      // The new registration is held before the old one is let go; the
      // old one is revoked outside the lock, since revoking may call into
      // the host's apartment.
      std::shared_ptr<HostRegistration> previous;
      {
        MutexLock lock(&mu_);
        previous = std::move(held_);
        held_ = std::move(fresh);
      }
    } catch (...) {
    }
  }

  bool HasHost() override EXCLUDES(mu_) {
    MutexLock lock(&mu_);
    return held_ != nullptr;
  }

  bool ReadHostState(int32_t* state) override {
    return WithHost([state](DispatchDriver* driver) {
      ScopedVariant value;
      if (!driver->GetProperty(kStateId, VT_I4, value.get())) return false;
      *state = value.value().lVal;
      return true;
    });
  }

  bool ReadHostFrequency(double* hz) override {
    return WithHost([hz](DispatchDriver* driver) {
      ScopedVariant value;
      if (!driver->GetProperty(kFrequencyId, VT_R8, value.get())) {
        return false;
      }
      *hz = value.value().dblVal;
      return true;
    });
  }

  bool ReadEntryText(std::string* text) override {
    return WithHost([text](DispatchDriver* driver) {
      VARIANT field;
      VariantInit(&field);
      field.vt = VT_I4;
      field.lVal = kEntryField;
      ScopedVariant result;
      if (!driver->CallMethod(kEntryTextId, &field, 1, result.get())) {
        return false;
      }
      // No text at all (empty or null) reads as the empty text.
      if (result.value().vt == VT_EMPTY || result.value().vt == VT_NULL) {
        text->clear();
        return true;
      }
      ScopedVariant asText;
      if (FAILED(VariantChangeType(asText.get(), result.get(), 0, VT_BSTR))) {
        return false;
      }
      *text = NarrowFromBstr(asText.value().bstrVal);
      return true;
    });
  }

  bool RunHostMacro(const std::string& macro) override {
    return WithHost([&macro](DispatchDriver* driver) {
      ScopedVariant text;
      text.get()->bstrVal = BstrFromNarrow(macro);
      if (text.value().bstrVal == nullptr) return false;
      text.get()->vt = VT_BSTR;
      return driver->CallMethod(kRunMacroId, text.get(), 1, nullptr);
    });
  }

  void Release() override EXCLUDES(mu_) {
    try {
      ComScope com;
      std::shared_ptr<HostRegistration> previous;
      {
        MutexLock lock(&mu_);
        previous = std::move(held_);
      }
    } catch (...) {
    }
  }

 private:
  // Runs call on the calling thread's pointer to the held host object;
  // false when none is held or anything on the way fails. No lock is held
  // while the host is called: a call may wait for the host's thread, which
  // may itself be about to connect.
  template <typename Call>
  bool WithHost(Call call) EXCLUDES(mu_) {
    try {
      ComScope com;
      if (!com.usable()) return false;
      std::shared_ptr<HostRegistration> held;
      {
        MutexLock lock(&mu_);
        held = held_;
      }
      if (held == nullptr) return false;
      ComRef<IDispatch> object;
      if (!held->Fetch(&object)) return false;
      DispatchDriver driver(object.get());
      return call(&driver);
    } catch (...) {
      return false;
    }
  }

  Mutex mu_;
  std::shared_ptr<HostRegistration> held_ GUARDED_BY(mu_);
};

}  // namespace

HostLink* DefaultHostLink() {
  // Never destroyed: at unload COM may already be shut down on the
  // unloading thread, and a registration still held is only a reference on
  // the host's own object.
  static HostLink* const link = new ComHostLink();
  return link;
}

}  // namespace aadx
