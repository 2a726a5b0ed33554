#include "platform/message_box.h"

#include <atomic>

#include "platform/console_messages.h"
#include "res/strings_platform.h"

namespace platform {

namespace {
constinit CConsoleMessages g_consoleSink;
std::atomic<IMessageSink*> g_sink{&g_consoleSink};
}  // namespace

const char* ApplicationTitle() {
    return res::kAppTitle;
}

IMessageSink* SetMessageSink(IMessageSink* sink) {
    return g_sink.exchange(sink != nullptr ? sink : &g_consoleSink);
}

IMessageSink& MessageSink() {
    return *g_sink.load();
}

EMsgAnswer ShowMessage(const SMessageRequest& request) {
    return MessageSink().Show(request);
}

void PostMessageBox(const SMessageRequest& request) {
    MessageSink().Post(request);
}

EMsgAnswer ShowAppMessage(const std::string& text) {
    return ShowMessage({text, ApplicationTitle(), EMsgIcon::kNone, EMsgButtons::kOk});
}

EMsgAnswer ShowAppMessage(const std::string& text, const std::string& subject,
                          const std::string& detail) {
    SMessageRequest request{text, ApplicationTitle(), EMsgIcon::kNone, EMsgButtons::kOk};
    request.subject = subject;
    request.detail = detail;
    return ShowMessage(request);
}

EMsgAnswer AskYesNo(const std::string& text) {
    return ShowMessage({text, ApplicationTitle(), EMsgIcon::kQuestion, EMsgButtons::kYesNo});
}

EMsgAnswer DismissAnswer(EMsgButtons buttons) {
    switch (buttons) {
        case EMsgButtons::kOk:
            return EMsgAnswer::kOk;
        case EMsgButtons::kYesNo:
            return EMsgAnswer::kNo;
        case EMsgButtons::kSaveDiscardCancel:
            return EMsgAnswer::kCancel;
    }
    return EMsgAnswer::kCancel;
}

std::string DetailLines(const SMessageRequest& request) {
    if (request.subject.empty() || request.detail.empty()) {
        return request.subject + request.detail;
    }
    return request.subject + '\n' + request.detail;
}

}  // namespace platform
