#pragma once
// Command-line parameters. The command line is one text: the program name and
// its parameters. Before each parameter, characters 1 to 32 are skipped, and so
// is any empty pair of double quotes standing there; a parameter runs to the
// next character from 0 to 32 outside double quotes. A double quote opens a
// stretch that ends at the next double quote or at the end; the quotes are not
// part of the parameter. The count is the number of non-empty parameters after
// the program name, up to the first empty one.

#include <string>

namespace vcl {

// The text of one parameter starting at pos; pos moves past it.
std::string NextParam(const std::string& cmdline, std::size_t& pos);

int ParamCount(const std::string& cmdline);
// Parameter i (0 is the program name as written); empty past the last.
std::string ParamStr(const std::string& cmdline, int i);

// Joins the arguments of a process into one command line. An argument that is
// empty or holds a blank, a control character or a double quote is put in
// double quotes.
std::string BuildCommandLine(int argc, const char* const* argv);

// The command line of this process, set once at start.
void SetCmdLine(std::string cmdline);
const std::string& CmdLine();
int ParamCount();
std::string ParamStr(int i);

}  // namespace vcl
