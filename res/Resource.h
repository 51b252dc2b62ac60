#pragma once

// Identifiers of templates, controls, commands and pictures. The values are fixed: help topics, tests and
// scripted answers refer to them.

// Templates and shared resources.
constexpr int IDR_MAINFRAME = 128;  // menu, accelerators, toolbar, main icon
constexpr int IDD_ABOUTBOX = 100;
constexpr int IDD_DRAVONEL_FORM = 101;
constexpr int IDD_SLOW_COOLING = 132;
constexpr int IDD_RAPID_COOLING = 133;
constexpr int IDD_EXPORT = 137;
constexpr int IDD_DISCLAIMER = 139;
constexpr int IDB_RAPID_COOLING = 135;
constexpr int IDB_SLOW_COOLING = 136;
constexpr int IDB_DISCLAIMER = 141;

// Controls of the form.
constexpr int IDC_MIX_TYPE = 1000;
constexpr int IDC_MATERIAL_TYPE = 1001;
constexpr int IDC_LATITUDE = 1008;
constexpr int IDC_AIR_TEMP = 1017;
constexpr int IDC_WIND_SPEED = 1018;
constexpr int IDC_LIFT_THICKNESS = 1019;
constexpr int IDC_DELIVERY_TEMP = 1020;
constexpr int IDC_SURFACE_TEMP = 1021;
constexpr int IDC_LIFT_UNIT = 1022;
constexpr int IDC_DELIVERY_TEMP_UNIT = 1023;
constexpr int IDC_AIR_TEMP_UNIT = 1024;
constexpr int IDC_WIND_UNIT = 1025;
constexpr int IDC_CALCULATE = 1026;
constexpr int IDC_SURFACE_TEMP_UNIT = 1027;
constexpr int IDC_UNITS_SI = 1028;
constexpr int IDC_UNITS_ENGLISH = 1029;
constexpr int IDC_MONTH = 1032;
constexpr int IDC_DAY = 1033;
constexpr int IDC_YEAR = 1034;
constexpr int IDC_HOUR = 1036;
constexpr int IDC_MINUTE = 1038;
constexpr int IDC_UPDATE_TIME = 1039;
constexpr int IDC_SKY = 1041;
constexpr int IDC_MOISTURE_CONTENT = 1042;
constexpr int IDC_MOISTURE_STATE = 1043;
constexpr int IDC_STOP_TIME = 1044;
constexpr int IDC_EXPORT = 1046;
constexpr int IDC_COOLING_CURVE = 1047;
constexpr int IDC_PG_HIGH = 1048;
constexpr int IDC_PG_LOW = 1049;
constexpr int IDC_START_TIME = 1050;
constexpr int IDC_DISCLAIMER = 1051;

// Controls of the Export dialog.
constexpr int IDC_EXPORT_FILE = 1046;
constexpr int IDC_BROWSE = 1052;

// Commands.
constexpr int ID_FILE_NEW = 57600;
constexpr int ID_FILE_OPEN = 57601;
constexpr int ID_FILE_SAVE = 57603;
constexpr int ID_FILE_SAVE_AS = 57604;
constexpr int ID_FILE_PRINT = 57607;
// The recent-file entries of the File menu, first to fourth.
constexpr int ID_FILE_MRU_FILE1 = 57616;
constexpr int ID_FILE_MRU_FILE4 = 57619;
constexpr int ID_EDIT_COPY = 57634;
constexpr int ID_EDIT_CUT = 57635;
constexpr int ID_EDIT_PASTE = 57637;
constexpr int ID_EDIT_UNDO = 57643;
constexpr int ID_APP_ABOUT = 57664;
constexpr int ID_APP_EXIT = 57665;
constexpr int ID_HELP_FINDER = 57667;
constexpr int ID_CONTEXT_HELP = 57669;
constexpr int ID_HELP = 57670;
constexpr int ID_NEXT_PANE = 57680;
constexpr int ID_PREV_PANE = 57681;
constexpr int ID_VIEW_TOOLBAR = 59392;
constexpr int ID_VIEW_STATUS_BAR = 59393;

// Commands of the Tools menu: keeping a result, and the tool windows.
constexpr int ID_TOOLS_KEEP = 32771;
constexpr int ID_TOOLS_COMPARE = 32772;
constexpr int ID_TOOLS_PLANNER = 32773;
constexpr int ID_TOOLS_UNCERTAINTY = 32774;
constexpr int ID_TOOLS_CALIBRATE = 32775;
constexpr int ID_TOOLS_LIFTS = 32776;
