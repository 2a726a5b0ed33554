#include "sim/simulator.h"

#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <stdlib.h>
#include <sys/prctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>

#include "model/program_book.h"
#include "platform/byte_order.h"
#include "platform/error_text.h"
#include "res/strings_sim.h"

namespace sim {

namespace {

constexpr auto kByteTime = std::chrono::nanoseconds(1'000'000'000 / 11'520);
constexpr int kBookBytes = model::kProgramCount * model::kPayloadSize;

std::string SystemError(const char* what) {
    return std::string(what) + ": " + platform::ErrorText(errno);
}

bool IsFinalBlock(const devlink::SDataBlock& block) {
    return block.command == devlink::kCmdBookBlock
               ? block.address == devlink::kLastSequence
               : block.offset + block.length >= model::kPayloadSize;
}

}  // namespace

CSimulator::CSimulator(SSimOptions options)
    : m_options(std::move(options)), m_book(kBookBytes, 0) {}

CSimulator::~CSimulator() {
    Stop();
}

bool CSimulator::Start(std::string& error) {
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0) {
        error = SystemError(res::kSimNoPseudoTerminal);
        Stop();
        return false;
    }
    char name[128];
    if (::ptsname_r(m_master, name, sizeof name) != 0) {
        error = SystemError(res::kSimNoTerminalName);
        Stop();
        return false;
    }
    m_strPortPath = name;
    m_slaveHold = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    termios t{};
    if (m_slaveHold < 0 || ::tcgetattr(m_slaveHold, &t) != 0) {
        error = SystemError(res::kSimNoTerminalLine);
        Stop();
        return false;
    }
    ::cfmakeraw(&t);  // no echo, no line editing, until a program sets its own
    ::tcsetattr(m_slaveHold, TCSANOW, &t);
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) {
        error = SystemError(res::kSimNoWakePipe);
        Stop();
        return false;
    }
    m_wakeRead = fds[0];
    m_wakeWrite = fds[1];
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
    m_thread = std::thread(&CSimulator::Run, this);
    return true;
}

void CSimulator::Stop() {
    if (m_thread.joinable()) {
        const uint8_t one = 1;
        (void)!::write(m_wakeWrite, &one, 1);
        m_thread.join();
    }
    for (int* fd : {&m_master, &m_slaveHold, &m_wakeRead, &m_wakeWrite}) {
        if (*fd >= 0) {
            ::close(*fd);
            *fd = -1;
        }
    }
}

void CSimulator::Run() {
    // Pacing sleeps to the tenth of a millisecond; the default slack would blur them.
    ::prctl(PR_SET_TIMERSLACK, 1UL);
    uint8_t buffer[devlink::kLinkRxCapacity];
    for (;;) {
        pollfd fds[2] = {{m_master, POLLIN, 0}, {m_wakeRead, POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            return;
        }
        if (fds[1].revents != 0) {
            return;
        }
        ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n > 0) {
            OnChunk(buffer, static_cast<size_t>(n), Clock::now());
        }
        const bool bGone = n < 0 && errno != EAGAIN && errno != EINTR;
        if (bGone || (m_options.nHangUpAfter > 0 &&
                      FrameCount() >= static_cast<size_t>(m_options.nHangUpAfter))) {
            if (!bGone) {
                // As an adapter pulled from the socket: the program's end of the line hangs up.
                ::close(m_master);
                m_master = -1;
            }
            // The line is gone for good; wait for Stop only.
            pollfd wake{m_wakeRead, POLLIN, 0};
            ::poll(&wake, 1, -1);
            return;
        }
    }
}

void CSimulator::OnChunk(const uint8_t* bytes, size_t count, Clock::time_point at) {
    if (m_options.bKeepHistory) {
        std::lock_guard lock(m_mutex);
        m_raw.insert(m_raw.end(), bytes, bytes + count);
    }
    Clock::time_point doneAt = at;
    if (m_options.bPace) {
        // On a real line these bytes would still be arriving one after another.
        m_rxClock = std::max(m_rxClock, at) + kByteTime * static_cast<int64_t>(count);
        doneAt = m_rxClock;
    }
    m_rx.Feed(bytes, count, [&](devlink::CPacketBuffer& frame) { OnFrame(frame, doneAt, at); });
}

