// The one seam through which the program's logic asks the user something or tells them of a
// failure. Windows install a Qt implementation, tests a scripted one, the command line and the
// simulator the console one.
//
// Threads: ShowMessage may be called from any thread and blocks until the answer is known.
// PostMessageBox never blocks; background threads (the serial reader) use it so that they never
// wait for the user-interface thread.
#pragma once

#include <string>

namespace platform {

enum class EMsgIcon { kNone, kWarning, kQuestion };
enum class EMsgButtons { kOk, kYesNo, kSaveDiscardCancel };
enum class EMsgAnswer { kOk, kYes, kNo, kSave, kDiscard, kCancel };

struct SMessageRequest {
    std::string text;
    std::string caption;
    EMsgIcon icon = EMsgIcon::kNone;
    EMsgButtons buttons = EMsgButtons::kOk;
    bool bOwned = true;  // false for boxes the old program showed without an owner window
    // What the message is about (a file's name) and why it happened (the system's reason), for
    // the user who needs more than the text. Either may be empty. A window shows them under the
    // text, one a line; the console puts them around it: "SUBJECT: TEXT: DETAIL".
    std::string subject{};  // initialised, so that the shorter braced requests stay warning-free
    std::string detail{};
    // Yes and No named for what they do ("Switch", "Cancel"); empty keeps Yes and No. The answers
    // stay kYes and kNo.
    std::string yesText{};
    std::string noText{};

    bool operator==(const SMessageRequest&) const = default;
};

class IMessageSink {
public:
    virtual ~IMessageSink() = default;
    virtual EMsgAnswer Show(const SMessageRequest& request) = 0;
    // Shows the message later, without waiting; the default shows it at once.
    virtual void Post(const SMessageRequest& request) { Show(request); }
};

// The caption of the program's own messages.
const char* ApplicationTitle();

// Installs the sink used from now on; returns the previous one. Not owned.
IMessageSink* SetMessageSink(IMessageSink* sink);
IMessageSink& MessageSink();

EMsgAnswer ShowMessage(const SMessageRequest& request);
void PostMessageBox(const SMessageRequest& request);

// The framework-style box: application title, OK, no icon.
EMsgAnswer ShowAppMessage(const std::string& text);
// The same box, naming what it is about and why.
EMsgAnswer ShowAppMessage(const std::string& text, const std::string& subject,
                          const std::string& detail);
EMsgAnswer AskYesNo(const std::string& text);

// What Escape or the close box answers for a set of buttons.
EMsgAnswer DismissAnswer(EMsgButtons buttons);

// The subject and the detail of a request, one a line (empty when it has neither).
std::string DetailLines(const SMessageRequest& request);

}  // namespace platform
