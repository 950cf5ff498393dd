// The work QnWord and its Word 97 companion share: one connection to the
// automation server "Word.Application", the open documents and their
// handles, and every member that acts on a document, in either object model
// (the newer one, whose document collection opens with 12 arguments and adds
// with 4, or the Word 97 one).
//
// Outcomes follow the module's result convention; the code and the
// DisplayMessages switch live here, and the two classes answer Error and take
// DisplayMessages from them. Codes (texts in word_documents.cpp): 1 to 9 for
// the newer model, 1 to 8 for Word 97.
#pragma once

#include <string>

#include "office/excel/handles.h"
#include "platform/com/late_call.h"

namespace qn::office {

class WordDocuments {
 public:
  enum class Model { kCurrent, kWord97 };

  explicit WordDocuments(Model model);
  ~WordDocuments();
  WordDocuments(const WordDocuments&) = delete;
  WordDocuments& operator=(const WordDocuments&) = delete;

  // ---- the connection

  // Makes the application; false after the message box when it cannot be
  // made (whatever DisplayMessages says).
  bool create_app();
  // Whether the application offers the newer object model (its probe
  // member answers).
  bool has_current_model();
  // Lets the application go without quitting it.
  void drop_app();
  // No document, no handle; the object counts as connected.
  void mark_connected();
  bool connected() const { return connected_; }
  // Whether the application still answers; drops documents that do not.
  bool check_app();

  // ---- the members; each leaves its outcome in code()

  // Opens or creates the document and issues its handle (-1 on failure).
  // The Word 97 model connects here; the newer one expects its owner to
  // have connected.
  void open(com::BSTR name, com::SHORT* handle);
  void show(int h);
  void hide(int h);
  void close(int h);
  void print_out(int h, com::SHORT preview, com::SHORT background);
  void put(int h, com::BSTR text, com::SHORT append);
  void get(int h, com::BSTR* text);
  void replace(int h, com::BSTR old_text, com::BSTR new_text, com::SHORT match_case,
               com::SHORT whole_word);
  void spell_check(int h);
  void save(int h);
  void save_as(int h, com::BSTR name, com::BSTR type, com::SHORT dos_text, com::SHORT line_breaks);
  // Newer model only: args are the macro's name and its 30 arguments.
  void run_macro(int h, com::BSTR macro, std::initializer_list<const com::VARIANT*> args,
                 com::VARIANT* result);
  // The document of a valid handle with one more reference, else null.
  com::IDispatch* document(int h);

  // What destruction does: every handle closed without a message, the
  // application quit while connected, and released.
  void close_all();

  // ---- settings and outcome

  com::SHORT code() const { return code_; }
  void set_display(com::SHORT on) { display_ = on; }
  com::SHORT display() const { return display_; }
  void set_read_only(com::SHORT on) { read_only_ = on; }
  com::SHORT read_only() const { return read_only_; }
  // Stored as given; a name longer than one character gets ".dot" unless
  // it has an extension (blanks only: code 5 and no template).
  void set_template(com::BSTR name);
  const std::string& template_name() const { return template_; }

 private:
  void error(com::SHORT code, const std::string& detail = {});
  bool check_handle(int h);
  void remove_handle(int h);
  void quit();
  bool open_or_create(com::BSTR name, com::Ref<com::IDispatch>* document);
  // Each window of the document, from the last to the first.
  template <class F>
  com::HRESULT each_window(int h, F visit);
  com::HRESULT set_windows_visible(int h, bool visible);
  bool update_visible();                             // Word 97
  com::HRESULT set_window_state(int h, bool shown);  // Word 97
  com::HRESULT content(int h, com::Ref<com::IDispatch>* range);

  const Model model_;
  com::Ref<com::IDispatch> app_;
  HandleTable docs_;
  bool connected_ = false;
  com::SHORT code_ = 0;
  com::SHORT display_ = 0;
  std::string template_;
  com::SHORT read_only_ = 0;
};

}  // namespace qn::office
