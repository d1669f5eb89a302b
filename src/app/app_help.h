#pragma once
// drawlyze's --help text, which help2man also turns into drawlyze(1).

#include <string>

std::string AppHelpText();
