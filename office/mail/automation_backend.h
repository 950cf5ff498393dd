// What the back-ends that drive a mail server through automation (MAPI and
// Outlook) share: the settings a program assigns, the reading position of
// the folder opened last, the current directory kept across each member,
// and the error convention: the code is kept for Error and, while
// DisplayMessages is on, a non-zero code is shown with its text and value.
#pragma once

#include <string>
#include <string_view>

#include "office/co_object.h"
#include "office/mail/current_dir_guard.h"
#include "office/mail/mail_errors.h"
#include "office/mail/mail_result.h"
#include "office/mime/mail_values.h"

namespace qn::office {

// The names of the default folders a path may start with, each with its
// number in the MAPI session and in Outlook (0: not a MAPI default folder).
// Made when the module loads and freed when it unloads.
struct DefaultFolderName {
  std::string name;
  int mapi;
  int outlook;
};
extern const DefaultFolderName kDefaultFolderNames[5];

// The default folder a path part names, or null.
const DefaultFolderName* default_folder_named(std::string_view part);

// One received message, as Receive hands it out.
struct ReceivedMail {
  std::string from, to, cc, subject, text, attachs;
  double sent = 0, received = 0;  // automation dates

  // Writes each value to its output that is given (new texts, the caller's).
  void hand_out(com::BSTR* From, com::BSTR* To, com::BSTR* CC, com::BSTR* Subject,
                com::BSTR* Text, com::BSTR* Attachs, com::DATE* DateSent,
                com::DATE* DateReceived) const;
};

template <class I>
class AutomationMailBackend : public CoObject<I> {
 protected:
  // max_display: the largest DisplayMessages value the class accepts, and
  // max_edit the largest EditWindow value.
  AutomationMailBackend(com::IUnknown* outer, const com::IID& iid, short max_display,
                        short max_edit)
      : CoObject<I>(outer, iid, true), max_display_(max_display), max_edit_(max_edit) {}

  void report(short code, std::string_view value = {}) {
    this->set_error(code, mail_error_message(code, value));
  }
  com::HRESULT finish(short code, std::string_view value, com::SHORT* nError) {
    report(code, value);
    if (nError) *nError = this->error_;
    return com::S_OK;
  }
  com::HRESULT finish(const MailResult& r, com::SHORT* nError) {
    return finish(static_cast<short>(r.code), r.value, nError);
  }
  void refuse(short value) { report(kMailInvalidValue, std::to_string(value)); }

  com::HRESULT address_format_put(com::SHORT value) {
    if (value < 0 || value > 2) {
      refuse(value);
    } else {
      report(kMailOk);
      address_format_ = value;
    }
    return com::S_OK;
  }
  com::HRESULT edit_window_put(com::SHORT value) {
    if (value < 0 || value > max_edit_) {
      refuse(value);
    } else {
      report(kMailOk);
      edit_window_ = value;
    }
    return com::S_OK;
  }
  // An accepted value sets no error.
  com::HRESULT display_put(com::SHORT value) {
    if (value < 0 || value > max_display_) {
      refuse(value);
      return com::S_OK;
    }
    return this->display_messages_put(value);
  }
  com::HRESULT attach_dir_put(com::BSTR value) {
    report(kMailOk);
    attach_dir_ = attach_dir_value(com::text_1252_of(value));
    return com::S_OK;
  }

  std::string attach_dir_;  // empty until assigned; then it ends with a separator
  short address_format_ = 2;
  short edit_window_ = 0;
  short new_messages_ = 0;
  short mark_as_read_ = 0;
  bool first_ = true;  // the next Receive starts at the first message
  CurrentDirKeeper cwd_;

 private:
  const short max_display_;
  const short max_edit_;
};

}  // namespace qn::office
