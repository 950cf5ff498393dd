// The property definitions of the archive: the object directory, object-id
// sets, condition expressions, dependencies, and the tree of definition
// lists (groups) and definition elements (properties).
//
// Each class reads and writes its part of the archive in one Serialize, the
// derived classes after their base. Every part keeps the version it was read
// with (or set to), and writes that layout again.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "config/properties/archive.h"
#include "config/properties/prop_interfaces.h"
#include "config/properties/prop_iter.h"
#include "config/properties/variant_value.h"

namespace qn::config {

// Definition kinds.
enum : int {
  kKindRoot = 1,
  kKindObject = 2,
  kKindPage = 3,
  kKindGroup = 4,
  kKindText = 5,
  kKindInteger = 6,
  kKindTextChoice = 7,
  kKindNumberChoice = 8,
  kKindColour = 9,
  kKindYesNo = 10,
  kKindTextNumParam = 11,
  kKindTextTextParam = 12,
  kKindValueNumParam = 13,
  kKindCustom = 14,
};

// Definition flags.
enum : uint32_t {
  kFlagRequired = 0x1,
  kFlagHidden = 0x2,
  kFlagDisabled = 0x4,
  kFlagHidden2 = 0x8,
  kFlagEnciphered = 0x10000,
  kFlagStateBit8 = 0x200000,
  kFlagDefaultProvider = 0x100000,
  kFlagEnabledHandler = 0x400000,
  kFlagVisibleHandler = 0x800000,
  kFlagValidationHandler = 0x1000000,
  kFlagRgbColour = 0x2000000,
  kFlagChangeHandler = 0x4000000,
};

// Dependency kinds.
enum : int {
  kDepHidden = 0,
  kDepDefault = 1,
  kDepExclude = 2,
  kDepDisabled = 3,
  kDepState8 = 4,
  kDepRequired = 5,
  kDepDefaultFrom = 8,
  kDepRgb = 9,
  kDepVisible = 10,
};

// Expression ops.
enum : uint32_t {
  kOpEq = 1,
  kOpNe = 2,
  kOpGt = 4,
  kOpGe = 8,
  kOpLt = 16,
  kOpLe = 32,
  kOpTrue = 0x8000,
  kOpOr = 0x10000,
  kOpAnd = 0x20000,
  kOpNot = 0x40000,
  kOpGroup = 0x10000000,
  kOpFalse = 0x20000000,
  kOpObject = 0x40000000,
  kOpEmpty = 0x80000000,
};

// A value with no bound.
inline constexpr int32_t kNoBound = 0x12345678;

class CPropObjIdList {
 public:
  uint16_t version = 0;
  bool complement = false;
  std::vector<std::string> names;

  static CPropObjIdList All() { return CPropObjIdList{0, true, {}}; }
  static CPropObjIdList Of(std::vector<std::string> n) {
    return CPropObjIdList{0, false, std::move(n)};
  }

  void Serialize(CArchive& ar);

  int Find(const std::string& name) const;
  bool Contains(const std::string& name) const;
  bool IsNonEmpty() const { return complement || !names.empty(); }
  bool IsAll() const { return complement && names.empty(); }
  bool IsExplicit() const { return !complement; }
  void Add(const std::string& name);
  bool Equals(const CPropObjIdList& other) const;
  bool NotEquals(const CPropObjIdList& other) const { return !Equals(other); }
  CPropObjIdList Intersect(const CPropObjIdList& other) const;
  CPropObjIdList Unite(const CPropObjIdList& other) const;
  void UniteWith(const CPropObjIdList& other) { *this = Unite(other); }
  void Subtract(const CPropObjIdList& other);
  bool Meets(const CPropObjIdList& other) const { return Intersect(other).IsNonEmpty(); }
};

struct CPDOAtt {
  int32_t number = -1;
  std::string description;
  std::string parent;
  uint32_t reserved = 0;
};

// The object directory: definition object name -> record.
class CPropDefObjs {
 public:
  uint16_t version = 0;

