// The drawing surface as the chart uses it: off-screen frames, the stale
// mark, chart pens, clipping of the plot area, rotated text and the reset
// after a paint. The raster device's own pixel rules are tested with it.
#include "chart/DrawingSurface.h"
#include "support/raster/RasterDevice.h"

#include "tests/support/raster/RasterDeviceTestImage.h"

#include <gtest/gtest.h>

namespace {

// A surface bound to a window image, as a panel binds its own.
struct TSurfaceFixture {
    TImage Window = BlankImage(816, 198, clYellow);
    TView3DOptions Options;
    TLynCanvas3D Surface;
    TSurfaceFixture() { Surface.BindWindowCanvas(&Window); }

    TRect Begin(const TRect& r) { return Surface.BeginFrame(&Window, &Options, r, false, clBtnFace); }
    void Present(const TRect& r) { Surface.PresentFrame(&Window, &Window, r); }
};

} // namespace

TEST(CanvasFrame, BufferedFrameDrawsIntoABitmapOfThePanelSizeAndReusesIt)
{
    TSurfaceFixture f;
    EXPECT_EQ(f.Begin(TRect{0, 0, 816, 198}), (TRect{0, 0, 816, 198}));
    const TImage* bitmap = f.Surface.OffscreenBitmap();
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ((TPoint{bitmap->Width(), bitmap->Height()}), (TPoint{816, 198}));
    f.Surface.Pixel(3, 4, clRed);
    // Nothing reaches the window before the frame is presented.
    EXPECT_EQ(FromPixel(f.Window.Pixel(3, 4)), clYellow);
    f.Present(TRect{0, 0, 816, 198});
    EXPECT_EQ(FromPixel(f.Window.Pixel(3, 4)), clRed);

    // Same size: the same bitmap, its content kept.
    f.Begin(TRect{0, 0, 816, 198});
    EXPECT_EQ(f.Surface.OffscreenBitmap(), bitmap);
    EXPECT_EQ(FromPixel(f.Surface.OffscreenBitmap()->Pixel(3, 4)), clRed);
    f.Present(TRect{0, 0, 816, 198});

    // Another size: a new bitmap of that size.
    EXPECT_EQ(f.Begin(TRect{0, 0, 800, 198}), (TRect{0, 0, 800, 198}));
    EXPECT_EQ((TPoint{f.Surface.OffscreenBitmap()->Width(), f.Surface.OffscreenBitmap()->Height()}),
              (TPoint{800, 198}));
}

TEST(CanvasFrame, PresentCopiesToThePanelCornerAndOnlyThenClearsTheStaleMark)
{
    TSurfaceFixture f;
    f.Begin(TRect{10, 20, 30, 40});
    f.Surface.Pixel(0, 0, clRed);
    EXPECT_TRUE(f.Surface.IsStale());
    EXPECT_FALSE(f.Surface.RepaintFromBuffer());
    f.Present(TRect{10, 20, 30, 40});
    EXPECT_FALSE(f.Surface.IsStale());
    EXPECT_EQ(FromPixel(f.Window.Pixel(10, 20)), clRed);
    EXPECT_EQ(FromPixel(f.Window.Pixel(0, 0)), clYellow);
}

TEST(CanvasFrame, RepaintFromBufferCopiesTheStoredPictureUntilMarkedStale)
{
    TSurfaceFixture f;
    f.Begin(TRect{0, 0, 816, 198});
    f.Surface.Pixel(5, 5, clRed);
    f.Present(TRect{0, 0, 816, 198});
    f.Window.Fill(ToPixel(clWhite)); // another window covered ours
    EXPECT_TRUE(f.Surface.RepaintFromBuffer());
    EXPECT_EQ(FromPixel(f.Window.Pixel(5, 5)), clRed);
    f.Surface.MarkStale();
    f.Window.Fill(ToPixel(clWhite));
    EXPECT_FALSE(f.Surface.RepaintFromBuffer());
    EXPECT_EQ(FromPixel(f.Window.Pixel(5, 5)), clWhite);
}

