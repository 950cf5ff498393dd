#include "office/mail/automation_backend.h"

namespace qn::office {

const DefaultFolderName kDefaultFolderNames[5] = {
    {"*Inbox", 1, 6},
    {"*Outbox", 2, 4},
    {"*Sent Items", 3, 5},
    {"*Deleted Items", 4, 3},
    {"*Drafts", 0, 16},
};

const DefaultFolderName* default_folder_named(std::string_view part) {
  for (const DefaultFolderName& f : kDefaultFolderNames) {
    if (f.name == part) return &f;
  }
  return nullptr;
}

void ReceivedMail::hand_out(com::BSTR* From, com::BSTR* To, com::BSTR* CC, com::BSTR* Subject,
                            com::BSTR* Text, com::BSTR* Attachs, com::DATE* DateSent,
                            com::DATE* DateReceived) const {
  auto out = [](com::BSTR* slot, const std::string& value) {
    if (slot) *slot = com::bstr_from_1252(value);
  };
  out(From, from);
  out(To, to);
  out(CC, cc);
  out(Subject, subject);
  out(Text, text);
  out(Attachs, attachs);
  if (DateSent) *DateSent = sent;
  if (DateReceived) *DateReceived = received;
}

}  // namespace qn::office
