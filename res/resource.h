// Resource and command identifiers. Plain #defines: read by windres and by the C++ code alike.
#pragma once

// Strings
#define IDS_APP_TITLE 103
#define IDS_WINDOW_CLASS 109

// Icons
#define IDI_MORLANDO 107
#define IDI_SMALL 108

// Menu and accelerators
#define IDR_MAINMENU 109
#define IDR_ACCELERATORS 109

// Dialogs
#define IDD_INFO 103
#define IDD_NUMBER_PROMPT 129
#define IDD_SPLIT_TO_CHILDREN 131
#define IDD_NEWSPLIT 132

// Controls
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
#define IDC_PROMPT_NUMBER 1001
#define IDC_SPLIT_READY 1003

// Menu commands
#define IDM_ABOUT 104
#define IDM_EXIT 105
#define IDM_GIVE_NAME 32772
#define IDM_CUT_SECONDS 32773
#define IDM_CUT_HALVES 32774
#define IDM_LOAD 32776
#define IDM_CUT_QUARTERS 32779
#define IDM_CUT_TENTHS 32782
#define IDM_CUT_COUNT 32783
#define IDM_CUT_LIKE 32789
#define IDM_CUT_HUNDREDTHS 32790
#define IDM_ALLSPLIT 32793
#define IDM_WAVESHOW 32794
#define IDM_LOAD_SETTINGS 32799
#define IDM_SAVE_SETTINGS 32800
#define IDM_WAVESHOW_ULTRAFAST 32802
#define IDM_WAVESHOW_AUTO 32803
#define IDM_PREVIEW_CUTS 32804
#define IDM_HEADER_TO_LIST 32805
#define IDM_HEADER_44_LIST 32806
#define IDM_SPLIT_TO_CHILDREN 32807
#define IDM_TEST_FUNCTION 32808
#define IDM_PATTERN 32810
#define IDM_BUFFER_SIZE 32811
