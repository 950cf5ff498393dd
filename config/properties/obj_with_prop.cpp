#include "config/properties/obj_with_prop.h"

#include <charconv>
#include <cstdio>

#include "config/properties/prop_font.h"
#include "config/properties/qnextc.h"
#include "config/properties/saved_values.h"
#include "platform/message_box.h"

namespace qn::config {

using namespace com;

namespace {

// The system colours of the stand-in display, by colour index.
constexpr uint32_t kSystemColours[] = {
    0xC8C8C8, 0x000000, 0xD1B499, 0xDBCDBF, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000,
    0x000000, 0x000000, 0xB4B4B4, 0xFCF7F4, 0xABABAB, 0xD77800, 0xFFFFFF, 0xF0F0F0,
    0xA0A0A0, 0x6D6D6D, 0x000000, 0x000000, 0xFFFFFF, 0x696969, 0xE3E3E3, 0x000000,
    0xE1FFFF, 0x000000, 0xCC6600, 0xEAD1B9, 0xF2E4D7, 0xD77800, 0xF0F0F0};

constexpr unsigned kIconStop = 0x10;

std::string format_int(const char* format, int32_t n) {
  char buf[64];
  std::snprintf(buf, sizeof buf, format, n);
  return buf;
}

// A decimal number with '.' as its point, as the C library's atof reads it,
// whatever the locale: leading blanks, then the longest number; 0 for none.
double parse_decimal(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  bool negative = false;
  if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  double d = 0;
  auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), d, std::chars_format::general);
  if (ec != std::errc() && ec != std::errc::result_out_of_range) return 0;
  return negative ? -d : d;
}

const CPropDefElem* as_elem(const CPropDefBase* d) {
  return d && !d->IsList() ? static_cast<const CPropDefElem*>(d) : nullptr;
}

}  // namespace

bool TranslateOleColour(uint32_t colour, uint32_t& rgb) {
  switch (colour >> 24) {
    case 0x00:
      rgb = colour;
      return true;
    case 0x02:
      rgb = colour & 0xFFFFFF;
      return true;
    case 0x80: {
      const uint32_t index = colour & 0xFFFFFF;
      if (index >= std::size(kSystemColours)) return false;
      rgb = kSystemColours[index];
      return true;
    }
    default:
      return false;
  }
}

CObjWithProp::CObjWithProp(std::unique_ptr<CPropDefList> page) : page_(std::move(page)) {
  if (!page_) return;
  int counter = -1;
  page_->AssignIndex(counter);
  count_ = counter < 0 ? 0 : counter;
  const auto n = static_cast<std::size_t>(count_);
  by_index_.assign(n, nullptr);
  for (int i = 0; i < count_; ++i) by_index_[static_cast<std::size_t>(i)] = page_->FindByIndex(i);
  use_default_.assign(n, 1);
  is_default_.assign(n, 1);
  referenced_.assign(n, 0);
  snap_use_default_.assign(n, 1);
  values_.resize(n);
  fixed_.resize(n);
  snap_values_.resize(n);
  computing_.assign(n, 0);
  for (int i = 0; i < count_; ++i) {
    const CPropDefBase* d = at(i);
    if (!d) continue;
    if (const CPropDefElem* e = as_elem(d)) {
      VariantValue def = GetDefault(*e);
      Store(*e, values_[static_cast<std::size_t>(i)], def);
      for (const auto& dep : e->depends) {
        if (dep->expr) dep->expr->Bind(*this);
        if (dep->kind == kDepDefaultFrom) {
          std::string other;
          if (dep->value.to_text(other)) MarkReferenced(other);
        }
      }
    } else {
      // The conditions of lists are bound as well.
      for (const auto& dep : d->depends) {
        if (dep->expr) dep->expr->Bind(*this);
      }
    }
  }
}

CObjWithProp::~CObjWithProp() = default;

