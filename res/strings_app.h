// Texts of the application shell: the frame's menus, prompts and tooltips, the document
// template, the framework's questions and the About box.
#pragma once

#include "res/translate.h"

namespace res {

// The document template: the file-dialog filter (the document's own texts are in
// strings_model.h).
inline constexpr const char kFileFilter[] = ZELKOR_TEXT("VQ7100 Files (*.vq)");
inline constexpr const char kOpenCaption[] = ZELKOR_TEXT("Open");
inline constexpr const char kSaveAsCaption[] = ZELKOR_TEXT("Save As");
inline constexpr const char kAllFilesFilter[] = ZELKOR_TEXT("All Files (*)");
// The book as CSV: the file dialogs of File > Import CSV... and File > Export CSV...
inline constexpr const char kImportCsvCaption[] = ZELKOR_TEXT("Import CSV");
inline constexpr const char kExportCsvCaption[] = ZELKOR_TEXT("Export CSV");
inline constexpr const char kCsvFileFilter[] = ZELKOR_TEXT("CSV Files (*.csv)");
inline constexpr const char kCsvFileExtension[] = ".csv";
// File > Export PDF...: the printed pages as a file.
inline constexpr const char kExportPdfCaption[] = ZELKOR_TEXT("Export PDF");
inline constexpr const char kPdfFileFilter[] = ZELKOR_TEXT("PDF Files (*.pdf)");
inline constexpr const char kPdfFileExtension[] = ".pdf";
// The printed pages could not be painted: on the printer (or the file it prints to, named under
// the text), in the preview, or into the PDF named under the text.
inline constexpr const char kPrintFailed[] = ZELKOR_TEXT("The pages could not be printed.");
inline constexpr const char kPreviewFailed[] =
    ZELKOR_TEXT("The pages could not be drawn for the preview.");
inline constexpr const char kPdfFailed[] = ZELKOR_TEXT("The pages could not be made into a PDF.");
// The print dialog's range held no page of the book.
inline constexpr const char kPrintNoPageInRange[] =
    ZELKOR_TEXT("The pages chosen are not in the book, so nothing was printed.");
// The status bar after File > Export PDF...: the pages and the file.
inline constexpr const char kExportedPdfPage[] = ZELKOR_TEXT("Exported %d page to %s");
inline constexpr const char kExportedPdfPages[] = ZELKOR_TEXT("Exported %d pages to %s");
// A result the status bar shows, in the trace (ZELKOR_TRACE) beside the frames.
inline constexpr const char kTraceStatusBar[] = "status bar: %s";

// Closing the window while an upload runs, and the buttons of that question.
inline constexpr const char kAskCloseDuringUpload[] = ZELKOR_TEXT(
    "An upload is running; closing stops it, and the device may then hold only part of it.");
inline constexpr const char kCloseButton[] = ZELKOR_TEXT("Close");
inline constexpr const char kKeepUploadingButton[] = ZELKOR_TEXT("Cancel");

// Settings
inline constexpr const char kRegistryKey[] = "VQ Rurirareza";
inline constexpr const char kProfileApp[] = "ZelkorConfig";
inline constexpr const char kConfigSection[] = "Config";
inline constexpr const char kPortPathEntry[] = "Port Path";
// The language the windows take at the next start (a code such as "de"); empty for the system's.
inline constexpr const char kLanguageEntry[] = "Language";
inline constexpr const char kRecentFileSection[] = "Recent File List";
inline constexpr const char kRecentFileEntry[] = "File%d";

// Menus
inline constexpr const char kMenuFile[] = ZELKOR_TEXT("&File");
inline constexpr const char kMenuEdit[] = ZELKOR_TEXT("&Edit");
inline constexpr const char kMenuView[] = ZELKOR_TEXT("&View");
inline constexpr const char kMenuTools[] = ZELKOR_TEXT("&Tools");
inline constexpr const char kMenuHelp[] = ZELKOR_TEXT("&Help");

inline constexpr const char kItemNew[] = ZELKOR_TEXT("&New\tCtrl+N");
inline constexpr const char kItemOpen[] = ZELKOR_TEXT("&Open...\tCtrl+O");
inline constexpr const char kItemSave[] = ZELKOR_TEXT("&Save\tCtrl+S");
inline constexpr const char kItemSaveAs[] = ZELKOR_TEXT("Save &As...\tCtrl+Shift+S");
inline constexpr const char kItemImportCsv[] = ZELKOR_TEXT("&Import CSV...");
inline constexpr const char kItemExportCsv[] = ZELKOR_TEXT("&Export CSV...");
inline constexpr const char kItemExportPdf[] = ZELKOR_TEXT("Export P&DF...");
inline constexpr const char kItemPrint[] = ZELKOR_TEXT("&Print...\tCtrl+P");
inline constexpr const char kItemPrintPreview[] = ZELKOR_TEXT("Print Pre&view");
inline constexpr const char kItemPrintSetup[] = ZELKOR_TEXT("P&rint Setup...");
inline constexpr const char kItemRecentFile[] = ZELKOR_TEXT("Recent File");
inline constexpr const char kItemRecentFileEntry[] = ZELKOR_TEXT("&%d %s");
inline constexpr const char kItemExit[] = ZELKOR_TEXT("E&xit\tCtrl+Q");
// Undo and Redo name the step they take back or do again: "&Undo Delete Program 12\tCtrl+Z".
inline constexpr const char kItemUndo[] = ZELKOR_TEXT("&Undo\tCtrl+Z");
inline constexpr const char kItemUndoStep[] = ZELKOR_TEXT("&Undo %s\tCtrl+Z");
inline constexpr const char kItemRedo[] = ZELKOR_TEXT("&Redo\tCtrl+Y");
inline constexpr const char kItemRedoStep[] = ZELKOR_TEXT("&Redo %s\tCtrl+Y");
// The keys shown are the toolbar's Cut, Copy and Paste, which take the program when no
// frequency field has the focus.
inline constexpr const char kItemCutProgram[] = ZELKOR_TEXT("Cu&t Program\tCtrl+X");
inline constexpr const char kItemCopyProgram[] = ZELKOR_TEXT("&Copy Program\tCtrl+C");
inline constexpr const char kItemPasteProgram[] = ZELKOR_TEXT("&Paste Program\tCtrl+V");
inline constexpr const char kItemInsertProgram[] = ZELKOR_TEXT("&Insert Program");
inline constexpr const char kItemReorderPrograms[] = ZELKOR_TEXT("Re&order Programs");
inline constexpr const char kItemStatusBar[] = ZELKOR_TEXT("&Status Bar");
// View > Language: the system's language, then each language by its own name, which stays
// untranslated so that a user lost in another language still finds theirs.
inline constexpr const char kItemLanguage[] = ZELKOR_TEXT("&Language");
inline constexpr const char kItemSystemLanguage[] = ZELKOR_TEXT("&System Language");
inline constexpr const char kLanguageEnglish[] = "English";
inline constexpr const char kLanguageGerman[] = "Deutsch";
inline constexpr const char kLanguageFrench[] = "Fran\u00e7ais";
inline constexpr const char kLanguageSpanish[] = "Espa\u00f1ol";
inline constexpr const char kPromptLanguage[] = ZELKOR_TEXT("Choose the language of the windows");
inline constexpr const char kMsgLanguageNextStart[] =
    ZELKOR_TEXT("The new language takes effect when ZelkorConfig is started again.");
inline constexpr const char kItemDeleteProgram[] = ZELKOR_TEXT("&Delete Program");
inline constexpr const char kItemTestConnection[] = ZELKOR_TEXT("&Test Connection");
inline constexpr const char kItemUploadCurrentProgram[] = ZELKOR_TEXT("&Upload Current Program");
inline constexpr const char kItemSelectCommPort[] = ZELKOR_TEXT("&Select Comm Port");
inline constexpr const char kItemAbout[] = ZELKOR_TEXT("&About VQ7100 Config...");
// Reached from the toolbar and their keys only; the Edit menu lists the program's own items.
inline constexpr const char kItemCut[] = ZELKOR_TEXT("Cu&t");
inline constexpr const char kItemCopy[] = ZELKOR_TEXT("&Copy");
inline constexpr const char kItemPaste[] = ZELKOR_TEXT("&Paste");

// Status-bar prompts (the part of the command's string before the newline)
inline constexpr const char kReady[] = ZELKOR_TEXT("Ready");
inline constexpr const char kPromptNew[] = ZELKOR_TEXT("Create a new document");
inline constexpr const char kPromptOpen[] = ZELKOR_TEXT("Open an existing document");
inline constexpr const char kPromptSave[] = ZELKOR_TEXT("Save the active document");
inline constexpr const char kPromptSaveAs[] =
    ZELKOR_TEXT("Save the active document with a new name");
inline constexpr const char kPromptImportCsv[] =
    ZELKOR_TEXT("Make a new document of the programs in a CSV file");
inline constexpr const char kPromptExportCsv[] =
    ZELKOR_TEXT("Write all 2000 programs to a CSV file");
inline constexpr const char kPromptExportPdf[] =
    ZELKOR_TEXT("Write the printed pages to a PDF file");
inline constexpr const char kPromptPrint[] = ZELKOR_TEXT("Print the active document");
inline constexpr const char kPromptPrintPreview[] = ZELKOR_TEXT("Display full pages");
inline constexpr const char kPromptPrintSetup[] =
    ZELKOR_TEXT("Change the printer and printing options");
inline constexpr const char kPromptRecentFile[] = ZELKOR_TEXT("Open this document");
inline constexpr const char kPromptExit[] =
    ZELKOR_TEXT("Quit the application; prompts to save documents");
inline constexpr const char kPromptCut[] =
    ZELKOR_TEXT("Cut the selection and put it on the Clipboard");
inline constexpr const char kPromptCopy[] =
    ZELKOR_TEXT("Copy the selection and put it on the Clipboard");
inline constexpr const char kPromptPaste[] = ZELKOR_TEXT("Insert Clipboard contents");
inline constexpr const char kPromptUndo[] = ZELKOR_TEXT("Take back the last change of the book");
inline constexpr const char kPromptRedo[] =
    ZELKOR_TEXT("Make the change that was taken back again");
inline constexpr const char kPromptCutProgram[] =
    ZELKOR_TEXT("Put the program on display on the Clipboard and delete it");
inline constexpr const char kPromptCopyProgram[] =
    ZELKOR_TEXT("Put the program on display on the Clipboard");
inline constexpr const char kPromptPasteProgram[] = ZELKOR_TEXT(
    "Put the Clipboard's programs in place of the program on display and those after it");
inline constexpr const char kPromptInsertProgram[] =
    ZELKOR_TEXT("Insert a record at a given  location");
inline constexpr const char kPromptReorderPrograms[] = ZELKOR_TEXT("Reorder the programs");
inline constexpr const char kPromptStatusBar[] = ZELKOR_TEXT("Show or hide the status bar");
inline constexpr const char kPromptDeleteProgram[] =
    ZELKOR_TEXT("Delete the currently displayed program.");
inline constexpr const char kPromptTestConnection[] = ZELKOR_TEXT("Test the serial connection. ");
inline constexpr const char kPromptUploadCurrentProgram[] =
    ZELKOR_TEXT("Upload the currently displayed program to the device.");
inline constexpr const char kPromptSelectCommPort[] = "";
inline constexpr const char kPromptAbout[] =
    ZELKOR_TEXT("Display program information, version number and copyright");

// Toolbar tooltips
inline constexpr const char kTipNew[] = ZELKOR_TEXT("New");
inline constexpr const char kTipOpen[] = ZELKOR_TEXT("Open");
inline constexpr const char kTipSave[] = ZELKOR_TEXT("Save");
inline constexpr const char kTipCut[] = ZELKOR_TEXT("Cut");
inline constexpr const char kTipCopy[] = ZELKOR_TEXT("Copy");
inline constexpr const char kTipPaste[] = ZELKOR_TEXT("Paste");
inline constexpr const char kTipPrint[] = ZELKOR_TEXT("Print");
inline constexpr const char kTipAbout[] = ZELKOR_TEXT("About");
inline constexpr const char kToolBarTitle[] = ZELKOR_TEXT("Standard");

// Status bar indicators
inline constexpr const char kIndicatorCaps[] = ZELKOR_TEXT("CAP");
inline constexpr const char kIndicatorNum[] = ZELKOR_TEXT("NUM");
inline constexpr const char kIndicatorScrl[] = ZELKOR_TEXT("SCRL");

// About box
inline constexpr const char kAboutCaption[] = ZELKOR_TEXT("About VQ7100");
inline constexpr const char kAboutVersion[] =
    ZELKOR_TEXT("VQ7100 Configuration Program Version 1.3");
inline constexpr const char kAboutThirdLine[] =
    ZELKOR_TEXT("Programs and uploads the VQ7100 signal generator.");
inline constexpr const char kAboutOk[] = ZELKOR_TEXT("OK");

// Command line
inline constexpr const char kAppExecutable[] = "zelkorconfig";
inline constexpr const char kCmdLineDescription[] = "Configuration program of the VQ7100.";
inline constexpr const char kCmdLineFile[] = "file";
inline constexpr const char kCmdLineFileSyntax[] = "[file]";
inline constexpr const char kCmdLineFileHelp[] = "A .vq document to open.";
inline constexpr const char kCmdLinePortHelp[] =
    "Open PATH instead of the remembered port for this run; the remembered port is kept.";
inline constexpr const char kCmdLinePortValue[] = "PATH";
inline constexpr const char kCmdLineLanguageHelp[] =
    "Show the windows in the language CODE (de, fr, es, en) for this run instead of the one "
    "chosen in View > Language or the system's.";
inline constexpr const char kCmdLineLanguageValue[] = "CODE";
inline constexpr const char kCmdLineHelpHelp[] = "Show these options and exit.";
inline constexpr const char kCmdLineVersionHelp[] = "Show the version and exit.";
inline constexpr const char kCmdLineOneFile[] = "Only one file can be opened at a time.";
// %1 the program, %2 what was wrong.
inline constexpr const char kCmdLineError[] = "%1: %2\nTry '%1 --help' for the options.\n";

}  // namespace res
