// The application as the desktop sees it: the main window carries the icon
// that the icon theme gets, and the application names its menu entry.

#include "tests/app/AppTestSupport.h"

#include "platform/qt/ApplicationIdentity.h"

#include <QApplication>
#include <QIcon>
#include <QImage>

#include <gtest/gtest.h>

namespace {

QImage Argb(const QImage& image) { return image.convertToFormat(QImage::Format_ARGB32_Premultiplied); }

} // namespace

TEST(ApplicationIdentity, MainWindowCarriesTheInstalledIconAtEverySize)
{
    SetApplicationIdentity();
    auto form = ShowMainWindow();
    const QIcon icon = Q(*form)->windowIcon();
    // Each size the window can show is the very PNG installed into the icon
    // theme, the smallest ones drawn for their own grid.
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        SCOPED_TRACE(size);
        const QString installed = QStringLiteral(KMITY_SOURCE_DIR "/desktop/icons/%1x%1/cz.kmity.Kmity.png").arg(size);
        const QImage expected(installed);
        ASSERT_EQ(expected.size(), QSize(size, size));
        EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size)));
        EXPECT_TRUE(Argb(icon.pixmap(QSize(size, size)).toImage()) == Argb(expected));
    }
    EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral("cz.kmity.Kmity"));
    EXPECT_EQ(QCoreApplication::applicationVersion(), QString::fromLatin1(ApplicationVersion()));

    QApplication::setWindowIcon(QIcon());
    QGuiApplication::setDesktopFileName(QString());
    QCoreApplication::setApplicationVersion(QString());
}
