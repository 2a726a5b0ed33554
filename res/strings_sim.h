// Texts of vq7100-sim, the simulated generator.
#pragma once

namespace res {

inline constexpr const char kSimName[] = "vq7100-sim";
inline constexpr const char kSimDescription[] =
    "vq7100-sim: a simulated VQ7100 generator on a pseudo-terminal";
inline constexpr const char kSimSilentHelp[] = "never answer";
inline constexpr const char kSimDropHelp[] = "drop every Nth reply";
inline constexpr const char kSimCorruptHelp[] = "damage every Nth reply";
inline constexpr const char kSimDuplicateHelp[] = "send every Nth reply twice";
inline constexpr const char kSimDelayHelp[] = "wait this many milliseconds before each reply";
inline constexpr const char kSimFinalDelayHelp[] =
    "wait this many milliseconds more before confirming the final block of an upload";
inline constexpr const char kSimPaceHelp[] = "take as long as a 115200-baud line would";
inline constexpr const char kSimNoFinalAckHelp[] = "never acknowledge the final block of an upload";
inline constexpr const char kSimHangUpAfterHelp[] =
    "close the line after N frames, as if the adapter were pulled";
// Faults of single blocks; N counts the blocks of each upload from 0 (a book's sequence number).
inline constexpr const char kSimRepeatLateHelp[] =
    "answer block N (counted from 0 in each upload) again, late: when block N+1 arrives, ahead "
    "of its own answer";
inline constexpr const char kSimLoseHelp[] =
    "lose block N as damage on the line would: neither keep nor answer it";
inline constexpr const char kSimMisnameHelp[] =
    "from block N on, name the block after it in each answer (the final block is still "
    "confirmed)";
inline constexpr const char kSimSaveHelp[] = "write each book received to this .vq file";
// What could not be made when the device starts, before the system's reason.
inline constexpr const char kSimNoPseudoTerminal[] = "pseudo-terminal";
inline constexpr const char kSimNoTerminalName[] = "ptsname";
inline constexpr const char kSimNoTerminalLine[] = "pseudo-terminal line";
inline constexpr const char kSimNoWakePipe[] = "pipe";
inline constexpr const char kSimStartFailed[] = "vq7100-sim: %s\n";

}  // namespace res
