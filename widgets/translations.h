// The windows in the user's language: the program's catalogue and Qt's (the standard buttons, the
// file and print dialogs), in the language asked for or else the first of the system's languages
// that has a catalogue. A language without one leaves the windows in English, without a word.
// The core's texts are looked up through res::Tr, whose hook this installs.
//
// Threads: Install and Remove on the user-interface thread; the hook from any thread.
#pragma once

#include <QString>
#include <QStringList>

namespace widgets {

// The folders searched for catalogues, in order: beside the program (the build and Windows),
// the installed share folder, then Qt's own.
QStringList CatalogueFolders();
// Searched before the others (the suites' build folder).
void AddCatalogueFolder(const QString& folder);

// Loads the catalogues of `code` ("de"; empty: the system's languages) and installs them;
// returns the language of the catalogue taken ("de"), or an empty string for English.
QString InstallTranslations(const QString& code);
// Back to English, as before InstallTranslations.
void RemoveTranslations();

}  // namespace widgets