void CSimulator::OnFrame(devlink::CPacketBuffer& frame, Clock::time_point doneAt,
                         Clock::time_point readAt) {
    const uint8_t* p = frame.Data();
    const int32_t count = frame.Count();
    if (!devlink::IsIntact(p, count) || count < devlink::kHeaderSize + devlink::kFcsSize) {
        LoseFrame();
        return;
    }
    SReceivedFrame rx;
    rx.type = p[devlink::kTypeAt];
    rx.length = devlink::FrameBodyLength(p);
    const std::optional<devlink::SDataBlock> block = devlink::ReadDataBlock(p, count);
    const bool bFinal = block && IsFinalBlock(*block);
    // An upload's first block starts the count again, after one that was cancelled too.
    const bool bFirst =
        block && (block->command == devlink::kCmdBookBlock ? block->address : block->offset) == 0;
    const int index = bFirst ? 0 : m_nBlockIndex;
    if (block) {
        m_nBlockIndex = bFinal ? 0 : index + 1;
        // Ahead of the next block's own answer (if any), as an answer held up on the way would.
        if (m_options.nRepeatLate >= 0 && index == m_options.nRepeatLate + 1 &&
            m_nLastAckIndex == m_options.nRepeatLate) {
            Reply(devlink::kReplyAck, m_lastAck, m_nLastAckWords, doneAt);
        }
        if (index == m_options.nLoseBlock) {
            LoseFrame();
            return;
        }
        rx.command = block->command;
        rx.address = block->address;
        rx.offset = block->offset;
        rx.data.assign(block->data, block->data + block->length);
        std::lock_guard lock(m_mutex);
        StoreData(rx, bFinal);
        if (m_bReplyOut && m_options.bKeepHistory) {
            m_turnarounds.push_back(readAt - m_lastReplyAt);
        }
    }
    m_bReplyOut = false;
    if (bFinal && rx.command == devlink::kCmdBookBlock && !m_options.strSavePath.empty()) {
        SaveBook(m_options.strSavePath);
    }
    if (rx.type == devlink::kFrameTypeTest) {
        Reply(devlink::kReplyTestResponse, nullptr, 0, doneAt);
    } else if (block) {
        AnswerBlock(rx, bFinal, index, doneAt);
    }
    if (!m_options.bKeepHistory) {
        rx.data = {};
    }
    // Counted last, so that whoever sees the frame also sees the reply that went out for it.
    {
        std::lock_guard lock(m_mutex);
        m_frames.push_back(std::move(rx));
    }
    m_changed.notify_all();
}

void CSimulator::LoseFrame() {
    {
        std::lock_guard lock(m_mutex);
        ++m_nBadFrames;
    }
    m_changed.notify_all();
}

void CSimulator::AnswerBlock(const SReceivedFrame& rx, bool bFinal, int index,
                             Clock::time_point doneAt) {
    if (bFinal && m_options.bNoFinalAck) {
        return;
    }
    const bool bBook = rx.command == devlink::kCmdBookBlock;
    uint16_t value = bBook ? rx.address : rx.offset;
    if (!bFinal && m_options.nMisnameFrom >= 0 && index >= m_options.nMisnameFrom) {
        value = static_cast<uint16_t>(value + (bBook ? 1 : devlink::kBlockSize));
    }
    m_lastAck[0] = bFinal ? devlink::kAckFinal : devlink::kAckBlock;
    m_lastAck[1] = value;
    m_nLastAckWords = bFinal ? 1 : 2;
    m_nLastAckIndex = index;
    Reply(devlink::kReplyAck, m_lastAck, m_nLastAckWords, doneAt,
          bFinal ? m_options.finalDelay : std::chrono::milliseconds(0));
}

// Called with m_mutex held.
void CSimulator::StoreData(const SReceivedFrame& rx, bool bFinal) {
    const int length = static_cast<int>(rx.data.size());
    if (rx.command == devlink::kCmdBookBlock) {
        const int at = bFinal ? m_nBookNext : rx.address * devlink::kBlockSize;
        if (at + length <= kBookBytes) {
            std::memcpy(m_book.data() + at, rx.data.data(), rx.data.size());
        }
        if (bFinal) {
            ++m_nBooks;
            m_nBookNext = 0;
        } else {
            m_nBookNext = at + length;
        }
    } else {
        auto& program = m_programs[rx.address];
        program.resize(model::kPayloadSize, 0);
        if (rx.offset + length <= model::kPayloadSize) {
            std::memcpy(program.data() + rx.offset, rx.data.data(), rx.data.size());
        }
    }
}

