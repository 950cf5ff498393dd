// The mail store behind the scripted "MAPI.Session" and "Outlook.Application"
// servers: information stores with their folder trees, the default folders,
// messages with sender, recipients, times, unread flags and attachments, an
// address book, and the faults a test asks for. One store serves both
// servers, so a message sent through one is read through the other.
//
// Sending puts a message into the Outbox; delivery moves it to Sent Items
// and puts a copy into the Inbox when one of its recipients is the store's
// user. Attachments are read from real files when a message is sent and
// written to real files when a program saves them.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qn::office_servers {

struct MailAddress {
  std::string name;
  std::string type = "SMTP";  // address type: "SMTP", or "EX" for an exchange entry
  std::string address;
  std::string smtp;  // the SMTP address field of an entry whose type is not SMTP
};

struct MailAttachment {
  std::string name;
  std::string source;  // the path it was read from
  std::shared_ptr<const std::string> bytes;
};

struct MailRecipient {
  std::string name;  // as added, or the resolved entry's name
  int type = 1;      // 1 To, 2 CC, 3 BCC
  std::optional<MailAddress> entry;  // once resolved
};

struct MailMessage {
  std::string message_class = "IPM.Note";
  std::string subject, body, categories;
  double sent = 0, received = 0;  // automation dates
  MailAddress sender;
  std::vector<MailRecipient> recipients;
  std::vector<MailAttachment> attachments;
  bool unread = true;
  bool submitted = false;  // sent and waiting in the Outbox
  bool shown = false;      // displayed to the user instead of sent

  // The display text of the recipients of one type, as Outlook gives it.
  std::string display_to(int type) const;
};

struct InfoStore;

struct MailFolder {
  std::string name;
  MailFolder* parent = nullptr;  // null for a store's root folder
  InfoStore* store = nullptr;
  std::vector<std::unique_ptr<MailFolder>> folders;
  std::vector<std::shared_ptr<MailMessage>> messages;

  MailFolder& add(std::string folder_name);
  MailFolder* find(std::string_view folder_name);  // exact, case-sensitive
  MailMessage& add_message(MailMessage m);
};

struct InfoStore {
  std::string name;
  std::string id;  // what a folder's store member answers
  MailFolder root;
};

// What the MAPI folder's parent member answers for a folder: its folder
// collection, its information store, the session, or an object that is none
// of these.
enum class ParentKind { kCollection, kStore, kSession, kOther };

struct MailFaults {
  bool refuse_logon = false;
  std::string missing_folder;         // a folder whose every lookup fails
  std::string unresolvable;           // a recipient name that does not resolve
  std::string unreadable_attachment;  // a file name that cannot be read or written
  std::string change_directory;       // a directory every server call moves to
};

class MailStore {
 public:
  // The standard store: "Mailbox - Quenora User" with the default folders
  // (Inbox with Projects\2026, Outbox, Sent Items with Archived, Deleted
  // Items, Drafts, and the two folders "Case" and "case"), and "Archive"
  // with Old\Older. The user is Quenora User <user@quenora.test>; the
  // address book holds the user, Bob Jones (SMTP) and Ann Smith (an exchange
  // entry whose SMTP address is ann@quenora.test).
  MailStore();

  std::vector<std::unique_ptr<InfoStore>> stores;
  MailAddress user;
  std::vector<MailAddress> address_book;
  MailFaults faults;
  // How the MAPI parent member answers, by folder name (kCollection for
  // folders not named here, kStore for root folders).
  std::vector<std::pair<std::string, ParentKind>> parent_kinds;

  InfoStore* store_named(std::string_view name);
  InfoStore* store_with_id(std::string_view id);
  MailFolder* mapi_default(int number);     // 1 Inbox, 2 Outbox, 3 Sent Items, 4 Deleted Items
  MailFolder* outlook_default(int number);  // 6, 4, 5, 3 and 16 (Drafts)
  MailFolder* folder_at(std::string_view path);  // "Inbox\Projects" under the first store
  ParentKind parent_kind(const MailFolder& f) const;
  bool missing(const MailFolder& f) const { return !faults.missing_folder.empty() && f.name == faults.missing_folder; }

  // An address book entry by name or address (ignoring case), or a one-off
  // SMTP entry for a name holding '@'; nothing for the unresolvable name.
  std::optional<MailAddress> resolve(std::string_view name) const;
  // Reads a file as an attachment; nothing when it cannot be read.
  std::optional<MailAttachment> read_attachment(std::string_view path, std::string_view name) const;
  bool write_attachment(const MailAttachment& a, std::string_view path) const;
  // Moves every submitted message of the Outbox to Sent Items and delivers
  // a copy to the Inbox when a recipient is the user.
  void deliver_now();
  // The next time stamp: one minute later than the last.
  double now();
  // Runs the change of directory a fault asks for.
  void on_call() const;

 private:
  double clock_ = 46000.5;  // 9 December 2025, noon
};

}  // namespace qn::office_servers
