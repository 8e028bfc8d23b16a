// A minimal late-bound automation client: calls an IDispatch by dispatch
// identifier only (IID_NULL, locale 0, positional arguments, no names), and
// converts between the plug-in's narrow texts and BSTR in the calling
// thread's ANSI code page. It borrows the object pointer and never releases it.
#ifndef AADX_HOST_DISPATCH_DRIVER_WIN_H_
#define AADX_HOST_DISPATCH_DRIVER_WIN_H_

#include <windows.h>

#include <string>

namespace aadx {

// A VARIANT that clears itself.
class ScopedVariant {
 public:
  ScopedVariant() { VariantInit(&v_); }
  ~ScopedVariant() { VariantClear(&v_); }
  ScopedVariant(const ScopedVariant&) = delete;
  ScopedVariant& operator=(const ScopedVariant&) = delete;

  VARIANT* get() { return &v_; }
  const VARIANT& value() const { return v_; }

 private:
  VARIANT v_;
};

class DispatchDriver {
 public:
  explicit DispatchDriver(IDispatch* object) : object_(object) {}

  // Property get of id, the result coerced to type (VT_I4, VT_R8, ...).
  // False when the call or the coercion fails.
  bool GetProperty(DISPID id, VARTYPE type, VARIANT* result);

  // Method call of id with the given arguments in natural order (the
  // driver reverses them as IDispatch expects). result may be null.
  bool CallMethod(DISPID id, VARIANT* args, UINT count, VARIANT* result);

 private:
  bool Invoke(DISPID id, WORD flags, VARIANT* args, UINT count,
              VARIANT* result);

  IDispatch* object_;
};

// Narrow text (thread's ANSI code page) to a new BSTR; null when out of
// memory. The caller frees it.
BSTR BstrFromNarrow(const std::string& text);

// A BSTR to narrow text in the thread's ANSI code page; a null or empty
// BSTR gives the empty text.
std::string NarrowFromBstr(BSTR text);

}  // namespace aadx

#endif  // AADX_HOST_DISPATCH_DRIVER_WIN_H_
