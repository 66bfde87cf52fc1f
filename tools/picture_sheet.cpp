// Developer tool: renders all of Tolvane's pictures into one labelled PNG,
// first at their own size, then three times as big with every pixel kept
// sharp. Usage: picture_sheet OUTPUT.png [RATIO] (run with
// QT_QPA_PLATFORM=offscreen). With a RATIO (1..4) the second section shows
// the pictures as drawn for a screen of that density, one sheet pixel to a
// device pixel.
// `picture_sheet --digests FILE` instead rewrites the pictures' exact-pixel
// digests (tests/picture_digests.txt) after a change to a picture is meant.

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>

#include <cmath>
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
constexpr double kSharpZoom = 3;
constexpr QRgb kTableColour = 0xffb8c4b8;

// One section of the sheet: every picture drawn at `ratio` and shown
// `zoom` times its device size.
struct Section {
    double ratio;
    double zoom;
    QString heading;
};

QSize Scaled(QSize size, double factor) {
    return QSize(static_cast<int>(std::lround(size.width() * factor)),
                 static_cast<int>(std::lround(size.height() * factor)));
}

QSize CellSize(const Section& section) {
    const QSize card = Scaled(kCardSize, section.ratio * section.zoom);
    return QSize(card.width() + kGap, card.height() + kLabelHeight + kGap);
}

int SectionHeight(const Section& section) {
    return kHeadingHeight + kRows * CellSize(section).height();
}

QSize SheetSize(const QList<Section>& sections) {
    int height = kGap, width = 0;
    for (const Section& section : sections) {
        height += SectionHeight(section);
        width = std::max(width, kColumns * CellSize(section).width() + kGap);
    }
    return QSize(width, height);
}

void DrawSection(QPainter& painter, const Section& section, int top) {
    const QSize cell = CellSize(section);
    painter.drawText(QRect(kGap, top, kColumns * cell.width(), kHeadingHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, section.heading);
    for (PictureId id = kFirstPicture; id <= kLastPicture; ++id) {
        const int index = id - kFirstPicture;
        const QPoint corner(kGap + index % kColumns * cell.width(),
                            top + kHeadingHeight + index / kColumns * cell.height());
        QImage picture = FetchPicture(id, section.ratio);
        picture.setDevicePixelRatio(1);  // one sheet pixel to a device pixel
        picture = picture.scaled(Scaled(picture.size(), section.zoom), Qt::IgnoreAspectRatio,
                                 Qt::FastTransformation);
        painter.drawImage(corner, picture);
        const QRect label(corner.x(), corner.y() + picture.height(), picture.width(), kLabelHeight);
        painter.drawText(label, Qt::AlignHCenter | Qt::AlignVCenter, QString::number(id));
    }
}

QList<Section> SheetSections(const QString& ratioArgument, bool* ok) {
    const QString all = QString("All %1 pictures ").arg(kPictureCount);
    QList<Section> sections{{1, 1, all + "at 1x"}};
    if (ratioArgument.isEmpty()) {
        sections.append({1, kSharpZoom, all + "at 3x, every pixel kept sharp"});
        return sections;
    }
    const double ratio = ratioArgument.toDouble(ok);
    sections.append({ratio, 1, all + "drawn for a screen at " + ratioArgument + "x"});
    return sections;
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
    bool ok = true;
    const QList<Section> sections = SheetSections(argc == 3 ? QString(argv[2]) : QString(), &ok);
    if (argc < 2 || argc > 3 || !ok) {
        QTextStream(stderr) << "usage: picture_sheet OUTPUT.png [RATIO] | picture_sheet --digests FILE\n";
        return 2;
    }
    QImage sheet(SheetSize(sections), QImage::Format_RGB32);
    sheet.fill(kTableColour);
    {
        QPainter painter(&sheet);
        int top = kGap;
        for (const Section& section : sections) {
            DrawSection(painter, section, top);
            top += SectionHeight(section);
        }
    }
    if (!sheet.save(argv[1])) {
        QTextStream(stderr) << "could not write " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