void CObjWithProp::LinkHandlers(CPropHandlerContainer& parent) {
  handlers_.LinkTo(parent);
  handlers_.custom_types->Listen(&CObjWithProp::OnRegistryChange, this);
  handlers_.defaults->Listen(&CObjWithProp::OnRegistryChange, this);
  RecomputeDefaults();
}

void CObjWithProp::OnRegistryChange(void* data, const std::string*) {
  static_cast<CObjWithProp*>(data)->RecomputeDefaults();
}

void CObjWithProp::RecomputeDefaults() {
  for (int i = 0; i < count_; ++i) {
    const CPropDefElem* e = as_elem(at(i));
    if (!e || !is_default_[static_cast<std::size_t>(i)]) continue;
    VariantValue def = GetDefault(*e);
    Store(*e, values_[static_cast<std::size_t>(i)], def);
  }
}

CPropDefBase* CObjWithProp::at(int index) const {
  return index >= 0 && index < count_ ? by_index_[static_cast<std::size_t>(index)] : nullptr;
}

CPropDefBase* CObjWithProp::named(const std::string& name) const {
  return page_ ? page_->FindByName(name) : nullptr;
}

// ---------------------------------------------------------------- values

VariantValue CObjWithProp::GetValue(const CPropDefBase& d) {
  if (d.index < 0 || d.index >= count_) return {};
  const auto i = static_cast<std::size_t>(d.index);
  if (const CPropDefElem* e = as_elem(&d)) {
    if (!use_default_[i]) return values_[i];
    if (fixed_[i].vt() != VT_EMPTY) return fixed_[i];
    return GetDefault(*e);
  }
  const auto& list = static_cast<const CPropDefList&>(d);
  if (list.IsFont()) return FontValue(list);
  return values_[i];
}

VariantValue CObjWithProp::FontValue(const CPropDefList& group) {
  FontDesc desc;
  for (const auto& member : group.children) {
    if (!member->active || member->IsList() || member->index < 0 || member->index >= count_)
      continue;
    const VariantValue& stored = values_[static_cast<std::size_t>(member->index)];
    const std::string name = member->DisplayCaption();
    VariantValue v;
    auto as = [&](VARTYPE vt) {
      return SUCCEEDED(VariantChangeType(v.get(), stored.get(), 0, vt));
    };
    if (name == "Name" && as(VT_BSTR))
      desc.name = text_1252_of(v->bstrVal);
    else if (name == "Size" && as(VT_CY))
      desc.size = v->cyVal;
    else if (name == "Weight" && as(VT_I2))
      desc.weight = v->iVal;
    else if (name == "Charset" && as(VT_I2))
      desc.charset = v->iVal;
    else if (name == "Italic" && as(VT_BOOL))
      desc.italic = v->boolVal != 0;
    else if (name == "Underline" && as(VT_BOOL))
      desc.underline = v->boolVal != 0;
    else if (name == "Strikethrough" && as(VT_BOOL))
      desc.strikethrough = v->boolVal != 0;
  }
  VariantValue font;
  font->vt = VT_DISPATCH;
  font->pdispVal = CPropFont::Create(desc);
  return font;
}

void CObjWithProp::SetFontMembers(const CPropDefList& group, const VARIANT& font) {
  if (font.vt != VT_DISPATCH || !font.pdispVal) return;
  for (const auto& member : group.children) {
    if (!member->active || member->IsList() || member->index < 0 || member->index >= count_)
      continue;
    const std::string name = member->DisplayCaption();
    DISPID id = 0;
    if (!CPropFont::MemberNumber(name, id)) continue;
    BSTR wide = bstr_from_1252(name);
    OLECHAR* names[] = {wide};
    const bool known = wide && SUCCEEDED(font.pdispVal->GetIDsOfNames(IID{}, names, 1, 0, &id));
    SysFreeString(wide);
    if (!known) continue;
    VariantValue value;
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    if (FAILED(font.pdispVal->Invoke(id, IID{}, 0, DISPATCH_PROPERTYGET, &none, value.get(),
                                     nullptr, nullptr)))
      continue;
    const auto k = static_cast<std::size_t>(member->index);
    values_[k] = value;
    is_default_[k] = 0;
    use_default_[k] = 0;
  }
}

