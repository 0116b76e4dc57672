#pragma once
// A count with its noun in the right number, for messages: "1 argument", "3 lines".

#include <cstddef>
#include <string>

namespace quelbrook {

// The noun is given in the singular; every noun the messages count takes an "s".
std::string CountText(std::size_t count, const std::string& noun);

}  // namespace quelbrook
