// INI files read and edited the way the Windows profile functions
// (GetPrivateProfileStringA / WritePrivateProfileStringA) do, for platforms
// that do not have them.
//
// Reading: sections and keys match ignoring ASCII case and surrounding
// blanks and tabs; a value is the text after the first '=' of its line,
// trimmed of blanks and tabs, with one pair of matching outer quotes (double
// or single) removed. A ';' inside a value is kept; lines whose first
// non-blank character is ';' are comments. The first of duplicate sections
// and the first of duplicate keys win. Lines end with CR LF, LF or CR. Bytes
// are not decoded, so a UTF-8 byte order mark hides a section header on the
// first line, as it does on Windows.
//
// Writing edits the text in place: only the value of the first matching key
// changes; a new key goes after the last non-blank line of its section; a new
// section goes at the end of the file. Every other byte stays as it was; new
// lines end with CR LF. Values are written as given: a value containing a
// line break splits its line, so writers pass SingleLineValue (base/settings.h)
// of what they were given.
#ifndef AADX_BASE_INI_FILE_H_
#define AADX_BASE_INI_FILE_H_

#include <string>

#include "base/status.h"

namespace aadx {

// Looks key up in section of the INI text content. Returns true and sets
// *value when found. An empty (or all-blank) section or key name matches
// nothing.
bool IniLookup(const std::string& content, const std::string& section,
               const std::string& key, std::string* value);

// Returns content with key set to value in section. Content is returned
// unchanged when the section or key name is empty (or all blanks).
std::string IniUpdate(const std::string& content, const std::string& section,
                      const std::string& key, const std::string& value);

// Maps a profile file name as the plug-in passes it ("Plugins\\AADX.ini") to
// a path for the C library: backslashes become slashes, so that relative
// names resolve against the current directory.
std::string IniPathFromProfileName(const std::string& name);

// Reads key in section of the named profile file. False when the file or the
// key is missing.
bool IniReadFile(const std::string& profileName, const std::string& section,
                 const std::string& key, std::string* value);

// Sets key in section of the named profile file, creating the file when it
// is missing; the file is replaced whole or left as it was. A missing folder
// is not created. kInvalidArgument for an empty (or all-blank) section or key
// name; kNotWritten when the file exists but cannot be read (it is not
// replaced by one holding only the new key); otherwise what WriteFileWhole
// (base/whole_file.h) reports.
Status IniWriteFile(const std::string& profileName, const std::string& section,
                    const std::string& key, const std::string& value);

}  // namespace aadx

#endif  // AADX_BASE_INI_FILE_H_
