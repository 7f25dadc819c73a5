// Stand-ins for the first pass and the grid files until they are built: they
// do nothing, so that the run sequence links.
#include "run_steps.h"

void gethydgriddata() {}
void maskdata() {}
void layerdata() {}
void depthdata() {}
void shapedata() {}
void timedata() {}
void modeldimtxt() {}

// Called by the second pass.
void readnzfile() {}
void validategrid() {}
