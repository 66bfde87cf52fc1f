// Writes the program icon's images for a desktop icon theme, as the install
// step needs them: icon_images <folder> makes <folder>/16x16/tolvane.png and
// <folder>/32x32/tolvane.png. A theme holds one image per size, so the
// 16-colour images go in; the two-colour one lives only in the window's icon.
#include <QDir>
#include <QImage>
#include <QTextStream>

#include "pictures/icon/program_icon.h"

namespace {

bool WriteIcon(const QDir& folder, tolvane::IconImage image) {
    const QImage icon = tolvane::DrawProgramIcon(image);
    const QString size = QStringLiteral("%1x%2").arg(icon.width()).arg(icon.height());
    return folder.mkpath(size) && icon.save(folder.filePath(size + QStringLiteral("/tolvane.png")));
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        QTextStream(stderr) << "usage: icon_images <folder>\n";
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (tolvane::IconImage image : {tolvane::IconImage::Colour16, tolvane::IconImage::Colour32})
        if (!WriteIcon(folder, image)) {
            QTextStream(stderr) << "cannot write the icon images into " << folder.path() << "\n";
            return 1;
        }
    return 0;
}
