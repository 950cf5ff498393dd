// The module's eight interfaces. Every one is dual: the members below follow
// IDispatch's seven slots in declaration order (DISPID n in slot 6 + n), and
// the same members are reachable late-bound through the type library
// (typelib.h). Every member answers S_OK; the outcome of a method is the code
// written through its last parameter nError.
#pragma once

#include "platform/com/dispatch.h"

namespace qn::office {

using com::BSTR;
using com::DATE;
using com::DOUBLE;
using com::HRESULT;
using com::IDispatch;
using com::LONG;
using com::SHORT;
using com::VARIANT;

// {F9D529E0-8545-11D2-94F1-00105A008D87}
inline constexpr com::GUID LIBID_QNOFFICELib{
    0xF9D529E0, 0x8545, 0x11D2, {0x94, 0xF1, 0x00, 0x10, 0x5A, 0x00, 0x8D, 0x87}};

// The class and interface identifiers of the module, as registered and as
// clients compile them in.
// {E40DB714-80AC-11D2-94F1-00105A008D87}
inline constexpr com::CLSID CLSID_QnExcel{
    0xE40DB714, 0x80AC, 0x11D2, {0x94, 0xF1, 0x00, 0x10, 0x5A, 0x00, 0x8D, 0x87}};
// {F9D529ED-8545-11D2-94F1-00105A008D87}
inline constexpr com::IID IID_IQnExcel{
    0xF9D529ED, 0x8545, 0x11D2, {0x94, 0xF1, 0x00, 0x10, 0x5A, 0x00, 0x8D, 0x87}};
// {8C361A27-232E-11D3-9390-00105A008D87}
inline constexpr com::CLSID CLSID_QnMail{
    0x8C361A27, 0x232E, 0x11D3, {0x93, 0x90, 0x00, 0x10, 0x5A, 0x00, 0x8D, 0x87}};
// {8C361A26-232E-11D3-9390-00105A008D87}
inline constexpr com::IID IID_IQnMail{
    0x8C361A26, 0x232E, 0x11D3, {0x93, 0x90, 0x00, 0x10, 0x5A, 0x00, 0x8D, 0x87}};
// {76B09D41-394C-11D3-A59F-005004A9899B}
inline constexpr com::CLSID CLSID_QnWord{
    0x76B09D41, 0x394C, 0x11D3, {0xA5, 0x9F, 0x00, 0x50, 0x04, 0xA9, 0x89, 0x9B}};
// {76B09D40-394C-11D3-A59F-005004A9899B}
inline constexpr com::IID IID_IQnWord{
    0x76B09D40, 0x394C, 0x11D3, {0xA5, 0x9F, 0x00, 0x50, 0x04, 0xA9, 0x89, 0x9B}};
// {E1E79D01-4A94-11D3-A5A9-005004A9899B}
inline constexpr com::CLSID CLSID_QnOutlook{
    0xE1E79D01, 0x4A94, 0x11D3, {0xA5, 0xA9, 0x00, 0x50, 0x04, 0xA9, 0x89, 0x9B}};
// {E1E79D00-4A94-11D3-A5A9-005004A9899B}
inline constexpr com::IID IID_IQnOutlook{
    0xE1E79D00, 0x4A94, 0x11D3, {0xA5, 0xA9, 0x00, 0x50, 0x04, 0xA9, 0x89, 0x9B}};
// {D5431CBE-B864-4553-812F-66664540EF9F}
inline constexpr com::CLSID CLSID_QnInternet{
    0xD5431CBE, 0xB864, 0x4553, {0x81, 0x2F, 0x66, 0x66, 0x45, 0x40, 0xEF, 0x9F}};
// {C4128E9D-C85C-48EF-AFD5-8A5672395465}
inline constexpr com::IID IID_IQnInternet{
    0xC4128E9D, 0xC85C, 0x48EF, {0xAF, 0xD5, 0x8A, 0x56, 0x72, 0x39, 0x54, 0x65}};
// {5EE02A6B-369D-42EA-A122-98C11BF23C8C}
inline constexpr com::CLSID CLSID_QnMAPI{
    0x5EE02A6B, 0x369D, 0x42EA, {0xA1, 0x22, 0x98, 0xC1, 0x1B, 0xF2, 0x3C, 0x8C}};
// {EE7CFA96-275C-4B79-B040-F650687DA610}
inline constexpr com::IID IID_IQnMAPI{
    0xEE7CFA96, 0x275C, 0x4B79, {0xB0, 0x40, 0xF6, 0x50, 0x68, 0x7D, 0xA6, 0x10}};
// {FF059A22-4B85-4BE4-B3D7-6A8FE9C9F7E0}
inline constexpr com::CLSID CLSID_QnWord97{
    0xFF059A22, 0x4B85, 0x4BE4, {0xB3, 0xD7, 0x6A, 0x8F, 0xE9, 0xC9, 0xF7, 0xE0}};
// {7660EE83-CF66-4017-B987-16BEAF94E048}
inline constexpr com::IID IID_IQnWord97{
    0x7660EE83, 0xCF66, 0x4017, {0xB9, 0x87, 0x16, 0xBE, 0xAF, 0x94, 0xE0, 0x48}};
// {70BB9E01-D29F-4C75-97DB-66236EDEA33F}
inline constexpr com::CLSID CLSID_QnOutlook97{
    0x70BB9E01, 0xD29F, 0x4C75, {0x97, 0xDB, 0x66, 0x23, 0x6E, 0xDE, 0xA3, 0x3F}};
// {5704B23E-0557-4135-BFC3-3178AB8BC41A}
inline constexpr com::IID IID_IQnOutlook97{
    0x5704B23E, 0x0557, 0x4135, {0xBF, 0xC3, 0x31, 0x78, 0xAB, 0x8B, 0xC4, 0x1A}};

struct IQnExcel : IDispatch {
 public:
  virtual HRESULT Open(BSTR xlName, SHORT* xlHandle, SHORT* nError) = 0;  // 1
  virtual HRESULT Show(SHORT xlHandle, SHORT* nError) = 0;                // 2
  virtual HRESULT Close(SHORT xlHandle, SHORT* nError) = 0;               // 3
  virtual HRESULT Save(SHORT xlHandle, SHORT* nError) = 0;                // 4
  virtual HRESULT Hide(SHORT xlHandle, SHORT* nError) = 0;                // 5
  virtual HRESULT Clear(SHORT xlHandle, SHORT* nError) = 0;               // 6
  virtual HRESULT Get(SHORT xlHandle, LONG xlRow, LONG xlCol, VARIANT* xlValue,
                      SHORT* nError) = 0;  // 7
  virtual HRESULT Put(SHORT xlHandle, LONG xlRow, LONG xlCol, VARIANT xlValue,
                      SHORT* nError) = 0;  // 8
  virtual HRESULT Type(SHORT xlHandle, LONG xlRow, LONG xlCol, BSTR* xlType,
                       SHORT* nError) = 0;                                           // 9
  virtual HRESULT get_Error(SHORT* pVal) = 0;                                        // 10
  virtual HRESULT put_DisplayMessages(SHORT value) = 0;                              // 11
  virtual HRESULT put_DefaultPath(BSTR value) = 0;                                   // 12
  virtual HRESULT PrintOut(SHORT xlHandle, SHORT xlPreview, SHORT* nError) = 0;      // 13
  virtual HRESULT put_Template(BSTR value) = 0;                                      // 14
  virtual HRESULT put_ReadOnly(SHORT value) = 0;                                     // 15
  virtual HRESULT SelectSheet(SHORT xlHandle, BSTR xlSheet, SHORT* nError) = 0;      // 16
  virtual HRESULT RenameSheet(SHORT xlHandle, BSTR xlSheetName, SHORT* nError) = 0;  // 17
  virtual HRESULT get_LastValue(VARIANT* pVal) = 0;                                  // 18
  virtual HRESULT OpenVFP(BSTR xlName, LONG* xlHandle, SHORT* nError) = 0;           // 19
  virtual HRESULT GetFormat(SHORT xlHandle, LONG xlRow, LONG xlCol, LONG* xlColor, BSTR* xlFont,
                            LONG* xlSize, SHORT* nError) = 0;  // 20
  virtual HRESULT PutFormat(SHORT xlHandle, LONG xlRow, LONG xlCol, LONG xlHeight, LONG xlWidth,
                            LONG xlColor, BSTR xlFont, DOUBLE xlSize, SHORT* nError) = 0;  // 21
  virtual HRESULT put_AutoFit(SHORT value) = 0;                                            // 22
  virtual HRESULT RunMacro(SHORT xlHandle, BSTR Macro, VARIANT Arg1, VARIANT Arg2, VARIANT Arg3,
                           VARIANT Arg4, VARIANT Arg5, VARIANT Arg6, VARIANT Arg7, VARIANT Arg8,
                           VARIANT Arg9, VARIANT Arg10, VARIANT Arg11, VARIANT Arg12, VARIANT Arg13,
                           VARIANT Arg14, VARIANT Arg15, VARIANT Arg16, VARIANT Arg17,
                           VARIANT Arg18, VARIANT Arg19, VARIANT Arg20, VARIANT Arg21,
                           VARIANT Arg22, VARIANT Arg23, VARIANT Arg24, VARIANT Arg25,
                           VARIANT Arg26, VARIANT Arg27, VARIANT Arg28, VARIANT Arg29,
                           VARIANT Arg30, SHORT* nError) = 0;             // 23
  virtual HRESULT get_MacroReturnValue(VARIANT* pVal) = 0;                // 24
  virtual HRESULT get_GetWorkbook(SHORT xlHandle, IDispatch** pVal) = 0;  // 25
  virtual HRESULT put_Delimiter(BSTR value) = 0;                          // 26

