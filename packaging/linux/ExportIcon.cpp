// Writes the program icon's images as PNG files for the desktop's icon theme:
//   quillfolio-export-icon DIRECTORY  ->  DIRECTORY/32x32/quillfolio.png, DIRECTORY/16x16/...
#include "../../src/classlib/Resources.h"
#include "../../src/classlib/qt/Icons.h"
#include "../../src/res/resource.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: quillfolio-export-icon DIRECTORY\n", stderr);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const IconResource* icon = FindIconResource(IDR_MAINFRAME);
    for (const IconImage& image : icon->images) {
        const QString size = QStringLiteral("%1x%1").arg(image.size);
        const QString folder = QDir(QString::fromLocal8Bit(argv[1])).filePath(size);
        if (!QDir().mkpath(folder) ||
            !IconImageFor(icon, image.size).save(QDir(folder).filePath("quillfolio.png"))) {
            std::fprintf(stderr, "quillfolio-export-icon: cannot write %s\n", qPrintable(folder));
            return 1;
        }
    }
    return 0;
}
