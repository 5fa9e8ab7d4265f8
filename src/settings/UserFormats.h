#pragma once

#include "colour/ColorTemplate.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The user's own forms: a plain UTF-8 text file in the settings folder, one
// "Name = template" a line (ColorTemplate.h), "#" starting a comment line.
// It is read again each time the forms are used, so an edit counts at once.

// One line's form. A form that cannot be read keeps its name (when it has
// one) and says why, with the line and column; the others still work.
struct RUserFormat
{
    std::string Name;
    std::optional<RColorTemplate> Template;
    std::string Problem; // "line 3, column 12: ..."; empty when it reads
};

// The forms of a file's text, in its order. A name must not be a built-in
// form's, nor one used on an earlier line (in any case).
std::vector<RUserFormat> ReadUserFormats(std::string_view text);

// The file's path: "formats.txt" beside the settings file. False when the
// settings folder cannot be had.
bool UserFormatsPath(std::string& path);
// The forms in the file now; none when there is no file.
std::vector<RUserFormat> LoadUserFormats();
// The form named name (any case) among forms; null when none is.
const RUserFormat* FindUserFormat(const std::vector<RUserFormat>& forms, std::string_view name);

// The commented examples a new file starts with.
extern const char* const UserFormatsExamples;
// Creates the file with the examples when it is missing, then opens it in
// the desktop's editor for text. False when it could neither be made nor
// handed over.
bool EditUserFormats();