  void Serialize(CArchive& ar);
  // Adds or replaces an entry (keeps the first place of a name).
  void Set(const std::string& name, CPDOAtt att);
  const CPDOAtt* Lookup(const std::string& name) const;
  // The name and its ancestors, as far as they are in the directory.
  CPropObjIdList GetObjectChain(const std::string& name) const;
  const CPropObjIdList& ids() const { return ids_; }
  const std::vector<std::string>& order() const { return order_; }

 private:
  std::map<std::string, CPDOAtt> entries_;
  std::vector<std::string> order_;
  CPropObjIdList ids_;
};

class CPropDefBase;

class CPropDefExpr {
 public:
  uint16_t version = 0;
  uint32_t op = kOpEmpty;
  std::string object_name;
  bool result = false;
  std::string name;  // property or group
  VariantValue constant;
  std::unique_ptr<CPropDefExpr> left, right;

  void Serialize(CArchive& ar);
  std::unique_ptr<CPropDefExpr> Clone() const;
  bool Equals(const CPropDefExpr& other) const;
  bool Evaluate(iObjPropVals& values, const CPropDefBase* context) const;
  void SetObjectTests(const CPropObjIdList& ids, bool value);
  void Bind(iObjPropVals& values) const;
};

class CPropDefDepend {
 public:
  uint16_t version = 0;
  int32_t kind = 7;
  std::unique_ptr<CPropDefExpr> expr = std::make_unique<CPropDefExpr>();
  VariantValue value;

  void Serialize(CArchive& ar);
  // The form of version-0 elements: no version word.
  void SerializeOld(CArchive& ar);
  std::unique_ptr<CPropDefDepend> Clone() const;
  bool Equals(const CPropDefDepend& other) const;
  bool Test(int k, iObjPropVals& values, const CPropDefBase* context) const;
};

class CPropDefList;

class CPropDefBase : public iPropDefObj {
 public:
  uint16_t base_version = 1;
  int32_t kind = 0;
  std::string name, caption, description;
  CPropObjIdList ids = CPropObjIdList::All();
  uint32_t flags = 0;
  std::vector<std::unique_ptr<CPropDefDepend>> depends;
  int index = -1;
  bool active = true;
  CPropDefList* parent = nullptr;

  // Slot order of the definition classes.
  virtual const char* GetRuntimeClass() const = 0;
  ~CPropDefBase() override = default;
  virtual void Serialize(CArchive& ar);
  virtual void AssertValid() const {}
  virtual void Dump() const {}
  virtual bool IsList() const = 0;
  virtual std::unique_ptr<CPropDefBase> Clone() const = 0;
  virtual void AssignIndex(int& counter) = 0;
  virtual CPropDefBase* FindByName(const std::string& n) = 0;
  virtual CPropDefBase* FindByNameFor(const std::string& n, const CPropObjIdList* for_ids) = 0;
  virtual CPropDefBase* FindByIndex(int i) = 0;
  virtual void Activate(const CPropObjIdList& for_ids);
  virtual void Deactivate(const CPropObjIdList& for_ids);
  virtual bool Equals(const CPropDefBase& other) const;
  virtual bool IsVisible(iObjPropVals& values) const;
  virtual void CollectIds(CPropObjIdList& set) const;

  CPropObjIdList EffectiveIds() const;
  int AnyDependTrue(int k, iObjPropVals& values, int def) const;
  std::string DisplayCaption() const { return caption.empty() ? name : caption; }
  bool IsListKind() const { return kind <= kKindGroup; }

  // iPropDefObj
  std::string GetName() override { return name; }
  std::string GetDisplayCaption() override { return DisplayCaption(); }
  std::string GetDescription() override { return description; }
  int GetKind() override { return kind; }
  iPropDefObj* GetParent() override;

