#include "office/mail/qn_internet.h"

#include "office/mail/internet_mail.h"

namespace qn::office {
namespace {

std::string text(BSTR b) { return com::text_1252_of(b); }

void put_text(BSTR* out, const std::string& value) {
  if (!out) return;
  *out = com::bstr_from_1252(value);
}

}  // namespace

CQnInternet::~CQnInternet() {
  display_messages_ = 0;
  internet_close_sessions();
}

HRESULT CQnInternet::finish(const MailResult& result, SHORT* nError) {
  set_error(static_cast<short>(result.code), internet_error_text());
  if (nError) *nError = error_;
  return com::S_OK;
}

HRESULT CQnInternet::LoginSMTP(BSTR Server, BSTR FromName, BSTR FromAddress, BSTR UserName,
                               BSTR Password, SHORT Timeout, SHORT* nError) {
  return finish(internet_login_smtp(text(Server), text(FromName), text(FromAddress), text(UserName),
                                    text(Password), Timeout),
                nError);
}

HRESULT CQnInternet::Logout(SHORT* nError) { return finish(internet_logout(), nError); }

HRESULT CQnInternet::put_DisplayMessages(SHORT value) {
  if (value == 0 || value == 1) return display_messages_put(value);
  internet_refuse_display_messages(value);
  return com::S_OK;
}

HRESULT CQnInternet::Send(BSTR To, BSTR CC, BSTR BCC, BSTR Subject, BSTR Text, BSTR Attachs,
                          SHORT* nError) {
  return finish(
      internet_send(text(To), text(CC), text(BCC), text(Subject), text(Text), text(Attachs)),
      nError);
}

HRESULT CQnInternet::LoginPOP3(BSTR Server, BSTR UserName, BSTR Password, SHORT NewMessages,
                               SHORT Delete, SHORT Timeout, SHORT* nError) {
  return finish(internet_login_pop3(text(Server), text(UserName), text(Password), NewMessages != 0,
                                    Delete != 0, Timeout),
                nError);
}

HRESULT CQnInternet::Receive(BSTR* From, BSTR* To, BSTR* CC, BSTR* Subject, BSTR* Text,
                             BSTR* Attachs, DATE* DateSent, DATE* DateReceived, SHORT* nError) {
  InternetMessage m;
  const MailResult r = internet_receive(m);
  if (r.code == 0 || r.code == 16) {
    put_text(From, m.from);
    put_text(To, m.to);
    put_text(CC, m.cc);
    put_text(Subject, m.subject);
    if (DateSent) *DateSent = m.date_sent;
    if (DateReceived) *DateReceived = m.date_received;
    put_text(Attachs, m.attachs);
    put_text(Text, m.text);
  }
  return finish(r, nError);
}

HRESULT CQnInternet::put_AddressFormat(SHORT value) {
  return finish(internet_set_address_format(value), nullptr);
}

HRESULT CQnInternet::get_Count(LONG* value) {
  long count = 0;
  const MailResult r = internet_count(count);
  if (value) *value = r.code == 0 ? static_cast<LONG>(count) : 0;
  return finish(r, nullptr);
}

HRESULT CQnInternet::put_AttachDir(BSTR value) {
  return finish(internet_set_attach_dir(text(value)), nullptr);
}

}  // namespace qn::office
