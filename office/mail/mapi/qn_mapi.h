// CQnMAPI: the mail back-end of the facade's mode 'M'. It drives the MAPI
// session server "MAPI.Session" late-bound: logs on to a profile, sends
// through the Outbox and asks for delivery, walks to a folder by a path and
// reads its messages one by one, saving attachments into AttachDir.
//
// Folder paths use '\'. A path's first part may be ".", "..", or one of the
// default folder names ("*Inbox", "*Outbox", "*Sent Items", "*Deleted
// Items"); every part may be ".." (the parent), empty (the level of the
// information stores) or a name: of an information store at that level,
// else of a subfolder (case-sensitive). The current directory is put back
// after every member, since the session may change it.
#pragma once

#include "office/mail/automation_backend.h"
#include "office/mail/server_calls.h"

namespace qn::office {

class CQnMAPI final : public AutomationMailBackend<IQnMAPI> {
 public:
  explicit CQnMAPI(com::IUnknown* outer);
  // Turns DisplayMessages off and logs off.
  ~CQnMAPI() override;

  HRESULT LoginMAPI(BSTR Profile, SHORT NewMessages, SHORT MarkAsRead, SHORT* nError) override;
  HRESULT Logout(SHORT* nError) override;
  HRESULT Send(BSTR To, BSTR CC, BSTR BCC, BSTR Subject, BSTR Text, BSTR Attachs,
               SHORT* nError) override;
  HRESULT Receive(BSTR* From, BSTR* To, BSTR* CC, BSTR* Subject, BSTR* Text, BSTR* Attachs,
                  DATE* DateSent, DATE* DateReceived, SHORT* nError) override;
  HRESULT put_AddressFormat(SHORT value) override { return address_format_put(value); }
  HRESULT put_AttachDir(BSTR value) override { return attach_dir_put(value); }
  HRESULT put_EditWindow(SHORT value) override { return edit_window_put(value); }
  HRESULT put_DisplayMessages(SHORT value) override { return display_put(value); }
  HRESULT get_Error(SHORT* value) override { return error_get(value); }
  HRESULT get_Count(LONG* value) override;
  HRESULT ChangeFolder(BSTR FolderName, SHORT NewMessages, SHORT MarkAsRead,
                       SHORT* nError) override;

 private:
  MailResult change_folder(const std::string& path, short new_messages, short mark_as_read);
  // The folder above f: a folder, or empty at the level of the stores.
  Object parent_of(com::IDispatch* f);
  // Name " (" address ")" of an address entry, as AddressFormat says.
  std::string entry_text(com::IDispatch* entry);
  void drop_session();

  Object session_;
  Object folder_;    // the folder opened last; empty at the level of the stores
  Object messages_;  // its messages
  bool top_level_ = false;
};

}  // namespace qn::office
