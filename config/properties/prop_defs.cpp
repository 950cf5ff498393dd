#include "config/properties/prop_defs.h"

#include <algorithm>

#include "config/properties/qnextc.h"
#include "platform/cp1252.h"

namespace qn::config {

using namespace com;

// ---------------------------------------------------------------- object-id sets

namespace {

using Names = std::vector<std::string>;

bool has(const Names& a, const std::string& n) {
  return std::find(a.begin(), a.end(), n) != a.end();
}

Names add(Names a, const Names& b) {
  for (const auto& n : b) {
    if (!has(a, n)) a.push_back(n);
  }
  return a;
}

Names remove(const Names& a, const Names& b) {
  Names out;
  for (const auto& n : a) {
    if (!has(b, n)) out.push_back(n);
  }
  return out;
}

Names keep(const Names& a, const Names& b) {
  Names out;
  for (const auto& n : a) {
    if (has(b, n)) out.push_back(n);
  }
  return out;
}

}  // namespace

void CPropObjIdList::Serialize(CArchive& ar) {
  if (ar.IsLoading()) {
    version = ar.ReadWord();
    complement = ar.ReadDword() != 0;
    const uint32_t n = ar.ReadCount(1);
    names.clear();
    names.reserve(n);
    for (uint32_t i = 0; i < n; ++i) names.push_back(ar.ReadString());
  } else {
    ar.WriteWord(version);
    ar.WriteDword(complement ? 1 : 0);
    ar.WriteDword(static_cast<uint32_t>(names.size()));
    for (const auto& n : names) ar.WriteString(n);
  }
}

int CPropObjIdList::Find(const std::string& name) const {
  auto it = std::find(names.begin(), names.end(), name);
  return it == names.end() ? -1 : static_cast<int>(it - names.begin());
}

bool CPropObjIdList::Contains(const std::string& name) const {
  return (Find(name) >= 0) != complement;
}

void CPropObjIdList::Add(const std::string& name) {
  if (!complement) names.push_back(name);
}

bool CPropObjIdList::Equals(const CPropObjIdList& other) const {
  if (complement != other.complement || names.size() != other.names.size()) return false;
  for (const auto& n : other.names) {
    if (!has(names, n)) return false;
  }
  return true;
}

CPropObjIdList CPropObjIdList::Intersect(const CPropObjIdList& o) const {
  if (!complement && !o.complement) return {0, false, keep(names, o.names)};
  if (!complement && o.complement) return {0, false, remove(names, o.names)};
  if (complement && !o.complement) return {0, false, remove(o.names, names)};
  return {0, true, add(names, o.names)};
}

CPropObjIdList CPropObjIdList::Unite(const CPropObjIdList& o) const {
  if (!complement && !o.complement) return {0, false, add(names, o.names)};
  if (!complement && o.complement) return {0, true, remove(o.names, names)};
  if (complement && !o.complement) return {0, true, remove(names, o.names)};
  return {0, true, keep(names, o.names)};
}

void CPropObjIdList::Subtract(const CPropObjIdList& o) {
  const uint16_t v = version;
  if (!complement && !o.complement)
    *this = {v, false, remove(names, o.names)};
  else if (!complement && o.complement)
    *this = {v, false, keep(names, o.names)};
  else if (complement && !o.complement)
    *this = {v, true, add(names, o.names)};
  else
    *this = {v, false, remove(o.names, names)};
}

// ---------------------------------------------------------------- object directory

void CPropDefObjs::Set(const std::string& name, CPDOAtt att) {
  auto [it, inserted] = entries_.insert_or_assign(name, std::move(att));
  if (inserted) order_.push_back(name);
}

const CPDOAtt* CPropDefObjs::Lookup(const std::string& name) const {
  auto it = entries_.find(name);
  return it == entries_.end() ? nullptr : &it->second;
}

void CPropDefObjs::Serialize(CArchive& ar) {
  if (ar.IsLoading()) {
    version = ar.ReadWord();
    for (;;) {
      std::string name = ar.ReadString();
      if (name.empty()) break;
      CPDOAtt att;
      att.number = static_cast<int32_t>(ar.ReadDword());
      att.description = ar.ReadString();
      att.parent = ar.ReadString();
      Set(name, std::move(att));
      ids_.Add(name);
    }
  } else {
    ar.WriteWord(version);
    for (const auto& name : order_) {
      const CPDOAtt& att = entries_.at(name);
      ar.WriteString(name);
      ar.WriteDword(static_cast<uint32_t>(att.number));
      ar.WriteString(att.description);
      ar.WriteString(att.parent);
    }
    ar.WriteString("");
  }
}

CPropObjIdList CPropDefObjs::GetObjectChain(const std::string& start) const {
  CPropObjIdList chain;
  std::string name = start;
  // A parent named again (a cycle in the directory) ends the chain.
  while (!name.empty() && !chain.Contains(name)) {
    const CPDOAtt* att = Lookup(name);
    if (!att) break;
    chain.Add(name);
    name = att->parent;
  }
  return chain;
}

// ---------------------------------------------------------------- expressions

namespace {

enum class Layout { kObject, kGroup, kCompare, kLogical, kNone };

// The stored layout of an op.
Layout layout_of(uint32_t op) {
  if (op & kOpObject) return Layout::kObject;
  if (op & (kOpGroup | kOpFalse)) return Layout::kGroup;
  if (op & 0x3F) return Layout::kCompare;
  if (op & 0x70000) return Layout::kLogical;
  return Layout::kNone;
}

}  // namespace

void CPropDefExpr::Serialize(CArchive& ar) {
  CArchive::Nesting nesting(ar);
  if (ar.IsLoading()) {
    version = ar.ReadWord();
    op = ar.ReadDword();
  } else {
    ar.WriteWord(version);
    ar.WriteDword(op);
  }
  switch (layout_of(op)) {
    case Layout::kObject:
      if (ar.IsLoading()) {
        object_name = ar.ReadString();
        result = false;
      } else {
        ar.WriteString(object_name);
      }
      break;
    case Layout::kGroup:
      ar.Serialize(name);
      break;
    case Layout::kCompare:
      if (ar.IsLoading()) {
        name = ar.ReadString();
        ReadVariantFromArchive(ar, *constant);
      } else {
        ar.WriteString(name);
        WriteVariantToArchive(ar, *constant);
      }
      break;
    case Layout::kLogical:
      if (!left) left = std::make_unique<CPropDefExpr>();
      left->Serialize(ar);
      if (op != kOpNot) {
        if (!right) right = std::make_unique<CPropDefExpr>();
        right->Serialize(ar);
      }
      break;
    case Layout::kNone:
      break;
  }
}

std::unique_ptr<CPropDefExpr> CPropDefExpr::Clone() const {
  auto c = std::make_unique<CPropDefExpr>();
  c->version = version;
  c->op = op;
  c->object_name = object_name;
  c->result = result;
  c->name = name;
  c->constant = constant;
  if (left) c->left = left->Clone();
  if (right) c->right = right->Clone();
  return c;
}

bool CPropDefExpr::Equals(const CPropDefExpr& o) const {
  auto same = [](const std::unique_ptr<CPropDefExpr>& a, const std::unique_ptr<CPropDefExpr>& b) {
    return (!a && !b) || (a && b && a->Equals(*b));
  };
  return op == o.op && object_name == o.object_name && name == o.name &&
         CompareVariants(*constant, *o.constant) == kCmpEqual && same(left, o.left) &&
         same(right, o.right);
}

bool CPropDefExpr::Evaluate(iObjPropVals& values, const CPropDefBase* context) const {
  if (op & kOpObject) return result;
  if (op & kOpFalse) return false;
  if (op & kOpGroup) {
    for (const CPropDefBase* d = context; d; d = d->parent) {
      if (d->name == name) return true;
    }
    return false;
  }
  if (op & 0x3F) {
    VariantValue current;
    values.GetValueByName(*current, name);
    const int c = CompareVariants(*current, *constant);
    switch (op & 0x3F) {
      case kOpEq:
        return c == kCmpEqual;
      case kOpNe:
        return c != kCmpEqual;
      case kOpGt:
        return c == kCmpGreater;
      case kOpGe:
        return c == kCmpGreater || c == kCmpEqual;
      case kOpLt:
        return c == kCmpLess;
      case kOpLe:
        return c == kCmpLess || c == kCmpEqual;
      default:
        return false;
    }
  }
  if (op & 0xC000) return op == kOpTrue;
  if (op & 0x70000) {
    // Both sides are evaluated before they are combined.
    const bool l = left && left->Evaluate(values, context);
    const bool r = op != kOpNot && right && right->Evaluate(values, context);
    switch (op) {
      case kOpOr:
        return l || r;
      case kOpAnd:
        return l && r;
      case kOpNot:
        return !l;
      default:
        return false;
    }
  }
  return false;
}

void CPropDefExpr::SetObjectTests(const CPropObjIdList& ids, bool value) {
  switch (layout_of(op)) {
    case Layout::kObject:
      if (ids.Contains(object_name)) result = value;
      break;
    case Layout::kLogical:
      if (left) left->SetObjectTests(ids, value);
      if (op != kOpNot && right) right->SetObjectTests(ids, value);
      break;
    default:
      break;
  }
}

void CPropDefExpr::Bind(iObjPropVals& values) const {
  switch (layout_of(op)) {
    case Layout::kGroup:
    case Layout::kCompare:
      values.MarkReferenced(name);
      break;
    case Layout::kLogical:
      if (left) left->Bind(values);
      if (op != kOpNot && right) right->Bind(values);
      break;
    default:
      break;
  }
}

// ---------------------------------------------------------------- dependencies

void CPropDefDepend::Serialize(CArchive& ar) {
  ar.Serialize(version);
  SerializeOld(ar);
}

void CPropDefDepend::SerializeOld(CArchive& ar) {
  if (ar.IsLoading()) {
    kind = static_cast<int32_t>(ar.ReadDword());
    expr->Serialize(ar);
    ReadVariantFromArchive(ar, *value);
  } else {
    ar.WriteDword(static_cast<uint32_t>(kind));
    expr->Serialize(ar);
    WriteVariantToArchive(ar, *value);
  }
}

std::unique_ptr<CPropDefDepend> CPropDefDepend::Clone() const {
  auto c = std::make_unique<CPropDefDepend>();
  c->version = version;
  c->kind = kind;
  c->expr = expr ? expr->Clone() : nullptr;
  c->value = value;
  return c;
}

bool CPropDefDepend::Equals(const CPropDefDepend& o) const {
  const bool exprs = (!expr && !o.expr) || (expr && o.expr && expr->Equals(*o.expr));
  return kind == o.kind && exprs && CompareVariants(*value, *o.value) == kCmpEqual;
}

bool CPropDefDepend::Test(int k, iObjPropVals& values, const CPropDefBase* context) const {
  return expr && kind == k && expr->Evaluate(values, context);
}

// ---------------------------------------------------------------- definitions

void CPropDefBase::Serialize(CArchive& ar) {
  if (ar.IsLoading()) {
    base_version = ar.ReadWord();
    kind = static_cast<int32_t>(ar.ReadDword());
    name = ar.ReadString();
    caption = ar.ReadString();
    description = ar.ReadString();
    ids.Serialize(ar);
    flags = 0;
    depends.clear();
    if (base_version != 0) {
      flags = ar.ReadDword();
      const uint32_t n = ar.ReadCount(1);
      for (uint32_t i = 0; i < n; ++i) {
        auto d = std::make_unique<CPropDefDepend>();
        d->Serialize(ar);
        depends.push_back(std::move(d));
      }
    }
  } else {
    ar.WriteWord(base_version);
    ar.WriteDword(static_cast<uint32_t>(kind));
    ar.WriteString(name);
    ar.WriteString(caption);
    ar.WriteString(description);
    ids.Serialize(ar);
    if (base_version != 0) {
      ar.WriteDword(flags);
      ar.WriteDword(static_cast<uint32_t>(depends.size()));
      for (auto& d : depends) d->Serialize(ar);
    }
  }
}

void CPropDefBase::CopyBaseTo(CPropDefBase& to) const {
  to.base_version = base_version;
  to.kind = kind;
  to.name = name;
  to.caption = caption;
  to.description = description;
  to.ids = ids;
  to.flags = flags;
  to.depends.clear();
  for (const auto& d : depends) to.depends.push_back(d->Clone());
  to.index = index;
  to.active = active;
}

CPropObjIdList CPropDefBase::EffectiveIds() const {
  CPropObjIdList set = ids;
  for (const CPropDefBase* p = parent; p; p = p->parent) set = set.Intersect(p->ids);
  return set;
}

int CPropDefBase::AnyDependTrue(int k, iObjPropVals& values, int def) const {
  bool has_kind = false;
  for (const auto& d : depends) {
    if (d->Test(k, values, this)) return 1;
    if (d->kind == k) has_kind = true;
  }
  return def && has_kind ? 0 : def;
}

void CPropDefBase::Activate(const CPropObjIdList& for_ids) {
  active = for_ids.IsAll() || ids.Meets(for_ids);
  for (auto& d : depends) {
    if (d->expr) d->expr->SetObjectTests(for_ids, true);
  }
}

void CPropDefBase::Deactivate(const CPropObjIdList& for_ids) {
  if (ids.Meets(for_ids)) active = false;
  for (auto& d : depends) {
    if (d->expr) d->expr->SetObjectTests(for_ids, false);
  }
}

bool CPropDefBase::Equals(const CPropDefBase& o) const {
  if (kind != o.kind || name != o.name || caption != o.caption || description != o.description ||
      !ids.Equals(o.ids) || flags != o.flags || depends.size() != o.depends.size() ||
      IsList() != o.IsList()) {
    return false;
  }
  for (std::size_t i = 0; i < depends.size(); ++i) {
    if (!depends[i]->Equals(*o.depends[i])) return false;
  }
  return true;
}

bool CPropDefBase::OwnVisible(iObjPropVals& values) const {
  if (flags & (kFlagHidden | kFlagHidden2)) return false;
  if (AnyDependTrue(kDepHidden, values, 0)) return false;
  if (AnyDependTrue(kDepVisible, values, 1) == 0) return false;
  if (flags & kFlagVisibleHandler) {
    void* context = nullptr;
    if (VisibleHandler h = values.FindVisibleHandler(name, context)) return h(context) != 0;
  }
  return true;
}

bool CPropDefBase::IsVisible(iObjPropVals& values) const { return OwnVisible(values); }

void CPropDefBase::CollectIds(CPropObjIdList& set) const {
  if (ids.IsExplicit()) set.UniteWith(ids);
}

iPropDefObj* CPropDefBase::GetParent() { return parent; }

// ---------------------------------------------------------------- lists

void CPropDefList::Serialize(CArchive& ar) {
  CArchive::Nesting nesting(ar);
  CPropDefBase::Serialize(ar);
  if (ar.IsLoading()) {
    list_version = ar.ReadWord();
    const uint32_t n = ar.ReadCount(1);
    children.clear();
    for (uint32_t i = 0; i < n; ++i) {
      std::unique_ptr<CPropDefBase> child;
      if (ar.ReadByte() != 0)
        child = std::make_unique<CPropDefList>();
      else
        child = std::make_unique<CPropDefElem>();
      child->parent = this;
      child->Serialize(ar);
      children.push_back(std::move(child));
    }
    type_id = second_id = Guid{};
    if (list_version >= 2) {
      type_id = ar.ReadGuid();
      second_id = ar.ReadGuid();
    } else if (list_version == 1) {
      VariantValue text;
      ReadVariantFromArchive(ar, *text);
      std::string brace;
      if (text.to_text(brace)) Guid::parse(brace, type_id);
    }
  } else {
    ar.WriteWord(list_version);
    const auto n =
        std::count_if(children.begin(), children.end(), [](const auto& c) { return c->active; });
    ar.WriteDword(static_cast<uint32_t>(n));
    for (auto& c : children) {
      if (!c->active) continue;
      ar.WriteByte(c->IsList() ? 1 : 0);
      c->Serialize(ar);
    }
    if (list_version >= 2) {
      ar.WriteGuid(type_id);
      ar.WriteGuid(second_id);
    } else if (list_version == 1) {
      WriteVariantToArchive(ar, *VariantValue::text(type_id.brace_form()));
    }
  }
}

std::unique_ptr<CPropDefBase> CPropDefList::Clone() const {
  auto c = std::make_unique<CPropDefList>();
  CopyBaseTo(*c);
  c->list_version = list_version;
  c->type_id = type_id;
  c->second_id = second_id;
  for (const auto& child : children) {
    auto cc = child->Clone();
    cc->parent = c.get();
    c->children.push_back(std::move(cc));
  }
  return c;
}

void CPropDefList::AssignIndex(int& counter) {
  if (!active) return;
  if (kind != kKindRoot) index = counter++;
  for (auto& c : children) c->AssignIndex(counter);
}

CPropDefBase* CPropDefList::FindByName(const std::string& n) {
  // An inactive page is out of the search, so it cannot shadow an active
  // page's definition of the same name.
  if (!active) return nullptr;
  for (auto& c : children) {
    if (!c->active) continue;
    if (CPropDefBase* hit = c->FindByName(n)) return hit;
  }
  return name == n ? this : nullptr;
}

CPropDefBase* CPropDefList::FindByNameFor(const std::string& n, const CPropObjIdList* for_ids) {
  if (for_ids && !EffectiveIds().Meets(*for_ids)) return nullptr;
  for (auto& c : children) {
    if (!c->active) continue;
    if (CPropDefBase* hit = c->FindByNameFor(n, for_ids)) return hit;
  }
  return nullptr;
}

CPropDefBase* CPropDefList::FindByIndex(int i) {
  if (!active) return nullptr;
  for (auto& c : children) {
    if (CPropDefBase* hit = c->FindByIndex(i)) return hit;
  }
  return index == i ? this : nullptr;
}

void CPropDefList::Activate(const CPropObjIdList& for_ids) {
  CPropDefBase::Activate(for_ids);
  if (for_ids.IsAll()) {
    for (auto& c : children) c->Activate(for_ids);
    return;
  }
  CPropObjIdList rest = for_ids;
  if (kind == kKindRoot) {
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
      if ((*it)->kind != kKindObject) continue;
      (*it)->Activate(rest);
      if ((*it)->active) rest.Subtract((*it)->EffectiveIds());
    }
  }
  if (rest.IsNonEmpty()) {
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
      if ((*it)->kind != kKindObject) (*it)->Activate(rest);
    }
  }
}

