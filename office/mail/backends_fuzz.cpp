// Fuzz target of the MAPI and Outlook back-ends: each input drives a
// sequence of members of both against the scripted mail store (logins,
// folder walks, sends, receives, counts, property writes, messages put into
// folders, faults of the store and of single calls). Nothing may crash, the
// current directory is put back after every member, nothing is written
// outside the attachment folders, and no server object outlives the
// back-ends.
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "office/mail/mapi/qn_mapi.h"
#include "office/mail/outlook/qn_outlook.h"
#include "office/mail/server_calls.h"
#include "platform/message_box.h"
#include "tests/office_servers/mail_servers.h"

// The module's class table is not part of this program; its count of live
// objects is.
namespace qn::office {
void module_lock() {}
void module_unlock() {}
}  // namespace qn::office

namespace {

using namespace qn;
using namespace qn::office;
using namespace qn::office_servers;
namespace fs = std::filesystem;

const char* const kPaths[] = {"",        "*Inbox",     "*Outbox", "*Sent Items\\Archived",
                              "*Drafts", "\\Archive\\Old", "\\",  "..",
                              ".",       "Projects\\2026", "\\\\", "*Deleted Items\\..\\Case"};
const char* const kNames[] = {"user@quenora.test", "Bob Jones", "Ann Smith", "Nobody", "",
                              "a@b\r\nc"};
const char* const kFiles[] = {"a.txt", "missing.txt", "", "a.txt; a.txt"};
const char* const kAttachmentNames[] = {"..\\..\\escape", "/etc/passwd", "..", "ok.txt", "",
                                        "a\r\nb", "dir\\"};
const char* const kObjects[] = {"session", "folder", "folders", "messages", "message",
                                "recipient", "attachment", "application", "items", "item",
                                "namespace"};
const com::DISPID kIds[] = {9, 21, 22, 28, 32, 38, 80, 81, 86, 87, 98, 109, 111, 153, 276, 278,
                            12544, 63509};

class Input {
 public:
  Input(const uint8_t* data, size_t size) : p_(data), end_(data + size) {}
  bool more() const { return p_ < end_; }
  uint8_t byte() { return p_ < end_ ? *p_++ : 0; }
  template <size_t N>
  const char* pick(const char* const (&list)[N]) {
    return list[byte() % N];
  }
  // A text from the input itself: a length byte, then that many bytes.
  std::string raw() {
    std::string s;
    for (size_t n = byte() % 24; n > 0 && more(); --n) s.push_back(static_cast<char>(byte()));
    return s;
  }
  std::string path() { return byte() & 1 ? raw() : pick(kPaths); }

 private:
  const uint8_t* p_;
  const uint8_t* end_;
};

struct Folders {
  fs::path root, in, out, home;
  Folders() {
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/qn_backends_fuzz_XXXXXX";
    root = ::mkdtemp(pattern.data());
    in = root / "in";
    out = root / "out";
    fs::create_directories(in);
    fs::create_directories(out);
    std::ofstream(in / "a.txt") << "alpha";
    home = fs::current_path();
  }
};

Folders& folders() {
  static Folders* f = [] {
    set_server_maker([](std::string_view prog_id) {
      Object o;
      if (ScriptedServer* s = find_server(prog_id)) {
        if (com::FAILED(s->create_root(o.put()))) o.reset();
      }
      return o;
    });
    platform::set_message_box_hook([](std::string_view, std::string_view, unsigned) {
      return platform::kIdOk;
    });
    // The run ends through exit(): the folders go with it.
    std::atexit([] {
      std::error_code ec;
      fs::remove_all(folders().root, ec);
    });
    return new Folders;
  }();
  return *f;
}

void check(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "broken: %s\n", what);
    std::abort();
  }
}

// Every file under root: only in/, out/ and what the store was told to move to.
void check_nothing_written_outside(const Folders& f) {
  for (const auto& e : fs::recursive_directory_iterator(f.root)) {
    if (!e.is_regular_file()) continue;
    const fs::path rel = fs::relative(e.path(), f.root);
    check(*rel.begin() == "in" || *rel.begin() == "out", "a file outside the attachment folders");
  }
}

