#include "vars.h"

run_state vars;
