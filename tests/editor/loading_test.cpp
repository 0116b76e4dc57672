#include "window_fixture.h"
