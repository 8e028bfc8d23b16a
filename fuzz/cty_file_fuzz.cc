// The country-file reader on any text. A file it takes keeps
// taking an entity added behind it, which resolves its own call; a file it
// refuses is refused with a message naming a line, and the reader is
// whole again for the next file.
#include <cstdint>
#include <string>

#include "fuzz/fuzz_check.h"
#include "tools/callsign/cty_file.h"

namespace {

const char kGoodEntity[] =
    "\nFuzz Island:  25:  45:  AS:  36.40:  -138.38:  -9.0:  QZ0:\n"
    "    =QZ0FUZ;\n";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace aadx;
  std::string text(reinterpret_cast<const char*>(data), size);
  callsign::CtyFile cty;
  std::string error;
  if (!cty.Parse(text, &error)) {
    FUZZ_CHECK(error == "no entities" || error.compare(0, 5, "line ") == 0,
               "a refused file's message names no line");
    // The same object reads a good file afterwards, with nothing left over.
    FUZZ_CHECK(cty.Parse(kGoodEntity, &error) && cty.entityCount() == 1,
               "a refused file spoiled the next one");
    callsign::CtyResolution r;
    FUZZ_CHECK(cty.Resolve("QZ0FUZ", &r) && r.dxcc == "QZ0",
               "the good file's call does not resolve after a refused one");
    return 0;
  }
  size_t entities = cty.entityCount();
  callsign::CtyResolution r;
  bool known = cty.Resolve("QZ0FUZ", &r);
  callsign::CtyFile more;
  FUZZ_CHECK(more.Parse(text + kGoodEntity, &error),
             "an entity behind a good file was refused");
  FUZZ_CHECK(more.entityCount() == entities + 1,
             "the entity behind a good file was not counted");
  if (!known) {
    FUZZ_CHECK(
        more.Resolve("QZ0FUZ", &r) && r.dxcc == "QZ0" && r.continent == "AS",
        "the entity behind a good file does not resolve");
  }
  return 0;
}
