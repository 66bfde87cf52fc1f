// Developer tool: renders all of Tolvane's pictures into one labelled PNG,
// first at their own size, then three times as big with every pixel kept
// sharp. Usage: picture_sheet OUTPUT.png [RATIO [IDS]] (run with
// QT_QPA_PLATFORM=offscreen). With a RATIO (1..12) the second section shows
// the pictures as drawn for a screen of that density, one sheet pixel to a
// device pixel. IDS, a comma-separated list such as 1,12,53, puts only
// those pictures on the sheet, in that order.
// `picture_sheet --digests FOLDER` instead rewrites the exact-pixel digests
// of the pictures at each recorded density and of the icon's theme images
// (tests/*_digests*.txt) after a change to a picture is meant.

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>

#include <algorithm>
#include <cmath>

#include "picture_digests.h"
#include "pictures/picture_catalogue.h"

using namespace tolvane;

namespace {

constexpr int kMostColumns = 13;  // one suit to a row
constexpr int kPictureCount = kLastPicture - kFirstPicture + 1;
constexpr int kGap = 10;
constexpr int kLabelHeight = 16;
constexpr int kHeadingHeight = 24;
constexpr double kSharpZoom = 3;
constexpr QRgb kTableColour = 0xffb8c4b8;

// One section of the sheet: the pictures drawn at `ratio` and shown `zoom`
// times their device size.
struct Section {
    double ratio;
    double zoom;
    QString heading;
};

struct Sheet {
    QList<PictureId> ids;
    QList<Section> sections;

    int Columns() const { return std::min<int>(kMostColumns, ids.size()); }
    int Rows() const { return (ids.size() + kMostColumns - 1) / kMostColumns; }
};

QSize Scaled(QSize size, double factor) {
    return QSize(static_cast<int>(std::lround(size.width() * factor)),
                 static_cast<int>(std::lround(size.height() * factor)));
}

QSize CellSize(const Section& section) {
    const QSize card = Scaled(kCardSize, section.ratio * section.zoom);
    return QSize(card.width() + kGap, card.height() + kLabelHeight + kGap);
}

int SectionHeight(const Sheet& sheet, const Section& section) {
    return kHeadingHeight + sheet.Rows() * CellSize(section).height();
}

QSize SheetSize(const Sheet& sheet) {
    int height = kGap, width = 0;
    for (const Section& section : sheet.sections) {
        height += SectionHeight(sheet, section);
        width = std::max(width, sheet.Columns() * CellSize(section).width() + kGap);
    }
    return QSize(width, height);
}

void DrawSection(QPainter& painter, const Sheet& sheet, const Section& section, int top) {
    const QSize cell = CellSize(section);
    painter.drawText(QRect(kGap, top, sheet.Columns() * cell.width(), kHeadingHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, section.heading);
    for (int index = 0; index < sheet.ids.size(); ++index) {
        const PictureId id = sheet.ids[index];
        const QPoint corner(kGap + index % kMostColumns * cell.width(),
                            top + kHeadingHeight + index / kMostColumns * cell.height());
        QImage picture = FetchPicture(id, section.ratio);
        picture.setDevicePixelRatio(1);  // one sheet pixel to a device pixel
        picture = picture.scaled(Scaled(picture.size(), section.zoom), Qt::IgnoreAspectRatio,
                                 Qt::FastTransformation);
        painter.drawImage(corner, picture);
        const QRect label(corner.x(), corner.y() + picture.height(), picture.width(), kLabelHeight);
        painter.drawText(label, Qt::AlignHCenter | Qt::AlignVCenter, QString::number(id));
    }
}

// All pictures, or those listed as "1,12,53"; empty if the list is not one.
QList<PictureId> SheetIds(const QString& idsArgument) {
    QList<PictureId> ids;
    if (idsArgument.isEmpty()) {
        for (PictureId id = kFirstPicture; id <= kLastPicture; ++id)
            ids.append(id);
        return ids;
    }
    for (const QString& text : idsArgument.split(',')) {
        bool ok = false;
        const PictureId id = text.toInt(&ok);
        if (!ok || id < kFirstPicture || id > kLastPicture)
            return {};
        ids.append(id);
    }
    return ids;
}

// Empty if the ratio is not a number from 1 to 12.
QList<Section> SheetSections(int pictureCount, const QString& ratioArgument) {
    const QString pictures = pictureCount == kPictureCount ? QString("All %1 pictures ").arg(kPictureCount)
                                                           : QString("Pictures ");
    QList<Section> sections{{1, 1, pictures + "at 1x"}};
    if (ratioArgument.isEmpty()) {
        sections.append({1, kSharpZoom, pictures + "at 3x, every pixel kept sharp"});
        return sections;
    }
    bool ok = false;
    const double ratio = ratioArgument.toDouble(&ok);
    if (!ok || !(ratio >= kLeastDevicePixelRatio && ratio <= kGreatestDevicePixelRatio))
        return {};
    sections.append({ratio, 1, pictures + "drawn for a screen at " + ratioArgument + "x"});
    return sections;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc == 3 && QString(argv[1]) == "--digests") {
        if (WriteDigestTables(argv[2]))
            return 0;
        QTextStream(stderr) << "could not write the digests into " << argv[2] << "\n";
        return 1;
    }
    Sheet sheet;
    if (argc >= 2 && argc <= 4) {
        sheet.ids = SheetIds(argc == 4 ? QString(argv[3]) : QString());
        sheet.sections = SheetSections(sheet.ids.size(), argc >= 3 ? QString(argv[2]) : QString());
    }
    if (sheet.ids.isEmpty() || sheet.sections.isEmpty()) {
        QTextStream(stderr)
            << "usage: picture_sheet OUTPUT.png [RATIO [IDS]] | picture_sheet --digests FOLDER\n";
        return 2;
    }
    QImage image(SheetSize(sheet), QImage::Format_RGB32);
    image.fill(kTableColour);
    {
        QPainter painter(&image);
        int top = kGap;
        for (const Section& section : sheet.sections) {
            DrawSection(painter, sheet, section, top);
            top += SectionHeight(sheet, section);
        }
    }
    if (!image.save(argv[1])) {
        QTextStream(stderr) << "could not write " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
