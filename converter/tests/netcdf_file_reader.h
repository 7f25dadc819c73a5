// Reads a NetCDF file back through the netCDF-C API, for the tests of the
// variable files. Lookups that fail give empty or marked results, so that a
// comparison shows the difference.
#pragma once

#include <netcdf.h>

#include <string>
#include <vector>

class netcdf_file {
public:
    explicit netcdf_file(const std::string& path) { status_ = nc_open(path.c_str(), NC_NOWRITE, &ncid_); }
    ~netcdf_file()
    {
        if (status_ == NC_NOERR) nc_close(ncid_);
    }
    netcdf_file(const netcdf_file&) = delete;
    netcdf_file& operator=(const netcdf_file&) = delete;

    int status() const { return status_; }
    int id() const { return ncid_; }

    std::string dimension_name(int dimid) const
    {
        char name[NC_MAX_NAME + 1] = {};
        nc_inq_dimname(ncid_, dimid, name);
        return name;
    }
    std::size_t dimension_length(int dimid) const
    {
        std::size_t length = 0;
        nc_inq_dimlen(ncid_, dimid, &length);
        return length;
    }
    std::string variable_name(int varid) const
    {
        char name[NC_MAX_NAME + 1] = {};
        nc_inq_varname(ncid_, varid, name);
        return name;
    }
    nc_type variable_type(int varid) const
    {
        nc_type type = NC_NAT;
        nc_inq_vartype(ncid_, varid, &type);
        return type;
    }
    // The variable's dimensions by name, slowest first.
    std::vector<std::string> variable_dimensions(int varid) const
    {
        int count = 0;
        nc_inq_varndims(ncid_, varid, &count);
        std::vector<int> ids(static_cast<std::size_t>(count));
        nc_inq_vardimid(ncid_, varid, ids.data());
        std::vector<std::string> names;
        for (int id : ids) names.push_back(dimension_name(id));
        return names;
    }
    std::vector<std::string> attribute_names(int varid) const
    {
        int count = 0;
        nc_inq_varnatts(ncid_, varid, &count);
        std::vector<std::string> names;
        for (int n = 0; n < count; ++n) {
            char name[NC_MAX_NAME + 1] = {};
            nc_inq_attname(ncid_, varid, n, name);
            names.push_back(name);
        }
        return names;
    }
    std::string text_attribute(int varid, const char* name) const
    {
        std::size_t length = 0;
        if (nc_inq_attlen(ncid_, varid, name, &length) != NC_NOERR) return "<missing>";
        std::string value(length, '\0');
        nc_get_att_text(ncid_, varid, name, value.data());
        return value;
    }

    // A whole variable, in the file's order (I fastest).
    std::vector<int> ints(int varid) const
    {
        std::vector<int> values(element_count(varid));
        nc_get_var_int(ncid_, varid, values.data());
        return values;
    }
    std::vector<float> floats(int varid) const
    {
        std::vector<float> values(element_count(varid));
        nc_get_var_float(ncid_, varid, values.data());
        return values;
    }
    std::vector<double> doubles(int varid) const
    {
        std::vector<double> values(element_count(varid));
        nc_get_var_double(ncid_, varid, values.data());
        return values;
    }
    int variable_id(const char* name) const
    {
        int varid = -1;
        nc_inq_varid(ncid_, name, &varid);
        return varid;
    }

private:
    std::size_t element_count(int varid) const
    {
        std::size_t count = 1;
        int ndims = 0;
        if (nc_inq_varndims(ncid_, varid, &ndims) != NC_NOERR) return 0;
        std::vector<int> ids(static_cast<std::size_t>(ndims));
        nc_inq_vardimid(ncid_, varid, ids.data());
        for (int id : ids) count *= dimension_length(id);
        return count;
    }

    int ncid_ = -1;
    int status_ = NC_NOERR;
};
