#include "office/excel/qn_excel.h"

#include <stdlib.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "office/excel/document_test.h"
#include "platform/com/ole_date.h"
#include "platform/com/safearray.h"
#include "tests/office_servers/excel_server.h"
#include "tests/office_servers/server_files.h"

namespace qn::office {
namespace {

using namespace com;
using Calls = std::vector<std::string>;
namespace excel = office_servers::excel;

std::string missing(int n) {
  std::string s;
  for (int i = 0; i < n; ++i) s += (i ? ", " : "") + std::string("missing");
  return s;
}

Calls operator+(Calls a, const Calls& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// What every handle-taking member asks first, with one workbook open.
Calls check(const char* book = "book1", bool visible = false) {
  return {"app get 0x448()", std::string(book) + " get 0x12A()",
          std::string("app put 0x22E(I2 ") + (visible ? "1" : "0") + ")",
          std::string(book) + " get 0x12A()"};
}

Calls windows(bool visible, const char* book = "book1") {
  const std::string flag = visible ? "I2 1" : "I2 0";
  return {std::string(book) + " get 0x1AE()", "windows get 0x76()", "windows get 0xAA(I2 1)",
          "window1 put 0x22E(" + flag + ")"};
}

Calls cell(long row, long col) {
  const std::string at = std::to_string(row) + "," + std::to_string(col);
  return {"book1 get 0x133()", "Sheet1 get 0xEE()",
          "cells get 0xAA(I4 " + std::to_string(row) + ", I4 " + std::to_string(col) + ")"};
}

VARIANT r8(double d) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_R8;
  v.dblVal = d;
  return v;
}

class Excel : public DocumentTest {
 protected:
  void SetUp() override {
    DocumentTest::SetUp();
    excel::server().reset();
    x_ = make<CQnExcel, IQnExcel>(IID_IQnExcel);
  }
  void TearDown() override {
    x_.reset();
    excel::server().reset();
    DocumentTest::TearDown();
  }
  SHORT open(const char* name) {
    BSTR b = bstr_from_1252(name);
    SHORT h = -2, code = -2;
    EXPECT_EQ(x_->Open(b, &h, &code), S_OK);
    SysFreeString(b);
    last_ = code;
    return h;
  }
  SHORT error() {
    SHORT e = -2;
    x_->get_Error(&e);
    return e;
  }
  Calls calls() { return excel::server().call_texts(); }
  void clear() { excel::server().clear_calls(); }

