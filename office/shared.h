// Routines and constants the module's classes share.
#pragma once

#include <string>

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

// The module's message box: the text with an OK button.
void show_message(const std::string& text);

}  // namespace qn::office
