// A Mother that says where to cut it, and the files of marks that say the same: 16-bit mono at
// 1 000 frames a second, 10 000 frames of sound with silences of 400 frames around frame 2 000
// and of 600 around 6 000, markers at 2 000 ("intro: one") and 6 000 ("b"), and a bext chunk
// with a TimeReference of 1 000 000.
#pragma once

#include <string>

#include "support/BytesReader.h"

inline Bytes markedMotherSamples()
{
    Bytes bytes;
    for (std::uint32_t frame = 0; frame < 10000; ++frame) {
        const bool silent = (frame >= 1800 && frame < 2200) || (frame >= 5700 && frame < 6300);
        bytes.push_back(0x00);
        bytes.push_back(silent ? 0x00 : (frame % 2 == 0 ? 0x40 : 0xC0));
    }
    return bytes;
}

inline Bytes markedMother()
{
    Bytes bext(602, 0);
    bext[338] = 0x40;  // TimeReference 1 000 000: 0x0F4240
    bext[339] = 0x42;
    bext[340] = 0x0F;
    const Bytes cue = join({le32(2), le32(1), le32(6000), ascii("data"), le32(0), le32(0), le32(6000), le32(2),
                            le32(2000), ascii("data"), le32(0), le32(0), le32(2000)});
    const Bytes adtl = join({ascii("adtl"), chunkOf("labl", join({le32(2), ascii("intro: one"), {0}})),
                             chunkOf("labl", join({le32(1), ascii("b"), {0}}))});
    const Bytes fmt =
        join({ascii("fmt "), le32(16), {0x01, 0x00, 0x01, 0x00}, le32(1000), le32(2000), {0x02, 0x00}, {0x10, 0x00}});
    return join({riffWave(0, 0), fmt, chunkOf("bext", bext), chunkOf("data", markedMotherSamples()),
                 chunkOf("cue ", cue), chunkOf("LIST", adtl)});
}

// The same samples with a bext that says they were recorded from 13:59:55 on 10 December 2026
// (TimeReference 50 395 000 at 1 000 Hz): in any zone of whole minutes, a minute's boundary falls
// at frame 5 000.
inline Bytes clockedMother()
{
    Bytes bext(602, 0);
    const std::string when = "2026-12-1013:59:55";
    std::copy(when.begin(), when.end(), bext.begin() + 320);
    const Bytes reference = le32(50395000);
    std::copy(reference.begin(), reference.end(), bext.begin() + 338);
    const Bytes fmt =
        join({ascii("fmt "), le32(16), {0x01, 0x00, 0x01, 0x00}, le32(1000), le32(2000), {0x02, 0x00}, {0x10, 0x00}});
    return join({riffWave(0, 0), fmt, chunkOf("bext", bext), chunkOf("data", markedMotherSamples())});
}

// A label list and a CUE sheet of the same two marks.
inline const std::string MARKED_LABELS = "2\t2\tintro: one\n6,0\t6,0\tb\n";
inline const std::string MARKED_CUE_SHEET = "TRACK 01 AUDIO\nINDEX 01 00:00:00\nTRACK 02 AUDIO\n"
                                            "TITLE \"intro: one\"\nINDEX 01 00:02:00\nTRACK 03 "
                                            "AUDIO\nTITLE b\nINDEX 01 00:06:00\n";
