// Module `bentha_input`: the BENTHA input files, the working paths and the
// control file. Its state is shared by the grid-file writers and `io_error`.
//
//   bentha_input.filepath = std::string(vars.inputpath.adjusted_left_trimmed()) +
//                           std::string(bentha_input.depthinpfile.adjusted_left_trimmed());
//   std::ifstream in;
//   bentha_input.iostatus = open_input_file(in, std::string(bentha_input.filepath.trimmed()));
//   io_error();          // returns at once when iostatus is 0
#pragma once

#include "fixed_text.h"
#include "path_field.h"
#include "precmod.h"

struct bentha_input_state {
    path_field filepath;  // the file being opened, for io_error
    int4 iostatus = 0;    // 0 success, -1 end of file, other values a failure

    fixed_text<30> maskinpfile;    // "cell.inp"
    fixed_text<30> maskdatfile;    // "mask.dat"
    fixed_text<30> layerinpfile;   // "GVCLAYER.INP"
    fixed_text<30> layerdatfile;   // "nz.dat"
    fixed_text<30> depthinpfile;   // "dxdy.inp"
    fixed_text<30> depthdatfile;   // "d.dat"
    fixed_text<30> dxdydatfile;    // "dxdy.dat"
    fixed_text<30> timedatfile;    // "Time.dat"
    fixed_text<30> modeltxtfile;   // "Model_dim.txt"
    fixed_text<30> shapeinpfile;   // "lxly.inp"
    fixed_text<30> lxlydatfile;    // "lxly.dat"
    fixed_text<30> latlondatfile;  // "latlon.dat"
};

extern bentha_input_state bentha_input;

// When iostatus is not 0: prints "Error: IO STATUS " with the status and
// "   with file: " with the whole filepath, and ends the run (status 0).
void io_error();

// Sets the twelve file names, then writes the BENTHA grid files: maskdata,
// layerdata, depthdata, shapedata, in this order.
void convertinput();

// The twelve file names of the grid and time files (the first step of
// convertinput).
void set_bentha_file_names();

// Builds basepath, inputpath and outputpath, prints them and asks whether to
// go on; anything but "Y" or "y" ends the run.
void setpath();

// Reads im, jm, km from control.dat in the input folder.
void readcontrolfile();
