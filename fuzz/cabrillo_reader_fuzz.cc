// The Cabrillo reader on any text: every line that is a
// record is counted, and a good QSO line behind whatever came before is
// read.
#include <cstdint>
#include <string>

#include "fuzz/log_readers_fuzz.h"
#include "tools/logs/cabrillo_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace aadx;
  // A line end closes whatever line the text left open.
  return CheckReader(
      data, size,
      [](const std::string& text) {
        return logs::ReadCabrillo(text, "fuzz.log");
      },
      "\r\n",
      "QSO: 14025 CW 2021-06-19 0005 DL5XYZ        599 45     JA1FUZ    "
      "    599 30\r\n",
      "JA1FUZ");
}
