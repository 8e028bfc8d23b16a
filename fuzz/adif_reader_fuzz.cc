// The ADIF reader on any text: every record is counted, and
// a good record behind whatever came before is read.
#include <cstdint>
#include <string>

#include "fuzz/log_readers_fuzz.h"
#include "tools/logs/adif_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace aadx;
  // "<EOR>" closes whatever record the text left open.
  return CheckReader(
      data, size,
      [](const std::string& text) { return logs::ReadAdif(text, "fuzz.adi"); },
      "<EOR>\n",
      "<CALL:6>JA1FUZ<QSO_DATE:8>20210619<TIME_ON:4>0005<BAND:3>20m"
      "<MODE:2>CW<RST_SENT:3>599<RST_RCVD:3>599<STX:2>45<SRX:2>30<EOR>\n",
      "JA1FUZ");
}
