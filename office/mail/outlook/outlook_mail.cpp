#include "office/mail/outlook/outlook_mail.h"

#include "office/shared.h"

namespace qn::office {
namespace {

using namespace com;

// Members of the Outlook server's objects; the companion's own numbers
// where its object model differs.
enum : DISPID {
  kAppProbeObject = 276,
  kAppProbeText = 278,  // lacking in the companion's object model
  kAppNamespace = 272,
  kAppCreateItem = 266,
  kNamespaceDefaultFolder = 8459,
  kFolders = 8451,  // of the namespace (the top-level folders) and of a folder
  kFolderParent = 61441,
  kFolderName = 12289,
  kFolderItems = 12544,
  kCollectionItem = 81,  // folders by name, items and attachments by position
  kCollectionCount = 80,
  kItemsSort = 97,
  kItemsSort97 = 205,
  kItemsFirst = 86,
  kItemsNext = 87,
  kItemsFind = 98,
  kItemsFind97 = 203,
  kItemsFindNext = 99,
  kItemsFindNext97 = 204,
  kItemsRestrict = 100,
  kItemsRestrict97 = 202,
  kMailSubject = 55,
  kMailBody = 37120,
  kMailSentOn = 57,
  kMailReceivedTime = 3590,
  kMailSenderName = 3098,
  kMailSenderAddress = 80,
  kMailTo = 3588,
  kMailCc = 3587,
  kMailRecipients = 63508,
  kMailAttachments = 63509,
  kMailUnread = 61468,
  kMailSend = 61557,
  kMailDisplay = 61606,
  kRecipientsAdd = 111,
  kRecipientsResolveAll = 126,
  kRecipientType = 3093,
  kRecipientType97 = 112,
  kRecipientResolve = 113,
  kAttachmentsAdd = 101,
  kAttachmentFileName = 14084,
  kAttachmentSaveAs = 104,
};

constexpr int kInbox = 6;
constexpr const char* kUnreadOnly = "[Unread] = True";

std::string trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') + 1 - first);
}

}  // namespace

template <class I>
typename OutlookMail<I>::Connected OutlookMail<I>::connect(bool open_default) {
  if (application_) {
    try {
      get_object(application_.get(), kAppProbeObject);  // released at once
    } catch (const ServerFailure&) {
      application_.reset();  // gone: made anew below
    }
    if (application_ && !companion_) {
      try {
        invoke(application_.get(), kAppProbeText, DISPATCH_PROPERTYGET, {});
      } catch (const ServerFailure&) {
        if (switch_to_companion()) {
          application_.reset();
          return Connected::kCompanion;
        }
      }
    }
  }
  if (!application_) {
    application_ = create_server("Outlook.Application");
    if (!application_) {
      show_message("Couldn't CreateDispatch on Outlook");
      return Connected::kNo;
    }
    if (open_default) {
      SHORT ignored = 0;
      static_cast<I*>(this)->ChangeFolder(nullptr, 1, 1, &ignored);
    }
  }
  return application_ ? Connected::kYes : Connected::kCompanion;
}

template <class I>
std::optional<MailResult> OutlookMail<I>::start(bool open_default) {
  switch (connect(open_default)) {
    case Connected::kCompanion:
      return std::nullopt;
    case Connected::kNo:
      return MailResult{kMailOutlookNotStarted, {}};
    case Connected::kYes:
      break;
  }
  return MailResult{};
}

template <class I>
bool OutlookMail<I>::change_folder(BSTR FolderName, SHORT NewMessages, SHORT MarkAsRead,
                                   SHORT* nError) {
  const auto started = start(false);
  if (!started) return false;
  const MailResult r = started->code ? *started : open_folder(text_1252_of(FolderName));
  if (r.code == kMailOk) {
    this->new_messages_ = NewMessages;
    this->mark_as_read_ = MarkAsRead;
    this->first_ = true;
    position_ = 1;
  }
  this->finish(r, nError);
  return true;
}