void CPropDefList::Deactivate(const CPropObjIdList& for_ids) {
  CPropDefBase::Deactivate(for_ids);
  for (auto& c : children) c->Deactivate(for_ids);
}

bool CPropDefList::Equals(const CPropDefBase& other) const {
  if (!CPropDefBase::Equals(other)) return false;
  const auto& o = static_cast<const CPropDefList&>(other);
  if (type_id != o.type_id || second_id != o.second_id) return false;
  std::vector<const CPropDefBase*> a, b;
  for (const auto& c : children) {
    if (c->active) a.push_back(c.get());
  }
  for (const auto& c : o.children) {
    if (c->active) b.push_back(c.get());
  }
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (!a[i]->Equals(*b[i])) return false;
  }
  return true;
}

bool CPropDefList::IsVisible(iObjPropVals& values) const {
  if (!OwnVisible(values)) return false;
  return std::any_of(children.begin(), children.end(),
                     [&](const auto& c) { return c->active && c->IsVisible(values); });
}

void CPropDefList::CollectIds(CPropObjIdList& set) const {
  CPropDefBase::CollectIds(set);
  for (const auto& c : children) c->CollectIds(set);
}

CPropDefBase* CPropDefList::Add(std::unique_ptr<CPropDefBase> child) {
  child->parent = this;
  children.push_back(std::move(child));
  return children.back().get();
}

