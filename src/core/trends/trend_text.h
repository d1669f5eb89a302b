#pragma once
// Small number texts the trend captions share.

#include <string>

namespace drawlyze::trends {

// "%.2f": 13.5 -> "13.50".
std::string Fixed2(double value);
// The shortest of "%g" up to six digits: 0.1 -> "0.1", 0.271 -> "0.271".
std::string Short(double value);
// "at A2" or "anywhere in the draw".
std::string WhereText(int position);

}  // namespace drawlyze::trends
