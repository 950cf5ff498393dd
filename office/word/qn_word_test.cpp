#include "office/word/qn_word.h"

#include <stdlib.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "office/excel/document_test.h"
#include "office/word/qn_word97.h"
#include "tests/office_servers/server_files.h"
#include "tests/office_servers/word_server.h"

namespace qn::office {
namespace {

using namespace com;
using Calls = std::vector<std::string>;
namespace word = office_servers::word;

std::string missing(int n) {
  std::string s;
  for (int i = 0; i < n; ++i) s += (i ? ", " : "") + std::string("&missing");
  return s;
}

Calls operator+(Calls a, const Calls& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// What every handle-taking member asks first, with one document open.
const Calls kCheck = {"app get 0x64()", "doc1 get 0x28()", "doc1 get 0x28()"};

Calls windows(const std::string& put) {
  return {"doc1 get 0x22()", "windows get 0x2()", "windows call 0x0(&I2 1)", "window1 " + put};
}

// A BSTR for the length of one call.
struct Text {
  explicit Text(const char* s) : b(bstr_from_1252(s)) {}
  ~Text() { SysFreeString(b); }
  operator BSTR() const { return b; }
  BSTR b;
};

template <class I>
class WordFixture : public DocumentTest {
 protected:
  void SetUp() override {
    DocumentTest::SetUp();
    word::server().reset();
    word::set_word97(false);
    dir_ = std::filesystem::current_path().string();
  }
  void TearDown() override {
    w_.reset();
    word::set_word97(false);
    word::server().reset();
    DocumentTest::TearDown();
  }
  SHORT open(const char* name) {
    SHORT h = -2, code = -2;
    EXPECT_EQ(w_->Open(Text(name), &h, &code), S_OK);
    last_ = code;
    return h;
  }
  SHORT error() {
    SHORT e = -2;
    w_->get_Error(&e);
    return e;
  }
  std::string text(SHORT h) {
    BSTR t = nullptr;
    SHORT code;
    w_->Get(h, &t, &code);
    std::string s = text_1252_of(t);
    SysFreeString(t);
    return s;
  }
  Calls calls() { return word::server().call_texts(); }
  void clear() { word::server().clear_calls(); }

  Ref<I> w_;
  std::string dir_;
  SHORT last_ = 0;
};

class Word : public WordFixture<IQnWord> {
 protected:
  void SetUp() override {
    WordFixture::SetUp();
    w_ = make<CQnWord, IQnWord>(IID_IQnWord);
  }
};

class Word97 : public WordFixture<IQnWord97> {
 protected:
  void SetUp() override {
    WordFixture::SetUp();
    word::set_word97(true);
    w_ = make<CQnWord97, IQnWord97>(IID_IQnWord97);
  }
};

TEST_F(Word, OpenGivesWordTheFullPathAndTestsTheCompletedName) {
  EXPECT_EQ(open("letter"), 0);
  EXPECT_EQ(last_, 0);
  const std::string full = "&BSTR \"" + dir_ + "/letter\"";
  const Calls expected =
      Calls{"app get 0x6E()", "app get 0x6()", "documents call 0xE(" + missing(4) + ")",
            "doc1 call 0x66(" + full + ", " + missing(10) + ")"} +
      kCheck + windows("put 0x24(I2 0)");
  EXPECT_EQ(calls(), expected);
  EXPECT_TRUE(exists("letter.doc"));

  SHORT code;
  w_->Close(0, &code);
  EXPECT_FALSE(word::running());  // the last document closed quits Word
  clear();
  EXPECT_EQ(open("letter"), 0);  // a new connection numbers from 0 again
  const Calls opened = calls();
  ASSERT_GE(opened.size(), 3u);
  EXPECT_EQ(opened[2], "documents call 0xF(" + full + ", &missing, &I2 0, " + missing(9) + ")");
}

TEST_F(Word, MembersMakeTheirCallsInOrder) {
  struct Case {
    const char* name;
    std::function<SHORT(IQnWord*)> run;
    Calls expected;
    SHORT code;
  };
  const Case cases[] = {
      {"Show",
       [](IQnWord* w) {
         SHORT c;
         w->Show(0, &c);
         return c;
       },
       kCheck + windows("put 0x24(I2 1)") + Calls{"app put 0x5B(I4 1)"}, 0},
      {"Hide",
       [](IQnWord* w) {
         SHORT c;
         w->Hide(0, &c);
         return c;
       },
       kCheck + windows("put 0x24(I2 0)"), 0},
      {"Close",
       [](IQnWord* w) {
         SHORT c;
         w->Close(0, &c);
         return c;
       },
       kCheck + Calls{"doc1 get 0x2C()", "doc1 call 0x451(&I2 -1, &missing, &missing)",
                      "app call 0x451(&I2 0, &missing, &missing)"},
       0},
      {"PrintOut with preview",
       [](IQnWord* w) {
         SHORT c;
         w->PrintOut(0, 1, 0, &c);
         return c;
       },
       kCheck + kCheck + windows("put 0x24(I2 1)") +
           Calls{"app put 0x5B(I4 1)", "doc1 call 0x72()"},
       0},
      {"PrintOut",
       [](IQnWord* w) {
         SHORT c;
         w->PrintOut(0, 0, 1, &c);
         return c;
       },
       kCheck + kCheck + windows("put 0x24(I2 1)") +
           Calls{"app put 0x5B(I4 1)", "doc1 call 0x1BC(&I2 1, " + missing(17) + ")"} + kCheck +
           windows("put 0x24(I2 0)"),
       0},
      {"Put appending",
       [](IQnWord* w) {
         SHORT c = -1;
         w->Put(0, Text(" more"), 1, &c);
         return c;
       },
       kCheck + Calls{"doc1 get 0x29()", "content get 0x0()", "content put 0x0(BSTR \" more\")"},
       0},
      {"Get",
       [](IQnWord* w) {
         SHORT c = -1;
         BSTR t = nullptr;
         w->Get(0, &t, &c);
         SysFreeString(t);
         return c;
       },
       kCheck + Calls{"doc1 get 0x29()", "content get 0x0()"}, 0},
      {"Replace",
       [](IQnWord* w) {
         SHORT c = -1;
         w->Replace(0, Text("a"), Text("b"), 1, 0, &c);
         return c;
       },
       kCheck + Calls{"doc1 get 0x29()", "content get 0x106()",
                      "find call 0x1BC(&BSTR \"a\", &I2 1, &I2 0, " + missing(3) + ", &I2 1, " +
                          missing(2) + ", &BSTR \"b\", &I2 2, " + missing(4) + ")"},
       0},
      {"SpellCheck of a hidden document",
       [](IQnWord* w) {
         SHORT c = -1;
         w->SpellCheck(0, &c);
         return c;
       },
       kCheck + Calls{"app get 0x5B()", "app put 0x5B(I4 2)"} + kCheck + windows("put 0x24(I2 1)") +
           Calls{"app put 0x5B(I4 1)", "doc1 call 0x84(" + missing(12) + ")",
                 "app put 0x5B(I4 1)"} +
           kCheck + windows("put 0x24(I2 0)"),
       0},
      {"Save",
       [](IQnWord* w) {
         SHORT c;
         w->Save(0, &c);
         return c;
       },
       kCheck + Calls{"doc1 call 0x6C()"}, 0},
      {"SaveAs",
       [](IQnWord* w) {
         SHORT c;
         w->SaveAs(0, Text("copy"), Text("RTF"), 0, 0, &c);
         return c;
       },
       kCheck + Calls{"doc1 call 0x66(&BSTR \"copy\", &I4 6, " + missing(9) + ")"}, 0},
      {"RunMacro",
       [](IQnWord* w) {
         SHORT c = -1;
         VARIANT flag;
         VariantInit(&flag);
         flag.vt = VT_BOOL;
         VARIANT m = VariantMissing;
         w->RunMacro(0, Text("Sum"), i4_variant(2), flag, i4_variant(3), m, m, m, m, m, m, m, m, m,
                     m, m, m, m, m, m, m, m, m, m, m, m, m, m, m, m, m, m, &c);
         VARIANT result;
         w->get_MacroReturnValue(&result);
         EXPECT_EQ(result.vt, VT_R8);
         EXPECT_EQ(result.dblVal, 5);
         return c;
       },
       kCheck + Calls{"doc1 call 0x71()",
                      "app call 0x1BD(&BSTR \"Sum\", &I4 2, &missing, &I4 3, " + missing(27) + ")"},
       0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    w_ = make<CQnWord, IQnWord>(IID_IQnWord);
    word::server().reset();
    ASSERT_EQ(open("doc"), 0);
    clear();
    EXPECT_EQ(c.run(w_.get()), c.code);
    EXPECT_EQ(calls(), c.expected);
    w_.reset();
    std::filesystem::remove("doc.doc");
  }
}

TEST_F(Word, SaveAsFormatsByType) {
  ASSERT_EQ(open("fmt"), 0);
  struct Case {
    const char* type;
    SHORT dos, breaks;
    const char* format;  // the format handed over, or null when nothing is saved
    SHORT code;
  };
  const Case cases[] = {
      {"TXT", 1, 1, "I4 5", 0},  {"txt", 0, 0, "I4 2", 0}, {"txt", 0, 1, "I4 3", 0},
      {"doc", 0, 0, "I4 0", 0},  {"htm", 0, 0, "I4 8", 0}, {"Dot", 0, 0, "I4 1", 0},
      {"pdf", 0, 0, nullptr, 8},
  };
  w_->put_DisplayMessages(1);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.type);
    clear();
    messages_.clear();
    SHORT code = -1;
    w_->SaveAs(0, Text("out"), Text(c.type), c.dos, c.breaks, &code);
    EXPECT_EQ(code, c.code);
    const Calls made = calls();
    if (c.format) {
      EXPECT_EQ(made.back(), "doc1 call 0x66(&BSTR \"out\", &" + std::string(c.format) + ", " +
                                 missing(9) + ")");
    } else {
      EXPECT_EQ(made, kCheck);
      EXPECT_EQ(messages_, Calls{"Invalid value: pdf"});
    }
  }
  EXPECT_TRUE(exists("out.txt"));
  EXPECT_TRUE(exists("out.htm"));
}

TEST_F(Word, TextIsPutAppendedReplacedAndReadAsLines) {
  ASSERT_EQ(open("text"), 0);
  SHORT code = -1;
  w_->Put(0, Text("one\rtwo"), 0, &code);
  w_->Put(0, Text("\rthree two"), 1, &code);
  EXPECT_EQ(text(0), "one\r\ntwo\r\nthree two");
  w_->Replace(0, Text("two"), Text("2"), 0, 1, &code);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(text(0), "one\r\n2\r\nthree 2");
  w_->Close(0, &code);
  std::string saved;
  ASSERT_TRUE(office_servers::read_file("text.doc", &saved));
  EXPECT_EQ(saved, "one\r2\rthree 2");
}

TEST_F(Word, TemplateNamesAreCompletedFromTwoCharacters) {
  struct Case {
    const char* given;
    const char* handed;
  };
  for (const Case& c : {Case{"x", "x"}, Case{"memo", "memo.dot"}, Case{"a.b", "a.b"}}) {
    SCOPED_TRACE(c.given);
    w_ = make<CQnWord, IQnWord>(IID_IQnWord);
    word::server().reset();
    w_->put_Template(Text(c.given));
    EXPECT_EQ(open("t"), 0);
    const Calls made = calls();
    EXPECT_EQ(made[2],
              "documents call 0xE(&BSTR \"" + std::string(c.handed) + "\", " + missing(3) + ")");
    w_.reset();
    std::filesystem::remove("t.doc");
  }
  w_ = make<CQnWord, IQnWord>(IID_IQnWord);
  w_->put_Template(Text("   "));
  EXPECT_EQ(error(), 5);
}

TEST_F(Word, EveryCodeWithItsMessageWhileDisplayMessagesIsOn) {
  struct Case {
    short code;
    std::string message;
    std::function<SHORT(IQnWord*)> run;
  };
  const Case cases[] = {
      {1, "Invalid handle: 4",
       [](IQnWord* w) {
         SHORT c;
         w->Show(4, &c);
         return c;
       }},
      {2, "Document no longer valid. Handle: 0",
       [](IQnWord* w) {
         word::server().inject({"doc1", 0x28, DISPATCH_PROPERTYGET, E_FAIL, 1, 1});
         SHORT c;
         w->Show(0, &c);
         return c;
       }},
      {3, "Application no longer valid.",
       [](IQnWord* w) {
         word::stop_application();
         SHORT c;
         w->Hide(0, &c);
         return c;
       }},
      {4, "Invalid template: none.dot",
       [](IQnWord* w) {
         w->put_Template(Text("none"));
         SHORT h, c;
         w->Open(Text("another"), &h, &c);
         EXPECT_EQ(c, 0);  // the Hide of the new document
         return SHORT(4);
       }},
      {5, "Invalid file name: ",
       [](IQnWord* w) {
         SHORT h, c;
         w->Open(Text("  "), &h, &c);
         EXPECT_EQ(h, -1);
         return c;
       }},
      {6, "Could not open file: first.doc",
       [](IQnWord* w) {
         word::server().inject({"documents", 0xF, DISPATCH_METHOD});
         SHORT h, c;
         w->Open(Text("first"), &h, &c);
         return c;
       }},
      {7, "Could not save file: /no/such/folder/x",
       [](IQnWord* w) {
         SHORT c;
         w->SaveAs(0, Text("/no/such/folder/x"), Text("doc"), 0, 0, &c);
         return c;
       }},
      {8, "Invalid value: pdf",
       [](IQnWord* w) {
         SHORT c;
         w->SaveAs(0, Text("x"), Text("PDF"), 0, 0, &c);
         return c;
       }},
      {9, "Error running macro: Nope",
       [](IQnWord* w) {
         SHORT c;
         VARIANT m = VariantMissing;
         w->RunMacro(0, Text("Nope"), m, m, m, m, m, m, m, m, m, m, m, m, m, m, m, m, m, m, m, m, m,
                     m, m, m, m, m, m, m, m, m, &c);
         return c;
       }},
  };
  for (const Case& c : cases) {
    for (short display : {0, 1}) {
      SCOPED_TRACE(c.message + (display ? " shown" : " silent"));
      w_ = make<CQnWord, IQnWord>(IID_IQnWord);
      word::server().reset();
      ASSERT_EQ(open("first"), 0);
      messages_.clear();
      w_->put_DisplayMessages(display);
      EXPECT_EQ(c.run(w_.get()), c.code);
      if (c.code != 4) {
        EXPECT_EQ(error(), c.code);
      }
      EXPECT_EQ(messages_, display ? Calls{c.message} : Calls{});
      w_.reset();
      std::filesystem::remove("another.doc");
    }
  }
}

TEST_F(Word, WithoutTheNewerModelTheCompanionDoesTheWork) {
  word::set_word97(true);
  ASSERT_TRUE(office_servers::write_file("memo.dot", "Dear"));
  w_->put_Template(Text("memo"));
  w_->put_ReadOnly(1);
  w_->put_DisplayMessages(1);
  EXPECT_EQ(open("letter"), 0);
  EXPECT_EQ(last_, 0);
  EXPECT_TRUE(messages_.empty());
  const std::string full = "&BSTR \"" + dir_ + "/letter\"";
  Calls made = calls();
  ASSERT_GE(made.size(), 5u);
  // The front's probe fails; the companion's own application opens the
  // document with the Word 97 members.
  const Calls start = {"app get 0x6E()", "app get 0x6()",
                       "documents call 0xB(&BSTR \"memo.dot\", &missing)",
                       "doc1 call 0x66(" + full + ", " + missing(10) + ")"};
  EXPECT_EQ(Calls(made.begin(), made.begin() + 4), start);
  EXPECT_EQ(text(0), "Dear");
  SHORT shown = -1;
  w_->Show(7, &shown);  // the companion shows its messages
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(messages_, Calls{"Invalid handle: 7"});

  SHORT code = -1;
  IDispatch* doc = reinterpret_cast<IDispatch*>(1);
  w_->get_GetDocument(0, &doc);
  EXPECT_EQ(doc, nullptr);
  clear();
  VARIANT m = VariantMissing;
  w_->RunMacro(0, Text("Sum"), m, m, m, m, m, m, m, m, m, m, m, m, m, m, m, m, m, m, m, m, m, m, m,
               m, m, m, m, m, m, m, &code);
  EXPECT_EQ(code, 9);
  EXPECT_TRUE(calls().empty());
  VARIANT result;
  w_->get_MacroReturnValue(&result);
  EXPECT_EQ(result.vt, VT_EMPTY);

  w_->Close(0, &code);
  EXPECT_EQ(open("letter"), 0);  // read-only reaches the companion's open
  made = calls();
  EXPECT_NE(std::find(made.begin(), made.end(),
                      "documents call 0xC(" + full + ", &missing, &I2 1, " + missing(7) + ")"),
            made.end());
  w_.reset();
  EXPECT_EQ(word::server().live_objects(), 0);
}

TEST_F(Word97, ShowHidePrintAndReplaceUseTheOlderMembers) {
  ASSERT_EQ(open("old"), 0);
  const Calls hidden = {"app get 0x64()", "doc1 get 0x28()", "doc1 get 0x28()",
                        "app put 0x17(I2 0)"};
  SHORT code = -1;
  clear();
  w_->Show(0, &code);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(calls(), hidden + Calls{"app put 0x17(I2 1)"} + windows("put 0xB(I4 1)") +
                         Calls{"app put 0x5B(I4 1)"});
  EXPECT_TRUE(word::app_visible());
  clear();
  w_->Show(0, &code);  // already shown: activated
  EXPECT_EQ(calls(), Calls({"app get 0x64()", "doc1 get 0x28()", "doc1 get 0x28()",
                            "app put 0x17(I2 1)", "doc1 call 0x71()", "app put 0x5B(I4 1)"}));
  clear();
  w_->Hide(0, &code);
  EXPECT_EQ(calls(), Calls({"app get 0x64()", "doc1 get 0x28()", "doc1 get 0x28()",
                            "app put 0x17(I2 1)", "app put 0x17(I2 0)"}));
  EXPECT_FALSE(word::app_visible());
  clear();
  w_->Replace(0, Text("a"), Text("b"), 0, 1, &code);
  EXPECT_EQ(calls().back(), "find call 0x1E(&BSTR \"a\", &I2 0, &I2 1, " + missing(3) +
                                ", &I2 1, " + missing(2) + ", &BSTR \"b\", &I2 2)");
  w_->PrintOut(0, 0, 0, &code);
  const Calls made = calls();
  EXPECT_NE(std::find(made.begin(), made.end(), "doc1 call 0x6D(&I2 0, " + missing(13) + ")"),
            made.end());
  w_->SaveAs(0, Text("x"), Text("pdf"), 0, 0, &code);
  EXPECT_EQ(code, 8);
}

TEST_F(Word, GoneDocumentsAndApplicationsAreNoticed) {
  SHORT code = -1;
  ASSERT_EQ(open("a"), 0);
  ASSERT_EQ(open("b"), 1);
  word::close_by_user(0);
  w_->Show(0, &code);
  EXPECT_EQ(code, 1);
  w_->Show(1, &code);
  EXPECT_EQ(code, 0);
  word::stop_application();
  w_->Show(1, &code);
  EXPECT_EQ(code, 3);
  EXPECT_EQ(open("c"), 0);
}

TEST_F(Word, MissingServerLeavesTheCodeAndNoHandle) {
  ::setenv("QN_REGISTRY_FILE", (registry_.dir() / "empty.ini").c_str(), 1);
  w_->put_Template(Text("  "));
  messages_.clear();
  EXPECT_EQ(open("x"), -1);
  EXPECT_EQ(last_, 5);
  EXPECT_EQ(messages_, Calls{"Couldn't CreateDispatch on Word"});
  ::setenv("QN_REGISTRY_FILE", (registry_.dir() / "registry.ini").c_str(), 1);
}

TEST_F(Word, DestructionClosesEveryDocumentAndLeavesNoObject) {
  ASSERT_EQ(open("one"), 0);
  ASSERT_EQ(open("two"), 1);
  SHORT code;
  w_->Put(1, Text("kept"), 0, &code);
  w_.reset();
  EXPECT_FALSE(word::running());
  EXPECT_EQ(word::server().live_objects(), 0);
  std::string text;
  ASSERT_TRUE(office_servers::read_file("two.doc", &text));
  EXPECT_EQ(text, "kept");
}

TEST_F(Word, BadInputGivesCodes) {
  ASSERT_EQ(open("bad"), 0);
  SHORT code = -1;
  for (SHORT h : {SHORT(-1), SHORT(1), SHORT(32767)}) {
    w_->Close(h, &code);
    EXPECT_EQ(code, 1);
  }
  BSTR nul = SysAllocStringLen(u"a\0b", 3);
  SHORT h;
  w_->Open(nul, &h, &code);
  EXPECT_EQ(code, 5);
  w_->SaveAs(0, Text("x"), nul, 0, 0, &code);
  EXPECT_EQ(code, 8);
  SysFreeString(nul);
  // A read-only state that is no number: the document cannot be closed.
  word::server().inject({"doc1", 0x2C, DISPATCH_PROPERTYGET, S_OK, -1, 0, text_variant("no")});
  w_->Close(0, &code);
  EXPECT_EQ(code, 2);
}

}  // namespace
}  // namespace qn::office
