#include "tests/office_servers/mail_store.h"

#include <filesystem>
#include <fstream>

#include "platform/cp1252.h"
#include "platform/path.h"

namespace qn::office_servers {

std::string MailMessage::display_to(int type) const {
  std::string out;
  for (const MailRecipient& r : recipients) {
    if (r.type != type) continue;
    if (!out.empty()) out += "; ";
    out += r.entry ? r.entry->name : r.name;
  }
  return out;
}

MailFolder& MailFolder::add(std::string folder_name) {
  auto f = std::make_unique<MailFolder>();
  f->name = std::move(folder_name);
  f->parent = this;
  f->store = store;
  folders.push_back(std::move(f));
  return *folders.back();
}

MailFolder* MailFolder::find(std::string_view folder_name) {
  for (auto& f : folders) {
    if (f->name == folder_name) return f.get();
  }
  return nullptr;
}

MailMessage& MailFolder::add_message(MailMessage m) {
  messages.push_back(std::make_shared<MailMessage>(std::move(m)));
  return *messages.back();
}

MailStore::MailStore() {
  user = {"Quenora User", "SMTP", "user@quenora.test", ""};
  address_book = {user,
                  {"Bob Jones", "SMTP", "bob@quenora.test", ""},
                  {"Ann Smith", "EX", "/o=Quenora/cn=Recipients/cn=ann", "ann@quenora.test"}};
  auto add_store = [&](std::string name, std::string id) -> MailFolder& {
    auto s = std::make_unique<InfoStore>();
    s->name = name;
    s->id = std::move(id);
    s->root.name = std::move(name);
    s->root.store = s.get();
    stores.push_back(std::move(s));
    return stores.back()->root;
  };
  MailFolder& box = add_store("Mailbox - Quenora User", "store-1");
  box.add("Inbox").add("Projects").add("2026");
  box.add("Outbox");
  box.add("Sent Items").add("Archived");
  box.add("Deleted Items");
  box.add("Drafts");
  box.add("Case");
  box.add("case");
  add_store("Archive", "store-2").add("Old").add("Older");
}

InfoStore* MailStore::store_named(std::string_view name) {
  for (auto& s : stores) {
    if (s->name == name) return s.get();
  }
  return nullptr;
}

InfoStore* MailStore::store_with_id(std::string_view id) {
  for (auto& s : stores) {
    if (s->id == id) return s.get();
  }
  return nullptr;
}

MailFolder* MailStore::folder_at(std::string_view path) {
  MailFolder* f = &stores.front()->root;
  while (f && !path.empty()) {
    const size_t sep = path.find('\\');
    f = f->find(path.substr(0, sep));
    path = sep == std::string_view::npos ? std::string_view{} : path.substr(sep + 1);
  }
  return f;
}

MailFolder* MailStore::mapi_default(int number) {
  static const char* const kNames[] = {"Inbox", "Outbox", "Sent Items", "Deleted Items"};
  if (number < 1 || number > 4) return nullptr;
  return folder_at(kNames[number - 1]);
}

MailFolder* MailStore::outlook_default(int number) {
  switch (number) {
    case 6:
      return folder_at("Inbox");
    case 4:
      return folder_at("Outbox");
    case 5:
      return folder_at("Sent Items");
    case 3:
      return folder_at("Deleted Items");
    case 16:
      return folder_at("Drafts");
    default:
      return nullptr;
  }
}

ParentKind MailStore::parent_kind(const MailFolder& f) const {
  for (const auto& [name, kind] : parent_kinds) {
    if (name == f.name) return kind;
  }
  return f.parent ? ParentKind::kCollection : ParentKind::kStore;
}

std::optional<MailAddress> MailStore::resolve(std::string_view name) const {
  if (name.empty() || name == faults.unresolvable) return std::nullopt;
  // No address holds a control character (a line break would end a header).
  for (char c : name) {
    if (static_cast<unsigned char>(c) < 0x20) return std::nullopt;
  }
  const std::string key = platform::upper_1252(name);
  for (const MailAddress& a : address_book) {
    if (platform::upper_1252(a.name) == key || platform::upper_1252(a.address) == key) return a;
  }
  if (name.find('@') != std::string_view::npos) {
    return MailAddress{std::string(name), "SMTP", std::string(name), ""};
  }
  return std::nullopt;
}

std::optional<MailAttachment> MailStore::read_attachment(std::string_view path,
                                                         std::string_view name) const {
  const std::string file = platform::map_path(path);
  if (!faults.unreadable_attachment.empty() &&
      std::filesystem::path(file).filename() == faults.unreadable_attachment) {
    return std::nullopt;
  }
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) return std::nullopt;
  std::ifstream in(file, std::ios::binary);
  std::string bytes(std::filesystem::file_size(file, ec), '\0');
  if (ec || !in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()))) {
    return std::nullopt;
  }
  return MailAttachment{std::string(name), std::string(path),
                        std::make_shared<const std::string>(std::move(bytes))};
}

bool MailStore::write_attachment(const MailAttachment& a, std::string_view path) const {
  if (!faults.unreadable_attachment.empty() && a.name == faults.unreadable_attachment) {
    return false;
  }
  std::ofstream out(platform::map_path(path), std::ios::binary | std::ios::trunc);
  if (!out) return false;
  if (a.bytes) out.write(a.bytes->data(), static_cast<std::streamsize>(a.bytes->size()));
  return static_cast<bool>(out.flush());
}

void MailStore::deliver_now() {
  MailFolder* outbox = mapi_default(2);
  MailFolder* sent = mapi_default(3);
  MailFolder* inbox = mapi_default(1);
  auto& waiting = outbox->messages;
  for (auto it = waiting.begin(); it != waiting.end();) {
    if (!(*it)->submitted) {
      ++it;
      continue;
    }
    MailMessage& m = **it;
    m.submitted = false;
    m.unread = false;
    m.sent = now();
    for (const MailRecipient& r : m.recipients) {
      if (r.entry && r.entry->address == user.address) {
        auto copy = std::make_shared<MailMessage>(m);
        copy->unread = true;
        copy->received = now();
        inbox->messages.push_back(std::move(copy));
        break;
      }
    }
    sent->messages.push_back(std::move(*it));
    it = waiting.erase(it);
  }
}

double MailStore::now() {
  clock_ += 1.0 / (24 * 60);
  return clock_;
}

void MailStore::on_call() const {
  if (faults.change_directory.empty()) return;
  std::error_code ec;
  std::filesystem::current_path(faults.change_directory, ec);
}

}  // namespace qn::office_servers
