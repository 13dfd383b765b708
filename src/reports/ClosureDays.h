#pragma once

// The days of the journal as the closures see them: the totals of each day,
// read by the totals report's own scanner, with its sales and receipt numbers.

#include <map>
#include <string>
#include <vector>

#include "ledger/Closures.h"
#include "platform/DateTime.h"
#include "reports/ExactSum.h"
#include "reports/JournalScanner.h"

namespace vantor {

// The sums of one day, read by the totals report's own scanner.
struct DayScan {
    explicit DayScan(long day) : request(Request(day)), scanner(request) {}
    static ScanRequest Request(long day) {
        ScanRequest request;
        request.debut = day;
        request.fin = day;
        return request;
    }
    const ScanRequest request;  // before the scanner, which keeps a reference to it
    JournalScanner scanner;
    ExactSum absolute;
    long ventes = 0;
    long premier = 0;
    long dernier = 0;
};

// The days of the journal to close, and the last day it holds records of.
struct JournalDays {
    std::map<long, DayScan> days;
    long latest = 0;
};

// The days of the journal after the day key after, up to until, with the
// last day the journal holds records of.
JournalDays ScanDays(const std::string& dataPath, long after, long until);

// The closure of one day of the scan, made at now.
Closure DayClosure(long key, DayScan& day, const DateTime& now);

}  // namespace vantor
