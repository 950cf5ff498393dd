// The font value of a font group: a font-description object reached late
// bound. Its default member is its Name, so the value reads as its name.
#pragma once

#include <atomic>
#include <string>

#include "platform/com/dispatch.h"
#include "platform/com/variant.h"

namespace qn::config {

// The interface id of the font object, as com's IID.
inline constexpr com::IID IID_IFontDisp{
    0xBEF6E003, 0xA874, 0x101A, {0x8B, 0xBA, 0x00, 0xAA, 0x00, 0x30, 0x0C, 0xAB}};

// The font description a font is made from.
struct FontDesc {
  std::string name;
  com::CY size{0};
  com::SHORT weight = 400;
  com::SHORT charset = 0;
  bool italic = false, underline = false, strikethrough = false;
};

class CPropFont final : public com::IDispatch {
 public:
  // A new font with one reference.
  static CPropFont* Create(const FontDesc& desc);
  const FontDesc& desc() const { return desc_; }

  // The members by name ("Name", "Size", "Bold", ...), case-insensitive; false for others.
  static bool MemberNumber(const std::string& name, com::DISPID& id);
  bool Get(com::DISPID id, com::VARIANT& out) const;

  com::HRESULT QueryInterface(com::REFIID iid, void** out) override;
  com::ULONG AddRef() override { return ++refs_; }
  com::ULONG Release() override;
  com::HRESULT GetTypeInfoCount(com::UINT* count) override;
  com::HRESULT GetTypeInfo(com::UINT, com::LCID, com::ITypeInfo** out) override;
  com::HRESULT GetIDsOfNames(com::REFIID, com::OLECHAR** names, com::UINT count, com::LCID,
                             com::DISPID* ids) override;
  com::HRESULT Invoke(com::DISPID id, com::REFIID, com::LCID, com::WORD flags,
                      com::DISPPARAMS* params, com::VARIANT* result, com::EXCEPINFO*,
                      com::UINT*) override;

 private:
  explicit CPropFont(const FontDesc& desc) : desc_(desc) {}
  ~CPropFont() = default;
  FontDesc desc_;
  std::atomic<com::ULONG> refs_{1};
};

}  // namespace qn::config