void CPropDefList::GatherLoose(int keep_kind, int new_kind) {
  auto general = std::make_unique<CPropDefList>();
  general->kind = new_kind;
  general->caption = "General";
  general->parent = this;
  std::vector<std::unique_ptr<CPropDefBase>> kept;
  for (auto& c : children) {
    if (c->kind == keep_kind && c->IsList()) {
      kept.push_back(std::move(c));
    } else {
      c->parent = general.get();
      general->children.push_back(std::move(c));
    }
  }
  children = std::move(kept);
  if (!general->children.empty()) children.insert(children.begin(), std::move(general));
}

CIter<iPropDefObj*>* CPropDefList::GetChildren() {
  using Array = std::vector<std::unique_ptr<CPropDefBase>>;
  child_iter_ =
      std::make_unique<CCastIter<iPropDefObj, CArrayIter<CPropDefBase*, Array>, Array>>(&children);
  return child_iter_.get();
}

// ---------------------------------------------------------------- elements

com::VARTYPE KindValueType(int kind) {
  switch (kind) {
    case kKindText:
    case kKindTextChoice:
    case kKindTextNumParam:
    case kKindTextTextParam:
      return VT_BSTR;
    case kKindInteger:
    case kKindNumberChoice:
    case kKindColour:
      return VT_I4;
    case kKindYesNo:
      return VT_BOOL;
    case kKindValueNumParam:
    case kKindCustom:
      return VT_EMPTY;
    default:
      return kind <= kKindGroup ? VT_ERROR : VT_EMPTY;
  }
}