TEST(CanvasFrame, WithoutTheBufferEveryPaintDrawsStraightIntoTheWindowAndRedraws)
{
    TSurfaceFixture f;
    f.Surface.SetUseOffscreenBuffer(false);
    EXPECT_EQ(f.Begin(TRect{10, 20, 30, 40}), (TRect{10, 20, 30, 40}));
    f.Surface.Pixel(12, 22, clRed);
    EXPECT_EQ(FromPixel(f.Window.Pixel(12, 22)), clRed);
    f.Present(TRect{10, 20, 30, 40});
    EXPECT_EQ(f.Surface.OffscreenBitmap(), nullptr);
    EXPECT_TRUE(f.Surface.IsStale());
    EXPECT_FALSE(f.Surface.RepaintFromBuffer());
}

TEST(CanvasFrame, SwitchingBufferOffOrMonochromeFreesTheBitmapAndMarksStale)
{
    TSurfaceFixture f;
    int repaints = 0;
    f.Surface.SetOnNeedRepaint([&] { ++repaints; });
    f.Begin(TRect{0, 0, 50, 50});
    f.Present(TRect{0, 0, 50, 50});
    f.Surface.SetMonochrome(true);
    EXPECT_EQ(repaints, 1);
    EXPECT_EQ(f.Surface.OffscreenBitmap(), nullptr);
    EXPECT_TRUE(f.Surface.IsStale());
    f.Surface.SetMonochrome(true);
    EXPECT_EQ(repaints, 1);

    f.Begin(TRect{0, 0, 50, 50});
    f.Present(TRect{0, 0, 50, 50});
    f.Surface.SetUseOffscreenBuffer(false);
    EXPECT_EQ(f.Surface.OffscreenBitmap(), nullptr);
    EXPECT_TRUE(f.Surface.IsStale());
}

// The stored picture is the black and white one, so a window uncovered
// later is repainted without colour as well.
TEST(CanvasFrame, AMonochromeFrameIsStoredInBlackAndWhite)
{
    TSurfaceFixture f;
    f.Surface.SetMonochrome(true);
    f.Begin(TRect{0, 0, 4, 2});
    f.Surface.SetBrushColor(clWhite);
    f.Surface.FillBox(TRect{0, 0, 4, 2});
    f.Surface.Pixel(0, 0, clRed);
    f.Surface.Pixel(1, 0, clYellow);
    f.Surface.Pixel(2, 0, clBlue);
    f.Present(TRect{0, 0, 4, 2});
    const std::string presented = InkMap(f.Window.Copy(0, 0, 4, 2));
    EXPECT_EQ(InkMap(*f.Surface.OffscreenBitmap()), presented);
    f.Window.Fill(ToPixel(clGreen)); // another window covered ours
    EXPECT_TRUE(f.Surface.RepaintFromBuffer());
    EXPECT_EQ(InkMap(f.Window.Copy(0, 0, 4, 2)), presented);
    EXPECT_EQ(presented.find('?'), std::string::npos) << presented;
}

TEST(CanvasFrame, TheBitmapKeepsItsOwnPenBetweenPaints)
{
    TSurfaceFixture f;
    f.Begin(TRect{0, 0, 50, 50});
    f.Surface.SetPenColor(clRed);
    f.Present(TRect{0, 0, 50, 50});
    // Between paints the window canvas is the target, with its own pen.
    EXPECT_EQ(f.Surface.PenColor(), clBlack);
    f.Begin(TRect{0, 0, 50, 50});
    EXPECT_EQ(f.Surface.PenColor(), clRed);
}

