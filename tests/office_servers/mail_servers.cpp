#include "tests/office_servers/mail_servers.h"

#include <algorithm>
#include <filesystem>

#include "platform/path.h"

// Every scripted member is a lambda of the one member signature (object,
// arguments, result), and members that make objects define their members
// inside: the inner parameters take the same names on purpose.
#pragma GCC diagnostic ignored "-Wshadow"

namespace qn::office_servers {

using namespace com;

namespace {

using Args = std::span<VARIANT>;
using Handler = ScriptedObject::Handler;

constexpr HRESULT kNotFound = hr(0x8004010F);     // the object asked for does not exist
constexpr HRESULT kLogonFailed = hr(0x80040111);  // the profile refused the logon
constexpr HRESULT kNoSession = hr(0x80040605);    // a call before the logon
constexpr WORD kGet = DISPATCH_PROPERTYGET;
constexpr WORD kPut = DISPATCH_PROPERTYPUT;
constexpr WORD kCall = DISPATCH_METHOD;

struct State {
  std::unique_ptr<MailStore> store = std::make_unique<MailStore>();
  bool newer = true;
};

State& state() {
  static State* s = new State;  // lives as long as the module
  return *s;
}

MailStore& store() { return *state().store; }

// A reference a handler keeps to another object (copyable, as handlers are).
class Held {
 public:
  explicit Held(ScriptedObject* o) : o_(o) { o_->AddRef(); }
  Held(const Held& other) : o_(other.o_) { o_->AddRef(); }
  Held& operator=(const Held&) = delete;
  ~Held() { o_->Release(); }
  ScriptedObject* get() const { return o_; }

