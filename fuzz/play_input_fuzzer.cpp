// Any bytes as a ROM handed to the host's iNES check and as a --input script: each either
// names its problem or is taken, and a taken script holds only presses within its limits.

#include <cstddef>
#include <cstdint>
#include <string>

#include "editor_error.h"
#include "fuzz_support.h"
#include "ines_check.h"
#include "input_script.h"

using quelbrook::fuzzing::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (const auto problem = quelbrook::play::InesProblem(data, size))
    Check(!problem->empty(), "a refused ROM comes without a reason");
  else
    Check(size >= quelbrook::play::kInesHeaderSize, "a ROM shorter than its header is taken");

  try {
    const auto script =
        quelbrook::play::InputScript::Parse(std::string(reinterpret_cast<const char*>(data), size));
    Check(!script.Presses().empty(), "a taken script presses nothing");
    for (const auto& press : script.Presses()) {
      Check(press.first >= 0 && press.first <= press.last, "a press ends before it starts");
      Check(script.PadAt(press.first).IsDown(press.button), "a press is not down on its first frame");
    }
  } catch (const quelbrook::EditorError& error) {
    Check(std::string(error.what()).rfind("Input script", 0) == 0, "a refusal that does not name the script");
  }
  return 0;
}