TEST(CanvasClip, ClipPlotAreaLeavesTheBackWallOutlineFree)
{
    TSurfaceFixture f;
    f.Begin(TRect{0, 0, 816, 198});
    f.Surface.SetBrushColor(clWhite);
    f.Surface.FillBox(TRect{0, 0, 816, 198});
    f.Surface.ClipPlotArea(TRect{24, 30, 792, 160}, 0, 0);
    f.Surface.SetBrushColor(clRed);
    f.Surface.FillBox(TRect{0, 0, 816, 198});
    f.Surface.RemoveClip();
    const TImage& image = *f.Surface.OffscreenBitmap();
    EXPECT_EQ(InkBounds(image), (TRect{25, 31, 792, 159}));
    EXPECT_EQ(FromPixel(image.Pixel(25, 31)), clRed);
    EXPECT_EQ(FromPixel(image.Pixel(791, 158)), clRed);
    // After RemoveClip the whole bitmap can be drawn on again.
    f.Surface.Pixel(0, 0, clBlue);
    EXPECT_EQ(FromPixel(image.Pixel(0, 0)), clBlue);
}

TEST(CanvasClip, ClipsOnlyNarrowUntilRemoved)
{
    TSurfaceFixture f;
    f.Begin(TRect{0, 0, 40, 40});
    f.Surface.SetBrushColor(clWhite);
    f.Surface.FillBox(TRect{0, 0, 40, 40});
    f.Surface.ClipToRect(TRect{5, 5, 30, 30});
    f.Surface.ClipPlotArea(TRect{0, 0, 20, 20}, 0, 0);
    f.Surface.SetBrushColor(clRed);
    f.Surface.FillBox(TRect{0, 0, 40, 40});
    EXPECT_EQ(InkBounds(*f.Surface.OffscreenBitmap()), (TRect{5, 5, 20, 19}));
}

TEST(CanvasPen, HiddenPenDrawsNothingWhateverItsColourAndWidth)
{
    TSurfaceFixture f;
    f.Begin(TRect{0, 0, 30, 30});
    f.Surface.SetBrushColor(clWhite);
    f.Surface.FillBox(TRect{0, 0, 30, 30});
    TChartHiddenPen pen;
    pen.SetColor(clRed);
    pen.SetWidth(3);
    f.Surface.ApplyChartPen(pen);
    f.Surface.DrawSegment(2, 10, 28, 10);
    EXPECT_TRUE(InkBounds(*f.Surface.OffscreenBitmap()).IsEmpty());
    EXPECT_EQ(f.Surface.PenStyle(), psClear);
}

TEST(CanvasPen, SmallDotsOfWidthOneSetEveryOtherPixelInThePenColour)
{
    TSurfaceFixture f;
    f.Begin(TRect{0, 0, 12, 1});
    f.Surface.SetBrushColor(clWhite);
    f.Surface.FillBox(TRect{0, 0, 12, 1});
    TDottedGrayPen pen;
    pen.SetSmallDots(true);
    f.Surface.ApplyChartPen(pen);
    EXPECT_TRUE(f.Surface.PenIsAlternate());
    f.Surface.HorizontalLine(0, 12, 0);
    EXPECT_EQ(PixelMap(*f.Surface.OffscreenBitmap(), {{clWhite, '.'}, {clGray, 'g'}}), "g.g.g.g.g.g.\n");
    // The chart pen itself is not changed.
    EXPECT_EQ(pen.Style(), psDot);
}

TEST(CanvasPen, SmallDotsWiderThanOnePixelDrawAsTheNormalPen)
{
    TSurfaceFixture f;
    f.Begin(TRect{0, 0, 12, 1});
    TDottedGrayPen pen;
    pen.SetSmallDots(true);
    pen.SetWidth(2);
    f.Surface.ApplyChartPen(pen);
    EXPECT_FALSE(f.Surface.PenIsAlternate());
    EXPECT_EQ(f.Surface.PenStyle(), psDot);
    EXPECT_EQ(f.Surface.PenWidth(), 2);
    EXPECT_EQ(f.Surface.PenColor(), clGray);
}

