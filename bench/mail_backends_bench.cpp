// The MAPI and Outlook mail back-ends through the late-bound path to the
// scripted mail store, recording off, so the figures are the back-ends'
// cost plus the in-process server's.
// Aims: 1,000 sends of a message with one 100 KB attachment under 1 s, and
// 1,000 receives of such messages, saving the attachment, under 1 s.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "office/mail/mapi/qn_mapi.h"
#include "office/mail/outlook/qn_outlook.h"
#include "tests/office_servers/mail_servers.h"
#include "tests/office_servers/test_registry.h"

namespace {

using namespace qn;
using namespace qn::office;
using namespace qn::office_servers;
namespace fs = std::filesystem;

constexpr int kMessages = 1000;
constexpr size_t kAttachment = 100 * 1024;

com::BSTR text(const std::string& s) { return com::bstr_from_1252(s); }

struct Setting {
  TestRegistry registry;
  fs::path in = registry.dir() / "in";
  fs::path out = registry.dir() / "out";
  Setting() {
    fs::create_directories(in);
    fs::create_directories(out);
    std::ofstream(in / "file.bin", std::ios::binary) << std::string(kAttachment, 'a');
    reset_mail_store();
    mapi_server().set_recording(false);
    outlook_server().set_recording(false);
  }
  // kMessages unread messages in the Inbox, each with the attachment.
  void fill_inbox() {
    auto bytes = std::make_shared<const std::string>(kAttachment, 'b');
    auto& inbox = mail_store().folder_at("Inbox")->messages;
    inbox.clear();
    for (int i = 0; i < kMessages; ++i) {
      MailMessage m;
      m.subject = "Message " + std::to_string(i);
      m.body = "Text";
      m.received = 46000 + i;
      m.sender = mail_store().user;
      m.recipients = {{mail_store().user.name, 1, mail_store().user}};
      m.attachments = {{"file.bin", "", bytes}};
      inbox.push_back(std::make_shared<MailMessage>(std::move(m)));
    }
  }
  void empty_folders() {
    for (const char* f : {"Inbox", "Outbox", "Sent Items"}) {
      mail_store().folder_at(f)->messages.clear();
    }
  }
};

template <class I, class C>
I* make(const com::IID& iid) {
  I* p = nullptr;
  C::template create<C>(nullptr, iid, reinterpret_cast<void**>(&p));
  return p;
}

template <class I>
void send_all(benchmark::State& state, I* backend, Setting& s) {
  com::BSTR to = text("user@quenora.test"), none = text(""), subject = text("Bench"),
            body = text("Text"), attachs = text("file.bin");
  for (auto _ : state) {
    for (int i = 0; i < kMessages; ++i) {
      com::SHORT e = -1;
      backend->Send(to, none, none, subject, body, attachs, &e);
      if (e != 0) state.SkipWithError("send failed");
      // The store keeps every message it delivered: emptied now and then,
      // so what is measured is the sending, not the store's growth.
      if (i % 50 == 49) {
        state.PauseTiming();
        s.empty_folders();
        state.ResumeTiming();
      }
    }
  }
  for (com::BSTR b : {to, none, subject, body, attachs}) com::SysFreeString(b);
}

template <class I>
void receive_all(benchmark::State& state, I* backend, Setting& s) {
  com::BSTR dir = text(s.out.string()), inbox = text("*Inbox");
  backend->put_AttachDir(dir);
  for (auto _ : state) {
    state.PauseTiming();
    s.fill_inbox();
    com::SHORT e = -1;
    backend->ChangeFolder(inbox, 1, 1, &e);
    state.ResumeTiming();
    for (int i = 0; i < kMessages; ++i) {
      com::BSTR out[6] = {};
      com::DATE sent, received;
      backend->Receive(&out[0], &out[1], &out[2], &out[3], &out[4], &out[5], &sent, &received, &e);
      if (e != 0) state.SkipWithError("receive failed");
      for (com::BSTR b : out) com::SysFreeString(b);
    }
  }
  com::SysFreeString(dir);
  com::SysFreeString(inbox);
}

// A MAPI back-end logged on with NewMessages and MarkAsRead both set or not.
IQnMAPI* logged_on(bool new_and_mark) {
  auto* mapi = make<IQnMAPI, CQnMAPI>(IID_IQnMAPI);
  com::BSTR profile = text("");
  com::SHORT e = -1;
  mapi->LoginMAPI(profile, new_and_mark, new_and_mark, &e);
  com::SysFreeString(profile);
  return mapi;
}

void BM_MapiSend1000(benchmark::State& state) {
  Setting s;
  IQnMAPI* mapi = logged_on(false);
  com::BSTR dir = text(s.in.string());
  mapi->put_AttachDir(dir);
  com::SysFreeString(dir);
  send_all(state, mapi, s);
  mapi->Release();
}

void BM_MapiReceive1000(benchmark::State& state) {
  Setting s;
  IQnMAPI* mapi = logged_on(true);
  receive_all(state, mapi, s);
  mapi->Release();
}

void BM_OutlookSend1000(benchmark::State& state) {
  Setting s;
  auto* outlook = make<IQnOutlook, CQnOutlook>(IID_IQnOutlook);
  com::BSTR dir = text(s.in.string());
  outlook->put_AttachDir(dir);
  com::SysFreeString(dir);
  send_all(state, outlook, s);
  outlook->Release();
}

void BM_OutlookReceive1000(benchmark::State& state) {
  Setting s;
  auto* outlook = make<IQnOutlook, CQnOutlook>(IID_IQnOutlook);
  receive_all(state, outlook, s);
  outlook->Release();
}

BENCHMARK(BM_MapiSend1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MapiReceive1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OutlookSend1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OutlookReceive1000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
