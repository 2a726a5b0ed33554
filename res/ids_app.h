// Command and window ids of the application shell: the menu, toolbar and status bar keep the
// numbers the device's users and their documentation have always known.
#pragma once

namespace res {

// File menu
inline constexpr int ID_FILE_NEW = 57600;
inline constexpr int ID_FILE_OPEN = 57601;
inline constexpr int ID_FILE_SAVE = 57603;
inline constexpr int ID_FILE_SAVE_AS = 57604;
inline constexpr int ID_FILE_PRINT_SETUP = 57606;
inline constexpr int ID_FILE_PRINT = 57607;
inline constexpr int ID_FILE_PRINT_PREVIEW = 57609;
inline constexpr int ID_FILE_MRU_FILE1 = 57616;  // the recent files take 57616 to 57619
inline constexpr int ID_APP_EXIT = 57665;
// Commands the program added to the File menu, numbered apart from the old ones.
inline constexpr int ID_FILE_IMPORT_CSV = 32790;
inline constexpr int ID_FILE_EXPORT_CSV = 32791;
inline constexpr int ID_FILE_EXPORT_PDF = 32795;

// Edit: the toolbar's Cut, Copy and Paste (the focused field's text, or else the program), and
// the framework's Undo and Redo numbers
inline constexpr int ID_EDIT_COPY = 57634;
inline constexpr int ID_EDIT_CUT = 57635;
inline constexpr int ID_EDIT_PASTE = 57637;
inline constexpr int ID_EDIT_UNDO = 57643;
inline constexpr int ID_EDIT_REDO = 57644;
// The Edit menu's items for the program on display, whatever has the focus.
inline constexpr int ID_CUT_PROGRAM = 32792;
inline constexpr int ID_COPY_PROGRAM = 32793;
inline constexpr int ID_PASTE_PROGRAM = 32794;

// Edit and Tools menus: commands of the editor form and the device
inline constexpr int ID_DELETE_PROGRAM = 32773;
inline constexpr int ID_TEST_CONNECTION = 32774;
inline constexpr int ID_INSERT_PROGRAM = 32775;
inline constexpr int ID_REORDER_PROGRAMS = 32777;
inline constexpr int ID_UPLOAD_CURRENT_PROGRAM = 32778;
inline constexpr int ID_SELECT_COMM_PORT = 32780;

// View and Help
inline constexpr int ID_VIEW_STATUS_BAR = 59393;
inline constexpr int ID_VIEW_BOOK_PANEL = 32810;
inline constexpr int ID_APP_ABOUT = 57664;

// Status bar panes
inline constexpr int ID_SEPARATOR = 0;
inline constexpr int ID_INDICATOR_CAPS = 59137;
inline constexpr int ID_INDICATOR_NUM = 59138;
inline constexpr int ID_INDICATOR_SCRL = 59139;
inline constexpr int ID_INDICATOR_PORT = 32800;  // the port in use and its line

// Frame children
inline constexpr int AFX_IDW_TOOLBAR = 0xE800;
inline constexpr int AFX_IDW_STATUS_BAR = 0xE801;

inline constexpr int kRecentFileCount = 4;

}  // namespace res
