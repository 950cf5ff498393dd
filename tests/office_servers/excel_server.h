// The scripted spreadsheet server, "Excel.Application": an application with
// its workbook collection; workbooks with windows and worksheets; sheets
// with cells holding VARIANTs, fonts, columns and ranges. Workbooks are
// saved as real files (a text form of their own, which Open reads back; any
// other file opens as delimited text).
//
// Objects are named in the record: "app", "workbooks", "book1", "book2"
// (in the order made), "windows", "window1", "sheets", the sheet's own name,
// "cells", "cell(row,col)", "range", "font", "columns". Fault matching also
// takes the kinds "application", "workbook", "window", "worksheet", "cell".
//
// What it models of the application: cells exist for rows 1 to 65536 and
// columns 1 to 256; a value that is an object, an array or a reference is
// refused; a sheet name longer than 31 characters, empty, taken, or holding
// one of : \ / ? * [ ] is refused; the macro "Sum" answers the sum of its
// numeric arguments and any other macro fails.
#pragma once

#include <string>

#include "tests/office_servers/scripted_server.h"

namespace qn::office_servers::excel {

ScriptedServer& server();

// The application made last, while it lives and has not quit.
bool running();
bool app_visible();
int open_books();
// The value of a cell of the open workbook of that name (file name without
// folder), on its active sheet; VT_EMPTY when there is none.
VARIANT cell_value(const std::string& book, long row, long col);
// The names of the workbook's sheets, joined by ",".
std::string sheet_names(const std::string& book);

// The user closes the workbook (in opening order): it leaves the collection
// and its object answers nothing more.
void close_by_user(int index);
// The application stops answering: every object of it fails from now on.
void stop_application();

}  // namespace qn::office_servers::excel
