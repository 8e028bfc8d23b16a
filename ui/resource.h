// Resource identifiers of the dialogs and the icon in Stats.dll.
#ifndef AADX_UI_RESOURCE_H_
#define AADX_UI_RESOURCE_H_

#define IDD_CABRILLO 101
#define IDD_MULTIPLIER 104
#define IDD_MASTER 113
#define IDI_MULTIPLIER 115

// Contest setup dialog (IDD_MASTER).
#define IDC_MASTER_MODE 1000
#define IDC_MASTER_WINDOW 1014

#endif  // AADX_UI_RESOURCE_H_
