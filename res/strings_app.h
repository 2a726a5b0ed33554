// Texts of the application shell: the frame's menus, prompts and tooltips, the document
// template, the framework's questions and the About box.
#pragma once

namespace res {

// The document template: the file-dialog filter (the document's own texts are in
// strings_model.h).
inline constexpr const char kFileFilter[] = "VQ7100 Files (*.vq)";
inline constexpr const char kOpenCaption[] = "Open";
inline constexpr const char kSaveAsCaption[] = "Save As";
inline constexpr const char kAllFilesFilter[] = "All Files (*)";
// The book as CSV: the file dialogs of File > Import CSV... and File > Export CSV...
inline constexpr const char kImportCsvCaption[] = "Import CSV";
inline constexpr const char kExportCsvCaption[] = "Export CSV";
inline constexpr const char kCsvFileFilter[] = "CSV Files (*.csv)";
inline constexpr const char kCsvFileExtension[] = ".csv";
// File > Export PDF...: the printed pages as a file.
inline constexpr const char kExportPdfCaption[] = "Export PDF";
inline constexpr const char kPdfFileFilter[] = "PDF Files (*.pdf)";
inline constexpr const char kPdfFileExtension[] = ".pdf";
// The printed pages could not be painted: on the printer (or the file it prints to, named under
// the text), in the preview, or into the PDF named under the text.
inline constexpr const char kPrintFailed[] = "The pages could not be printed.";
inline constexpr const char kPreviewFailed[] = "The pages could not be drawn for the preview.";
inline constexpr const char kPdfFailed[] = "The pages could not be made into a PDF.";
// The print dialog's range held no page of the book.
inline constexpr const char kPrintNoPageInRange[] =
    "The pages chosen are not in the book, so nothing was printed.";
// The status bar after File > Export PDF...: the pages and the file.
inline constexpr const char kExportedPdfPage[] = "Exported %d page to %s";
inline constexpr const char kExportedPdfPages[] = "Exported %d pages to %s";
// A result the status bar shows, in the trace (ZELKOR_TRACE) beside the frames.
inline constexpr const char kTraceStatusBar[] = "status bar: %s";

// Closing the window while an upload runs, and the buttons of that question.
inline constexpr const char kAskCloseDuringUpload[] =
    "An upload is running; closing stops it, and the device may then hold only part of it.";
inline constexpr const char kCloseButton[] = "Close";
inline constexpr const char kKeepUploadingButton[] = "Cancel";

// Settings
inline constexpr const char kRegistryKey[] = "VQ Rurirareza";
inline constexpr const char kProfileApp[] = "ZelkorConfig";
inline constexpr const char kConfigSection[] = "Config";
inline constexpr const char kPortPathEntry[] = "Port Path";
inline constexpr const char kRecentFileSection[] = "Recent File List";
inline constexpr const char kRecentFileEntry[] = "File%d";

// Menus
inline constexpr const char kMenuFile[] = "&File";
inline constexpr const char kMenuEdit[] = "&Edit";
inline constexpr const char kMenuView[] = "&View";
inline constexpr const char kMenuTools[] = "&Tools";
inline constexpr const char kMenuHelp[] = "&Help";

inline constexpr const char kItemNew[] = "&New\tCtrl+N";
inline constexpr const char kItemOpen[] = "&Open...\tCtrl+O";
inline constexpr const char kItemSave[] = "&Save\tCtrl+S";
inline constexpr const char kItemSaveAs[] = "Save &As...\tCtrl+Shift+S";
inline constexpr const char kItemImportCsv[] = "&Import CSV...";
inline constexpr const char kItemExportCsv[] = "&Export CSV...";
inline constexpr const char kItemExportPdf[] = "Export P&DF...";
inline constexpr const char kItemPrint[] = "&Print...\tCtrl+P";
inline constexpr const char kItemPrintPreview[] = "Print Pre&view";
inline constexpr const char kItemPrintSetup[] = "P&rint Setup...";
inline constexpr const char kItemRecentFile[] = "Recent File";
inline constexpr const char kItemRecentFileEntry[] = "&%d %s";
inline constexpr const char kItemExit[] = "E&xit\tCtrl+Q";
// Undo and Redo name the step they take back or do again: "&Undo Delete Program 12\tCtrl+Z".
inline constexpr const char kItemUndo[] = "&Undo\tCtrl+Z";
inline constexpr const char kItemUndoStep[] = "&Undo %s\tCtrl+Z";
inline constexpr const char kItemRedo[] = "&Redo\tCtrl+Y";
inline constexpr const char kItemRedoStep[] = "&Redo %s\tCtrl+Y";
// The keys shown are the toolbar's Cut, Copy and Paste, which take the program when no
// frequency field has the focus.
inline constexpr const char kItemCutProgram[] = "Cu&t Program\tCtrl+X";
inline constexpr const char kItemCopyProgram[] = "&Copy Program\tCtrl+C";
inline constexpr const char kItemPasteProgram[] = "&Paste Program\tCtrl+V";
inline constexpr const char kItemInsertProgram[] = "&Insert Program";
inline constexpr const char kItemReorderPrograms[] = "Re&order Programs";
inline constexpr const char kItemStatusBar[] = "&Status Bar";
inline constexpr const char kItemDeleteProgram[] = "&Delete Program";
inline constexpr const char kItemTestConnection[] = "&Test Connection";
inline constexpr const char kItemUploadCurrentProgram[] = "&Upload Current Program";
inline constexpr const char kItemSelectCommPort[] = "&Select Comm Port";
inline constexpr const char kItemAbout[] = "&About VQ7100 Config...";
// Reached from the toolbar and their keys only; the Edit menu lists the program's own items.
inline constexpr const char kItemCut[] = "Cu&t";
inline constexpr const char kItemCopy[] = "&Copy";
inline constexpr const char kItemPaste[] = "&Paste";

// Status-bar prompts (the part of the command's string before the newline)
inline constexpr const char kReady[] = "Ready";
inline constexpr const char kPromptNew[] = "Create a new document";
inline constexpr const char kPromptOpen[] = "Open an existing document";
inline constexpr const char kPromptSave[] = "Save the active document";
inline constexpr const char kPromptSaveAs[] = "Save the active document with a new name";
inline constexpr const char kPromptImportCsv[] =
    "Make a new document of the programs in a CSV file";
inline constexpr const char kPromptExportCsv[] = "Write all 2000 programs to a CSV file";
inline constexpr const char kPromptExportPdf[] = "Write the printed pages to a PDF file";
inline constexpr const char kPromptPrint[] = "Print the active document";
inline constexpr const char kPromptPrintPreview[] = "Display full pages";
inline constexpr const char kPromptPrintSetup[] = "Change the printer and printing options";
inline constexpr const char kPromptRecentFile[] = "Open this document";
inline constexpr const char kPromptExit[] = "Quit the application; prompts to save documents";
inline constexpr const char kPromptCut[] = "Cut the selection and put it on the Clipboard";
inline constexpr const char kPromptCopy[] = "Copy the selection and put it on the Clipboard";
inline constexpr const char kPromptPaste[] = "Insert Clipboard contents";
inline constexpr const char kPromptUndo[] = "Take back the last change of the book";
inline constexpr const char kPromptRedo[] = "Make the change that was taken back again";
inline constexpr const char kPromptCutProgram[] =
    "Put the program on display on the Clipboard and delete it";
inline constexpr const char kPromptCopyProgram[] = "Put the program on display on the Clipboard";
inline constexpr const char kPromptPasteProgram[] =
    "Put the Clipboard's programs in place of the program on display and those after it";
inline constexpr const char kPromptInsertProgram[] = "Insert a record at a given  location";
inline constexpr const char kPromptReorderPrograms[] = "Reorder the programs";
inline constexpr const char kPromptStatusBar[] = "Show or hide the status bar";
inline constexpr const char kPromptDeleteProgram[] = "Delete the currently displayed program.";
inline constexpr const char kPromptTestConnection[] = "Test the serial connection. ";
inline constexpr const char kPromptUploadCurrentProgram[] =
    "Upload the currently displayed program to the device.";
inline constexpr const char kPromptSelectCommPort[] = "";
inline constexpr const char kPromptAbout[] =
    "Display program information, version number and copyright";

// Toolbar tooltips
inline constexpr const char kTipNew[] = "New";
inline constexpr const char kTipOpen[] = "Open";
inline constexpr const char kTipSave[] = "Save";
inline constexpr const char kTipCut[] = "Cut";
inline constexpr const char kTipCopy[] = "Copy";
inline constexpr const char kTipPaste[] = "Paste";
inline constexpr const char kTipPrint[] = "Print";
inline constexpr const char kTipAbout[] = "About";
inline constexpr const char kToolBarTitle[] = "Standard";

// Status bar indicators
inline constexpr const char kIndicatorCaps[] = "CAP";
inline constexpr const char kIndicatorNum[] = "NUM";
inline constexpr const char kIndicatorScrl[] = "SCRL";

// About box
inline constexpr const char kAboutCaption[] = "About VQ7100";
inline constexpr const char kAboutVersion[] = "VQ7100 Configuration Program Version 1.3";
inline constexpr const char kAboutThirdLine[] = "Programs and uploads the VQ7100 signal generator.";
inline constexpr const char kAboutOk[] = "OK";

// Command line
inline constexpr const char kAppExecutable[] = "zelkorconfig";
inline constexpr const char kCmdLineDescription[] = "Configuration program of the VQ7100.";
inline constexpr const char kCmdLineFile[] = "file";
inline constexpr const char kCmdLineFileSyntax[] = "[file]";
inline constexpr const char kCmdLineFileHelp[] = "A .vq document to open.";
inline constexpr const char kCmdLinePortHelp[] =
    "Open PATH instead of the remembered port for this run; the remembered port is kept.";
inline constexpr const char kCmdLinePortValue[] = "PATH";
inline constexpr const char kCmdLineHelpHelp[] = "Show these options and exit.";
inline constexpr const char kCmdLineVersionHelp[] = "Show the version and exit.";
inline constexpr const char kCmdLineOneFile[] = "Only one file can be opened at a time.";
// %1 the program, %2 what was wrong.
inline constexpr const char kCmdLineError[] = "%1: %2\nTry '%1 --help' for the options.\n";

}  // namespace res
