// A property object: the current values of the properties of one page of
// definitions. Defaults are computed from the definitions and their
// dependencies on every read while a property follows its default; a value
// set by name or index, or applied from the saved values, is validated and
// kept.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "config/properties/prop_defs.h"
#include "config/properties/prop_handlers.h"
#include "config/properties/prop_interfaces.h"
#include "config/properties/variant_value.h"

namespace qn::config {

class CPropSavedValues;

// State bits of GetValueAndState.
enum : int {
  kStateDisabled = 0x1,
  kStateHidden = 0x2,
  kStateBit8 = 0x8,
  kStateModified = 0x10,
  kStateUseDefault = 0x20,
  kStateRequired = 0x40,
  kStateRgb = 0x1000,
};

// An OLE colour as an RGB value: system colours (0x80 in the high byte)
// through the fixed table, palette-relative values as their RGB part.
// False for a colour that does not translate.
bool TranslateOleColour(uint32_t colour, uint32_t& rgb);

class CObjWithProp : public iProperties,
                     public iPropDefinition,
                     public iPropAccess,
                     public iObjPropVals {
 public:
  // Takes the page; null makes an object without definitions.
  explicit CObjWithProp(std::unique_ptr<CPropDefList> page);
  ~CObjWithProp() override;
  CObjWithProp(const CObjWithProp&) = delete;
  CObjWithProp& operator=(const CObjWithProp&) = delete;

  // Links the object's handlers to the manager's and computes the defaults
  // again.
  void LinkHandlers(CPropHandlerContainer& parent);

  CPropDefList* page() { return page_.get(); }
  int count() const { return count_; }
  CPropHandlerContainer& handlers() { return handlers_; }

  VariantValue GetValue(const CPropDefBase& d);
  VariantValue GetDefault(const CPropDefElem& e);
  bool Store(const CPropDefBase& d, VariantValue& dest, const VariantValue& src);
  bool ValuesEqual(const CPropDefBase& d, const com::VARIANT& a, const com::VARIANT& b);
  std::string GetValueText(const CPropDefBase& d, const com::VARIANT* value = nullptr);
  bool Validate(const CPropDefElem& e, const com::VARIANT& value, std::string* message);
  bool IsEnabled(const CPropDefBase& d);
  bool IsOptional(const CPropDefBase& d);
  // The choices left after the true exclusions, as indexes into the stored ones.
  const std::vector<int>& AvailableChoices(const CPropDefElem& e);
  void ApplySavedValue(const CPropSavedValues& saved, int notify, int overwrite);
  // A font group's value: a new font from its members' stored values; and
  // the reverse, a font's properties into the members of those names.
  VariantValue FontValue(const CPropDefList& group);
  void SetFontMembers(const CPropDefList& group, const com::VARIANT& font);

  // iProperties
  std::string GetName() override;
  int GetCount() override { return count_; }
  bool GetPropertyInfo(int index, std::string& caption, std::string& description, int& editor_kind,
                       int& parent_index) override;
  bool GetValueAndState(int index, com::VARIANT& value, int& state) override;
  int SetValueAt(int index, const com::VARIANT& value, int& referenced) override;
  int SetUseDefaultAt(int index, int flag, int& referenced) override;
  void ListValuesAt(int index, iPropValues* sink) override;
  iCustomProp* GetCustomHandlerAt(int index, int number) override;
  int CheckRequired(int& index) override;
  iProperties* GetSubProperties(int) override { return nullptr; }
  void TakeSnapshot() override;

  // iPropDefinition
  std::string GetNameAt(int index) override;
  int GetKindByName(const std::string& name) override;
  int GetKindAt(int index) override;
  void GetValueByName(com::VARIANT& value, const std::string& name) override;
  void GetDefaultByName(com::VARIANT& value, const std::string& name) override;
  int GetUseDefaultByName(const std::string& name) override;
  int SetValueByName(const std::string& name, const com::VARIANT& value) override;
  void SetUseDefaultByName(const std::string& name, int flag) override;
  std::string GetCustomTypeByName(const std::string& name) override;
  int HasName(const std::string& name) override;

  // iPropAccess
  iProperties* GetProperties() override { return this; }
  iPropDefinition* GetDefinition() override { return this; }
  CIter<iPropAccess*>* GetChildren() override { return nullptr; }

  // iObjPropVals
  void MarkReferenced(const std::string& name) override;
  DefaultProvider FindDefaultProvider(const std::string& name, void*& context) override;
  EnabledHandler FindEnabledHandler(const std::string& name, void*& context) override;
  VisibleHandler FindVisibleHandler(const std::string& name, void*& context) override;
  ValidationHandler FindValidationHandler(const std::string& name, void*& context) override;

 private:
  CPropDefBase* at(int index) const;
  CPropDefBase* named(const std::string& name) const;
  int EditorKind(const CPropDefBase& d) const;
  void RecomputeDefaults();
  static void OnRegistryChange(void* data, const std::string* name);

  std::unique_ptr<CPropDefList> page_;
  int count_ = 0;
  std::vector<CPropDefBase*> by_index_;
  std::vector<int> use_default_, is_default_, referenced_, snap_use_default_;
  std::vector<VariantValue> values_, fixed_, snap_values_;
  std::vector<char> computing_;  // a default being computed (conditions may come back to it)
  CPropHandlerContainer handlers_;
};

}  // namespace qn::config
