#include "bentha_input.h"
#include "console.h"
#include "freeform_line.h"
#include "run_steps.h"

void set_bentha_file_names()
{
    bentha_input.maskinpfile = "cell.inp";
    bentha_input.maskdatfile = "mask.dat";
    bentha_input.layerinpfile = "GVCLAYER.INP";
    bentha_input.layerdatfile = "nz.dat";
    bentha_input.depthinpfile = "dxdy.inp";
    bentha_input.depthdatfile = "d.dat";
    bentha_input.dxdydatfile = "dxdy.dat";
    bentha_input.timedatfile = "Time.dat";
    bentha_input.modeltxtfile = "Model_dim.txt";
    bentha_input.shapeinpfile = "lxly.inp";
    bentha_input.lxlydatfile = "lxly.dat";
    bentha_input.latlondatfile = "latlon.dat";
}

void convertinput()
{
    set_bentha_file_names();

    // maskdata creates invalidcolumn, which the other three use.
    maskdata();
    layerdata();
    depthdata();
    shapedata();
    console::write(freeform_line() << "Finished convertInput");
}