VariantValue CObjWithProp::GetDefault(const CPropDefElem& e) {
  const bool indexed = e.index >= 0 && e.index < count_;
  const auto i = static_cast<std::size_t>(e.index);
  // A default whose conditions come back to the property itself (directly
  // or through other properties) reads the stored value there.
  if (indexed && computing_[i]) return values_[i];
  if (indexed) computing_[i] = 1;
  struct Done {
    std::vector<char>* flags;
    std::size_t i;
    bool on;
    ~Done() {
      if (on) (*flags)[i] = 0;
    }
  } done{&computing_, i, indexed};

  VariantValue result;
  bool found = false;
  for (const auto& dep : e.depends) {
    if (dep->kind != kDepDefault && dep->kind != kDepDefaultFrom) continue;
    if (!dep->Test(dep->kind, *this, &e)) continue;
    if (dep->kind == kDepDefault) {
      result = dep->value;
    } else {
      std::string other;
      if (dep->value.to_text(other)) GetValueByName(*result, other);
    }
    found = true;
    break;
  }
  if (!found && (e.flags & kFlagDefaultProvider)) {
    void* context = nullptr;
    if (DefaultProvider provider = FindDefaultProvider(e.name, context)) {
      *result = provider(context);
      found = true;
    }
  }
  if (!found && e.kind == kKindInteger && e.default_value.vt() == VT_EMPTY) {
    result = VariantValue::i4(0);
    found = true;
  }
  if (!found && e.kind == kKindColour && e.default_value.vt() == VT_I4 &&
      ((e.flags & kFlagRgbColour) || e.AnyDependTrue(kDepRgb, *this, 0))) {
    uint32_t rgb = 0;
    if (TranslateOleColour(static_cast<uint32_t>(e.default_value->lVal), rgb)) {
      result = VariantValue::i4(static_cast<LONG>(rgb));
    } else {
      result = e.default_value;
    }
    found = true;
  }
  if (!found) result = e.default_value;
  if (e.kind == kKindCustom && result.vt() == VT_BSTR) {
    void* context = nullptr;
    if (iCustomProp* handler = handlers_.custom_types->Lookup(e.custom_type, context)) {
      VariantValue converted;
      if (handler->FromText(text_1252_of(result->bstrVal), *converted)) result = converted;
    }
  }
  return result;
}

bool CObjWithProp::Store(const CPropDefBase& d, VariantValue& dest, const VariantValue& src) {
  if (d.kind == kKindCustom) {
    void* context = nullptr;
    iCustomProp* handler =
        handlers_.custom_types->Lookup(as_elem(&d) ? as_elem(&d)->custom_type : "", context);
    if (!handler) {
      dest.clear();
      return false;
    }
    return handler->Copy(*dest, *src);
  }
  const HRESULT hr = VariantCopy(dest.get(), src.get());
  if (FAILED(hr)) {
    dest = VariantValue::error(hr);
    return false;
  }
  return true;
}

bool CObjWithProp::ValuesEqual(const CPropDefBase& d, const VARIANT& a, const VARIANT& b) {
  if (d.kind == kKindCustom) {
    void* context = nullptr;
    iCustomProp* handler =
        handlers_.custom_types->Lookup(as_elem(&d) ? as_elem(&d)->custom_type : "", context);
    return handler && handler->Equal(a, b);
  }
  return CompareVariants(a, b) == kCmpEqual;
}