void CSimulator::Reply(uint16_t code, const uint16_t* extra, int extraCount,
                       Clock::time_point doneAt, std::chrono::milliseconds extraDelay) {
    if (m_options.bSilent) {
        return;
    }
    const int n = ++m_nReplyCount;
    if (m_options.nDropEvery > 0 && n % m_options.nDropEvery == 0) {
        return;
    }
    devlink::CPacketBuffer frame(devlink::kTestFrameCapacity);
    uint8_t payload[4];
    for (int i = 0; i < extraCount; ++i) {
        platform::PutBig16(payload + 2 * i, extra[i]);
    }
    frame.BuildFrame(devlink::kFrameTypeReply, code, payload, static_cast<uint16_t>(2 * extraCount),
                     0);
    int32_t length = 0;
    devlink::CompleteFrame(frame, length);
    if (m_options.nCorruptEvery > 0 && n % m_options.nCorruptEvery == 0) {
        frame.Data()[length - 3] ^= 0x01;
    }
    const std::vector<uint8_t> wire = devlink::StuffedFrame(frame.Data(), length);
    const int copies =
        (m_options.nDuplicateEvery > 0 && n % m_options.nDuplicateEvery == 0) ? 2 : 1;
    std::vector<uint8_t> out;
    for (int i = 0; i < copies; ++i) {
        out.insert(out.end(), wire.begin(), wire.end());
    }
    Clock::time_point sendAt = std::max(doneAt, Clock::now()) + m_options.delay + extraDelay;
    if (m_options.bPace) {
        m_txClock = std::max(m_txClock, sendAt) + kByteTime * static_cast<int64_t>(out.size());
        sendAt = m_txClock;
    }
    std::this_thread::sleep_until(sendAt);
    WriteLine(out);
    m_lastReplyAt = Clock::now();
    m_bReplyOut = true;
    {
        std::lock_guard lock(m_mutex);
        m_nRepliesSent += copies;
        m_nBytesSent += out.size();
    }
    m_changed.notify_all();
}

void CSimulator::WriteLine(const std::vector<uint8_t>& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(m_master, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<size_t>(n);
        } else if (n < 0 && errno == EAGAIN) {
            pollfd fd{m_master, POLLOUT, 0};
            ::poll(&fd, 1, 100);
        } else if (n < 0 && errno != EINTR) {
            return;
        }
    }
}

std::vector<std::chrono::nanoseconds> CSimulator::Turnarounds() const {
    std::lock_guard lock(m_mutex);
    return m_turnarounds;
}

std::vector<SReceivedFrame> CSimulator::Frames() const {
    std::lock_guard lock(m_mutex);
    return m_frames;
}

size_t CSimulator::FrameCount() const {
    std::lock_guard lock(m_mutex);
    return m_frames.size();
}

bool CSimulator::WaitForFrames(size_t n, std::chrono::milliseconds timeout) const {
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, timeout, [&] { return m_frames.size() >= n; });
}

bool CSimulator::WaitUntil(const std::function<bool(const std::vector<SReceivedFrame>&)>& condition,
                           std::chrono::milliseconds timeout) const {
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, timeout, [&] { return condition(m_frames); });
}

bool CSimulator::WaitForBooks(int n, std::chrono::milliseconds timeout) const {
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, timeout, [&] { return m_nBooks >= n; });
}

std::vector<uint8_t> CSimulator::BookImage() const {
    std::lock_guard lock(m_mutex);
    return m_book;
}

std::vector<uint8_t> CSimulator::ProgramImage(int index) const {
    std::lock_guard lock(m_mutex);
    auto it = m_programs.find(index);
    return it != m_programs.end() ? it->second : std::vector<uint8_t>{};
}

std::vector<uint8_t> CSimulator::RawBytes() const {
    std::lock_guard lock(m_mutex);
    return m_raw;
}

uint32_t CSimulator::BadFrames() const {
    std::lock_guard lock(m_mutex);
    return m_nBadFrames;
}

bool CSimulator::WaitForReplies(int n, std::chrono::milliseconds timeout) const {
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, timeout, [&] { return m_nRepliesSent >= n; });
}

size_t CSimulator::BytesSent() const {
    std::lock_guard lock(m_mutex);
    return m_nBytesSent;
}

std::chrono::nanoseconds CSimulator::ThreadCpuTime() const {
    clockid_t clock{};
    timespec t{};
    if (!m_thread.joinable() ||
        pthread_getcpuclockid(const_cast<std::thread&>(m_thread).native_handle(), &clock) != 0 ||
        clock_gettime(clock, &t) != 0) {
        return {};
    }
    return std::chrono::seconds(t.tv_sec) + std::chrono::nanoseconds(t.tv_nsec);
}

bool CSimulator::SaveBook(const std::string& path) const {
    auto book = std::make_unique<model::CProgramBook>();
    std::vector<uint8_t> image = BookImage();
    for (int i = 0; i < model::kProgramCount; ++i) {
        (*book)[i].Decode(image.data() + i * model::kPayloadSize);
    }
    return model::SaveBookToPath(*book, path);
}

}  // namespace sim
