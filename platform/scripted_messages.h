// Message sink for tests: records every request and answers from a queue of scripted answers
// (or as if dismissed when the queue is empty). Safe to use from several threads; a test can wait
// until a given number of messages has arrived.
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <vector>

#include "platform/message_box.h"

namespace platform {

class CScriptedMessages : public IMessageSink {
public:
    // Installs itself as the sink for its lifetime.
    CScriptedMessages();
    ~CScriptedMessages() override;
    CScriptedMessages(const CScriptedMessages&) = delete;
    CScriptedMessages& operator=(const CScriptedMessages&) = delete;

    EMsgAnswer Show(const SMessageRequest& request) override;
    void Post(const SMessageRequest& request) override;

    void QueueAnswer(EMsgAnswer answer);
    std::vector<SMessageRequest> Requests() const;
    std::vector<std::string> Texts() const;
    size_t Count() const;
    void Clear();
    // True when at least n messages arrived within the time-out.
    bool WaitForCount(size_t n, std::chrono::milliseconds timeout) const;

private:
    EMsgAnswer Record(const SMessageRequest& request);

    mutable std::mutex m_mutex;
    mutable std::condition_variable m_arrived;
    std::vector<SMessageRequest> m_requests;
    std::deque<EMsgAnswer> m_answers;
    IMessageSink* m_pPrevious;
};

}  // namespace platform