com::VARTYPE CPropDefElem::ValueType() const {
  return value_type == 0xFFFF ? KindValueType(kind) : value_type;
}

void CPropDefElem::Serialize(CArchive& ar) {
  CPropDefBase::Serialize(ar);
  const bool load = ar.IsLoading();
  if (load) {
    elem_version = ar.ReadWord();
    ReadVariantFromArchive(ar, *default_value);
    if (elem_version == 0) flags = ar.ReadDword();
  } else {
    ar.WriteWord(elem_version);
    WriteVariantToArchive(ar, *default_value);
    if (elem_version == 0) ar.WriteDword(flags);
  }
  switch (kind) {
    case kKindInteger:
      if (load) {
        minimum = static_cast<int32_t>(ar.ReadDword());
        maximum = static_cast<int32_t>(ar.ReadDword());
      } else {
        ar.WriteDword(static_cast<uint32_t>(minimum));
        ar.WriteDword(static_cast<uint32_t>(maximum));
      }
      break;
    case kKindTextChoice:
    case kKindNumberChoice:
      if (load) {
        const uint32_t n = ar.ReadCount(5);
        choices.clear();
        for (uint32_t i = 0; i < n; ++i) {
          CPropChoice c;
          ReadVariantFromArchive(ar, *c.value);
          c.caption = ar.ReadString();
          c.description = ar.ReadString();
          choices.push_back(std::move(c));
        }
      } else {
        ar.WriteDword(static_cast<uint32_t>(choices.size()));
        for (auto& c : choices) {
          WriteVariantToArchive(ar, *c.value);
          ar.WriteString(c.caption);
          ar.WriteString(c.description);
        }
      }
      break;
    case kKindTextNumParam:
      ar.Serialize(param11);
      break;
    case kKindTextTextParam:
      ar.Serialize(text_param);
      break;
    case kKindValueNumParam:
      ar.Serialize(param13);
      break;
    case kKindCustom:
      ar.Serialize(custom_type);
      break;
    default:
      break;
  }
  if (elem_version == 0) {
    if (load) {
      const uint32_t n = ar.ReadCount(1);
      depends.clear();
      for (uint32_t i = 0; i < n; ++i) {
        auto d = std::make_unique<CPropDefDepend>();
        d->SerializeOld(ar);
        depends.push_back(std::move(d));
      }
    } else {
      ar.WriteDword(static_cast<uint32_t>(depends.size()));
      for (auto& d : depends) d->SerializeOld(ar);
    }
  }
  if (elem_version >= 1) {
    ar.Serialize(value_type);
  }
  if (elem_version >= 2) {
    if (load) {
      const uint32_t n = ar.ReadCount(1);
      aliases.clear();
      for (uint32_t i = 0; i < n; ++i) aliases.push_back(ar.ReadString());
    } else {
      ar.WriteDword(static_cast<uint32_t>(aliases.size()));
      for (const auto& a : aliases) ar.WriteString(a);
    }
  }
}

