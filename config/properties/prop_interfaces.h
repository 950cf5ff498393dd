// The faces of the property model: six abstract interfaces (slot 0 the
// destructor, then the operations in slot order), the iterator family that
// hands collections out, and the interfaces of the outside handlers.
#pragma once

#include <string>

#include "config/properties/archive.h"
#include "platform/com/variant.h"

namespace qn::config {

template <typename T>
class CIter;
class iPropDefObj;

// Position of an iterator: opaque, 0 meaning none.
using IterPos = std::uintptr_t;

class iProperties {
 public:
  virtual ~iProperties() = default;
  virtual std::string GetName() = 0;
  virtual int GetCount() = 0;
  virtual bool GetPropertyInfo(int index, std::string& caption, std::string& description,
                               int& editor_kind, int& parent_index) = 0;
  virtual bool GetValueAndState(int index, com::VARIANT& value, int& state) = 0;
  virtual int SetValueAt(int index, const com::VARIANT& value, int& referenced) = 0;
  virtual int SetUseDefaultAt(int index, int flag, int& referenced) = 0;
  virtual void ListValuesAt(int index, class iPropValues* sink) = 0;
  virtual class iCustomProp* GetCustomHandlerAt(int index, int number) = 0;
  virtual int CheckRequired(int& index) = 0;
  virtual iProperties* GetSubProperties(int index) = 0;
  virtual void TakeSnapshot() = 0;
};

class iPropDefinition {
 public:
  virtual ~iPropDefinition() = default;
  virtual std::string GetNameAt(int index) = 0;
  virtual int GetKindByName(const std::string& name) = 0;
  virtual int GetKindAt(int index) = 0;
  virtual void GetValueByName(com::VARIANT& value, const std::string& name) = 0;
  virtual void GetDefaultByName(com::VARIANT& value, const std::string& name) = 0;
  virtual int GetUseDefaultByName(const std::string& name) = 0;
  virtual int SetValueByName(const std::string& name, const com::VARIANT& value) = 0;
  virtual void SetUseDefaultByName(const std::string& name, int flag) = 0;
  virtual std::string GetCustomTypeByName(const std::string& name) = 0;
  virtual int HasName(const std::string& name) = 0;
};

class iPropAccess {
 public:
  virtual ~iPropAccess() = default;
  virtual iProperties* GetProperties() = 0;
  virtual iPropDefinition* GetDefinition() = 0;
  virtual CIter<iPropAccess*>* GetChildren() = 0;
};

class iOneProperty {
 public:
  virtual ~iOneProperty() = default;
  virtual std::string GetName() = 0;
  virtual std::string GetValue() = 0;
  virtual std::string GetThirdText() = 0;
  virtual int GetValueClass() = 0;
};

class iPropValues;

// Handler functions of the registries.
using ValueListLoader = void (*)(iPropValues* sink, void* context);
using DefaultProvider = com::VARIANT (*)(void* context);
using EnabledHandler = int (*)(void* context);
using VisibleHandler = int (*)(void* context);
using ValidationHandler = int (*)(com::VARIANT& value, void* context);
using ChangeHandler = void (*)(com::VARIANT& value, int flag, void* context);

// A property object as its conditions and handlers see it.
class iObjPropVals {
 public:
  virtual ~iObjPropVals() = default;
  virtual void MarkReferenced(const std::string& name) = 0;
  virtual void GetValueByName(com::VARIANT& value, const std::string& name) = 0;
  virtual DefaultProvider FindDefaultProvider(const std::string& name, void*& context) = 0;
  virtual EnabledHandler FindEnabledHandler(const std::string& name, void*& context) = 0;
  virtual VisibleHandler FindVisibleHandler(const std::string& name, void*& context) = 0;
  virtual ValidationHandler FindValidationHandler(const std::string& name, void*& context) = 0;
};

class iPropDefObj {
 public:
  virtual ~iPropDefObj() = default;
  virtual std::string GetName() = 0;
  virtual std::string GetDisplayCaption() = 0;
  virtual std::string GetDescription() = 0;
  virtual int GetKind() = 0;
  virtual Guid GetSecondId() = 0;
  virtual Guid GetTypeId() = 0;
  virtual iPropDefObj* GetParent() = 0;
  virtual CIter<iPropDefObj*>* GetChildren() = 0;
};

// Outside interfaces the model calls but does not implement.
class iPropValues {
 public:
  virtual ~iPropValues() = default;
  virtual void Add(const std::string& text, const com::VARIANT& value, int reserved) = 0;
  virtual void Reserved2() {}
  virtual void Clear() = 0;
};

class iCustomProp {
 public:
  virtual ~iCustomProp() = default;
  virtual bool ToText(const com::VARIANT& value, std::string& text) = 0;
  virtual bool FromText(const std::string& text, com::VARIANT& value) = 0;
  virtual void Reserved3() {}
  virtual void Reserved4() {}
  virtual void Reserved5() {}
  virtual void Reserved6() {}
  virtual bool Copy(com::VARIANT& destination, const com::VARIANT& source) = 0;
  virtual bool Equal(const com::VARIANT& a, const com::VARIANT& b) = 0;
};

}  // namespace qn::config
