#include "devlink/block_answers.h"

#include "devlink/frame_layout.h"

namespace devlink {

void CBlockAnswers::Sending(uint16_t number, bool bFinal) {
    if (m_nBlocksSent > 0) {
        m_sentBefore[m_nCurrent] = true;
    }
    ++m_nBlocksSent;
    m_nCurrent = number;
    m_bFinal = bFinal;
    m_bAnswered = false;
}

bool CBlockAnswers::Names(uint16_t subCode, uint16_t value) const {
    return (subCode == kAckBlock && value == m_nCurrent) || (m_bFinal && subCode == kAckFinal);
}

void CBlockAnswers::Decide(bool bNames) {
    if (++m_nAnswers == 1) {
        m_bFirstEchoed = bNames && m_nBlocksSent == 1;
        return;
    }
    // A second answer that comes while the first block is still the last one sent is a repeat
    // of the first, which tells nothing.
    m_mode = m_bFirstEchoed && bNames && m_nBlocksSent == 2 ? EMode::kEcho : EMode::kPlain;
}

CBlockAnswers::EAnswer CBlockAnswers::Take(uint16_t subCode, uint16_t value) {
    const bool bNames = Names(subCode, value);
    if (m_mode == EMode::kUndecided) {
        Decide(bNames);
    }
    if (m_mode != EMode::kEcho) {
        return m_bFinal && bNames ? EAnswer::kFinal : EAnswer::kNext;
    }
    if (bNames && !m_bAnswered) {
        m_bAnswered = true;
        return m_bFinal ? EAnswer::kFinal : EAnswer::kNext;
    }
    if (bNames || (subCode == kAckBlock && m_sentBefore[value])) {
        return EAnswer::kRepeat;
    }
    return EAnswer::kOtherBlock;
}

}  // namespace devlink