std::unique_ptr<CPropDefBase> CPropDefElem::Clone() const {
  auto c = std::make_unique<CPropDefElem>();
  CopyBaseTo(*c);
  c->elem_version = elem_version;
  c->default_value = default_value;
  c->minimum = minimum;
  c->maximum = maximum;
  c->choices = choices;
  c->param11 = param11;
  c->param13 = param13;
  c->text_param = text_param;
  c->custom_type = custom_type;
  c->value_type = value_type;
  c->aliases = aliases;
  return c;
}

void CPropDefElem::AssignIndex(int& counter) {
  if (active) index = counter++;
}

CPropDefBase* CPropDefElem::FindByName(const std::string& n) { return name == n ? this : nullptr; }

CPropDefBase* CPropDefElem::FindByNameFor(const std::string& n, const CPropObjIdList* for_ids) {
  if (for_ids && !EffectiveIds().Meets(*for_ids)) return nullptr;
  return platform::iequals_1252(name, n) ? this : nullptr;
}

CPropDefBase* CPropDefElem::FindByIndex(int i) { return active && index == i ? this : nullptr; }

bool CPropDefElem::Equals(const CPropDefBase& other) const {
  if (!CPropDefBase::Equals(other)) return false;
  const auto& o = static_cast<const CPropDefElem&>(other);
  if (CompareVariants(*default_value, *o.default_value) != kCmpEqual || minimum != o.minimum ||
      maximum != o.maximum || param11 != o.param11 || param13 != o.param13 ||
      text_param != o.text_param || custom_type != o.custom_type || value_type != o.value_type ||
      choices.size() != o.choices.size() || aliases != o.aliases) {
    return false;
  }
  for (std::size_t i = 0; i < choices.size(); ++i) {
    if (CompareVariants(*choices[i].value, *o.choices[i].value) != kCmpEqual ||
        choices[i].caption != o.choices[i].caption ||
        choices[i].description != o.choices[i].description) {
      return false;
    }
  }
  return true;
}

