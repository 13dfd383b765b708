#include "data/TillData.h"

#include "data/TextFile.h"

namespace vantor {

std::string TillData::File(const std::string& name) const {
    return JoinPath(DataPath, name);
}

}  // namespace vantor