template <class I>
void drive(I* b, Input& in, Folders& f, uint8_t op) {
  com::SHORT e = 0;
  auto text = [](std::string_view s) { return com::bstr_from_1252(s); };
  switch (op % 6) {
    case 0: {
      com::BSTR p = text(in.path());
      b->ChangeFolder(p, in.byte() & 1, in.byte() & 1, &e);
      com::SysFreeString(p);
      break;
    }
    case 1: {
      com::BSTR to = text(in.byte() & 1 ? in.raw() : in.pick(kNames));
      com::BSTR cc = text(in.pick(kNames));
      com::BSTR files = text(in.pick(kFiles));
      b->Send(to, cc, cc, to, cc, files, &e);
      for (com::BSTR s : {to, cc, files}) com::SysFreeString(s);
      break;
    }
    case 2: {
      com::BSTR out[6] = {};
      com::DATE d1, d2;
      b->Receive(&out[0], &out[1], &out[2], &out[3], &out[4], &out[5], &d1, &d2, &e);
      for (com::BSTR s : out) com::SysFreeString(s);
      break;
    }
    case 3: {
      com::LONG n;
      b->get_Count(&n);
      break;
    }
    case 4: {
      com::BSTR dir = text((in.byte() & 1 ? f.out : f.in).string() + (in.byte() & 1 ? "\\" : ""));
      b->put_AttachDir(dir);
      com::SysFreeString(dir);
      b->put_AddressFormat(static_cast<com::SHORT>(in.byte() % 4));
      b->put_EditWindow(static_cast<com::SHORT>(in.byte() % 3));
      break;
    }
    default:
      b->get_Error(&e);
      break;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Folders& f = folders();
  Input in(data, size);
  reset_mail_store();
  set_outlook_newer_model(in.byte() & 1);
  IQnMAPI* mapi = nullptr;
  IQnOutlook* outlook = nullptr;
  CQnMAPI::create<CQnMAPI>(nullptr, IID_IQnMAPI, reinterpret_cast<void**>(&mapi));
  CQnOutlook::create<CQnOutlook>(nullptr, IID_IQnOutlook, reinterpret_cast<void**>(&outlook));
  for (int steps = 0; in.more() && steps < 64; ++steps) {
    const uint8_t op = in.byte();
    com::SHORT e = 0;
    switch (op % 8) {
      case 0: {
        com::BSTR profile = com::bstr_from_1252(in.raw());
        mapi->LoginMAPI(profile, in.byte() & 1, in.byte() & 1, &e);
        com::SysFreeString(profile);
        break;
      }
      case 1:
        mapi->Logout(&e);
        break;
      case 2:
        drive(mapi, in, f, op >> 3);
        break;
      case 3:
        drive(outlook, in, f, op >> 3);
        break;
      case 4: {
        // A message with hostile attachment names in a folder.
        MailMessage m;
        m.subject = in.raw();
        m.sender = mail_store().address_book[in.byte() % 3];
        m.recipients = {{"Quenora User", 1 + in.byte() % 3, mail_store().user}};
        m.attachments = {{in.byte() & 1 ? in.raw() : in.pick(kAttachmentNames), in.raw(),
                          std::make_shared<std::string>("x")}};
        m.unread = in.byte() & 1;
        m.received = in.byte();
        if (MailFolder* folder = mail_store().folder_at(in.byte() & 1 ? "Inbox" : "Inbox\\Projects")) {
          folder->add_message(std::move(m));
        }
        break;
      }
      case 5: {
        MailFaults& faults = mail_store().faults;
        switch (in.byte() % 5) {
          case 0:
            faults.refuse_logon = !faults.refuse_logon;
            break;
          case 1:
            faults.missing_folder = in.byte() & 1 ? "Inbox" : "Projects";
            break;
          case 2:
            faults.unresolvable = in.pick(kNames);
            break;
          case 3:
            faults.unreadable_attachment = in.byte() & 1 ? "a.txt" : "ok.txt";
            break;
          default:
            faults.change_directory = in.byte() & 1 ? f.out.string() : std::string();
            break;
        }
        break;
      }
      case 6: {
        // One call fails, or answers a value of the wrong type.
        Fault fault{in.pick(kObjects), kIds[in.byte() % std::size(kIds)],
                    static_cast<com::WORD>(1 + in.byte() % 2), com::E_FAIL, 1 + in.byte() % 3};
        if (in.byte() & 1) {
          fault.code = com::S_OK;
          fault.answer = in.byte() & 1 ? com::i4_variant(7) : com::VARIANT{com::VT_DISPATCH};
        }
        (fault.object == std::string("application") || fault.object == std::string("items") ||
                 fault.object == std::string("item") || fault.object == std::string("namespace")
             ? outlook_server()
             : mapi_server())
            .inject(fault);
        break;
      }
      default:
        mapi->put_DisplayMessages(static_cast<com::SHORT>(in.byte() % 4));
        outlook->put_DisplayMessages(static_cast<com::SHORT>(in.byte() % 3));
        break;
    }
    check(fs::current_path() == f.home, "the current directory was not put back");
  }
  mapi->Release();
  outlook->Release();
  check(mapi_server().live_objects() == 0 && outlook_server().live_objects() == 0,
        "server objects outlive the back-ends");
  check_nothing_written_outside(f);
  for (const char* dir : {"out"}) {
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(f.root / dir, ec)) fs::remove_all(e.path(), ec);
  }
  return 0;
}