 protected:
  void CopyBaseTo(CPropDefBase& to) const;
  bool OwnVisible(iObjPropVals& values) const;
};

class CPropDefList : public CPropDefBase {
 public:
  uint16_t list_version = 2;
  std::vector<std::unique_ptr<CPropDefBase>> children;
  Guid type_id, second_id;

  CPropDefList() = default;
  const char* GetRuntimeClass() const override { return "CPropDefList"; }
  void Serialize(CArchive& ar) override;
  bool IsList() const override { return true; }
  std::unique_ptr<CPropDefBase> Clone() const override;
  void AssignIndex(int& counter) override;
  CPropDefBase* FindByName(const std::string& n) override;
  CPropDefBase* FindByNameFor(const std::string& n, const CPropObjIdList* for_ids) override;
  CPropDefBase* FindByIndex(int i) override;
  void Activate(const CPropObjIdList& for_ids) override;
  void Deactivate(const CPropObjIdList& for_ids) override;
  bool Equals(const CPropDefBase& other) const override;
  bool IsVisible(iObjPropVals& values) const override;
  void CollectIds(CPropObjIdList& set) const override;

  bool IsFont() const { return kind == kKindGroup && type_id == kFontDispId; }
  CPropDefBase* Add(std::unique_ptr<CPropDefBase> child);
  // Gathers the children whose kind is not `keep_kind` into a new list of
  // `new_kind` captioned "General", placed first when it received any.
  void GatherLoose(int keep_kind, int new_kind);

  Guid GetSecondId() override { return second_id; }
  Guid GetTypeId() override { return type_id; }
  CIter<iPropDefObj*>* GetChildren() override;

 private:
  std::unique_ptr<CIter<iPropDefObj*>> child_iter_;
};

struct CPropChoice {
  VariantValue value;
  std::string caption, description;
};

class CPropDefElem : public CPropDefBase {
 public:
  uint16_t elem_version = 2;
  VariantValue default_value;
  int32_t minimum = kNoBound, maximum = kNoBound;
  std::vector<CPropChoice> choices;
  uint32_t param11 = 0;
  uint32_t param13 = 0;
  std::string text_param;   // kind 12
  std::string custom_type;  // kind 14
  uint16_t value_type = 0xFFFF;
  std::vector<std::string> aliases;
  mutable std::vector<int> display_order;

  const char* GetRuntimeClass() const override { return "CPropDefElem"; }
  void Serialize(CArchive& ar) override;
  bool IsList() const override { return false; }
  std::unique_ptr<CPropDefBase> Clone() const override;
  void AssignIndex(int& counter) override;
  CPropDefBase* FindByName(const std::string& n) override;
  CPropDefBase* FindByNameFor(const std::string& n, const CPropObjIdList* for_ids) override;
  CPropDefBase* FindByIndex(int i) override;
  bool Equals(const CPropDefBase& other) const override;

  // The stored type word, or the kind's type.
  com::VARTYPE ValueType() const;
  CIter<const char*>* GetAliases();

  Guid GetSecondId() override { return {}; }
  Guid GetTypeId() override { return {}; }
  CIter<iPropDefObj*>* GetChildren() override { return nullptr; }

 private:
  std::vector<const char*> alias_ptrs_;
  std::unique_ptr<CIter<const char*>> alias_iter_;
};

// The value type of a kind when the type word is 0xFFFF.
com::VARTYPE KindValueType(int kind);

// The archive's whole content: the directory and the root list.
struct PropArchive {
  CPropDefObjs objects;
  std::unique_ptr<CPropDefList> root;
};
PropArchive ReadPropArchive(std::span<const uint8_t> bytes);
std::vector<uint8_t> WritePropArchive(PropArchive& archive);

// Selects the object definition for the chain: gathers the root's loose
// children into "General", takes the last object definition that meets the
// chain and activates it. Null when none meets it.
CPropDefList* SelectObjectDefinition(CPropDefList& root, const CPropObjIdList& chain);

}  // namespace qn::config
