// The languages the windows offer and the one chosen in View > Language, which takes effect at
// the next start.
#pragma once

#include <QString>

namespace app {

// The languages View > Language offers: a code and the language's own name.
struct SLanguage {
    const char* code;
    const char* name;
};
const SLanguage* OfferedLanguages(int& nCount);

// The code chosen in View > Language; empty for the system's languages.
QString SavedLanguage();
void SaveLanguage(const QString& code);

}  // namespace app
