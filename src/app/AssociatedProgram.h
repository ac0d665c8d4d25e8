#pragma once
// Finding the program registered to open a file type.

#include <string>

// Cuts a registered "open" command down to the program path: from the first "%" on, one leading
// double quote, from the next double quote on, then trailing blanks.
std::string ReduceOpenCommand(std::string command);
