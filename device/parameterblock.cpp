#include "parameterblock.h"

#include <cstring>
#include <type_traits>

static_assert(std::is_trivially_copyable<ParameterBlock>::value, "copied byte for byte");

ParameterBlock &ParameterBlock::instance()
{
    static ParameterBlock block;
    return block;
}

void ParameterBlock::toBytes(unsigned char *bytes) const
{
    std::memcpy(bytes, this, sizeof(ParameterBlock));
}

void ParameterBlock::fromBytes(const unsigned char *bytes)
{
    std::memcpy(this, bytes, sizeof(ParameterBlock));
}