 protected:
  ~IQnExcel() = default;
};

struct IQnMail : IDispatch {
 public:
  virtual HRESULT LoginMAPI(BSTR Profile, SHORT NewMessages, SHORT MarkAsRead,
                            SHORT* nError) = 0;  // 1
  virtual HRESULT Logout(SHORT* nError) = 0;     // 2
  virtual HRESULT Send(BSTR To, BSTR CC, BSTR BCC, BSTR Subject, BSTR Text, BSTR Attachs,
                       SHORT* nError) = 0;               // 3
  virtual HRESULT put_EditWindow(SHORT value) = 0;       // 4
  virtual HRESULT get_Error(SHORT* pVal) = 0;            // 5
  virtual HRESULT put_DisplayMessages(SHORT value) = 0;  // 6
  virtual HRESULT Receive(BSTR* From, BSTR* To, BSTR* CC, BSTR* Subject, BSTR* Text, BSTR* Attachs,
                          DATE* DateSent, DATE* DateReceived, SHORT* nError) = 0;  // 7
  virtual HRESULT put_AttachDir(BSTR value) = 0;                                   // 8
  virtual HRESULT put_AddressFormat(SHORT value) = 0;                              // 9
  virtual HRESULT put_Mode(BSTR value) = 0;                                        // 10
  virtual HRESULT LoginSMTP(BSTR Server, BSTR FromName, BSTR FromAddress, BSTR UserName,
                            BSTR Password, SHORT Timeout, SHORT* nError) = 0;  // 11
  virtual HRESULT LoginPOP3(BSTR Server, BSTR UserName, BSTR Password, SHORT NewMessages,
                            SHORT Delete, SHORT Timeout, SHORT* nError) = 0;  // 12
  virtual HRESULT ChangeFolder(BSTR FolderName, SHORT SkipRead, SHORT MarkAsRead,
                               SHORT* nError) = 0;      // 13
  virtual HRESULT get_Count(LONG* pVal) = 0;            // 14
  virtual HRESULT GetCategories(BSTR* Categories) = 0;  // 15

