#pragma once
// A count with its noun in the right number, for messages: "1 argument", "3 lines".

#include <cstddef>
#include <string>

namespace quelbrook {

// The noun is given in the singular; its plural is the noun with an "s" unless given.
std::string CountText(std::size_t count, const std::string& noun, const std::string& plural = {});

}  // namespace quelbrook
