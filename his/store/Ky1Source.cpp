#include "Ky1Source.h"

namespace store {

Ky1Source::~Ky1Source() = default;

}  // namespace store