CIter<const char*>* CPropDefElem::GetAliases() {
  alias_ptrs_.clear();
  for (const auto& a : aliases) alias_ptrs_.push_back(a.c_str());
  alias_iter_ = std::make_unique<CArrayIter<const char*, std::vector<const char*>>>(&alias_ptrs_);
  return alias_iter_.get();
}

// ---------------------------------------------------------------- the archive

PropArchive ReadPropArchive(std::span<const uint8_t> bytes) {
  CArchive ar(bytes);
  PropArchive out;
  out.objects.Serialize(ar);
  out.root = std::make_unique<CPropDefList>();
  out.root->Serialize(ar);
  return out;
}

std::vector<uint8_t> WritePropArchive(PropArchive& archive) {
  CArchive ar;
  archive.objects.Serialize(ar);
  archive.root->Serialize(ar);
  return ar.stored();
}

CPropDefList* SelectObjectDefinition(CPropDefList& root, const CPropObjIdList& chain) {
  root.GatherLoose(kKindObject, kKindObject);
  for (auto it = root.children.rbegin(); it != root.children.rend(); ++it) {
    if (!(*it)->IsList() || !(*it)->EffectiveIds().Meets(chain)) continue;
    auto* chosen = static_cast<CPropDefList*>(it->get());
    chosen->Activate(chain);
    return chosen;
  }
  return nullptr;
}

}  // namespace qn::config