 private:
  ScriptedObject* o_;
};

// Every member of the mail servers: the store's change of directory, when a
// test asks for it, runs first.
void member(ScriptedObject* o, DISPID id, WORD kinds, Handler h) {
  o->on(id, kinds, [h = std::move(h)](ScriptedObject& self, Args args, VARIANT* r) {
    store().on_call();
    return h(self, args, r);
  });
}

HRESULT give_text(VARIANT* r, std::string_view text) {
  *r = text_variant(text);
  return S_OK;
}
HRESULT give_long(VARIANT* r, size_t n) {
  *r = i4_variant(static_cast<LONG>(n));
  return S_OK;
}
HRESULT give_date(VARIANT* r, double d) {
  r->vt = VT_DATE;
  r->date = d;
  return S_OK;
}
HRESULT give_bool(VARIANT* r, bool b) {
  r->vt = VT_BOOL;
  r->boolVal = b ? VARIANT_TRUE : VARIANT_FALSE;
  return S_OK;
}
HRESULT give_object(VARIANT* r, const Ref<ScriptedObject>& o) {
  return_object(r, o.get());
  return S_OK;
}
// What a collection answers when it has nothing more: a null object.
HRESULT give_nothing(VARIANT* r) {
  r->vt = VT_DISPATCH;
  r->pdispVal = nullptr;
  return S_OK;
}

// A text member read and written through field.
void text_member(ScriptedObject* o, DISPID id, std::function<std::string&()> field) {
  member(o, id, kGet, [field](ScriptedObject&, Args, VARIANT* r) { return give_text(r, field()); });
  member(o, id, kPut, [field](ScriptedObject&, Args args, VARIANT*) {
    if (args.size() != 1 || !arg_text(args[0], &field())) return DISP_E_TYPEMISMATCH;
    return S_OK;
  });
}

// The one argument of a call as a number or a text.
bool one_long(Args args, LONG* n) { return args.size() >= 1 && arg_long(args[0], n); }
bool one_text(Args args, std::string* t) { return args.size() >= 1 && arg_text(args[0], t); }

void keep_in(MailFolder* folder, const std::shared_ptr<MailMessage>& m) {
  if (!folder) return;
  auto& list = folder->messages;
  if (std::find(list.begin(), list.end(), m) == list.end()) list.push_back(m);
}

bool usable(const MailFolder* f) { return f && !store().missing(*f); }

std::string file_name_of(const std::string& path) {
  return std::filesystem::path(platform::map_path(path)).filename().string();
}

// ---- the MAPI session's objects

Ref<ScriptedObject> mapi_folder(ScriptedServer& s, const Held& session, MailFolder* f);

Ref<ScriptedObject> mapi_entry(ScriptedServer& s, const MailAddress& a) {
  auto o = ScriptedObject::make(s, "entry", "entry:" + a.name);
  member(o.get(), 23, kGet, [a](ScriptedObject&, Args, VARIANT* r) { return give_text(r, a.name); });
  member(o.get(), 17, kGet, [a](ScriptedObject&, Args, VARIANT* r) { return give_text(r, a.type); });
  member(o.get(), 2, kGet, [a](ScriptedObject&, Args, VARIANT* r) { return give_text(r, a.address); });
  member(o.get(), 12, kGet, [a](ScriptedObject& self, Args, VARIANT* r) {
    auto fields = ScriptedObject::make(self.server(), "fields", "fields:" + a.name);
    member(fields.get(), 21, kGet, [a](ScriptedObject& self, Args args, VARIANT* r) {
      LONG tag = 0;
      if (!one_long(args, &tag)) return DISP_E_TYPEMISMATCH;
      if (tag != 0x39FE001E || a.smtp.empty()) return kNotFound;
      auto field = ScriptedObject::make(self.server(), "field", "field:" + a.name);
      member(field.get(), 43, kGet,
             [a](ScriptedObject&, Args, VARIANT* r) { return give_text(r, a.smtp); });
      return give_object(r, field);
    });
    return give_object(r, fields);
  });
  return o;
}

Ref<ScriptedObject> mapi_recipient(ScriptedServer& s, std::shared_ptr<MailMessage> m, size_t i) {
  auto o = ScriptedObject::make(s, "recipient", "recipient" + std::to_string(i + 1));
  text_member(o.get(), 23, [m, i]() -> std::string& { return m->recipients.at(i).name; });
  member(o.get(), 17, kGet,
         [m, i](ScriptedObject&, Args, VARIANT* r) { return give_long(r, m->recipients.at(i).type); });
  member(o.get(), 17, kPut, [m, i](ScriptedObject&, Args args, VARIANT*) {
    LONG type = 0;
    if (!one_long(args, &type)) return DISP_E_TYPEMISMATCH;
    m->recipients.at(i).type = type;
    return S_OK;
  });
  member(o.get(), 130, kCall, [m, i](ScriptedObject&, Args, VARIANT*) {
    MailRecipient& rec = m->recipients.at(i);
    auto entry = store().resolve(rec.name);
    if (!entry) return kNotFound;
    rec.name = entry->name;
    rec.entry = std::move(entry);
    return S_OK;
  });
  member(o.get(), 53, kGet, [m, i](ScriptedObject& self, Args, VARIANT* r) {
    const MailRecipient& rec = m->recipients.at(i);
    if (!rec.entry) return kNotFound;
    return give_object(r, mapi_entry(self.server(), *rec.entry));
  });
  return o;
}

Ref<ScriptedObject> mapi_attachment(ScriptedServer& s, std::shared_ptr<MailMessage> m, size_t i) {
  auto o = ScriptedObject::make(s, "attachment", "attachment" + std::to_string(i + 1));
  text_member(o.get(), 23, [m, i]() -> std::string& { return m->attachments.at(i).name; });
  text_member(o.get(), 37, [m, i]() -> std::string& { return m->attachments.at(i).source; });
  member(o.get(), 26, kPut, [](ScriptedObject&, Args, VARIANT*) { return S_OK; });
  member(o.get(), 127, kCall, [m, i](ScriptedObject&, Args args, VARIANT*) {
    std::string path;
    if (!one_text(args, &path)) return DISP_E_TYPEMISMATCH;
    MailAttachment& a = m->attachments.at(i);
    auto read = store().read_attachment(path, a.name);
    if (!read) return E_FAIL;
    a.bytes = read->bytes;
    return S_OK;
  });
  member(o.get(), 133, kCall, [m, i](ScriptedObject&, Args args, VARIANT*) {
    std::string path;
    if (!one_text(args, &path)) return DISP_E_TYPEMISMATCH;
    return store().write_attachment(m->attachments.at(i), path) ? S_OK : E_FAIL;
  });
  return o;
}

// A collection of a message's parts: count, item by position, add.
template <class Part, class Make>
Ref<ScriptedObject> mapi_parts(ScriptedServer& s, const std::string& name,
                               std::shared_ptr<MailMessage> m, std::vector<Part> MailMessage::*parts,
                               Make make) {
  auto o = ScriptedObject::make(s, name.substr(0, name.find(':')), name);
  o->answer_name("Count", 9);
  member(o.get(), 9, kGet,
         [m, parts](ScriptedObject&, Args, VARIANT* r) { return give_long(r, ((*m).*parts).size()); });
  member(o.get(), 21, kGet, [m, parts, make](ScriptedObject& self, Args args, VARIANT* r) {
    LONG i = 0;
    if (!one_long(args, &i)) return DISP_E_TYPEMISMATCH;
    if (i < 1 || static_cast<size_t>(i) > ((*m).*parts).size()) return DISP_E_BADINDEX;
    return give_object(r, make(self.server(), m, static_cast<size_t>(i - 1)));
  });
  member(o.get(), 100, kCall, [m, parts, make](ScriptedObject& self, Args, VARIANT* r) {
    ((*m).*parts).emplace_back();
    return give_object(r, make(self.server(), m, ((*m).*parts).size() - 1));
  });
  return o;
}

Ref<ScriptedObject> mapi_message(ScriptedServer& s, std::shared_ptr<MailMessage> m,
                                 MailFolder* folder) {
  auto o = ScriptedObject::make(s, "message", "message:" + m->subject);
  text_member(o.get(), 38, [m]() -> std::string& { return m->subject; });
  text_member(o.get(), 39, [m]() -> std::string& { return m->body; });
  member(o.get(), 41, kGet, [m](ScriptedObject&, Args, VARIANT* r) { return give_date(r, m->sent); });
  member(o.get(), 40, kGet,
         [m](ScriptedObject&, Args, VARIANT* r) { return give_date(r, m->received); });
  member(o.get(), 32, kGet, [m](ScriptedObject& self, Args, VARIANT* r) {
    return give_object(r, mapi_entry(self.server(), m->sender));
  });
  member(o.get(), 28, kGet, [m](ScriptedObject& self, Args, VARIANT* r) {
    return give_object(r, mapi_parts(self.server(), "recipients:" + m->subject, m,
                                     &MailMessage::recipients, mapi_recipient));
  });
  member(o.get(), 5, kGet, [m](ScriptedObject& self, Args, VARIANT* r) {
    return give_object(r, mapi_parts(self.server(), "attachments:" + m->subject, m,
                                     &MailMessage::attachments, mapi_attachment));
  });
  member(o.get(), 42, kGet, [m](ScriptedObject&, Args, VARIANT* r) { return give_bool(r, m->unread); });
  member(o.get(), 42, kPut, [m](ScriptedObject&, Args args, VARIANT*) {
    LONG unread = 0;
    if (!one_long(args, &unread)) return DISP_E_TYPEMISMATCH;
    m->unread = unread != 0;
    return S_OK;
  });
  member(o.get(), 132, kCall, [m, folder](ScriptedObject&, Args, VARIANT*) {
    keep_in(folder, m);
    return S_OK;
  });
  member(o.get(), 131, kCall, [m, folder](ScriptedObject&, Args args, VARIANT*) {
    LONG dialog = 0;
    if (args.size() >= 2) arg_long(args[1], &dialog);
    m->sender = store().user;
    m->submitted = true;
    m->shown = dialog != 0;
    keep_in(folder, m);
    return S_OK;
  });
  return o;
}

Ref<ScriptedObject> mapi_messages(ScriptedServer& s, const Held& session, MailFolder* f) {
  struct View {
    bool unread_only = false;
    std::string message_class;
    size_t next = 0;  // where GetNext goes on
    bool matches(const MailMessage& m) const {
      return (message_class.empty() || m.message_class == message_class) &&
             (!unread_only || m.unread);
    }
  };
  auto view = std::make_shared<View>();
  auto o = ScriptedObject::make(s, "messages", "messages:" + f->name);
  o->answer_name("Count", 9);
  member(o.get(), 9, kGet, [f, view](ScriptedObject&, Args, VARIANT* r) {
    return give_long(r, std::count_if(f->messages.begin(), f->messages.end(),
                                      [&](const auto& m) { return view->matches(*m); }));
  });
  member(o.get(), 21, kGet, [f, view](ScriptedObject& self, Args args, VARIANT* r) {
    LONG i = 0;
    if (!one_long(args, &i)) return DISP_E_TYPEMISMATCH;
    for (const auto& m : f->messages) {
      if (view->matches(*m) && --i == 0) return give_object(r, mapi_message(self.server(), m, f));
    }
    return DISP_E_BADINDEX;
  });
  auto scan = [f, view](ScriptedObject& self, VARIANT* r) {
    for (size_t k = view->next; k < f->messages.size(); ++k) {
      if (view->matches(*f->messages[k])) {
        view->next = k + 1;
        return give_object(r, mapi_message(self.server(), f->messages[k], f));
      }
    }
    view->next = f->messages.size();
    return give_nothing(r);
  };
  member(o.get(), 109, kCall, [view, scan](ScriptedObject& self, Args args, VARIANT* r) {
    view->message_class.clear();
    if (!args.empty()) arg_text(args[0], &view->message_class);
    view->next = 0;
    return scan(self, r);
  });
  member(o.get(), 111, kCall, [scan](ScriptedObject& self, Args, VARIANT* r) { return scan(self, r); });
  member(o.get(), 61, kGet, [f, view](ScriptedObject& self, Args, VARIANT* r) {
    auto filter = ScriptedObject::make(self.server(), "filter", "filter:" + f->name);
    member(filter.get(), 42, kPut, [view](ScriptedObject&, Args args, VARIANT*) {
      LONG unread = 0;
      if (!one_long(args, &unread)) return DISP_E_TYPEMISMATCH;
      view->unread_only = unread != 0;
      return S_OK;
    });
    return give_object(r, filter);
  });
  member(o.get(), 134, kCall, [](ScriptedObject&, Args, VARIANT*) { return S_OK; });
  member(o.get(), 100, kCall, [f](ScriptedObject& self, Args args, VARIANT* r) {
    auto m = std::make_shared<MailMessage>();
    if (args.size() >= 1) arg_text(args[0], &m->subject);
    if (args.size() >= 2) arg_text(args[1], &m->body);
    m->unread = false;
    return give_object(r, mapi_message(self.server(), m, f));
  });
  (void)session;
  return o;
}

Ref<ScriptedObject> mapi_folders(ScriptedServer& s, const Held& session, MailFolder* owner) {
  auto o = ScriptedObject::make(s, "folders", "folders:" + owner->name);
  o->answer_name("Count", 9);
  member(o.get(), 9, kGet,
         [owner](ScriptedObject&, Args, VARIANT* r) { return give_long(r, owner->folders.size()); });
  member(o.get(), 21, kGet, [owner, session](ScriptedObject& self, Args args, VARIANT* r) {
    LONG i = 0;
    if (!one_long(args, &i)) return DISP_E_TYPEMISMATCH;
    if (i < 1 || static_cast<size_t>(i) > owner->folders.size()) return DISP_E_BADINDEX;
    MailFolder* f = owner->folders[i - 1].get();
    if (!usable(f)) return kNotFound;
    return give_object(r, mapi_folder(self.server(), session, f));
  });
  member(o.get(), 25, kGet, [owner, session](ScriptedObject& self, Args, VARIANT* r) {
    return give_object(r, mapi_folder(self.server(), session, owner));
  });
  return o;
}

Ref<ScriptedObject> mapi_infostore(ScriptedServer& s, const Held& session, InfoStore* st) {
  auto o = ScriptedObject::make(s, "infostore", "infostore:" + st->name);
  o->answer_name("ProviderName", 0x3001);
  member(o.get(), 23, kGet, [st](ScriptedObject&, Args, VARIANT* r) { return give_text(r, st->name); });
  member(o.get(), 59, kGet, [st, session](ScriptedObject& self, Args, VARIANT* r) {
    if (!usable(&st->root)) return kNotFound;
    return give_object(r, mapi_folder(self.server(), session, &st->root));
  });
  return o;
}

Ref<ScriptedObject> mapi_folder(ScriptedServer& s, const Held& session, MailFolder* f) {
  auto o = ScriptedObject::make(s, "folder", "folder:" + f->name);
  member(o.get(), 23, kGet, [f](ScriptedObject&, Args, VARIANT* r) { return give_text(r, f->name); });
  member(o.get(), 52, kGet,
         [f](ScriptedObject&, Args, VARIANT* r) { return give_text(r, f->store->id); });
  member(o.get(), 22, kGet, [f, session](ScriptedObject& self, Args, VARIANT* r) {
    return give_object(r, mapi_messages(self.server(), session, f));
  });
  member(o.get(), 13, kGet, [f, session](ScriptedObject& self, Args, VARIANT* r) {
    return give_object(r, mapi_folders(self.server(), session, f));
  });
  member(o.get(), 25, kGet, [f, session](ScriptedObject& self, Args, VARIANT* r) {
    switch (store().parent_kind(*f)) {
      case ParentKind::kCollection:
        if (f->parent) return give_object(r, mapi_folders(self.server(), session, f->parent));
        [[fallthrough]];
      case ParentKind::kStore:
        return give_object(r, mapi_infostore(self.server(), session, f->store));
      case ParentKind::kSession:
        return_object(r, session.get());
        return S_OK;
      case ParentKind::kOther:
        break;
    }
    return give_object(r, ScriptedObject::make(self.server(), "stranger", "stranger"));
  });
  return o;
}

Ref<ScriptedObject> mapi_session(ScriptedServer& s) {
  auto o = ScriptedObject::make(s, "session", "session");
  o->answer_name("Version", 0x2001);
  auto logged_on = std::make_shared<bool>(false);
  member(o.get(), 119, kCall, [logged_on](ScriptedObject&, Args, VARIANT*) {
    if (store().faults.refuse_logon) return kLogonFailed;
    *logged_on = true;
    return S_OK;
  });
  member(o.get(), 118, kCall, [logged_on](ScriptedObject&, Args, VARIANT*) {
    *logged_on = false;
    return S_OK;
  });
  // The members below answer only after the logon.
  auto after_logon = [&](DISPID id, WORD kind, Handler h) {
    member(o.get(), id, kind, [logged_on, h](ScriptedObject& self, Args args, VARIANT* r) {
      return *logged_on ? h(self, args, r) : kNoSession;
    });
  };
  auto folder_answer = [](ScriptedObject& self, MailFolder* f, VARIANT* r) {
    if (!usable(f)) return kNotFound;
    return give_object(r, mapi_folder(self.server(), Held(&self), f));
  };
  after_logon(16, kGet, [folder_answer](ScriptedObject& self, Args, VARIANT* r) {
    return folder_answer(self, store().mapi_default(2), r);
  });
  after_logon(153, kCall, [folder_answer](ScriptedObject& self, Args args, VARIANT* r) {
    LONG n = 0;
    if (!one_long(args, &n)) return DISP_E_TYPEMISMATCH;
    return folder_answer(self, store().mapi_default(n), r);
  });
  after_logon(57, kGet, [](ScriptedObject& self, Args, VARIANT* r) {
    auto stores = ScriptedObject::make(self.server(), "infostores", "infostores");
    stores->answer_name("Count", 9);
    member(stores.get(), 9, kGet,
           [](ScriptedObject&, Args, VARIANT* r) { return give_long(r, store().stores.size()); });
    member(stores.get(), 21, kGet, [session = Held(&self)](ScriptedObject& self, Args args, VARIANT* r) {
      if (args.size() != 1) return DISP_E_BADPARAMCOUNT;
      InfoStore* st = nullptr;
      std::string name;
      LONG i = 0;
      if (args[0].vt == VT_BSTR && arg_text(args[0], &name)) {
        st = store().store_named(name);
      } else if (arg_long(args[0], &i) && i >= 1 && static_cast<size_t>(i) <= store().stores.size()) {
        st = store().stores[i - 1].get();
      }
      if (!st) return kNotFound;
      return give_object(r, mapi_infostore(self.server(), session, st));
    });
    return give_object(r, stores);
  });
  after_logon(108, kCall, [](ScriptedObject&, Args, VARIANT*) {
    store().deliver_now();
    return S_OK;
  });
  after_logon(122, kCall, [](ScriptedObject& self, Args args, VARIANT* r) {
    std::string id;
    if (!one_text(args, &id)) return DISP_E_TYPEMISMATCH;
    InfoStore* st = store().store_with_id(id);
    if (!st) return kNotFound;
    return give_object(r, mapi_infostore(self.server(), Held(&self), st));
  });
  return o;
}

// ---- Outlook's objects

Ref<ScriptedObject> ol_folder(ScriptedServer& s, MailFolder* f);

Ref<ScriptedObject> ol_attachment(ScriptedServer& s, std::shared_ptr<MailMessage> m, size_t i) {
  auto o = ScriptedObject::make(s, "attachment", "attachment" + std::to_string(i + 1));
  member(o.get(), 14084, kGet, [m, i](ScriptedObject&, Args, VARIANT* r) {
    return give_text(r, m->attachments.at(i).name);
  });
  member(o.get(), 104, kCall, [m, i](ScriptedObject&, Args args, VARIANT*) {
    std::string path;
    if (!one_text(args, &path)) return DISP_E_TYPEMISMATCH;
    return store().write_attachment(m->attachments.at(i), path) ? S_OK : E_FAIL;
  });
  return o;
}

Ref<ScriptedObject> ol_recipient(ScriptedServer& s, std::shared_ptr<MailMessage> m, size_t i,
                                 bool newer) {
  auto o = ScriptedObject::make(s, "recipient", "recipient" + std::to_string(i + 1));
  member(o.get(), newer ? 3093 : 112, kPut, [m, i](ScriptedObject&, Args args, VARIANT*) {
    LONG type = 0;
    if (!one_long(args, &type)) return DISP_E_TYPEMISMATCH;
    m->recipients.at(i).type = type;
    return S_OK;
  });
  member(o.get(), 113, kCall, [m, i](ScriptedObject&, Args, VARIANT* r) {
    MailRecipient& rec = m->recipients.at(i);
    auto entry = store().resolve(rec.name);
    if (entry) {
      rec.name = entry->name;
      rec.entry = std::move(entry);
    }
    return give_bool(r, rec.entry.has_value());
  });
  return o;
}

Ref<ScriptedObject> ol_item(ScriptedServer& s, std::shared_ptr<MailMessage> m, bool newer) {
  auto o = ScriptedObject::make(s, "item", "item:" + m->subject);
  text_member(o.get(), 55, [m]() -> std::string& { return m->subject; });
  text_member(o.get(), 37120, [m]() -> std::string& { return m->body; });
  member(o.get(), 57, kGet, [m](ScriptedObject&, Args, VARIANT* r) { return give_date(r, m->sent); });
  member(o.get(), 3590, kGet,
         [m](ScriptedObject&, Args, VARIANT* r) { return give_date(r, m->received); });
  member(o.get(), 3098, kGet,
         [m](ScriptedObject&, Args, VARIANT* r) { return give_text(r, m->sender.name); });
  member(o.get(), 80, kGet,
         [m](ScriptedObject&, Args, VARIANT* r) { return give_text(r, m->sender.address); });
  member(o.get(), 3588, kGet,
         [m](ScriptedObject&, Args, VARIANT* r) { return give_text(r, m->display_to(1)); });
  member(o.get(), 3587, kGet,
         [m](ScriptedObject&, Args, VARIANT* r) { return give_text(r, m->display_to(2)); });
  member(o.get(), 36865, kGet,
         [m](ScriptedObject&, Args, VARIANT* r) { return give_text(r, m->categories); });
  member(o.get(), 61468, kPut, [m](ScriptedObject&, Args args, VARIANT*) {
    LONG unread = 0;
    if (!one_long(args, &unread)) return DISP_E_TYPEMISMATCH;
    m->unread = unread != 0;
    return S_OK;
  });
  member(o.get(), 63508, kGet, [m, newer](ScriptedObject& self, Args, VARIANT* r) {
    auto list = ScriptedObject::make(self.server(), "recipients", "recipients:" + m->subject);
    member(list.get(), 111, kCall, [m, newer](ScriptedObject& self, Args args, VARIANT* r) {
      std::string name;
      if (!one_text(args, &name)) return DISP_E_TYPEMISMATCH;
      m->recipients.push_back({name, 1, std::nullopt});
      return give_object(r, ol_recipient(self.server(), m, m->recipients.size() - 1, newer));
    });
    member(list.get(), 126, kCall, [m](ScriptedObject&, Args, VARIANT* r) {
      return give_bool(r, std::all_of(m->recipients.begin(), m->recipients.end(),
                                      [](const MailRecipient& x) { return x.entry.has_value(); }));
    });
    member(list.get(), 80, kGet,
           [m](ScriptedObject&, Args, VARIANT* r) { return give_long(r, m->recipients.size()); });
    return give_object(r, list);
  });
  member(o.get(), 63509, kGet, [m](ScriptedObject& self, Args, VARIANT* r) {
    auto list = ScriptedObject::make(self.server(), "attachments", "attachments:" + m->subject);
    member(list.get(), 101, kCall, [m](ScriptedObject& self, Args args, VARIANT* r) {
      std::string path;
      if (!one_text(args, &path)) return DISP_E_TYPEMISMATCH;
      auto a = store().read_attachment(path, file_name_of(path));
      if (!a) return E_FAIL;
      m->attachments.push_back(std::move(*a));
      return give_object(r, ol_attachment(self.server(), m, m->attachments.size() - 1));
    });
    member(list.get(), 80, kGet,
           [m](ScriptedObject&, Args, VARIANT* r) { return give_long(r, m->attachments.size()); });
    member(list.get(), 81, kCall, [m](ScriptedObject& self, Args args, VARIANT* r) {
      LONG i = 0;
      if (!one_long(args, &i)) return DISP_E_TYPEMISMATCH;
      if (i < 1 || static_cast<size_t>(i) > m->attachments.size()) return DISP_E_BADINDEX;
      return give_object(r, ol_attachment(self.server(), m, static_cast<size_t>(i - 1)));
    });
    return give_object(r, list);
  });
  member(o.get(), 61557, kCall, [m](ScriptedObject&, Args, VARIANT*) {
    m->sender = store().user;
    m->submitted = true;
    keep_in(store().outlook_default(4), m);
    store().deliver_now();  // Outlook sends at once
    return S_OK;
  });
  member(o.get(), 61606, kCall, [m](ScriptedObject&, Args, VARIANT*) {
    m->shown = true;
    keep_in(store().outlook_default(16), m);
    return S_OK;
  });
  return o;
}

Ref<ScriptedObject> ol_items(ScriptedServer& s, MailFolder* f, bool newer, bool unread_only) {
  struct View {
    bool sorted = false;
    size_t next = 0;       // of first and next
    size_t found = 0;      // where a find goes on
    bool unread_only = false;
  };
  auto view = std::make_shared<View>();
  view->unread_only = unread_only;
  // The folder's messages as the collection shows them now.
  auto list = [f, view]() {
    std::vector<std::shared_ptr<MailMessage>> out;
    for (const auto& m : f->messages) {
      if (!view->unread_only || m->unread) out.push_back(m);
    }
    if (view->sorted) {
      std::stable_sort(out.begin(), out.end(),
                       [](const auto& a, const auto& b) { return a->received < b->received; });
    }
    return out;
  };
  auto o = ScriptedObject::make(s, "items", "items:" + f->name);
  member(o.get(), 80, kGet, [list](ScriptedObject&, Args, VARIANT* r) { return give_long(r, list().size()); });
  member(o.get(), 81, kCall, [list, newer](ScriptedObject& self, Args args, VARIANT* r) {
    LONG i = 0;
    if (!one_long(args, &i)) return DISP_E_TYPEMISMATCH;
    auto all = list();
    if (i < 1 || static_cast<size_t>(i) > all.size()) return DISP_E_BADINDEX;
    return give_object(r, ol_item(self.server(), all[i - 1], newer));
  });
  auto step = [list, newer](ScriptedObject& self, size_t& at, bool unread, VARIANT* r) {
    auto all = list();
    for (; at < all.size(); ++at) {
      if (!unread || all[at]->unread) return give_object(r, ol_item(self.server(), all[at++], newer));
    }
    return give_nothing(r);
  };
  member(o.get(), 86, kCall, [view, step](ScriptedObject& self, Args, VARIANT* r) {
    view->next = 0;
    return step(self, view->next, false, r);
  });
  member(o.get(), 87, kCall, [view, step](ScriptedObject& self, Args, VARIANT* r) {
    return step(self, view->next, false, r);
  });
  auto unread_filter = [](Args args) {
    std::string filter;
    return one_text(args, &filter) && filter == "[Unread] = True";
  };
  member(o.get(), newer ? 97 : 205, kCall, [view](ScriptedObject&, Args args, VARIANT*) {
    std::string by;
    if (!one_text(args, &by) || by != "[ReceivedTime]") return E_INVALIDARG;
    view->sorted = true;
    return S_OK;
  });
  member(o.get(), newer ? 98 : 203, kCall, [view, step, unread_filter](ScriptedObject& self, Args args, VARIANT* r) {
    if (!unread_filter(args)) return E_INVALIDARG;
    view->found = 0;
    return step(self, view->found, true, r);
  });
  member(o.get(), newer ? 99 : 204, kCall, [view, step](ScriptedObject& self, Args, VARIANT* r) {
    return step(self, view->found, true, r);
  });
  member(o.get(), newer ? 100 : 202, kCall, [f, newer, view, unread_filter](ScriptedObject& self, Args args, VARIANT* r) {
    if (!unread_filter(args)) return E_INVALIDARG;
    auto restricted = ol_items(self.server(), f, newer, true);
    return give_object(r, restricted);
  });
  return o;
}

// The folders below owner, or the top-level folders when owner is null.
Ref<ScriptedObject> ol_folders(ScriptedServer& s, MailFolder* owner) {
  auto children = [owner]() {
    std::vector<MailFolder*> out;
    if (owner) {
      for (auto& f : owner->folders) out.push_back(f.get());
    } else {
      for (auto& st : store().stores) out.push_back(&st->root);
    }
    return out;
  };
  auto o = ScriptedObject::make(s, "folders", "folders:" + (owner ? owner->name : "top"));
  member(o.get(), 80, kGet,
         [children](ScriptedObject&, Args, VARIANT* r) { return give_long(r, children().size()); });
  member(o.get(), 81, kCall, [children](ScriptedObject& self, Args args, VARIANT* r) {
    if (args.size() != 1) return DISP_E_BADPARAMCOUNT;
    const auto all = children();
    MailFolder* found = nullptr;
    std::string name;
    LONG i = 0;
    if (args[0].vt == VT_BSTR && arg_text(args[0], &name)) {
      for (MailFolder* f : all) {
        if (f->name == name) found = f;
      }
    } else if (arg_long(args[0], &i) && i >= 1 && static_cast<size_t>(i) <= all.size()) {
      found = all[i - 1];
    }
    if (!usable(found)) return kNotFound;
    return give_object(r, ol_folder(self.server(), found));
  });
  return o;
}

Ref<ScriptedObject> ol_namespace(ScriptedServer& s) {
  auto o = ScriptedObject::make(s, "namespace", "namespace");
  member(o.get(), 8459, kCall, [](ScriptedObject& self, Args args, VARIANT* r) {
    LONG n = 0;
    if (!one_long(args, &n)) return DISP_E_TYPEMISMATCH;
    MailFolder* f = store().outlook_default(n);
    if (!usable(f)) return kNotFound;
    return give_object(r, ol_folder(self.server(), f));
  });
  member(o.get(), 8451, kGet, [](ScriptedObject& self, Args, VARIANT* r) {
    return give_object(r, ol_folders(self.server(), nullptr));
  });
  return o;
}

Ref<ScriptedObject> ol_folder(ScriptedServer& s, MailFolder* f) {
  const bool newer = state().newer;
  auto o = ScriptedObject::make(s, "folder", "folder:" + f->name);
  member(o.get(), 12289, kGet, [f](ScriptedObject&, Args, VARIANT* r) { return give_text(r, f->name); });
  member(o.get(), 61441, kGet, [f](ScriptedObject& self, Args, VARIANT* r) {
    if (!f->parent) return give_object(r, ol_namespace(self.server()));
    if (!usable(f->parent)) return kNotFound;
    return give_object(r, ol_folder(self.server(), f->parent));
  });
  member(o.get(), 12544, kGet, [f, newer](ScriptedObject& self, Args, VARIANT* r) {
    return give_object(r, ol_items(self.server(), f, newer, false));
  });
  member(o.get(), 8451, kGet,
         [f](ScriptedObject& self, Args, VARIANT* r) { return give_object(r, ol_folders(self.server(), f)); });
  return o;
}

Ref<ScriptedObject> ol_application(ScriptedServer& s) {
  const bool newer = state().newer;
  auto o = ScriptedObject::make(s, "application", "application");
  member(o.get(), 276, kGet, [](ScriptedObject& self, Args, VARIANT* r) {
    return give_object(r, ScriptedObject::make(self.server(), "explorers", "explorers"));
  });
  if (newer) {
    member(o.get(), 278, kGet, [](ScriptedObject&, Args, VARIANT* r) { return give_text(r, "9.0"); });
  }
  member(o.get(), 272, kCall, [](ScriptedObject& self, Args args, VARIANT* r) {
    std::string type;
    if (!one_text(args, &type) || type != "MAPI") return E_INVALIDARG;
    return give_object(r, ol_namespace(self.server()));
  });
  member(o.get(), 266, kCall, [newer](ScriptedObject& self, Args args, VARIANT* r) {
    LONG type = -1;
    if (!one_long(args, &type) || type != 0) return E_INVALIDARG;
    auto m = std::make_shared<MailMessage>();
    m->unread = false;
    return give_object(r, ol_item(self.server(), m, newer));
  });
  return o;
}

// {9D3A7C51-6B2E-4F08-A1C4-2E5B7D9F0A31}, {9D3A7C52-...}
constexpr CLSID kMapiClsid{
    0x9D3A7C51, 0x6B2E, 0x4F08, {0xA1, 0xC4, 0x2E, 0x5B, 0x7D, 0x9F, 0x0A, 0x31}};
constexpr CLSID kOutlookClsid{
    0x9D3A7C52, 0x6B2E, 0x4F08, {0xA1, 0xC4, 0x2E, 0x5B, 0x7D, 0x9F, 0x0A, 0x31}};

ScriptedServer g_mapi("MAPI.Session", kMapiClsid, mapi_session);
ScriptedServer g_outlook("Outlook.Application", kOutlookClsid, ol_application);

}  // namespace

ScriptedServer& mapi_server() { return g_mapi; }
ScriptedServer& outlook_server() { return g_outlook; }
MailStore& mail_store() { return store(); }

void reset_mail_store() {
  State& s = state();
  s.store = std::make_unique<MailStore>();
  s.newer = true;
  g_mapi.reset();
  g_outlook.reset();
}

void set_outlook_newer_model(bool newer) { state().newer = newer; }

}  // namespace qn::office_servers
