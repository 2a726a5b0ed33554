// Texts of the Uploading Progress dialog and of the form's device commands around it.
#pragma once

#include "res/translate.h"

namespace res {

inline constexpr const char kUploadProgressCaption[] = ZELKOR_TEXT("Uploading Progress");
inline constexpr const char kUploadCancel[] = ZELKOR_TEXT("Cancel");
// Under the bar: the share the device has acknowledged and the time the rest should take.
inline constexpr const char kUploadPercent[] = "%d%%";
inline constexpr const char kUploadSecondsLeft[] = ZELKOR_TEXT("About %d s left");
inline constexpr const char kUploadMinutesLeft[] = ZELKOR_TEXT("About %d min %d s left");
// The last block went but the device never said it arrived.
inline constexpr const char kUploadNotConfirmed[] = ZELKOR_TEXT(
    "The device did not confirm that it received the whole upload. Please send it again.");
// The device's answer named another block than the one sent, so nothing more was sent.
inline constexpr const char kUploadOtherBlock[] = ZELKOR_TEXT(
    "The device answered for another block than the one sent, so the upload was stopped there. "
    "The device may not have all of it: please send it again.");
// Shown in the dialog while the device has said nothing for a while; Cancel stays available.
inline constexpr const char kUploadSilent[] = ZELKOR_TEXT(
    "The device has not answered. Check the cable and that the generator is switched on, or "
    "press Cancel.");
inline constexpr const char kAccUploadProgress[] = ZELKOR_TEXT("Upload progress");
// The status bar after the device confirmed the end of an upload.
inline constexpr const char kUploadDoneBook[] =
    ZELKOR_TEXT("Upload finished: the device confirmed the book.");
inline constexpr const char kUploadDoneProgram[] =
    ZELKOR_TEXT("Upload finished: the device confirmed program %d.");
// The status bar after an upload that the device did not confirm.
inline constexpr const char kUploadStatusCancelled[] =
    ZELKOR_TEXT("Upload cancelled: the device may hold only part of it.");
inline constexpr const char kUploadStatusLineLost[] =
    ZELKOR_TEXT("Upload stopped: the connection to the device was lost.");
inline constexpr const char kUploadStatusUnconfirmed[] =
    ZELKOR_TEXT("Upload not confirmed by the device: send it again.");
inline constexpr const char kUploadStatusOtherBlock[] =
    ZELKOR_TEXT("Upload stopped: the device answered for another block.");
// Test Connection, Load Device and Upload Current Program without a port.
inline constexpr const char kMsgNoPortSelected[] = ZELKOR_TEXT(
    "No port is selected. Choose the generator's port with Tools > Select Comm Port, then try "
    "again.");

}  // namespace res