std::string CObjWithProp::GetValueText(const CPropDefBase& d, const VARIANT* value) {
  VariantValue own;
  if (!value) {
    own = GetValue(d);
    value = own.get();
  }
  std::string text;
  if (d.kind == kKindCustom) {
    void* context = nullptr;
    iCustomProp* handler =
        handlers_.custom_types->Lookup(as_elem(&d) ? as_elem(&d)->custom_type : "", context);
    if (!handler || !handler->ToText(*value, text)) return "ERROR";
    return text;
  }
  VariantValue t;
  if (FAILED(VariantChangeType(t.get(), value, 0, VT_BSTR))) return "ERROR";
  return text_1252_of(t->bstrVal);
}

bool CObjWithProp::Validate(const CPropDefElem& e, const VARIANT& value, std::string* message) {
  if (value.vt == VT_EMPTY) return true;
  for (const auto& dep : e.depends) {
    if (!dep->Test(kDepExclude, *this, &e)) continue;
    bool equal;
    if (e.kind == kKindYesNo) {
      // Yes/no values are equal when both are zero or both are not.
      VariantValue a, b;
      equal = SUCCEEDED(VariantChangeType(a.get(), &value, 0, VT_BOOL)) &&
              SUCCEEDED(VariantChangeType(b.get(), dep->value.get(), 0, VT_BOOL)) &&
              (a->boolVal == 0) == (b->boolVal == 0);
    } else {
      equal = CompareVariants(value, *dep->value) == kCmpEqual;
    }
    if (equal) return false;
  }
  if (e.kind <= kKindGroup) return false;
  if (e.kind == kKindInteger) {
    if (!is_number_type(value.vt)) {
      if (message) *message = "Must be a number";
      return false;
    }
    // Compared as a whole number of full range rather than the low 32 bits
    // of the value's storage.
    VariantValue n;
    const double v = SUCCEEDED(VariantChangeType(n.get(), &value, 0, VT_R8)) ? n->dblVal : 0;
    if (e.minimum != kNoBound && v < e.minimum) {
      if (message) *message = format_int("Must be grater than %d", e.minimum);
      return false;
    }
    if (e.maximum != kNoBound && v > e.maximum) {
      if (message) *message = format_int("Must be less than %d", e.maximum);
      return false;
    }
  }
  if (e.flags & kFlagValidationHandler) {
    void* context = nullptr;
    if (ValidationHandler h = FindValidationHandler(e.name, context)) {
      VariantValue copy;
      VariantCopy(copy.get(), &value);
      return h(*copy, context) != 0;
    }
  }
  return true;
}

bool CObjWithProp::IsEnabled(const CPropDefBase& d) {
  if (d.flags & kFlagDisabled) return false;
  if (d.AnyDependTrue(kDepDisabled, *this, 0)) return false;
  if (d.flags & kFlagEnabledHandler) {
    void* context = nullptr;
    if (EnabledHandler h = FindEnabledHandler(d.name, context)) return h(context) != 0;
  }
  return true;
}

bool CObjWithProp::IsOptional(const CPropDefBase& d) {
  if (d.flags & kFlagRequired) return false;
  return !d.AnyDependTrue(kDepRequired, *this, 0);
}

const std::vector<int>& CObjWithProp::AvailableChoices(const CPropDefElem& e) {
  e.display_order.clear();
  for (std::size_t j = 0; j < e.choices.size(); ++j) {
    bool excluded = false;
    for (const auto& dep : e.depends) {
      if (dep->Test(kDepExclude, *this, &e) &&
          CompareVariants(*e.choices[j].value, *dep->value) == kCmpEqual) {
        excluded = true;
        break;
      }
    }
    if (!excluded) e.display_order.push_back(static_cast<int>(j));
  }
  return e.display_order;
}

// ---------------------------------------------------------------- saved values

