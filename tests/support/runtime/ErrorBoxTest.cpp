#include "support/runtime/ErrorBox.h"
#include "support/runtime/MouseCapture.h"
#include "tests/support/runtime/ErrorBoxRecorder.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
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

TEST(ApplicationTitle, IsTheProgramNameWithoutFolderAndExtensionLowerCasedAfterItsFirstLetter)
{
    EXPECT_EQ(ApplicationTitleFromPath("/usr/local/bin/kmity"), "kmity");
    EXPECT_EQ(ApplicationTitleFromPath("KMITY.EXE"), "Kmity");
    EXPECT_EQ(ApplicationTitleFromPath("C:\\apps\\kmity.old.exe"), "kmity");
    EXPECT_EQ(ApplicationTitleFromPath("myProg.v2"), "myprog");
    EXPECT_EQ(ApplicationTitleFromPath("/opt/ŠKOLA/ŽÁČEK.bin"), "Žáček");
    EXPECT_EQ(ApplicationTitleFromPath("čÁSTICE"), "částice");
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

// The platform's box, closed by a timer once it shows: markup typed into an
// edit box reaches the box as text, tags and all.
TEST(ShowHandlerError, ThePlatformBoxShowsTheTextAsPlainText)
{
    IErrorBox* previous = SetErrorBox(nullptr);
    QString shownText;
    QString shownCaption;
    Qt::TextFormat shownFormat = Qt::AutoText;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (box && box->isVisible()) {
                shownText = box->text();
                shownCaption = box->windowTitle();
                shownFormat = box->textFormat();
                box->done(QMessageBox::Ok);
            }
        }
    });
    closer.start(1);
    ShowHandlerErrorMessage("'<b>5</b>' is not a valid floating point value");
    SetErrorBox(previous);
    EXPECT_EQ(shownText.toStdString(), "'<b>5</b>' is not a valid floating point value.");
    EXPECT_EQ(shownCaption.toStdString(), ApplicationTitle());
    EXPECT_EQ(shownFormat, Qt::PlainText);
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