template <class I>
MailResult OutlookMail<I>::open_folder(const std::string& path) {
  const MailResult failed{kMailFolderNotOpened, path};
  try {
    Object ns = call_object(application_.get(), kAppNamespace, {text_variant("MAPI")});
    Object reached = call_object(ns.get(), kNamespaceDefaultFolder, {i4_variant(kInbox)});
    if (!path.empty()) {
      reached = get_object(reached.get(), kFolderParent);
      const std::vector<std::string> parts = split_trimmed(path, '\\');
      size_t i = 0;
      const std::string& first = parts.front();
      if (first == "." || first == "..") {
        if (!folder_) return failed;
        Object parent = get_object(folder_.get(), kFolderParent);
        if (first == ".") {
          Object folders = get_object(parent.get(), kFolders);
          reached = call_object(folders.get(), kCollectionItem,
                                {text_variant(get_text(folder_.get(), kFolderName))});
        } else {
          reached = std::move(parent);
        }
        i = 1;
      } else if (const DefaultFolderName* d = default_folder_named(first)) {
        reached = call_object(ns.get(), kNamespaceDefaultFolder, {i4_variant(d->outlook)});
        i = 1;
      }
      for (; i < parts.size(); ++i) {
        if (parts[i] == "..") {
          reached = get_object(reached.get(), kFolderParent);
        } else if (parts[i].empty()) {
          // The next part names a top-level folder.
          if (++i == parts.size()) return failed;
          Object folders = get_object(ns.get(), kFolders);
          reached = call_object(folders.get(), kCollectionItem, {text_variant(parts[i])});
        } else {
          Object folders = get_object(reached.get(), kFolders);
          reached = call_object(folders.get(), kCollectionItem, {text_variant(parts[i])});
        }
      }
    }
    Object items = get_object(reached.get(), kFolderItems);
    call(items.get(), companion_ ? kItemsSort97 : kItemsSort,
         {text_variant("[ReceivedTime]"), VariantFalse});
    folder_ = std::move(reached);
    items_ = std::move(items);
  } catch (const ServerFailure&) {
    return failed;
  }
  return {};
}

template <class I>
bool OutlookMail<I>::receive(BSTR* From, BSTR* To, BSTR* CC, BSTR* Subject, BSTR* Text,
                             BSTR* Attachs, DATE* DateSent, DATE* DateReceived, SHORT* nError) {
  item_.reset();
  const auto started = start(true);
  if (!started) return false;
  Object item;
  MailResult r = started->code ? *started : next_item(item);
  ReceivedMail mail;
  if (r.code == kMailOk) r = read_item(item.get(), mail);
  if (r.code == kMailOk || r.code == kMailAttachmentNotSaved) {
    item_ = std::move(item);
    mail.hand_out(From, To, CC, Subject, Text, Attachs, DateSent, DateReceived);
  }
  this->finish(r, nError);
  return true;
}

template <class I>
MailResult OutlookMail<I>::next_item(Object& item) {
  // No folder open: the Inbox could not be opened when the server started.
  if (!items_) return {kMailFolderNotOpened, {}};
  try {
    Answer next;
    IDispatch* items = items_.get();
    const bool first = std::exchange(this->first_, false);
    if (this->new_messages_) {
      const DISPID find = companion_ ? kItemsFind97 : kItemsFind;
      const DISPID find_next = companion_ ? kItemsFindNext97 : kItemsFindNext;
      if (first) {
        invoke(items, find, DISPATCH_METHOD, {text_variant(kUnreadOnly)}, &next);
      } else {
        invoke(items, find_next, DISPATCH_METHOD, {}, &next);
      }
    } else if (companion_) {
      if (position_ > get_number(items, kCollectionCount)) return {kMailNoMessages, {}};
      invoke(items, kCollectionItem, DISPATCH_METHOD, {i4_variant(position_++)}, &next);
    } else {
      invoke(items, first ? kItemsFirst : kItemsNext, DISPATCH_METHOD, {}, &next);
    }
    if (next.is_nothing()) return {kMailNoMessages, {}};
    item = next.object();
  } catch (const ServerFailure&) {
    return {kMailReceiveError, {}};
  }
  return {};
}

template <class I>
MailResult OutlookMail<I>::read_item(IDispatch* item, ReceivedMail& mail) {
  MailResult result;
  try {
    mail.subject = get_text(item, kMailSubject);
    mail.text = get_text(item, kMailBody);
    for (auto [id, date] :
         {std::pair{kMailSentOn, &mail.sent}, {kMailReceivedTime, &mail.received}}) {
      try {
        Answer a;
        invoke(item, id, DISPATCH_PROPERTYGET, {}, &a);
        *date = a.date();
      } catch (const ServerFailure&) {
        *date = 0;
      }
    }
    const std::string name = trimmed(get_text(item, kMailSenderName));
    std::string address = trimmed(get_text(item, kMailSenderAddress));
    if (address.empty()) address = name;
    mail.from = write_address(this->address_format_, name, address);
    mail.to = get_text(item, kMailTo);
    mail.cc = get_text(item, kMailCc);

    Object attachments = get_object(item, kMailAttachments);
    const long n = get_number(attachments.get(), kCollectionCount);
    for (long i = 1; i <= n; ++i) {
      Object a;
      std::string file;
      try {
        a = call_object(attachments.get(), kCollectionItem, {i4_variant(i)});
        file = std::string(last_component(get_text(a.get(), kAttachmentFileName)));
      } catch (const ServerFailure&) {
        continue;  // an attachment that cannot be read is left out
      }
      append_entry(mail.attachs, file);
      if (this->attach_dir_.empty()) continue;
      const std::string target = attachment_target(this->attach_dir_, file);
      try {
        if (target.empty()) throw ServerFailure{E_INVALIDARG};
        call(a.get(), kAttachmentSaveAs, {text_variant(target)});
      } catch (const ServerFailure&) {
        result = {kMailAttachmentNotSaved, this->attach_dir_ + file};
      }
    }

    if (this->mark_as_read_) put(item, kMailUnread, VariantFalse);
  } catch (const ServerFailure&) {
    return {kMailReceiveError, {}};
  }
  return result;
}

