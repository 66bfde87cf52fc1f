// Developer tool: renders all of Tolvane's pictures into one labelled PNG,
// first at their own size, then three times as big with every pixel kept
// sharp. Usage: picture_sheet OUTPUT.png (run with QT_QPA_PLATFORM=offscreen).
// `picture_sheet --digests FILE` instead rewrites the pictures' exact-pixel
// digests (tests/picture_digests.txt) after a change to a picture is meant.

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>

#include <iterator>

#include "picture_digests.h"
#include "pictures/picture_catalogue.h"

using namespace tolvane;

namespace {

constexpr int kColumns = 13;  // one suit to a row
constexpr int kPictureCount = kLastPicture - kFirstPicture + 1;
constexpr int kRows = (kPictureCount + kColumns - 1) / kColumns;
constexpr int kGap = 10;
constexpr int kLabelHeight = 16;
constexpr int kHeadingHeight = 24;
constexpr int kZooms[] = {1, 3};
constexpr QRgb kTableColour = 0xffb8c4b8;

QSize CellSize(int zoom) {
    return QSize(kCardSize.width() * zoom + kGap, kCardSize.height() * zoom + kLabelHeight + kGap);
}

int SectionHeight(int zoom) {
    return kHeadingHeight + kRows * CellSize(zoom).height();
}

QSize SheetSize() {
    int height = kGap;
    for (int zoom : kZooms)
        height += SectionHeight(zoom);
    return QSize(kColumns * CellSize(kZooms[std::size(kZooms) - 1]).width() + kGap, height);
}

void DrawSection(QPainter& painter, int zoom, int top) {
    const QSize cell = CellSize(zoom);
    painter.drawText(QRect(kGap, top, kColumns * cell.width(), kHeadingHeight),
                     Qt::AlignLeft | Qt::AlignVCenter,
                     QString("All %1 pictures at %2x").arg(kPictureCount).arg(zoom));
    for (PictureId id = kFirstPicture; id <= kLastPicture; ++id) {
        const int index = id - kFirstPicture;
        const QPoint corner(kGap + index % kColumns * cell.width(),
                            top + kHeadingHeight + index / kColumns * cell.height());
        const QImage picture = FetchPicture(id);
        painter.drawImage(corner, picture.scaled(picture.size() * zoom, Qt::IgnoreAspectRatio,
                                                 Qt::FastTransformation));
        const QRect label(corner.x(), corner.y() + picture.height() * zoom, picture.width() * zoom,
                          kLabelHeight);
        painter.drawText(label, Qt::AlignHCenter | Qt::AlignVCenter, QString::number(id));
    }
}

int WriteDigests(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(PictureDigestTable().toLatin1()) < 0 || !file.flush()) {
        QTextStream(stderr) << "could not write " << path << "\n";
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc == 3 && QString(argv[1]) == "--digests")
        return WriteDigests(argv[2]);
    if (argc != 2) {
        QTextStream(stderr) << "usage: picture_sheet OUTPUT.png | picture_sheet --digests FILE\n";
        return 2;
    }
    QImage sheet(SheetSize(), QImage::Format_RGB32);
    sheet.fill(kTableColour);
    {
        QPainter painter(&sheet);
        int top = kGap;
        for (int zoom : kZooms) {
            DrawSection(painter, zoom, top);
            top += SectionHeight(zoom);
        }
    }
    if (!sheet.save(argv[1])) {
        QTextStream(stderr) << "could not write " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