TEST(CanvasPen, VisiblePenCopiesColourAsRGBWidthStyleAndMode)
{
    TSurfaceFixture f;
    f.Begin(TRect{0, 0, 10, 10});
    TChartPen pen;
    pen.SetColor(clBtnShadow);
    pen.SetWidth(3);
    pen.SetStyle(psDash);
    pen.SetMode(pmXor);
    f.Surface.ApplyChartPen(pen);
    EXPECT_EQ(f.Surface.PenColor(), ColorToRGB(clBtnShadow));
    EXPECT_GE(f.Surface.PenColor(), 0); // a system colour is resolved
    EXPECT_EQ(f.Surface.PenWidth(), 3);
    EXPECT_EQ(f.Surface.PenStyle(), psDash);
    EXPECT_EQ(f.Surface.PenMode(), pmXor);
}

TEST(CanvasText, RotatedTextTakesAnglesAboveAFullTurnOnceAroundAndRestoresTheFont)
{
    auto draw = [](int angle) {
        TSurfaceFixture f;
        f.Begin(TRect{0, 0, 80, 80});
        f.Surface.SetBrushColor(clWhite);
        f.Surface.FillBox(TRect{0, 0, 80, 80});
        f.Surface.SetBackgroundMode(bmTransparent);
        f.Surface.PutRotatedText(40, 60, angle, "x axis");
        EXPECT_EQ(f.Surface.Device().Font.EscapementTenths, 0);
        EXPECT_EQ(f.Surface.BrushStyle(), bsClear);
        return TImage(*f.Surface.OffscreenBitmap());
    };
    const TImage upwards = draw(90);
    EXPECT_EQ(draw(450), upwards);
    EXPECT_EQ(draw(360), draw(0));
    EXPECT_NE(upwards, draw(0));
    const TRect ink = InkBounds(upwards);
    EXPECT_GT(ink.Height(), ink.Width());
    EXPECT_LE(ink.Bottom, 60);
}

TEST(CanvasText, PutTextUsesTheFontColourAndMeasuresInTheSelectedFont)
{
    TSurfaceFixture f;
    f.Begin(TRect{0, 0, 60, 30});
    f.Surface.SetBrushColor(clWhite);
    f.Surface.FillBox(TRect{0, 0, 60, 30});
    TChartFont font;
    font.SetColor(clBlue);
    f.Surface.SelectFont(font);
    f.Surface.SetBackgroundMode(bmTransparent);
    f.Surface.PutText(2, 2, "W");
    bool fullBlue = false;
    const TImage& image = *f.Surface.OffscreenBitmap();
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            fullBlue = fullBlue || FromPixel(image.Pixel(x, y)) == clBlue;
    EXPECT_TRUE(fullBlue);
    EXPECT_EQ(f.Surface.FontLineHeight(), f.Surface.MeasureTextHeight("W"));
    EXPECT_EQ(f.Surface.FontLineHeight(), f.Surface.Device().TextExtent("W").Y);
    EXPECT_EQ(f.Surface.MeasureTextWidth(""), 0);
    EXPECT_GT(f.Surface.MeasureTextWidth("WW"), f.Surface.MeasureTextWidth("W"));
    // Measuring in a given font gives that font's figures and leaves the
    // selected font as it is.
    TChartFont large;
    large.SetSize(20);
    const int32_t selectedWidth = f.Surface.MeasureTextWidth("WW");
    EXPECT_GT(f.Surface.MeasureTextWidth(large, "WW"), selectedWidth);
    EXPECT_GT(f.Surface.FontLineHeight(large), f.Surface.FontLineHeight());
    EXPECT_EQ(f.Surface.MeasureTextWidth(font, "WW"), selectedWidth);
    EXPECT_EQ(f.Surface.FontLineHeight(font), f.Surface.FontLineHeight());
    EXPECT_EQ(f.Surface.FontSize(), font.Size());
    EXPECT_EQ(f.Surface.MeasureTextWidth("WW"), selectedWidth);
}

