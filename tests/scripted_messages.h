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

namespace testing_support {

class CScriptedMessages : public platform::IMessageSink {
public:
    // Installs itself as the sink for its lifetime.
    CScriptedMessages();
    ~CScriptedMessages() override;
    CScriptedMessages(const CScriptedMessages&) = delete;
    CScriptedMessages& operator=(const CScriptedMessages&) = delete;

    platform::EMsgAnswer Show(const platform::SMessageRequest& request) override;
    void Post(const platform::SMessageRequest& request) override;

    void QueueAnswer(platform::EMsgAnswer answer);
    std::vector<platform::SMessageRequest> Requests() const;
    std::vector<std::string> Texts() const;
    size_t Count() const;
    void Clear();
    // True when at least n messages arrived within the time-out.
    bool WaitForCount(size_t n, std::chrono::milliseconds timeout) const;

private:
    platform::EMsgAnswer Record(const platform::SMessageRequest& request);

    mutable std::mutex m_mutex;
    mutable std::condition_variable m_arrived;
    std::vector<platform::SMessageRequest> m_requests;
    std::deque<platform::EMsgAnswer> m_answers;
    platform::IMessageSink* m_pPrevious;
};

}  // namespace testing_support
