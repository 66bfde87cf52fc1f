#include "picture_digests.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QtEndian>

#include "pictures/icon/program_icon.h"

namespace tolvane {

QByteArray ImageDigest(const QImage& image) {
    const QImage picture = image.convertToFormat(QImage::Format_ARGB32);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    const quint32 size[] = {qToBigEndian(quint32(picture.width())), qToBigEndian(quint32(picture.height()))};
    hash.addData(QByteArrayView(reinterpret_cast<const char*>(size), sizeof size));
    QByteArray row(picture.width() * 4, Qt::Uninitialized);
    for (int y = 0; y < picture.height(); ++y) {
        const auto* pixels = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            qToBigEndian(quint32(pixels[x]), row.data() + 4 * x);
        hash.addData(row);
    }
    return hash.result().toHex();
}

QString PictureDigestFile(double ratio) {
    if (ratio == 1.0)
        return QStringLiteral("picture_digests.txt");
    return QStringLiteral("picture_digests-%1x.txt").arg(ratio);
}

QString PictureDigestTable(double ratio) {
    QString table;
    for (PictureId id = kFirstPicture; id <= kLastPicture; ++id)
        table += QString("%1 %2\n").arg(id).arg(QString::fromLatin1(ImageDigest(FetchPicture(id, ratio))));
    return table;
}

QString IconDigestTable() {
    QString table;
    for (int edge : kThemeIconEdges)
        table += QString("%1 %2\n").arg(edge).arg(QString::fromLatin1(ImageDigest(DrawThemeIcon(edge))));
    return table;
}

std::map<int, QByteArray> ParseDigestTable(const QString& table) {
    std::map<int, QByteArray> digests;
    for (const QString& line : table.split('\n', Qt::SkipEmptyParts)) {
        const QStringList fields = line.split(' ', Qt::SkipEmptyParts);
        bool isNumber = false;
        const int key = fields.value(0).toInt(&isNumber);
        if (fields.size() == 2 && isNumber)
            digests[key] = fields[1].toLatin1();
    }
    return digests;
}

namespace {

bool WriteText(const QString& path, const QString& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text.toLatin1()) >= 0 &&
           file.flush();
}

}  // namespace

bool WriteDigestTables(const QString& folder) {
    const QDir dir(folder);
    bool written = WriteText(dir.filePath(kIconDigestFile), IconDigestTable());
    for (double ratio : kDigestRatios)
        written = WriteText(dir.filePath(PictureDigestFile(ratio)), PictureDigestTable(ratio)) && written;
    return written;
}

}  // namespace tolvane
