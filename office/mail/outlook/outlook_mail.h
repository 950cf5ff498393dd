// What QnOutlook and its companion QnOutlook97 share: connecting to the
// server "Outlook.Application" late-bound, and sending, reading and counting
// the messages of a folder. The two object models differ in a few members
// (the companion sorts, finds and restricts through other DISPIDs, sets a
// recipient's type through another, and reads all messages by position),
// chosen here by the companion flag.
//
// Folder paths use '\'. A non-empty path starts at the Inbox's parent; its
// first part may be "." (the current folder), ".." (its parent) or a default
// folder name ("*Inbox", "*Outbox", "*Sent Items", "*Deleted Items",
// "*Drafts"); every part may be ".." (the parent), empty (the next part
// names a top-level folder) or a subfolder's name. The current directory is
// put back after every member, since the server may change it.
#pragma once

#include <optional>

#include "office/mail/automation_backend.h"
#include "office/mail/server_calls.h"

namespace qn::office {

template <class I>
class OutlookMail : public AutomationMailBackend<I> {
 protected:
  // companion: the object model without the probed member.
  OutlookMail(com::IUnknown* outer, const com::IID& iid, bool companion)
      : AutomationMailBackend<I>(outer, iid, /*max_display=*/1, /*max_edit=*/1),
        companion_(companion) {}

  enum class Connected { kYes, kNo, kCompanion };
  // Makes sure the server is there; with open_default a new one first opens
  // the Inbox (through the class's own ChangeFolder) for its unread
  // messages, each marked as read when received. kCompanion: the server
  // lacks the probed member and the companion serves from now on (only
  // QnOutlook gets there).
  Connected connect(bool open_default);
  // QnOutlook's answer to a server without the probed member: true when the
  // companion takes over.
  virtual bool switch_to_companion() { return false; }
  // Connects for a member: its outcome so far (0, or 4 when the server
  // cannot be made), or nothing when the companion serves the member.
  std::optional<MailResult> start(bool open_default);

  // The members' work. Each returns false, having done nothing, when the
  // companion takes over at the connect.
  bool change_folder(com::BSTR FolderName, com::SHORT NewMessages, com::SHORT MarkAsRead,
                     com::SHORT* nError);
  bool receive(com::BSTR* From, com::BSTR* To, com::BSTR* CC, com::BSTR* Subject, com::BSTR* Text,
               com::BSTR* Attachs, com::DATE* DateSent, com::DATE* DateReceived,
               com::SHORT* nError);
  bool send(com::BSTR To, com::BSTR CC, com::BSTR BCC, com::BSTR Subject, com::BSTR Text,
            com::BSTR Attachs, com::SHORT* nError);
  bool count(com::LONG* value);

  Object application_;
  Object folder_;  // the folder opened last
  Object items_;   // its items, sorted by the time received
  Object item_;    // the message received last
  long position_ = 1;  // the next one when the companion reads all messages

 private:
  MailResult open_folder(const std::string& path);
  MailResult next_item(Object& item);
  MailResult read_item(com::IDispatch* item, ReceivedMail& mail);
  MailResult compose(const std::string& to, const std::string& cc, const std::string& bcc,
                     const std::string& subject, const std::string& text,
                     const std::string& attachs);

  const bool companion_;
};

extern template class OutlookMail<IQnOutlook>;
extern template class OutlookMail<IQnOutlook97>;

}  // namespace qn::office