TEST(CanvasState, RestoreDefaultsResetsPenBrushFontAndBackgroundButNotModeNameOrAnchor)
{
    TSurfaceFixture f;
    f.Begin(TRect{0, 0, 10, 10});
    TChartFont font;
    font.SetName("Courier New");
    font.SetSize(14);
    font.SetColor(clRed);
    f.Surface.SelectFont(font);
    f.Surface.SetPenColor(clRed);
    f.Surface.SetPenWidth(3);
    f.Surface.SetPenStyle(psDot);
    f.Surface.SetPenMode(pmNotXor);
    f.Surface.SetBrushColor(clRed);
    f.Surface.SetBrushStyle(bsCross);
    f.Surface.SetBackgroundColor(clBlue);
    f.Surface.SetBackgroundMode(bmOpaque);
    f.Surface.SetTextAnchor(anCenter | anBottom);

    f.Surface.RestoreDefaults();
    EXPECT_EQ(f.Surface.PenColor(), clBlack);
    EXPECT_EQ(f.Surface.PenWidth(), 1);
    EXPECT_EQ(f.Surface.PenStyle(), psSolid);
    EXPECT_EQ(f.Surface.BrushColor(), clWhite);
    EXPECT_EQ(f.Surface.BrushStyle(), bsSolid);
    EXPECT_EQ(f.Surface.FontColor(), clBlack);
    EXPECT_EQ(f.Surface.FontSize(), 10);
    EXPECT_EQ(f.Surface.BackgroundColor(), clWhite);
    EXPECT_EQ(f.Surface.BackgroundMode(), bmTransparent);
    EXPECT_EQ(f.Surface.PenMode(), pmNotXor);
    EXPECT_EQ(f.Surface.Device().Font.Name, "Courier New");
    EXPECT_EQ(f.Surface.TextAnchor(), anCenter | anBottom);
}

TEST(CanvasState, AFrameBegunIn3DDrawsLinesAsAFlatOne)
{
    TSurfaceFixture flat;
    TSurfaceFixture deep;
    flat.Begin(TRect{0, 0, 20, 20});
    deep.Surface.BeginFrame(&deep.Window, &deep.Options, TRect{0, 0, 20, 20}, true, clBtnFace);
    for (TSurfaceFixture* f : {&flat, &deep}) {
        f->Surface.FillBox(TRect{0, 0, 20, 20});
        f->Surface.DrawSegment(1, 2, 15, 9);
        f->Surface.HorizontalLine(0, 10, 15);
        f->Surface.VerticalLine(18, 0, 19);
    }
    EXPECT_TRUE(deep.Surface.Is3D());
    EXPECT_EQ(*flat.Surface.OffscreenBitmap(), *deep.Surface.OffscreenBitmap());
}

TEST(CanvasState, FrontPlaneTurnsThe3DSwitchOffAndBackOn)
{
    TImage window = BlankImage(10, 10);
    TView3DOptions options;
    TLynCanvas3D surface;
    surface.BindWindowCanvas(&window);
    surface.BeginFrame(&window, &options, TRect{0, 0, 10, 10}, true, clBtnFace);
    EXPECT_TRUE(surface.Is3D());
    surface.BeginFrontPlane();
    EXPECT_FALSE(surface.Is3D());
    surface.EndFrontPlane();
    EXPECT_TRUE(surface.Is3D());
}

TEST(CanvasOptions, ViewOptionsHaveTheirDefaultsAndNotifyOnlyRealChanges)
{
    TView3DOptions options;
    EXPECT_EQ(options.Elevation(), 345);
    EXPECT_EQ(options.Rotation(), 345);
    EXPECT_EQ(options.Perspective(), 15);
    EXPECT_EQ(options.Zoom(), 100);
    EXPECT_TRUE(options.Orthogonal());
    EXPECT_TRUE(options.ZoomText());
    int changes = 0;
    options.SetOnChange([&] { ++changes; });
    options.SetZoom(100);
    EXPECT_EQ(changes, 0);
    options.SetZoom(120);
    EXPECT_EQ(changes, 1);
    TView3DOptions copy;
    copy.Assign(options);
    EXPECT_EQ(copy.Zoom(), 120);
}
