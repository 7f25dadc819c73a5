// Module `netcdf_routines`: one NetCDF classic (CDF-1) file per hydrodynamic
// variable, on the grid's I, J (and K) dimensions with one time record per
// output step.
//
// Layout of a file, in the file's own order (slowest dimension first):
//   dimensions  X = im, Y = jm, [Z = km,] Time = tm (fixed length)
//   variables   X(X), Y(Y) int          1..im, 1..jm
//               Z(Z) int                1..km   (3-D files)
//               Z(Time) int             never written (2-D files)
//               Time(Time) double       the output step's time stamp, seconds
//               <name>(Time, [Z,] Y, X) float, "units" and "_FillValue"
// The grid element (i, j, k), 1-based, lies at (n-1, k-1, j-1, i-1) of time
// record n, so a grid with I running fastest is written as it lies in memory.
//
// Every NetCDF status other than 0 goes to handle_err, which ends the run.
//
//   int4 ncid, varid, tvarid;
//   createnetcdffile(path, "Volume", im, jm, km, numsteps, ncid, varid, tvarid,
//                    3, -9999.0f, "m3");
//   writetimestepdata3d(ncid, varid, tvarid, 1, im, jm, km, stamp, volume.data());
//   closenetcdffile(ncid);
#pragma once

#include <string>

#include "precmod.h"

void createnetcdffile(const std::string& filename, const std::string& varname, int4 im, int4 jm, int4 km, int4 tm,
                      int4& ncid, int4& varid, int4& t_varid, int4 vardim, real4 fillval, const std::string& units);

// Writes tstamp into "Time" at the 1-based position tstampindex, then the
// im x jm x km grid (I fastest) as time record tstampindex.
void writetimestepdata3d(int4 ncid, int4 varid, int4 t_varid, int4 tstampindex, int4 im, int4 jm, int4 km, real8 tstamp,
                         const real4* vararray);

// The same for an im x jm grid.
void writetimestepdata2d(int4 ncid, int4 varid, int4 t_varid, int4 tstampindex, int4 im, int4 jm, real8 tstamp,
                         const real4* vararray);

void closenetcdffile(int4 ncid);

// Prints "Error: " and the library's text for status (in an 80-character
// field), writes "STOP 2" to the error stream and ends the run with status 2.
[[noreturn]] void handle_err(int status);
