// The scripted mail servers "MAPI.Session" and "Outlook.Application" of the
// module, over one MailStore: a message sent through one server is read
// through the other.
//
// Objects are named for the record by what they stand for: "session",
// "folder:Inbox", "messages:Inbox", "message:<subject>", "recipient2" (the
// second of its message), "entry:<name>", "attachment1", "application",
// "namespace", "items:Inbox", "item:<subject>".
//
// Besides the faults of the base (a call that fails, or answers a value of
// the wrong type), a test sets the store's own (MailStore::faults).
#pragma once

#include "tests/office_servers/mail_store.h"
#include "tests/office_servers/scripted_server.h"

namespace qn::office_servers {

ScriptedServer& mapi_server();
ScriptedServer& outlook_server();

// The store both servers serve. Replaced by reset_mail_store, which also
// resets both servers; only while no object of either is alive.
MailStore& mail_store();
void reset_mail_store();

// Whether "Outlook.Application" answers the probed member (the newer object
// model, the default) or lacks it (the older model QnOutlook97 serves, with
// its own members for sorting, finding, restricting and recipient types).
void set_outlook_newer_model(bool newer);

}  // namespace qn::office_servers
