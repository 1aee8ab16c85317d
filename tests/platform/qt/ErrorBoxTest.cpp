// The Qt error box and the application title the Qt application takes.

#include "support/runtime/ErrorBox.h"
#include "platform/qt/Application.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

TEST(ApplicationTitle, IsTheProgramNameWithoutFolderAndExtensionLowerCasedAfterItsFirstLetter)
{
    EXPECT_EQ(ApplicationTitleFromPath("/usr/local/bin/kmity"), "kmity");
    EXPECT_EQ(ApplicationTitleFromPath("KMITY.EXE"), "Kmity");
    EXPECT_EQ(ApplicationTitleFromPath("C:\\apps\\kmity.old.exe"), "kmity");
    EXPECT_EQ(ApplicationTitleFromPath("myProg.v2"), "myprog");
    EXPECT_EQ(ApplicationTitleFromPath("/opt/ŠKOLA/ŽÁČEK.bin"), "Žáček");
    EXPECT_EQ(ApplicationTitleFromPath("čÁSTICE"), "částice");
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