 protected:
  ~IQnMail() = default;
};

struct IQnWord : IDispatch {
 public:
  virtual HRESULT Open(BSTR wName, SHORT* wHandle, SHORT* nError) = 0;  // 1
  virtual HRESULT Hide(SHORT wHandle, SHORT* nError) = 0;               // 2
  virtual HRESULT Show(SHORT wHandle, SHORT* nError) = 0;               // 3
  virtual HRESULT Close(SHORT wHandle, SHORT* nError) = 0;              // 4
  virtual HRESULT get_Error(SHORT* pVal) = 0;                           // 5
  virtual HRESULT put_DisplayMessages(SHORT value) = 0;                 // 6
  virtual HRESULT PrintOut(SHORT wHandle, SHORT wPreview, SHORT wBackground,
                           SHORT* nError) = 0;                                       // 7
  virtual HRESULT put_Template(BSTR value) = 0;                                      // 8
  virtual HRESULT put_ReadOnly(SHORT value) = 0;                                     // 9
  virtual HRESULT Put(SHORT wHandle, BSTR wText, SHORT wAppend, SHORT* nError) = 0;  // 10
  virtual HRESULT Get(SHORT wHandle, BSTR* wText, SHORT* nError) = 0;                // 11
  virtual HRESULT SpellCheck(SHORT wHandle, SHORT* nError) = 0;                      // 12
  virtual HRESULT Save(SHORT wHandle, SHORT* nError) = 0;                            // 13
  virtual HRESULT Replace(SHORT wHandle, BSTR oldVal, BSTR newVal, SHORT MatchCase,
                          SHORT MatchWholeWord, SHORT* nError) = 0;       // 14
  virtual HRESULT OpenVFP(BSTR wName, LONG* wHandle, SHORT* nError) = 0;  // 15
  virtual HRESULT SaveAs(SHORT wHandle, BSTR Name, BSTR Type, SHORT DOSText, SHORT LineBreaks,
                         SHORT* nError) = 0;  // 16
  virtual HRESULT RunMacro(SHORT wHandle, BSTR Macro, VARIANT Arg1, VARIANT Arg2, VARIANT Arg3,
                           VARIANT Arg4, VARIANT Arg5, VARIANT Arg6, VARIANT Arg7, VARIANT Arg8,
                           VARIANT Arg9, VARIANT Arg10, VARIANT Arg11, VARIANT Arg12, VARIANT Arg13,
                           VARIANT Arg14, VARIANT Arg15, VARIANT Arg16, VARIANT Arg17,
                           VARIANT Arg18, VARIANT Arg19, VARIANT Arg20, VARIANT Arg21,
                           VARIANT Arg22, VARIANT Arg23, VARIANT Arg24, VARIANT Arg25,
                           VARIANT Arg26, VARIANT Arg27, VARIANT Arg28, VARIANT Arg29,
                           VARIANT Arg30, SHORT* nError) = 0;            // 17
  virtual HRESULT get_MacroReturnValue(VARIANT* pVal) = 0;               // 18
  virtual HRESULT get_GetDocument(SHORT wHandle, IDispatch** pVal) = 0;  // 19

