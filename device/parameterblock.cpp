#include "parameterblock.h"

#include <cstring>
#include <type_traits>

static_assert(std::is_trivially_copyable<ParameterBlock>::value, "copied byte for byte");

namespace {

constexpr unsigned char ParameterBlock::*bandBytes[] = {&ParameterBlock::eQ60, &ParameterBlock::eQ300,
                                                        &ParameterBlock::eQ1200, &ParameterBlock::eQ3600,
                                                        &ParameterBlock::eQ12000};

} // namespace

unsigned char &ParameterBlock::band(int index)
{
    return this->*bandBytes[index];
}

unsigned char ParameterBlock::band(int index) const
{
    return this->*bandBytes[index];
}

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