template <class I>
bool OutlookMail<I>::send(BSTR To, BSTR CC, BSTR BCC, BSTR Subject, BSTR Text, BSTR Attachs,
                          SHORT* nError) {
  const auto started = start(true);
  if (!started) return false;
  this->finish(started->code ? *started
                             : compose(text_1252_of(To), text_1252_of(CC), text_1252_of(BCC),
                                       text_1252_of(Subject), text_1252_of(Text),
                                       text_1252_of(Attachs)),
               nError);
  return true;
}

template <class I>
MailResult OutlookMail<I>::compose(const std::string& to, const std::string& cc,
                                   const std::string& bcc, const std::string& subject,
                                   const std::string& text, const std::string& attachs) {
  const std::vector<std::string> lists[] = {mail_list_entries(to), mail_list_entries(cc),
                                            mail_list_entries(bcc)};
  if (lists[0].empty()) return {kMailNoRecipient, {}};
  MailResult result;
  try {
    Object item = call_object(application_.get(), kAppCreateItem, {i4_variant(0)});
    Object recipients = get_object(item.get(), kMailRecipients);
    for (int type = 1; type <= 3; ++type) {
      for (const std::string& entry : lists[type - 1]) {
        try {
          Object r = call_object(recipients.get(), kRecipientsAdd, {text_variant(entry)});
          put(r.get(), companion_ ? kRecipientType97 : kRecipientType, i4_variant(type));
          Answer resolved;
          invoke(r.get(), kRecipientResolve, DISPATCH_METHOD, {}, &resolved);
          // Not resolved: reported, and the message is shown instead of sent.
          if (!resolved.truth()) result = {kMailInvalidRecipient, entry};
        } catch (const ServerFailure&) {
          return {kMailInvalidRecipient, entry};
        }
      }
    }

    Object attachments;
    for (const std::string& entry : mail_list_entries(attachs)) {
      const std::string path = attachment_source(entry, this->attach_dir_);
      try {
        if (!attachments) attachments = get_object(item.get(), kMailAttachments);
        call(attachments.get(), kAttachmentsAdd,
             concat({{text_variant(path)}, missing_args(3)}));
      } catch (const ServerFailure&) {
        return {kMailInvalidAttachment, path};
      }
    }

    put(item.get(), kMailSubject, text_variant(subject));
    put(item.get(), kMailBody, text_variant(text));
    bool show = this->edit_window_ != 0;
    if (!show) {
      Answer all;
      invoke(recipients.get(), kRecipientsResolveAll, DISPATCH_METHOD, {}, &all);
      show = !all.truth();
    }
    if (show) {
      call(item.get(), kMailDisplay, {VariantFalse});
    } else {
      call(item.get(), kMailSend);
    }
  } catch (const ServerFailure&) {
    return {kMailSendFailed, {}};
  }
  return result;
}

template <class I>
bool OutlookMail<I>::count(LONG* value) {
  const auto started = start(true);
  if (!started) return false;
  long n = 0;
  MailResult r = *started;
  if (r.code == kMailOk && !items_) r = {kMailFolderNotOpened, {}};
  if (r.code == kMailOk) {
    try {
      if (this->new_messages_) {
        Object unread = call_object(items_.get(), companion_ ? kItemsRestrict97 : kItemsRestrict,
                                    {text_variant(kUnreadOnly)});
        n = get_number(unread.get(), kCollectionCount);
      } else {
        n = get_number(items_.get(), kCollectionCount);
      }
    } catch (const ServerFailure&) {
      r = {kMailReceiveError, {}};
    }
  }
  if (value) *value = static_cast<LONG>(n);
  this->finish(r, nullptr);
  return true;
}

template class OutlookMail<IQnOutlook>;
template class OutlookMail<IQnOutlook97>;

}  // namespace qn::office
