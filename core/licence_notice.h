#pragma once
// Who may use, change and pass on the programs, as their --version and About box say it.
// GPL-3.0-or-later takes in Qt (LGPL) and the GPL-2.0-or-later NES cores the editor loads.

namespace quelbrook {

inline constexpr char kLicenceNotice[] =
    "Copyright (C) 2026 The Quelbrook editor developers\n"
    "License GPL-3.0-or-later: GNU GPL version 3 or later\n"
    "<https://www.gnu.org/licenses/gpl-3.0.html>\n"
    "This is free software: you are free to change and redistribute it.\n"
    "There is NO WARRANTY, to the extent permitted by law.";

}  // namespace quelbrook
