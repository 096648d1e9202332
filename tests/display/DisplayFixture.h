// Small Mothers written to temporary files, loaded into the record as LOAD leaves it, and the
// drawings of the test double read back as lines.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "support/FakePlatform.h"
#include "support/ScratchFiles.h"

inline PenRef const YELLOW = reinterpret_cast<PenRef>(0x51);
inline PenRef const BLUE = reinterpret_cast<PenRef>(0x52);
inline PenRef const GREEN = reinterpret_cast<PenRef>(0x53);

// A line from (x1, y1) to (x2, y2) with its pen; a move without a line has x2, y2 = x1, y1 and
// the pen nullptr.
struct Line {
    PenRef pen = nullptr;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    friend bool operator==(const Line&, const Line&) = default;
};

inline std::ostream& operator<<(std::ostream& out, const Line& l)
{
    const char* pen = l.pen == YELLOW ? "yellow" : l.pen == BLUE ? "blue" : l.pen == GREEN ? "green" : "none";
    return out << pen << " (" << l.x1 << "," << l.y1 << ")-(" << l.x2 << "," << l.y2 << ")";
}

// The lines drawn, in order; a move that no line follows is left out.
inline std::vector<Line> linesOf(const std::vector<RecordedDrawing>& drawings)
{
    std::vector<Line> lines;
    PenRef pen = nullptr;
    Line from;
    for (const RecordedDrawing& d : drawings) {
        if (d.op == "pen") {
            pen = d.pen;
        } else if (d.op == "move") {
            from = Line{pen, d.x, d.y, d.x, d.y};
        } else if (d.op == "line") {
            lines.push_back(Line{pen, from.x1, from.y1, d.x, d.y});
            from = Line{pen, d.x, d.y, d.x, d.y};
        }
    }
    return lines;
}

struct Frame {
    int left = 0;
    int right = 0;
};

class DisplayFixture : public ::testing::Test {
protected:
    AppState state;
    FakePlatform fake;
    CommandContext ctx{state, fake, FakePlatform::MAIN_WINDOW};
    ScratchFolder folder;

    DisplayFixture()
    {
        state.yellowPen = YELLOW;
        state.bluePen = BLUE;
        state.greenPen = GREEN;
    }
    ~DisplayFixture() override { closeMotherStream(state); }

    // A Mother whose header claims dataSize, with gapBytes before its samples and the frames
    // padded with silence to fileFrames; loaded as LOAD leaves it, the stream just past the
    // header.
    void loadMother(std::uint32_t dataSize, const std::vector<Frame>& frames, std::size_t fileFrames,
                    std::uint32_t gapBytes = 0)
    {
        const HeaderBytes header = pcmHeader(dataSize);
        std::vector<std::uint8_t> bytes(header.begin(), header.end());
        bytes.resize(bytes.size() + gapBytes, 0x7F);  // full-scale noise if ever drawn
        for (std::size_t i = 0; i < fileFrames; ++i) {
            const Frame f = i < frames.size() ? frames[i] : Frame{};
            for (const int v : {f.left, f.right}) {
                bytes.push_back(static_cast<std::uint8_t>(v & 0xFF));
                bytes.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
            }
        }
        state.motherPath = folder.write("mother.wav", bytes);
        state.motherChosen = 1;
        state.motherFileBytes = static_cast<std::uint32_t>(bytes.size());
        state.motherReadOffset = bytes.size() - dataSize;
        state.motherDataBytes = dataSize - 68;
        state.motherStream = std::fopen(state.motherPath.c_str(), "rb");
        ASSERT_NE(state.motherStream, nullptr);
        ASSERT_EQ(std::fseek(state.motherStream, 44, SEEK_SET), 0);
    }

    std::vector<Line> lines() const { return linesOf(fake.drawings); }
};
