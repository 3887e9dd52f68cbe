#pragma once

#include <string>

// The code page the editor shows and writes every title and name in: the settings file's
// CodePage, else the one the locale implies. A settings file naming a code page that iconv
// does not know, or a settings file that cannot be read, is reported on standard error, and
// the locale's code page is used instead: the editor still starts.
std::string EditorCodePage();
