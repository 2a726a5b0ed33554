// The simulated VQ7100: a pseudo-terminal whose far end answers frames as the generator does.
// The connection test gets its answer (type 2, code 3), every data frame an acknowledgement
// (code 1, sub-code 2 with the block's sequence number or offset, sub-code 3 for a final block),
// and a frame with a bad check sequence no answer at all. It keeps what it received, and its
// switches make it misbehave for tests: silent, dropping, damaging, repeating or delaying its
// replies, never confirming a final block, hanging up the line, answering one block again late,
// losing one, or naming the wrong blocks in its answers.
//
// Threads: Start and Stop from one thread; the device runs in a thread of its own; the
// accessors may be called from any thread at any time.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "devlink/device_link.h"
#include "devlink/frame_assembler.h"

namespace sim {

struct SSimOptions {
    bool bSilent = false;
    int nDropEvery = 0;       // drop every Nth reply (0: never)
    int nCorruptEvery = 0;    // damage every Nth reply
    int nDuplicateEvery = 0;  // send every Nth reply twice
    std::chrono::milliseconds delay{0};
    // The answer to a final block comes this much later still, as from a device that stores
    // the whole book before it confirms.
    std::chrono::milliseconds finalDelay{0};
    bool bPace = false;        // bytes take as long as on a 115200-baud line
    bool bNoFinalAck = false;  // never acknowledge the final block of an upload
    int nHangUpAfter = 0;      // close the line after this many frames, as if unplugged (0: never)
    // Faults of single blocks, counted from 0 in each upload (a book's sequence number); -1 never.
    int nRepeatLate = -1;   // this block's answer comes again when the next block arrives
    int nLoseBlock = -1;    // this block is taken as damaged on the line: not kept, not answered
    int nMisnameFrom = -1;  // from this block on, each answer names the block after it
    std::string strSavePath{};  // where a completed book is written as a .vq file
    // Keep every byte read, each frame's data and each turnaround, for tests and benchmarks to
    // look at; a device left running for many uploads keeps only the books and the counts.
    bool bKeepHistory = true;
};

// One intact data or test frame as it arrived.
struct SReceivedFrame {
    uint8_t type = 0;
    uint16_t length = 0;   // the frame's length field
    uint16_t command = 0;  // data frames
    uint16_t address = 0;  // sequence number (book) or program index (program)
    uint16_t offset = 0;   // program blocks
    std::vector<uint8_t> data;
};

class CSimulator {
public:
    explicit CSimulator(SSimOptions options = {});
    ~CSimulator();
    CSimulator(const CSimulator&) = delete;
    CSimulator& operator=(const CSimulator&) = delete;

    // Creates the pseudo-terminal and starts answering; false with a reason when it cannot.
    bool Start(std::string& error);
    void Stop();
    // The path a serial port opens to reach this device.
    const std::string& PortPath() const { return m_strPortPath; }

    std::vector<SReceivedFrame> Frames() const;
    size_t FrameCount() const;
    // True when at least n intact frames arrived within the time-out.
    bool WaitForFrames(size_t n, std::chrono::milliseconds timeout) const;
    // True when the frames received satisfy the condition within the time-out.
    bool WaitUntil(const std::function<bool(const std::vector<SReceivedFrame>&)>& condition,
                   std::chrono::milliseconds timeout) const;
    // True when a whole book arrived (its final block) within the time-out.
    bool WaitForBooks(int n, std::chrono::milliseconds timeout) const;
    std::vector<uint8_t> BookImage() const;
    std::vector<uint8_t> ProgramImage(int index) const;
    std::vector<uint8_t> RawBytes() const;  // everything read from the line
    uint32_t BadFrames() const;
    // True when at least n replies have gone out (on a paced line: have been fully sent).
    bool WaitForReplies(int n, std::chrono::milliseconds timeout) const;
    size_t BytesSent() const;  // every byte of every reply, flags and stuffing included
    bool SaveBook(const std::string& path) const;
    // Processor time the device's thread has used so far (for benchmarks that want to tell the
    // program's share from the simulator's).
    std::chrono::nanoseconds ThreadCpuTime() const;
    // For each data frame that followed a reply: the time from the reply's going out to the
    // frame's last byte coming in, as a device on the line sees the program's turnaround.
    std::vector<std::chrono::nanoseconds> Turnarounds() const;

private:
    using Clock = std::chrono::steady_clock;

    void Run();
    void OnChunk(const uint8_t* bytes, size_t count, Clock::time_point at);
    void OnFrame(devlink::CPacketBuffer& frame, Clock::time_point doneAt, Clock::time_point readAt);
    void StoreData(const SReceivedFrame& frame, bool bFinal);
    // A frame that never counts as received: the device stays silent, as on a damaged one.
    void LoseFrame();
    void AnswerBlock(const SReceivedFrame& rx, bool bFinal, int index, Clock::time_point doneAt);
    void Reply(uint16_t code, const uint16_t* extra, int extraCount, Clock::time_point doneAt,
               std::chrono::milliseconds extraDelay = {});
    void WriteLine(const std::vector<uint8_t>& bytes);

    SSimOptions m_options;
    std::string m_strPortPath;
    int m_master = -1;
    int m_slaveHold = -1;  // keeps the line up while no program has it open
    int m_wakeRead = -1;
    int m_wakeWrite = -1;
    std::thread m_thread;
    devlink::CFrameAssembler m_rx{devlink::kLinkRxCapacity};
    Clock::time_point m_rxClock{};
    Clock::time_point m_txClock{};
    int m_nReplyCount = 0;
    int m_nBookNext = 0;    // where a book's final block goes
    int m_nBlockIndex = 0;  // of the next data frame within its upload
    // The last acknowledgement of a block, for the late repeat, and the block it answered.
    uint16_t m_lastAck[2] = {};
    int m_nLastAckWords = 0;
    int m_nLastAckIndex = -1;
    Clock::time_point m_lastReplyAt{};
    bool m_bReplyOut = false;  // a reply went out and no frame has come since

    mutable std::mutex m_mutex;
    mutable std::condition_variable m_changed;
    std::vector<SReceivedFrame> m_frames;
    std::vector<uint8_t> m_book;
    std::map<int, std::vector<uint8_t>> m_programs;
    std::vector<uint8_t> m_raw;
    uint32_t m_nBadFrames = 0;
    int m_nRepliesSent = 0;
    size_t m_nBytesSent = 0;
    int m_nBooks = 0;
    std::vector<std::chrono::nanoseconds> m_turnarounds;
};

}  // namespace sim
