#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// Runs brindlewick-cli with the arguments after the program name; returns the exit code:
// 0 success, 1 failure (message on err, naming the file), 2 wrong usage.
int RunCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
