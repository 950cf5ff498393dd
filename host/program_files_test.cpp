#include "host/program_files.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "host/directories.h"
#include "host/error_log.h"
#include "host/running_dialog_test.h"

namespace qn::host {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;

class ProgramFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::path(::testing::TempDir()) / ("prg_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    set_program_path_for_tests((dir_ / "qnjavagen").string());  // the error log lands here
    set_env(0);
    reset_program_files();
  }
  void TearDown() override {
    reset_program_files();
    set_program_file_env({});
    set_program_path_for_tests(std::nullopt);
    fs::remove_all(dir_);
  }
  void set_env(int version_switch) {
    set_program_file_env(
        {[this](int, std::string_view name) { return (dir_ / std::string(name)).string(); },
         [version_switch] { return version_switch; }});
  }
  std::string bytes(const std::string& name) const {
    std::ifstream in(dir_ / name, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  void put(const std::string& name, const std::string& content) const {
    std::ofstream(dir_ / name, std::ios::binary) << content;
  }
  static PrgRecord rec(int number, const std::string& name, int type = 1) {
    PrgRecord r;
    r.type = type;
    r.number = number;
    r.name = name;
    r.description = "About " + name;
    r.text1 = name;
    r.text2 = "F" + name;
    return r;
  }
  // Adds records of the given names to model 5, type 1, numbers 1, 2, ...
  void add_all(std::initializer_list<const char*> names) {
    int n = 0;
    for (const char* name : names) {
      PrgRecord r = rec(++n, name);
      ASSERT_EQ(prg_file_io(kPrgAdd, 0, {5, 1, 0, ""}, r), kPrgDone);
    }
  }
  // The record numbers an op-7 walk from the start reads.
  static std::vector<int> walk(int model = 5, int type = 1) {
    std::vector<int> numbers;
    PrgRecord r;
    prg_file_io(kPrgClose, 0, {}, r);  // an open file stays where it is
    EXPECT_EQ(prg_file_open_read(model, type, 0), 1);
    while (prg_file_io(kPrgNext, 0, {model, type, 0, ""}, r) == kPrgDone)
      numbers.push_back(r.number);
    return numbers;
  }
  static std::string internal_error(const std::function<void()>& f) {
    try {
      f();
    } catch (const CCTreeException& e) {
      return e.text().substr(0, e.text().find('\n'));
    }
    return "";
  }
  fs::path dir_;
};

TEST_F(ProgramFiles, NamesAndCodes) {
  struct Case {
    int type, version_switch, generation;
    const char* file;
    const char* code;
  } cases[] = {
      {0, 0, 11, "QNTPRGS.005", "TRN"},  // the switch off: no generation
      {0, 1, 11, "QNTPRG11.005", "TRN"},   {0, 1, 0, "QNTPRGS.005", "TRN"},
      {2, 1, 11, "QNRPRG11.005", "RPT"},   {13, 0, 0, "QNHPRGS.005", "WBP"},
      {17, 1, 11, "QNBPRG11.005", "MBR"},  {101, 0, 0, "QNUPRGS.005", "QNU"},
      {101, 1, 11, "QNUPRG11.005", "QNU"}, {50, 0, 0, "QN?PRGS.005", "???"},
      {50, 1, 11, "QN?PRG11.005", "???"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    set_env(c.version_switch);
    fs::remove_all(dir_ / c.file);
    ASSERT_EQ(prg_file_create(5, c.type, c.generation), 1);
    EXPECT_TRUE(fs::exists(dir_ / c.file));
    EXPECT_EQ(prg_record_code(c.type), c.code);
  }
  EXPECT_EQ(prg_second_letter(4), 'E');
  EXPECT_EQ(prg_second_letter(102), 'K');
  EXPECT_EQ(prg_letter(103), '?');
  EXPECT_EQ(prg_letter(-1), '?');
}

// A small file byte for byte: two records, an empty slot and a deleted one.
TEST_F(ProgramFiles, WrittenBytes) {
  ASSERT_EQ(prg_file_create(5, 1, 0), 1);
  PrgRecord a = rec(1, "PCUSTOMER");
  a.description = "Customer list";
  a.flag1 = 7;
  a.flag2 = 1;
  ASSERT_EQ(prg_file_io(kPrgAdd, 0, {5, 1, 0, ""}, a), kPrgDone);
  PrgRecord b = rec(3, "PORDERS_LONGNAME");  // cut to 10
  b.type = 101;
  ASSERT_EQ(prg_file_io(kPrgAdd, 0, {5, 1, 0, ""}, b), kPrgDone);
  PrgRecord c = rec(4, "PDROPPED");
  ASSERT_EQ(prg_file_io(kPrgAdd, 0, {5, 1, 0, ""}, c), kPrgDone);
  ASSERT_EQ(prg_file_io(kPrgDelete, 0, {5, 1, 0, ""}, c), kPrgDone);
  ASSERT_EQ(prg_file_io(kPrgClose, 0, {}, c), kPrgDone);
  EXPECT_EQ(bytes("QNPPRGS.005"),
            "PROPCUSTOMER Customer list                 PCUSTOMER 7Y    FPCUSTOMER00011\r\n"
            "                                                                          \r\n"
            "QNUPORDERS_LOAbout PORDERS_LONGNAME        PORDERS_LO0N    FPORDERS_L00031\r\n"
            "PROPDROPPED  About PDROPPED                PDROPPED  0N    FPDROPPED 0004*\r\n");
}

TEST_F(ProgramFiles, WritingNumbersAndSlots) {
  ASSERT_EQ(prg_file_create(5, 1, 0), 1);
  add_all({"PA", "PB", "PC"});
  // Number 0 goes behind the highest and tells the caller its number.
  PrgRecord r = rec(0, "PD");
  ASSERT_EQ(prg_file_io(kPrgAdd, 0, {5, 1, 0, ""}, r), kPrgDone);
  EXPECT_EQ(r.number, 4);
  EXPECT_EQ(bytes("QNPPRGS.005").substr(3 * 76 + 69, 5), "00041");
  // Record 7 into a file of 4: slots 5 and 6 are written empty and never read.
  PrgRecord seven = rec(7, "PG");
  ASSERT_EQ(prg_file_io(kPrgUpdate, 0, {5, 1, 0, ""}, seven), kPrgDone);
  EXPECT_EQ(bytes("QNPPRGS.005").substr(4 * 76, 76), std::string(74, ' ') + "\r\n");
  EXPECT_THAT(walk(), ElementsAre(1, 2, 3, 4, 7));
  PrgRecord out;
  EXPECT_EQ(prg_file_io(kPrgReadKey, kPrgByNumber, {5, 1, 5, ""}, out), kPrgNotFound);
  EXPECT_EQ(prg_file_io(kPrgReadKey, kPrgByNumber, {5, 1, 8, ""}, out), kPrgNotFound);
  EXPECT_EQ(bytes("QNPPRGS.005").size(), 7u * 76);  // a read behind the end writes nothing
  ASSERT_EQ(prg_file_io(kPrgReadKey, kPrgByNumber, {5, 1, 2, ""}, out), kPrgDone);
  EXPECT_EQ(out.name, "PB");
  EXPECT_EQ(out.description, "About PB");
  EXPECT_EQ(out.text2, "FPB");
  // An update in place.
  PrgRecord b = rec(2, "PB");
  b.flag2 = 1;
  ASSERT_EQ(prg_file_io(kPrgUpdate, 0, {5, 1, 0, ""}, b), kPrgDone);
  ASSERT_EQ(prg_file_io(kPrgReadKey, kPrgByNumber, {5, 1, 2, ""}, out), kPrgDone);
  EXPECT_EQ(out.flag2, 1);

  // Refused writes: nothing is written.
  const std::string before = bytes("QNPPRGS.005");
  PrgRecord big = rec(10000, "PBIG");
  EXPECT_EQ(prg_file_io(kPrgAdd, 0, {5, 1, 0, ""}, big), kPrgWriteFailed);
  PrgRecord flag = rec(1, "PFLAG");
  flag.flag1 = 10;
  EXPECT_EQ(prg_file_io(kPrgAdd, 0, {5, 1, 0, ""}, flag), kPrgWriteFailed);
  EXPECT_EQ(bytes("QNPPRGS.005"), before);
}

TEST_F(ProgramFiles, DeletingAndCountingTheHighest) {
  ASSERT_EQ(prg_file_create(5, 1, 0), 1);
  add_all({"PA", "PB", "PC", "PD", "PE"});
  // Deleting the last record lowers the highest: the next number-0 add
  // takes its place.
  PrgRecord e = rec(5, "PE");
  ASSERT_EQ(prg_file_io(kPrgDelete, 0, {5, 1, 0, ""}, e), kPrgDone);
  PrgRecord again = rec(0, "PE2");
  ASSERT_EQ(prg_file_io(kPrgAdd, 0, {5, 1, 0, ""}, again), kPrgDone);
  EXPECT_EQ(again.number, 5);
  // Records 4 and 5 deleted (4 first: the highest stays until 5 goes).
  PrgRecord d = rec(4, "PD");
  ASSERT_EQ(prg_file_io(kPrgDelete, 0, {5, 1, 0, ""}, d), kPrgDone);
  ASSERT_EQ(prg_file_io(kPrgDelete, 0, {5, 1, 0, ""}, again), kPrgDone);
  EXPECT_THAT(walk(), ElementsAre(1, 2, 3));
  // Another file in between, then this one counted again on opening.
  ASSERT_EQ(prg_file_create(5, 0, 0), 1);
  ASSERT_EQ(prg_file_open_read(5, 0, 0), 1);
  ASSERT_EQ(prg_file_open_read(5, 1, 0), 1);
  PrgRecord next = rec(0, "PF");
  ASSERT_EQ(prg_file_io(kPrgAdd, 0, {5, 1, 0, ""}, next), kPrgDone);
  EXPECT_EQ(next.number, 4);
}

TEST_F(ProgramFiles, ReadingByNameAndNumber) {
  ASSERT_EQ(prg_file_create(5, 1, 0), 1);
  add_all({"PORDERS", "PCUSTOMER", "PBILLING"});
  struct Case {
    short op, mode;
    int number;
    const char* name;
    short status;
    const char* found;
  } cases[] = {
      {kPrgReadKey, kPrgByName, 0, "pcustomer", kPrgDone, "PCUSTOMER"},
      {kPrgReadKey, kPrgByName, 0, "PCUST", kPrgNotFound, ""},
      {kPrgReadAtOrAfter, kPrgByName, 0, "pc", kPrgDone,
       "PORDERS"},  // the first in file order at or after
      {kPrgReadAtOrAfter, kPrgByName, 0, "pz", kPrgNotFound, ""},
      {kPrgReadAtOrAfter, kPrgByNumber, 2, "", kPrgDone, "PCUSTOMER"},
      {kPrgReadAtOrAfter, kPrgByNumber, 0, "", kPrgDone, "PORDERS"},
      {kPrgReadAtOrAfter, kPrgByNumber, 4, "", kPrgNotFound, ""},
      {kPrgReadKey, 1, 1, "", kPrgNotFound, ""},  // another mode
      {kPrgReadAtOrAfter, 2, 1, "", kPrgNotFound, ""},
      {kPrgNoop, 0, 0, "", kPrgDone, ""},
      {12, 0, 0, "", kPrgDone, ""},  // above 9: no effect
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.op) + "/" + std::to_string(c.mode) + " " + c.name);
    PrgRecord out;
    EXPECT_EQ(prg_file_io(c.op, c.mode, {5, 1, c.number, c.name}, out), c.status);
    EXPECT_EQ(out.name, c.found);
  }
}

// A damaged file never raises: unknown codes read as type -1, fields that
// do not begin with a digit as 0, a short last record as absent.
TEST_F(ProgramFiles, DamagedRecords) {
  const std::string good =
      "TRNTCUST     Customers                     TCUST     0N    DCUST     00011\r\n";
  std::string bad = good;
  bad.replace(0, 3, "XYZ");
  bad[53] = 'x';
  bad.replace(69, 4, "x002");
  put("QNTPRGS.005", good + bad + good.substr(0, 40));
  PrgRecord r;
  ASSERT_EQ(prg_file_io(kPrgNext, 0, {5, 0, 0, ""}, r), kPrgDone);
  EXPECT_EQ(r.type, 0);
  EXPECT_EQ(r.number, 1);
  ASSERT_EQ(prg_file_io(kPrgNext, 0, {5, 0, 0, ""}, r), kPrgDone);
  EXPECT_EQ(r.type, -1);
  EXPECT_EQ(r.flag1, 0);
  EXPECT_EQ(r.number, 0);
  EXPECT_EQ(prg_file_io(kPrgNext, 0, {5, 0, 0, ""}, r), kPrgNotFound);
  // The short record is absent: a number-0 add lands on it.
  PrgRecord add = rec(0, "TNEW", 0);
  ASSERT_EQ(prg_file_io(kPrgAdd, 0, {5, 0, 0, ""}, add), kPrgDone);
  EXPECT_EQ(add.number, 3);
  EXPECT_EQ(bytes("QNTPRGS.005").size(), 3u * 76);
}

TEST_F(ProgramFiles, MissingFilesAndInternalErrors) {
  PrgRecord r;
  // Below type 100 a missing file answers 3; from 100 on it is created.
  EXPECT_EQ(prg_file_open_read(5, 2, 0), 0);
  EXPECT_EQ(prg_file_io(kPrgNext, 0, {5, 2, 0, ""}, r), kPrgNotFound);
  EXPECT_EQ(prg_file_io(kPrgNoop, 0, {5, 2, 0, ""}, r), kPrgNotFound);
  EXPECT_EQ(prg_file_open_read(5, 101, 0), 1);
  EXPECT_TRUE(fs::exists(dir_ / "QNUPRGS.005"));
  EXPECT_EQ(prg_file_io(kPrgClose, 0, {}, r), kPrgDone);
  // Emptying the file the accessor holds open does not wait on its own lock.
  ASSERT_EQ(prg_file_create(5, 1, 0), 1);
  PrgRecord one = rec(1, "PONE");
  ASSERT_EQ(prg_file_io(kPrgAdd, 0, {5, 1, 0, ""}, one), kPrgDone);
  EXPECT_EQ(prg_file_create(5, 1, 0), 1);
  EXPECT_EQ(bytes("QNPPRGS.005"), "");

  EXPECT_EQ(internal_error([&] {
              prg_file_io(kPrgRefused, 0, {5, 101, 0, ""}, r);
            }),
            "Internal Error 200 in function qnprg");
  PrgRecord before_first = rec(-2, "PX");
  EXPECT_EQ(internal_error([&] {
              prg_file_io(kPrgUpdate, 0, {5, 101, 0, ""}, before_first);
            }),
            "Internal Error 3 in function pos_at");
  EXPECT_EQ(internal_error([&] {
              prg_file_io(kPrgReadKey, kPrgByNumber, {5, 101, 0, ""}, r);
            }),
            "Internal Error 3 in function pos_at");
}

// --- the shared open ------------------------------------------------------------

TEST_F(ProgramFiles, SharedOpenInUse) {
  const std::string path = (dir_ / "QNTPRGS.005").string();
  put("QNTPRGS.005", "held");
  platform::SharedFile holder;
  ASSERT_EQ(holder.open(path, false), platform::SharedFile::State::kOpen);
  // Wait 0: in use, which is not the same as a file that cannot be opened.
  EXPECT_EQ(OpenSharedWait(path, "r+b", 0).state(), platform::SharedFile::State::kInUse);
  EXPECT_EQ(OpenSharedWait(path, "w+b", 0).state(), platform::SharedFile::State::kInUse);
  EXPECT_EQ(bytes("QNTPRGS.005"), "held");  // readers without a lock still read; nothing emptied
  EXPECT_EQ(OpenSharedWait((dir_ / "missing").string(), "r+b", 0).state(),
            platform::SharedFile::State::kClosed);
  EXPECT_EQ(OpenSharedWait(dir_.string(), "w+b", 1).state(), platform::SharedFile::State::kClosed);

  // Wait 1: the message once, then the open once the holder lets go.
  RunningDialog d;
  std::thread release([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    holder.close();
  });
  platform::SharedFile f = OpenSharedWait(path, "r+b", 1);
  release.join();
  EXPECT_TRUE(f.is_open());
  const auto& log = d.stop();
  EXPECT_THAT(
      log.events,
      ElementsAre("action:File " + path + " is in use by another. Please wait...", "action: "));
}

}  // namespace
}  // namespace qn::host
