#include "host/dispatch_driver_win.h"

#include <utility>
#include <vector>

namespace aadx {
namespace {

// Frees what a failing call may have put into the exception record.
void ClearExcepInfo(EXCEPINFO* info) {
  if (info->pfnDeferredFillIn != nullptr) info->pfnDeferredFillIn(info);
  SysFreeString(info->bstrSource);
  SysFreeString(info->bstrDescription);
  SysFreeString(info->bstrHelpFile);
}

}  // namespace

bool DispatchDriver::GetProperty(DISPID id, VARTYPE type, VARIANT* result) {
  ScopedVariant raw;
  if (!Invoke(id, DISPATCH_PROPERTYGET, nullptr, 0, raw.get())) return false;
  return SUCCEEDED(VariantChangeType(result, raw.get(), 0, type));
}

bool DispatchDriver::CallMethod(DISPID id, VARIANT* args, UINT count,
                                VARIANT* result) {
  return Invoke(id, DISPATCH_METHOD, args, count, result);
}

bool DispatchDriver::Invoke(DISPID id, WORD flags, VARIANT* args, UINT count,
                            VARIANT* result) {
  if (object_ == nullptr) return false;
  // IDispatch takes the arguments last to first; the variants are copied
  // shallowly, ownership stays with the caller.
  std::vector<VARIANT> reversed(args, args + count);
  for (UINT i = 0; i < count / 2; ++i) {
    std::swap(reversed[i], reversed[count - 1 - i]);
  }
  DISPPARAMS params = {};
  params.rgvarg = reversed.empty() ? nullptr : reversed.data();
  params.cArgs = count;

  ScopedVariant ignored;
  EXCEPINFO excep = {};
  UINT argError = 0;
  HRESULT hr = object_->Invoke(id, IID_NULL, 0, flags, &params,
                               result != nullptr ? result : ignored.get(),
                               &excep, &argError);
  if (hr == DISP_E_EXCEPTION) ClearExcepInfo(&excep);
  return SUCCEEDED(hr);
}

BSTR BstrFromNarrow(const std::string& text) {
  if (text.empty()) return SysAllocStringLen(L"", 0);
  int n = MultiByteToWideChar(CP_THREAD_ACP, 0, text.data(),
                              static_cast<int>(text.size()), nullptr, 0);
  BSTR out = SysAllocStringLen(nullptr, static_cast<UINT>(n));
  if (out == nullptr) return nullptr;
  MultiByteToWideChar(CP_THREAD_ACP, 0, text.data(),
                      static_cast<int>(text.size()), out, n);
  return out;
}

std::string NarrowFromBstr(BSTR text) {
  UINT length = SysStringLen(text);
  if (length == 0) return std::string();
  int n = WideCharToMultiByte(CP_THREAD_ACP, 0, text, static_cast<int>(length),
                              nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_THREAD_ACP, 0, text, static_cast<int>(length), &out[0],
                      n, nullptr, nullptr);
  return out;
}

}  // namespace aadx