void CObjWithProp::ApplySavedValue(const CPropSavedValues& saved, int notify, int /*overwrite*/) {
  for (int i = 0; i < count_; ++i) {
    const CPropDefElem* e = as_elem(at(i));
    if (!e) continue;
    const CPSVAtt* hit = saved.Lookup(e->name);
    if (!hit || hit->link) {
      hit = nullptr;
      for (const auto& alias : e->aliases) {
        const CPSVAtt* a = saved.Lookup(alias);
        if (a && !a->link) {
          hit = a;
          break;
        }
      }
    }
    if (!hit) continue;
    std::string text = hit->value;
    if (e->flags & kFlagEnciphered) text = decrypt_text(text);
    const auto k = static_cast<std::size_t>(i);
    VariantValue& value = values_[k];
    if (e->kind == kKindCustom) {
      void* context = nullptr;
      if (iCustomProp* handler = handlers_.custom_types->Lookup(e->custom_type, context)) {
        value.clear();
        handler->FromText(text, *value);
      } else {
        VariantChangeType(value.get(), value.get(), 0, VT_ERROR);
      }
      is_default_[k] = 0;
    } else {
      const VARTYPE type = e->ValueType();
      if (type == VT_CY) {
        value = VariantValue::r8(parse_decimal(text));
      } else {
        value = VariantValue::text(text);
      }
      is_default_[k] = 0;
      // A text that does not convert stays a text.
      VariantChangeType(value.get(), value.get(), 0, type);
    }
    if (notify) VariantCopy(snap_values_[k].get(), value.get());
    use_default_[k] = notify;
    if (e->flags & kFlagChangeHandler) {
      void* context = nullptr;
      if (ChangeHandler h = handlers_.change->Lookup(e->name, context)) h(*value, 0, context);
    }
  }
}

// ---------------------------------------------------------------- iProperties

std::string CObjWithProp::GetName() {
  return page_ ? page_->DisplayCaption() : "Definitions not loaded";
}

int CObjWithProp::EditorKind(const CPropDefBase& d) const {
  if (d.IsList()) {
    const auto& l = static_cast<const CPropDefList&>(d);
    if (l.IsFont()) return 3;
    return d.kind == kKindGroup ? 8 : 0;
  }
  switch (d.kind) {
    case kKindText:
    case kKindInteger:
      return 1;
    case kKindColour:
      return 2;
    case kKindTextChoice:
    case kKindNumberChoice:
    case kKindTextTextParam:
      return 4;
    case kKindYesNo:
      return 6;
    case kKindCustom: {
      const int n = handlers_.names->Find(static_cast<const CPropDefElem&>(d).custom_type);
      return n < 0 ? 0 : 100 + n;
    }
    default:
      return 0;
  }
}

bool CObjWithProp::GetPropertyInfo(int index, std::string& caption, std::string& description,
                                   int& editor_kind, int& parent_index) {
  const CPropDefBase* d = at(index);
  if (!d) return false;
  caption = d->DisplayCaption();
  description = d->description;
  editor_kind = EditorKind(*d);
  parent_index = d->parent ? d->parent->index : -1;
  return true;
}

bool CObjWithProp::GetValueAndState(int index, VARIANT& value, int& state) {
  const CPropDefBase* d = at(index);
  if (!d) return false;
  VariantClear(&value);
  if (d->IsList()) {
    const auto* l = static_cast<const CPropDefList*>(d);
    if (l->IsFont()) {
      state = kStateBit8;
      VariantValue v = GetValue(*d);
      VariantCopy(&value, v.get());
    } else {
      state = d->IsVisible(*this) ? 0 : kStateHidden;
    }
    return true;
  }
  const CPropDefBase* p = d->parent;
  if (p && p->IsList() && static_cast<const CPropDefList*>(p)->IsFont()) {
    state = kStateHidden;
    return true;
  }
  const auto i = static_cast<std::size_t>(index);
  VariantValue v = GetValue(*d);
  VariantCopy(&value, v.get());
  state = 0;
  if (!IsEnabled(*d)) state |= kStateDisabled;
  if (!d->IsVisible(*this)) state |= kStateHidden;
  if ((d->flags & kFlagStateBit8) || d->AnyDependTrue(kDepState8, *this, 0)) state |= kStateBit8;
  const bool modified = use_default_[i] != snap_use_default_[i] ||
                        (use_default_[i] == 0 && snap_use_default_[i] == 0 &&
                         !ValuesEqual(*d, *values_[i], *snap_values_[i]));
  if (modified) state |= kStateModified;
  if (use_default_[i]) state |= kStateUseDefault;
  if (!IsOptional(*d)) state |= kStateRequired;
  state |= static_cast<int>((d->flags >> 8) & 0xF00);
  if ((d->flags & kFlagRgbColour) || d->AnyDependTrue(kDepRgb, *this, 0)) state |= kStateRgb;
  return true;
}

