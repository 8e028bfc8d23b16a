// What the plug-in's modal edit dialogs share: the dialog is owned by the
// calling thread's active window (normally the host's, which then waits
// while it is open); OK takes the controls back into a copy of the object
// and only then into the object, so a failure half way leaves it as it
// was; Cancel, Esc and the close button leave it untouched; and no
// exception leaves the dialog procedure: the dialog then ends as cancelled.
//
// The object's class supplies the two directions of the exchange:
//   void Show(HWND dialog);  // members into the controls, on opening
//   void Take(HWND dialog);  // the controls back into the members, on OK
#ifndef AADX_UI_MODAL_DIALOG_WIN_H_
#define AADX_UI_MODAL_DIALOG_WIN_H_

#include <windows.h>

#include <string>

#include "base/module_win.h"

namespace aadx {

// A control's whole text.
std::string WindowTextOf(HWND window);

// Runs dialog resource `id` modally on the calling thread for *object:
// IDOK after its members were taken back, anything else (IDCANCEL, -1 when
// the dialog cannot be made) with them as they were.
template <typename Object>
INT_PTR RunModalDialog(Object* object, int id) {
  struct Procedure {
    static INT_PTR CALLBACK Run(HWND dialog, UINT message, WPARAM wParam,
                                LPARAM lParam) {
      try {
        if (message == WM_INITDIALOG) {
          SetWindowLongPtrA(dialog, DWLP_USER, lParam);
          reinterpret_cast<Object*>(lParam)->Show(dialog);
          return TRUE;  // focus to the first tab stop
        }
        if (message != WM_COMMAND) return FALSE;
        auto* self =
            reinterpret_cast<Object*>(GetWindowLongPtrA(dialog, DWLP_USER));
        switch (LOWORD(wParam)) {
          case IDOK:
            if (self != nullptr) {
              Object edited = *self;
              edited.Take(dialog);
              *self = edited;
            }
            EndDialog(dialog, IDOK);
            return TRUE;
          case IDCANCEL:  // Esc, or the caption's close button
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
      } catch (...) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      return FALSE;
    }
  };
  return DialogBoxParamA(StatsModule(), MAKEINTRESOURCEA(id), GetActiveWindow(),
                         &Procedure::Run, reinterpret_cast<LPARAM>(object));
}

}  // namespace aadx

#endif  // AADX_UI_MODAL_DIALOG_WIN_H_
