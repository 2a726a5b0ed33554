// Which block of an upload an acknowledgement answers. A device may echo each block's number in
// its acknowledgement (the sequence number of a book block, the offset of a program block), but
// nothing promises that it does, so a device is held to it only once it has shown it: its first
// answer named the first block and its second answer the second. The first block's number, 0,
// proves nothing alone, as a device that fills the field with zeros sends it too. Once held,
// an answer to a block sent before is a repeat and moves nothing, and one that names any other
// block (the final block's confirmation before the final block went, too) ends the upload. A
// device that does not echo keeps the plain pacing: every acknowledgement releases the next
// block, and the final block is confirmed by its own confirmation or number.
//
// Threads: none of its own; its user keeps the calls apart.
#pragma once

#include <cstdint>
#include <vector>

namespace devlink {

class CBlockAnswers {
public:
    enum class EAnswer {
        kNext,        // releases the next block
        kFinal,       // confirms the final block
        kRepeat,      // answers a block that was answered before: passed over
        kOtherBlock,  // names a block other than the one sent: the upload cannot go on
    };

    // The block numbered 'number' goes now; bFinal for the upload's last.
    void Sending(uint16_t number, bool bFinal);
    // An acknowledgement (sub-code kAckBlock with its value, or kAckFinal) has come.
    EAnswer Take(uint16_t subCode, uint16_t value);

private:
    enum class EMode { kUndecided, kEcho, kPlain };

    // Whether the answer names the block sent last.
    bool Names(uint16_t subCode, uint16_t value) const;
    void Decide(bool bNames);

    EMode m_mode = EMode::kUndecided;
    int m_nBlocksSent = 0;
    int m_nAnswers = 0;  // counted while undecided
    bool m_bFirstEchoed = false;
    uint16_t m_nCurrent = 0;  // the block sent last
    bool m_bFinal = false;
    bool m_bAnswered = false;  // the block sent last has had its answer
    std::vector<bool> m_sentBefore = std::vector<bool>(UINT16_MAX + 1, false);
};

}  // namespace devlink
