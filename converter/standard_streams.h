// The console streams carry bytes as they are, as on Linux. The converter
// writes its own line ends (CR LF); Windows' text mode would turn each LF into
// a second CR LF pair and end console input at a Ctrl-Z.
#pragma once

// Puts standard input, output and error into binary mode on Windows; does
// nothing elsewhere. Called before the first read or write.
void use_binary_standard_streams();
