// The array type of the converter's state: indexed from 1, with the first
// index running fastest (I, then J, then K), over one contiguous block so that
// a whole grid can be handed to NetCDF as it lies in memory.
//
// An array starts unallocated; it is allocated once in a run. A second
// allocation, an index outside the extents and an allocation that the system
// refuses are program faults that end the run with a message and status 2.
//
//   onebased_array<float, 3> volume{"volume"};
//   volume.allocate(vars.im, vars.jm, vars.km);
//   volume.fill(-9999.0f);
//   volume(i, j, k) = 1.5f;
//   nc_put_vara_float(ncid, varid, start, count, volume.data());
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <new>
#include <stdexcept>
#include <vector>

#include "array_fault.h"

template <typename T, int Rank>
class onebased_array {
    static_assert(Rank >= 1 && Rank <= 3, "arrays have one to three indexes");

public:
    explicit onebased_array(const char* name) : name_(name) { extents_.fill(0); }

    // Negative extents give an empty array, as a grid of -9999 cells would.
    template <typename... Extents>
    void allocate(Extents... extents)
    {
        static_assert(sizeof...(Extents) == Rank, "one extent per index");
        if (allocated_) array_fault::already_allocated(name_);
        const std::int64_t given[] = {static_cast<std::int64_t>(extents)...};
        std::size_t total = 1;
        for (int d = 0; d < Rank; ++d) {
            const std::size_t extent = given[d] > 0 ? static_cast<std::size_t>(given[d]) : 0;
            extents_[d] = extent;
            if (extent != 0 && total > max_elements() / extent) array_fault::allocation_failed(name_);
            total *= extent;
        }
        try {
            values_.assign(total, T{});
        } catch (const std::bad_alloc&) {
            array_fault::allocation_failed(name_);
        } catch (const std::length_error&) {
            array_fault::allocation_failed(name_);
        }
        allocated_ = true;
    }

    bool allocated() const { return allocated_; }
    std::size_t size() const { return values_.size(); }
    // Extent of index d (1-based: 1 is I).
    std::size_t extent(int d) const { return extents_[d - 1]; }
    const char* name() const { return name_; }

    T& operator()(std::int64_t i) { return values_[offset(i)]; }
    const T& operator()(std::int64_t i) const { return values_[offset(i)]; }
    T& operator()(std::int64_t i, std::int64_t j) { return values_[offset(i, j)]; }
    const T& operator()(std::int64_t i, std::int64_t j) const { return values_[offset(i, j)]; }
    T& operator()(std::int64_t i, std::int64_t j, std::int64_t k) { return values_[offset(i, j, k)]; }
    const T& operator()(std::int64_t i, std::int64_t j, std::int64_t k) const { return values_[offset(i, j, k)]; }

    void fill(const T& value)
    {
        require_allocated();
        for (T& element : values_) element = value;
    }

    T* data() { return values_.data(); }
    const T* data() const { return values_.data(); }
    typename std::vector<T>::iterator begin() { return values_.begin(); }
    typename std::vector<T>::iterator end() { return values_.end(); }
    typename std::vector<T>::const_iterator begin() const { return values_.begin(); }
    typename std::vector<T>::const_iterator end() const { return values_.end(); }

private:
    static constexpr std::size_t max_elements() { return static_cast<std::size_t>(INT64_MAX) / sizeof(T); }

    void require_allocated() const
    {
        if (!allocated_) array_fault::not_allocated(name_);
    }

    std::size_t checked(int d, std::int64_t index) const
    {
        if (index < 1 || static_cast<std::uint64_t>(index) > extents_[d])
            array_fault::index_out_of_range(name_, d + 1, index);
        return static_cast<std::size_t>(index - 1);
    }

    std::size_t offset(std::int64_t i) const
    {
        static_assert(Rank == 1, "one index for a 1-index array");
        require_allocated();
        return checked(0, i);
    }
    std::size_t offset(std::int64_t i, std::int64_t j) const
    {
        static_assert(Rank == 2, "two indexes for a 2-index array");
        require_allocated();
        return checked(0, i) + extents_[0] * checked(1, j);
    }
    std::size_t offset(std::int64_t i, std::int64_t j, std::int64_t k) const
    {
        static_assert(Rank == 3, "three indexes for a 3-index array");
        require_allocated();
        return checked(0, i) + extents_[0] * (checked(1, j) + extents_[1] * checked(2, k));
    }

    const char* name_;
    bool allocated_ = false;
    std::array<std::size_t, 3> extents_;
    std::vector<T> values_;
};
