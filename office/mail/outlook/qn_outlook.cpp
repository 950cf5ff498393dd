#include "office/mail/outlook/qn_outlook.h"

#include <mutex>

#include "office/shared.h"

namespace qn::office {
namespace {

using namespace com;

constexpr DISPID kMailCategories = 36865;

HRESULT make_companion(IQnOutlook97** out) {
  return CQnOutlook97::create<CQnOutlook97>(nullptr, IID_IQnOutlook97,
                                            reinterpret_cast<void**>(out));
}

std::mutex g_maker_mutex;
CQnOutlook::CompanionMaker g_maker = make_companion;

}  // namespace

CQnOutlook::CompanionMaker CQnOutlook::set_companion_maker(CompanionMaker maker) {
  std::lock_guard lock(g_maker_mutex);
  std::swap(g_maker, maker);
  if (!g_maker) g_maker = make_companion;
  return maker;
}

CQnOutlook::~CQnOutlook() {
  if (companion_) companion_->Release();
}

bool CQnOutlook::switch_to_companion() {
  CompanionMaker make;
  {
    std::lock_guard lock(g_maker_mutex);
    make = g_maker;
  }
  IQnOutlook97* made = nullptr;
  if (FAILED(make(&made)) || !made) {
    show_message("Couldn't CreateDispatch on QnOutlok97.");
    return false;
  }
  // The companion goes on with what the program assigned so far.
  made->put_DispayMessages(display_messages_);
  made->put_AddressFormat(address_format_);
  made->put_EditWindow(edit_window_);
  if (!attach_dir_.empty()) {
    BSTR dir = bstr_from_1252(attach_dir_);
    made->put_AttachDir(dir);
    SysFreeString(dir);
  }
  companion_ = made;
  folder_.reset();
  items_.reset();
  return true;
}

HRESULT CQnOutlook::Send(BSTR To, BSTR CC, BSTR BCC, BSTR Subject, BSTR Text, BSTR Attachs,
                         SHORT* nError) {
  auto in = cwd_.enter();
  if (!companion_ && send(To, CC, BCC, Subject, Text, Attachs, nError)) return S_OK;
  return companion_->Send(To, CC, BCC, Subject, Text, Attachs, nError);
}

HRESULT CQnOutlook::Receive(BSTR* From, BSTR* To, BSTR* CC, BSTR* Subject, BSTR* Text,
                            BSTR* Attachs, DATE* DateSent, DATE* DateReceived, SHORT* nError) {
  auto in = cwd_.enter();
  if (!companion_ &&
      receive(From, To, CC, Subject, Text, Attachs, DateSent, DateReceived, nError)) {
    return S_OK;
  }
  return companion_->Receive(From, To, CC, Subject, Text, Attachs, DateSent, DateReceived, nError);
}

HRESULT CQnOutlook::ChangeFolder(BSTR FolderName, SHORT NewMessages, SHORT MarkAsRead,
                                 SHORT* nError) {
  auto in = cwd_.enter();
  if (!companion_ && change_folder(FolderName, NewMessages, MarkAsRead, nError)) return S_OK;
  return companion_->ChangeFolder(FolderName, NewMessages, MarkAsRead, nError);
}

HRESULT CQnOutlook::get_Count(LONG* value) {
  auto in = cwd_.enter();
  if (!companion_ && count(value)) return S_OK;
  return companion_->get_Count(value);
}

HRESULT CQnOutlook::put_DisplayMessages(SHORT value) {
  return companion_ ? companion_->put_DispayMessages(value) : display_put(value);
}

HRESULT CQnOutlook::get_Error(SHORT* value) {
  return companion_ ? companion_->get_Error(value) : error_get(value);
}

HRESULT CQnOutlook::put_EditWindow(SHORT value) {
  return companion_ ? companion_->put_EditWindow(value) : edit_window_put(value);
}

HRESULT CQnOutlook::put_AttachDir(BSTR value) {
  return companion_ ? companion_->put_AttachDir(value) : attach_dir_put(value);
}

HRESULT CQnOutlook::put_AddressFormat(SHORT value) {
  return companion_ ? companion_->put_AddressFormat(value) : address_format_put(value);
}

HRESULT CQnOutlook::GetCategories(BSTR* Categories) {
  if (!Categories) return E_POINTER;
  std::string text;
  if (item_) {
    auto in = cwd_.enter();
    try {
      text = get_text(item_.get(), kMailCategories);
    } catch (const ServerFailure&) {
      text.clear();  // no categories to give
    }
  }
  *Categories = bstr_from_1252(text);
  return S_OK;
}

}  // namespace qn::office
