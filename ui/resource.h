// Resource identifiers of the dialogs and the icon in Stats.dll.
#ifndef AADX_UI_RESOURCE_H_
#define AADX_UI_RESOURCE_H_

#define IDD_CABRILLO 101
#define IDD_MULTIPLIER 104
#define IDD_MASTER 113
#define IDI_MULTIPLIER 115

#endif  // AADX_UI_RESOURCE_H_
