// The data stores and data sources of a model, read from MODEL.INI (in the
// model directory) and QN.INI (in the program directory).
//
// MODEL.INI:
//   [DataStores%04d]  LastDS=n, DataStore%04d=<name> <type>
//   [DSs%04d]         DatSto%04d=<data-source number>     (per model)
//   [Model %03d]      DataSource, Type, Generator
//   [Preferences %03d], [Preferences %03d %02d], [Preferences %03d DS:%02d]
// QN.INI:
//   [Data Sources]    Ds%d=<field 0>,<field 1>,<field 2>
//   [Generator]       Gen%d=<section>;  [<section>] Path=...
//   [QNW]             Version=n
// Nothing is ever written to these files.
#pragma once

#include <cstdint>
#include <list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace qn::config {

// One data store of a data-store set. Store 1 is always ("Default", type 1).
class CDataStore {
 public:
  CDataStore(int16_t number, std::string name, int32_t type);
  // Store 1 gives ("Default", 1); any other number reads its entry of the
  // generation's data-store set, or gives ("DataStore<n>", 0) when absent.
  explicit CDataStore(int16_t number);
  CDataStore(const CDataStore&) = default;
  CDataStore& operator=(const CDataStore&) = default;
  virtual ~CDataStore() = default;

  // Equal when number and name are equal and both types are zero or both
  // non-zero.
  bool operator==(const CDataStore& other) const;

  int16_t number() const { return number_; }
  const std::string& name() const { return name_; }
  int32_t type() const { return type_; }

 private:
  std::string name_;
  int16_t number_ = 0;
  int32_t type_ = 0;
};

// A data source of QN.INI, by number.
class CQnDataSource {
 public:
  explicit CQnDataSource(int16_t number) : number_(number) {}
  virtual ~CQnDataSource() = default;

  int16_t number() const { return number_; }
  // Field 1 of the entry.
  std::string Field1() const;
  // Field 0 of the entry followed by the suffix.
  std::string Field0With(std::string_view suffix) const;
  // Field 2: the name of the property-definition object of the data source.
  std::string DefinitionName() const;

 private:
  int16_t number_;
};

// A list that owns its data stores.
class CDataStoreList {
 public:
  CDataStoreList() = default;
  CDataStoreList(const CDataStoreList&) = delete;
  CDataStoreList& operator=(const CDataStoreList&) = delete;
  virtual ~CDataStoreList() = default;

  // Deletes the own stores and appends a copy of every store of other.
  virtual void Copy(const CDataStoreList& other);

  void RemoveAll();
  void AddTail(const CDataStore& store);
  // The store with that number, or null; the last one found is kept.
  const CDataStore* Find(int16_t number) const;

  std::size_t size() const { return stores_.size(); }
  bool empty() const { return stores_.empty(); }
  auto begin() const { return stores_.begin(); }
  auto end() const { return stores_.end(); }

 protected:
  std::list<CDataStore> stores_;
  mutable const CDataStore* last_found_ = nullptr;
};

// The data stores of one data-store set of MODEL.INI.
class CAvailDataStoreList : public CDataStoreList {
 public:
  void Copy(const CDataStoreList& other) override;
  // Loads the stores of a set (0: the generation's set) from a model file.
  void Load(std::string_view file, int set);

  int16_t lastDS = 1;
};

// One element per data store of the model: (store << 16) | data source.
class CModelDataSourceArray : public std::vector<uint32_t> {
 public:
  virtual ~CModelDataSourceArray() = default;
};

// The current directory followed by "MODEL.INI", built on first use and
// kept; a successful change of the model directory builds it again.
std::string model_ini_path();
// The program directory followed by "QN.INI", built on first use and kept.
std::string qn_ini_path();
// Both paths are built again at their next use.
void forget_ini_paths();

// Field 0, 1 or 2 of entry "Ds%d" of section "Data Sources" of QN.INI, its
// leading blanks and tabs skipped; "" when the entry or field is missing.
std::string data_source_field(int number, int index);

// The process-wide array, refilled for the model from the generation's
// data-store set.
const CModelDataSourceArray& model_data_sources(int model);

// The data-source number of the store in the array, 0 when absent.
int data_source_of_store(const CModelDataSourceArray& array, int store);

// "Preferences %03d %02d", or "Preferences %03d" for generator 0.
std::string preferences_section(int model, int generator);
// "Preferences %03d DS:%02d", or "Preferences %03d" for store 0.
std::string ds_preferences_section(int model, int store);

}  // namespace qn::config
