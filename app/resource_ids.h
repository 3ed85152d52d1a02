// Resource and control IDs, shared by the .rc file and the code. Plain #defines so the
// resource compiler can read them.
#pragma once

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_MAIN_WINDOW 102
#define IDR_MAINFRAME 128
#define IDD_SETTINGS_PAGE 130
#define IDD_STATUS_PAGE 132
#define IDD_SIMULATION_PAGE 134
#define IDD_SYSTEM_PAGE 137
#define IDD_COLOUR_ADJUST_PAGE 139

// Main window
#define IDC_PAGE_TABS 1001
#define IDC_SAVE 1002
#define IDC_RESTORE_DEFAULTS 1003

// Status page
#define IDC_STATUS_FRAME 1004
#define IDC_TONER_FRAME 1005
#define IDC_ADDRESS_FRAME 1006
#define IDC_ADDRESS_EDIT 1007
#define IDC_ADDRESS_VALUE 1008
#define IDC_STATUS_TEXT 1009
#define IDC_TONER_LIFE 1010
#define IDC_TONER_REPORT 1011
#define IDC_LABEL_TRANSFER_ROLLER 1012
#define IDC_LABEL_HEAT_ROLLER 1013
#define IDC_LABEL_CPU 1014
#define IDC_LABEL_24V 1015
#define IDC_LABEL_LASER 1016
#define IDC_LABEL_DOT_MATRIX 1017
#define IDC_SENSOR_DRUM 1018
#define IDC_SENSOR_FEED 1019
#define IDC_SENSOR_EXIT1 1020
#define IDC_SENSOR_EXIT2 1021
#define IDC_VALUE_DOT_MATRIX 1022
#define IDC_VALUE_LASER 1023
#define IDC_VALUE_24V 1024
#define IDC_VALUE_CPU 1025
#define IDC_VALUE_HEAT_ROLLER 1026
#define IDC_REFRESH_STATUS 1027
#define IDC_VALUE_TRANSFER_ROLLER 1028
#define IDC_CANCEL_PRINT 1029
#define IDC_RESTART_PRINTER 1030

// Colour-adjustment page (never created)
#define IDC_PRINT_TEST 1031

// System menu item of the About box; the system reserves the low four bits of a command.
#define ABOUT_COMMAND 0x0010

// Drop-downs made at run time on the settings page take this ID plus the row number.
#define ROW_DROPDOWN_ID_BASE 4353
