#include "bentha_input.h"

bentha_input_state bentha_input;