  Ref<IQnExcel> x_;
  SHORT last_ = 0;
};

TEST_F(Excel, OpenCreatesAMissingWorkbookAndStartsItHidden) {
  EXPECT_EQ(open(" report "), 0);
  EXPECT_EQ(last_, 0);
  const Calls expected =
      Calls{"app put 0x40E(BSTR \"\")", "app get 0x23C()", "workbooks call 0xB5(missing)",
            "app put 0x40E(BSTR \"\")",
            "book1 call 0x11C(BSTR \"report.xls\", " + missing(5) + ", I4 1, " + missing(4) + ")"} +
      check() + windows(false) + Calls{"app put 0x22E(I2 0)"};
  EXPECT_EQ(calls(), expected);
  EXPECT_TRUE(exists("report.xls"));
  EXPECT_FALSE(excel::app_visible());
}

TEST_F(Excel, OpenOfAnExistingFileHandsOverReadOnlyFormatAndDelimiter) {
  ASSERT_TRUE(office_servers::write_file("data.csv", "1;x\n2;y\n"));
  x_->put_ReadOnly(1);
  BSTR d = bstr_from_1252(";");
  x_->put_Delimiter(d);
  SysFreeString(d);
  BSTR path = bstr_from_1252("C:\\Data");
  x_->put_DefaultPath(path);
  SysFreeString(path);
  ASSERT_EQ(open("data.csv"), 0);
  const Calls calls_made = calls();
  ASSERT_GE(calls_made.size(), 4u);
  const Calls expected = {"app put 0x40E(BSTR \"c:\\data\\\")", "app get 0x23C()",
                          "app put 0x40E(BSTR \"c:\\data\\\")",
                          "workbooks call 0x2AA(BSTR \"data.csv\", missing, I2 1, I2 6, " +
                              missing(4) + ", BSTR \";\", " + missing(4) + ")"};
  EXPECT_EQ(Calls(calls_made.begin(), calls_made.begin() + 4), expected);
  VARIANT v = excel::cell_value("data.csv", 2, 2);
  EXPECT_EQ(v.vt, VT_BSTR);
  VariantClear(&v);
}

TEST_F(Excel, CloseOfATextWorkbookSavesItAsAWorkbookFirst) {
  ASSERT_TRUE(office_servers::write_file("data.csv", "1,2\n"));
  ASSERT_EQ(open("data.csv"), 0);
  clear();
  SHORT code = -1;
  x_->Close(0, &code);
  EXPECT_EQ(code, 0);
  const Calls expected = check() + Calls{"book1 get 0x120()"} + check() +
                         Calls{"book1 get 0x120()",
                               "book1 get 0x6E()",
                               "book1 call 0x11C(BSTR \"data.xls\", I2 -4143, " + missing(3) +
                                   ", I2 1, I4 1, " + missing(4) + ")",
                               "book1 call 0x115(I2 0, missing, missing)",
                               "app put 0x22E(I2 0)",
                               "app call 0x12E()"};
  EXPECT_EQ(calls(), expected);
  std::string text;
  ASSERT_TRUE(office_servers::read_file("data.xls", &text));
  EXPECT_EQ(text.rfind("QNXLS", 0), 0u);
  ASSERT_TRUE(office_servers::read_file("data.csv", &text));
  EXPECT_EQ(text, "1,2\n");
}

TEST_F(Excel, MembersMakeTheirCallsInOrder) {
  struct Case {
    const char* name;
    std::function<SHORT(IQnExcel*)> run;
    Calls expected;
    SHORT code;
  };
  auto text = [](const char* s) { return bstr_from_1252(s); };
  const Case cases[] = {
      {"Show",
       [](IQnExcel* x) {
         SHORT c;
         x->Show(0, &c);
         return c;
       },
       check() + Calls{"app put 0x18C(I4 -4140)", "app put 0x22E(I2 1)"} + windows(true) +
           Calls{"app put 0x18C(I4 -4137)"},
       0},
      {"Hide",
       [](IQnExcel* x) {
         SHORT c;
         x->Hide(0, &c);
         return c;
       },
       check() + windows(false) + Calls{"app put 0x22E(I2 0)"}, 0},
      {"Save",
       [](IQnExcel* x) {
         SHORT c;
         x->Save(0, &c);
         return c;
       },
       check() + Calls{"book1 get 0x120()", "book1 call 0x11B()"}, 0},
      {"Clear",
       [](IQnExcel* x) {
         SHORT c;
         x->Clear(0, &c);
         return c;
       },
       check() + Calls{"book1 get 0x133()", "Sheet1 get 0xEE()", "cells call 0x6F()"}, 0},
      {"Put",
       [](IQnExcel* x) {
         SHORT c;
         x->Put(0, 2, 3, r8(2.5), &c);
         return c;
       },
       check() + cell(2, 3) +
           Calls{"cell(2,3) put 0x6(R8 2.5)", "book1 get 0x133()", "Sheet1 get 0xF1()",
                 "columns call 0xED()"},
       0},
      {"Get",
       [](IQnExcel* x) {
         SHORT c;
         VARIANT v;
         VariantInit(&v);
         x->Get(0, 2, 3, &v, &c);
         return c;
       },
       check() + cell(2, 3) + Calls{"cell(2,3) get 0x6()"}, 0},
      {"SelectSheet of a sheet there",
       [text](IQnExcel* x) {
         SHORT c = -1;
         BSTR n = text("Sheet2");
         x->SelectSheet(0, n, &c);
         SysFreeString(n);
         return c;
       },
       check() +
           Calls{"book1 get 0x1EE()", "sheets get 0xAA(BSTR \"Sheet2\")", "Sheet2 call 0x130()"},
       0},
      {"SelectSheet of a new sheet",
       [text](IQnExcel* x) {
         SHORT c = -1;
         BSTR n = text("Data");
         x->SelectSheet(0, n, &c);
         SysFreeString(n);
         return c;
       },
       check() + Calls{"book1 get 0x1EE()", "sheets get 0xAA(BSTR \"Data\")",
                       "sheets call 0xB5(" + missing(4) + ")", "Sheet4 put 0x6E(BSTR \"Data\")"},
       0},
      {"SelectSheet of a name refused",
       [text](IQnExcel* x) {
         SHORT c = -1;
         BSTR n = text("a:b");
         x->SelectSheet(0, n, &c);
         SysFreeString(n);
         return c;
       },
       check() + Calls{"book1 get 0x1EE()", "sheets get 0xAA(BSTR \"a:b\")",
                       "sheets call 0xB5(" + missing(4) + ")", "Sheet4 put 0x6E(BSTR \"a:b\")",
                       "app put 0x157(I2 0)", "Sheet4 call 0x75()", "app put 0x157(I2 1)"},
       5},
      {"RenameSheet",
       [text](IQnExcel* x) {
         SHORT c = -1;
         BSTR n = text("Totals");
         x->RenameSheet(0, n, &c);
         SysFreeString(n);
         return c;
       },
       check() + Calls{"book1 get 0x133()", "Sheet1 put 0x6E(BSTR \"Totals\")"}, 0},
      {"PrintOut of a hidden workbook",
       [](IQnExcel* x) {
         SHORT c;
         x->PrintOut(0, 1, &c);
         return c;
       },
       check() + check() + Calls{"app put 0x18C(I4 -4140)", "app put 0x22E(I2 1)"} + windows(true) +
           Calls{"app put 0x18C(I4 -4137)",
                 "book1 call 0x389(" + missing(3) + ", I2 1, " + missing(3) + ")"} +
           check("book1", true) + windows(false) + Calls{"app put 0x22E(I2 0)"},
       0},
      {"RunMacro",
       [text](IQnExcel* x) {
         SHORT c = -1;
         BSTR n = text("Sum");
         VARIANT flag;
         VariantInit(&flag);
         flag.vt = VT_BOOL;
         flag.boolVal = VARIANT_TRUE;
         VARIANT m = VariantMissing;
         x->RunMacro(0, n, i4_variant(1), flag, r8(2.5), m, m, m, m, m, m, m, m, m, m, m, m, m, m,
                     m, m, m, m, m, m, m, m, m, m, m, m, m, &c);
         SysFreeString(n);
         VARIANT result;
         x->get_MacroReturnValue(&result);
         EXPECT_EQ(result.vt, VT_R8);
         EXPECT_EQ(result.dblVal, 3.5);
         return c;
       },
       check() + windows(true) +
           Calls{"book1 call 0x130()",
                 "app call 0x103(BSTR \"Sum\", I4 1, missing, R8 2.5, " + missing(27) + ")"} +
           windows(false),
       0},
      {"Close",
       [](IQnExcel* x) {
         SHORT c;
         x->Close(0, &c);
         return c;
       },
       check() + Calls{"book1 get 0x120()", "book1 get 0x128()"} + windows(true) +
           Calls{"book1 call 0x115(I2 1, missing, missing)", "app put 0x22E(I2 0)",
                 "app call 0x12E()"},
       0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    x_ = make<CQnExcel, IQnExcel>(IID_IQnExcel);
    excel::server().reset();
    ASSERT_EQ(open("book"), 0);
    clear();
    EXPECT_EQ(c.run(x_.get()), c.code);
    EXPECT_EQ(calls(), c.expected);
    x_.reset();
    std::filesystem::remove("book.xls");
  }
}

TEST_F(Excel, HandlesAreNumberedAcrossCloseAndReconnection) {
  SHORT code = -1;
  EXPECT_EQ(open("a"), 0);
  EXPECT_EQ(open("b"), 1);
  x_->Close(0, &code);
  EXPECT_EQ(code, 0);
  x_->Show(1, &code);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(open("c"), 2);
  x_->put_DisplayMessages(1);
  x_->Show(0, &code);
  EXPECT_EQ(code, 1);
  EXPECT_EQ(messages_, Calls{"Invalid handle: 0"});
  x_->Close(1, &code);
  x_->Close(2, &code);
  EXPECT_FALSE(excel::running());
  x_->Show(1, &code);
  EXPECT_EQ(code, 3);
  EXPECT_EQ(open("a"), 0);  // a new application, numbering from 0 again
}

TEST_F(Excel, ValuesComeBackWithTheirTypeLetters) {
  ASSERT_EQ(open("types"), 0);
  VARIANT date;
  VariantInit(&date);
  date.vt = VT_DATE;
  date.date = 45000;
  VARIANT flag;
  VariantInit(&flag);
  flag.vt = VT_BOOL;
  flag.boolVal = VARIANT_TRUE;
  VARIANT empty;
  VariantInit(&empty);
  struct Case {
    VARIANT value;
    const char* letter;
  };
  const Case cases[] = {
      {r8(1.25), "N"}, {i4_variant(7), "N"},       {i2_variant(3), "N"},
      {date, "D"},     {text_variant("abc"), "C"}, {flag, "U"},
      {empty, "U"},
  };
  LONG row = 1;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.letter);
    SHORT code = -1;
    x_->Put(0, row, 1, c.value, &code);
    EXPECT_EQ(code, 0);
    VARIANT back;
    VariantInit(&back);
    x_->Get(0, row, 1, &back, &code);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(back.vt, c.value.vt);
    VARIANT last;
    x_->get_LastValue(&last);
    EXPECT_EQ(last.vt, c.value.vt);
    BSTR type = nullptr;
    x_->Type(0, row, 1, &type, &code);
    EXPECT_EQ(text_1252_of(type), c.letter);
    SysFreeString(type);
    VariantClear(&back);
    VariantClear(&last);
    ++row;
  }
  for (const Case& c : cases) VariantClear(const_cast<VARIANT*>(&c.value));
}

TEST_F(Excel, EveryCodeWithItsMessageWhileDisplayMessagesIsOn) {
  struct Case {
    short code;
    std::string message;
    std::function<SHORT(Excel&, IQnExcel*)> run;
  };
  auto with_text = [](const char* s, auto fn) {
    BSTR b = bstr_from_1252(s);
    SHORT c = fn(b);
    SysFreeString(b);
    return c;
  };
  const Case cases[] = {
      {1, "Invalid handle: 5",
       [](Excel&, IQnExcel* x) {
         SHORT c;
         x->Show(5, &c);
         return c;
       }},
      {2, "Workbook no longer valid. Handle: 0",
       [](Excel&, IQnExcel* x) {
         // The check of the application passes, the handle's own one fails.
         excel::server().inject({"book1", 0x12A, DISPATCH_PROPERTYGET, E_FAIL, 1, 1});
         SHORT c;
         x->Show(0, &c);
         return c;
       }},
      {3, "Application no longer valid.",
       [](Excel&, IQnExcel* x) {
         excel::stop_application();
         SHORT c;
         x->Show(0, &c);
         return c;
       }},
      {5, "Invalid worksheet name: a:b",
       [with_text](Excel&, IQnExcel* x) {
         return with_text("a:b", [x](BSTR b) {
           SHORT c;
           x->RenameSheet(0, b, &c);
           return c;
         });
       }},
      {6, "Invalid font properties.",
       [](Excel&, IQnExcel* x) {
         SHORT c;
         x->PutFormat(0, 1, 1, 1, 1, -1, nullptr, 1000.0, &c);
         return c;
       }},
      {7, "Invalid cell value.",
       [](Excel&, IQnExcel* x) {
         excel::server().inject({"cell", 0x6, DISPATCH_PROPERTYPUT});
         SHORT c;
         x->Put(0, 1, 1, i4_variant(1), &c);
         return c;
       }},
      {8, "Invalid cell coordinates.",
       [](Excel&, IQnExcel* x) {
         SHORT c;
         VARIANT v;
         VariantInit(&v);
         x->Get(0, 0, 1, &v, &c);
         return c;
       }},
      {9, "Invalid file name: ",
       [with_text](Excel&, IQnExcel* x) {
         return with_text(" \t ", [x](BSTR b) {
           SHORT h, c;
           x->Open(b, &h, &c);
           EXPECT_EQ(h, -1);
           return c;
         });
       }},
      {10, "Could not open file: first.xls",
       [with_text](Excel&, IQnExcel* x) {
         excel::server().inject({"workbooks", 0x2AA, DISPATCH_METHOD});
         return with_text("first", [x](BSTR b) {
           SHORT h, c;
           x->Open(b, &h, &c);
           EXPECT_EQ(h, -1);
           return c;
         });
       }},
      {11, "Error running macro: Nope",
       [with_text](Excel&, IQnExcel* x) {
         return with_text("Nope", [x](BSTR b) {
           SHORT c;
           VARIANT m = VariantMissing;
           x->RunMacro(0, b, m, m, m, m, m, m, m, m, m, m, m, m, m, m, m, m, m, m, m, m, m, m, m, m,
                       m, m, m, m, m, m, &c);
           return c;
         });
       }},
  };
  for (const Case& c : cases) {
    for (short display : {0, 1}) {
      SCOPED_TRACE(c.message + (display ? " shown" : " silent"));
      x_ = make<CQnExcel, IQnExcel>(IID_IQnExcel);
      excel::server().reset();
      ASSERT_EQ(open("first"), 0);
      messages_.clear();
      x_->put_DisplayMessages(display);
      EXPECT_EQ(c.run(*this, x_.get()), c.code);
      EXPECT_EQ(error(), c.code);
      EXPECT_EQ(messages_, display ? Calls{c.message} : Calls{});
      x_.reset();
    }
  }
}

TEST_F(Excel, ATemplateThatFailsIsReportedAndAPlainWorkbookMade) {
  BSTR t = bstr_from_1252("memo");
  x_->put_Template(t);
  SysFreeString(t);
  x_->put_DisplayMessages(1);
  EXPECT_EQ(open("letter"), 0);
  EXPECT_EQ(last_, 0);  // the Hide that ends a successful Open
  EXPECT_EQ(messages_, Calls{"Invalid template: memo.xlt"});
  EXPECT_TRUE(exists("letter.xls"));

  BSTR blank = bstr_from_1252("   ");
  x_->put_Template(blank);
  SysFreeString(blank);
  EXPECT_EQ(error(), 9);
}

TEST_F(Excel, MissingServerOrFailedCreationLeavesTheCode) {
  for (bool registered : {false, true}) {
    SCOPED_TRACE(registered ? "creation fails" : "not registered");
    if (registered) {
      excel::server().fail_creation(E_OUTOFMEMORY);
    } else {
      ::setenv("QN_REGISTRY_FILE", (registry_.dir() / "empty.ini").c_str(), 1);
    }
    x_ = make<CQnExcel, IQnExcel>(IID_IQnExcel);
    BSTR t = bstr_from_1252(" ");
    x_->put_Template(t);  // code 9 before the Open
    SysFreeString(t);
    messages_.clear();
    EXPECT_EQ(open("book"), -1);
    EXPECT_EQ(last_, 9);
    EXPECT_EQ(messages_, Calls{"Couldn't CreateDispatch on Excel"});
    ::setenv("QN_REGISTRY_FILE", (registry_.dir() / "registry.ini").c_str(), 1);
  }
}

TEST_F(Excel, ApplicationAndWorkbooksGoneAreNoticed) {
  SHORT code = -1;
  ASSERT_EQ(open("a"), 0);
  ASSERT_EQ(open("b"), 1);
  excel::close_by_user(0);
  x_->Show(0, &code);
  EXPECT_EQ(code, 1);  // dropped by the check of the application
  x_->Show(1, &code);
  EXPECT_EQ(code, 0);
  excel::stop_application();
  x_->Hide(1, &code);
  EXPECT_EQ(code, 3);
  EXPECT_EQ(open("c"), 0);
  EXPECT_TRUE(excel::running());
}

TEST_F(Excel, FormatsAreReadAndSet) {
  ASSERT_EQ(open("fmt"), 0);
  SHORT code = -1;
  clear();
  x_->PutFormat(0, 2, 2, 1, 1, -1, nullptr, -1.0, &code);
  EXPECT_EQ(code, 0);
  const Calls expected =
      check() + cell(2, 2) + cell(2, 2) +
      Calls{"book1 get 0x133()", "Sheet1 get 0xC5(DISPATCH cell(2,2), DISPATCH cell(2,2))",
            "range get 0x92()",  "book1 get 0x133()",
            "Sheet1 get 0xF1()", "columns call 0xED()"};
  EXPECT_EQ(calls(), expected);

  BSTR font = bstr_from_1252("Courier");
  x_->PutFormat(0, 2, 2, 2, 3, -255, font, 12.0, &code);
  SysFreeString(font);
  EXPECT_EQ(code, 0);
  const Calls made = calls();
  EXPECT_NE(std::find(made.begin(), made.end(), "font put 0x63(I4 255)"), made.end());
  EXPECT_NE(std::find(made.begin(), made.end(), "font put 0x68(R8 12)"), made.end());
  x_->PutFormat(0, 2, 2, 1, 1, 5, nullptr, -1.0, &code);

  LONG color = 0, size = 0;
  BSTR name = nullptr;
  x_->GetFormat(0, 3, 4, &color, &name, &size, &code);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(text_1252_of(name), "Courier");
  EXPECT_EQ(size, 12);
  SysFreeString(name);
  x_->GetFormat(0, 2, 2, &color, &name, &size, &code);
  EXPECT_EQ(color, 5);
  SysFreeString(name);

  // A colour index that is not a number: code 6, the other outputs still set.
  VARIANT odd = text_variant("red");
  excel::server().inject({"font", 0x61, DISPATCH_PROPERTYGET, S_OK, 1, 0, odd});
  color = 77;
  name = nullptr;
  x_->GetFormat(0, 2, 2, &color, &name, &size, &code);
  EXPECT_EQ(code, 6);
  EXPECT_EQ(color, 77);
  EXPECT_EQ(text_1252_of(name), "Courier");
  SysFreeString(name);
}

TEST_F(Excel, DestructionClosesEveryWorkbookAndLeavesNoObject) {
  ASSERT_EQ(open("one"), 0);
  ASSERT_EQ(open("two"), 1);
  SHORT code;
  x_->Put(1, 1, 1, i4_variant(42), &code);
  x_->put_DisplayMessages(1);
  x_.reset();
  EXPECT_FALSE(excel::running());
  EXPECT_EQ(excel::server().live_objects(), 0);
  EXPECT_TRUE(messages_.empty());
  std::string text;
  ASSERT_TRUE(office_servers::read_file("two.xls", &text));
  EXPECT_NE(text.find("1\t1\t3\t42"), std::string::npos);
}

TEST_F(Excel, BadInputGivesCodesAndNeverCrashes) {
  ASSERT_EQ(open("bad"), 0);
  SHORT code = -1;
  for (SHORT h : {SHORT(-1), SHORT(1), SHORT(32767), SHORT(-32768)}) {
    x_->Show(h, &code);
    EXPECT_EQ(code, 1) << h;
  }
  for (auto [row, col] : {std::pair<LONG, LONG>{-1, 1},
                          {1, 0},
                          {70000, 1},
                          {1, 300},
                          {INT32_MAX, INT32_MAX},
                          {INT32_MIN, 1}}) {
    VARIANT v;
    VariantInit(&v);
    x_->Get(0, row, col, &v, &code);
    EXPECT_EQ(code, 8);
    x_->Put(0, row, col, i4_variant(1), &code);
    EXPECT_EQ(code, 8);
    x_->PutFormat(0, row, col, INT32_MAX, INT32_MAX, INT32_MIN, nullptr, -1.0, &code);
    EXPECT_EQ(code, 8);
  }
  // Values of every kind: those a cell cannot hold are refused.
  SAFEARRAY* array = SafeArrayCreateVector(VT_I4, 0, 2);
  VARIANT arr;
  VariantInit(&arr);
  arr.vt = VT_ARRAY | VT_I4;
  arr.parray = array;
  LONG n = 3;
  VARIANT ref;
  VariantInit(&ref);
  ref.vt = VT_BYREF | VT_I4;
  ref.byref = &n;
  VARIANT null_object;
  VariantInit(&null_object);
  null_object.vt = VT_DISPATCH;
  VARIANT odd;
  VariantInit(&odd);
  odd.vt = 0x7F;
  for (const VARIANT& v : {arr, ref, null_object, odd}) {
    x_->Put(0, 1, 1, v, &code);
    EXPECT_EQ(code, 7) << v.vt;
  }
  VariantClear(&arr);

  // Names with a NUL are no names.
  BSTR nul = SysAllocStringLen(u"a\0b", 3);
  SHORT h;
  x_->Open(nul, &h, &code);
  EXPECT_EQ(code, 9);
  EXPECT_EQ(h, -1);
  x_->SelectSheet(0, nul, &code);
  EXPECT_EQ(code, 5);
  SysFreeString(nul);

  // A server that answers with the wrong types.
  excel::server().inject({"book1", 0x120, DISPATCH_PROPERTYGET, S_OK, -1, 0, text_variant("x")});
  x_->Close(0, &code);
  EXPECT_EQ(code, 2);
  excel::server().reset();
  excel::server().inject({"app", 0x23C, DISPATCH_PROPERTYGET, S_OK, -1, 0, i4_variant(1)});
  EXPECT_EQ(open("other"), -1);
  EXPECT_EQ(last_, 10);
}

}  // namespace
}  // namespace qn::office
