// The report text file: the document's plain text with CR LF line breaks and
// one CR LF after the text, no header. Pure, so it is tested without Qt.
#pragma once

#include <string>
#include <string_view>

namespace zelk::textfile {

// Document text (UTF-8, '\n' line breaks) to the bytes of the file.
std::string Encode(std::string_view documentText);

// File bytes to document text (UTF-8, '\n' line breaks). Valid UTF-8 is taken
// as it is; anything else is read as Windows-1252, with Latin-1 for the five
// bytes that code page leaves undefined. A CR LF pair becomes one line break.
std::string Decode(std::string_view bytes);

} // namespace zelk::textfile