 protected:
  ~IQnWord() = default;
};

struct IQnOutlook : IDispatch {
 public:
  virtual HRESULT Send(BSTR To, BSTR CC, BSTR BCC, BSTR Subject, BSTR Text, BSTR Attachs,
                       SHORT* nError) = 0;               // 1
  virtual HRESULT put_DisplayMessages(SHORT value) = 0;  // 2
  virtual HRESULT get_Error(SHORT* pVal) = 0;            // 3
  virtual HRESULT put_EditWindow(SHORT value) = 0;       // 4
  virtual HRESULT Receive(BSTR* From, BSTR* To, BSTR* CC, BSTR* Subject, BSTR* Text, BSTR* Attachs,
                          DATE* DateSent, DATE* DateReceived, SHORT* nError) = 0;  // 5
  virtual HRESULT put_AttachDir(BSTR value) = 0;                                   // 6
  virtual HRESULT ChangeFolder(BSTR FolderName, SHORT NewMessages, SHORT MarkAsRead,
                               SHORT* nError) = 0;      // 7
  virtual HRESULT get_Count(LONG* pVal) = 0;            // 8
  virtual HRESULT put_AddressFormat(SHORT value) = 0;   // 9
  virtual HRESULT GetCategories(BSTR* Categories) = 0;  // 10

 protected:
  ~IQnOutlook() = default;
};

struct IQnInternet : IDispatch {
 public:
  virtual HRESULT LoginSMTP(BSTR Server, BSTR FromName, BSTR FromAddress, BSTR UserName,
                            BSTR Password, SHORT Timeout, SHORT* nError) = 0;  // 1
  virtual HRESULT Logout(SHORT* nError) = 0;                                   // 2
  virtual HRESULT put_DisplayMessages(SHORT value) = 0;                        // 3
  virtual HRESULT get_Error(SHORT* pVal) = 0;                                  // 4
  virtual HRESULT Send(BSTR To, BSTR CC, BSTR BCC, BSTR Subject, BSTR Text, BSTR Attachs,
                       SHORT* nError) = 0;  // 5
  virtual HRESULT LoginPOP3(BSTR Server, BSTR UserName, BSTR Password, SHORT NewMessages,
                            SHORT Delete, SHORT Timeout, SHORT* nError) = 0;  // 6
  virtual HRESULT Receive(BSTR* From, BSTR* To, BSTR* CC, BSTR* Subject, BSTR* Text, BSTR* Attachs,
                          DATE* DateSent, DATE* DateReceived, SHORT* nError) = 0;  // 7
  virtual HRESULT put_AddressFormat(SHORT value) = 0;                              // 8
  virtual HRESULT get_Count(LONG* pVal) = 0;                                       // 9
  virtual HRESULT put_AttachDir(BSTR value) = 0;                                   // 10

