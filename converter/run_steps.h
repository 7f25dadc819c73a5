// The steps of one run, in the order the main program calls them:
//   setpath, readcontrolfile          (bentha_input.h)
//   gethydgriddata                    first pass over the linkage file
//   convertinput                      maskdata, layerdata, depthdata, shapedata
//   tidewire_read                     second pass and the NetCDF files
//   timedata, modeldimtxt             Time.dat and Model_dim.txt
// Each takes no arguments, works on `vars` and `bentha_input`, and either
// returns or ends the run.
#pragma once

#include "bentha_input.h"

void gethydgriddata();

void maskdata();
void layerdata();
void depthdata();
void shapedata();

void tidewire_read();

void timedata();
void modeldimtxt();
