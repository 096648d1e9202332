#include "display/DisplayCommands.h"

#include "display/DisplayFixture.h"

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
