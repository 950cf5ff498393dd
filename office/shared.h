// Routines and constants the module's classes share.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "platform/com/dispatch.h"
#include "platform/com/variant.h"

namespace qn::office {

// Arguments of automation calls: 16-bit 1 and 0 (not VT_BOOL), and the
// value a server reads as "argument not given" (VT_ERROR
// DISP_E_PARAMNOTFOUND). Callers pass copies.
extern const com::VARIANT VariantTrue;
extern const com::VARIANT VariantFalse;
extern const com::VARIANT VariantMissing;

// A new BSTR from a Windows-1252 text: length bytes, or with -1 the whole
// text up to its terminating zero (not included). The caller owns the BSTR.
com::BSTR AnsiToBstr(const char* text, int length);

// Argument lists of automation calls: n copies of VariantMissing, a flag as
// VariantTrue or VariantFalse, and lists joined in order.
std::vector<com::VARIANT> missing_args(size_t n);
com::VARIANT flag_variant(bool on);
std::vector<com::VARIANT> concat(std::initializer_list<std::vector<com::VARIANT>> parts);

// Whether a file (not a folder) of that name exists; a relative name is
// taken from the process's current directory.
bool file_exists(const std::string& name);

// A VT_BSTR VARIANT holding a copy of s, every unit as given (no pass
// through the code page).
com::VARIANT bstr_variant(com::BSTR s);

// Whether a BSTR holds a NUL before its end (a name no file or sheet has).
bool has_nul(com::BSTR s);

// The file-name rule of the document classes: blanks around the name go;
// an empty name is refused (false). A name whose last "." follows its last
// "\" or "/" keeps its extension; any other gets extension appended.
bool complete_file_name(std::string* name, std::string_view extension);

// The arguments of a macro run: the macro's name, then a copy of each
// argument, where a VT_BOOL one (a flag the caller left unset) is passed as
// VariantMissing.
std::vector<com::VARIANT> macro_arguments(com::VARIANT name,
                                          std::initializer_list<const com::VARIANT*> args);

// The message of a document class's code: messages[code], followed by
// detail when the message ends with a blank ("Invalid handle: 3"); empty for
// a code outside the table or 0.
std::string message_text(const char* const messages[], size_t count, short code,
                         const std::string& detail);

// Makes the automation object of a ProgID in-process and hands out its
// IDispatch. The module carries its own copy of the component layer, whose
// per-thread initialisation a host's own copy does not reach; the calling
// thread is initialised here for the length of the creation.
com::HRESULT create_automation_object(const char* prog_id, com::IDispatch** out);

// The module's message box: the text with an OK button.
void show_message(const std::string& text);

}  // namespace qn::office
