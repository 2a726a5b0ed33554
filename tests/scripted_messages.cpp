#include "tests/scripted_messages.h"

namespace testing_support {

using platform::EMsgAnswer;
using platform::SMessageRequest;

CScriptedMessages::CScriptedMessages() : m_pPrevious(platform::SetMessageSink(this)) {}

CScriptedMessages::~CScriptedMessages() {
    platform::SetMessageSink(m_pPrevious);
}

EMsgAnswer CScriptedMessages::Record(const SMessageRequest& request) {
    std::lock_guard lock(m_mutex);
    m_requests.push_back(request);
    m_arrived.notify_all();
    if (m_answers.empty()) {
        return platform::DismissAnswer(request.buttons);
    }
    EMsgAnswer answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

EMsgAnswer CScriptedMessages::Show(const SMessageRequest& request) {
    return Record(request);
}

void CScriptedMessages::Post(const SMessageRequest& request) {
    Record(request);
}

void CScriptedMessages::QueueAnswer(EMsgAnswer answer) {
    std::lock_guard lock(m_mutex);
    m_answers.push_back(answer);
}

std::vector<SMessageRequest> CScriptedMessages::Requests() const {
    std::lock_guard lock(m_mutex);
    return m_requests;
}

std::vector<std::string> CScriptedMessages::Texts() const {
    std::lock_guard lock(m_mutex);
    std::vector<std::string> texts;
    for (const auto& r : m_requests) {
        texts.push_back(r.text);
    }
    return texts;
}

size_t CScriptedMessages::Count() const {
    std::lock_guard lock(m_mutex);
    return m_requests.size();
}

void CScriptedMessages::Clear() {
    std::lock_guard lock(m_mutex);
    m_requests.clear();
    m_answers.clear();
}

bool CScriptedMessages::WaitForCount(size_t n, std::chrono::milliseconds timeout) const {
    std::unique_lock lock(m_mutex);
    return m_arrived.wait_for(lock, timeout, [&] { return m_requests.size() >= n; });
}

}  // namespace testing_support
