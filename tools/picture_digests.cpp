#include "picture_digests.h"

#include <QCryptographicHash>
#include <QImage>
#include <QStringList>
#include <QtEndian>

namespace tolvane {

QByteArray PictureDigest(PictureId id) {
    const QImage picture = FetchPicture(id).convertToFormat(QImage::Format_ARGB32);
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

QString PictureDigestTable() {
    QString table;
    for (PictureId id = kFirstPicture; id <= kLastPicture; ++id)
        table += QString("%1 %2\n").arg(id).arg(QString::fromLatin1(PictureDigest(id)));
    return table;
}

std::map<PictureId, QByteArray> ParsePictureDigests(const QString& table) {
    std::map<PictureId, QByteArray> digests;
    for (const QString& line : table.split('\n', Qt::SkipEmptyParts)) {
        const QStringList fields = line.split(' ', Qt::SkipEmptyParts);
        bool isNumber = false;
        const PictureId id = fields.value(0).toInt(&isNumber);
        if (fields.size() == 2 && isNumber)
            digests[id] = fields[1].toLatin1();
    }
    return digests;
}

}  // namespace tolvane
