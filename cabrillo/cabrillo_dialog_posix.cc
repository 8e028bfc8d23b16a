// Without a desktop the header dialog is answered with OK and no edits.
#include "cabrillo/cabrillo_dialog.h"

namespace aadx {
namespace {

class OkCabrilloDialog : public CabrilloDialog {
 public:
  bool RunCabrilloDialog(CabrilloForm*) override { return true; }
};

}  // namespace

CabrilloDialog* DefaultCabrilloDialog() {
  static OkCabrilloDialog dialog;
  return &dialog;
}

}  // namespace aadx
