// Writes the program icon's files, as the build and the install step need
// them: icon_images <theme folder> <ico file> makes
//   <theme folder>/<N>x<N>/apps/tolvane.png for every theme size,
//   <theme folder>/scalable/apps/tolvane.svg (when built with Qt SVG), and
//   <ico file>: the three images (32 x 32 in 2 colours, 32 x 32 and
//   16 x 16 in 16 colours) in one Windows icon file.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QTextStream>
#include <QtEndian>

#ifdef TOLVANE_SCALABLE_ICON
#include <QSvgGenerator>
#endif

#include <vector>

#include "pictures/icon/program_icon.h"

namespace {

bool WriteThemeImage(const QDir& theme, int edge) {
    const QString folder = QStringLiteral("%1x%1/apps").arg(edge);
    return theme.mkpath(folder) && tolvane::DrawThemeIcon(edge).save(theme.filePath(folder + QStringLiteral("/tolvane.png")));
}

// The same drawing as the shaped images, recorded as an SVG at its largest
// size; the theme scales it to any other.
bool WriteScalableImage([[maybe_unused]] const QDir& theme) {
#ifdef TOLVANE_SCALABLE_ICON
    const int edge = tolvane::kThemeIconEdges.back();
    if (!theme.mkpath(QStringLiteral("scalable/apps")))
        return false;
    QSvgGenerator svg;
    svg.setFileName(theme.filePath(QStringLiteral("scalable/apps/tolvane.svg")));
    svg.setSize(QSize(edge, edge));
    svg.setViewBox(QRect(0, 0, edge, edge));
    svg.setTitle(QStringLiteral("Tolvane"));
    svg.setDescription(QStringLiteral("A card back fanned out behind a card face that shows a heart"));
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    tolvane::PaintShapedIcon(painter, edge);
    return painter.end();
#else
    return true;
#endif
}

// Qt's ICO writer puts one image in a file: a 6-byte header (its last two
// bytes the image count), a 16-byte directory entry whose last four bytes
// give the offset of the image's data, then the data. Several such files
// make one by joining their entries and then their data.
constexpr int kHeaderBytes = 6;
constexpr int kEntryBytes = 16;

QByteArray SingleImageIco(const QImage& image) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "ico");
    return writer.write(image) ? buffer.data() : QByteArray();
}

QByteArray JoinIcoFiles(const std::vector<QByteArray>& files) {
    QByteArray header = files.front().left(kHeaderBytes);
    qToLittleEndian<quint16>(static_cast<quint16>(files.size()), header.data() + 4);
    QByteArray entries;
    QByteArray data;
    const auto dataStart = static_cast<quint32>(kHeaderBytes + kEntryBytes * files.size());
    for (const QByteArray& file : files) {
        QByteArray entry = file.mid(kHeaderBytes, kEntryBytes);
        const auto offset = qFromLittleEndian<quint32>(entry.constData() + 12);
        qToLittleEndian<quint32>(dataStart + static_cast<quint32>(data.size()), entry.data() + 12);
        entries += entry;
        data += file.mid(static_cast<qsizetype>(offset));
    }
    return header + entries + data;
}

bool WriteIco(const QString& path) {
    std::vector<QByteArray> files;
    for (tolvane::IconImage image : tolvane::kIconImages) {
        files.push_back(SingleImageIco(tolvane::DrawProgramIcon(image)));
        if (files.back().size() <= kHeaderBytes + kEntryBytes)
            return false;
    }
    QFile file(path);
    const QByteArray ico = JoinIcoFiles(files);
    return file.open(QIODevice::WriteOnly) && file.write(ico) == ico.size();
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        QTextStream(stderr) << "usage: icon_images <theme folder> <ico file>\n";
        return 2;
    }
    const QDir theme(QString::fromLocal8Bit(argv[1]));
    for (int edge : tolvane::kThemeIconEdges)
        if (!WriteThemeImage(theme, edge)) {
            QTextStream(stderr) << "cannot write the icon images into " << theme.path() << "\n";
            return 1;
        }
    if (!WriteScalableImage(theme)) {
        QTextStream(stderr) << "cannot write the scalable icon into " << theme.path() << "\n";
        return 1;
    }
    if (!WriteIco(QString::fromLocal8Bit(argv[2]))) {
        QTextStream(stderr) << "cannot write the icon file " << argv[2] << "\n";
        return 1;
    }
    return 0;
}
