#include "plugin/plugin.h"

#include "scoring/ubn_report.h"

namespace aadx {
namespace {

const char* IntakeMessage(Intake intake) {
  switch (intake) {
    case Intake::kNoContestBand:
      return "   NO CONTEST BAND !!!";
    case Intake::kNoTestMode:
      return "   NO TEST MODE !!!";
    case Intake::kNoRxNumber:
      return "   NO RX NUMBER !!!";
    case Intake::kAccepted:
      break;
  }
  return "";
}

}  // namespace

Plugin::Plugin(const Platform& platform)
    : desktop_(platform.desktop),
      hostLink_(platform.hostLink),
      settings_(desktop_),
      cabrillo_(&settings_, desktop_),
      window_(platform.newWindow(&state_.shared, hostLink_, &settings_)) {}

int Plugin::AddData(const ContactArgs& contact) {
  UbnAppender ubn;  // opened on every call, closed on return
  Intake intake = CheckIntake(contact.info);
  if (intake != Intake::kAccepted) {
    ubn.WriteLine(
        FormatUbnLine(contact.info, contact.ownCall, IntakeMessage(intake)));
    return 0;
  }
  state_.shared.WithLock([&](SharedFields& s) {
    int matches = s.store.Append(contact.info);
    if (matches > 0) {
      std::string line =
          FormatUbnLine(contact.info, contact.ownCall, "   DUPE !!!");
      for (int i = 0; i < matches; ++i) ubn.WriteLine(line);
    }
  });
  return 1;
}

int Plugin::RemoveData(const ContactArgs& contact) {
  state_.shared.WithLock(
      [&](SharedFields& s) { s.store.Remove(contact.info); });
  return 1;
}

void Plugin::Shutdown() { window_->Close(); }

}  // namespace aadx