 protected:
  ~IQnInternet() = default;
};

struct IQnMAPI : IDispatch {
 public:
  virtual HRESULT LoginMAPI(BSTR Profile, SHORT NewMessages, SHORT MarkAsRead,
                            SHORT* nError) = 0;  // 1
  virtual HRESULT Logout(SHORT* nError) = 0;     // 2
  virtual HRESULT Send(BSTR To, BSTR CC, BSTR BCC, BSTR Subject, BSTR Text, BSTR Attachs,
                       SHORT* nError) = 0;  // 3
  virtual HRESULT Receive(BSTR* From, BSTR* To, BSTR* CC, BSTR* Subject, BSTR* Text, BSTR* Attachs,
                          DATE* DateSent, DATE* DateReceived, SHORT* nError) = 0;  // 4
  virtual HRESULT put_AddressFormat(SHORT value) = 0;                              // 5
  virtual HRESULT put_AttachDir(BSTR value) = 0;                                   // 6
  virtual HRESULT put_EditWindow(SHORT value) = 0;                                 // 7
  virtual HRESULT put_DisplayMessages(SHORT value) = 0;                            // 8
  virtual HRESULT get_Error(SHORT* pVal) = 0;                                      // 9
  virtual HRESULT get_Count(LONG* pVal) = 0;                                       // 10
  virtual HRESULT ChangeFolder(BSTR FolderName, SHORT NewMessages, SHORT MarkAsRead,
                               SHORT* nError) = 0;  // 11

 protected:
  ~IQnMAPI() = default;
};

struct IQnWord97 : IDispatch {
 public:
  virtual HRESULT Open(BSTR wName, SHORT* wHandle, SHORT* nError) = 0;    // 1
  virtual HRESULT Show(SHORT wHandle, SHORT* nError) = 0;                 // 2
  virtual HRESULT Close(SHORT wHandle, SHORT* nError) = 0;                // 3
  virtual HRESULT Hide(SHORT wHandle, SHORT* nError) = 0;                 // 4
  virtual HRESULT Get(SHORT wHandle, BSTR* wText, SHORT* nError) = 0;     // 5
  virtual HRESULT OpenVFP(BSTR wName, LONG* wHandle, SHORT* nError) = 0;  // 6
  virtual HRESULT PrintOut(SHORT wHandle, SHORT wPreview, SHORT wBackground,
                           SHORT* nError) = 0;                                       // 7
  virtual HRESULT Put(SHORT wHandle, BSTR wText, SHORT wAppend, SHORT* nError) = 0;  // 8
  virtual HRESULT Replace(SHORT wHandle, BSTR oldVal, BSTR newVal, SHORT MatchCase,
                          SHORT MatchWholeWord, SHORT* nError) = 0;  // 9
  virtual HRESULT Save(SHORT wHandle, SHORT* nError) = 0;            // 10
  virtual HRESULT SaveAs(SHORT wHandle, BSTR Name, BSTR Type, SHORT DOSText, SHORT LineBreaks,
                         SHORT* nError) = 0;                     // 11
  virtual HRESULT SpellCheck(SHORT wHandle, SHORT* nError) = 0;  // 12
  virtual HRESULT get_Error(SHORT* pVal) = 0;                    // 13
  virtual HRESULT put_DisplayMessages(SHORT value) = 0;          // 14
  virtual HRESULT put_ReadOnly(SHORT value) = 0;                 // 15
  virtual HRESULT put_Template(BSTR value) = 0;                  // 16

 protected:
  ~IQnWord97() = default;
};

struct IQnOutlook97 : IDispatch {
 public:
  virtual HRESULT ChangeFolder(BSTR FolderName, SHORT NewMessages, SHORT MarkAsRead,
                               SHORT* nError) = 0;  // 1
  virtual HRESULT Receive(BSTR* From, BSTR* To, BSTR* CC, BSTR* Subject, BSTR* Text, BSTR* Attachs,
                          DATE* DateSent, DATE* DateReceived, SHORT* nError) = 0;  // 2
  virtual HRESULT Send(BSTR To, BSTR CC, BSTR BCC, BSTR Subject, BSTR Text, BSTR Attachs,
                       SHORT* nError) = 0;              // 3
  virtual HRESULT get_Count(LONG* pVal) = 0;            // 4
  virtual HRESULT get_Error(SHORT* pVal) = 0;           // 5
  virtual HRESULT put_AddressFormat(SHORT value) = 0;   // 6
  virtual HRESULT put_AttachDir(BSTR value) = 0;        // 7
  virtual HRESULT put_DispayMessages(SHORT value) = 0;  // 8
  virtual HRESULT put_EditWindow(SHORT value) = 0;      // 9

 protected:
  ~IQnOutlook97() = default;
};

}  // namespace qn::office
