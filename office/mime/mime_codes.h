// Mail error codes that the coders and the message parser report. They are
// values of the module's one numbering of mail errors.
#pragma once

namespace qn::office {

inline constexpr int kMimeOk = 0;
// "Could not save attachment: %s", filled with the file name.
inline constexpr int kMimeAttachmentNotSaved = 16;

}  // namespace qn::office
