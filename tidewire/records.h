// Everything the dataset needs to keep its header in a linkage file: the
// record classes, the table readers and writers, and the readers and writers
// of fixed-size items.
#ifndef TIDEWIRE_RECORDS_H
#define TIDEWIRE_RECORDS_H

#include "datadescription.h"
#include "moment.h"
#include "record_tables.h"
#include "table_count_exception.h"
#include "table_records.h"
#include "table_size_exception.h"
#include "value_io.h"

#endif
