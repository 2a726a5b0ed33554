// The texts the window program shows in the user's language, while everything below the windows
// stays free of Qt. A text is marked where it is defined, ZELKOR_TEXT("..."), which Qt's lupdate
// reads (scripts/update-translations) into the catalogues of data/translations/, and looked up
// where it is shown, res::Tr(res::kText), through a hook that the window program installs. The
// command-line tool and the simulator install none: their output stays English, as the scripts
// that read it expect.
//
// Threads: Tr may be called from any thread; the hook is set before the windows are made, and
// the hook itself must allow calls from any thread.
#pragma once

#include <atomic>

// The source text as it stands; lupdate reads the macro as QT_TR_NOOP in the context "res".
#define ZELKOR_TEXT(text) text

namespace res {

// The context of every marked text in the catalogues.
inline constexpr const char kTextContext[] = "res";

// The text in the user's language, as UTF-8 that lives as long as the program, or null to keep
// the source text.
using FTranslate = const char* (*)(const char* source);

inline std::atomic<FTranslate> g_translate{nullptr};

// Installs the hook (nullptr for none) and returns the previous one.
inline FTranslate SetTranslator(FTranslate translate) {
    return g_translate.exchange(translate);
}

// A marked text in the user's language: the source text when no hook is installed or the
// catalogue has no translation of it.
inline const char* Tr(const char* source) {
    const FTranslate translate = g_translate.load();
    const char* translated = translate != nullptr ? translate(source) : nullptr;
    return translated != nullptr ? translated : source;
}

}  // namespace res
