// Texts of the Uploading Progress dialog and of the form's device commands around it.
#pragma once

namespace res {

inline constexpr const char kUploadProgressCaption[] = "Uploading Progress";
inline constexpr const char kUploadCancel[] = "Cancel";
// Under the bar: the share the device has acknowledged and the time the rest should take.
inline constexpr const char kUploadPercent[] = "%d%%";
inline constexpr const char kUploadSecondsLeft[] = "About %d s left";
inline constexpr const char kUploadMinutesLeft[] = "About %d min %d s left";
// The last block went but the device never said it arrived.
inline constexpr const char kUploadNotConfirmed[] =
    "The device did not confirm that it received the whole upload. Please send it again.";
// The device's answer named another block than the one sent, so nothing more was sent.
inline constexpr const char kUploadOtherBlock[] =
    "The device answered for another block than the one sent, so the upload was stopped there. "
    "The device may not have all of it: please send it again.";
// Shown in the dialog while the device has said nothing for a while; Cancel stays available.
inline constexpr const char kUploadSilent[] =
    "The device has not answered. Check the cable and that the generator is switched on, or "
    "press Cancel.";
inline constexpr const char kAccUploadProgress[] = "Upload progress";
// The status bar after the device confirmed the end of an upload.
inline constexpr const char kUploadDoneBook[] = "Upload finished: the device confirmed the book.";
inline constexpr const char kUploadDoneProgram[] =
    "Upload finished: the device confirmed program %d.";
// The status bar after an upload that the device did not confirm.
inline constexpr const char kUploadStatusCancelled[] =
    "Upload cancelled: the device may hold only part of it.";
inline constexpr const char kUploadStatusLineLost[] =
    "Upload stopped: the connection to the device was lost.";
inline constexpr const char kUploadStatusUnconfirmed[] =
    "Upload not confirmed by the device: send it again.";
inline constexpr const char kUploadStatusOtherBlock[] =
    "Upload stopped: the device answered for another block.";
// Test Connection, Load Device and Upload Current Program without a port.
inline constexpr const char kMsgNoPortSelected[] =
    "No port is selected. Choose the generator's port with Tools > Select Comm Port, then try "
    "again.";

}  // namespace res
