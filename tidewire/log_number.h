// Numbers of LOG.TXT in the general notation, as a %g conversion of the given
// precision writes them in the "C" locale: 0.5, 3600, 1.23457e+06, 1e+02.
//
// LOG.TXT is the library's own format, so its numbers always carry a decimal
// point, whatever LC_NUMERIC the host program has set (a decimal comma would
// otherwise reach the file through printf).
//
//   general_number(0.5, 6).text  -> "0.5"
#ifndef TIDEWIRE_LOG_NUMBER_H
#define TIDEWIRE_LOG_NUMBER_H

struct log_number {
    // Room for the longest general form of a double up to 17 significant
    // digits ("-1.2345678901234567e-308") and its NUL.
    char text[32];
};

// significant_digits from 1 to 17. Never throws, never allocates.
log_number general_number(double value, int significant_digits) noexcept;

#endif
