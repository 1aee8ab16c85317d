// The program's version, menu entry id and icon, given to the application
// object at start-up.

#include "platform/qt/ApplicationIdentity.h"

#include <QApplication>
#include <QDirIterator>
#include <QString>

QIcon ApplicationIcon()
{
    // Every PNG size the build put into the resources (:/icons/16x16/...):
    // the smallest come from a drawing made for a small grid, which a
    // scaled-down large size would blur.
    QIcon icon;
    QDirIterator sizes(QStringLiteral(":/icons"), {QStringLiteral("*.png")}, QDir::Files, QDirIterator::Subdirectories);
    while (sizes.hasNext())
        icon.addFile(sizes.next());
    return icon;
}

void SetApplicationIdentity()
{
    QCoreApplication::setApplicationVersion(QString::fromLatin1(ApplicationVersion()));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(DesktopEntryId));
    QApplication::setWindowIcon(ApplicationIcon());
}
