#include "display/DisplayCommands.h"

#include <optional>

#include "display/DisplayFixture.h"
#include "wav/WavChunks.h"

namespace {

class CutPreview : public DisplayFixture {
protected:
    CutPreview()
    {
        fake.client = ClientRect{0, 0, 100, 50};
        state.cutMode = CutMode::Template;
        state.pieceBytes = 400;  // 100 frames
    }

    std::vector<int> columns() const
    {
        std::vector<int> xs;
        for (const Line& l : lines()) {
            EXPECT_EQ(l.pen, GREEN);
            EXPECT_EQ(l.x1, l.x2);
            EXPECT_EQ(l.y1, 0);
            EXPECT_EQ(l.y2, fake.client.bottom);
            xs.push_back(l.x1);
        }
        return xs;
    }

    void expectCount(const char* text)
    {
        ASSERT_EQ(fake.boxes.size(), 1u);
        EXPECT_EQ(fake.boxes[0].caption, " Anzahl Teil-Dateien = ");
        EXPECT_EQ(fake.boxes[0].text, text);
        EXPECT_EQ(fake.boxes[0].owner, FakePlatform::MAIN_WINDOW);
    }
};

}  // namespace

TEST_F(CutPreview, LinesAtEveryBoundaryStrictlyInsideTheMotherThenTheWholePieces)
{
    state.motherDataBytes = 4000;  // 1000 frames, 10 a pixel
    previewCuts(ctx);
    EXPECT_EQ(columns(), (std::vector<int>{10, 20, 30, 40, 50, 60, 70, 80, 90}));
    expectCount(" 10.00 ");

    fake.drawings.clear();
    fake.boxes.clear();
    state.motherDataBytes = 4200;  // 1050 frames: the tenth line separates the remainder
    previewCuts(ctx);
    EXPECT_EQ(columns(), (std::vector<int>{10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
    expectCount(" 10.00 ");
}

TEST_F(CutPreview, OtherPieceLengthsDrawAndSayNothing)
{
    state.motherDataBytes = 4000;
    for (const CutMode mode : {CutMode::None, CutMode::Time, CutMode::Count}) {
        state.cutMode = mode;
        previewCuts(ctx);
    }
    EXPECT_TRUE(fake.drawings.empty());
    EXPECT_TRUE(fake.boxes.empty());
}

TEST_F(CutPreview, DegenerateSizesDrawWhatCanBeDrawnAndStillCount)
{
    // Fewer frames than pixels: one frame a pixel.
    fake.client = ClientRect{0, 0, 1008, 541};
    state.motherDataBytes = 1200;
    previewCuts(ctx);
    EXPECT_EQ(columns(), (std::vector<int>{100, 200}));
    expectCount(" 3.00 ");

    // A piece without a whole frame: no line, no piece.
    fake.drawings.clear();
    fake.boxes.clear();
    state.pieceBytes = 3;
    previewCuts(ctx);
    EXPECT_TRUE(lines().empty());
    expectCount(" 0.00 ");

    // A window without width: nothing drawn, the count still shown.
    fake.drawings.clear();
    fake.boxes.clear();
    state.pieceBytes = 400;
    fake.client = ClientRect{0, 0, 0, 541};
    previewCuts(ctx);
    EXPECT_TRUE(fake.drawings.empty());
    expectCount(" 3.00 ");
}

TEST_F(CutPreview, EachColumnIsDrawnOnceAndEveryPieceCounted)
{
    std::vector<int> everyColumn(100);
    for (int x = 0; x < 100; ++x) {
        everyColumn[static_cast<std::size_t>(x)] = x;
    }
    struct Case {
        const char* name;
        std::uint32_t dataBytes;
        std::uint32_t pieceBytes;
        int width;
        std::vector<int> columns;
        const char* count;
        std::optional<HeaderBytes> motherOwnHeader = std::nullopt;  // a Mother of another format
    };
    // 16-bit mono 44 100 Hz: frames of 2 bytes.
    const HeaderBytes mono = canonicalHeaderOf(WavFormat{1, 1, 44100, 88200, 2, 16, 0}, 0);
    const Case cases[] = {
        // 1000 frames, 10 a pixel: 333 boundaries of 3 frames (13 bytes), one line in each column.
        {"tiny piece", 4000, 13, 100, everyColumn, " 333.00 "},
        {"one frame a piece", 4000, 4, 100, everyColumn, " 1000.00 "},
        // 1999 frames over 1000 pixels: one frame a pixel, the late boundaries past the right edge.
        {"1999 frames", 7996, 2000, 1000, {500, 1000, 1500}, " 3.00 "},
        {"no Mother", 0, 400, 100, {}, " 0.00 "},
        // 1000 frames of its own, 10 a pixel, pieces of 101: 9 whole ones (500 and 50 of 4 bytes would give 10).
        {"2-byte frames", 2000, 202, 100, {10, 20, 30, 40, 50, 60, 70, 80, 90}, " 9.00 ", mono},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fake.drawings.clear();
        fake.boxes.clear();
        fake.client = ClientRect{0, 0, c.width, 50};
        state.motherDataBytes = c.dataBytes;
        state.pieceBytes = c.pieceBytes;
        state.motherOwnHeader = c.motherOwnHeader;
        previewCuts(ctx);
        EXPECT_EQ(columns(), c.columns);
        expectCount(c.count);
    }
}