int CObjWithProp::SetValueAt(int index, const VARIANT& value, int& referenced) {
  referenced = 0;
  const CPropDefBase* d = at(index);
  if (!d) return 0;
  if (d->IsList()) {
    const auto* group = static_cast<const CPropDefList*>(d);
    if (!group->IsFont()) return 0;
    SetFontMembers(*group, value);
    return 1;
  }
  const auto* e = static_cast<const CPropDefElem*>(d);
  std::string message = "Invalid value";
  if (!Validate(*e, value, &message)) {
    platform::message_box(message, "Error", platform::kMbOk | kIconStop);
    return 0;
  }
  const auto i = static_cast<std::size_t>(index);
  VariantValue src;
  VariantCopy(src.get(), &value);
  Store(*e, values_[i], src);
  is_default_[i] = 0;
  use_default_[i] = 0;
  referenced = referenced_[i];
  if (referenced) {
    // Values that the change made invalid go back to their defaults. Only
    // set values are checked: each pass sets one flag back, so the scan ends.
    for (bool again = true; again;) {
      again = false;
      for (int j = 0; j < count_; ++j) {
        const CPropDefElem* other = as_elem(at(j));
        const auto k = static_cast<std::size_t>(j);
        if (!other || use_default_[k] != 0) continue;
        VariantValue current = GetValue(*other);
        if (!Validate(*other, *current, nullptr)) {
          use_default_[k] = 1;
          again = true;
          break;
        }
      }
    }
  }
  return 1;
}

int CObjWithProp::SetUseDefaultAt(int index, int flag, int& referenced) {
  referenced = 0;
  if (!at(index)) return 0;
  const auto i = static_cast<std::size_t>(index);
  use_default_[i] = flag;
  referenced = referenced_[i];
  return referenced;
}

void CObjWithProp::ListValuesAt(int index, iPropValues* sink) {
  const CPropDefElem* e = as_elem(at(index));
  if (!sink) return;
  sink->Clear();
  if (!e) return;
  if (e->kind == kKindTextTextParam) {
    void* context = nullptr;
    if (ValueListLoader loader = handlers_.value_lists->Lookup(e->text_param, context)) {
      loader(sink, context);
      return;
    }
    char text[300];
    std::snprintf(text, sizeof text, "Loading of '%s' values failed", e->text_param.c_str());
    VariantValue error = VariantValue::text("ERROR");
    sink->Add(text, *error, 0);
    fixed_[static_cast<std::size_t>(index)] = error;
    return;
  }
  for (int j : AvailableChoices(*e)) {
    const CPropChoice& c = e->choices[static_cast<std::size_t>(j)];
    sink->Add(c.caption, *c.value, 0);
  }
}

iCustomProp* CObjWithProp::GetCustomHandlerAt(int, int number) {
  const std::string* name = handlers_.names->At(number);
  if (!name) return nullptr;
  void* context = nullptr;
  return handlers_.custom_types->Lookup(*name, context);
}

