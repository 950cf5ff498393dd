#include "office/mail/mapi/qn_mapi.h"

#include "office/shared.h"
#include "platform/cp1252.h"

namespace qn::office {
namespace {

using namespace com;

// Members of the session server's objects.
enum : DISPID {
  kSessionLogon = 119,
  kSessionLogoff = 118,
  kSessionOutbox = 16,
  kSessionDefaultFolder = 153,  // 1 Inbox, 2 Outbox, 3 Sent Items, 4 Deleted Items
  kSessionInfoStores = 57,
  kSessionDeliverNow = 108,
  kSessionInfoStore = 122,  // by the value of a folder's kFolderStoreId
  kItem = 21,               // of any collection: by position from 1 (information stores: by name)
  kCount = 9,
  kParent = 25,
  kName = 23,  // of folders, recipients, attachments and address entries
  kStoreRootFolder = 59,
  kFolderMessages = 22,
  kFolderFolders = 13,
  kFolderStoreId = 52,
  kMessagesAdd = 100,
  kMessagesFirst = 109,
  kMessagesNext = 111,
  kMessagesFilter = 61,
  kMessagesOpened = 134,
  kUnread = 42,  // of a filter and of a message
  kMessageSubject = 38,
  kMessageText = 39,
  kMessageTimeSent = 41,
  kMessageTimeReceived = 40,
  kMessageSender = 32,
  kMessageRecipients = 28,
  kMessageAttachments = 5,
  kMessageUpdate = 132,
  kMessageSend = 131,
  kRecipientsAdd = 100,
  kRecipientType = 17,
  kRecipientResolve = 130,
  kRecipientEntry = 53,
  kEntryType = 17,
  kEntryAddress = 2,
  kEntryFields = 12,
  kFieldValue = 43,
  kAttachmentsAdd = 100,
  kAttachmentSource = 37,
  kAttachmentRead = 127,
  kAttachmentWrite = 133,
  kAttachmentPosition = 26,
};

constexpr LONG kSmtpAddressTag = 0x39FE001E;
constexpr int kInbox = 1;

}  // namespace

CQnMAPI::CQnMAPI(IUnknown* outer)
    : AutomationMailBackend(outer, IID_IQnMAPI, /*max_display=*/2, /*max_edit=*/2) {}

CQnMAPI::~CQnMAPI() {
  display_messages_ = 0;
  Logout(nullptr);
}

void CQnMAPI::drop_session() {
  messages_.reset();
  folder_.reset();
  top_level_ = false;
  session_.reset();
}

HRESULT CQnMAPI::LoginMAPI(BSTR Profile, SHORT NewMessages, SHORT MarkAsRead, SHORT* nError) {
  auto in = cwd_.enter();
  if (session_) return finish(kMailAlreadyLoggedIn, {}, nError);
  Object session = create_server("MAPI.Session");
  if (!session) {
    // Shown whatever DisplayMessages says; the login reports its failure too.
    show_message("Couldn't CreateDispatch on MAPI");
    return finish(kMailLoginFailed, {}, nError);
  }
  try {
    std::vector<VARIANT> args = missing_args(7);
    args[0] = text_variant(text_1252_of(Profile));
    call(session.get(), kSessionLogon, std::move(args));
  } catch (const ServerFailure&) {
    return finish(kMailLoginFailed, {}, nError);
  }
  session_ = std::move(session);
  return finish(change_folder({}, NewMessages, MarkAsRead), nError);
}

HRESULT CQnMAPI::Logout(SHORT* nError) {
  auto in = cwd_.enter();
  if (!session_) return finish(kMailNotLoggedIn, {}, nError);
  messages_.reset();
  folder_.reset();
  try {
    call(session_.get(), kSessionLogoff);
  } catch (const ServerFailure&) {
    // The session is released all the same.
  }
  drop_session();
  return finish(kMailOk, {}, nError);
}

HRESULT CQnMAPI::ChangeFolder(BSTR FolderName, SHORT NewMessages, SHORT MarkAsRead,
                              SHORT* nError) {
  auto in = cwd_.enter();
  return finish(change_folder(text_1252_of(FolderName), NewMessages, MarkAsRead), nError);
}

MailResult CQnMAPI::change_folder(const std::string& path, short new_messages,
                                  short mark_as_read) {
  if (!session_) return {kMailNotLoggedIn, {}};
  const MailResult failed{kMailFolderNotOpened, path};
  Object reached;  // empty at the level of the information stores
  bool top = false;
  try {
    reached = call_object(session_.get(), kSessionDefaultFolder, {i4_variant(kInbox)});
    const std::vector<std::string> parts = split_trimmed(path, '\\');
    size_t i = 0;
    if (!parts.empty()) {
      const std::string& first = parts.front();
      if (first == ".") {
        if (!top_level_ && !folder_) return failed;
        top = top_level_;
        reached.reset(folder_.copy());
        i = 1;
      } else if (first == "..") {
        if (top_level_ || !folder_) return failed;
        reached = parent_of(folder_.get());
        top = !reached;
        i = 1;
      } else if (const DefaultFolderName* d = default_folder_named(first); d && d->mapi) {
        reached = call_object(session_.get(), kSessionDefaultFolder, {i4_variant(d->mapi)});
        i = 1;
      }
    }
    for (; i < parts.size(); ++i) {
      const std::string& part = parts[i];
      if (part == "..") {
        if (top) return failed;
        reached = parent_of(reached.get());
        top = !reached;
      } else if (part.empty()) {
        reached.reset();
        top = true;
      } else if (top) {
        Object stores = get_object(session_.get(), kSessionInfoStores);
        Object store = get_object(stores.get(), kItem, {text_variant(part)});
        reached = get_object(store.get(), kStoreRootFolder);
        top = false;
      } else {
        Object folders = get_object(reached.get(), kFolderFolders);
        const long count = get_number(folders.get(), kCount);
        Object found;
        for (long k = 1; k <= count && !found; ++k) {
          Object f = get_object(folders.get(), kItem, {i4_variant(k)});
          if (get_text(f.get(), kName) == part) found = std::move(f);
        }
        if (!found) return failed;
        reached = std::move(found);
      }
    }
    Object messages;
    if (!top) {
      messages = get_object(reached.get(), kFolderMessages);
      if (new_messages) {
        Object filter = get_object(messages.get(), kMessagesFilter);
        put(filter.get(), kUnread, i2_variant(new_messages));
      }
      call(messages.get(), kMessagesOpened, missing_args(2));
    }
    folder_ = std::move(reached);
    messages_ = std::move(messages);
    top_level_ = top;
  } catch (const ServerFailure&) {
    return failed;
  }
  new_messages_ = new_messages;
  mark_as_read_ = mark_as_read;
  first_ = true;
  return {};
}

Object CQnMAPI::parent_of(IDispatch* f) {
  Object parent = get_object(f, kParent);
  if (knows_name(parent.get(), "version")) {
    // The session: the root folder of the folder's own information store.
    Answer id;
    invoke(f, kFolderStoreId, DISPATCH_PROPERTYGET, {}, &id);
    Object store = call_object(session_.get(), kSessionInfoStore, {id.take()});
    return get_object(store.get(), kStoreRootFolder);
  }
  if (knows_name(parent.get(), "count")) return get_object(parent.get(), kParent);
  if (knows_name(parent.get(), "providername")) return {};
  f->AddRef();
  return Object(f);  // an object of no known kind: the walk stays where it is
}

std::string CQnMAPI::entry_text(IDispatch* entry) {
  const std::string name = get_text(entry, kName);
  std::string address;
  if (platform::upper_1252(get_text(entry, kEntryType)) == "SMTP") {
    address = get_text(entry, kEntryAddress);
  } else {
    Object fields = get_object(entry, kEntryFields);
    Object field = get_object(fields.get(), kItem, {i4_variant(kSmtpAddressTag)});
    address = get_text(field.get(), kFieldValue);
  }
  return write_address(address_format_, name, address);
}

HRESULT CQnMAPI::Receive(BSTR* From, BSTR* To, BSTR* CC, BSTR* Subject, BSTR* Text, BSTR* Attachs,
                         DATE* DateSent, DATE* DateReceived, SHORT* nError) {
  auto in = cwd_.enter();
  if (!session_) return finish(kMailNotLoggedIn, {}, nError);
  if (top_level_ || !messages_) return finish(kMailNoMessages, {}, nError);
  MailResult result;
  ReceivedMail mail;
  try {
    Answer next;
    if (first_ || (new_messages_ && mark_as_read_)) {
      invoke(messages_.get(), kMessagesFirst, DISPATCH_METHOD, {text_variant("IPM.Note")}, &next);
      first_ = false;
    } else {
      invoke(messages_.get(), kMessagesNext, DISPATCH_METHOD, {}, &next);
    }
    if (next.is_nothing()) return finish(kMailNoMessages, {}, nError);
    Object m = next.object();

    mail.subject = get_text(m.get(), kMessageSubject);
    mail.text = get_text(m.get(), kMessageText);
    for (auto [id, date] :
         {std::pair{kMessageTimeSent, &mail.sent}, {kMessageTimeReceived, &mail.received}}) {
      try {
        Answer a;
        invoke(m.get(), id, DISPATCH_PROPERTYGET, {}, &a);
        *date = a.date();
      } catch (const ServerFailure&) {
        *date = 0;
      }
    }
    mail.from = entry_text(get_object(m.get(), kMessageSender).get());

    Object recipients = get_object(m.get(), kMessageRecipients);
    const long recipient_count = get_number(recipients.get(), kCount);
    for (long i = 1; i <= recipient_count; ++i) {
      Object r = get_object(recipients.get(), kItem, {i4_variant(i)});
      const long type = get_number(r.get(), kRecipientType);
      if (type == 1 || type == 2) {
        append_entry(type == 1 ? mail.to : mail.cc, entry_text(get_object(r.get(), kRecipientEntry).get()));
      }
    }

    Object attachments = get_object(m.get(), kMessageAttachments);
    const long attachment_count = get_number(attachments.get(), kCount);
    for (long i = 1; i <= attachment_count; ++i) {
      Object a = get_object(attachments.get(), kItem, {i4_variant(i)});
      const std::string name = get_text(a.get(), kName);
      if (!attach_dir_.empty()) {
        const std::string source = get_text(a.get(), kAttachmentSource);
        const std::string_view file = last_component(source.empty() ? name : source);
        const std::string target = attachment_target(attach_dir_, file);
        try {
          if (target.empty()) throw ServerFailure{E_INVALIDARG};
          call(a.get(), kAttachmentWrite, {text_variant(target)});
        } catch (const ServerFailure&) {
          result = {kMailAttachmentNotSaved, attach_dir_ + std::string(file)};
        }
      }
      append_entry(mail.attachs, last_component(name));
    }

    if (mark_as_read_) {
      put(m.get(), kUnread, VariantFalse);
      call(m.get(), kMessageUpdate, missing_args(2));
    }
  } catch (const ServerFailure&) {
    return finish(kMailReceiveError, {}, nError);
  }
  mail.hand_out(From, To, CC, Subject, Text, Attachs, DateSent, DateReceived);
  return finish(result, nError);
}

HRESULT CQnMAPI::Send(BSTR To, BSTR CC, BSTR BCC, BSTR Subject, BSTR Text, BSTR Attachs,
                      SHORT* nError) {
  auto in = cwd_.enter();
  if (!session_) return finish(kMailNotLoggedIn, {}, nError);
  const std::vector<std::string> to = mail_list_entries(text_1252_of(To));
  if (to.empty()) return finish(kMailNoRecipient, {}, nError);
  Object outbox;
  try {
    outbox = get_object(session_.get(), kSessionOutbox);
  } catch (const ServerFailure&) {
    return finish(kMailNotLoggedIn, {}, nError);
  }
  try {
    Object messages = get_object(outbox.get(), kFolderMessages);
    std::vector<VARIANT> args = missing_args(4);
    args[0] = text_variant(text_1252_of(Subject));
    args[1] = text_variant(text_1252_of(Text));
    Object m = call_object(messages.get(), kMessagesAdd, std::move(args));

    Object recipients = get_object(m.get(), kMessageRecipients);
    const std::vector<std::string> lists[] = {to, mail_list_entries(text_1252_of(CC)),
                                              mail_list_entries(text_1252_of(BCC))};
    for (int type = 1; type <= 3; ++type) {
      for (const std::string& entry : lists[type - 1]) {
        try {
          Object r = call_object(recipients.get(), kRecipientsAdd, missing_args(4));
          put(r.get(), kName, text_variant(entry));
          put(r.get(), kRecipientType, i4_variant(type));
          call(r.get(), kRecipientResolve, missing_args(1));
        } catch (const ServerFailure&) {
          return finish(kMailInvalidRecipient, entry, nError);
        }
      }
    }

    Object attachments;
    for (const std::string& entry : mail_list_entries(text_1252_of(Attachs))) {
      const std::string path = attachment_source(entry, attach_dir_);
      try {
        if (!attachments) attachments = get_object(m.get(), kMessageAttachments);
        Object a = call_object(attachments.get(), kAttachmentsAdd, missing_args(4));
        put(a.get(), kAttachmentSource, text_variant(path));
        call(a.get(), kAttachmentRead, {text_variant(path)});
        put(a.get(), kName, text_variant(last_component(path)));
        put(a.get(), kAttachmentPosition, i4_variant(0));
      } catch (const ServerFailure&) {
        return finish(kMailInvalidAttachment, path, nError);
      }
    }

    call(m.get(), kMessageUpdate, missing_args(2));
    call(m.get(), kMessageSend, {VariantMissing, flag_variant(edit_window_ != 0)});
    call(session_.get(), kSessionDeliverNow);
  } catch (const ServerFailure&) {
    return finish(kMailSendFailed, {}, nError);
  }
  return finish(kMailOk, {}, nError);
}

HRESULT CQnMAPI::get_Count(LONG* value) {
  auto in = cwd_.enter();
  long count = 0;
  MailResult r;
  if (!session_) {
    r = {kMailNotLoggedIn, {}};
  } else if (!top_level_ && messages_) {
    try {
      count = get_number(messages_.get(), kCount);
    } catch (const ServerFailure&) {
      r = {kMailReceiveError, {}};
    }
  }
  if (value) *value = static_cast<LONG>(count);
  return finish(r, nullptr);
}

}  // namespace qn::office
