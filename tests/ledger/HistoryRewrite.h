#pragma once

#include <functional>
#include <string>

namespace vantor::test {

// What someone with access to the files can do without the chain seeing it:
// change the data files (keeping each entry's number of lines), then write
// tickets.chain anew over them, every range and hash recomputed.
void RewriteHistory(const std::string& dataPath, const std::function<void()>& change);

}  // namespace vantor::test