int CObjWithProp::CheckRequired(int& index) {
  for (int i = 0; i < count_; ++i) {
    const CPropDefElem* e = as_elem(at(i));
    if (!e || IsOptional(*e)) continue;
    VariantValue v = GetValue(*e);
    std::string text;
    if (!v.to_text(text) || text.empty()) {
      index = i;
      return 0;
    }
  }
  return 1;
}

void CObjWithProp::TakeSnapshot() {
  for (int i = 0; i < count_; ++i) {
    const auto k = static_cast<std::size_t>(i);
    snap_use_default_[k] = use_default_[k];
    const CPropDefBase* d = at(i);
    if (d && !d->IsList())
      snap_values_[k] = values_[k];
    else
      snap_values_[k].clear();
  }
}

// ---------------------------------------------------------------- iPropDefinition

std::string CObjWithProp::GetNameAt(int index) {
  const CPropDefBase* d = at(index);
  return d ? d->name : std::string();
}

int CObjWithProp::GetKindByName(const std::string& name) {
  const CPropDefBase* d = named(name);
  return d ? d->kind : 0;
}

int CObjWithProp::GetKindAt(int index) {
  const CPropDefBase* d = at(index);
  return d ? d->kind : 0;
}

void CObjWithProp::GetValueByName(VARIANT& value, const std::string& name) {
  VariantClear(&value);
  const CPropDefBase* d = named(name);
  if (!d) return;
  VariantValue v = GetValue(*d);
  VariantCopy(&value, v.get());
}

void CObjWithProp::GetDefaultByName(VARIANT& value, const std::string& name) {
  VariantClear(&value);
  const CPropDefElem* e = as_elem(named(name));
  if (!e) return;
  VariantValue v = GetDefault(*e);
  VariantCopy(&value, v.get());
}

int CObjWithProp::GetUseDefaultByName(const std::string& name) {
  const CPropDefBase* d = named(name);
  if (!d || d->index < 0 || d->index >= count_) return 0;
  return use_default_[static_cast<std::size_t>(d->index)];
}

int CObjWithProp::SetValueByName(const std::string& name, const VARIANT& value) {
  const CPropDefElem* e = as_elem(named(name));
  if (!e || e->index < 0 || e->index >= count_) return 0;
  std::string message = "Invalid value";
  if (!Validate(*e, value, &message)) return 0;
  const auto i = static_cast<std::size_t>(e->index);
  VariantValue src;
  VariantCopy(src.get(), &value);
  Store(*e, values_[i], src);
  is_default_[i] = 0;
  use_default_[i] = 0;
  return 1;
}

void CObjWithProp::SetUseDefaultByName(const std::string& name, int flag) {
  const CPropDefBase* d = named(name);
  if (d && d->index >= 0 && d->index < count_)
    use_default_[static_cast<std::size_t>(d->index)] = flag;
}

std::string CObjWithProp::GetCustomTypeByName(const std::string& name) {
  const CPropDefElem* e = as_elem(named(name));
  return e && e->kind == kKindCustom ? e->custom_type : std::string();
}

int CObjWithProp::HasName(const std::string& name) { return named(name) ? 1 : 0; }

// ---------------------------------------------------------------- iObjPropVals

void CObjWithProp::MarkReferenced(const std::string& name) {
  const CPropDefBase* d = named(name);
  if (d && d->index >= 0 && d->index < count_) referenced_[static_cast<std::size_t>(d->index)] = 1;
}

DefaultProvider CObjWithProp::FindDefaultProvider(const std::string& name, void*& context) {
  return handlers_.defaults->Lookup(name, context);
}
EnabledHandler CObjWithProp::FindEnabledHandler(const std::string& name, void*& context) {
  return handlers_.enabled->Lookup(name, context);
}
VisibleHandler CObjWithProp::FindVisibleHandler(const std::string& name, void*& context) {
  return handlers_.visible->Lookup(name, context);
}
ValidationHandler CObjWithProp::FindValidationHandler(const std::string& name, void*& context) {
  return handlers_.validation->Lookup(name, context);
}

}  // namespace qn::config
