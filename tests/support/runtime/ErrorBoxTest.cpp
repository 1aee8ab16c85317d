#include "support/runtime/ErrorBox.h"
#include "support/runtime/MouseCapture.h"
#include "tests/support/runtime/ErrorBoxRecorder.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <stdexcept>

TEST(ErrorBoxText, AppendsAFullStopWhenTheLastCharacterSortsAfterIt)
{
    EXPECT_EQ(ErrorBoxText("Axis Maximum Value must be >= Minimum"), "Axis Maximum Value must be >= Minimum.");
    EXPECT_EQ(ErrorBoxText("'' is not a valid floating point value"), "'' is not a valid floating point value.");
    EXPECT_EQ(ErrorBoxText("ends in 0"), "ends in 0.");
}

TEST(ErrorBoxText, KeepsAnEndAtOrBelowTheFullStop)
{
    EXPECT_EQ(ErrorBoxText("Done."), "Done.");
    EXPECT_EQ(ErrorBoxText("List index out of bounds (5)"), "List index out of bounds (5)");
    EXPECT_EQ(ErrorBoxText("quoted 'x'"), "quoted 'x'");
    EXPECT_EQ(ErrorBoxText("Stop!"), "Stop!");
    EXPECT_EQ(ErrorBoxText("trailing blank "), "trailing blank ");
    EXPECT_EQ(ErrorBoxText("a-"), "a-");
    EXPECT_EQ(ErrorBoxText(""), "");
}

TEST(ShowHandlerError, ShowsTheMessageWithTheApplicationTitle)
{
    TErrorBoxRecorder box;
    const std::string previousTitle = ApplicationTitle();
    SetApplicationTitle("Kmity");
    ShowHandlerError(std::runtime_error("Floating point overflow"));
    SetApplicationTitle(previousTitle);
    ASSERT_EQ(box.Texts.size(), 1u);
    EXPECT_EQ(box.Texts[0], "Floating point overflow.");
    EXPECT_EQ(box.Captions[0], "Kmity");
}

namespace {

class TCaptureHolder final : public IMouseCaptureHolder {
public:
    int Cancels = 0;

    void CancelMode() noexcept override { ++Cancels; }
};

} // namespace

TEST(ShowHandlerError, TellsTheCaptureHolderToCancelItsModeFirst)
{
    TErrorBoxRecorder box;
    TCaptureHolder holder;
    SetMouseCaptureHolder(&holder);
    ShowHandlerErrorMessage("boom");
    EXPECT_EQ(holder.Cancels, 1);
    EXPECT_EQ(MouseCaptureHolder(), nullptr);
    ShowHandlerErrorMessage("again");
    EXPECT_EQ(holder.Cancels, 1);
}

TEST(GuardHandler, ShowsAnEscapingExceptionAndReturns)
{
    TErrorBoxRecorder box;
    bool after = false;
    GuardHandler([&] {
        throw std::runtime_error("Invalid floating point operation");
        after = true;
    });
    EXPECT_FALSE(after);
    ASSERT_EQ(box.Texts.size(), 1u);
    EXPECT_EQ(box.Texts[0], "Invalid floating point operation.");
}
