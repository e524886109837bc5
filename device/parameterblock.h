#ifndef PARAMETERBLOCK_H
#define PARAMETERBLOCK_H

// The card's 8-byte parameter block as the host holds it: one instance for the whole process, filled by
// the sound-card model and sent unchanged, byte 0 first, by the transfer layer.
struct ParameterBlock
{
    unsigned char flag = 0;
    unsigned char playMute = 0;
    unsigned char micMute = 0;
    unsigned char eQ60 = 0;
    unsigned char eQ300 = 0;
    unsigned char eQ1200 = 0;
    unsigned char eQ3600 = 0;
    unsigned char eQ12000 = 0;

    // The highest band gain the card takes; the bands run from 0 to it.
    static constexpr int maxGain = 43;

    static ParameterBlock &instance();

    // Band 0..4, 60 Hz first.
    unsigned char &band(int index);
    unsigned char band(int index) const;

    // The block as it travels to and from the card.
    void toBytes(unsigned char *bytes) const;
    void fromBytes(const unsigned char *bytes);
};

static_assert(sizeof(ParameterBlock) == 8, "the parameter block is exactly the card's 8 bytes");

#endif // PARAMETERBLOCK_H
