/* The host's date-time value as it crosses the exported C boundary: days
   since 1899-12-30 with the time of day as fraction, then a status. Plain C,
   so the export header can share it with C callers. */
#ifndef AADX_BASE_OLE_DATE_VALUE_H_
#define AADX_BASE_OLE_DATE_VALUE_H_

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct StatsOleDate {
  double days;
  int32_t status; /* 0 valid, 1 invalid, 2 null */
} StatsOleDate;

enum { kOleDateValid = 0, kOleDateInvalid = 1, kOleDateNull = 2 };

#ifdef __cplusplus
}
#endif

#endif /* AADX_BASE_OLE_DATE_VALUE_H_ */
