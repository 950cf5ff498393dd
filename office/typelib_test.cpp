#include "office/typelib.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace qn::office {
namespace {

using namespace com;

std::string read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// The listing is checked whole against the reviewed file; on a difference
// the actual listing is left beside the test program for the diff.
TEST(TypeLibrary, ListingMatchesTheGoldenFile) {
  const std::string expected = read(QN_SOURCE_DIR "/office/testdata/QNOFFICELib.idl");
  const std::string actual = idl_listing();
  if (actual != expected) {
    std::ofstream("QNOFFICELib.actual.idl", std::ios::binary) << actual;
    ADD_FAILURE() << "listing differs; actual in "
                  << std::filesystem::absolute("QNOFFICELib.actual.idl");
  }
}

TEST(TypeLibrary, NamesFoundIgnoringCaseOnTheirOwnInterface) {
  struct Case {
    const IID* iid;
    std::u16string name;
    DISPID id;
  };
  const Case cases[] = {
      {&IID_IQnOutlook97, u"DispayMessages", 8},
      {&IID_IQnOutlook97, u"DisplayMessages", DISPID_UNKNOWN},  // misspelt there
      {&IID_IQnOutlook, u"DisplayMessages", 2},
      {&IID_IQnMail, u"mode", 10},
      {&IID_IQnExcel, u"DELIMITER", 26},
      {&IID_IQnWord, u"GetDocument", 19},
      {&IID_IQnWord, u"GetWorkbook", DISPID_UNKNOWN},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.name.begin(), c.name.end()));
    std::u16string name = c.name;
    OLECHAR* names[] = {name.data()};
    DISPID id = 0;
    EXPECT_EQ(ids_of_names(*interface_desc(*c.iid), names, 1, &id),
              c.id == DISPID_UNKNOWN ? DISP_E_UNKNOWNNAME : S_OK);
    EXPECT_EQ(id, c.id);
  }
}

TEST(TypeLibrary, MembersNumberedFromOneAndMatchingTheirInterfaces) {
  for (const CoclassDesc& c : type_library().coclasses) {
    SCOPED_TRACE(c.name);
    const InterfaceDesc& d = *c.iface;
    for (size_t i = 0; i < d.members.size(); ++i) {
      EXPECT_EQ(d.members[i].id, DISPID(i + 1));
      EXPECT_TRUE(signature_matches(d.members[i])) << d.members[i].name;
    }
    EXPECT_EQ(type_info(d.iid) != nullptr, true);
  }
}

}  // namespace
}  // namespace qn::office
