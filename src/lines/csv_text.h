#pragma once
// CSV text as spreadsheets write it: records of fields, comma or tab separated, fields in double quotes where they
// hold a separator, a quote or a line break ("" stands for a quote inside), records ended by CR LF, LF or CR.
#include <string>
#include <string_view>
#include <vector>

namespace kedravo {

struct CsvRecord {
    int number = 0; // from 1, as a spreadsheet numbers its rows; a quoted line break does not start a new one
    std::vector<std::string> fields;
    bool unclosedQuote = false; // the file ended inside a quoted field
};

// The bytes as UTF-8 text: UTF-8 with or without a byte-order mark, else code page 932. `error` says why neither
// reads them; the text is then empty.
struct CsvDecoding {
    std::string text;
    std::string error;
};
CsvDecoding decodeCsvBytes(std::string_view bytes);

// The first line with a tab or a comma outside quotes decides the separator: a tab if it holds one, else the comma.
// Blanks around an unquoted field are dropped; records with no text in any field are left out.
std::vector<CsvRecord> readCsvRecords(std::string_view text);

// One record with CR LF, each field quoted only where it must be.
std::string csvRecordText(const std::vector<std::string>& fields);

} // namespace kedravo
